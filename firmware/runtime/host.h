// The narrow interface between the instrument logic and whatever hosts it.
#pragma once

#include <cstdint>

// Offered by the instrument to the host.

// Stores code into keyEvent only when the slot is empty; otherwise the key is lost.
void post_key(uint8_t code);
// Channel 1 is the Z input; every other channel is the Y input. No scaling or clamping.
int32_t adc_read(uint8_t channel);
// ON: power-on sequence, splash, warm-up, then the frame loop until OFF.
void run_instrument();

// Offered by the host to the run loop. The firmware declares these and never defines them;
// every executable that links the firmware library supplies all eight.
int32_t read_input_y();
int32_t read_input_z();
bool read_calibrate_switch();
bool read_keyfast_switch();
void set_alarm_led(bool lit);
void set_lcd_visible(bool visible);
void present_frame();
void pump_events();
