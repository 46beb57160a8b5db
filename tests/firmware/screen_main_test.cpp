// The main display's keys, the alarm acknowledgement, and the reset flows of the statistics.
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kCycleCountersReset;
using headless::kMaxValuesReset;

class MainDisplay : public ScreenTest {
protected:
    // Both inputs at their ends: +7.2 g, beyond the +5.0 g threshold, once the filter is full.
    static void pull_g() {
        state.adcInputY = 4096;
        state.adcInputZ = 0;
        settle();
    }
    static void level() {
        state.adcInputY = 2048;
        state.adcInputZ = 2048;
        settle();
    }
};

struct MainKeyCase {
    uint8_t key;
    ScreenFn opens;
};

TEST_F(MainDisplay, EachKeyOpensItsScreenAndTheNewScreenNeverSeesTheKey) {
    const MainKeyCase cases[] = {
        {KEY_SELECT, screen_main_menu},  {KEY_CW, screen_max_values},
        {KEY_CCW, screen_max_values},    {KEY_F1, screen_reset_cycles},
        {KEY_F2, screen_reset_temp_max},
    };
    for (const MainKeyCase& c : cases) {
        SCOPED_TRACE(screen_name(c.opens));
        SetUp();
        state.tempMaxGPlus = 30;
        state.cyclePlusCount = 7;
        key(c.key);
        EXPECT_SCREEN(c.opens);
        EXPECT_EQ(state.keyEvent, KEY_NONE);
        // The first frame of the new screen runs without a key: nothing is reset, no move.
        frame();
        EXPECT_SCREEN(c.opens);
        EXPECT_EQ(state.tempMaxGPlus, 30);
        EXPECT_EQ(state.cyclePlusCount, 7);
    }
}

TEST_F(MainDisplay, SelectOpensTheMenuOnItsFirstEntryInNavigation) {
    state.menuCursor = 4;
    state.editMode = 1;
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(state.editMode, 0);
}

TEST_F(MainDisplay, TheFirstKeyOfAnAlarmOnlyAcknowledgesIt) {
    for (uint8_t k : {KEY_SELECT, KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) {
        SCOPED_TRACE(int{k});
        SetUp();
        pull_g();
        ASSERT_EQ(state.currentG, 72);
        ASSERT_EQ(state.alarmActive, 1);
        ASSERT_EQ(state.alarmAcknowledged, 0);

        key(k);
        EXPECT_SCREEN(screen_main);
        EXPECT_EQ(state.alarmAcknowledged, 1);
        EXPECT_EQ(state.keyEvent, KEY_NONE);

        // The alarm is still active but acknowledged: the next key does its usual job.
        key(k);
        EXPECT_NE(state.currentScreen, screen_main);
    }
}

TEST_F(MainDisplay, AcknowledgementClearsWithTheAlarmWhenGComesBack) {
    pull_g();
    key(KEY_SELECT);
    ASSERT_EQ(state.alarmAcknowledged, 1);
    level();
    EXPECT_EQ(state.alarmActive, 0);
    EXPECT_EQ(state.alarmAcknowledged, 0);
    // A new excursion needs a new acknowledgement.
    pull_g();
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main);
    EXPECT_EQ(state.alarmAcknowledged, 1);
}

bool lit(int x, int y) {
    return (state.frameBuffer[(y / 8) * 128 + x] >> (y % 8) & 1) != 0;
}

// The first column of the large readout (rows 17 to 46, right of the bar's scale).
int readout_start() {
    for (int x = 32; x < 128; ++x) {
        for (int y = 17; y <= 46; ++y) {
            if (lit(x, y)) return x;
        }
    }
    return -1;
}

TEST_F(MainDisplay, TheReadoutDropsItsTenthsAndMovesRightFromTenG) {
    const struct {
        int32_t g;
        int x;
    } cases[] = {{99, 45}, {-99, 45}, {0, 45}, {100, 55}, {-100, 55}, {-123, 55}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.g);
        state.currentG = c.g;
        lcd_clear();
        screen_main();
        EXPECT_EQ(readout_start(), c.x);
    }
}

// The two confirmations share their keys; only the reset differs.
struct ResetCase {
    const char* what;
    uint8_t mainKey;
    ScreenFn confirmation;
};

void PrintTo(const ResetCase& c, std::ostream* os) {
    *os << screen_name(c.confirmation);
}

class ResetConfirmation : public MainDisplay, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(ResetConfirmation, F1ResetsThenDoneReturnsToTheMainDisplay) {
    const ResetCase& c = GetParam();
    pull_g();
    level();
    ASSERT_EQ(state.cyclePlusCount, 1);
    ASSERT_EQ(state.tempMaxGPlus, 72);
    state.adcInputZ = 2448;  // -1.0 g from here on
    settle();
    ASSERT_EQ(state.currentG, -10);

    key(c.mainKey);
    ASSERT_SCREEN(c.confirmation);
    key(KEY_F1);
    EXPECT_SCREEN(screen_msg_done);
    EXPECT_EQ(state.returnScreen, screen_main);
    if (c.confirmation == screen_reset_temp_max) {
        // From the present G, not from zero; the counters stay.
        EXPECT_EQ(state.tempMaxGPlus, -10);
        EXPECT_EQ(state.tempMaxGMinus, -10);
        EXPECT_EQ(state.cyclePlusCount, 1);
        EXPECT_EQ(hook_calls(kCycleCountersReset), 0);
    } else {
        EXPECT_EQ(state.cyclePlusCount, 0);
        EXPECT_EQ(state.cycleMinusCount, 0);
        EXPECT_EQ(state.tempMaxGPlus, 72);
        EXPECT_EQ(hook_calls(kCycleCountersReset), 1);
    }
    EXPECT_EQ(hook_calls(kMaxValuesReset), 0);

    // DONE stays until a key, which it consumes.
    settle(5);
    EXPECT_SCREEN(screen_msg_done);
    key(KEY_F2);
    EXPECT_SCREEN(screen_main);
    frame();
    EXPECT_SCREEN(screen_main);
}

TEST_P(ResetConfirmation, EveryOtherKeyCancelsWithoutAMessage) {
    const ResetCase& c = GetParam();
    for (uint8_t k : {KEY_SELECT, KEY_CW, KEY_CCW, KEY_F2}) {
        SCOPED_TRACE(int{k});
        SetUp();
        state.tempMaxGPlus = 30;
        state.tempMaxGMinus = -20;
        state.cyclePlusCount = 3;
        state.cycleMinusCount = 4;
        key(c.mainKey);
        key(k);
        EXPECT_SCREEN(screen_main);
        EXPECT_EQ(state.tempMaxGPlus, 30);
        EXPECT_EQ(state.tempMaxGMinus, -20);
        EXPECT_EQ(state.cyclePlusCount, 3);
        EXPECT_EQ(state.cycleMinusCount, 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ResetConfirmation,
                         ::testing::Values(ResetCase{"TempMax", KEY_F2, screen_reset_temp_max},
                                           ResetCase{"Cycles", KEY_F1, screen_reset_cycles}),
                         [](const auto& info) { return std::string(info.param.what); });

class MaxValues : public MainDisplay {};

TEST_F(MaxValues, WithoutACodeF1ResetsAtOnceAndReportsDone) {
    state.maxGPlus = 80;
    state.maxGMinus = -30;
    state.codeDigits[2] = 7;
    state.adcInputZ = 1648;  // +1.0 g
    settle();
    key(KEY_CW);
    ASSERT_SCREEN(screen_max_values);
    key(KEY_F1);
    EXPECT_SCREEN(screen_msg_done);
    EXPECT_EQ(state.returnScreen, screen_main);
    EXPECT_EQ(state.maxGPlus, 10);
    EXPECT_EQ(state.maxGMinus, 10);
    EXPECT_EQ(hook_calls(kMaxValuesReset), 1);
    EXPECT_EQ(entered_digits(), 0);
    EXPECT_EQ(state.menuCursor, 0);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main);
}

TEST_F(MaxValues, WithACodeF1AsksForItAndResetsNothingYet) {
    state.resetCode = 4321;
    state.maxGPlus = 80;
    state.maxGMinus = -30;
    state.menuCursor = 3;
    state.codeDigits[0] = 9;
    key(KEY_CCW);
    key(KEY_F1);
    EXPECT_SCREEN(screen_enter_reset_code);
    EXPECT_EQ(state.maxGPlus, 80);
    EXPECT_EQ(state.maxGMinus, -30);
    EXPECT_EQ(hook_calls(kMaxValuesReset), 0);
    EXPECT_EQ(entered_digits(), 0);
    EXPECT_EQ(state.menuCursor, 0);
}

TEST_F(MaxValues, OtherKeysGoBackWithoutAReset) {
    for (uint8_t k : {KEY_SELECT, KEY_CW, KEY_CCW, KEY_F2}) {
        SCOPED_TRACE(int{k});
        SetUp();
        state.maxGPlus = 80;
        key(KEY_CW);
        key(k);
        EXPECT_SCREEN(screen_main);
        EXPECT_EQ(state.maxGPlus, 80);
        EXPECT_EQ(hook_calls(kMaxValuesReset), 0);
    }
}

}  // namespace
}  // namespace screen_test
