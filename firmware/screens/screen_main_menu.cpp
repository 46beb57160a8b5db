// MAIN MENU: one entry at a time, a large icon with a caption of one or two lines. ADC VALUES
// and CALIBRATE are reachable only while the host enables them.
#include "firmware/screens/screens_i.h"

namespace {

using namespace screens;

// A caption of one line is centred vertically at y 26; one of two lines uses y 18 and 36.
struct Caption {
    const char* first;
    const char* second;  // nullptr for a caption of one line
};

struct Entry {
    Pair<Caption> caption;
    uint8_t icon;
    ScreenFn opens;
};

constexpr Text kTitle{" MAIN MENU ", " MENU PRIN "};

constexpr Entry kEntries[] = {
    {{{"EXIT", "MENU"}, {"SORTIE", nullptr}}, 1, screen_main},
    {{{"DISPLAY", "SETUP"}, {"CONFIG", "AFFICH"}}, 7, screen_display_setup},
    {{{"G-FORCE", "SETUP"}, {"CONFIG", "FORCE-G"}}, 6, screen_gforce_setup},
    {{{"ADC", "VALUES"}, {"VALEUR", "A/D"}}, 3, screen_adc_values},
    {{{"CALIBRATE", nullptr}, {"CALIBRER", nullptr}}, 2, screen_calibrate},
};
constexpr uint8_t kEntryCount = sizeof kEntries / sizeof kEntries[0];
constexpr uint8_t kExitEntry = 0;

// The last entry that the next-entry keys can reach.
uint8_t last_reachable_entry() {
    return state.calibrateMenuEnabled == 1 ? 4 : 2;
}

void draw_caption(const Caption& caption) {
    if (caption.second == nullptr) {
        lcd_text8_centered_const(85, 26, caption.first, 1, 0);
    } else {
        lcd_text8_centered_const(85, 18, caption.first, 1, 0);
        lcd_text8_centered_const(85, 36, caption.second, 1, 0);
    }
}

}  // namespace

void screen_main_menu() {
    ui_title(tr(kTitle));
    ui_scroll_indicator(state.menuCursor, last_reachable_entry() + 1);
    // A cursor beyond the entries shows the title and the indicator only.
    if (state.menuCursor < kEntryCount) {
        const Entry& entry = kEntries[state.menuCursor];
        draw_caption(tr(entry.caption));
        lcd_icon(entry.icon);
    }

    const uint8_t key = state.keyEvent;
    if (key == KEY_NONE) return;

    switch (key) {
        case KEY_SELECT:
            // An entry withdrawn by the host while it is shown can still be opened.
            if (state.menuCursor < kEntryCount) {
                state.currentScreen = kEntries[state.menuCursor].opens;
                if (state.menuCursor == kExitEntry) settings_changed_hook();
            }
            state.menuCursor = 0;
            state.editMode = 0;
            break;
        case KEY_CW:
        case KEY_CCW:
        case KEY_F1:
        case KEY_F2:
            move_list_cursor(key, last_reachable_entry());
            break;
        default:
            break;
    }
    state.keyEvent = KEY_NONE;
}
