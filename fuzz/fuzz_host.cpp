// The host side for the fuzzer: the controls come from the session, nothing is shown, and
// pump_events runs the session's next handlers. The hooks keep the library's empty defaults.
#include "firmware/firmware.h"
#include "fuzz/fuzz_invariants.h"
#include "fuzz/fuzz_session.h"

int32_t read_input_y() {
    return fuzz::inputs.y;
}
int32_t read_input_z() {
    return fuzz::inputs.z;
}
bool read_calibrate_switch() {
    return fuzz::inputs.calibrateSwitch;
}
bool read_keyfast_switch() {
    return fuzz::inputs.keyfastSwitch;
}
void set_alarm_led(bool) {}
// Shown again only at the end of a pass, after its screen ran and its frame was presented: the
// one point at which every pass can be checked (the splash never hides the view).
void set_lcd_visible(bool visible) {
    if (visible) fuzz::check_after_pass();
}
void present_frame() {}
void pump_events() {
    fuzz::on_pump();
}
