#include "firmware/firmware.h"

// An outline of four lines (left, top, right, bottom edge); the inside is left as it was.
void lcd_rect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on) {
    lcd_line(x0, y0, x0, y1, on);
    lcd_line(x0, y0, x1, y0, on);
    lcd_line(x1, y0, x1, y1, on);
    lcd_line(x0, y1, x1, y1, on);
}
