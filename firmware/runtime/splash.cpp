#include "firmware/firmware.h"
#include "firmware/runtime/runtime_i.h"

namespace {
constexpr const char* kMakerName = "KAVELDRUMSON";
constexpr const char* kModelName = "QV-7";
constexpr const char* kCalibrate = "CALIBRATE";
// The maker's web address: 17 capitals, on a reserved top-level domain that no company owns.
constexpr const char* kWebAddress = "KAVELDRUMSON.TEST";
constexpr const char* kVersion = "2.01";
constexpr uint8_t kNoInversion = 100;
}  // namespace

bool play_splash() {
    // Eight-bit counters, the two positions signed: the model name starts at -20, which the
    // text routines take as x = 236 and wrap past 255, so it slides in from the left edge.
    uint8_t framesLeft = 80;
    int8_t makerX = 114;
    int8_t modelX = -20;
    while (framesLeft != 0) {
        lcd_clear();
        lcd_text8_const(static_cast<uint8_t>(makerX), 5, kMakerName, 1, 0);
        if (makerX > 10) makerX = static_cast<int8_t>(makerX - 2);
        lcd_text8_centered_const(static_cast<uint8_t>(modelX), 28, kModelName, 1, 0);
        if (makerX < 88 && modelX < 57) modelX = static_cast<int8_t>(modelX + 2);
        if (state.calibrateMenuEnabled == 1)
            lcd_text5_centered_const(44, 46, kCalibrate, kNoInversion);
        lcd_text5_centered_const(57, 56, kWebAddress, kNoInversion);
        lcd_text5_const(85, 40, kVersion, kNoInversion);
        present_frame();
        pump_events();
        if (restart_pending()) return false;
        --framesLeft;
    }
    return true;
}
