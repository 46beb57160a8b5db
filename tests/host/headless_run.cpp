#include "firmware/firmware.h"
#include "tests/host/headless_host.h"

namespace headless {

void run_passes(int passes) {
    constexpr int kSplashFrames = 80;
    int pumped = 0;
    auto previous = host.onPump;
    host.onPump = [&] {
        if (previous) previous();
        if (++pumped >= kSplashFrames + passes) state.powerOffRequested = 1;
    };
    run_instrument();
    host.onPump = previous;
}

}  // namespace headless
