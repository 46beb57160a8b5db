#include "fuzz/fuzz_invariants.h"

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "firmware/firmware.h"

namespace fuzz {

namespace {

// The highest menuCursor each screen that reads it can be shown with: list rows, menu entries
// or code digits. The main menu keeps entries 3 and 4 reachable from the last frame in which the
// Calibrate switch was on, so its bound does not depend on the switch. Screens not listed do not
// read the cursor and may hold any value it was left with.
struct CursorBound {
    ScreenFn fn;
    int highest;
};
constexpr CursorBound kCursorBounds[] = {
    {screen_main_menu, 4},      {screen_display_setup, 3},    {screen_gforce_setup, 5},
    {screen_adc_values, 0},     {screen_calibrate, 2},        {screen_enter_current_code, 3},
    {screen_enter_new_code, 3}, {screen_confirm_new_code, 3}, {screen_enter_reset_code, 3},
};

// Screens that leave through returnScreen: it must hold a screen whenever one of them is shown.
constexpr ScreenFn kReturningScreens[] = {screen_msg_done, screen_msg_incorrect_code,
                                          screen_msg_code_changed, screen_zaxis_cal};

// The state as it was right before the pass cleared the frame and ran its screen (after the
// measurement step), and the screen that ran.
InstrumentState before;
ScreenFn ran = nullptr;

// Every field but the framebuffer and the key slot (checked on their own), and whether a screen
// may write it when it handles a key. A screen writes nothing without a key or with a code above
// 5. Fields that no screen writes must never change while a frame is drawn: the framebuffer lies
// inside the state record, so a drawing routine that strays past it corrupts a neighbour without
// any sanitizer noticing.
struct Field {
    const char* name;
    size_t offset;
    size_t size;
    bool writtenOnKeys;
};
#define QV7_FIELD(f, writtenOnKeys) \
    { #f, offsetof(InstrumentState, f), sizeof(InstrumentState::f), writtenOnKeys }
constexpr Field kFields[] = {
    QV7_FIELD(menuCursor, true),
    QV7_FIELD(editMode, true),
    QV7_FIELD(codeDigits, true),
    QV7_FIELD(pendingCode, true),
    QV7_FIELD(adjustStep, false),
    QV7_FIELD(adcY, false),
    QV7_FIELD(adcZ, false),
    QV7_FIELD(cyclePlusCount, true),
    QV7_FIELD(cycleMinusCount, true),
    QV7_FIELD(maxGPlus, true),
    QV7_FIELD(maxGMinus, true),
    QV7_FIELD(tempMaxGPlus, true),
    QV7_FIELD(tempMaxGMinus, true),
    QV7_FIELD(currentG, false),
    QV7_FIELD(cyclePlusLatched, false),
    QV7_FIELD(cycleMinusLatched, false),
    QV7_FIELD(sampleWindow, false),
    QV7_FIELD(adcInputY, false),
    QV7_FIELD(adcInputZ, false),
    QV7_FIELD(contrast, true),
    QV7_FIELD(backlightOn, true),
    QV7_FIELD(gSpan, true),
    QV7_FIELD(cyclePlusThreshold, true),
    QV7_FIELD(cycleMinusThreshold, true),
    QV7_FIELD(zeroY, true),
    QV7_FIELD(scaleY, true),
    QV7_FIELD(zeroZ, true),
    QV7_FIELD(scaleZ, true),
    QV7_FIELD(resetCode, true),
    QV7_FIELD(language, true),
    QV7_FIELD(currentScreen, true),
    QV7_FIELD(returnScreen, true),
    QV7_FIELD(alarmActive, false),
    QV7_FIELD(calibrateMenuEnabled, false),
    QV7_FIELD(alarmAcknowledged, true),
    QV7_FIELD(powerOffRequested, false),
};
#undef QV7_FIELD

bool changed(const Field& f) {
    const auto* then = reinterpret_cast<const unsigned char*>(&before) + f.offset;
    const auto* now = reinterpret_cast<const unsigned char*>(&state) + f.offset;
    return std::memcmp(then, now, f.size) != 0;
}

const char* name_of(ScreenFn fn) {
    const char* name = screen_name(fn);
    return name != nullptr ? name : "no screen";
}

[[noreturn]] void fail(const char* what, long value) {
    std::fprintf(stderr, "\nINVARIANT BROKEN after a pass drawn by %s, now on %s: %s (value %ld)\n",
                 name_of(ran), name_of(state.currentScreen), what, value);
    std::abort();
}

[[noreturn]] void fail_field(const char* field, const char* what) {
    std::fprintf(stderr,
                 "\nINVARIANT BROKEN after a pass drawn by %s, now on %s: %s: %s (key code %d)\n",
                 name_of(ran), name_of(state.currentScreen), field, what, before.keyEvent);
    std::abort();
}

void expect(bool holds, const char* what, long value) {
    if (!holds) fail(what, value);
}

void expect_flag(uint8_t flag, const char* name) {
    if (flag > 1) fail(name, flag);
}

}  // namespace

void note_before_drawing() {
    std::memcpy(&before, &state, sizeof before);
    ran = state.currentScreen;
}

void check_after_pass() {
    expect(screen_name(state.currentScreen) != nullptr,
           "currentScreen is one of the eighteen screens",
           reinterpret_cast<long>(state.currentScreen));

    expect(state.keyEvent == KEY_NONE, "keyEvent is 0 once the screen ran", state.keyEvent);

    const bool keyHandled = before.keyEvent >= KEY_SELECT && before.keyEvent <= KEY_F2;
    for (const Field& f : kFields) {
        if (!changed(f)) continue;
        if (!f.writtenOnKeys) fail_field(f.name, "no screen writes it, yet the pass changed it");
        if (!keyHandled)
            fail_field(f.name, before.keyEvent == KEY_NONE
                                   ? "changed in a pass without a key"
                                   : "changed by a key code above 5, which must have no effect");
    }

    expect_flag(state.editMode, "editMode is 0 or 1");
    expect_flag(state.cyclePlusLatched, "cyclePlusLatched is 0 or 1");
    expect_flag(state.cycleMinusLatched, "cycleMinusLatched is 0 or 1");
    expect_flag(state.backlightOn, "backlightOn is 0 or 1");
    expect_flag(state.language, "language is 0 or 1");
    expect_flag(state.alarmActive, "alarmActive is 0 or 1");
    expect_flag(state.calibrateMenuEnabled, "calibrateMenuEnabled is 0 or 1");
    expect_flag(state.alarmAcknowledged, "alarmAcknowledged is 0 or 1");
    expect_flag(state.powerOffRequested, "powerOffRequested is 0 or 1");

    expect(state.adjustStep == 1 || state.adjustStep == 10, "adjustStep is 1 or 10",
           state.adjustStep);
    expect(state.contrast % 2 == 0 && state.contrast <= 62, "contrast is even within 0..62",
           state.contrast);
    expect(state.gSpan >= 2 && state.gSpan <= 12, "gSpan is within 2..12", state.gSpan);
    expect(state.cyclePlusThreshold >= 1 && state.cyclePlusThreshold <= 120,
           "cyclePlusThreshold is within 1..120", state.cyclePlusThreshold);
    expect(state.cycleMinusThreshold >= -120 && state.cycleMinusThreshold <= 0,
           "cycleMinusThreshold is within -120..0", state.cycleMinusThreshold);

    for (uint8_t digit : state.codeDigits)
        expect(digit <= 9, "every code digit is within 0..9", digit);
    expect(state.pendingCode >= 0 && state.pendingCode <= 9999, "pendingCode is within 0..9999",
           state.pendingCode);
    expect(state.resetCode >= 0 && state.resetCode <= 9999, "resetCode is within 0..9999",
           state.resetCode);

    for (const CursorBound& b : kCursorBounds)
        if (b.fn == state.currentScreen)
            expect(state.menuCursor <= b.highest, "menuCursor is within the rows of the screen",
                   state.menuCursor);

    for (ScreenFn fn : kReturningScreens)
        if (fn == state.currentScreen)
            expect(screen_name(state.returnScreen) != nullptr,
                   "returnScreen holds a screen while a screen that returns to it is shown",
                   reinterpret_cast<long>(state.returnScreen));
}

}  // namespace fuzz
