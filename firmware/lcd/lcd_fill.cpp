#include "firmware/firmware.h"

// One vertical line per column, left to right; x0 > x1 draws nothing, y0 > y1 is fine. The
// column counter is wider than 8 bits so that x1 = 255 ends the loop (columns past 127 are
// dropped by lcd_pixel) instead of wrapping for ever.
void lcd_fill(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on) {
    for (int x = x0; x <= x1; ++x) lcd_line(x, y0, x, y1, on);
}
