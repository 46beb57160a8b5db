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
// A pass hides the view before it clears and draws the frame, and shows it again once the screen
// ran and the frame was presented; the splash never hides it. So these are the points at which
// every pass, and only a pass, can be checked.
void set_lcd_visible(bool visible) {
    if (visible) {
        fuzz::check_after_pass();
    } else {
        fuzz::note_before_drawing();
    }
}
void present_frame() {}
void pump_events() {
    fuzz::on_pump();
}
