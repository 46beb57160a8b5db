#include <cstring>

#include "firmware/firmware.h"
#include "firmware/lcd/lcd_i.h"

// The title is centred on column 64 in the top text row, with a rule on row 4 from each screen
// edge to 2 columns inside the first and last cells. Every title begins and ends with a blank,
// so the rules stop short of the letters; the 16-character titles leave rules of 3 and 2 columns.
void ui_title(const char* text) {
    static char staged[kStageSize];
    const int n = static_cast<int>(std::strlen(lcd_stage(staged, text)));
    lcd_text8(static_cast<uint8_t>(64 - 4 * n), 0, staged, 0, 0);
    lcd_line(0, 4, 66 - 4 * n, 4, 1);
    lcd_line(62 + 4 * n, 4, 127, 4, 1);
}
