#include "firmware/firmware.h"

namespace {

// The bar of '-' and the crossbar of '+': 12 x 4 at rows 13..16 of the 32-row cell. Coordinates
// go to lcd_line unreduced, so a glyph that crosses column 255 wraps exactly as digits do.
void bar(int x, int y) {
    for (int i = 0; i < 4; ++i) lcd_line(x, y + 13 + i, x + 11, y + 13 + i, 1);
}

void digit(uint8_t x, uint8_t y, uint8_t c) {
    const uint8_t* slot = &fontBigDigits[(c - 45) * 88];
    for (uint8_t p = 0; p < 4; ++p)
        for (uint8_t col = 0; col < 22; ++col)
            for (uint8_t b = 0; b < 8; ++b)
                if (slot[p * 22 + col] & pageBitMask[b])
                    lcd_pixel(static_cast<uint8_t>(x + col), static_cast<uint8_t>(y + 8 * p + b),
                              1);
}

}  // namespace

// The live G value: 22-column digits from fontBigDigits, and signs, point and space drawn with
// lines on narrower advances (14 for the signs, 12 for the point) so "+1.5" stays compact.
void lcd_big_text(uint8_t x, uint8_t y, const char* text) {
    if (text == nullptr) return;
    for (const char* p = text; *p != '\0'; ++p) {
        const uint8_t c = static_cast<uint8_t>(*p);
        uint8_t advance = 22;
        if (c == '-') {
            bar(x, y);
            advance = 14;
        } else if (c == '+') {
            for (int i = 0; i < 4; ++i) lcd_line(x + 4 + i, y + 9, x + 4 + i, y + 20, 1);
            bar(x, y);
            advance = 14;
        } else if (c == '.') {
            // A 5 x 4 dot with its corners cut, bottom on the digits' last row (29).
            lcd_line(x + 2, y + 27, x + 2, y + 28, 1);
            for (int i = 3; i <= 5; ++i) lcd_line(x + i, y + 26, x + i, y + 29, 1);
            lcd_line(x + 6, y + 27, x + 6, y + 28, 1);
            advance = 12;
        } else if (c >= '/' && c <= '9') {
            digit(x, y, c);
        }
        // Space, and any code outside the repertoire, only advance by a digit's width.
        x = static_cast<uint8_t>(x + advance);
    }
}
