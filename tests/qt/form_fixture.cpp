#include "tests/qt/form_fixture.h"

#include <QImage>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "pcmain/colours.h"
#include "pcmain/timage.h"

namespace qvtest {

std::unique_ptr<TForm1> freshForm() {
    std::memset(&state, 0, sizeof state);
    auto form = std::make_unique<TForm1>();
    form->setPacing(false);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qWarning("the window was not exposed");
    return form;
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

QString screenName(ScreenFn screen) {
    const char* name = ::screen_name(screen);
    return name ? QString::fromLatin1(name) : QStringLiteral("?");
}

QString frameArt() {
    QString art;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x)
            art += (state.frameBuffer[(y / 8) * 128 + x] >> (y % 8)) & 1 ? '#' : '.';
        art += '\n';
    }
    return art;
}

QString viewArt(const TForm1& form) {
    const QImage& view = form.Image1->picture();
    if (view.isNull()) return QStringLiteral("(no picture)");
    QString art;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x)
            art += view.pixel(2 * x, 2 * y) == colours::clBlack ? '#' : '.';
        art += '\n';
    }
    return art;
}

Script& Script::atPump(int pump, std::function<void()> step) {
    steps_[pump].push_back(std::move(step));
    return *this;
}

Script& Script::then(std::function<void()> step) {
    return atPump(next_++, std::move(step));
}

Script& Script::wait(int passes) {
    next_ += passes;
    return *this;
}

int Script::run() {
    // Far more pumps than any script needs: a run that OFF did not end is stopped here.
    constexpr int kRunaway = 100000;
    const int last = steps_.empty() ? kSplashFrames : steps_.rbegin()->first;
    int pump = 0;
    const auto connection = QObject::connect(&form_, &TForm1::pumped, [&] {
        if (auto found = steps_.find(pump); found != steps_.end())
            for (auto& step : found->second) step();
        if (pump == last) click(form_.Button2);
        if (pump >= kRunaway) state.powerOffRequested = 1;
        ++pump;
    });
    click(form_.Button1);
    QObject::disconnect(connection);
    return pump;
}

}  // namespace qvtest
