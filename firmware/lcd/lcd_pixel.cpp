#include "firmware/firmware.h"

// The framebuffer is page-organised: 8 pages of 128 column bytes. Page p holds rows 8p..8p+7,
// so pixel (x, y) is bit y % 8 of byte (y / 8) * 128 + x, bit 0 (lsb) the top row of the page.
// A set bit is a pixel that is on (dark). The 8x8 font, the large digits and the icon sheet use
// the same order, so their column bytes can be tested against this mask or copied as they are.
const uint8_t pageBitMask[8] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};

// The one routine that writes single pixels, and the only place that clips: everything else
// hands it coordinates cut to 8 bits, so anything left of or above the screen (a wrapped
// negative) lands on 128..255 or 64..255 and is dropped here.
void lcd_pixel(uint8_t x, uint8_t y, uint8_t on) {
    if (x >= 128 || y >= 64) return;
    uint8_t& column = state.frameBuffer[(y / 8) * 128 + x];
    if (on != 0)
        column |= pageBitMask[y % 8];
    else
        column &= static_cast<uint8_t>(~pageBitMask[y % 8]);
}
