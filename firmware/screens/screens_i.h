// Shared by the screen procedures only: text pairs, number formatting and the hand-over helpers.
#pragma once

#include <cstdint>
#include <cstdio>

#include "firmware/firmware.h"

namespace screens {

// Something a screen shows in both languages, English first: a text, or a layout where the two
// languages break their lines differently.
template <typename T>
struct Pair {
    T en;
    T fr;
};
using Text = Pair<const char*>;

// The version that the language in force selects, read at the moment of drawing so a change of
// language shows from the next frame. Only 0 is English; the language row flips any other value
// back to 0, so it is French here too.
template <typename T>
const T& tr(const Pair<T>& pair) {
    return state.language == 0 ? pair.en : pair.fr;
}

// Formatted texts are written into a local buffer of this size: 31 characters and the terminator.
constexpr int kTextBuffer = 32;

// G values are tenths of g: scaled by 0.1 in extended precision, passed to the format as a
// double, as the instrument has always printed them.
inline void format_g(char (&out)[kTextBuffer], const char* format, int32_t tenths) {
    const long double g = static_cast<long double>(tenths) * 0.1L;
    std::snprintf(out, sizeof out, format, static_cast<double>(g));
}

// Counters and ADC samples are shown as unsigned decimal numbers.
inline void format_unsigned(char (&out)[kTextBuffer], const char* format, int32_t value) {
    std::snprintf(out, sizeof out, format, static_cast<unsigned>(value));
}

// 1 when the condition holds: the inverse flag of the drawing routines.
inline uint8_t inverse_if(bool condition) {
    return condition ? 1 : 0;
}

// The list keys: KEY_CW and KEY_F2 move menuCursor to the next row, KEY_CCW and KEY_F1 to the
// previous one. The highlight stops at row 0 and at lastRow; lists never wrap. Other keys leave
// the cursor where it is.
inline void move_list_cursor(uint8_t key, uint8_t lastRow) {
    if (key == KEY_CW || key == KEY_F2) {
        if (state.menuCursor < lastRow) ++state.menuCursor;
    } else if (key == KEY_CCW || key == KEY_F1) {
        if (state.menuCursor > 0) --state.menuCursor;
    }
}

// Leaves a message screen or the Z-axis trim for the screen that entered it. Every way into
// those screens sets returnScreen first; a record that never had one (all zero at program start)
// goes to the main display rather than storing an empty screen.
inline void go_to_return_screen() {
    state.currentScreen = state.returnScreen != nullptr ? state.returnScreen : screen_main;
}

// The DONE row under the title of the setup and service lists, inverse while it is highlighted.
inline void draw_done_row(bool highlighted) {
    constexpr Text kDone{"*** DONE ***", "*** FINI ***"};
    lcd_text8_centered_const(64, 8, tr(kDone), 0, inverse_if(highlighted));
}

}  // namespace screens
