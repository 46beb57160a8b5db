// ADC VALUES and CALIBRATE: keys, the way back to the menu, and a whole calibration run on the
// samples of the worked example (1 g: Y 2029, Z 2012; 0 g: Y 2112, Z 2087).
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kSettingsChanged;

class AdcValues : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        open(screen_adc_values);
    }
};

TEST_F(AdcValues, DirectionKeysAreConsumedAndChangeNothing) {
    for (uint8_t k : {KEY_CW, KEY_CCW, KEY_F1, KEY_F2}) key(k);
    EXPECT_SCREEN(screen_adc_values);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(state.keyEvent, KEY_NONE);
}

TEST_F(AdcValues, SelectReturnsToTheMenuOnAdcValues) {
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 3);
    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

class Calibrate : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        open(screen_calibrate);
    }
    static void orientation(int32_t y, int32_t z) {
        state.adcInputY = y;
        state.adcInputZ = z;
        settle();
    }
    // SELECT on a calibration row, then the key that closes the DONE message.
    static void calibrate_on_row(uint8_t row) {
        while (state.menuCursor < row) key(KEY_F2);
        while (state.menuCursor > row) key(KEY_F1);
        key(KEY_SELECT);
        ASSERT_SCREEN(screen_msg_done);
        ASSERT_EQ(state.returnScreen, screen_calibrate);
        key(KEY_CCW);
        ASSERT_SCREEN(screen_calibrate);
        ASSERT_EQ(state.menuCursor, row);  // the row used stays highlighted
    }
};

TEST_F(Calibrate, TheHighlightStopsAtDoneAndAtTheLastRow) {
    key(KEY_F1);
    EXPECT_EQ(state.menuCursor, 0);
    key(KEY_F2);
    key(KEY_F2);
    EXPECT_EQ(state.menuCursor, 2);
    key(KEY_F2);
    key(KEY_CW);
    EXPECT_EQ(state.menuCursor, 2);
    key(KEY_CCW);
    EXPECT_EQ(state.menuCursor, 1);
}

TEST_F(Calibrate, TheWorkedExampleEndsWithBothOrientationsReadingOneG) {
    orientation(2029, 2012);
    calibrate_on_row(1);
    EXPECT_EQ(state.zeroY, 2029);
    EXPECT_EQ(state.scaleZ, 90);
    EXPECT_EQ(state.zeroZ, 2048);
    EXPECT_EQ(state.scaleY, 1000);
    settle();
    EXPECT_EQ(state.currentG, 10);

    orientation(2112, 2087);
    calibrate_on_row(2);
    EXPECT_EQ(state.zeroZ, 2087);
    EXPECT_EQ(state.scaleY, 207);
    EXPECT_EQ(state.zeroY, 2029);
    EXPECT_EQ(state.scaleZ, 90);
    settle();
    EXPECT_EQ(state.currentG, -10);

    // scaleZ still belongs to the old zeroZ until the 1 g calibration is repeated.
    orientation(2029, 2012);
    EXPECT_EQ(state.currentG, 21);
    calibrate_on_row(1);
    EXPECT_EQ(state.scaleZ, 187);
    settle();
    EXPECT_EQ(state.currentG, 10);
    orientation(2112, 2087);
    EXPECT_EQ(state.currentG, -10);

    EXPECT_EQ(hook_calls(kSettingsChanged), 0);
}

TEST_F(Calibrate, DoneReturnsToTheMenuOnCalibrateWithTheSettingsHook) {
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 4);
    EXPECT_EQ(hook_calls(kSettingsChanged), 1);
}

}  // namespace
}  // namespace screen_test
