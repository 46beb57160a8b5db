#include "firmware/firmware.h"

// Empty in this system. Weak, so that a host or a test can supply its own definitions.
__attribute__((weak)) void settings_changed_hook() {}
__attribute__((weak)) void contrast_changed_hook() {}
__attribute__((weak)) void backlight_on_hook() {}
__attribute__((weak)) void backlight_off_hook() {}
__attribute__((weak)) void alarm_led_on_hook() {}
__attribute__((weak)) void alarm_led_off_hook() {}
__attribute__((weak)) void max_values_reset_hook() {}
__attribute__((weak)) void cycle_counters_reset_hook() {}
__attribute__((weak)) void power_on_hook_1() {}
__attribute__((weak)) void power_on_hook_2() {}
