// One whole pass on every screen, in English and in French: the measurement step, the clear and
// the screen procedure, as the frame loop runs them (present_frame is measured on its own).
#include <benchmark/benchmark.h>

#include <cstring>

#include "firmware/firmware.h"

namespace {

// A busy instrument rather than a blank one: inputs away from rest (about -2.5 g with a
// sideways component), filled counters and maxima, every menu entry enabled, a code set.
void set_up(ScreenFn screen, uint8_t language) {
    std::memset(&state, 0, sizeof state);
    load_default_settings();
    load_default_calibration();
    state.language = language;
    state.adjustStep = 1;
    state.calibrateMenuEnabled = 1;
    state.adcInputY = 2448;
    state.adcInputZ = 2948;
    for (int i = 0; i < 10; ++i) meas_update();
    state.cyclePlusCount = 123456;
    state.cycleMinusCount = 7890;
    state.tempMaxGPlus = 87;
    state.tempMaxGMinus = -125;
    state.maxGPlus = 93;
    state.maxGMinus = -131;
    state.resetCode = 4321;
    state.codeDigits[0] = 4;
    state.codeDigits[1] = 3;
    state.currentScreen = screen;
    state.returnScreen = screen_main;
}

void bm_pass(benchmark::State& st, ScreenFn screen, uint8_t language) {
    set_up(screen, language);
    for (auto _ : st) {
        meas_update();
        lcd_clear();
        screen();
        benchmark::DoNotOptimize(state.frameBuffer);
        benchmark::ClobberMemory();
    }
    // No key was posted, so the screen stayed where it was.
    if (state.currentScreen != screen) st.SkipWithError("the screen switched without a key");
}

const bool registered = [] {
    for (const ScreenInfo& s : kScreenTable) {
        for (uint8_t language : {0, 1}) {
            const std::string name =
                std::string("pass/") + s.name + (language == 0 ? "/en" : "/fr");
            benchmark::RegisterBenchmark(name.c_str(), bm_pass, s.fn, language);
        }
    }
    return true;
}();

}  // namespace
