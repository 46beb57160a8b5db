// The three message screens: one layout, and any key returns to the screen that showed them.
// The action a message reports was carried out before it was shown.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

struct MessageLine {
    uint8_t y;
    Text text;
};

// Up to two lines; a message of one line leaves the second text empty.
struct Message {
    MessageLine lines[2];
};

constexpr Text kTitle{" MESSAGE ", " MESSAGE "};

constexpr Message kDone{{{26, {"DONE", "FAIT"}}, {0, {nullptr, nullptr}}}};
// The French lines come in the other order.
constexpr Message kIncorrectCode{{{16, {"INCORRECT", "CODE"}}, {38, {"CODE", "INCORRECT"}}}};
constexpr Message kCodeChanged{{{16, {"CODE", "CHANGEMENT"}}, {38, {"CHANGED", "FAIT"}}}};

void message_screen(const Message& message) {
    ui_title(tr(kTitle));
    lcd_icon(5);
    for (const MessageLine& line : message.lines) {
        const char* text = tr(line.text);
        if (text != nullptr) lcd_text8_centered_const(85, line.y, text, 1, 0);
    }

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;
    if (key >= KEY_SELECT && key <= KEY_F2) go_to_return_screen();
    state.keyEvent = KEY_NONE;
}

}  // namespace

void screen_msg_done() {
    message_screen(kDone);
}

void screen_msg_incorrect_code() {
    message_screen(kIncorrectCode);
}

void screen_msg_code_changed() {
    message_screen(kCodeChanged);
}
