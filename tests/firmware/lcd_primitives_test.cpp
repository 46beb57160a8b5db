// Pixels, lines, rectangles and fills, pixel for pixel.
#include <climits>
#include <functional>

#include "tests/firmware/lcd_test_support.h"

namespace {

using lcdtest::Pixel;
using PixelSet = std::set<Pixel>;

class Primitives : public lcdtest::LcdTest {};

TEST_F(Primitives, PixelAddressesPageBitsAndClipsAtTheEdges) {
    lcd_pixel(127, 63, 1);
    EXPECT_EQ(fb()[1023], 0x80);
    lcd_pixel(128, 0, 1);
    lcd_pixel(0, 64, 1);
    lcd_pixel(255, 255, 1);
    EXPECT_EQ(lit_now(), (PixelSet{{127, 63}}));

    all_on();
    lcd_pixel(5, 9, 0);
    for (int i = 0; i < 1024; ++i) EXPECT_EQ(fb()[i], i == 133 ? 0xFD : 0xFF) << "byte " << i;
}

TEST_F(Primitives, ClearTurnsEveryPixelOff) {
    all_on();
    lcd_clear();
    EXPECT_TRUE(lit_now().empty());
}

struct LineCase {
    int32_t x0, y0, x1, y1;
    PixelSet pixels;
};

// The single error term and the strict e > 0 make the two directions of one line differ.
const LineCase kLines[] = {
    {3, 7, 3, 7, {{3, 7}}},
    {0, 0, 4, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
    {4, 2, 0, 0, {{4, 2}, {3, 2}, {2, 1}, {1, 1}, {0, 0}}},
    {0, 0, 2, 4, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
    {2, 4, 0, 0, {{2, 4}, {2, 3}, {1, 2}, {1, 1}, {0, 0}}},
    {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
    {3, 3, 0, 0, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
    {10, 5, 14, 5, {{10, 5}, {11, 5}, {12, 5}, {13, 5}, {14, 5}}},
    {10, 5, 10, 1, {{10, 5}, {10, 4}, {10, 3}, {10, 2}, {10, 1}}},
    {20, 10, 26, 8, {{20, 10}, {21, 10}, {22, 9}, {23, 9}, {24, 9}, {25, 8}, {26, 8}}},
    {26, 8, 20, 10, {{26, 8}, {25, 8}, {24, 9}, {23, 9}, {22, 9}, {21, 10}, {20, 10}}},
    // Off-screen points are dropped one by one: negative coordinates wrap past the edges.
    {0, -2, 0, 2, {{0, 0}, {0, 1}, {0, 2}}},
    {-3, 5, 2, 5, {{0, 5}, {1, 5}, {2, 5}}},
    {125, 10, 131, 10, {{125, 10}, {126, 10}, {127, 10}}},
    {3, 60, 3, 70, {{3, 60}, {3, 61}, {3, 62}, {3, 63}}},
    // Only the plotted point is cut to 8 bits, so x 256.. lands on column 0.. and y -200 on 56.
    {254, 3, 258, 3, {{0, 3}, {1, 3}, {2, 3}}},
    {7, -200, 7, -200, {{7, 56}}},
};

TEST_F(Primitives, LineLightsExactlyItsBresenhamPixels) {
    for (const LineCase& c : kLines) {
        lcd_clear();
        lcd_line(c.x0, c.y0, c.x1, c.y1, 1);
        EXPECT_EQ(lit_now(), c.pixels)
            << "lcd_line(" << c.x0 << ", " << c.y0 << ", " << c.x1 << ", " << c.y1 << ")";
    }
}

TEST_F(Primitives, ExtremeLineArgumentsAreSafe) {
    // A line from INT32_MIN to INT32_MIN + 300: no overflow; it wraps across the screen like any
    // other, so its pixels on row 0 are the 8-bit images of its x values.
    lcd_line(INT32_MIN, 0, INT32_MIN + 300, 0, 1);
    EXPECT_TRUE(px(0, 0));
    EXPECT_TRUE(px(127, 0));
    lcd_clear();
    lcd_line(INT32_MAX, INT32_MAX, INT32_MAX - 2, INT32_MAX - 2, 1);  // all off screen
    EXPECT_TRUE(lit_now().empty());
}

TEST_F(Primitives, FillIsOneColumnLinePerColumn) {
    lcd_fill(10, 20, 9, 30, 1);
    EXPECT_TRUE(lit_now().empty());

    lcd_fill(10, 30, 12, 20, 1);
    PixelSet block;
    for (int x = 10; x <= 12; ++x)
        for (int y = 20; y <= 30; ++y) block.insert({x, y});
    EXPECT_EQ(lit_now(), block);

    // The right edge at 255 ends (columns past 127 are dropped), it does not wrap for ever.
    lcd_clear();
    lcd_fill(126, 0, 255, 1, 1);
    EXPECT_EQ(lit_now(), (PixelSet{{126, 0}, {127, 0}, {126, 1}, {127, 1}}));
}

TEST_F(Primitives, RectIsAnOutlineThatLeavesItsInside) {
    all_on();
    lcd_fill(2, 16, 125, 24, 0);  // mark the inside as off
    lcd_rect(1, 15, 126, 25, 1);
    for (int y = 16; y <= 24; ++y)
        for (int x = 2; x <= 125; ++x) ASSERT_FALSE(px(x, y)) << x << "," << y;

    lcd_clear();
    lcd_rect(1, 15, 126, 25, 1);
    EXPECT_TRUE(frame_matches_golden(fb(), "lcd_rect_1_15_126_25"));
    EXPECT_EQ(lit_now().size(), 2u * 126 + 2u * 9);  // 126 x 11 outline
}

// on = 0 clears exactly what on = 1 sets, for every primitive.
TEST_F(Primitives, OffClearsExactlyWhatOnSets) {
    const std::function<void(uint8_t)> draws[] = {
        [](uint8_t on) { lcd_pixel(40, 30, on); },
        [](uint8_t on) { lcd_line(-5, 70, 140, -9, on); },
        [](uint8_t on) { lcd_line(100, 2, 90, 60, on); },
        [](uint8_t on) { lcd_rect(120, 50, 5, 3, on); },
        [](uint8_t on) { lcd_fill(60, 63, 70, 40, on); },
    };
    for (const auto& draw : draws) {
        lcd_clear();
        draw(1);
        const auto set = lit_now();
        ASSERT_FALSE(set.empty());
        all_on();
        draw(0);
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x)
                ASSERT_EQ(px(x, y), set.count({x, y}) == 0) << x << "," << y;
    }
}

}  // namespace
