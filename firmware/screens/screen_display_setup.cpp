// DISPLAY SETUP: contrast (on a screen of its own), backlight and language. The arrows move the
// highlight until SELECT puts the backlight or language row into edit mode.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" DISPLAY SETUP ", " CONFIG AFFICH "};
constexpr Text kAdjustContrast{"ADJUST CONTRAST", "REG CONTRAST"};
constexpr Text kBacklightLabel{"BACKLIGHT: ", "LUMIERE: "};
constexpr Text kBacklightOn{"ON", "OUI"};
constexpr Text kBacklightOff{"OFF", "NON"};
constexpr Text kLanguageLabel{"LANG: ", "LANG: "};
// Names the language the screen is drawn in.
constexpr Text kLanguageValue{"ENGLISH", "FRANCAIS"};

constexpr uint8_t kRowDone = 0;
constexpr uint8_t kRowContrast = 1;
constexpr uint8_t kRowBacklight = 2;
constexpr uint8_t kRowLanguage = 3;

// Both settings have two states: each of the four direction keys flips them.
void flip_setting(uint8_t row) {
    if (row == kRowBacklight) {
        if (state.backlightOn == 0) {
            state.backlightOn = 1;
            backlight_on_hook();
        } else {
            state.backlightOn = 0;
            backlight_off_hook();
        }
    } else if (row == kRowLanguage) {
        state.language = state.language == 0 ? 1 : 0;
    }
}

}  // namespace

void screen_display_setup() {
    const uint8_t row = state.menuCursor;

    ui_title(tr(kTitle));
    draw_done_row(row == kRowDone);
    lcd_text8_const(0, 16, tr(kAdjustContrast), 0, inverse_if(row == kRowContrast));
    ui_setting_row_const_both(0, 2, tr(kBacklightLabel),
                              tr(state.backlightOn != 0 ? kBacklightOn : kBacklightOff));
    ui_setting_row_const_both(0, 3, tr(kLanguageLabel), tr(kLanguageValue));

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_SELECT:
            if (row == kRowDone) {
                state.menuCursor = 1;  // the main menu shows DISPLAY SETUP again
                state.currentScreen = screen_main_menu;
                state.editMode = 0;
            } else if (row == kRowContrast) {
                state.menuCursor = 0;
                state.currentScreen = screen_contrast;
            } else if (row == kRowBacklight || row == kRowLanguage) {
                state.editMode = state.editMode == 0 ? 1 : 0;
            }
            break;
        case KEY_CW:
        case KEY_CCW:
        case KEY_F1:
        case KEY_F2:
            if (state.editMode != 0) {
                flip_setting(row);
            } else {
                move_list_cursor(key, kRowLanguage);
            }
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
