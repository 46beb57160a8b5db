// The two reset confirmations of the main display: temporary maxima and cycle counters. F1
// confirms and reports DONE; every other key cancels without a message.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

struct ResetTexts {
    Text lines[3];
};

constexpr ResetTexts kTempMaxTexts{{
    {"RESET", "RAZ"},
    {"TEMP MAX", "VALEURS"},
    {"VALUES", "MAX TEMP"},
}};

constexpr ResetTexts kCycleTexts{{
    {"RESET", "RAZ"},
    {"CYCLE", "COMPTEURS"},
    {"VALUES", "DE CYCLES"},
}};

constexpr Text kResetLabel{" RESET ", " RAZ "};
constexpr uint8_t kLineY[3] = {3, 20, 37};

void draw_confirmation(const ResetTexts& texts) {
    lcd_icon(0);
    for (int i = 0; i < 3; ++i) lcd_text8_centered_const(85, kLineY[i], tr(texts.lines[i]), 1, 0);
    lcd_text8_const(0, 56, tr(kResetLabel), 0, 1);
}

// Runs the reset on F1, returns to the main display on the other keys; consumes the key.
void handle_confirmation_key(void (*reset)()) {
    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_F1:
            reset();
            state.returnScreen = screen_main;
            state.currentScreen = screen_msg_done;
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

// The temporary maxima restart from the present value, not from zero.
void reset_temp_max_values() {
    state.tempMaxGPlus = state.currentG;
    state.tempMaxGMinus = state.currentG;
}

}  // namespace

void screen_reset_temp_max() {
    draw_confirmation(kTempMaxTexts);
    handle_confirmation_key(reset_temp_max_values);
}

void screen_reset_cycles() {
    draw_confirmation(kCycleTexts);
    handle_confirmation_key(reset_cycle_counters);
}
