#include "firmware/firmware.h"

void load_default_settings() {
    state.contrast = 32;
    contrast_changed_hook();
    state.backlightOn = 1;
    backlight_on_hook();
    state.gSpan = 6;
    state.cyclePlusThreshold = 50;
    state.cycleMinusThreshold = -50;
    state.language = 0;
}

void load_default_calibration() {
    state.zeroY = 2048;
    state.scaleY = 1000;
    state.zeroZ = 2048;
    state.scaleZ = 1000;
    settings_changed_hook();
}

void reset_max_values() {
    state.maxGPlus = state.currentG;
    state.maxGMinus = state.currentG;
    max_values_reset_hook();
}

// Leaves the latches alone: an excursion in progress is not counted again.
void reset_cycle_counters() {
    state.cyclePlusCount = 0;
    state.cycleMinusCount = 0;
    cycle_counters_reset_hook();
}
