#include "firmware/firmware.h"
#include "firmware/lcd/lcd_i.h"

// Texts from the constant table go through a staging buffer of each routine's own.

void lcd_text5_const(uint8_t x, uint8_t y, const char* text, uint8_t invertFrom) {
    static char staged[kStageSize];
    lcd_text5(x, y, lcd_stage(staged, text), invertFrom);
}

void lcd_text5_centered_const(uint8_t cx, uint8_t y, const char* text, uint8_t invertFrom) {
    static char staged[kStageSize];
    lcd_text5_centered(cx, y, lcd_stage(staged, text), invertFrom);
}

void lcd_text8_const(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse) {
    static char staged[kStageSize];
    lcd_text8(x, y, lcd_stage(staged, text), tall, inverse);
}

void lcd_text8_centered_const(uint8_t cx, uint8_t y, const char* text, uint8_t tall,
                              uint8_t inverse) {
    static char staged[kStageSize];
    lcd_text8_centered(cx, y, lcd_stage(staged, text), tall, inverse);
}
