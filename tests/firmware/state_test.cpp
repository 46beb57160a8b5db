// The state record's shape and the default and reset operations.
#include <gtest/gtest.h>

#include <type_traits>

#include "firmware/firmware.h"
#include "tests/host/headless_host.h"

namespace {

static_assert(std::is_trivial_v<InstrumentState>, "a plain record, zero at program start");
static_assert(std::is_same_v<decltype(state.cyclePlusThreshold), int8_t>);
static_assert(std::is_same_v<decltype(state.cycleMinusThreshold), int8_t>);
static_assert(sizeof state.frameBuffer == 1024);
static_assert(sizeof state.sampleWindow == 10 * sizeof(int32_t));
static_assert(std::is_same_v<decltype(state.currentScreen), ScreenFn>);

class Defaults : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset_state();
        headless::reset_host();
        host().recording = true;
    }
    static headless::Host& host() { return headless::host; }
};

TEST_F(Defaults, SettingsInOrderWithTheirHooks) {
    load_default_settings();
    EXPECT_EQ(state.contrast, 32);
    EXPECT_EQ(state.backlightOn, 1);
    EXPECT_EQ(state.gSpan, 6);
    EXPECT_EQ(state.cyclePlusThreshold, 50);
    EXPECT_EQ(state.cycleMinusThreshold, -50);
    EXPECT_EQ(state.language, 0);
    EXPECT_EQ(host().calls,
              (std::vector<std::string>{"contrast_changed_hook", "backlight_on_hook"}));
}

TEST_F(Defaults, CalibrationThenItsHook) {
    load_default_calibration();
    EXPECT_EQ(state.zeroY, 2048);
    EXPECT_EQ(state.scaleY, 1000);
    EXPECT_EQ(state.zeroZ, 2048);
    EXPECT_EQ(state.scaleZ, 1000);
    EXPECT_EQ(host().calls, (std::vector<std::string>{"settings_changed_hook"}));
}

TEST_F(Defaults, ResetsTouchOnlyWhatTheyName) {
    state.currentG = -7;
    state.tempMaxGPlus = 30;
    state.cyclePlusCount = 4;
    state.cycleMinusCount = 5;
    state.cyclePlusLatched = 1;
    state.cycleMinusLatched = 1;
    state.resetCode = 1234;
    reset_max_values();
    EXPECT_EQ(state.maxGPlus, -7);
    EXPECT_EQ(state.maxGMinus, -7);
    EXPECT_EQ(state.tempMaxGPlus, 30);
    reset_cycle_counters();
    EXPECT_EQ(state.cyclePlusCount, 0);
    EXPECT_EQ(state.cycleMinusCount, 0);
    EXPECT_EQ(state.cyclePlusLatched, 1);
    EXPECT_EQ(state.cycleMinusLatched, 1);
    EXPECT_EQ(state.resetCode, 1234);
    EXPECT_EQ(host().calls,
              (std::vector<std::string>{"max_values_reset_hook", "cycle_counters_reset_hook"}));
}

}  // namespace
