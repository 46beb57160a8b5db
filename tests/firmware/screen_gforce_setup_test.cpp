// G-FORCE SETUP and Z-AXIS CAL: the list, the wrap of the span and of both thresholds with steps
// of 1 and 10, the code fields cleared on every SELECT, and the trim of zeroY.
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kSettingsChanged;

class GForceSetup : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        open(screen_gforce_setup);
    }
};

TEST_F(GForceSetup, TheHighlightStopsAtDoneAndAtTheCodeRow) {
    key(KEY_CCW);
    EXPECT_EQ(state.menuCursor, 0);
    for (int i = 0; i < 8; ++i) key(KEY_F2);
    EXPECT_EQ(state.menuCursor, 5);
    key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 4);
}

TEST_F(GForceSetup, SelectTwiceEntersAndLeavesEditingWithoutChangingTheValue) {
    go_to_row(2);
    key(KEY_SELECT);
    EXPECT_EQ(state.editMode, 1);
    key(KEY_SELECT);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(state.cyclePlusThreshold, 50);
    EXPECT_EQ(state.menuCursor, 2);
}

TEST_F(GForceSetup, WhileEditingTheHighlightStays) {
    go_to_row(1);
    key(KEY_SELECT);
    key(KEY_CW);
    key(KEY_F2);
    key(KEY_F2);
    EXPECT_EQ(state.menuCursor, 1);
    EXPECT_EQ(state.gSpan, 5);
}

struct WrapCase {
    uint8_t row;
    int from;
    uint8_t step;
    uint8_t key;
    int to;
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << "row " << int{c.row} << " from " << c.from << " step " << int{c.step} << " key "
        << int{c.key} << " -> " << c.to;
}

class ValueWrap : public GForceSetup, public ::testing::WithParamInterface<WrapCase> {};

TEST_P(ValueWrap, OneKeyInEditMode) {
    const WrapCase& c = GetParam();
    state.gSpan = static_cast<uint8_t>(c.row == 1 ? c.from : 6);
    state.cyclePlusThreshold = static_cast<int8_t>(c.row == 2 ? c.from : 50);
    state.cycleMinusThreshold = static_cast<int8_t>(c.row == 3 ? c.from : -50);
    state.menuCursor = c.row;
    state.editMode = 1;
    state.adjustStep = c.step;
    key(c.key);
    const int value = c.row == 1   ? state.gSpan
                      : c.row == 2 ? state.cyclePlusThreshold
                                   : state.cycleMinusThreshold;
    EXPECT_EQ(value, c.to);
    EXPECT_EQ(state.menuCursor, c.row);
    EXPECT_EQ(state.editMode, 1);
    // The measurement picks the new value up by itself: no hook tells anyone.
    for (int count : headless::host.hookCalls) EXPECT_EQ(count, 0);
}

INSTANTIATE_TEST_SUITE_P(SpanAndThresholds, ValueWrap,
                         ::testing::Values(
                             // The span moves by 1 whatever the step.
                             WrapCase{1, 6, 1, KEY_CW, 7}, WrapCase{1, 12, 1, KEY_CW, 2},
                             WrapCase{1, 12, 10, KEY_F1, 2}, WrapCase{1, 2, 1, KEY_CCW, 12},
                             WrapCase{1, 2, 10, KEY_F2, 12}, WrapCase{1, 7, 10, KEY_F2, 6},
                             // CYCLE +: within 1..120.
                             WrapCase{2, 50, 1, KEY_CW, 51}, WrapCase{2, 119, 1, KEY_CW, 1},
                             WrapCase{2, 118, 1, KEY_F1, 119}, WrapCase{2, 2, 1, KEY_CCW, 120},
                             WrapCase{2, 3, 1, KEY_F2, 2}, WrapCase{2, 50, 10, KEY_CW, 60},
                             WrapCase{2, 115, 10, KEY_CW, 1}, WrapCase{2, 11, 10, KEY_CCW, 120},
                             WrapCase{2, 12, 10, KEY_CCW, 2},
                             // CYCLE -: within -120..0; up means further from zero.
                             WrapCase{3, -50, 1, KEY_CW, -51}, WrapCase{3, -119, 1, KEY_CW, -1},
                             WrapCase{3, -118, 1, KEY_F1, -119}, WrapCase{3, -1, 1, KEY_CCW, 0},
                             WrapCase{3, 0, 1, KEY_CCW, -120}, WrapCase{3, -5, 10, KEY_CCW, -120},
                             WrapCase{3, -5, 10, KEY_F2, -120}, WrapCase{3, -115, 10, KEY_CW, -1},
                             WrapCase{3, -50, 10, KEY_F2, -40}));

TEST_F(GForceSetup, EverySelectClearsTheCodeEntry) {
    for (uint8_t row = 0; row <= 5; ++row) {
        SCOPED_TRACE(int{row});
        SetUp();
        state.menuCursor = row;
        state.pendingCode = 4711;
        for (uint8_t& d : state.codeDigits) d = 3;
        key(KEY_SELECT);
        EXPECT_EQ(state.pendingCode, 0);
        EXPECT_EQ(entered_digits(), 0);
    }
}

TEST_F(GForceSetup, DoneReturnsToTheMenuOnGForceSetupWithoutAHook) {
    state.editMode = 1;  // SELECT leaves from any mode
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 2);
    EXPECT_EQ(state.editMode, 0);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

TEST_F(GForceSetup, TheCodeRowStartsTheCodeFlowOnItsFirstDigit) {
    go_to_row(5);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_enter_current_code);
    EXPECT_EQ(state.menuCursor, 0);
}

TEST_F(GForceSetup, ZAxisCalTrimsZeroYAndComesBackHighlighted) {
    go_to_row(4);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_zaxis_cal);
    EXPECT_EQ(state.returnScreen, screen_gforce_setup);
    EXPECT_EQ(state.editMode, 0);

    for (uint8_t k : {KEY_F1, KEY_F1, KEY_F1, KEY_F2, KEY_F2, KEY_F2}) key(k);
    EXPECT_EQ(state.zeroY, 2048);
    key(KEY_CW);
    key(KEY_CW);
    key(KEY_CCW);
    EXPECT_EQ(state.zeroY, 2049);
    EXPECT_EQ(state.zeroZ, 2048);
    EXPECT_EQ(state.scaleY, 1000);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);

    key(KEY_SELECT);
    EXPECT_SCREEN(screen_gforce_setup);
    EXPECT_EQ(state.menuCursor, 4);
    EXPECT_EQ(hook_calls(kSettingsChanged), 1);
}

TEST_F(GForceSetup, TheTrimMovesTheReadingOverTheFilter) {
    // Y on its own gives a G of its magnitude, negative (Z at its zero reads as negative).
    state.adcInputY = 2448;
    settle();
    ASSERT_EQ(state.currentG, -10);
    state.currentScreen = screen_zaxis_cal;
    state.returnScreen = screen_gforce_setup;
    for (int i = 0; i < 40; ++i) key(KEY_F1);  // the zero moves 40 counts toward the sample
    EXPECT_EQ(state.zeroY, 2088);
    settle();
    EXPECT_EQ(state.currentG, -9);
}

}  // namespace
}  // namespace screen_test
