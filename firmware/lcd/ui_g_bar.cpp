#include <cstdint>

#include "firmware/firmware.h"

namespace {

// The row of a magnitude v (tenths of g) on a scale of `span` g over 64 rows: 0 beyond full
// scale, else 64 - v / scale in double precision, truncated, cut to 8 bits and kept at most 63.
// Negative magnitudes count as 0, and 0 is the bottom row whatever the span (with a span of 0
// every positive magnitude is beyond full scale), so the quotient is always finite and its
// conversion to an integer in range.
uint8_t bar_row(int32_t v, int span, float scale) {
    if (v < 0) v = 0;
    if (v > span * 10) return 0;
    if (v == 0) return 63;
    const double row = 64.0 - static_cast<double>(v) / static_cast<double>(scale);
    const uint8_t r = static_cast<uint8_t>(static_cast<int64_t>(row) & 0xFF);
    return r > 63 ? 63 : r;
}

}  // namespace

// The bar graph strip of the main display, columns 0..31: bar, peak line with a right-pointing
// arrowhead, and a scale with a tick per whole g. Scale and tick step are 32-bit floats on
// purpose: the float rounding of the accumulated step decides the tick rows (for a span of 12
// the ninth tick falls on row 47 and the last on 63), and the screens show exactly those rows.
void ui_g_bar(int32_t a, int32_t b) {
    const int span = state.gSpan;
    const float scale = static_cast<float>(span * 10 * 0.015625);
    const uint8_t rowA = bar_row(a, span, scale);
    const uint8_t rowB = bar_row(b, span, scale);

    lcd_fill(3, rowA, 24, 63, 1);
    lcd_line(3, rowB, 26, rowB, 1);
    lcd_line(0, rowB - 2, 0, rowB + 2, 1);
    lcd_line(1, rowB - 1, 1, rowB + 1, 1);
    lcd_pixel(2, rowB, 1);

    lcd_line(28, 0, 28, 63, 1);
    lcd_line(28, 0, 31, 0, 1);
    lcd_line(28, 63, 31, 63, 1);
    if (span == 0) return;  // no whole-g ticks without a span
    const float step = 64.0f / static_cast<float>(span);
    float pos = step;
    for (int i = 0; i < span; ++i) {
        const uint8_t t = static_cast<uint8_t>(static_cast<int>(pos) & 0xFF);
        lcd_line(28, t, 31, t, 1);
        pos = pos + step;
    }
}
