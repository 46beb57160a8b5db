// The four access-code screens. Each enters a four-digit code digit by digit and is left only by
// completing the fourth digit; what completion does is the screen's own.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

struct Headings {
    Text line1;
    Text line2;
};

constexpr Headings kEnterCurrent{{"ENTER CURRENT", "ENTRER CODE"}, {"CODE", "ACTUEL"}};
constexpr Headings kEnterNew{{"ENTER NEW", "ENTRER NOUVEAU"}, {"CODE", "CODE"}};
constexpr Headings kConfirmNew{{"CONFIRM NEW", "CONFIRMER"}, {"CODE", "NOUVEAU CODE"}};
constexpr Headings kEnterReset{{"ENTER RESET", "ENTRER CODE"}, {"CODE", "RAZ"}};

constexpr uint8_t kDigitCount = 4;
constexpr uint8_t kDigitX[kDigitCount] = {45, 55, 65, 75};

void draw_code_screen(const Headings& headings) {
    char digit[kTextBuffer];
    lcd_text8_centered_const(64, 5, tr(headings.line1), 1, 0);
    lcd_text8_centered_const(64, 25, tr(headings.line2), 1, 0);
    for (uint8_t i = 0; i < kDigitCount; ++i) {
        std::snprintf(digit, sizeof digit, "%d", state.codeDigits[i]);
        lcd_text8(kDigitX[i], 48, digit, 1, inverse_if(i == state.menuCursor));
    }
}

// Leading zeros carry no weight of their own: codes are compared as these values.
int32_t entered_code() {
    const uint8_t* d = state.codeDigits;
    return d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3];
}

void clear_entry() {
    for (uint8_t& digit : state.codeDigits) digit = 0;
    state.menuCursor = 0;
}

// Handles the key of a code screen and consumes it; calls complete() when SELECT is pressed on
// the fourth digit. A cursor beyond the fourth digit takes no key at all, so it never indexes
// past the digits.
void handle_code_key(void (*complete)()) {
    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    if (state.menuCursor < kDigitCount) {
        uint8_t& digit = state.codeDigits[state.menuCursor];
        switch (key) {
            case KEY_CW:
            case KEY_F1:
                digit = digit >= 9 ? 0 : static_cast<uint8_t>(digit + 1);
                break;
            case KEY_CCW:
            case KEY_F2:
                digit = digit == 0 || digit > 9 ? 9 : static_cast<uint8_t>(digit - 1);
                break;
            case KEY_SELECT:
                if (state.menuCursor < kDigitCount - 1) {
                    ++state.menuCursor;
                } else {
                    complete();
                }
                break;
            default:
                break;
        }
    }
    state.keyEvent = KEY_NONE;
}

// The change flow returns to G-FORCE SETUP with its code row highlighted.
void show_in_gforce_setup(ScreenFn message) {
    state.menuCursor = 5;
    state.returnScreen = screen_gforce_setup;
    state.currentScreen = message;
}

void complete_current_code() {
    const int32_t code = entered_code();
    if (code == state.resetCode || code == MASTER_CODE) {
        clear_entry();
        state.currentScreen = screen_enter_new_code;
    } else {
        show_in_gforce_setup(screen_msg_incorrect_code);
    }
}

void complete_new_code() {
    // Every value is taken, 0 included: confirming 0000 removes the protection.
    state.pendingCode = entered_code();
    clear_entry();
    state.currentScreen = screen_confirm_new_code;
}

void complete_confirmation() {
    if (entered_code() == state.pendingCode) {
        state.resetCode = state.pendingCode;
        show_in_gforce_setup(screen_msg_code_changed);
    } else {
        show_in_gforce_setup(screen_msg_incorrect_code);
    }
}

// Only the code in force opens the reset; the master code does not.
void complete_reset_code() {
    if (entered_code() == state.resetCode) {
        reset_max_values();
        state.currentScreen = screen_msg_done;
    } else {
        state.currentScreen = screen_msg_incorrect_code;
    }
    state.returnScreen = screen_main;
}

}  // namespace

void screen_enter_current_code() {
    draw_code_screen(kEnterCurrent);
    handle_code_key(complete_current_code);
}

void screen_enter_new_code() {
    draw_code_screen(kEnterNew);
    handle_code_key(complete_new_code);
}

void screen_confirm_new_code() {
    draw_code_screen(kConfirmNew);
    handle_code_key(complete_confirmation);
}

void screen_enter_reset_code() {
    draw_code_screen(kEnterReset);
    handle_code_key(complete_reset_code);
}
