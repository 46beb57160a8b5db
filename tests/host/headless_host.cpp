#include "tests/host/headless_host.h"

#include <cstring>

#include "firmware/firmware.h"

namespace headless {

Host host;

namespace {
void record(const char* name) {
    if (host.recording) host.calls.emplace_back(name);
}
void hook(Hook h, const char* name) {
    ++host.hookCalls[h];
    record(name);
}
}  // namespace

void reset_host() {
    host = Host{};
}

void reset_state() {
    std::memset(&state, 0, sizeof state);
}

}  // namespace headless

using headless::host;

int32_t read_input_y() {
    headless::record("read_input_y");
    return host.inputY;
}
int32_t read_input_z() {
    headless::record("read_input_z");
    return host.inputZ;
}
bool read_calibrate_switch() {
    headless::record("read_calibrate_switch");
    return host.calibrateSwitch;
}
bool read_keyfast_switch() {
    headless::record("read_keyfast_switch");
    return host.keyfastSwitch;
}
void set_alarm_led(bool lit) {
    headless::record(lit ? "set_alarm_led(lit)" : "set_alarm_led(dark)");
    host.ledLit = lit;
    ++host.ledSets;
}
void set_lcd_visible(bool visible) {
    headless::record(visible ? "set_lcd_visible(true)" : "set_lcd_visible(false)");
    host.lcdVisible = visible;
}
void present_frame() {
    headless::record("present_frame");
    std::memcpy(host.frame, state.frameBuffer, sizeof host.frame);
    ++host.framesPresented;
}
void pump_events() {
    headless::record("pump_events");
    ++host.pumps;
    if (host.onPump) host.onPump();
}

void settings_changed_hook() {
    headless::hook(headless::kSettingsChanged, "settings_changed_hook");
}
void contrast_changed_hook() {
    headless::hook(headless::kContrastChanged, "contrast_changed_hook");
}
void backlight_on_hook() {
    headless::hook(headless::kBacklightOn, "backlight_on_hook");
}
void backlight_off_hook() {
    headless::hook(headless::kBacklightOff, "backlight_off_hook");
}
void alarm_led_on_hook() {
    headless::hook(headless::kAlarmLedOn, "alarm_led_on_hook");
}
void alarm_led_off_hook() {
    headless::hook(headless::kAlarmLedOff, "alarm_led_off_hook");
}
void max_values_reset_hook() {
    headless::hook(headless::kMaxValuesReset, "max_values_reset_hook");
}
void cycle_counters_reset_hook() {
    headless::hook(headless::kCycleCountersReset, "cycle_counters_reset_hook");
}
void power_on_hook_1() {
    headless::hook(headless::kPowerOn1, "power_on_hook_1");
}
void power_on_hook_2() {
    headless::hook(headless::kPowerOn2, "power_on_hook_2");
}
