#include "fuzz/fuzz_invariants.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "firmware/firmware.h"

namespace fuzz {

namespace {

struct Screen {
    ScreenFn fn;
    const char* name;
};

#define QV7_SCREEN_ENTRY(name) {name, #name},
constexpr Screen kScreens[] = {QV7_SCREEN_LIST(QV7_SCREEN_ENTRY)};
#undef QV7_SCREEN_ENTRY

const Screen* find_screen(ScreenFn fn) {
    for (const Screen& s : kScreens)
        if (s.fn == fn) return &s;
    return nullptr;
}

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

// Fields that no screen writes, taken before the clear and the screen ran. The framebuffer lies
// inside the state record, between fields that screens do write, so a drawing routine that
// strays past it corrupts a neighbour without any sanitizer noticing: these show it.
struct Untouched {
    uint8_t adjustStep;
    int32_t adcY;
    int32_t adcZ;
    int32_t currentG;
    int32_t sampleWindow[10];
    int32_t adcInputY;
    int32_t adcInputZ;
    uint8_t alarmActive;
    uint8_t calibrateMenuEnabled;
    uint8_t powerOffRequested;
    bool operator==(const Untouched&) const = default;
};
Untouched before;
ScreenFn ran = nullptr;  // the screen that drew the pass being checked

Untouched untouched_now() {
    Untouched u{};
    u.adjustStep = state.adjustStep;
    u.adcY = state.adcY;
    u.adcZ = state.adcZ;
    u.currentG = state.currentG;
    std::copy(std::begin(state.sampleWindow), std::end(state.sampleWindow), u.sampleWindow);
    u.adcInputY = state.adcInputY;
    u.adcInputZ = state.adcInputZ;
    u.alarmActive = state.alarmActive;
    u.calibrateMenuEnabled = state.calibrateMenuEnabled;
    u.powerOffRequested = state.powerOffRequested;
    return u;
}

const char* name_of(ScreenFn fn) {
    const Screen* s = find_screen(fn);
    return s != nullptr ? s->name : "no screen";
}

[[noreturn]] void fail(const char* what, long value) {
    std::fprintf(stderr, "\nINVARIANT BROKEN after a pass drawn by %s, now on %s: %s (value %ld)\n",
                 name_of(ran), name_of(state.currentScreen), what, value);
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
    before = untouched_now();
    ran = state.currentScreen;
}

void check_after_pass() {
    expect(find_screen(state.currentScreen) != nullptr,
           "currentScreen is one of the eighteen screens",
           reinterpret_cast<long>(state.currentScreen));

    expect(state.keyEvent == KEY_NONE, "keyEvent is 0 once the screen ran", state.keyEvent);

    const Untouched after = untouched_now();
    expect(before == after, "the clear and the screen left alone the fields no screen writes", 0);

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
            expect(find_screen(state.returnScreen) != nullptr,
                   "returnScreen holds a screen while a screen that returns to it is shown",
                   reinterpret_cast<long>(state.returnScreen));
}

}  // namespace fuzz
