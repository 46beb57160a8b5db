// The window as it opens: its frame, every control's place, size and caption, the tab order,
// which control lies over which, and the instrument picture behind them.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include "pcmain/colours.h"
#include "pcmain/timage.h"
#include "pcmain/tshape.h"
#include "tests/qt/form_fixture.h"

namespace {

QString captionOf(const QWidget* control) {
    if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
    return QString();
}

// The named control at a point of the window: the topmost one there.
QString controlAt(const TForm1& form, QPoint point) {
    for (QWidget* w = form.childAt(point); w && w != &form; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w->objectName();
    return QString();
}

}  // namespace

class WindowLayout : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;

private slots:
    void init() { form = qvtest::freshForm(); }
    void cleanup() { form.reset(); }

    void theWindow() {
        QCOMPARE(Form1, form.get());
        QCOMPARE(form->windowTitle(), QStringLiteral("Morvanta QV-7"));
        QCOMPARE(form->size(), QSize(621, 404));
        QCOMPARE(form->minimumSize(), QSize(621, 404));
        QCOMPARE(form->maximumSize(), QSize(621, 404));
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!form->findChild<QMenuBar*>());
        const QPoint off = form->frameGeometry().center() - form->screen()->geometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1, "centred on the screen");
        QCOMPARE(form->font().pixelSize(), 11);
        QCOMPARE(form->font().styleHint(), QFont::SansSerif);
    }

    void controls_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        const QString form = QStringLiteral("Form1");
        const QString none;
        // clang-format off
        QTest::newRow("Image2")    << form << QRect(0, 0, 336, 323)    << none;
        QTest::newRow("Label13")   << form << QRect(408, 16, 6, 13)    << "0";
        QTest::newRow("Shape1")    << form << QRect(153, 17, 29, 29)   << none;
        QTest::newRow("Image3")    << form << QRect(73, 239, 49, 49)   << none;
        QTest::newRow("Image5")    << form << QRect(142, 253, 49, 49)  << none;
        QTest::newRow("Image6")    << form << QRect(214, 240, 49, 49)  << none;
        QTest::newRow("Label1")    << form << QRect(344, 16, 45, 13)   << "GForce Y";
        QTest::newRow("Label2")    << form << QRect(344, 48, 45, 13)   << "GForce Z";
        QTest::newRow("Label3")    << form << QRect(408, 48, 6, 13)    << "0";
        QTest::newRow("Button1")   << form << QRect(24, 328, 129, 49)  << "ON";
        QTest::newRow("Button2")   << form << QRect(176, 328, 137, 49) << "OFF";
        QTest::newRow("TrackBar1") << form << QRect(448, 8, 161, 45)   << none;
        QTest::newRow("StatusBar1") << form << QRect(0, 385, 621, 19)  << none;
        QTest::newRow("Panel1")    << form << QRect(39, 92, 259, 131)  << none;
        QTest::newRow("Image1")    << "Panel1" << QRect(1, 1, 257, 129) << none;
        QTest::newRow("CheckBox2") << form << QRect(360, 88, 97, 17)   << "Calibrate";
        QTest::newRow("CheckBox3") << form << QRect(472, 88, 97, 17)   << "KeyFast";
        QTest::newRow("TrackBar2") << form << QRect(447, 40, 161, 45)  << none;
        QTest::newRow("Button3")   << form << QRect(188, 295, 77, 25)  << "AntiClockwise";
        QTest::newRow("Button4")   << form << QRect(96, 295, 57, 25)   << "Clockwise";
        QTest::newRow("GroupBox1") << form << QRect(384, 120, 185, 153) << " Unit Orientation ";
        QTest::newRow("Button5")   << "GroupBox1" << QRect(14, 24, 75, 25)  << "1G";
        QTest::newRow("Button6")   << "GroupBox1" << QRect(102, 24, 75, 25) << "0G";
        QTest::newRow("Button7")   << "GroupBox1" << QRect(14, 72, 75, 25)  << "Left";
        QTest::newRow("Button8")   << "GroupBox1" << QRect(102, 72, 75, 25) << "Right";
        QTest::newRow("Button9")   << "GroupBox1" << QRect(54, 112, 75, 25) << "Down";
        QTest::newRow("Button10")  << form << QRect(392, 304, 75, 25)  << "Calibrate 1G";
        QTest::newRow("Button11")  << form << QRect(488, 304, 75, 25)  << "Calibrate 0G";
        // clang-format on
    }

    void controls() {
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        const QWidget* control = form->findChild<QWidget*>(QLatin1String(QTest::currentDataTag()));
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(captionOf(control), caption);
        QVERIFY(control->isVisible());
    }

    // Each control is the member of its name, of its kind.
    void membersAreTheNamedControls() {
        QCOMPARE(form->findChild<QPushButton*>("Button1"), form->Button1);
        QCOMPARE(form->findChild<QSlider*>("TrackBar2"), form->TrackBar2);
        QCOMPARE(form->findChild<QCheckBox*>("CheckBox3"), form->CheckBox3);
        QCOMPARE(form->findChild<TImage*>("Image5"), form->Image5);
        QCOMPARE(form->findChild<TImage*>("Image1"), form->Image1);
        QCOMPARE(form->findChild<TShape*>("Shape1"), form->Shape1);
        QCOMPARE(form->findChild<QLabel*>("Label13"), form->Label13);
        QCOMPARE(form->findChild<QFrame*>("Panel1"), form->Panel1);
        QCOMPARE(form->findChild<QGroupBox*>("GroupBox1"), form->GroupBox1);
        QCOMPARE(form->findChild<QStatusBar*>("StatusBar1"), form->StatusBar1);
        QCOMPARE(form->findChild<QPushButton*>("Button11"), form->Button11);
    }

    void settingsAsTheWindowOpens() {
        for (const QSlider* slider : {form->TrackBar1, form->TrackBar2}) {
            QCOMPARE(slider->orientation(), Qt::Horizontal);
            QCOMPARE(slider->minimum(), 0);
            QCOMPARE(slider->maximum(), 4096);
            QCOMPARE(slider->value(), 2048);
            QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
        }
        QVERIFY(!form->CheckBox2->isChecked());
        QVERIFY(!form->CheckBox3->isChecked());
        QCOMPARE(form->Shape1->brushColor(), QColor::fromRgb(colours::clRed));
        QVERIFY(form->Image1->picture().isNull());
        QCOMPARE(form->Panel1->frameShape(), QFrame::Panel);
        QCOMPARE(form->Panel1->frameShadow(), QFrame::Raised);
        QCOMPARE(form->Panel1->lineWidth(), 1);
        QVERIFY(form->StatusBar1->currentMessage().isEmpty());
        QVERIFY(!form->StatusBar1->isSizeGripEnabled());
        for (const QPushButton* button : form->findChildren<QPushButton*>()) {
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
            QVERIFY(button->shortcut().isEmpty());
            QVERIFY(button->toolTip().isEmpty());
        }
        // Nothing has run yet, so nothing reached the instrument.
        QCOMPARE(state.adcInputY, 0);
        QCOMPARE(state.adcInputZ, 0);
    }

    void tabOrder() {
        const QStringList expected = {"Button1",   "Button2", "TrackBar1", "CheckBox2", "CheckBox3",
                                      "TrackBar2", "Button3", "Button4",   "Button5",   "Button6",
                                      "Button7",   "Button8", "Button9",   "Button10",  "Button11"};
        QStringList order;
        QWidget* w = form->Button1;
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(form.get()))
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != form->Button1 && order.size() <= expected.size());
        QCOMPARE(order, expected);
    }

    // Windowed controls lie over the picture-type ones, and a later control over an earlier one.
    void stacking_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("topmost");
        QTest::newRow("the sliders' overlap") << QPoint(520, 46) << "TrackBar2";
        QTest::newRow("above the overlap") << QPoint(520, 20) << "TrackBar1";
        QTest::newRow("below the overlap") << QPoint(520, 70) << "TrackBar2";
        QTest::newRow("the LED over the picture") << QPoint(167, 31) << "Shape1";
        QTest::newRow("the F1 area over the picture") << QPoint(97, 263) << "Image3";
        QTest::newRow("the knob area") << QPoint(166, 270) << "Image5";
        QTest::newRow("Clockwise over the knob's corner") << QPoint(146, 299) << "Button4";
        QTest::newRow("AntiClockwise over the picture") << QPoint(200, 315) << "Button3";
        QTest::newRow("the LCD view") << QPoint(168, 157) << "Image1";
        QTest::newRow("the panel's bevel") << QPoint(39, 92) << "Panel1";
        QTest::newRow("the picture itself") << QPoint(10, 10) << "Image2";
        QTest::newRow("a preset in its group") << QPoint(420, 156) << "Button5";
    }

    void stacking() {
        QFETCH(QPoint, point);
        QFETCH(QString, topmost);
        QCOMPARE(controlAt(*form, point), topmost);
    }

    // The face as drawn behind the controls: read where each control lies over it.
    void instrumentPicture_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("what");
        QTest::newRow("a corner") << QPoint(3, 3) << "white";
        QTest::newRow("the face beside the LCD window") << QPoint(20, 160) << "black";
        QTest::newRow("under Shape1") << QPoint(167, 31) << "red";
        QTest::newRow("under Panel1") << QPoint(168, 157) << "grey";
        QTest::newRow("under Image3, the F1 key") << QPoint(81, 262) << "grey";
        QTest::newRow("under Image5, the knob") << QPoint(166, 277) << "grey";
        QTest::newRow("under Image6, the F2 key") << QPoint(222, 264) << "grey";
    }

    void instrumentPicture() {
        QFETCH(QPoint, point);
        QFETCH(QString, what);
        QCOMPARE(form->Image2->picture().size(), QSize(371, 371));
        const QImage shown = form->Image2->grab().toImage();
        QCOMPARE(shown.size(), QSize(336, 323));
        const QColor c = shown.pixelColor(point);
        const int spread =
            qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue()));
        if (what == "white") QVERIFY(c.lightness() > 240);
        if (what == "black") QVERIFY(c.lightness() < 40);
        if (what == "red") QVERIFY(c.red() > 150 && c.green() < 80 && c.blue() < 80);
        if (what == "grey") QVERIFY(spread < 30 && c.lightness() > 60 && c.lightness() < 220);
    }
};

QTEST_MAIN(WindowLayout)
#include "window_layout_test.moc"
