// The access-code screens: digit entry, the change flow from G-FORCE SETUP (with and without a
// code, the master code, a failed confirmation, 0000 removing the protection) and the reset code
// asked for by MAX VALUES.
#include "tests/firmware/screen_fixture.h"

namespace screen_test {
namespace {

using headless::kMaxValuesReset;

class CodeScreens : public ScreenTest {
protected:
    // Enters a four-digit code on the code screen shown, one digit at a time, ending with the
    // SELECT that completes it. Each digit is turned up from the 0 it starts at.
    static void enter_code(int code) {
        const int digits[4] = {code / 1000 % 10, code / 100 % 10, code / 10 % 10, code % 10};
        for (int digit : digits) {
            for (int i = 0; i < digit; ++i) key(KEY_CW);
            key(KEY_SELECT);
        }
    }

    // From the main display to the code row of G-FORCE SETUP and into ENTER CURRENT CODE.
    static void start_code_change() {
        key(KEY_SELECT);  // main menu
        key(KEY_CW);
        key(KEY_CW);
        key(KEY_SELECT);  // G-FORCE SETUP
        for (int i = 0; i < 5; ++i) key(KEY_CW);
        key(KEY_SELECT);
        ASSERT_SCREEN(screen_enter_current_code);
    }

    // From the main display to MAX VALUES and its F1.
    static void start_reset_of_maxima() {
        key(KEY_CW);
        key(KEY_F1);
    }
};

TEST_F(CodeScreens, DigitsWrapBothWaysAndF1F2ActLikeTheKnob) {
    state.currentScreen = screen_enter_new_code;
    key(KEY_CCW);
    EXPECT_EQ(state.codeDigits[0], 9);
    key(KEY_CW);
    EXPECT_EQ(state.codeDigits[0], 0);
    key(KEY_F2);
    EXPECT_EQ(state.codeDigits[0], 9);
    key(KEY_F1);
    EXPECT_EQ(state.codeDigits[0], 0);
    key(KEY_F1);
    key(KEY_F1);
    EXPECT_EQ(state.codeDigits[0], 2);

    // SELECT moves to the next digit; the earlier one keeps its value.
    key(KEY_SELECT);
    EXPECT_EQ(state.menuCursor, 1);
    key(KEY_CCW);
    EXPECT_EQ(entered_digits(), 2900);
    key(KEY_SELECT);
    key(KEY_SELECT);
    EXPECT_EQ(state.menuCursor, 3);
    EXPECT_SCREEN(screen_enter_new_code);
}

TEST_F(CodeScreens, WithoutACodeFourSelectsOpenTheChangeAndTheNewCodeProtectsTheReset) {
    start_code_change();
    enter_code(0);
    EXPECT_SCREEN(screen_enter_new_code);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(entered_digits(), 0);

    enter_code(2705);
    EXPECT_SCREEN(screen_confirm_new_code);
    EXPECT_EQ(state.pendingCode, 2705);
    EXPECT_EQ(state.menuCursor, 0);
    EXPECT_EQ(entered_digits(), 0);
    EXPECT_EQ(state.resetCode, 0);

    enter_code(2705);
    EXPECT_SCREEN(screen_msg_code_changed);
    EXPECT_EQ(state.resetCode, 2705);
    EXPECT_EQ(state.returnScreen, screen_gforce_setup);
    key(KEY_CW);
    EXPECT_SCREEN(screen_gforce_setup);
    EXPECT_EQ(state.menuCursor, 5);  // the code row
    key(KEY_SELECT);                 // back to the code screens...
    ASSERT_SCREEN(screen_enter_current_code);

    // ...but the maxima now need the code.
    state.currentScreen = screen_main;
    state.maxGPlus = 80;
    start_reset_of_maxima();
    EXPECT_SCREEN(screen_enter_reset_code);
    EXPECT_EQ(state.maxGPlus, 80);
    enter_code(2705);
    EXPECT_SCREEN(screen_msg_done);
    EXPECT_EQ(state.returnScreen, screen_main);
    EXPECT_EQ(state.maxGPlus, 0);
    EXPECT_EQ(state.maxGMinus, 0);
    EXPECT_EQ(hook_calls(kMaxValuesReset), 1);
    key(KEY_SELECT);
    EXPECT_SCREEN(screen_main);
}

// One pass through the change flow: the current code asked for, then new and confirmation.
struct ChangeCase {
    const char* what;
    int resetCode;
    int current;
    int newCode;
    int confirmation;
    ScreenFn message;
    int resetCodeAfter;
};

void PrintTo(const ChangeCase& c, std::ostream* os) {
    *os << c.what;
}

class CodeChange : public CodeScreens, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(CodeChange, EndsWithItsMessageBackOnTheCodeRow) {
    const ChangeCase& c = GetParam();
    state.resetCode = c.resetCode;
    start_code_change();
    enter_code(c.current);
    if (state.currentScreen == screen_enter_new_code) {
        enter_code(c.newCode);
        enter_code(c.confirmation);
    }
    EXPECT_SCREEN(c.message);
    EXPECT_EQ(state.resetCode, c.resetCodeAfter);
    EXPECT_EQ(hook_calls(headless::kSettingsChanged), 0);
    EXPECT_EQ(state.returnScreen, screen_gforce_setup);
    EXPECT_EQ(state.menuCursor, 5);
    key(KEY_F2);
    EXPECT_SCREEN(screen_gforce_setup);
    EXPECT_EQ(state.menuCursor, 5);
}

INSTANTIATE_TEST_SUITE_P(
    Flows, CodeChange,
    ::testing::Values(
        ChangeCase{"RightCurrentCode", 1234, 1234, 5678, 5678, screen_msg_code_changed, 5678},
        ChangeCase{"WrongCurrentCode", 1234, 1235, 0, 0, screen_msg_incorrect_code, 1234},
        ChangeCase{"ZeroIsWrongOnceACodeIsSet", 1234, 0, 0, 0, screen_msg_incorrect_code, 1234},
        ChangeCase{"MasterCode", 1234, 8130, 42, 42, screen_msg_code_changed, 42},
        ChangeCase{"MasterCodeWithoutACode", 0, 8130, 9999, 9999, screen_msg_code_changed, 9999},
        ChangeCase{"FailedConfirmation", 1234, 1234, 5678, 5677, screen_msg_incorrect_code, 1234},
        ChangeCase{"ZeroRemovesTheProtection", 1234, 1234, 0, 0, screen_msg_code_changed, 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(CodeScreens, AfterSetting0000MaxValuesResetsAtOnce) {
    state.resetCode = 1234;
    start_code_change();
    enter_code(1234);
    enter_code(0);
    enter_code(0);
    ASSERT_EQ(state.resetCode, 0);
    state.currentScreen = screen_main;
    state.maxGPlus = 80;
    start_reset_of_maxima();
    EXPECT_SCREEN(screen_msg_done);
    EXPECT_EQ(state.maxGPlus, 0);
}

TEST_F(CodeScreens, AWrongResetCodeKeepsTheMaximaAndReturnsToTheMainDisplay) {
    for (int wrong : {1233, 8130, 0}) {
        SCOPED_TRACE(wrong);
        SetUp();
        state.resetCode = 1234;
        state.maxGPlus = 80;
        state.maxGMinus = -30;
        start_reset_of_maxima();
        ASSERT_SCREEN(screen_enter_reset_code);
        enter_code(wrong);
        EXPECT_SCREEN(screen_msg_incorrect_code);
        EXPECT_EQ(state.returnScreen, screen_main);
        EXPECT_EQ(state.maxGPlus, 80);
        EXPECT_EQ(state.maxGMinus, -30);
        EXPECT_EQ(hook_calls(kMaxValuesReset), 0);
        // The entry is left as it was typed.
        EXPECT_EQ(entered_digits(), wrong);
        EXPECT_EQ(state.menuCursor, 3);
        key(KEY_CCW);
        EXPECT_SCREEN(screen_main);
    }
}

TEST_F(CodeScreens, TheMasterCodeResetsTheMaximaOnlyWhenItIsTheCodeInForce) {
    state.resetCode = MASTER_CODE;
    state.maxGPlus = 80;
    start_reset_of_maxima();
    enter_code(8130);
    EXPECT_SCREEN(screen_msg_done);
    EXPECT_EQ(state.maxGPlus, 0);
}

}  // namespace
}  // namespace screen_test
