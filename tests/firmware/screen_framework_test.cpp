// What every screen shares: the key is consumed in the frame that sees it, codes no screen uses
// change nothing, the message screens wait for a key and go back, and no value of menuCursor,
// editMode or keyEvent takes a screen outside its tables.
#include <cstring>

#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

class Framework : public ScreenTest {
protected:
    // The screen alone, without the measurement step, so only the screen can change the state.
    static void screen_only() {
        lcd_clear();
        state.currentScreen();
    }
};

TEST_F(Framework, CodesAboveFiveAreConsumedWithoutEffectOnEveryScreen) {
    for (const auto& [screen, name] : kScreenTable) {
        for (int code = 6; code <= 255; ++code) {
            SetUp();
            state.currentScreen = screen;
            state.returnScreen = screen_gforce_setup;
            state.menuCursor = 1;
            state.editMode = 1;     // the value rows are being edited where a screen has them
            state.alarmActive = 1;  // not even the main display's acknowledgement takes them
            state.alarmAcknowledged = 0;
            state.keyEvent = static_cast<uint8_t>(code);
            InstrumentState before;
            std::memcpy(&before, &state, sizeof state);

            screen_only();

            before.keyEvent = KEY_NONE;
            std::memcpy(before.frameBuffer, state.frameBuffer, sizeof state.frameBuffer);
            ASSERT_EQ(std::memcmp(&before, &state, sizeof state), 0)
                << name << " changed the state on code " << code;
            int hooks = 0;
            for (int count : headless::host.hookCalls) hooks += count;
            ASSERT_EQ(hooks, 0) << name << " code " << code;
        }
    }
}

TEST_F(Framework, AScreenWithoutAKeyChangesNothing) {
    for (const auto& [screen, name] : kScreenTable) {
        SetUp();
        state.currentScreen = screen;
        state.returnScreen = screen_main;
        InstrumentState before;
        std::memcpy(&before, &state, sizeof state);
        screen_only();
        std::memcpy(before.frameBuffer, state.frameBuffer, sizeof state.frameBuffer);
        EXPECT_EQ(std::memcmp(&before, &state, sizeof state), 0) << name;
    }
}

struct MessageCase {
    ScreenFn message;
    ScreenFn returnTo;
};

void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << screen_name(c.message) << " back to " << screen_name(c.returnTo);
}

class MessageScreen : public Framework, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageScreen, StaysUntilAKeyThenReturnsAndTheKeyIsNotSeenThere) {
    const MessageCase& c = GetParam();
    for (uint8_t k = KEY_SELECT; k <= KEY_F2; ++k) {
        SCOPED_TRACE(int{k});
        SetUp();
        state.currentScreen = c.message;
        state.returnScreen = c.returnTo;
        state.menuCursor = 5;
        settle(50);  // no time-out
        EXPECT_SCREEN(c.message);

        key(k);
        EXPECT_SCREEN(c.returnTo);
        EXPECT_EQ(state.keyEvent, KEY_NONE);
        EXPECT_EQ(state.menuCursor, 5);
        // The screen returned to draws its first frame without the key.
        frame();
        EXPECT_SCREEN(c.returnTo);
        EXPECT_EQ(state.menuCursor, 5);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, MessageScreen,
    ::testing::Values(MessageCase{screen_msg_done, screen_main},
                      MessageCase{screen_msg_done, screen_calibrate},
                      MessageCase{screen_msg_incorrect_code, screen_gforce_setup},
                      MessageCase{screen_msg_incorrect_code, screen_main},
                      MessageCase{screen_msg_code_changed, screen_gforce_setup}));

TEST_F(Framework, OnlyAnEmptySlotTakesAKey) {
    state.currentScreen = screen_main_menu;
    press(KEY_CW);
    press(KEY_SELECT);  // lost: the slot is taken
    frame();
    EXPECT_SCREEN(screen_main_menu);
    EXPECT_EQ(state.menuCursor, 1);
    EXPECT_EQ(state.keyEvent, KEY_NONE);
}

// Every screen entered with any cursor, either edit flag and any key: the screen may do odd
// things with odd values, but it reads and writes only inside its tables (the sanitizer build
// checks the indexing), it always consumes the key and it always leaves a screen to run.
TEST_F(Framework, AnyCursorEditFlagAndKeyStayWithinBounds) {
    const uint8_t keys[] = {KEY_NONE, KEY_SELECT, KEY_CW, KEY_CCW, KEY_F1, KEY_F2, 6, 255};
    for (const auto& [screen, name] : kScreenTable) {
        for (int cursor = 0; cursor <= 255; ++cursor) {
            for (uint8_t edit : {0, 1, 255}) {
                for (uint8_t code : keys) {
                    state.currentScreen = screen;
                    // Half of the runs with no screen to return to, as at program start.
                    state.returnScreen = cursor % 2 == 0 ? nullptr : screen_main;
                    state.language = static_cast<uint8_t>(cursor / 2 % 2);
                    state.calibrateMenuEnabled = static_cast<uint8_t>(cursor / 4 % 2);
                    state.menuCursor = static_cast<uint8_t>(cursor);
                    state.editMode = edit;
                    state.keyEvent = code;
                    screen_only();
                    ASSERT_EQ(state.keyEvent, KEY_NONE);
                    ASSERT_NE(screen_name(state.currentScreen).front(), '(')
                        << name << " cursor " << cursor << " key " << int{code};
                    for (uint8_t digit : state.codeDigits) ASSERT_LE(digit, 9);
                }
            }
        }
    }
}

}  // namespace
}  // namespace screen_test
