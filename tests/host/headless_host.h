// A host without a window: inputs and switches are plain variables, the LED and the LCD view
// are recorded, present_frame keeps a copy of the frame, and pump_events runs a callback that
// the test supplies, so a test can script clicks, slider moves and switch changes between passes.
// It also defines the ten hooks, counting their calls.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace headless {

enum Hook : int {
    kSettingsChanged,
    kContrastChanged,
    kBacklightOn,
    kBacklightOff,
    kAlarmLedOn,
    kAlarmLedOff,
    kMaxValuesReset,
    kCycleCountersReset,
    kPowerOn1,
    kPowerOn2,
    kHookCount
};

struct Host {
    // Inputs, as the window's controls would give them.
    int32_t inputY = 2048;
    int32_t inputZ = 2048;
    bool calibrateSwitch = false;
    bool keyfastSwitch = false;

    // What the instrument showed. The LED starts red, as the window's does.
    bool ledLit = true;
    int ledSets = 0;
    bool lcdVisible = true;
    uint8_t frame[1024] = {};
    int framesPresented = 0;
    int pumps = 0;

    // Runs inside every pump_events.
    std::function<void()> onPump;

    int hookCalls[kHookCount] = {};

    // With recording on, every host operation and hook appends its name (allocates: keep it off
    // where allocations are counted).
    bool recording = false;
    std::vector<std::string> calls;
};

extern Host host;

// Back to a fresh host: inputs 2048, switches off, counters and log cleared, no callback.
void reset_host();

// Zeroes the instrument state, as at program start.
void reset_state();

// Runs the instrument until `passes` pumps have happened after the splash and warm-up, then
// presses OFF. The splash's 80 pumps are not counted.
void run_passes(int passes);

}  // namespace headless
