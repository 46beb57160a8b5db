#include "firmware/firmware.h"

// Bresenham with one error term that does not depend on the drawing direction, and a diagonal
// step only when the term is strictly positive: a line drawn from A to B may light other pixels
// than the same line from B to A, and screens rely on the exact pixels.
//
// The arithmetic is that of signed 32-bit coordinates; it is carried in 64 bits only so that
// extreme arguments (near INT32_MIN/MAX) cannot overflow. Each point is cut to its low 8 bits,
// which is what makes negative coordinates fall off the screen in lcd_pixel.
void lcd_line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t on) {
    const int64_t dx = x1 > x0 ? int64_t{x1} - x0 : int64_t{x0} - x1;
    const int64_t dy = y1 > y0 ? int64_t{y1} - y0 : int64_t{y0} - y1;
    const int64_t sx = x0 > x1 ? -1 : 1;
    const int64_t sy = y0 > y1 ? -1 : 1;
    int64_t x = x0;
    int64_t y = y0;
    auto plot = [&] {
        lcd_pixel(static_cast<uint8_t>(x & 0xFF), static_cast<uint8_t>(y & 0xFF), on);
    };
    if (dx >= dy) {
        int64_t e = 2 * dy - dx;
        for (int64_t n = 0; n <= dx; ++n) {
            plot();
            if (e > 0) {
                x += sx;
                y += sy;
                e += 2 * dy - 2 * dx;
            } else {
                x += sx;
                e += 2 * dy;
            }
        }
    } else {
        int64_t e = 2 * dx - dy;
        for (int64_t n = 0; n <= dy; ++n) {
            plot();
            if (e > 0) {
                x += sx;
                y += sy;
                e += 2 * dx - 2 * dy;
            } else {
                y += sy;
                e += 2 * dx;
            }
        }
    }
}
