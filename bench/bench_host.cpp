#include "bench/bench_host.h"

#include "firmware/firmware.h"

namespace bench {
void (*onPump)() = nullptr;
}  // namespace bench

int32_t read_input_y() {
    return 2048;
}
int32_t read_input_z() {
    return 2048;
}
bool read_calibrate_switch() {
    return true;
}
bool read_keyfast_switch() {
    return false;
}
void set_alarm_led(bool) {}
void set_lcd_visible(bool) {}
void present_frame() {}
void pump_events() {
    if (bench::onPump != nullptr) bench::onPump();
}
