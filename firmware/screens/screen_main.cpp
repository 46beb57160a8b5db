// The main display: live G in large digits, the bar graph with its peak marker, the temporary
// maxima and the cycle counters. Keys lead from here to the menu and the statistics screens.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

// |value| for the bar graph. The most negative int32 has no positive counterpart; it saturates,
// which the bar shows as full scale like any other value beyond the span.
int32_t magnitude(int32_t value) {
    if (value >= 0) return value;
    return value == INT32_MIN ? INT32_MAX : -value;
}

}  // namespace

void draw_main_display() {
    char text[kTextBuffer];

    format_g(text, "%+5.1f", state.tempMaxGPlus);
    lcd_text8(89, 0, text, 0, 0);
    format_g(text, "%+5.1f", state.tempMaxGMinus);
    lcd_text8(89, 56, text, 0, 0);
    // No width limit: six or more digits run into the maximum on the same row, and both show.
    format_unsigned(text, "%u", state.cyclePlusCount);
    lcd_text8(42, 0, text, 0, 0);
    format_unsigned(text, "%u", state.cycleMinusCount);
    lcd_text8(42, 56, text, 0, 0);

    // The bar shows magnitudes only; its marker is the temporary maximum on the side of zero on
    // which G lies now, zero counting as the positive side.
    if (state.currentG < 0) {
        ui_g_bar(magnitude(state.currentG), magnitude(state.tempMaxGMinus));
    } else {
        ui_g_bar(state.currentG, state.tempMaxGPlus);
    }

    // From 10 g on there is no room for the tenths: whole g, moved right to stay on screen.
    if (magnitude(state.currentG) < 100) {
        format_g(text, "%+.1f", state.currentG);
        lcd_big_text(45, 17, text);
    } else {
        format_g(text, "%+.0f", state.currentG);
        lcd_big_text(55, 17, text);
    }
}

void screen_main() {
    draw_main_display();

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    if (key > KEY_F2) {
        // Not a key of the instrument: consumed without effect, the alarm included.
    } else if (state.alarmActive != 0 && state.alarmAcknowledged == 0) {
        // The first key after an alarm only acknowledges it, whatever key it is.
        state.alarmAcknowledged = 1;
    } else {
        switch (key) {
            case KEY_SELECT:
                state.menuCursor = 0;
                state.editMode = 0;
                state.currentScreen = screen_main_menu;
                break;
            case KEY_CW:
            case KEY_CCW:
                state.currentScreen = screen_max_values;
                break;
            case KEY_F1:
                state.currentScreen = screen_reset_cycles;
                break;
            case KEY_F2:
                state.currentScreen = screen_reset_temp_max;
                break;
            default:
                break;
        }
    }
    state.keyEvent = KEY_NONE;
}
