// Runs the simulator's window as the program does, clicks ON, lets the instrument run for a
// given time at the window's own pacing, clicks OFF, and reports the share of one core that the
// process used meanwhile, from its own accounting (getrusage: user and system time of every
// thread). The simulator takes no command line, so the clicks come from here.
//   qv7_cpu_driver [seconds]   (default 10; QT_QPA_PLATFORM=offscreen to run without a desktop)
#include <sys/resource.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "pcmain/pcmain.h"

namespace {

double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char** argv) {
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    QApplication app(argc, argv);
    TForm1 form;
    form.show();

    long pumps = 0;
    QObject::connect(&form, &TForm1::pumped, [&] { ++pumps; });

    double cpuAtOn = 0;
    std::chrono::steady_clock::time_point wallAtOn;
    // ON runs the instrument inside its click handler until OFF: the OFF click is scheduled
    // first and fires from the running loop's pump_events.
    QTimer::singleShot(500, &form, [&] {
        QTimer::singleShot(static_cast<int>(seconds * 1000), Qt::PreciseTimer, &form,
                           [&] { form.Button2->click(); });
        cpuAtOn = cpu_seconds();
        wallAtOn = std::chrono::steady_clock::now();
        form.Button1->click();
        const double cpu = cpu_seconds() - cpuAtOn;
        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallAtOn).count();
        std::printf(
            "Instrument on for %.2f s at %d passes a second: %ld frames (splash "
            "included), %.3f s of processor time\n",
            wall, TForm1::kPassesPerSecond, pumps, cpu);
        std::printf("CPU share of one core: %.2f %% (goal: 2 %% or less) %s\n", 100 * cpu / wall,
                    100 * cpu / wall <= 2.0 ? "MET" : "MISSED");
        std::fflush(stdout);
        QApplication::quit();
    });
    return QApplication::exec();
}
