#include <cmath>
#include <cstdint>

#include "firmware/firmware.h"

namespace {

// One axis in hundredths of g: (sample - zero) * 250 / scale, multiplied before dividing and
// truncated toward zero. The product is formed in 64 bits so that no input can overflow it;
// wherever the 32-bit product exists the result is the same. A scale of 0 (a calibration taken
// at zero deflection) leaves the axis uncalibrated: it reads 0 g instead of dividing by zero.
int64_t axis_component(int32_t sample, int32_t zero, int32_t scale) {
    if (scale == 0) return 0;
    const int64_t deflection = static_cast<int64_t>(sample) - zero;
    return deflection * 250 / scale;
}

// The largest m with m * m <= sum. The square root is taken in double and truncated, which is
// exact below 2^31 (the range the 32-bit sum of squares allows); above it, tiny scales can
// produce sums up to 2^63, where the double may be off by one and is corrected in integers.
uint64_t integer_sqrt(uint64_t sum) {
    auto m = static_cast<uint64_t>(std::sqrt(static_cast<double>(sum)));
    while (m > 0 && m * m > sum) --m;
    while ((m + 1) * (m + 1) <= sum) ++m;
    return m;
}

// |c|, held below 2e9 hundredths of g so that the sum of two squares stays below 2^63. Only
// inputs far outside 0..4096 combined with a scale of a few counts come near that bound.
uint64_t saturated_magnitude(int64_t c) {
    constexpr int64_t kLimit = 2'000'000'000;
    if (c < 0) c = -c;
    return static_cast<uint64_t>(c < kLimit ? c : kLimit);
}

// Counts an excursion once, in the step in which G first goes beyond the threshold.
bool count_excursion(bool beyond, uint8_t& latched, int32_t& count) {
    if (!beyond) {
        latched = 0;
        return false;
    }
    if (latched == 0) {
        latched = 1;
        // Wrapping increment: a counter is shown unsigned and never traps.
        count = static_cast<int32_t>(static_cast<uint32_t>(count) + 1u);
    }
    return true;
}

}  // namespace

void meas_update() {
    state.adcY = adc_read(0);
    state.adcZ = adc_read(1);

    const int64_t y = axis_component(state.adcY, state.zeroY, state.scaleY);
    const int64_t z = axis_component(state.adcZ, state.zeroZ, state.scaleZ);

    const uint64_t ay = saturated_magnitude(y);
    const uint64_t az = saturated_magnitude(z);
    const uint64_t m = integer_sqrt(ay * ay + az * az);

    // Tenths of g, halves rounded up.
    uint64_t t = m / 10 + (m % 10 >= 5 ? 1 : 0);
    // Only z decides the sign; z = 0 reads as negative.
    const int32_t sample = z < 0 ? static_cast<int32_t>(t) : -static_cast<int32_t>(t);

    for (int i = 0; i < 9; ++i) state.sampleWindow[i] = state.sampleWindow[i + 1];
    state.sampleWindow[9] = sample;

    int64_t sum = 0;
    for (int32_t entry : state.sampleWindow) sum += entry;
    state.currentG = static_cast<int32_t>(sum / 10);

    if (state.currentG > state.maxGPlus) state.maxGPlus = state.currentG;
    if (state.currentG > state.tempMaxGPlus) state.tempMaxGPlus = state.currentG;
    if (state.currentG < state.maxGMinus) state.maxGMinus = state.currentG;
    if (state.currentG < state.tempMaxGMinus) state.tempMaxGMinus = state.currentG;

    const bool plus = count_excursion(state.currentG > state.cyclePlusThreshold,
                                      state.cyclePlusLatched, state.cyclePlusCount);
    const bool minus = count_excursion(state.currentG < state.cycleMinusThreshold,
                                       state.cycleMinusLatched, state.cycleMinusCount);
    if (plus || minus) {
        state.alarmActive = 1;
    } else {
        state.alarmActive = 0;
        state.alarmAcknowledged = 0;
    }
}
