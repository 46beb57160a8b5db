// Z-AXIS CAL: instructions and the live G value while the keys trim zeroY, the zero of the Y
// channel (the name is the instrument's own).
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" Z-AXIS CAL ", " CAL AXE Z "};
constexpr Text kLines[5] = {
    {"SET 1g USING", "ENT 1g AVEC"},    {"{ } OR ~.", "{ } OU ~."},
    {"INSTRUMENT IN", "INSTRUMENT EN"}, {"NORMAL", "ORIENTATION"},
    {"ORIENTATION.", "NORMALE."},
};
constexpr uint8_t kLineY[5] = {8, 16, 24, 32, 40};

// The trim has no limit; at the ends of the int32 range it wraps instead of overflowing.
int32_t trimmed(int32_t zero, int32_t delta) {
    return static_cast<int32_t>(static_cast<uint32_t>(zero) + static_cast<uint32_t>(delta));
}

}  // namespace

void screen_zaxis_cal() {
    char text[kTextBuffer];

    ui_title(tr(kTitle));
    for (int i = 0; i < 5; ++i) lcd_text8_centered_const(64, kLineY[i], tr(kLines[i]), 0, 0);
    // Double height from y 50: the rows below 63 are clipped by the display.
    format_g(text, "GF: %+.1f", state.currentG);
    lcd_text8_centered(64, 50, text, 1, 0);

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_SELECT:
            // menuCursor is untouched: G-FORCE SETUP comes back with Z-AXIS CAL highlighted.
            go_to_return_screen();
            settings_changed_hook();
            break;
        case KEY_CW:
        case KEY_F1:
            state.zeroY = trimmed(state.zeroY, 1);
            break;
        case KEY_CCW:
        case KEY_F2:
            state.zeroY = trimmed(state.zeroY, -1);
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
