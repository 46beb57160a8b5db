#include "firmware/firmware.h"
#include "firmware/lcd/lcd_i.h"

// A text row never reaches into the title row (rows 0..7): such a row is not drawn at all.
void ui_row_text(uint8_t x, uint8_t y, const char* text, uint8_t inverse) {
    if (y > 7) lcd_text8(x, y, text, 0, inverse);
}

void ui_row_text_const(uint8_t x, uint8_t y, const char* text, uint8_t inverse) {
    static char staged[kStageSize];
    ui_row_text(x, y, lcd_stage(staged, text), inverse);
}
