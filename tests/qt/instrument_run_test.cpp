// The instrument run from the window, as a user runs it: ON, the splash, the main display, keys
// through the menus, presets and calibrations, OFF; ON again while on; closing and minimizing
// the window while on.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "pcmain/colours.h"
#include "pcmain/timage.h"
#include "pcmain/tshape.h"
#include "tests/qt/form_fixture.h"

using qvtest::click;
using qvtest::kSplashFrames;
using qvtest::screenName;

class InstrumentRun : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;

    QRgb led() const { return form->Shape1->brushColor().rgb(); }
    QString screen() const { return screenName(state.currentScreen); }

private slots:
    void init() { form = qvtest::freshForm(); }
    void cleanup() { form.reset(); }

    // The LED keeps its first colour through the splash, which is shown frame by frame; the
    // first pass shows the main display at 0 g and darkens the LED.
    void firstOn() {
        bool splashShown = true;
        qvtest::Script script(*form);
        for (int frame = 0; frame < kSplashFrames; ++frame)
            script.atPump(frame, [&] {
                splashShown = splashShown && led() == colours::clRed && form->Image1->isVisible() &&
                              qvtest::viewArt(*form) == qvtest::frameArt();
            });
        script.then([&] {
            QCOMPARE(screen(), QStringLiteral("screen_main"));
            QCOMPARE(state.currentG, 0);
            QCOMPARE(led(), colours::clMaroon);
            QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
        });
        QCOMPARE(script.run(), kSplashFrames + 1);
        QVERIFY(splashShown);
        QVERIFY(!form->instrumentRunning());
        // Off, the view keeps the last frame.
        QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
    }

    void keyClickedWhileOffIsDroppedByOn() {
        click(form->Image3);
        QCOMPARE(int(state.keyEvent), int(KEY_F1));
        int slotAtPowerOn = -1;
        qvtest::Script script(*form);
        script.atPump(0, [&] { slotAtPowerOn = state.keyEvent; });
        script.then([&] { QCOMPARE(screen(), QStringLiteral("screen_main")); });
        script.run();
        QCOMPARE(slotAtPowerOn, int(KEY_NONE));
    }

    // A whole run driven by the real controls: into the display setup, French, back out.
    void throughTheMenusInFrench() {
        qvtest::Script script(*form);
        script
            .then([&] { click(form->Image5); })  // the knob: the main menu
            .then([&] {
                QCOMPARE(screen(), QStringLiteral("screen_main_menu"));
                QCOMPARE(int(state.menuCursor), 0);
                click(form->Image6);  // F2: the next entry
            })
            .then([&] {
                QCOMPARE(int(state.menuCursor), 1);
                click(form->Image5);  // open DISPLAY SETUP
            })
            .then([&] {
                QCOMPARE(screen(), QStringLiteral("screen_display_setup"));
                QCOMPARE(int(state.menuCursor), 0);
                click(form->Button4);  // clockwise: down a row
            })
            .then([&] { click(form->Button4); })
            .then([&] { click(form->Image6); })
            .then([&] {
                QCOMPARE(int(state.menuCursor), 3);  // LANG
                click(form->Image5);
            })
            .then([&] {
                QCOMPARE(int(state.editMode), 1);
                click(form->Button4);
            })
            .then([&] {
                QCOMPARE(int(state.language), 1);
                click(form->Image5);
            })
            .then([&] {
                QCOMPARE(int(state.editMode), 0);
                click(form->Image3);  // F1: up a row
            })
            .then([&] { click(form->Image3); })
            .then([&] { click(form->Button3); })  // anticlockwise: up to DONE
            .then([&] {
                QCOMPARE(int(state.menuCursor), 0);
                click(form->Image5);
            })
            .then([&] {
                QCOMPARE(screen(), QStringLiteral("screen_main_menu"));
                QCOMPARE(int(state.menuCursor), 1);
            })
            .then([&] {
                // The French main menu is on the view.
                QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
                click(form->Image3);
            })
            .then([&] {
                QCOMPARE(int(state.menuCursor), 0);  // EXIT
                click(form->Image5);
            })
            .then([&] { QCOMPARE(screen(), QStringLiteral("screen_main")); });
        script.run();
        QCOMPARE(int(state.powerOffRequested), 1);
        QVERIFY(!form->instrumentRunning());
    }

    void presetsSettle_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("calibrated");
        QTest::addColumn<int>("settledG");
        const struct {
            const char* name;
            const char* button;
            int atDefaults;
            int calibrated;
        } presets[] = {{"1G", "Button5", 1, 10},
                       {"0G", "Button6", -2, -10},
                       {"Left", "Button7", -1, 0},
                       {"Right", "Button8", -1, 0},
                       {"Down", "Button9", -3, -11}};
        for (const auto& p : presets) {
            QTest::addRow("%s, default calibration", p.name) << p.button << false << p.atDefaults;
            QTest::addRow("%s, calibrated", p.name) << p.button << true << p.calibrated;
        }
    }

    // With the instrument on: 1G, Calibrate 1G, 0G, Calibrate 0G, 1G, Calibrate 1G, each
    // calibration a pass after its preset; then ten passes after a preset G has settled.
    void presetsSettle() {
        QFETCH(QString, preset);
        QFETCH(bool, calibrated);
        QFETCH(int, settledG);
        qvtest::Script script(*form);
        if (calibrated) {
            script.then([&] { click(form->Button5); })
                .then([&] { click(form->Button10); })
                .then([&] { click(form->Button6); })
                .then([&] { click(form->Button11); })
                .then([&] { click(form->Button5); })
                .then([&] { click(form->Button10); })
                .then([&] {
                    QCOMPARE(state.zeroY, 2029);
                    QCOMPARE(state.scaleY, 207);
                    QCOMPARE(state.zeroZ, 2087);
                    QCOMPARE(state.scaleZ, 187);
                });
        }
        script.then([&] { click(form->findChild<QPushButton*>(preset)); }).wait(9).then([&] {
            QCOMPARE(state.currentG, settledG);
        });
        script.run();
    }

    // The LED lights with the alarm and goes dark when a key acknowledges it.
    void ledFollowsTheAlarm() {
        qvtest::Script script(*form);
        script
            .then([&] { QTest::keyClick(form->TrackBar2, Qt::Key_Home); })  // Z at 0: +5.1 g
            .wait(9)
            .then([&] {
                QCOMPARE(state.currentG, 51);
                QCOMPARE(led(), colours::clRed);
                click(form->Image5);  // acknowledges
            })
            .then([&] {})
            .then([&] {
                QCOMPARE(int(state.alarmAcknowledged), 1);
                QCOMPARE(led(), colours::clMaroon);
            });
        script.run();
    }

    // The switches are read in every pass: what a pass draws already follows them.
    void switchesTakeEffectInTheNextPass() {
        qvtest::Script script(*form);
        script
            .then([&] {
                QCOMPARE(int(state.calibrateMenuEnabled), 0);
                QCOMPARE(int(state.adjustStep), 1);
                click(form->CheckBox2);
                click(form->CheckBox3);
            })
            .then([&] {
                QCOMPARE(int(state.calibrateMenuEnabled), 1);
                QCOMPARE(int(state.adjustStep), 10);
                click(form->CheckBox2);
                click(form->CheckBox3);
            })
            .then([&] {
                QCOMPARE(int(state.calibrateMenuEnabled), 0);
                QCOMPARE(int(state.adjustStep), 1);
            });
        script.run();
    }

    // ON while on starts over from the power-on sequence, in place; one OFF ends it all.
    void onWhileOnRestarts() {
        qvtest::Script script(*form);
        script.then([&] { click(form->Image5); })
            .then([&] {
                QCOMPARE(screen(), QStringLiteral("screen_main_menu"));
                click(form->Button1);
                QVERIFY(form->instrumentRunning());  // the click returned at once
            })
            .then([&] {
                // The first frame of the new splash: powered on afresh.
                QCOMPARE(screen(), QStringLiteral("screen_main"));
                QCOMPARE(int(state.keyEvent), int(KEY_NONE));
            })
            .wait(kSplashFrames - 1)
            .then([&] { QCOMPARE(screen(), QStringLiteral("screen_main")); });
        QCOMPARE(script.run(), 2 * kSplashFrames + 3);
        QVERIFY(!form->instrumentRunning());
    }

    void minimizingDoesNotStopTheInstrument() {
        qvtest::Script script(*form);
        script.then([&] { form->showMinimized(); })
            .wait(3)
            .then([&] {
                QVERIFY(form->isMinimized());
                click(form->Image6);
            })
            .then([&] {})
            .then([&] {
                QCOMPARE(screen(), QStringLiteral("screen_reset_temp_max"));
                QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
                form->showNormal();
            });
        script.run();
    }

    void closingWhileOn_data() {
        QTest::addColumn<int>("closeAtPump");
        QTest::addColumn<int>("pumps");
        // The splash still plays all its frames, as after OFF.
        QTest::newRow("during the splash") << 10 << kSplashFrames;
        QTest::newRow("on the main display") << kSplashFrames + 5 << kSplashFrames + 6;
    }

    // The run ends as after OFF, then the window closes and the program's event loop ends with
    // status 0; nothing is presented once the window is closed.
    void closingWhileOn() {
        QFETCH(int, closeAtPump);
        QFETCH(int, pumps);
        form->setPacing(true);  // closing must not wait for the pace
        int pump = 0;
        bool pumpedWhileClosed = false;
        // Counted before the checks: a failed check returns from the step, and the runaway stop
        // must still come.
        connect(form.get(), &TForm1::pumped, this, [&] {
            const int now = pump++;
            pumpedWhileClosed = pumpedWhileClosed || !form->isVisible();
            if (now > closeAtPump + 2 * kSplashFrames) state.powerOffRequested = 1;  // runaway
            if (now == closeAtPump) QVERIFY(!form->close());                         // not yet
        });
        // A run that never closed the window fails here instead of hanging. The event loop runs
        // inside the run, so the run has to end before exec can return.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] {
            state.powerOffRequested = 1;
            QCoreApplication::exit(1);
        });
        guard.start(60000);
        QTimer::singleShot(0, form.get(), [&] { click(form->Button1); });

        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(pump, pumps);
        QVERIFY(!pumpedWhileClosed);
        QVERIFY(form->isHidden());
        QVERIFY(!form->instrumentRunning());
        QCOMPARE(int(state.powerOffRequested), 1);
    }

    // Paced as a user sees it: clicks are served between passes.
    void pacedRun() {
        form->setPacing(true);
        QVERIFY(form->pacing());
        qvtest::Script script(*form);
        script.then([&] { click(form->Image5); }).then([&] {
            QCOMPARE(screen(), QStringLiteral("screen_main_menu"));
        });
        script.run();
    }
};

QTEST_MAIN(InstrumentRun)
#include "instrument_run_test.moc"
