// The instrument's screens. Each is a ScreenFn: it draws the whole frame, then reads keyEvent
// once, acts on a non-zero code and sets the slot back to 0.
#pragma once

#include "firmware/runtime/state.h"

// Every screen, once. Anything that needs all of them (declarations, names in test output,
// tables of screens) is derived from this list.
#define QV7_SCREEN_LIST(X)       \
    X(screen_main)               \
    X(screen_max_values)         \
    X(screen_reset_temp_max)     \
    X(screen_reset_cycles)       \
    X(screen_main_menu)          \
    X(screen_display_setup)      \
    X(screen_contrast)           \
    X(screen_gforce_setup)       \
    X(screen_zaxis_cal)          \
    X(screen_adc_values)         \
    X(screen_calibrate)          \
    X(screen_enter_current_code) \
    X(screen_enter_new_code)     \
    X(screen_confirm_new_code)   \
    X(screen_enter_reset_code)   \
    X(screen_msg_done)           \
    X(screen_msg_incorrect_code) \
    X(screen_msg_code_changed)

#define QV7_DECLARE_SCREEN(name) void name();
QV7_SCREEN_LIST(QV7_DECLARE_SCREEN)
#undef QV7_DECLARE_SCREEN

// Every screen with its name, for whatever needs them all (test output, tools, benchmarks).
struct ScreenInfo {
    ScreenFn fn;
    const char* name;
};
#define QV7_SCREEN_INFO(name) {name, #name},
inline constexpr ScreenInfo kScreenTable[] = {QV7_SCREEN_LIST(QV7_SCREEN_INFO)};
#undef QV7_SCREEN_INFO

// The name of a screen procedure; nullptr when fn is none of them.
constexpr const char* screen_name(ScreenFn fn) {
    for (const ScreenInfo& screen : kScreenTable)
        if (screen.fn == fn) return screen.name;
    return nullptr;
}

// The main display's drawing, shared by nothing but screen_main.
void draw_main_display();
