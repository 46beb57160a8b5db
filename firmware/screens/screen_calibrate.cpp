// CALIBRATE: runs the 1 g and 0 g calibrations on the samples of this frame, each followed by
// the DONE message, which comes back here with the same row highlighted.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" CALIBRATE ", " CALIBRER "};
// The English rows end in a small g, the French ones in a capital G.
constexpr Text kCalibrate1g{"CALIBRATE 1g", "CALIBRER 1G"};
constexpr Text kCalibrate0g{"CALIBRATE 0g", "CALIBRER 0G"};

constexpr uint8_t kRowDone = 0;
constexpr uint8_t kRow1g = 1;
constexpr uint8_t kRow0g = 2;

void report_done() {
    state.returnScreen = screen_calibrate;
    state.currentScreen = screen_msg_done;
}

}  // namespace

void screen_calibrate() {
    const uint8_t row = state.menuCursor;

    ui_title(tr(kTitle));
    draw_done_row(row == kRowDone);
    lcd_text8_const(0, 16, tr(kCalibrate1g), 0, inverse_if(row == kRow1g));
    lcd_text8_const(0, 24, tr(kCalibrate0g), 0, inverse_if(row == kRow0g));

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_SELECT:
            if (row == kRowDone) {
                state.menuCursor = 4;  // the main menu shows CALIBRATE again
                state.currentScreen = screen_main_menu;
                settings_changed_hook();
            } else if (row == kRow1g) {
                calibrate_1g();
                report_done();
            } else if (row == kRow0g) {
                calibrate_0g();
                report_done();
            }
            break;
        case KEY_CW:
        case KEY_CCW:
        case KEY_F1:
        case KEY_F2:
            move_list_cursor(key, kRow0g);
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
