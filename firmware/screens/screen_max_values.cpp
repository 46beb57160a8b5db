// MAX VALUES: the code-protected maxima, and their reset behind resetCode.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" MAX VALUES ", " MAX VALEURS "};
constexpr Text kResetLabel{" RESET ", " RAZ "};

}  // namespace

void screen_max_values() {
    char text[kTextBuffer];

    ui_title(tr(kTitle));
    format_g(text, "MAX GF+:%+5.1fg", state.maxGPlus);
    lcd_text8(0, 14, text, 1, 0);
    format_g(text, "MAX GF-:%+5.1fg", state.maxGMinus);
    lcd_text8(0, 34, text, 1, 0);
    // Bottom left, above the left key that confirms.
    lcd_text8_const(0, 56, tr(kResetLabel), 0, 1);

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_F1:
            for (uint8_t& digit : state.codeDigits) digit = 0;
            state.menuCursor = 0;
            if (state.resetCode == 0) {
                reset_max_values();
                state.returnScreen = screen_main;
                state.currentScreen = screen_msg_done;
            } else {
                state.currentScreen = screen_enter_reset_code;
            }
            break;
        case KEY_SELECT:
        case KEY_CW:
        case KEY_CCW:
        case KEY_F2:
            state.currentScreen = screen_main;
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
