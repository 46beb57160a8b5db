// Every screen drawn from a defined state, in each language, compared pixel for pixel with its
// reference in tests/golden/<name>_en.txt and <name>_fr.txt. A missing or different reference
// fails and leaves the actual frame beside the build for review; references are only ever
// copied into tests/golden/ by hand, after looking at them.
#include <string>

#include "tests/firmware/screen_fixture.h"
#include "tests/host/frame_art.h"

namespace screen_test {
namespace {

enum class Languages {
    kBoth,         // a reference per language
    kEnglishOnly,  // a variant whose French twin shows nothing new
    kSame,         // no text: both languages must give the one reference
};

struct GoldenCase {
    const char* name;
    ScreenFn screen;
    void (*arrange)();  // the state beyond the defaults
    Languages languages;
};

void PrintTo(const GoldenCase& c, std::ostream* os) {
    *os << c.name;
}

void nothing() {}

// Main display states. The measurement does not run, so the values stay as set.
void main_level() {}
void main_positive() {
    state.currentG = 25;
    state.tempMaxGPlus = 40;
    state.tempMaxGMinus = -12;
    state.cyclePlusCount = 3;
    state.cycleMinusCount = 12;
}
void main_negative() {
    state.currentG = -37;
    state.tempMaxGPlus = 52;
    state.tempMaxGMinus = -61;
    state.cyclePlusCount = 1;
    state.cycleMinusCount = 2;
}
void main_ten_g() {
    state.currentG = 100;
    state.tempMaxGPlus = 125;
    state.tempMaxGMinus = -9;
    state.cyclePlusCount = 40;
}
void main_minus_twelve_g() {
    state.currentG = -123;
    state.tempMaxGPlus = 0;
    state.tempMaxGMinus = -125;
    state.cycleMinusCount = 7;
}
// Seven digits reach x 89, where the maximum on the same row starts: both are drawn.
void main_wide_counter() {
    state.currentG = 3;
    state.tempMaxGPlus = 3;
    state.cyclePlusCount = 1234567;
}

void max_values() {
    state.maxGPlus = 73;
    state.maxGMinus = -25;
}

void menu_at(uint8_t entry, uint8_t enabled) {
    state.menuCursor = entry;
    state.calibrateMenuEnabled = enabled;
}

void code_entry() {
    state.codeDigits[0] = 1;
    state.codeDigits[1] = 2;
    state.menuCursor = 2;
}

const GoldenCase kCases[] = {
    {"main_level", screen_main, main_level, Languages::kSame},
    {"main_positive", screen_main, main_positive, Languages::kSame},
    {"main_negative", screen_main, main_negative, Languages::kSame},
    {"main_ten_g", screen_main, main_ten_g, Languages::kSame},
    {"main_minus_twelve_g", screen_main, main_minus_twelve_g, Languages::kSame},
    {"main_wide_counter", screen_main, main_wide_counter, Languages::kSame},

    {"max_values", screen_max_values, max_values, Languages::kBoth},
    {"reset_temp_max", screen_reset_temp_max, nothing, Languages::kBoth},
    {"reset_cycles", screen_reset_cycles, nothing, Languages::kBoth},

    {"main_menu_exit", screen_main_menu, [] { menu_at(0, 1); }, Languages::kBoth},
    {"main_menu_display_setup", screen_main_menu, [] { menu_at(1, 1); }, Languages::kBoth},
    {"main_menu_gforce_setup", screen_main_menu, [] { menu_at(2, 1); }, Languages::kBoth},
    {"main_menu_adc_values", screen_main_menu, [] { menu_at(3, 1); }, Languages::kBoth},
    {"main_menu_calibrate", screen_main_menu, [] { menu_at(4, 1); }, Languages::kBoth},
    // Three entries: the indicator's block is taller.
    {"main_menu_gforce_setup_three_entries", screen_main_menu, [] { menu_at(2, 0); },
     Languages::kEnglishOnly},
    // Withdrawn while shown: the entry stays, the indicator's block falls below the screen.
    {"main_menu_calibrate_withdrawn", screen_main_menu, [] { menu_at(4, 0); },
     Languages::kEnglishOnly},

    {"display_setup", screen_display_setup, nothing, Languages::kBoth},
    {"display_setup_backlight_edit", screen_display_setup,
     [] {
         state.menuCursor = 2;
         state.editMode = 1;
         state.backlightOn = 0;
     },
     Languages::kBoth},
    {"display_setup_lang_edit", screen_display_setup,
     [] {
         state.menuCursor = 3;
         state.editMode = 1;
     },
     Languages::kBoth},
    {"contrast", screen_contrast, nothing, Languages::kBoth},
    {"contrast_0", screen_contrast, [] { state.contrast = 0; }, Languages::kEnglishOnly},
    {"contrast_62", screen_contrast, [] { state.contrast = 62; }, Languages::kEnglishOnly},

    {"gforce_setup", screen_gforce_setup, nothing, Languages::kBoth},
    {"gforce_setup_span_edit", screen_gforce_setup,
     [] {
         state.menuCursor = 1;
         state.editMode = 1;
         state.gSpan = 12;
     },
     Languages::kBoth},
    {"gforce_setup_cycle_minus", screen_gforce_setup,
     [] {
         state.menuCursor = 3;
         state.cyclePlusThreshold = 120;
         state.cycleMinusThreshold = -5;
     },
     Languages::kEnglishOnly},
    {"gforce_setup_code_row", screen_gforce_setup, [] { state.menuCursor = 5; }, Languages::kBoth},
    {"zaxis_cal", screen_zaxis_cal, [] { state.currentG = 10; }, Languages::kBoth},

    {"adc_values", screen_adc_values,
     [] {
         state.adcY = 2048;
         state.adcZ = 2048;
     },
     Languages::kBoth},
    {"adc_values_range_ends", screen_adc_values,
     [] {
         state.adcY = 0;
         state.adcZ = 4096;
     },
     Languages::kEnglishOnly},
    {"calibrate", screen_calibrate, nothing, Languages::kBoth},
    {"calibrate_0g_row", screen_calibrate, [] { state.menuCursor = 2; }, Languages::kBoth},

    {"enter_current_code", screen_enter_current_code, code_entry, Languages::kBoth},
    {"enter_new_code", screen_enter_new_code, code_entry, Languages::kBoth},
    {"confirm_new_code", screen_confirm_new_code, code_entry, Languages::kBoth},
    {"enter_reset_code", screen_enter_reset_code, code_entry, Languages::kBoth},
    {"enter_reset_code_units", screen_enter_reset_code,
     [] {
         state.codeDigits[3] = 9;
         state.menuCursor = 3;
     },
     Languages::kEnglishOnly},

    {"msg_done", screen_msg_done, nothing, Languages::kBoth},
    {"msg_incorrect_code", screen_msg_incorrect_code, nothing, Languages::kBoth},
    {"msg_code_changed", screen_msg_code_changed, nothing, Languages::kBoth},
};

class GoldenFrame : public ScreenTest, public ::testing::WithParamInterface<GoldenCase> {
protected:
    // One frame of the screen from the defaults plus the case's state, without a key.
    static void draw(const GoldenCase& c, uint8_t language) {
        headless::reset_state();
        load_default_settings();
        load_default_calibration();
        state.adjustStep = 1;
        c.arrange();
        state.language = language;
        state.currentScreen = c.screen;
        state.keyEvent = KEY_NONE;
        lcd_clear();
        c.screen();
    }
};

TEST_P(GoldenFrame, MatchesItsReference) {
    const GoldenCase& c = GetParam();
    const std::string name = c.name;
    switch (c.languages) {
        case Languages::kBoth:
            draw(c, 0);
            EXPECT_TRUE(frame_matches_golden(state.frameBuffer, name + "_en"));
            draw(c, 1);
            EXPECT_TRUE(frame_matches_golden(state.frameBuffer, name + "_fr"));
            break;
        case Languages::kEnglishOnly:
            draw(c, 0);
            EXPECT_TRUE(frame_matches_golden(state.frameBuffer, name + "_en"));
            break;
        case Languages::kSame:
            draw(c, 0);
            EXPECT_TRUE(frame_matches_golden(state.frameBuffer, name));
            draw(c, 1);
            EXPECT_TRUE(frame_matches_golden(state.frameBuffer, name));
            break;
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, GoldenFrame, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The frame in which a key is handled still shows the state before it; the change shows in the
// next frame. Seen on the language row, where every text of the screen changes.
TEST_F(ScreenTest, TheLanguageSwitchShowsFromTheNextFrame) {
    state.currentScreen = screen_display_setup;
    state.menuCursor = 3;
    state.editMode = 1;

    key(KEY_CW);
    EXPECT_EQ(state.language, 1);
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "display_setup_lang_edit_en"));
    frame();
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "display_setup_lang_edit_fr"));
    key(KEY_F2);
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "display_setup_lang_edit_fr"));
    frame();
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "display_setup_lang_edit_en"));
}

// A screen switch: the presented frame is the old screen's, the new one draws a frame later.
TEST_F(ScreenTest, TheNewScreenDrawsFromTheFrameAfterTheKey) {
    key(KEY_F2);
    EXPECT_SCREEN(screen_reset_temp_max);
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "main_level"));
    frame();
    EXPECT_TRUE(frame_matches_golden(state.frameBuffer, "reset_temp_max_en"));
}

}  // namespace
}  // namespace screen_test
