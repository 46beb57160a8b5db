#include "firmware/firmware.h"

// A track on column 125 over rows 8..63 and a block 5 columns wide for the current entry. The
// entry height is kept in tenths of a row so that 3 or 5 entries share the 56 rows evenly.
void ui_scroll_indicator(uint8_t position, uint8_t count) {
    lcd_line(125, 8, 125, 63, 1);
    if (count == 0) return;  // no entries: the track alone, and no division by zero
    const int step = 560 / count;
    const int top = (position * step + 80) / 10;
    const int bottom = top + step / 10;
    lcd_fill(123, static_cast<uint8_t>(top), 127, static_cast<uint8_t>(bottom), 1);
}
