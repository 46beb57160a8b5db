// The main menu: the reachable entries with and without the Calibrate switch, the way into each
// entry's screen, the way back to the same entry, and the one exit that calls the settings hook.
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kSettingsChanged;

class MainMenu : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        key(KEY_SELECT);
        EXPECT_SCREEN(screen_main_menu);
    }
};

TEST_F(MainMenu, WithoutTheSwitchTheListStopsAtGForceSetup) {
    state.calibrateMenuEnabled = 0;
    for (int i = 0; i < 5; ++i) key(i % 2 == 0 ? KEY_CW : KEY_F2);
    EXPECT_EQ(state.menuCursor, 2);
    key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 1);
    key(KEY_CCW);
    key(KEY_CCW);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_SCREEN(screen_main_menu);
}

TEST_F(MainMenu, WithTheSwitchTheListReachesCalibrateAndStopsThere) {
    state.calibrateMenuEnabled = 1;
    for (int i = 0; i < 7; ++i) key(KEY_F2);
    EXPECT_EQ(state.menuCursor, 4);
    for (int i = 0; i < 7; ++i) key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 0);
}

TEST_F(MainMenu, SwitchWithdrawnWhileAServiceEntryIsShown) {
    state.calibrateMenuEnabled = 1;
    go_to_row(4);
    state.calibrateMenuEnabled = 0;

    key(KEY_CW);
    key(KEY_F2);
    EXPECT_EQ(state.menuCursor, 4);
    key(KEY_CCW);
    EXPECT_EQ(state.menuCursor, 3);
    key(KEY_CW);
    EXPECT_EQ(state.menuCursor, 3);
    key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 2);
    key(KEY_CW);
    EXPECT_EQ(state.menuCursor, 2);

    // Still shown means still open-able.
    state.calibrateMenuEnabled = 1;
    go_to_row(4);
    state.calibrateMenuEnabled = 0;
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_calibrate);
}

// Opening an entry and leaving its screen by its DONE row (or EXIT MENU itself).
struct EntryCase {
    uint8_t entry;
    ScreenFn opens;
    int settingsHookOnReturn;  // calls of settings_changed_hook when the screen is left
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << "entry " << int{c.entry} << ", " << screen_name(c.opens);
}

class MenuEntry : public MainMenu, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(MenuEntry, OpensInNavigationAndComesBackToTheSameEntry) {
    const EntryCase& c = GetParam();
    state.calibrateMenuEnabled = 1;
    go_to_row(c.entry);
    state.editMode = 1;  // stale: opening must clear it
    clear_hook_counts();

    key(KEY_SELECT);
    EXPECT_SCREEN(c.opens);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);

    // Every setup screen opens on its DONE row, so SELECT leaves it at once.
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, c.entry);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), c.settingsHookOnReturn);
}

INSTANTIATE_TEST_SUITE_P(Entries, MenuEntry,
                         ::testing::Values(EntryCase{1, screen_display_setup, 0},
                                           EntryCase{2, screen_gforce_setup, 0},
                                           EntryCase{3, screen_adc_values, 0},
                                           EntryCase{4, screen_calibrate, 1}),
                         [](const auto& info) { return screen_name(info.param.opens); });

TEST_F(MainMenu, ExitMenuGoesBackAndIsTheOnlyWayOutThatCallsTheSettingsHook) {
    state.editMode = 1;
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main);
    EXPECT_EQ(hook_calls(kSettingsChanged), 1);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(state.editMode, 0);
}

TEST_F(MainMenu, SelectBeyondTheEntriesStaysAndResetsTheCursor) {
    state.menuCursor = 9;
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

}  // namespace
}  // namespace screen_test
