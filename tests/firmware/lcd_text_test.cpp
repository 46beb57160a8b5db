// The three text routines: glyph placement, bit orders, video modes, wrap at the left edge, and
// the staging of constant texts.
#include <functional>
#include <string>

#include "tests/firmware/lcd_test_support.h"

namespace {

using lcdtest::Pixel;
using PixelSet = std::set<Pixel>;

// The glyphs every build of the instrument shows the same way, as column bytes.
constexpr uint8_t k8x8A[8] = {0x7C, 0x7E, 0x13, 0x11, 0x13, 0x7E, 0x7C, 0x00};
constexpr uint8_t k5x7A[5] = {0x3F, 0x48, 0x48, 0x48, 0x3F};
constexpr uint8_t k5x7Zero[5] = {0x3E, 0x45, 0x49, 0x51, 0x3E};

class Text : public lcdtest::LcdTest {
protected:
    // The frame shifted left by n columns (columns that leave on the left are lost).
    static std::string shifted_left(const std::string& art, int n) {
        std::string out;
        for (size_t at = 0; at < art.size(); at += 129)
            out += art.substr(at + n, 128 - n) + std::string(n, '.') + "\n";
        return out;
    }
    // Pixels of a 5x7 glyph at cell (x, y): bit 6 - r is glyph row r, drawn on row y + r.
    static PixelSet glyph5(const uint8_t (&cols)[5], int x, int y) {
        PixelSet s;
        for (int c = 0; c < 5; ++c)
            for (int r = 0; r < 7; ++r)
                if ((cols[c] >> (6 - r)) & 1) s.insert({x + c, y + r});
        return s;
    }
    static PixelSet block(int x0, int y0, int x1, int y1) {
        PixelSet s;
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y) s.insert({x, y});
        return s;
    }
    static PixelSet minus(PixelSet a, const PixelSet& b) {
        for (const Pixel& p : b) a.erase(p);
        return a;
    }
    static PixelSet join(PixelSet a, const PixelSet& b) {
        a.insert(b.begin(), b.end());
        return a;
    }
};

// --- 8x8 font -----------------------------------------------------------------------------

TEST_F(Text, Text8NormalSetsTheGlyphBitsOnly) {
    lcd_text8(0, 8, "A", 0, 0);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(fb()[i], i >= 128 && i < 136 ? k8x8A[i - 128] : 0) << "byte " << i;

    // Off a page boundary the same bits land row by row; what was lit stays lit.
    lcd_clear();
    lcd_pixel(5, 3, 1);  // a clear bit of the glyph's last column: left alone
    lcd_text8(0, 3, "A", 0, 0);
    PixelSet expected{{5, 3}};
    for (int col = 0; col < 8; ++col)
        for (int b = 0; b < 8; ++b)
            if ((k8x8A[col] >> b) & 1) expected.insert({col, 3 + b});
    EXPECT_EQ(lit_now(), expected);
}

TEST_F(Text, Text8InverseOverwritesTheWholeCell) {
    all_on();
    lcd_text8(0, 8, "A", 0, 1);
    for (int i = 0; i < 1024; ++i)
        ASSERT_EQ(fb()[i], i >= 128 && i < 136 ? static_cast<uint8_t>(~k8x8A[i - 128]) : 0xFF)
            << "byte " << i;

    lcd_clear();
    lcd_text8(40, 20, " ", 0, 1);
    EXPECT_EQ(lit_now(), block(40, 20, 47, 27));
}

TEST_F(Text, Text8TallDoublesEachGlyphRow) {
    lcd_text8(0, 16, "A", 1, 0);
    PixelSet expected;
    for (int col = 0; col < 8; ++col)
        for (int b = 0; b < 8; ++b)
            if ((k8x8A[col] >> b) & 1) expected.insert({{col, 16 + 2 * b}, {col, 17 + 2 * b}});
    EXPECT_EQ(lit_now(), expected);

    // Tall inverse: the whole 8 x 16 cell is written.
    lcd_clear();
    lcd_text8(0, 16, "A", 1, 1);
    EXPECT_EQ(lit_now(), minus(block(0, 16, 7, 31), expected));

    // Only 1 means tall and only 1 means inverse.
    EXPECT_EQ(art_of([] { lcd_text8(0, 16, "A", 2, 2); }),
              art_of([] { lcd_text8(0, 16, "A", 0, 0); }));
}

TEST_F(Text, Text8CentredPlacesCellsAroundCx) {
    lcd_text8_centered(64, 40, "DONE", 0, 1);
    EXPECT_EQ(art(), art_of([] { lcd_text8(48, 40, "DONE", 0, 1); }));
    for (const Pixel& p : lit_now()) EXPECT_TRUE(p.first >= 48 && p.first <= 79);
}

TEST_F(Text, TextStartingLeftOfTheScreenIsClippedNotShifted) {
    // cx 20 and eight characters start at -12: the first cell and four columns of the second are
    // dropped, the rest lies where an unclipped start of -12 puts it.
    const std::string unclipped = art_of([] { lcd_text8(0, 8, "OVERFLOW", 0, 1); });
    lcd_text8_centered(20, 8, "OVERFLOW", 0, 1);
    EXPECT_EQ(art(), shifted_left(unclipped, 12));

    lcd_clear();
    lcd_text8(236, 8, "OVERFLOW", 1, 0);  // 236 means -20
    EXPECT_EQ(art(), shifted_left(art_of([] { lcd_text8(0, 8, "OVERFLOW", 1, 0); }), 20));

    lcd_clear();
    lcd_text5_centered(5, 20, "ABCD", 1);  // starts at -7
    EXPECT_EQ(art(), shifted_left(art_of([] { lcd_text5(0, 20, "ABCD", 1); }), 7));
}

// --- 5x7 font -----------------------------------------------------------------------------

TEST_F(Text, Text5InvertsFromTheGivenCharacterOn) {
    const PixelSet a = glyph5(k5x7A, 0, 8);
    const PixelSet zero = glyph5(k5x7Zero, 6, 8);
    struct Case {
        uint8_t invertFrom;
        PixelSet expected;
    };
    const Case cases[] = {
        {100, join(a, zero)},
        {2, join(a, zero)},
        {1, join(a, minus(block(6, 7, 11, 14), zero))},
        {0, join(minus(block(0, 7, 5, 14), a), minus(block(6, 7, 11, 14), zero))},
    };
    for (const Case& c : cases) {
        lcd_clear();
        lcd_text5(0, 8, "A0", c.invertFrom);
        EXPECT_EQ(lit_now(), c.expected) << "invertFrom " << int{c.invertFrom};
    }
}

TEST_F(Text, Text5InverseNeverClearsPixels) {
    // Over a lit image the glyph vanishes into the block: inverse only turns pixels on.
    all_on();
    lcd_text5(10, 10, "A0", 0);
    lcd_text5(10, 30, "A0", 100);
    EXPECT_EQ(lit_now().size(), 128u * 64u);
}

TEST_F(Text, Text5AtTheTopRowLosesOnlyTheCellsTopRow) {
    lcd_text5(0, 0, "A", 100);
    EXPECT_EQ(lit_now(), glyph5(k5x7A, 0, 0));
    lcd_clear();
    lcd_text5(0, 0, "A", 0);  // cell rows -1..6: row -1 is dropped, row 7 untouched
    EXPECT_EQ(lit_now(), minus(block(0, 0, 5, 6), glyph5(k5x7A, 0, 0)));
}

TEST_F(Text, Text5CentredUsesThreeColumnsPerCharacter) {
    lcd_text5_centered(64, 30, "A0A0", 2);
    EXPECT_EQ(art(), art_of([] { lcd_text5(52, 30, "A0A0", 2); }));
}

// --- codes outside a font -------------------------------------------------------------------

TEST_F(Text, CodesOutsideAFontDrawBlankCellsAndKeepThePitch) {
    // A blank cell: nothing in normal video, a solid cell in inverse, the next character placed
    // one pitch on. Under the sanitizers this also proves no read outside the tables.
    for (const char* odd : {"\x01", "\x1F", "\x83", "\xC8", "\xFF"}) {  // not in 32..130
        const std::string text = std::string(odd) + "A";
        SCOPED_TRACE(static_cast<int>(static_cast<uint8_t>(odd[0])));
        lcd_clear();
        lcd_text5(0, 8, text.c_str(), 100);
        EXPECT_EQ(art(), art_of([] { lcd_text5(6, 8, "A", 100); }));
        lcd_clear();
        lcd_text5(0, 8, text.c_str(), 0);
        EXPECT_EQ(art(), art_of([] {
                      lcd_fill(0, 7, 5, 14, 1);
                      lcd_text5(6, 8, "A", 0);
                  }));
    }
    for (const char* odd : {"\x01", "\x1F", "\x8B", "\xC8", "\xFF"}) {  // not in 32..138
        const std::string text = std::string(odd) + "A";
        SCOPED_TRACE(static_cast<int>(static_cast<uint8_t>(odd[0])));
        lcd_clear();
        lcd_text8(0, 8, text.c_str(), 0, 0);
        EXPECT_EQ(art(), art_of([] { lcd_text8(8, 8, "A", 0, 0); }));
        lcd_clear();
        lcd_text8(0, 8, text.c_str(), 1, 1);
        EXPECT_EQ(art(), art_of([] {
                      lcd_fill(0, 8, 7, 23, 1);
                      lcd_text8(8, 8, "A", 1, 1);
                  }));
    }
    // The last code of each font is inside it and draws its own glyph.
    lcd_clear();
    lcd_text5(0, 8, "\x82", 100);
    EXPECT_FALSE(lit_now().empty());
    lcd_clear();
    lcd_text8(0, 8, "\x8A", 0, 0);
    EXPECT_FALSE(lit_now().empty());
}

TEST_F(Text, NullTextsDrawNothing) {
    lcd_text5(0, 8, nullptr, 0);
    lcd_text5_centered(64, 8, nullptr, 0);
    lcd_text8(0, 8, nullptr, 0, 1);
    lcd_text8_centered(64, 8, nullptr, 0, 1);
    lcd_big_text(0, 8, nullptr);
    lcd_text5_const(0, 8, nullptr, 0);
    lcd_text8_const(0, 8, nullptr, 0, 1);
    EXPECT_TRUE(lit_now().empty());
}

// --- large digits ---------------------------------------------------------------------------

class BigText : public Text {
protected:
    // The pixels of large digit c with its cell at (x, y), straight from the table.
    static PixelSet digit(char c, int x, int y) {
        PixelSet s;
        const uint8_t* slot = &fontBigDigits[(c - 45) * 88];
        for (int p = 0; p < 4; ++p)
            for (int col = 0; col < 22; ++col)
                for (int b = 0; b < 8; ++b)
                    if ((slot[p * 22 + col] >> b) & 1)
                        if (x + col < 128 && y + 8 * p + b < 64) s.insert({x + col, y + 8 * p + b});
        return s;
    }
    static PixelSet bar(int x, int y) { return block(x, y + 13, x + 11, y + 16); }
    static PixelSet plus(int x, int y) {
        return join(bar(x, y), block(x + 4, y + 9, x + 7, y + 20));
    }
    static PixelSet point(int x, int y) {
        return join(join(block(x + 2, y + 27, x + 2, y + 28), block(x + 3, y + 26, x + 5, y + 29)),
                    block(x + 6, y + 27, x + 6, y + 28));
    }
};

TEST_F(BigText, SignsAndPointAreNarrowerThanDigits) {
    lcd_big_text(45, 17, "+1.5");
    const PixelSet expected =
        join(join(plus(45, 17), digit('1', 59, 17)), join(point(81, 17), digit('5', 93, 17)));
    EXPECT_EQ(lit_now(), expected);

    lcd_clear();
    lcd_big_text(0, 0, "-8");
    EXPECT_EQ(lit_now(), join(bar(0, 0), digit('8', 14, 0)));
}

TEST_F(BigText, TheDigitsComeFromTheTable) {
    // Known rows of the instrument's digits: the top of the 0 and the foot of the 1.
    const uint8_t zeroTop[22] = {0x00, 0x00, 0xE0, 0xF0, 0xFC, 0xFE, 0xFE, 0xFF, 0x3F, 0x1F, 0x1F,
                                 0x1F, 0x3F, 0xFF, 0xFE, 0xFE, 0xFC, 0xF0, 0xE0, 0x00, 0x00, 0x00};
    lcd_big_text(0, 0, "0");
    for (int col = 0; col < 22; ++col) EXPECT_EQ(fb()[col], zeroTop[col]) << "column " << col;
    lcd_clear();
    lcd_big_text(0, 32, "1");  // page row 3 of the cell is frame page 7
    for (int col = 0; col < 22; ++col)
        EXPECT_EQ(fb()[7 * 128 + col], col >= 12 && col < 18 ? 0x3F : 0) << "column " << col;
}

TEST_F(BigText, SpaceAndUnknownCodesOnlyAdvance) {
    lcd_big_text(0, 0, " 1");
    EXPECT_EQ(art(), art_of([] { lcd_big_text(22, 0, "1"); }));
    lcd_clear();
    lcd_big_text(0, 0,
                 "A\xFF"
                 "1");  // not in the repertoire: an empty digit cell each
    EXPECT_EQ(art(), art_of([] { lcd_big_text(44, 0, "1"); }));
}

TEST_F(BigText, DigitsLeaveClearBitsAsTheyWere) {
    all_on();
    lcd_big_text(0, 0, "+8.-");
    EXPECT_EQ(lit_now().size(), 128u * 64u);
}

TEST_F(BigText, ASignAcrossColumn255WrapsLikeADigit) {
    lcd_big_text(250, 0, "-");  // columns 250..261: 0..5 are visible
    EXPECT_EQ(lit_now(), block(0, 13, 5, 16));
}

// --- constant texts -------------------------------------------------------------------------

// A text of 31 characters is drawn whole; anything after the 31st character is cut. The 32nd
// and later characters would wrap round to the left edge, so the cut shows on the screen.
TEST_F(Text, ConstFormsDrawAtMost31Characters) {
    const std::string longText = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnop";  // 52
    const std::string cut = longText.substr(0, 31);
    struct Case {
        const char* name;
        std::function<void(const char*)> constForm, plain;
    };
    const Case cases[] = {
        {"lcd_text5_const", [](const char* t) { lcd_text5_const(0, 8, t, 40); },
         [](const char* t) { lcd_text5(0, 8, t, 40); }},
        {"lcd_text5_centered_const", [](const char* t) { lcd_text5_centered_const(64, 8, t, 100); },
         [](const char* t) { lcd_text5_centered(64, 8, t, 100); }},
        {"lcd_text8_const", [](const char* t) { lcd_text8_const(0, 8, t, 0, 0); },
         [](const char* t) { lcd_text8(0, 8, t, 0, 0); }},
        {"lcd_text8_centered_const",
         [](const char* t) { lcd_text8_centered_const(64, 8, t, 1, 1); },
         [](const char* t) { lcd_text8_centered(64, 8, t, 1, 1); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lcd_clear();
        c.constForm(longText.c_str());
        const std::string staged = art();
        EXPECT_EQ(staged, art_of([&] { c.plain(cut.c_str()); }));
        EXPECT_NE(staged, art_of([&] { c.plain(longText.c_str()); }));
        lcd_clear();
        c.constForm("DONE");
        EXPECT_EQ(art(), art_of([&] { c.plain("DONE"); }));
    }
}

}  // namespace
