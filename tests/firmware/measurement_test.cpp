// The measurement step and calibration, as a user of the instrument sees them: inputs in ADC
// counts, G in tenths of g.
#include <gtest/gtest.h>

#include <climits>

#include "firmware/firmware.h"
#include "tests/host/headless_host.h"

namespace {

class Measurement : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset_state();
        headless::reset_host();
        load_default_settings();
        load_default_calibration();
    }
    // One step at the given inputs.
    int32_t step(int32_t y, int32_t z) {
        state.adcInputY = y;
        state.adcInputZ = z;
        meas_update();
        return state.sampleWindow[9];
    }
    // Enough steps for the window to hold only this input.
    int32_t settle(int32_t y, int32_t z) {
        for (int i = 0; i < 10; ++i) step(y, z);
        return state.currentG;
    }
    void fill_window(int32_t g) {
        for (int32_t& entry : state.sampleWindow) entry = g;
    }
};

struct SampleCase {
    int32_t y, z, g;
};

TEST_F(Measurement, SampleGFromCountsWithDefaultCalibration) {
    const SampleCase cases[] = {
        {2048, 2048, 0},    // at rest on both axes
        {2048, 1648, 10},   // z = -100: +1.0 g
        {2048, 2448, -10},  // z = +100: -1.0 g
        {2448, 2048, -10},  // y alone: z = 0 gives the negative sign
        {2104, 2048, -1},   // m = 14 rounds down
        {2108, 2048, -2},   // m = 15 rounds up
        {1649, 2048, -10},  // (1649 - 2048) * 250 / 1000 = -99 truncated, m = 99
        {0, 0, 72},         // both axes at -5.12 g: m = 724
        {4096, 4096, -72},
    };
    for (const SampleCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Y " << c.y << " Z " << c.z);
        EXPECT_EQ(step(c.y, c.z), c.g);
        EXPECT_EQ(state.adcY, c.y);
        EXPECT_EQ(state.adcZ, c.z);
    }
}

TEST_F(Measurement, FilterMovesOneTenthPerStepAndTruncatesTowardZero) {
    for (int i = 1; i <= 10; ++i) {
        step(2048, 1648);
        EXPECT_EQ(state.currentG, i);
    }
    // After the next step (a sample of 0) the window holds five -3 and five 0.
    fill_window(0);
    for (int i = 1; i <= 5; ++i) state.sampleWindow[i] = -3;
    step(2048, 2048);
    EXPECT_EQ(state.currentG, -1);  // -15 / 10, not -2
}

TEST_F(Measurement, WindowShiftsOldestOut) {
    for (int i = 0; i < 10; ++i) state.sampleWindow[i] = i + 1;
    step(2048, 1648);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(state.sampleWindow[i], i + 2);
    EXPECT_EQ(state.sampleWindow[9], 10);
}

TEST_F(Measurement, ExtremesAreStrict) {
    state.maxGPlus = state.tempMaxGPlus = 10;
    state.maxGMinus = state.tempMaxGMinus = -10;
    fill_window(10);
    step(2048, 1648);  // currentG stays 10: equal is not higher
    EXPECT_EQ(state.maxGPlus, 10);
    settle(2048, 1448);  // +1.5 g
    EXPECT_EQ(state.maxGPlus, 15);
    EXPECT_EQ(state.tempMaxGPlus, 15);
    EXPECT_EQ(state.maxGMinus, -10);
    settle(2048, 2648);  // -1.5 g
    EXPECT_EQ(state.maxGMinus, -15);
    EXPECT_EQ(state.tempMaxGMinus, -15);
    EXPECT_EQ(state.maxGPlus, 15);
}

// Runs one step with the window pre-filled so that currentG comes out at exactly g.
void step_at(int32_t g) {
    for (int32_t& entry : state.sampleWindow) entry = g;
    // The new sample must equal g too: pick the input that yields it, or feed the entry directly.
    state.adcInputY = 2048;
    // z in hundredths: g tenths -> -(g * 10) hundredths for positive g; counts = z * 4.
    state.adcInputZ = 2048 - g * 40;
    meas_update();
}

TEST_F(Measurement, CycleCountingAtThresholds) {
    struct Case {
        const char* story;
        std::vector<int32_t> gs;
        int32_t plus, minus;
    };
    const Case cases[] = {
        {"50 is not beyond +5.0", {50}, 0, 0},
        {"51 counts once", {51, 51, 60, 51}, 1, 0},
        {"back to 50 then 51 counts again", {51, 50, 51}, 2, 0},
        {"-50 is not beyond -5.0", {-50}, 0, 0},
        {"-51 counts once", {-51, -60, -51}, 0, 1},
        {"both sides", {51, 0, -51, 0, 51}, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.story);
        SetUp();
        for (int32_t g : c.gs) {
            step_at(g);
            ASSERT_EQ(state.currentG, g);
        }
        EXPECT_EQ(state.cyclePlusCount, c.plus);
        EXPECT_EQ(state.cycleMinusCount, c.minus);
    }
}

TEST_F(Measurement, NegativeThresholdIsComparedSigned) {
    EXPECT_EQ(static_cast<uint8_t>(state.cycleMinusThreshold), 0xCE);
    step_at(100);  // would be below 206 if the threshold widened unsigned
    EXPECT_EQ(state.cycleMinusCount, 0);
    EXPECT_EQ(state.cycleMinusLatched, 0);
}

TEST_F(Measurement, LatchSurvivesCounterResetSoTheExcursionIsNotCountedAgain) {
    step_at(60);
    EXPECT_EQ(state.cyclePlusCount, 1);
    reset_cycle_counters();
    EXPECT_EQ(state.cyclePlusLatched, 1);
    step_at(60);
    EXPECT_EQ(state.cyclePlusCount, 0);
    step_at(50);
    step_at(60);
    EXPECT_EQ(state.cyclePlusCount, 1);
}

TEST_F(Measurement, AlarmAndAcknowledgementClearTogether) {
    step_at(60);
    EXPECT_EQ(state.alarmActive, 1);
    state.alarmAcknowledged = 1;
    step_at(70);
    EXPECT_EQ(state.alarmActive, 1);
    EXPECT_EQ(state.alarmAcknowledged, 1);  // stays acknowledged while beyond
    step_at(0);
    EXPECT_EQ(state.alarmActive, 0);
    EXPECT_EQ(state.alarmAcknowledged, 0);
    step_at(-60);
    EXPECT_EQ(state.alarmActive, 1);
    EXPECT_EQ(state.alarmAcknowledged, 0);  // a new excursion is unacknowledged
}

TEST_F(Measurement, AdcReadChannels) {
    state.adcInputY = 11;
    state.adcInputZ = 22;
    EXPECT_EQ(adc_read(0), 11);
    EXPECT_EQ(adc_read(1), 22);
    EXPECT_EQ(adc_read(2), 11);
    EXPECT_EQ(adc_read(255), 11);
}

TEST_F(Measurement, PostKeyFillsOnlyAnEmptySlot) {
    post_key(KEY_F2);
    post_key(KEY_F1);
    EXPECT_EQ(state.keyEvent, KEY_F2);
    state.keyEvent = KEY_NONE;
    post_key(KEY_SELECT);
    EXPECT_EQ(state.keyEvent, KEY_SELECT);
}

// --- Calibration -------------------------------------------------------------------------------

TEST_F(Measurement, CalibrationWorkedExample) {
    settle(2029, 2012);  // the 1 g orientation
    calibrate_1g();
    EXPECT_EQ(state.zeroY, 2029);
    EXPECT_EQ(state.scaleZ, 90);
    EXPECT_EQ(settle(2029, 2012), 10);

    settle(2112, 2087);  // the 0 g orientation
    calibrate_0g();
    EXPECT_EQ(state.zeroZ, 2087);
    EXPECT_EQ(state.scaleY, 207);
    EXPECT_EQ(settle(2112, 2087), -10);
    EXPECT_EQ(settle(2029, 2012), 21);  // scaleZ still against the old zeroZ

    calibrate_1g();
    EXPECT_EQ(state.scaleZ, 187);
    EXPECT_EQ(settle(2029, 2012), 10);
    EXPECT_EQ(settle(2112, 2087), -10);
}

TEST_F(Measurement, ScaleIsTwoAndAHalfTimesTheDeflectionRoundedDown) {
    struct Case {
        int32_t deflection, scale;
    };
    const Case cases[] = {{-36, 90}, {36, 90}, {0, 0}, {1, 2}, {-1, 2}, {3, 7}, {83, 207}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deflection);
        state.adcZ = state.zeroZ + c.deflection;
        state.adcY = 1234;
        calibrate_1g();
        EXPECT_EQ(state.scaleZ, c.scale);
        EXPECT_EQ(state.zeroY, 1234);
        EXPECT_EQ(state.zeroZ, 2048);
        EXPECT_EQ(state.scaleY, 1000);

        state.adcY = state.zeroY + c.deflection;
        state.adcZ = 777;
        calibrate_0g();
        EXPECT_EQ(state.scaleY, c.scale);
        EXPECT_EQ(state.zeroZ, 777);
        EXPECT_EQ(state.zeroY, 1234);
        SetUp();
    }
}

TEST_F(Measurement, PresetsWithDefaultCalibration) {
    struct Case {
        const char* preset;
        int32_t y, z, g;
    };
    const Case cases[] = {{"1G", 2029, 2012, 1},
                          {"0G", 2112, 2087, -2},
                          {"Left", 2030, 2090, -1},
                          {"Right", 2029, 2089, -1},
                          {"Down", 2031, 2167, -3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preset);
        EXPECT_EQ(settle(c.y, c.z), c.g);
    }
}

TEST_F(Measurement, PresetsAfterCalibratingThreeTimes) {
    settle(2029, 2012);
    calibrate_1g();
    settle(2112, 2087);
    calibrate_0g();
    settle(2029, 2012);
    calibrate_1g();
    EXPECT_EQ(state.zeroY, 2029);
    EXPECT_EQ(state.scaleY, 207);
    EXPECT_EQ(state.zeroZ, 2087);
    EXPECT_EQ(state.scaleZ, 187);
    struct Case {
        const char* preset;
        int32_t y, z, g;
    };
    const Case cases[] = {{"1G", 2029, 2012, 10},
                          {"0G", 2112, 2087, -10},
                          {"Left", 2030, 2090, 0},
                          {"Right", 2029, 2089, 0},
                          {"Down", 2031, 2167, -11}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.preset);
        EXPECT_EQ(settle(c.y, c.z), c.g);
    }
}

// A scale of 0 comes from calibrating at zero deflection: that axis then reads 0 g, and the
// step goes on measuring the other axis.
TEST_F(Measurement, ZeroScaleAxisReadsZero) {
    state.scaleZ = 0;
    EXPECT_EQ(step(2048, 1000), 0);
    EXPECT_EQ(step(2448, 1000), -10);  // Y still counts; z = 0 gives the negative sign
    state.scaleY = 0;
    EXPECT_EQ(step(4096, 0), 0);
}

// Tiny scales push the sum of squares past 32 bits: the magnitude is still the exact integer
// square root, and nothing overflows.
TEST_F(Measurement, TinyScalesGiveTheExactMagnitude) {
    state.scaleY = 2;
    state.scaleZ = 2;
    // y = z = -2048 * 250 / 2 = -256000; m = floor(256000 * sqrt 2) = 362038.
    EXPECT_EQ(step(0, 0), 36204);
    EXPECT_EQ(step(4096, 4096), -36204);
    state.scaleY = 1;
    state.scaleZ = 1;
    state.zeroY = INT32_MIN;
    state.zeroZ = INT32_MIN;
    state.adcInputY = INT32_MAX;
    state.adcInputZ = INT32_MAX;
    for (int i = 0; i < 10; ++i) meas_update();
    EXPECT_LT(state.currentG, 0);
    EXPECT_GT(state.currentG, INT32_MIN);
}

}  // namespace
