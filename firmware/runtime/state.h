// The instrument's one state record. Every lasting value of the instrument lives here, in one
// statically allocated object that is all zero at program start.
#pragma once

#include <cstdint>

// A screen: draws one whole frame into frameBuffer, then consumes keyEvent.
using ScreenFn = void (*)();

// Key codes held in the one-key slot keyEvent.
constexpr uint8_t KEY_NONE = 0;    // slot empty
constexpr uint8_t KEY_SELECT = 1;  // knob pressed
constexpr uint8_t KEY_CW = 2;      // knob turned clockwise
constexpr uint8_t KEY_CCW = 3;     // knob turned anticlockwise
constexpr uint8_t KEY_F1 = 4;      // left key, up arrow
constexpr uint8_t KEY_F2 = 5;      // right key, down arrow

// Accepted by the ENTER CURRENT CODE screen whatever resetCode holds.
constexpr int32_t MASTER_CODE = 8130;

// A plain record on purpose: no constructors and no member defaults, so that the one instance
// is zero-initialised at program start and power-on decides what is reset.
struct InstrumentState {
    uint8_t menuCursor;
    uint8_t editMode;
    uint8_t codeDigits[4];
    int32_t pendingCode;
    uint8_t frameBuffer[1024];
    uint8_t keyEvent;
    uint8_t adjustStep;
    int32_t adcY;
    int32_t adcZ;
    int32_t cyclePlusCount;
    int32_t cycleMinusCount;
    int32_t maxGPlus;
    int32_t maxGMinus;
    int32_t tempMaxGPlus;
    int32_t tempMaxGMinus;
    int32_t currentG;
    uint8_t cyclePlusLatched;
    uint8_t cycleMinusLatched;
    int32_t sampleWindow[10];
    int32_t adcInputY;
    int32_t adcInputZ;
    uint8_t contrast;
    uint8_t backlightOn;
    uint8_t gSpan;
    int8_t cyclePlusThreshold;  // signed: -50 is the byte 0xCE and must never widen to 206
    int8_t cycleMinusThreshold;
    int32_t zeroY;
    int32_t scaleY;
    int32_t zeroZ;
    int32_t scaleZ;
    int32_t resetCode;
    uint8_t language;  // 0 English, 1 French
    ScreenFn currentScreen;
    ScreenFn returnScreen;
    uint8_t alarmActive;
    uint8_t calibrateMenuEnabled;
    uint8_t alarmAcknowledged;
    uint8_t powerOffRequested;
};

extern InstrumentState state;

// Defaults and resets, each performing its steps in a fixed order (hooks included).
void load_default_settings();
void load_default_calibration();
void reset_max_values();
void reset_cycle_counters();
