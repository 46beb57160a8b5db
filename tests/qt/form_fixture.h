// What the window's tests share: a fresh instrument and window for each test, clicks on the real
// controls, a script of clicks that runs while the instrument is on, and LCD pictures as text art.
#pragma once

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "firmware/firmware.h"
#include "pcmain/pcmain.h"

class QWidget;

namespace qvtest {

constexpr int kSplashFrames = 80;

// The state record zeroed, as at program start, and a new window, shown, unpaced.
std::unique_ptr<TForm1> freshForm();

// A left click in the middle of the control, as a user makes it.
void click(QWidget* control);

// The name of a screen procedure, from the one list of screens ("?" for anything else).
QString screenName(ScreenFn screen);

// 64 lines of 128 '#' (lit) and '.' characters: the framebuffer, and what the LCD view shows
// (the top left pixel of each 2x2 block, black counting as lit).
QString frameArt();
QString viewArt(const TForm1& form);

// Scripts a run: clicks ON, runs each step inside one pump_events, clicks OFF after the last
// step and returns when the run is over. Pumps are counted from 0, the first splash frame's;
// the pump of the frame loop's first pass is kSplashFrames.
class Script {
public:
    explicit Script(TForm1& form) : form_(form) {}

    // A step in a given pump.
    Script& atPump(int pump, std::function<void()> step);
    // A step in the pump of the frame loop's first pass, then each further one a pass later.
    Script& then(std::function<void()> step);
    // Lets passes go by before the next step.
    Script& wait(int passes);

    // Returns the number of pumps that the run made.
    int run();

private:
    TForm1& form_;
    std::map<int, std::vector<std::function<void()>>> steps_;
    int next_ = kSplashFrames;
};

}  // namespace qvtest
