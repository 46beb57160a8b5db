// The controls that stand in for the instrument's hardware, used while the instrument is off:
// sliders and their labels, the orientation presets, the calibration buttons, the key areas and
// knob buttons, the two switches and the LED.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include "pcmain/colours.h"
#include "pcmain/timage.h"
#include "pcmain/tshape.h"
#include "tests/qt/form_fixture.h"

using qvtest::click;

class InputControls : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;
    QStringList handlersRun;  // "Y" and "Z", in the order the slider handlers ran

    QPushButton* button(const QString& name) { return form->findChild<QPushButton*>(name); }

private slots:
    void init() {
        form = qvtest::freshForm();
        handlersRun.clear();
        connect(form->TrackBar1, &QSlider::valueChanged, this, [this] { handlersRun << "Y"; });
        connect(form->TrackBar2, &QSlider::valueChanged, this, [this] { handlersRun << "Z"; });
    }
    void cleanup() { form.reset(); }

    void presets_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("z");
        QTest::newRow("1G") << "Button5" << 2029 << 2012;
        QTest::newRow("0G") << "Button6" << 2112 << 2087;
        QTest::newRow("Left") << "Button7" << 2030 << 2090;
        QTest::newRow("Right") << "Button8" << 2029 << 2089;
        QTest::newRow("Down") << "Button9" << 2031 << 2167;
    }

    // The labels read "0" until their slider first changes; a preset sets Y, then Z.
    void presets() {
        QFETCH(QString, button);
        QFETCH(int, y);
        QFETCH(int, z);
        QCOMPARE(form->Label13->text(), QStringLiteral("0"));
        QCOMPARE(form->Label3->text(), QStringLiteral("0"));

        click(this->button(button));
        QCOMPARE(form->TrackBar1->value(), y);
        QCOMPARE(form->TrackBar2->value(), z);
        QCOMPARE(form->Label13->text(), QString::number(y));
        QCOMPARE(form->Label3->text(), QString::number(z));
        QCOMPARE(state.adcInputY, y);
        QCOMPARE(state.adcInputZ, z);
        QCOMPARE(handlersRun, QStringList({"Y", "Z"}));
        // The label grows with its caption, from where it stands.
        QCOMPARE(form->Label13->pos(), QPoint(408, 16));
        QVERIFY(form->Label13->width() >= form->Label13->fontMetrics().horizontalAdvance("2029"));
    }

    void samePresetTwiceRunsNoHandler() {
        click(form->Button5);
        handlersRun.clear();
        state.adcInputY = state.adcInputZ = -1;  // a handler that ran would overwrite these
        click(form->Button5);
        QVERIFY(handlersRun.isEmpty());
        QCOMPARE(state.adcInputY, -1);
        QCOMPARE(state.adcInputZ, -1);
        QCOMPARE(form->Label13->text(), QStringLiteral("2029"));
        QCOMPARE(form->Label3->text(), QStringLiteral("2012"));
    }

    void rightAfter1GMovesOnlyZ() {
        click(form->Button5);
        handlersRun.clear();
        state.adcInputY = -1;
        click(form->Button8);
        QCOMPARE(handlersRun, QStringList({"Z"}));
        QCOMPARE(state.adcInputY, -1);
        QCOMPARE(state.adcInputZ, 2089);
        QCOMPARE(form->Label3->text(), QStringLiteral("2089"));
    }

    // Moved from the keyboard, a slider reaches both ends of the ADC's range.
    void slidersByKeyboard() {
        QTest::keyClick(form->TrackBar1, Qt::Key_End);
        QCOMPARE(state.adcInputY, 4096);
        QCOMPARE(form->Label13->text(), QStringLiteral("4096"));
        QTest::keyClick(form->TrackBar2, Qt::Key_Home);
        QCOMPARE(state.adcInputZ, 0);
        QCOMPARE(form->Label3->text(), QStringLiteral("0"));
        QTest::keyClick(form->TrackBar2, Qt::Key_Right);
        QCOMPARE(state.adcInputZ, 1);
        QCOMPARE(read_input_y(), 4096);
        QCOMPARE(read_input_z(), 1);
    }

    void keys_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("code");
        QTest::newRow("Image3, the F1 key") << "Image3" << int(KEY_F1);
        QTest::newRow("Image5, the knob") << "Image5" << int(KEY_SELECT);
        QTest::newRow("Image6, the F2 key") << "Image6" << int(KEY_F2);
        QTest::newRow("Clockwise") << "Button4" << int(KEY_CW);
        QTest::newRow("AntiClockwise") << "Button3" << int(KEY_CCW);
    }

    // One click posts one key; a click while a key is pending is lost.
    void keys() {
        QFETCH(QString, control);
        QFETCH(int, code);
        click(form->findChild<QWidget*>(control));
        QCOMPARE(int(state.keyEvent), code);
        click(code == KEY_F1 ? static_cast<QWidget*>(form->Image6) : form->Image3);
        QCOMPARE(int(state.keyEvent), code);
    }

    // A press that slides off a key area before the release is no click.
    void keyAreaPressReleasedElsewhere() {
        QTest::mousePress(form->Image5, Qt::LeftButton, {}, QPoint(24, 24));
        QTest::mouseRelease(form->Image5, Qt::LeftButton, {}, QPoint(80, 24));
        QCOMPARE(int(state.keyEvent), int(KEY_NONE));
    }

    void switches() {
        QVERIFY(!read_calibrate_switch());
        QVERIFY(!read_keyfast_switch());
        click(form->CheckBox2);
        QVERIFY(read_calibrate_switch());
        QVERIFY(!read_keyfast_switch());
        click(form->CheckBox3);
        click(form->CheckBox2);
        QVERIFY(!read_calibrate_switch());
        QVERIFY(read_keyfast_switch());
    }

    // The calibration buttons work on the latest measurement's samples, not on the sliders, and
    // change nothing but the calibration.
    void calibrationButtonsTakeTheLatestSamples() {
        load_default_calibration();
        state.adcY = 2029;
        state.adcZ = 2012;
        click(form->Button9);  // the sliders move; the samples stay until a measurement runs
        click(form->Button10);
        QCOMPARE(state.zeroY, 2029);
        QCOMPARE(state.scaleZ, 90);
        QCOMPARE(state.zeroZ, 2048);
        QCOMPARE(state.scaleY, 1000);

        state.adcY = 2112;
        state.adcZ = 2087;
        click(form->Button11);
        QCOMPARE(state.zeroZ, 2087);
        QCOMPARE(state.scaleY, 207);
        QCOMPARE(state.zeroY, 2029);
        QCOMPARE(state.scaleZ, 90);
        QVERIFY(state.currentScreen == nullptr);
        QCOMPARE(int(state.keyEvent), int(KEY_NONE));
    }

    void ledColours() {
        const QPoint middle = form->Shape1->rect().center();
        QCOMPARE(form->Shape1->grab().toImage().pixel(middle), colours::clRed);
        set_alarm_led(false);
        QCOMPARE(form->Shape1->brushColor(), QColor::fromRgb(colours::clMaroon));
        QCOMPARE(form->Shape1->grab().toImage().pixel(middle), colours::clMaroon);
        set_alarm_led(true);
        QCOMPARE(form->Shape1->brushColor(), QColor::fromRgb(colours::clRed));
        QCOMPARE(form->Shape1->grab().toImage().pixel(middle), colours::clRed);
    }

    // Without a window the host operations read neutral values and show nothing.
    void hostOperationsWithoutAWindow() {
        form.reset();
        QVERIFY(!Form1);
        QCOMPARE(read_input_y(), 0);
        QCOMPARE(read_input_z(), 0);
        QVERIFY(!read_calibrate_switch());
        QVERIFY(!read_keyfast_switch());
        set_alarm_led(true);
        set_lcd_visible(false);
        present_frame();
        pump_events();
    }
};

QTEST_MAIN(InputControls)
#include "input_controls_test.moc"
