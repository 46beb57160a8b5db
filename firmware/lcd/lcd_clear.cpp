#include <cstring>

#include "firmware/firmware.h"

void lcd_clear() {
    std::memset(state.frameBuffer, 0, sizeof state.frameBuffer);
}
