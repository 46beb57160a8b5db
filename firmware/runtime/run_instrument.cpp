#include "firmware/firmware.h"
#include "firmware/runtime/runtime_i.h"

// ON pressed while the instrument is on restarts it. The ON handler runs inside the running
// loop's pump_events, so a restart that ran a whole new run there would nest one level deeper
// per click. Instead the inner call applies the power-on state at once (so that keys, OFF and
// calibrations clicked after it in the same pump_events still count, as they would after a
// nested power-on) and asks the running loop to start over; the loop does so right after
// pump_events returns, with a whole frame presented. The stack never grows with the clicks and
// one OFF ends the run.
namespace {

bool running = false;  // a run_instrument call is in progress
bool restart = false;  // ON was pressed while running

void read_inputs() {
    state.adcInputY = read_input_y();
    state.adcInputZ = read_input_z();
}

// The power-on sequence after the inputs are read.
void apply_power_on() {
    reset_max_values();
    load_default_settings();
    load_default_calibration();
    state.currentScreen = screen_main;
    state.adjustStep = 1;
    power_on_hook_1();
    power_on_hook_2();
    state.calibrateMenuEnabled = 0;
    state.keyEvent = KEY_NONE;
    state.powerOffRequested = 0;
}

void warm_up() {
    for (int i = 0; i < 10; ++i) meas_update();
    alarm_led_off_hook();
}

void run_pass() {
    meas_update();
    state.calibrateMenuEnabled = read_calibrate_switch() ? 1 : 0;
    if (state.backlightOn == 1) {
        backlight_on_hook();
    } else {
        backlight_off_hook();
    }
    if (state.alarmActive != 0 && state.alarmAcknowledged == 0) {
        alarm_led_on_hook();
        set_alarm_led(true);
    } else {
        alarm_led_off_hook();
        set_alarm_led(false);
    }
    state.adjustStep = read_keyfast_switch() ? 10 : 1;
    // Hidden from before the clear until the frame is presented: only whole frames show.
    set_lcd_visible(false);
    lcd_clear();
    state.currentScreen();
    present_frame();
    set_lcd_visible(true);
    pump_events();
}

// Runs passes until OFF. Returns false when a restart is pending instead.
bool frame_loop() {
    while (state.powerOffRequested == 0) {
        run_pass();
        if (restart) return false;
    }
    return true;
}

}  // namespace

bool restart_pending() {
    return restart;
}

void run_instrument() {
    if (running) {
        apply_power_on();
        restart = true;
        return;
    }
    running = true;
    read_inputs();
    apply_power_on();
    for (;;) {
        restart = false;
        if (play_splash()) {
            warm_up();
            if (frame_loop()) break;
        }
        read_inputs();
    }
    restart = false;
    running = false;
}
