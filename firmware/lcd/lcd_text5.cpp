#include <cstring>

#include "firmware/firmware.h"

// A 6 x 8 cell per character: the glyph's 5 columns and a blank sixth, rows y - 1 .. y + 6 (the
// font's bit 7, the cell's top row, is always clear). Inverse video only turns on the cell's clear
// bits and never clears the glyph's own pixels, so a glyph drawn inverse over lit pixels vanishes
// into the block; that is how the instrument looks and it is kept.
void lcd_text5(uint8_t x, uint8_t y, const char* text, uint8_t invertFrom) {
    if (text == nullptr) return;
    bool inverse = false;
    for (unsigned i = 0; text[i] != '\0'; ++i) {
        if (i == invertFrom) inverse = true;
        const uint8_t c = static_cast<uint8_t>(text[i]);
        // A code outside 32..130 draws as a blank cell: no read outside the table.
        const uint8_t* glyph = c >= 32 && c <= 130 ? &font5x7[(c - 32) * 5] : nullptr;
        for (uint8_t col = 0; col < 6; ++col) {
            const uint8_t bits = glyph != nullptr && col < 5 ? glyph[col] : 0;
            for (uint8_t r = 0; r < 8; ++r) {
                const bool set = (bits >> (7 - r)) & 1;
                if (set != inverse)
                    lcd_pixel(static_cast<uint8_t>(x + col), static_cast<uint8_t>(y + r - 1), 1);
            }
        }
        x = static_cast<uint8_t>(x + 6);
    }
}

void lcd_text5_centered(uint8_t cx, uint8_t y, const char* text, uint8_t invertFrom) {
    if (text == nullptr) return;
    lcd_text5(static_cast<uint8_t>(cx - 3 * std::strlen(text)), y, text, invertFrom);
}
