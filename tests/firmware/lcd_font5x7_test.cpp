// The 5x7 table against its art and the glyphs the instrument is known for.
#include <fstream>
#include <map>
#include <sstream>
#include <vector>

#include "tests/firmware/lcd_test_support.h"

namespace {

// The art beside the firmware sources: tests/golden/../../firmware/lcd/art.
const std::string kArt = std::string(QV7_GOLDEN_DIR) + "/../../firmware/lcd/art/font5x7.txt";

std::map<int, std::vector<std::string>> read_art_blocks(const std::string& path) {
    std::map<int, std::vector<std::string>> blocks;
    std::ifstream in(path);
    int label = -1;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("@", 0) == 0) {
            std::istringstream(line.substr(1)) >> label;
            blocks[label];
        } else if (label >= 0 && !line.empty() && (line[0] == '#' || line[0] == '.')) {
            blocks[label].push_back(line);
        }
    }
    return blocks;
}

class Font5x7 : public lcdtest::LcdTest {};

TEST_F(Font5x7, KnownGlyphsAreByteExact) {
    struct Case {
        char c;
        uint8_t bytes[5];
    };
    const Case cases[] = {
        {' ', {0x00, 0x00, 0x00, 0x00, 0x00}},
        {'0', {0x3E, 0x45, 0x49, 0x51, 0x3E}},
        {'A', {0x3F, 0x48, 0x48, 0x48, 0x3F}},
        {'+', {0x08, 0x08, 0x3E, 0x08, 0x08}},
    };
    for (const Case& k : cases)
        for (int col = 0; col < 5; ++col)
            EXPECT_EQ(font5x7[(k.c - 32) * 5 + col], k.bytes[col]) << k.c << " column " << col;
}

TEST_F(Font5x7, TopRowOfEveryCellIsBlank) {
    for (int i = 0; i < 495; ++i) EXPECT_EQ(font5x7[i] & 0x80, 0) << "code " << 32 + i / 5;
}

// Every glyph drawn by lcd_text5 looks exactly like its art: table, bit order and routine agree.
TEST_F(Font5x7, EveryGlyphDrawsAsItsArt) {
    const auto blocks = read_art_blocks(kArt);
    ASSERT_EQ(blocks.size(), 99u) << kArt;
    for (const auto& [code, rows] : blocks) {
        ASSERT_EQ(rows.size(), 7u) << "code " << code;
        lcd_clear();
        const char text[2] = {static_cast<char>(code), '\0'};
        lcd_text5(10, 20, text, 100);
        std::string expected;
        for (const std::string& row : rows) expected += row + ".\n";  // the blank sixth column
        EXPECT_EQ(frame_region_art(fb(), 10, 20, 6, 7), expected) << "code " << code;
        EXPECT_EQ(lit_now().size(),
                  static_cast<size_t>(std::count(expected.begin(), expected.end(), '#')));
    }
}

TEST_F(Font5x7, SymbolsPastTheLetters) {
    // The omega is drawn twice (125 and 127); the arrows are mirror images of each other.
    for (int col = 0; col < 5; ++col) {
        EXPECT_EQ(font5x7[(125 - 32) * 5 + col], font5x7[(127 - 32) * 5 + col]);
        uint8_t mirrored = 0;
        for (int r = 0; r < 7; ++r)
            if ((font5x7[(128 - 32) * 5 + col] >> (6 - r)) & 1) mirrored |= 1 << r;
        EXPECT_EQ(font5x7[(129 - 32) * 5 + col], mirrored);
    }
    // The degree ring keeps to the top four rows.
    for (int col = 0; col < 5; ++col) EXPECT_EQ(font5x7[(124 - 32) * 5 + col] & 0x07, 0);
}

}  // namespace
