// LCD graphics: framebuffer primitives, the three fonts and the screen widgets.
#pragma once

#include <cstdint>

// Constant tables; each table's bit order is documented where it is defined.
extern const uint8_t pageBitMask[8];
extern const uint8_t font5x7[495];
extern const uint8_t font8x8[856];
extern const uint8_t fontBigDigits[1144];
extern const uint8_t iconSheet[1024];

// Primitives.
void lcd_clear();
void lcd_pixel(uint8_t x, uint8_t y, uint8_t on);
void lcd_line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t on);
void lcd_rect(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on);
void lcd_fill(uint8_t x0, uint8_t y0, uint8_t x1, uint8_t y1, uint8_t on);

// Text. The _const forms stage the text in a 32-byte buffer (at most 31 characters) first.
void lcd_text5(uint8_t x, uint8_t y, const char* text, uint8_t invertFrom);
void lcd_text5_centered(uint8_t cx, uint8_t y, const char* text, uint8_t invertFrom);
void lcd_text8(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
void lcd_text8_centered(uint8_t cx, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
void lcd_big_text(uint8_t x, uint8_t y, const char* text);
void lcd_text5_const(uint8_t x, uint8_t y, const char* text, uint8_t invertFrom);
void lcd_text5_centered_const(uint8_t cx, uint8_t y, const char* text, uint8_t invertFrom);
void lcd_text8_const(uint8_t x, uint8_t y, const char* text, uint8_t tall, uint8_t inverse);
void lcd_text8_centered_const(uint8_t cx, uint8_t y, const char* text, uint8_t tall,
                              uint8_t inverse);

// Widgets.
void ui_title(const char* text);
void ui_scroll_indicator(uint8_t position, uint8_t count);
void lcd_icon(uint8_t index);
void ui_row_text(uint8_t x, uint8_t y, const char* text, uint8_t inverse);
void ui_row_text_const(uint8_t x, uint8_t y, const char* text, uint8_t inverse);
void ui_setting_row(uint8_t x, uint8_t row, const char* label, const char* value);
void ui_setting_row_const(uint8_t x, uint8_t row, const char* label, const char* value);
void ui_setting_row_const_both(uint8_t x, uint8_t row, const char* label, const char* value);
void ui_g_bar(int32_t a, int32_t b);
