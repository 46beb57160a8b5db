// G-FORCE SETUP: bar-graph span, the two cycle thresholds, the way into the Z-axis trim and the
// way into changing the reset code. SELECT toggles edit mode on the three value rows.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" G-FORCE SETUP ", " CONFIG FORCE-G "};
constexpr Text kSpanLabel{"GF SPAN: ", "ECH FG: "};
constexpr Text kCyclePlusLabel{"CYCLE +: ", "CYCLE +: "};
constexpr Text kCycleMinusLabel{"CYCLE -: ", "CYCLE -: "};
constexpr Text kZAxisCal{"Z-AXIS CAL", "CAL AXE Z"};
constexpr Text kResetCode{"MAX GF RST CODE", "CODE RAZ MAX FG"};

constexpr uint8_t kRowDone = 0;
constexpr uint8_t kRowSpan = 1;
constexpr uint8_t kRowCyclePlus = 2;
constexpr uint8_t kRowCycleMinus = 3;
constexpr uint8_t kRowZAxisCal = 4;
constexpr uint8_t kRowResetCode = 5;

// The span moves by 1 whatever the step, wrapping within 2..12 g.
uint8_t span_up(uint8_t span) {
    return span >= 12 ? 2 : static_cast<uint8_t>(span + 1);
}
uint8_t span_down(uint8_t span) {
    return span <= 2 ? 12 : static_cast<uint8_t>(span - 1);
}

// The thresholds wrap rather than stop: the positive one within 1..120, the negative one within
// -120..0. The new value is worked out in int before the test, so a step of 10 near the limit
// cannot wrap around the 8-bit range first.
int8_t plus_up(int8_t t, int step) {
    const int n = t + step;
    return static_cast<int8_t>(n >= 120 ? 1 : n);
}
int8_t plus_down(int8_t t, int step) {
    const int n = t - step;
    return static_cast<int8_t>(n <= 1 ? 120 : n);
}
int8_t minus_up(int8_t t, int step) {
    const int n = t - step;
    return static_cast<int8_t>(n <= -120 ? -1 : n);
}
int8_t minus_down(int8_t t, int step) {
    const int n = t + step;
    return static_cast<int8_t>(n >= 1 ? -120 : n);
}

void change_value(uint8_t row, bool up) {
    const int step = state.adjustStep;
    switch (row) {
        case kRowSpan:
            state.gSpan = up ? span_up(state.gSpan) : span_down(state.gSpan);
            break;
        case kRowCyclePlus:
            state.cyclePlusThreshold = up ? plus_up(state.cyclePlusThreshold, step)
                                          : plus_down(state.cyclePlusThreshold, step);
            break;
        case kRowCycleMinus:
            // "Up" makes the negative threshold larger in magnitude.
            state.cycleMinusThreshold = up ? minus_up(state.cycleMinusThreshold, step)
                                           : minus_down(state.cycleMinusThreshold, step);
            break;
        default:
            break;
    }
}

void select_row(uint8_t row) {
    switch (row) {
        case kRowDone:
            state.menuCursor = 2;  // the main menu shows G-FORCE SETUP again
            state.editMode = 0;
            state.currentScreen = screen_main_menu;
            break;
        case kRowSpan:
        case kRowCyclePlus:
        case kRowCycleMinus:
            state.editMode = state.editMode == 0 ? 1 : 0;
            break;
        case kRowZAxisCal:
            state.returnScreen = screen_gforce_setup;
            state.currentScreen = screen_zaxis_cal;
            state.editMode = 0;
            break;
        case kRowResetCode:
            state.menuCursor = 0;
            state.currentScreen = screen_enter_current_code;
            break;
        default:
            break;
    }
    // The code screens start from a clean entry.
    state.pendingCode = 0;
    for (uint8_t& digit : state.codeDigits) digit = 0;
}

}  // namespace

void screen_gforce_setup() {
    const uint8_t row = state.menuCursor;
    char value[kTextBuffer];

    ui_title(tr(kTitle));
    draw_done_row(row == kRowDone);
    std::snprintf(value, sizeof value, "%dg", state.gSpan);
    ui_setting_row_const(0, 1, tr(kSpanLabel), value);
    format_g(value, "%+.1fg", state.cyclePlusThreshold);
    ui_setting_row_const(0, 2, tr(kCyclePlusLabel), value);
    format_g(value, "%+.1fg", state.cycleMinusThreshold);
    ui_setting_row_const(0, 3, tr(kCycleMinusLabel), value);
    ui_row_text_const(0, 40, tr(kZAxisCal), inverse_if(row == kRowZAxisCal));
    lcd_text8_const(0, 48, tr(kResetCode), 0, inverse_if(row == kRowResetCode));

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_SELECT:
            select_row(row);
            break;
        case KEY_CW:
        case KEY_CCW:
        case KEY_F1:
        case KEY_F2:
            if (state.editMode != 0) {
                // Values: CW and F1 raise, CCW and F2 lower; the highlight stays.
                change_value(row, key == KEY_CW || key == KEY_F1);
            } else {
                move_list_cursor(key, kRowResetCode);
            }
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
