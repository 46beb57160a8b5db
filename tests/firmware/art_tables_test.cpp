// The byte tables that artgen draws from the pixel art: the bytes the instrument is known for,
// and the cell rules that a slip in the art would break.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "firmware/firmware.h"

namespace {

std::vector<uint8_t> bytes(const uint8_t* from, int count) {
    return {from, from + count};
}

const uint8_t* glyph8(int code) {
    return &font8x8[(code - 32) * 8];
}

bool big_pixel(int code, int row, int col) {
    return (fontBigDigits[(code - 45) * 88 + (row / 8) * 22 + col] >> (row % 8)) & 1;
}

TEST(ArtTables, Font8x8TellingGlyphs) {
    const struct {
        int code;
        std::vector<uint8_t> columns;
    } cases[] = {
        {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        {'0', {0x3E, 0x7F, 0x41, 0x41, 0x41, 0x7F, 0x3E, 0x00}},
        {'A', {0x7C, 0x7E, 0x13, 0x11, 0x13, 0x7E, 0x7C, 0x00}},
        {'+', {0x00, 0x08, 0x08, 0x3E, 0x3E, 0x08, 0x08, 0x00}},
        {'{', {0x20, 0x30, 0x38, 0x3C, 0x38, 0x30, 0x20, 0x00}},  // F1 key, up triangle
        {'}', {0x04, 0x0C, 0x1C, 0x3C, 0x1C, 0x0C, 0x04, 0x00}},  // F2 key, down triangle
        {'~', {0x1C, 0x3E, 0x63, 0x63, 0x63, 0x2A, 0x0C, 0x0E}},  // knob, circular arrow
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("code ") + std::to_string(c.code));
        EXPECT_EQ(bytes(glyph8(c.code), 8), c.columns);
    }
}

// Text runs at an 8-pixel pitch with no spacing column and lines of text touch, so a glyph
// that spills into column 7 or (without a descender) into row 7 runs into its neighbours.
TEST(ArtTables, Font8x8GlyphsKeepTheirCell) {
    const std::string descenders = "gjpqyQ,;_";
    for (int code = 33; code <= 126; ++code) {
        SCOPED_TRACE(std::string("code ") + std::to_string(code) + " '" + char(code) + "'");
        const uint8_t* g = glyph8(code);
        uint8_t rows = 0;
        for (int col = 0; col < 8; ++col) rows |= g[col];
        EXPECT_NE(rows, 0) << "blank glyph";
        // The knob's arrowhead is the one symbol that reaches into column 7.
        if (code != '~') {
            EXPECT_EQ(g[7], 0) << "column 7 not blank";
        }
        const bool descends = (rows & 0x80) != 0;
        EXPECT_EQ(descends, descenders.find(char(code)) != std::string::npos)
            << "row 7 is for descenders only";
    }
    EXPECT_EQ(bytes(glyph8(124), 8), bytes(glyph8(138), 8)) << "both degree rings alike";
}

TEST(ArtTables, BigDigitsTellingRows) {
    EXPECT_EQ(
        bytes(&fontBigDigits[('0' - 45) * 88], 22),
        (std::vector<uint8_t>{0x00, 0x00, 0xE0, 0xF0, 0xFC, 0xFE, 0xFE, 0xFF, 0x3F, 0x1F, 0x1F,
                              0x1F, 0x3F, 0xFF, 0xFE, 0xFE, 0xFC, 0xF0, 0xE0, 0x00, 0x00, 0x00}));
    std::vector<uint8_t> footOfOne(22, 0x00);
    for (int col = 12; col <= 17; ++col) footOfOne[col] = 0x3F;
    EXPECT_EQ(bytes(&fontBigDigits[('1' - 45) * 88 + 3 * 22], 22), footOfOne);
}

// The readout places digits 22 columns apart after signs and a point drawn from lines that
// assume figures on rows 0..29; a digit outside its columns touches its neighbour.
TEST(ArtTables, BigDigitsStayInTheirColumnsAndRows) {
    for (int code = '0'; code <= '9'; ++code) {
        SCOPED_TRACE(std::string("digit ") + char(code));
        const int first = code == '4' ? 0 : 1;
        const int last = code == '4' || code == '5' ? 20 : 19;
        int top = 32, bottom = -1;
        for (int row = 0; row < 32; ++row)
            for (int col = 0; col < 22; ++col) {
                if (!big_pixel(code, row, col)) continue;
                EXPECT_TRUE(col >= first && col <= last)
                    << "pixel at row " << row << " col " << col;
                top = std::min(top, row);
                bottom = std::max(bottom, row);
            }
        EXPECT_EQ(top, 0);
        EXPECT_EQ(bottom, 29);
    }
}

TEST(ArtTables, IconSheetTellingRow) {
    EXPECT_EQ(
        bytes(iconSheet, 32),
        (std::vector<uint8_t>{0x00, 0x00, 0x00, 0xC0, 0xE0, 0xF0, 0x78, 0x38, 0x1C, 0x1E, 0x0E,
                              0x0E, 0x8E, 0xC7, 0xE7, 0x67, 0x67, 0xE7, 0xC7, 0x8E, 0x0E, 0x0E,
                              0x1E, 0x1C, 0x38, 0x78, 0xF0, 0xE0, 0xC0, 0x00, 0x00, 0x00}));
}

}  // namespace
