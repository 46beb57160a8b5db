// A fuzz input read as one session at the instrument: the host's handlers (keys, raw key codes,
// sliders, switches, calibration buttons, ON, OFF) run from inside pump_events while the
// instrument is on, and straight after each other while it is off.
//
// Input format, one op after another (argument bytes past the end read as 0):
//   op byte: low four bits the op; bit 7 set chains the next op into the same pump_events (two
//   keys between passes, a slider move and a calibration); bits 4 to 6 are ignored.
//    0 key <b>        post_key(1 + b % 5)
//    1 raw key <b>    keyEvent = b, written straight into the slot, any value 0..255
//    2 slider Y <lo> <hi>   the Y input becomes (lo + 256 hi) % 4097
//    3 slider Z <lo> <hi>   the Z input likewise
//    4 Calibrate switch flipped
//    5 KeyFast switch flipped
//    6 calibrate_1g (the window's 1 g button)
//    7 calibrate_0g
//    8 ON: starts a run while off, restarts the instrument while on
//    9 OFF
//   10 idle <n>       the next n pumps run no op (80 get through a splash)
//   11 near zero Y <d> the Y input becomes 2048 + d (d signed): zero and tiny deflections
//   12 near zero Z <d> the Z input likewise
//   13..15            nothing (an idle pump)
// When the input is used up, or after kMaxPumps pumps, OFF is pressed and the session ends.
#pragma once

#include <cstddef>
#include <cstdint>

namespace fuzz {

// What the window's controls hold; the host operations read it.
struct Inputs {
    int32_t y = 2048;
    int32_t z = 2048;
    bool calibrateSwitch = false;
    bool keyfastSwitch = false;
};
extern Inputs inputs;

// Bounds the frames one input can run, to keep each execution short: a splash is 80 pumps.
constexpr int kMaxPumps = 1500;

// Plays one input from program start: the instrument state all zero, the controls at rest.
void play_session(const uint8_t* data, size_t size);

// Runs the handlers of this pump_events (called by the fuzz host's pump_events).
void on_pump();

}  // namespace fuzz
