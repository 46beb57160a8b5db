// One splash frame, as run_instrument draws it: the whole 80-frame animation is run through the
// firmware's own splash, one benchmark iteration per frame, from inside pump_events. At the
// 80th frame ON is pressed again, which restarts the instrument in place and plays the splash
// from its first frame, so every frame of the animation is measured equally often.
#include <benchmark/benchmark.h>

#include <cstring>

#include "bench/bench_host.h"
#include "firmware/firmware.h"

namespace {

benchmark::State* current = nullptr;
bool timing = false;
int frame = 0;

void on_splash_pump() {
    if (!timing) return;  // OFF pressed: the rest of the splash and the warm-up are not timed
    if (!current->KeepRunning()) {
        timing = false;
        state.powerOffRequested = 1;
        return;
    }
    if (++frame == 80) {
        frame = 0;
        run_instrument();  // ON while on
    }
}

void bm_splash_frame(benchmark::State& st) {
    std::memset(&state, 0, sizeof state);
    current = &st;
    timing = true;
    frame = 0;
    bench::onPump = on_splash_pump;
    run_instrument();
    bench::onPump = nullptr;
    current = nullptr;
}
BENCHMARK(bm_splash_frame)->Name("splash_frame");

}  // namespace
