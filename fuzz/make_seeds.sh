#!/usr/bin/env bash
# Writes the seed corpus in fuzz/corpus/: a few short sessions that reach every screen, written
# as ops (format in fuzz_session.h) so that they read as what a user does. Run it again after
# changing a seed here; the fuzzer finds the rest.
set -euo pipefail
out="$(cd "$(dirname "$0")" && pwd)/corpus"
mkdir -p "$out"

ON='\x08' OFF='\x09'
SEL='\x00\x00' CW='\x00\x01' CCW='\x00\x02' F1='\x00\x03' F2='\x00\x04'
SPLASH='\x0a\x50'                      # idle through the 80 splash frames
CAL_SWITCH='\x04' FAST_SWITCH='\x05'
CAL_1G='\x06' CAL_0G='\x07'
idle() { printf '\\x0a\\x%02x' "$1"; }
near_zero_y() { printf '\\x0b\\x%02x' $(($1 & 255)); }
near_zero_z() { printf '\\x0c\\x%02x' $(($1 & 255)); }
seed() { printf "$2" >"$out/$1"; }

# Main display, both reset screens, MAX VALUES' reset without a code, an alarm acknowledged
# (Z at 0 reads +5.1 g, beyond the +5.0 g threshold).
seed main_and_resets "$ON$SPLASH$F2$F1$F1$F1$F1$F2$CW$F1$SEL$(printf '\\x03\\x00\\x00')$(idle 12)$SEL$SEL$F2$SEL"
# Main menu into DISPLAY SETUP: contrast to its top, backlight and language flipped, French.
seed display_setup "$ON$SPLASH$SEL$CW$SEL$CW$SEL$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$SEL$CW$SEL$CW$SEL$CW$SEL$CW$SEL$F2$SEL$F1$F1$F1$SEL$SEL"
# G-FORCE SETUP with KeyFast: span and both thresholds wrapped, Z-AXIS CAL trimmed.
seed gforce_setup "$ON$SPLASH$FAST_SWITCH$SEL$CW$CW$SEL$CW$SEL$CW$CW$CW$CW$CW$CW$CW$SEL$CW$SEL$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$CW$SEL$CW$SEL$CCW$CCW$CCW$CCW$CCW$CCW$CCW$CCW$CCW$CCW$CCW$CCW$SEL$CW$SEL$F1$F1$F2$SEL$SEL"
# A code set through the change flow (1000), replaced with the master code 8130 and a failed
# confirmation, then asked for by MAX VALUES' reset: right, then wrong.
seed code_flow "$ON$SPLASH$SEL$CW$CW$SEL$F2$F2$F2$F2$F2$SEL$SEL$SEL$SEL$SEL$CW$SEL$SEL$SEL$SEL$CW$SEL$SEL$SEL$SEL$SEL$SEL$CCW$CCW$SEL$CW$SEL$CW$CW$CW$SEL$SEL$CW$CW$SEL$SEL$SEL$SEL$SEL$SEL$SEL$SEL$SEL$F1$F1$F1$F1$F1$SEL$F1$F1$SEL$CW$F1$CW$SEL$SEL$SEL$SEL$SEL$CW$F1$SEL$SEL$SEL$SEL$SEL"
# Calibrate switch on: ADC VALUES, CALIBRATE at zero deflection, the 0 g button at a tiny one.
seed calibrate "$ON$CAL_SWITCH$SPLASH$SEL$CW$CW$CW$SEL$CW$SEL$CW$CW$CW$CW$SEL$CW$SEL$SEL$CW$SEL$SEL$(near_zero_y 3)$(idle 12)$CAL_0G$(idle 12)$CAL_1G$(idle 12)$CAL_SWITCH$CCW$CCW$SEL"
# Raw codes above 5 in the slot, ON while on (during the splash and in the loop), OFF, ON again.
seed restarts "$ON$(printf '\\x81\\xff')$ON$(idle 20)$ON$SPLASH$(printf '\\x01\\x06\\x01\\xc8')$SEL$(printf '\\x81\\x07')$ON$OFF$(printf '\\x00\\x00')$ON$(idle 90)$OFF"
