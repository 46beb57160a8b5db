#include <cstring>

#include "firmware/firmware.h"

// 8 x 8 cells, no spacing column; tall = 1 doubles every glyph row. Inverse video writes every
// pixel of the cell (set bits off, clear bits on), so it overwrites whatever lay beneath.
void lcd_text8(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
    if (text == nullptr) return;
    static constexpr uint8_t kBlank[8] = {};
    for (const char* p = text; *p != '\0'; ++p) {
        const uint8_t g = static_cast<uint8_t>(static_cast<uint8_t>(*p) - 32);
        // A code outside 32..138 draws as a blank cell: no read outside the table.
        const uint8_t* glyph = g <= 138 - 32 ? &font8x8[g * 8] : kBlank;
        for (uint8_t col = 0; col < 8; ++col) {
            const uint8_t px = static_cast<uint8_t>(x + col);
            for (uint8_t b = 0; b < 8; ++b) {
                const bool set = (glyph[col] & pageBitMask[b]) != 0;
                if (inverse != 1 && !set) continue;  // normal video leaves clear bits alone
                const uint8_t on = inverse == 1 ? !set : 1;
                if (tall == 1) {
                    lcd_pixel(px, static_cast<uint8_t>(y + 2 * b), on);
                    lcd_pixel(px, static_cast<uint8_t>(y + 2 * b + 1), on);
                } else {
                    lcd_pixel(px, static_cast<uint8_t>(y + b), on);
                }
            }
        }
        x = static_cast<uint8_t>(x + 8);
    }
}

void lcd_text8_centered(uint8_t cx, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
    if (text == nullptr) return;
    lcd_text8(static_cast<uint8_t>(cx - 4 * std::strlen(text)), y, text, tall, inverse);
}
