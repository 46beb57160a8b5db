// Hooks: called at fixed points of the instrument logic. The library's definitions are empty
// and weak, so a host or a test can replace any of them at link time.
#pragma once

void settings_changed_hook();
void contrast_changed_hook();
void backlight_on_hook();
void backlight_off_hook();
void alarm_led_on_hook();
void alarm_led_off_hook();
void max_values_reset_hook();
void cycle_counters_reset_hook();
void power_on_hook_1();
void power_on_hook_2();
