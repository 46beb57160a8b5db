#include <cstring>

#include "firmware/firmware.h"
#include "firmware/lcd/lcd_i.h"

// One setting on text row `row` under the title: label, then value right after it (x extra
// columns between them). The highlighted row follows menuCursor but stays on row 6 once the
// cursor passes it. Browsing (editMode 0) shows the whole row inverse; editing only the value.
void ui_setting_row(uint8_t x, uint8_t row, const char* label, const char* value) {
    if (label == nullptr) label = "";
    const uint8_t scroll = state.menuCursor >= 7 ? static_cast<uint8_t>(state.menuCursor - 6) : 0;
    const bool highlighted = row == state.menuCursor - scroll;
    const uint8_t y = static_cast<uint8_t>(8 * row + 8);
    ui_row_text(0, y, label, highlighted && state.editMode == 0);
    ui_row_text(static_cast<uint8_t>(x + 8 * std::strlen(label)), y, value, highlighted);
}

void ui_setting_row_const(uint8_t x, uint8_t row, const char* label, const char* value) {
    static char stagedLabel[kStageSize];
    ui_setting_row(x, row, lcd_stage(stagedLabel, label), value);
}

void ui_setting_row_const_both(uint8_t x, uint8_t row, const char* label, const char* value) {
    static char stagedLabel[kStageSize];
    static char stagedValue[kStageSize];
    ui_setting_row(x, row, lcd_stage(stagedLabel, label), lcd_stage(stagedValue, value));
}
