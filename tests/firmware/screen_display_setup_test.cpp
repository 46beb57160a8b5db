// DISPLAY SETUP and CONTRAST: the list with its edit mode, the two-state settings and their
// hooks, the contrast limits, and the ways back.
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kBacklightOff;
using headless::kBacklightOn;
using headless::kContrastChanged;
using headless::kSettingsChanged;

class DisplaySetup : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        open(screen_display_setup);
    }
};

TEST_F(DisplaySetup, TheHighlightStopsAtDoneAndAtLang) {
    key(KEY_CCW);
    EXPECT_EQ(state.menuCursor, 0);
    for (int i = 0; i < 5; ++i) key(KEY_CW);
    EXPECT_EQ(state.menuCursor, 3);
    key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 2);
    EXPECT_SCREEN(screen_display_setup);
}

TEST_F(DisplaySetup, EditingTheBacklightFlipsItOnEveryDirectionKeyWithItsHook) {
    go_to_row(2);
    key(KEY_SELECT);
    EXPECT_EQ(state.editMode, 1);
    EXPECT_EQ(state.menuCursor, 2);

    const uint8_t keys[] = {KEY_CW, KEY_CCW, KEY_F1, KEY_F2};
    for (int i = 0; i < 4; ++i) {
        key(keys[i]);
        const bool nowOn = i % 2 == 1;  // starts on: off, on, off, on
        EXPECT_EQ(state.backlightOn, nowOn ? 1 : 0);
        EXPECT_EQ(state.menuCursor, 2);
    }
    EXPECT_EQ(hook_calls(kBacklightOff), 2);
    EXPECT_EQ(hook_calls(kBacklightOn), 2);

    key(KEY_SELECT);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

TEST_F(DisplaySetup, EditingTheLanguageFlipsItWithoutAHook) {
    go_to_row(3);
    key(KEY_SELECT);
    key(KEY_F2);
    EXPECT_EQ(state.language, 1);
    key(KEY_CW);
    EXPECT_EQ(state.language, 0);
    key(KEY_CCW);
    EXPECT_EQ(state.language, 1);
    for (int count : headless::host.hookCalls) EXPECT_EQ(count, 0);
    // Any non-zero edit flag switches off.
    state.editMode = 7;
    key(KEY_SELECT);
    EXPECT_EQ(state.editMode, 0);
}

TEST_F(DisplaySetup, DoneReturnsToTheMenuOnDisplaySetup) {
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 1);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

TEST_F(DisplaySetup, ContrastOpensAtZeroAndReturnsToAdjustContrast) {
    go_to_row(1);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_contrast);
    EXPECT_EQ(state.menuCursor, 0);
    key(KEY_CW);
    EXPECT_EQ(state.contrast, 34);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_display_setup);
    EXPECT_EQ(state.menuCursor, 1);
    EXPECT_EQ(hook_calls(kSettingsChanged), 1);
    EXPECT_EQ(hook_calls(kContrastChanged), 1);
}

struct ContrastCase {
    uint8_t from;
    uint8_t key;
    uint8_t to;
};

TEST_F(DisplaySetup, ContrastStepsByTwoStopsAtItsLimitsAndAlwaysCallsTheHook) {
    const ContrastCase cases[] = {
        {32, KEY_CW, 34}, {32, KEY_F1, 34}, {32, KEY_CCW, 30}, {32, KEY_F2, 30}, {60, KEY_CW, 62},
        {62, KEY_CW, 62}, {62, KEY_F1, 62}, {2, KEY_CCW, 0},   {0, KEY_CCW, 0},  {0, KEY_F2, 0},
    };
    for (const ContrastCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << int{c.from} << " key " << int{c.key});
        SetUp();
        state.currentScreen = screen_contrast;
        state.contrast = c.from;
        key(c.key);
        EXPECT_EQ(state.contrast, c.to);
        EXPECT_EQ(hook_calls(kContrastChanged), 1);
        EXPECT_SCREEN(screen_contrast);
    }
}

}  // namespace
}  // namespace screen_test
