// A fixture for the screens in the style of a keyboard firmware's scan-loop tests: post a key,
// run a frame, look at the screen and the state.
//
//   press(KEY_F2);
//   frame();
//   EXPECT_SCREEN(screen_reset_temp_max);
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "firmware/firmware.h"
#include "tests/host/headless_host.h"

namespace screen_test {

// The name of a screen procedure for test output.
inline std::string screen_name(ScreenFn fn) {
    if (const char* name = ::screen_name(fn)) return name;
    return fn == nullptr ? "(no screen)" : "(not a screen)";
}

class ScreenTest : public ::testing::Test {
protected:
    // The instrument just after power-on, on the main display, level (both inputs 2048, G 0).
    void SetUp() override {
        headless::reset_state();
        headless::reset_host();
        load_default_settings();
        load_default_calibration();
        state.adcInputY = 2048;
        state.adcInputZ = 2048;
        state.adjustStep = 1;
        state.currentScreen = screen_main;
        clear_hook_counts();
    }

    // Posts a key the way the host does: only into an empty slot.
    static void press(uint8_t key) { post_key(key); }

    // One pass of the frame loop as far as the screens are concerned.
    static void frame() {
        meas_update();
        lcd_clear();
        state.currentScreen();
    }

    // A key and the frame that handles it.
    static void key(uint8_t code) {
        press(code);
        frame();
    }

    // Opens a screen the way the main menu does: first row highlighted, not editing.
    static void open(ScreenFn screen) {
        state.currentScreen = screen;
        state.menuCursor = 0;
        state.editMode = 0;
    }

    // Moves a list's highlight down to the row with as many next-row keys as it takes.
    static void go_to_row(uint8_t row) {
        while (state.menuCursor < row) key(KEY_CW);
    }

    // Frames without a key: lets the ten-entry filter settle on new inputs.
    static void settle(int frames = 10) {
        for (int i = 0; i < frames; ++i) frame();
    }

    static int hook_calls(headless::Hook hook) { return headless::host.hookCalls[hook]; }
    static void clear_hook_counts() {
        for (int& count : headless::host.hookCalls) count = 0;
    }

    // The code digits as one value, thousands first.
    static int entered_digits() {
        const uint8_t* d = state.codeDigits;
        return d[0] * 1000 + d[1] * 100 + d[2] * 10 + d[3];
    }
};

}  // namespace screen_test

// Compares by name, so a failure reads "screen_main_menu" rather than an address.
#define EXPECT_SCREEN(fn)                                      \
    EXPECT_EQ(::screen_test::screen_name(state.currentScreen), \
              ::screen_test::screen_name(static_cast<ScreenFn>(fn)))
#define ASSERT_SCREEN(fn)                                      \
    ASSERT_EQ(::screen_test::screen_name(state.currentScreen), \
              ::screen_test::screen_name(static_cast<ScreenFn>(fn)))
