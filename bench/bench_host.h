// The host for the firmware benchmarks: inputs at rest, nothing shown, and pump_events calling a
// plain function that the benchmark sets, so that a benchmark can script a run from inside it.
#pragma once

namespace bench {

// Called by every pump_events; nullptr does nothing.
extern void (*onPump)();

}  // namespace bench
