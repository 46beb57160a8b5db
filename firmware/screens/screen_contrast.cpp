// CONTRAST: a level bar in a frame, changed in steps of 2 within 0..62. The value reaches the
// panel only through contrast_changed_hook.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" CONTRAST ", " CONTRASTE "};
// '{', '}' and '~' are the up-arrow key, the down-arrow key and the knob in the 8x8 font.
constexpr Text kHelp1{"USE { } OR ~", "{ } OU ~"};
constexpr Text kHelp2{"TO ADJUST THE", "REGLAGE"};
constexpr Text kHelp3{"CONTRAST", "CONTRASTE"};

}  // namespace

void screen_contrast() {
    ui_title(tr(kTitle));
    // One pixel wide at 0; at 62 it reaches x 125, one pixel inside the frame.
    lcd_fill(1, 15, static_cast<uint8_t>(2 * state.contrast + 1), 25, 1);
    lcd_rect(1, 15, 126, 25, 1);
    lcd_text8_centered_const(64, 40, tr(kHelp1), 0, 0);
    lcd_text8_centered_const(64, 48, tr(kHelp2), 0, 0);
    lcd_text8_centered_const(64, 56, tr(kHelp3), 0, 0);

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    const int contrast = state.contrast;
    switch (key) {
        case KEY_SELECT:
            state.menuCursor = 1;  // DISPLAY SETUP highlights ADJUST CONTRAST again
            state.currentScreen = screen_display_setup;
            settings_changed_hook();
            break;
        case KEY_CW:
        case KEY_F1:
            if (contrast + 2 <= 63) state.contrast = static_cast<uint8_t>(contrast + 2);
            // Also at the limit: the panel is told after every adjustment key.
            contrast_changed_hook();
            break;
        case KEY_CCW:
        case KEY_F2:
            if (contrast - 2 >= 0) state.contrast = static_cast<uint8_t>(contrast - 2);
            contrast_changed_hook();
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
