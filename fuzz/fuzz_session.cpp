#include "fuzz/fuzz_session.h"

#include <cstring>

#include "firmware/firmware.h"

namespace fuzz {

Inputs inputs;

namespace {

enum Op : uint8_t {
    kKey,
    kRawKey,
    kSliderY,
    kSliderZ,
    kCalibrateSwitch,
    kKeyfastSwitch,
    kCalibrate1g,
    kCalibrate0g,
    kOn,
    kOff,
    kIdle,
    kNearZeroY,
    kNearZeroZ,
};
constexpr uint8_t kChain = 0x80;
constexpr int32_t kInputMax = 4096;

struct Session {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    int idle = 0;
    int pumps = 0;

    bool at_end() const { return pos >= size || pumps >= kMaxPumps; }
    uint8_t byte() { return pos < size ? data[pos++] : 0; }
};
Session session;

// The window stores a slider's position into the state at once, and the run loop reads it
// again at every power-on.
void move_slider_y(int32_t value) {
    inputs.y = value;
    state.adcInputY = value;
}
void move_slider_z(int32_t value) {
    inputs.z = value;
    state.adcInputZ = value;
}
int32_t slider_position() {
    const int32_t lo = session.byte();
    const int32_t hi = session.byte();
    return (lo + 256 * hi) % (kInputMax + 1);
}
int32_t near_zero() {
    return 2048 + static_cast<int8_t>(session.byte());
}

// Runs one handler. Returns true when it was ON pressed while the instrument is off: the caller
// starts the run.
bool apply(uint8_t op, bool on) {
    switch (op) {
        case kKey:
            post_key(static_cast<uint8_t>(1 + session.byte() % 5));
            break;
        case kRawKey:
            state.keyEvent = session.byte();
            break;
        case kSliderY:
            move_slider_y(slider_position());
            break;
        case kSliderZ:
            move_slider_z(slider_position());
            break;
        case kCalibrateSwitch:
            inputs.calibrateSwitch = !inputs.calibrateSwitch;
            break;
        case kKeyfastSwitch:
            inputs.keyfastSwitch = !inputs.keyfastSwitch;
            break;
        case kCalibrate1g:
            calibrate_1g();
            break;
        case kCalibrate0g:
            calibrate_0g();
            break;
        case kOn:
            if (!on) return true;
            run_instrument();  // restarts in place and returns at once
            break;
        case kOff:
            state.powerOffRequested = 1;
            break;
        case kIdle:
            session.idle = session.byte();
            break;
        case kNearZeroY:
            move_slider_y(near_zero());
            break;
        case kNearZeroZ:
            move_slider_z(near_zero());
            break;
        default:
            break;
    }
    return false;
}

}  // namespace

void on_pump() {
    ++session.pumps;
    if (session.at_end()) {
        state.powerOffRequested = 1;
        return;
    }
    if (session.idle > 0) {
        --session.idle;
        return;
    }
    for (;;) {
        const uint8_t op = session.byte();
        apply(op & 0x0F, true);
        if ((op & kChain) == 0 || session.at_end()) break;
    }
}

void play_session(const uint8_t* data, size_t size) {
    std::memset(&state, 0, sizeof state);
    inputs = Inputs{};
    session = Session{data, size};
    // While the instrument is off the handlers run one after another, until ON starts a run.
    while (!session.at_end()) {
        if (apply(session.byte() & 0x0F, false)) run_instrument();
    }
}

}  // namespace fuzz
