// A small fixture shared by the LCD suites: a fresh state per test and readable pixel access.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

#include "firmware/firmware.h"
#include "tests/host/frame_art.h"
#include "tests/host/headless_host.h"

namespace lcdtest {

using Pixel = std::pair<int, int>;  // (x, y)
using Frame = uint8_t[1024];

inline bool lit(const uint8_t* frame, int x, int y) {
    return (frame[(y / 8) * 128 + x] >> (y % 8)) & 1;
}

inline std::set<Pixel> lit_pixels(const uint8_t* frame) {
    std::set<Pixel> on;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 128; ++x)
            if (lit(frame, x, y)) on.insert({x, y});
    return on;
}

class LcdTest : public ::testing::Test {
protected:
    void SetUp() override { headless::reset_state(); }
    static uint8_t* fb() { return state.frameBuffer; }
    static bool px(int x, int y) { return lit(fb(), x, y); }
    static void all_on() { std::memset(fb(), 0xFF, 1024); }
    static std::set<Pixel> lit_now() { return lit_pixels(fb()); }
    // Runs `draw` on a cleared frame and returns the art of the result, leaving the frame as it
    // was before: for expectations built from other drawing calls.
    template <typename Draw>
    static std::string art_of(Draw draw) {
        uint8_t saved[1024];
        std::memcpy(saved, fb(), 1024);
        lcd_clear();
        draw();
        std::string art = frame_to_art(fb());
        std::memcpy(fb(), saved, 1024);
        return art;
    }
    static std::string art() { return frame_to_art(fb()); }
};

}  // namespace lcdtest
