// Measurement: ADC samples to a filtered G value with its statistics, and calibration.
#pragma once

// One measurement step: sample, compute G, filter, extremes, cycle counting, alarm.
void meas_update();

// In the 1 g orientation: zeroY from the Y sample, scaleZ from the Z deflection.
void calibrate_1g();
// In the 0 g orientation: zeroZ from the Z sample, scaleY from the Y deflection.
void calibrate_0g();
