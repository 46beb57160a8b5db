#include <cstring>

#include "firmware/firmware.h"

// Copies one 32 x 32 icon of iconSheet into the frame, whole page bytes at a time, so the icon is
// opaque: its off pixels clear what was drawn beneath. The destination is chosen per icon so each
// sits beside the text of the screens that show it.
void lcd_icon(uint8_t index) {
    if (index > 7) return;  // no such icon: nothing is drawn
    const int sourcePage = 4 * (index / 4);
    const int sourceColumn = 32 * (index % 4);
    const int page = index == 0 ? 1 : 2;
    const int column = index == 0 || index == 5 ? 8 : 10;
    for (int p = 0; p < 4; ++p)
        std::memcpy(&state.frameBuffer[(page + p) * 128 + column],
                    &iconSheet[(sourcePage + p) * 128 + sourceColumn], 32);
}
