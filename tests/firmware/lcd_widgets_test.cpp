// Title, scroll indicator, icons, text and setting rows, and the G bar graph.
#include <climits>
#include <vector>

#include "tests/firmware/lcd_test_support.h"

namespace {

using lcdtest::Pixel;
using PixelSet = std::set<Pixel>;

class Widgets : public lcdtest::LcdTest {
protected:
    static void rule(int x0, int x1) {
        for (int x = x0; x <= x1; ++x) lcd_pixel(static_cast<uint8_t>(x), 4, 1);
    }
};

// --- title ----------------------------------------------------------------------------------

TEST_F(Widgets, TitleIsCentredBetweenTwoRules) {
    struct Case {
        const char* text;
        uint8_t cell;             // first text cell
        int leftEnd, rightStart;  // rules 0..leftEnd and rightStart..127 on row 4
    };
    const Case cases[] = {
        {" MAIN MENU ", 20, 22, 106},
        {" CONFIG FORCE-G ", 0, 2, 126},  // the longest title: rules of 3 and 2 columns
        {" DONE ", 40, 42, 86},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        lcd_clear();
        ui_title(c.text);
        EXPECT_EQ(art(), art_of([&] {
                      lcd_text8(c.cell, 0, c.text, 0, 0);  // normal video: no inverse cells
                      rule(0, c.leftEnd);
                      rule(c.rightStart, 127);
                  }));
    }
}

// --- scroll indicator -----------------------------------------------------------------------

TEST_F(Widgets, ScrollIndicatorBlockPerEntry) {
    struct Case {
        uint8_t position, count, top, bottom;
    };
    const Case cases[] = {
        {0, 5, 8, 19}, {1, 5, 19, 30}, {2, 5, 30, 41}, {3, 5, 41, 52}, {4, 5, 52, 63},
        {0, 3, 8, 26}, {1, 3, 26, 44}, {2, 3, 45, 63}, {0, 1, 8, 63},
    };
    for (const Case& c : cases) {
        lcd_clear();
        ui_scroll_indicator(c.position, c.count);
        EXPECT_EQ(art(), art_of([&] {
                      lcd_line(125, 8, 125, 63, 1);
                      lcd_fill(123, c.top, 127, c.bottom, 1);
                  }))
            << "entry " << int{c.position} << " of " << int{c.count};
    }
}

TEST_F(Widgets, ScrollIndicatorWithoutEntriesShowsTheTrackOnly) {
    const std::string track = art_of([] { lcd_line(125, 8, 125, 63, 1); });
    for (uint8_t position : {0, 3, 255}) {
        lcd_clear();
        ui_scroll_indicator(position, 0);
        EXPECT_EQ(art(), track) << "entry " << int{position} << " of 0";
    }
    // One past the last of five entries: the block falls below the screen.
    lcd_clear();
    ui_scroll_indicator(5, 5);
    EXPECT_EQ(art(), track);
}

// --- icons ----------------------------------------------------------------------------------

TEST_F(Widgets, IconIsCopiedOpaqueToItsPlace) {
    struct Case {
        uint8_t index;
        int x, y;  // top-left of the destination
    };
    const Case cases[] = {{0, 8, 8},   {1, 10, 16}, {2, 10, 16}, {3, 10, 16},
                          {4, 10, 16}, {5, 8, 16},  {6, 10, 16}, {7, 10, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(int{c.index});
        all_on();
        lcd_icon(c.index);
        const int sx = 32 * (c.index % 4), sy = 32 * (c.index / 4);
        int offInside = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x) {
                const bool inside = x >= c.x && x < c.x + 32 && y >= c.y && y < c.y + 32;
                const bool want =
                    inside ? lcdtest::lit(iconSheet, sx + x - c.x, sy + y - c.y) : true;
                ASSERT_EQ(px(x, y), want) << x << "," << y;
                offInside += inside && !want;
            }
        EXPECT_GT(offInside, 0) << "the icon's off pixels replace lit ones";
    }
}

TEST_F(Widgets, IconOutOfRangeDrawsNothing) {
    for (uint8_t index : {8, 9, 255}) {
        lcd_clear();
        lcd_icon(index);
        EXPECT_TRUE(lit_now().empty()) << int{index};
    }
}

// --- rows -----------------------------------------------------------------------------------

TEST_F(Widgets, RowTextNeverEntersTheTitleRow) {
    for (uint8_t y : {0, 3, 7}) {
        lcd_clear();
        ui_row_text(0, y, "ROW", 1);
        ui_row_text_const(0, y, "ROW", 1);
        EXPECT_TRUE(lit_now().empty()) << "y " << int{y};
    }
    for (uint8_t y : {8, 9, 56}) {
        lcd_clear();
        ui_row_text(4, y, "ROW", 1);
        EXPECT_EQ(art(), art_of([&] { lcd_text8(4, y, "ROW", 0, 1); })) << "y " << int{y};
        lcd_clear();
        ui_row_text_const(4, y, "ROW", 0);
        EXPECT_EQ(art(), art_of([&] { lcd_text8(4, y, "ROW", 0, 0); })) << "y " << int{y};
    }
}

TEST_F(Widgets, SettingRowHighlightFollowsCursorAndEditMode) {
    struct Case {
        uint8_t menuCursor, editMode, row;
        uint8_t labelInverse, valueInverse;
    };
    const Case cases[] = {
        {2, 0, 2, 1, 1},                   // browsing: the whole row
        {2, 1, 2, 0, 1},                   // editing: the value only
        {2, 7, 2, 0, 1},                   // any edit mode but 0
        {3, 0, 2, 0, 0},                   // another row
        {6, 0, 6, 1, 1}, {7, 0, 6, 1, 1},  // past row 6 the highlight stays on row 6
        {9, 0, 6, 1, 1}, {9, 1, 6, 0, 1}, {9, 0, 2, 0, 0},
        {9, 0, 9, 0, 0},  // the cursor's own number is no longer a row on the screen
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "cursor " << int{c.menuCursor} << " edit "
                                          << int{c.editMode} << " row " << int{c.row});
        state.menuCursor = c.menuCursor;
        state.editMode = c.editMode;
        const uint8_t y = static_cast<uint8_t>(8 * c.row + 8);
        lcd_clear();
        ui_setting_row(0, c.row, "SPAN ", "6G");
        EXPECT_EQ(art(), art_of([&] {
                      lcd_text8(0, y, "SPAN ", 0, c.labelInverse);
                      lcd_text8(40, y, "6G", 0, c.valueInverse);
                  }));
    }
}

TEST_F(Widgets, SettingRowValueFollowsTheLabelPlusX) {
    state.menuCursor = 1;
    ui_setting_row(3, 0, "ABC", "12");
    EXPECT_EQ(art(), art_of([] {
                  lcd_text8(0, 8, "ABC", 0, 0);
                  lcd_text8(27, 8, "12", 0, 0);
              }));
}

TEST_F(Widgets, SettingRowConstFormsStageTheirTexts) {
    state.menuCursor = 0;
    const std::string longLabel(35, 'L');  // staged to 31: the value lands at 248, i.e. -8
    const std::string longValue = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    ui_setting_row_const(0, 0, longLabel.c_str(), longValue.c_str());
    EXPECT_EQ(art(), art_of([&] {
                  ui_setting_row(0, 0, longLabel.substr(0, 31).c_str(), longValue.c_str());
              }));
    lcd_clear();
    ui_setting_row_const_both(0, 1, "X", longValue.c_str());
    EXPECT_EQ(art(), art_of([&] { ui_setting_row(0, 1, "X", longValue.substr(0, 31).c_str()); }));
    EXPECT_NE(art(), art_of([&] { ui_setting_row(0, 1, "X", longValue.c_str()); }));
}

// --- G bar graph ----------------------------------------------------------------------------

class GBar : public Widgets {
protected:
    void SetUp() override {
        Widgets::SetUp();
        state.gSpan = 6;
    }
    // Lit rows of one column.
    static std::vector<int> rows_of(int x) {
        std::vector<int> rows;
        for (int y = 0; y < 64; ++y)
            if (px(x, y)) rows.push_back(y);
        return rows;
    }
    static int first_row(int x) {
        const auto rows = rows_of(x);
        return rows.empty() ? -1 : rows.front();
    }
};

TEST_F(GBar, BarPeakArrowAndScaleAtSixG) {
    ui_g_bar(25, 40);
    EXPECT_TRUE(frame_matches_golden(fb(), "ui_g_bar_span6_25_40"));
    EXPECT_EQ(first_row(3), 21);  // peak line
    EXPECT_EQ(first_row(24), 21);
    EXPECT_EQ(rows_of(26), std::vector<int>{21});
    EXPECT_EQ(rows_of(27), std::vector<int>{});
    EXPECT_EQ(rows_of(10).size(), 1u + (63 - 37 + 1));  // peak line, then the bar from row 37
    EXPECT_EQ(rows_of(10)[1], 37);
    EXPECT_EQ(rows_of(0), (std::vector<int>{19, 20, 21, 22, 23}));
    EXPECT_EQ(rows_of(1), (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(rows_of(2), std::vector<int>{21});
    EXPECT_EQ(rows_of(31), (std::vector<int>{0, 10, 21, 32, 42, 53, 63}));
    EXPECT_EQ(rows_of(28).size(), 64u);
}

TEST_F(GBar, ZeroShowsTheBottomRow) {
    ui_g_bar(0, 0);
    EXPECT_EQ(rows_of(10), std::vector<int>{63});
    EXPECT_EQ(rows_of(25), std::vector<int>{63});
    EXPECT_EQ(rows_of(0), (std::vector<int>{61, 62, 63}));  // the arrowhead's lower rows drop
    EXPECT_EQ(rows_of(1), (std::vector<int>{62, 63}));
}

TEST_F(GBar, FullScaleAndBeyondLookAlike) {
    ui_g_bar(60, 60);
    const std::string full = art();
    EXPECT_EQ(rows_of(10).size(), 64u);
    EXPECT_EQ(rows_of(25), std::vector<int>{0});
    EXPECT_EQ(rows_of(0), (std::vector<int>{0, 1, 2}));
    lcd_clear();
    ui_g_bar(61, 75);
    EXPECT_EQ(art(), full);
    lcd_clear();
    ui_g_bar(INT32_MAX, INT32_MAX);
    EXPECT_EQ(art(), full);
}

TEST_F(GBar, RowOfAMagnitude) {
    struct Case {
        uint8_t span;
        int32_t value;
        int row;
    };
    const Case cases[] = {
        {6, 25, 37}, {6, 40, 21}, {6, 1, 62},  {6, 59, 1},  {6, 60, 0},   {6, 61, 0},
        {2, 19, 3},  {2, 20, 0},  {12, 1, 63}, {12, 2, 62}, {12, 119, 0}, {1, 5, 32},
    };
    for (const Case& c : cases) {
        lcd_clear();
        state.gSpan = c.span;
        ui_g_bar(c.value, c.value);
        EXPECT_EQ(first_row(10), c.row) << "span " << int{c.span} << " value " << c.value;
        EXPECT_EQ(rows_of(25), std::vector<int>{c.row}) << "span " << int{c.span};
    }
}

// The float accumulation of the tick step decides these rows; row 64 is off the screen.
TEST_F(GBar, WholeGTicksForEverySpan) {
    const std::vector<int> ticks[] = {
        {32},
        {21, 42},
        {16, 32, 48},
        {12, 25, 38, 51},
        {10, 21, 32, 42, 53},
        {9, 18, 27, 36, 45, 54},
        {8, 16, 24, 32, 40, 48, 56},
        {7, 14, 21, 28, 35, 42, 49, 56},
        {6, 12, 19, 25, 32, 38, 44, 51, 57},
        {5, 11, 17, 23, 29, 34, 40, 46, 52, 58},
        {5, 10, 16, 21, 26, 32, 37, 42, 47, 53, 58, 63},
    };
    for (uint8_t span = 2; span <= 12; ++span) {
        lcd_clear();
        state.gSpan = span;
        ui_g_bar(0, 0);
        std::vector<int> expected = {0};
        expected.insert(expected.end(), ticks[span - 2].begin(), ticks[span - 2].end());
        if (expected.back() != 63) expected.push_back(63);  // the bottom tick
        EXPECT_EQ(rows_of(31), expected) << "span " << int{span};
    }
}

TEST_F(GBar, ArgumentsOutsideTheLimitsAreSafe) {
    // Negative magnitudes read as 0.
    ui_g_bar(0, 0);
    const std::string zero = art();
    for (int32_t v : {-1, -10, -1000, INT32_MIN}) {
        lcd_clear();
        ui_g_bar(v, v);
        EXPECT_EQ(art(), zero) << v;
    }
    // A span of 0 has no scale: 0 sits on the bottom row, anything more is beyond full scale,
    // and there are no whole-g ticks.
    state.gSpan = 0;
    lcd_clear();
    ui_g_bar(1, 1);
    EXPECT_EQ(rows_of(10).size(), 64u);
    EXPECT_EQ(rows_of(25), std::vector<int>{0});
    EXPECT_EQ(rows_of(31), (std::vector<int>{0, 63}));
    lcd_clear();
    ui_g_bar(0, 0);
    EXPECT_EQ(rows_of(25), std::vector<int>{63});
    // The widest span a byte holds.
    state.gSpan = 255;
    lcd_clear();
    ui_g_bar(1275, 0);
    EXPECT_EQ(rows_of(25), std::vector<int>{63});
    EXPECT_EQ(first_row(10), 32);
}

}  // namespace
