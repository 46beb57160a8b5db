// The instrument's life: ON, splash, warm-up, the frame loop, OFF and restarts, driven through
// the headless host the way the window drives it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "firmware/firmware.h"
#include "tests/host/frame_art.h"
#include "tests/host/headless_host.h"

namespace {

using headless::host;
constexpr int kSplashFrames = 80;

class PowerCycle : public ::testing::Test {
protected:
    void SetUp() override {
        headless::reset_state();
        headless::reset_host();
    }
    // Runs ON with `script` called at every pump (1-based count) until it presses OFF.
    void run(std::function<void(int)> script) {
        int pump = 0;
        host.onPump = [&] { script(++pump); };
        run_instrument();
        host.onPump = nullptr;
    }
    static void off() { state.powerOffRequested = 1; }
};

TEST_F(PowerCycle, FirstOnEndsOnTheMainDisplayWithTheLedDark) {
    bool ledSetBeforeFirstPass = false;
    run([&](int pump) {
        if (pump <= kSplashFrames && host.ledSets != 0) ledSetBeforeFirstPass = true;
        if (pump == kSplashFrames + 1) off();
    });
    EXPECT_FALSE(ledSetBeforeFirstPass);
    EXPECT_EQ(state.currentScreen, screen_main);
    EXPECT_EQ(state.currentG, 0);
    EXPECT_FALSE(host.ledLit);
    EXPECT_EQ(host.ledSets, 1);
    EXPECT_TRUE(host.lcdVisible);
    EXPECT_EQ(host.framesPresented, kSplashFrames + 1);
}

TEST_F(PowerCycle, PowerOnLoadsDefaultsAndKeepsStatistics) {
    headless::run_passes(3);
    // A first run that the user changed in every way.
    state.contrast = 10;
    state.backlightOn = 0;
    state.gSpan = 12;
    state.cyclePlusThreshold = 7;
    state.cycleMinusThreshold = -7;
    state.language = 1;
    state.zeroY = 1;
    state.scaleY = 2;
    state.zeroZ = 3;
    state.scaleZ = 4;
    state.cyclePlusCount = 5;
    state.cycleMinusCount = 6;
    state.tempMaxGPlus = 70;
    state.tempMaxGMinus = -70;
    state.resetCode = 4321;
    state.currentG = 33;  // as the earlier run left it
    state.currentScreen = screen_main_menu;
    state.adjustStep = 10;

    bool checkedAtSplash = false;
    run([&](int pump) {
        if (pump == 1) {
            checkedAtSplash = true;
            EXPECT_EQ(state.maxGPlus, 33);
            EXPECT_EQ(state.maxGMinus, 33);
            EXPECT_EQ(state.adjustStep, 1);
            EXPECT_EQ(state.currentScreen, screen_main);
        }
        if (pump == kSplashFrames + 1) off();
    });
    EXPECT_TRUE(checkedAtSplash);
    EXPECT_EQ(state.contrast, 32);
    EXPECT_EQ(state.backlightOn, 1);
    EXPECT_EQ(state.gSpan, 6);
    EXPECT_EQ(state.cyclePlusThreshold, 50);
    EXPECT_EQ(state.cycleMinusThreshold, -50);
    EXPECT_EQ(state.language, 0);
    EXPECT_EQ(state.zeroY, 2048);
    EXPECT_EQ(state.scaleY, 1000);
    EXPECT_EQ(state.zeroZ, 2048);
    EXPECT_EQ(state.scaleZ, 1000);
    EXPECT_EQ(state.cyclePlusCount, 5);
    EXPECT_EQ(state.cycleMinusCount, 6);
    EXPECT_EQ(state.tempMaxGPlus, 70);
    EXPECT_EQ(state.tempMaxGMinus, -70);
    EXPECT_EQ(state.resetCode, 4321);
    EXPECT_EQ(state.currentScreen, screen_main);  // the first pass ran the main display
}

TEST_F(PowerCycle, PowerOnSequenceOrder) {
    host.recording = true;
    run([&](int) { off(); });
    const std::vector<std::string> first(host.calls.begin(), host.calls.begin() + 9);
    EXPECT_EQ(first, (std::vector<std::string>{
                         "read_input_y", "read_input_z", "max_values_reset_hook",
                         "contrast_changed_hook", "backlight_on_hook", "settings_changed_hook",
                         "power_on_hook_1", "power_on_hook_2", "present_frame"}));
}

TEST_F(PowerCycle, OnePassInOrder) {
    host.recording = true;
    state.keyEvent = KEY_NONE;
    run([&](int pump) {
        if (pump == kSplashFrames) host.calls.clear();
        if (pump == kSplashFrames + 1) off();
    });
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"alarm_led_off_hook",  // once, after the warm-up
                                        "read_calibrate_switch", "backlight_on_hook",
                                        "alarm_led_off_hook", "set_alarm_led(dark)",
                                        "read_keyfast_switch", "set_lcd_visible(false)",
                                        "present_frame", "set_lcd_visible(true)", "pump_events"}));
}

TEST_F(PowerCycle, LedFollowsTheAlarmAndItsAcknowledgement) {
    std::vector<bool> led;
    run([&](int pump) {
        if (pump <= kSplashFrames) return;
        led.push_back(host.ledLit);
        if (pump == kSplashFrames + 1) state.cyclePlusThreshold = -1;  // G 0 is now beyond it
        if (pump == kSplashFrames + 3) post_key(KEY_SELECT);           // acknowledges
        if (pump == kSplashFrames + 5) state.cyclePlusThreshold = 50;  // back inside
        if (pump == kSplashFrames + 7) off();
    });
    // The key is handled by the screen after the pass has set the LED: dark from the next pass.
    EXPECT_EQ(led, (std::vector<bool>{false, true, true, true, false, false, false}));
    EXPECT_EQ(state.currentScreen, screen_main);  // the acknowledging key opened nothing
}

// What the splash should show in frame n (1-based), drawn directly at the positions that the
// frame table gives, so that the counters are checked whatever the glyphs look like.
void draw_expected_splash(int n, bool calibrate) {
    int makerX = n <= 14 ? 114 - 2 * (n - 1) : (n <= 53 ? 86 - 2 * (n - 15) : 10);
    int modelX = n <= 14 ? -20 : (n <= 53 ? -18 + 2 * (n - 15) : 58);
    lcd_clear();
    lcd_text8(static_cast<uint8_t>(makerX), 5, "KAVELDRUMSON", 1, 0);
    lcd_text8_centered(static_cast<uint8_t>(modelX), 28, "QV-7", 1, 0);
    if (calibrate) lcd_text5_centered(44, 46, "CALIBRATE", 100);
    lcd_text5_centered(57, 56, "KAVELDRUMSON.TEST", 100);
    lcd_text5(85, 40, "2.01", 100);
}

bool any_lit(const uint8_t* frame, int x0, int x1, int y0, int y1) {
    for (int x = x0; x <= x1; ++x)
        for (int y = y0; y <= y1; ++y)
            if (frame[(y / 8) * 128 + x] & (1 << (y % 8))) return true;
    return false;
}

TEST_F(PowerCycle, SplashFramesFollowTheirCounters) {
    std::vector<std::vector<uint8_t>> frames;
    host.calibrateSwitch = true;  // never shown by a power-on splash
    run([&](int pump) {
        if (pump <= kSplashFrames) frames.emplace_back(host.frame, host.frame + 1024);
        if (pump == kSplashFrames) off();
    });
    ASSERT_EQ(frames.size(), 80u);
    uint8_t expected[1024];
    for (int n = 1; n <= 80; ++n) {
        SCOPED_TRACE(n);
        draw_expected_splash(n, false);
        std::memcpy(expected, state.frameBuffer, sizeof expected);
        ASSERT_EQ(frame_to_art(frames[n - 1].data()), frame_to_art(expected));
    }
    // Frame 1: of the maker name (rows 5..20) only columns 114..127 show; no model name yet
    // (its rows 28..38, above the version line).
    EXPECT_FALSE(any_lit(frames[0].data(), 0, 113, 5, 20));
    EXPECT_TRUE(any_lit(frames[0].data(), 114, 127, 5, 20));
    EXPECT_FALSE(any_lit(frames[0].data(), 0, 127, 28, 38));
    // The model name's last two columns first reach the screen in frame 17 (at columns 0..1).
    for (int n = 1; n <= 16; ++n) EXPECT_FALSE(any_lit(frames[n - 1].data(), 0, 127, 28, 38)) << n;
    EXPECT_TRUE(any_lit(frames[16].data(), 0, 1, 28, 38));
    EXPECT_FALSE(any_lit(frames[16].data(), 2, 127, 28, 38));
    // From frame 53 the picture stands still.
    for (int n = 54; n <= 80; ++n) EXPECT_EQ(frames[n - 1], frames[52]) << n;
}

TEST_F(PowerCycle, OffDuringTheSplashLetsItAndTheWarmUpFinish) {
    run([&](int pump) {
        if (pump == 10) off();
        if (pump > kSplashFrames) ADD_FAILURE() << "a pass ran after OFF during the splash";
    });
    EXPECT_EQ(host.pumps, kSplashFrames);
    EXPECT_EQ(host.framesPresented, kSplashFrames);
    EXPECT_EQ(host.ledSets, 0);
    EXPECT_EQ(host.hookCalls[headless::kAlarmLedOff], 1);  // the warm-up ran
    EXPECT_EQ(state.sampleWindow[0], 0);
}

TEST_F(PowerCycle, OffBeforeTheFirstOnIsClearedByPowerOn) {
    state.powerOffRequested = 1;
    headless::run_passes(5);
    EXPECT_EQ(host.pumps, kSplashFrames + 5);
}

TEST_F(PowerCycle, KeysWhileOffAreDroppedAndKeysDuringTheSplashReachTheMainDisplay) {
    post_key(KEY_F2);  // while off
    headless::run_passes(1);
    EXPECT_EQ(state.currentScreen, screen_main);

    run([&](int pump) {
        if (pump == 40) post_key(KEY_F2);
        if (pump == kSplashFrames + 1) off();
    });
    EXPECT_EQ(state.currentScreen, screen_reset_temp_max);
}

TEST_F(PowerCycle, SwitchesAreReadEveryPass) {
    std::vector<int> steps;
    std::vector<int> calibrate;
    run([&](int pump) {
        if (pump < kSplashFrames) return;
        steps.push_back(state.adjustStep);
        calibrate.push_back(state.calibrateMenuEnabled);
        if (pump == kSplashFrames + 1) {
            host.keyfastSwitch = true;
            host.calibrateSwitch = true;
        }
        if (pump == kSplashFrames + 2) host.keyfastSwitch = false;
        if (pump == kSplashFrames + 3) off();
    });
    EXPECT_EQ(steps, (std::vector<int>{1, 1, 10, 1}));
    EXPECT_EQ(calibrate, (std::vector<int>{0, 0, 1, 1}));
    host.keyfastSwitch = true;
    EXPECT_EQ(state.adjustStep, 1);  // off: keeps its last value
}

// --- Restarts --------------------------------------------------------------------------------

TEST_F(PowerCycle, OnWhileOnReturnsAtOnceAndTheLoopRestartsWithTheDefaults) {
    host.recording = true;
    size_t afterPump = 0;
    run([&](int pump) {
        if (pump == kSplashFrames + 3) {
            state.language = 1;
            state.currentScreen = screen_main_menu;
            host.calls.clear();
            run_instrument();  // ON
            EXPECT_EQ(state.language, 0);
            afterPump = host.calls.size();
            EXPECT_EQ(host.calls,
                      (std::vector<std::string>{"max_values_reset_hook", "contrast_changed_hook",
                                                "backlight_on_hook", "settings_changed_hook",
                                                "power_on_hook_1", "power_on_hook_2"}));
        }
        if (pump == 2 * kSplashFrames + 4) off();
    });
    // The restart's reading of the inputs is the next host operation after the interrupted pump.
    ASSERT_GT(host.calls.size(), afterPump + 1);
    EXPECT_EQ(host.calls[afterPump], "read_input_y");
    EXPECT_EQ(host.calls[afterPump + 1], "read_input_z");
    EXPECT_EQ(host.hookCalls[headless::kPowerOn1], 2);
    EXPECT_EQ(host.framesPresented, kSplashFrames + 3 + kSplashFrames + 1);
}

TEST_F(PowerCycle, KeysAndOffClickedAfterOnInTheSamePumpStillCount) {
    run([&](int pump) {
        if (pump == 20) {
            run_instrument();  // ON
            post_key(KEY_F2);
        }
        if (pump == 20 + kSplashFrames + 1) off();
    });
    EXPECT_EQ(state.currentScreen, screen_reset_temp_max);

    headless::reset_host();
    run([&](int pump) {
        if (pump == kSplashFrames + 2) {
            run_instrument();
            off();
        }
    });
    // The restarted splash and warm-up still run; the loop ends before its first pass.
    EXPECT_EQ(host.pumps, kSplashFrames + 2 + kSplashFrames);
}

TEST_F(PowerCycle, TenThousandOnClicksThenOneOff) {
    constexpr int kClicks = 10000;
    const char* firstDepth = nullptr;
    bool stackGrew = false;
    int clicks = 0;
    run([&](int) {
        char marker;
        if (firstDepth == nullptr) firstDepth = &marker;
        if (&marker != firstDepth) stackGrew = true;
        if (clicks < kClicks) {
            ++clicks;
            run_instrument();
        } else {
            off();
        }
    });
    EXPECT_FALSE(stackGrew);
    EXPECT_EQ(host.hookCalls[headless::kPowerOn1], kClicks + 1);
    EXPECT_EQ(host.hookCalls[headless::kPowerOn2], kClicks + 1);
    EXPECT_EQ(host.pumps, kClicks + kSplashFrames);  // the last splash finished, no pass ran
    // Back to a fresh start: the next ON runs normally.
    headless::reset_host();
    headless::run_passes(2);
    EXPECT_EQ(host.pumps, kSplashFrames + 2);
}

}  // namespace
