// The frame loop allocates nothing: thousands of passes over every screen, with keys, switches
// and slider moves, while every heap allocation of the process is counted.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "firmware/firmware.h"
#include "tests/host/headless_host.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

constexpr int kScreenCount = sizeof kScreenTable / sizeof kScreenTable[0];

TEST(Allocations, NoneInThousandsOfPassesOverEveryScreen) {
    headless::reset_state();
    headless::reset_host();
    constexpr int kPasses = 6000;
    int pump = 0;
    // Set up before counting: the callback is stored once and only called afterwards.
    headless::host.onPump = [&pump] {
        ++pump;
        if (pump == 1) counting = true;
        if (pump > 80) {
            const int pass = pump - 80;
            if (pass % 12 == 0) state.currentScreen = kScreenTable[(pass / 12) % kScreenCount].fn;
            post_key(static_cast<uint8_t>(1 + pass % 5));
            headless::host.inputZ = 2048 - (pass % 400) * 10;
            state.adcInputZ = headless::host.inputZ;
            headless::host.calibrateSwitch = (pass / 50) % 2 == 0;
            headless::host.keyfastSwitch = (pass / 70) % 2 == 0;
            state.language = static_cast<uint8_t>((pass / 600) % 2);
        }
        if (pump == 80 + kPasses) state.powerOffRequested = 1;
    };
    run_instrument();
    counting = false;
    EXPECT_EQ(pump, 80 + kPasses);
    EXPECT_EQ(allocations, 0);
}

}  // namespace
