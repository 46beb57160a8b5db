#include "firmware/firmware.h"

void post_key(uint8_t code) {
    if (state.keyEvent == KEY_NONE) state.keyEvent = code;
}

int32_t adc_read(uint8_t channel) {
    return channel == 1 ? state.adcInputZ : state.adcInputY;
}
