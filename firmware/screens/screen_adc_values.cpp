// ADC VALUES: the raw samples of both axes as this frame's measurement took them.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

constexpr Text kTitle{" ADC VALUES ", " VALEURS A/D "};
constexpr Text kYFormat{"G-FORCE Y: %u", "FORCE-G Y: %u"};
constexpr Text kZFormat{"G-FORCE Z: %u", "FORCE-G Z: %u"};

}  // namespace

void screen_adc_values() {
    char text[kTextBuffer];

    ui_title(tr(kTitle));
    draw_done_row(state.menuCursor == 0);
    format_unsigned(text, tr(kYFormat), state.adcY);
    ui_row_text(0, 16, text, 0);
    format_unsigned(text, tr(kZFormat), state.adcZ);
    ui_row_text(0, 24, text, 0);

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    // The one row is DONE; nothing else on this screen takes a key.
    if (key == KEY_SELECT && state.menuCursor == 0) {
        state.menuCursor = 3;  // the main menu shows ADC VALUES again
        state.currentScreen = screen_main_menu;
    }
    state.keyEvent = KEY_NONE;
}
