// Internal to the run loop: shared by run_instrument and the splash.
#pragma once

// True once ON was pressed again inside the latest pump_events: the running loop must start
// over from the power-on sequence instead of going on.
bool restart_pending();

// The 80-frame splash. Returns false as soon as a restart is pending after one of its frames.
bool play_splash();
