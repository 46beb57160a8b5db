#include "pcmain/pcmain.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>

#include "firmware/firmware.h"
#include "pcmain/colours.h"
#include "pcmain/timage.h"
#include "pcmain/tshape.h"

TForm1* Form1 = nullptr;

namespace {

constexpr int kClientWidth = 621;
constexpr int kClientHeight = 404;

// Both inputs span the ADC's counts, right end included.
constexpr int kAdcMin = 0;
constexpr int kAdcMax = 4096;
constexpr int kAdcStart = 2048;

template <typename Control>
Control* place(Control* control, const char* name, int x, int y, int w, int h) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(x, y, w, h);
    return control;
}

QLabel* makeLabel(QWidget* parent, const char* name, int x, int y, int w, int h,
                  const char* caption) {
    return place(new QLabel(QLatin1String(caption), parent), name, x, y, w, h);
}

QPushButton* makeButton(QWidget* parent, const char* name, int x, int y, int w, int h,
                        const char* caption) {
    auto* button = place(new QPushButton(QLatin1String(caption), parent), name, x, y, w, h);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QSlider* makeSlider(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* slider = place(new QSlider(Qt::Horizontal, parent), name, x, y, w, h);
    slider->setRange(kAdcMin, kAdcMax);
    slider->setValue(kAdcStart);  // before any handler is connected: the labels keep "0"
    slider->setTickPosition(QSlider::NoTicks);
    return slider;
}

QCheckBox* makeCheckBox(QWidget* parent, const char* name, int x, int y, int w, int h,
                        const char* caption) {
    return place(new QCheckBox(QLatin1String(caption), parent), name, x, y, w, h);
}

// The value labels size themselves to their caption, keeping their left edge and height, so
// that "2029" shows whole where "0" was.
void setCaption(QLabel* label, int value) {
    const QString text = QString::number(value);
    label->setText(text);
    label->resize(label->fontMetrics().horizontalAdvance(text), label->height());
}

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    Form1 = this;
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Morvanta QV-7"));
    setFixedSize(kClientWidth, kClientHeight);

    // The form was designed in a narrow 11-pixel sans-serif face: the condensed face is the one
    // whose captions fit the designed sizes ("GForce Y" in 45 pixels, "0" in 6 x 13). A pixel
    // size keeps them fitting whatever the screen's resolution.
    QFont face;
    face.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Sans Serif")});
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(11);
    setFont(face);

    createControls();
    chainTabOrder();
    connectHandlers();

    passClock_.setTimerType(Qt::PreciseTimer);
    passClock_.setInterval(1000 / kPassesPerSecond);
    connect(&passClock_, &QTimer::timeout, this, [this] { passDue_ = true; });
}

TForm1::~TForm1() {
    // Whatever still runs must end, and must not reach the controls that go with this window.
    if (runDepth_ > 0) state.powerOffRequested = 1;
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::createControls() {
    Image2 = place(new TImage(this), "Image2", 0, 0, 336, 323);
    Image2->setPicture(QImage(QStringLiteral(":/pcmain/face.jpg")), true);
    Label13 = makeLabel(this, "Label13", 408, 16, 6, 13, "0");
    Shape1 = place(new TShape(this), "Shape1", 153, 17, 29, 29);
    Shape1->setBrushColor(QColor::fromRgb(colours::clRed));
    Image3 = place(new TImage(this), "Image3", 73, 239, 49, 49);
    Image5 = place(new TImage(this), "Image5", 142, 253, 49, 49);
    Image6 = place(new TImage(this), "Image6", 214, 240, 49, 49);
    Label1 = makeLabel(this, "Label1", 344, 16, 45, 13, "GForce Y");
    Label2 = makeLabel(this, "Label2", 344, 48, 45, 13, "GForce Z");
    Label3 = makeLabel(this, "Label3", 408, 48, 6, 13, "0");

    // Windowed controls from here on: created after every picture-type control, they lie over
    // the picture.
    Button1 = makeButton(this, "Button1", 24, 328, 129, 49, "ON");
    Button2 = makeButton(this, "Button2", 176, 328, 137, 49, "OFF");
    TrackBar1 = makeSlider(this, "TrackBar1", 448, 8, 161, 45);

    StatusBar1 = place(new QStatusBar(this), "StatusBar1", 0, 385, 621, 19);
    StatusBar1->setSizeGripEnabled(false);

    Panel1 = place(new QFrame(this), "Panel1", 39, 92, 259, 131);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    QPalette panel = Panel1->palette();
    panel.setColor(QPalette::Window, QColor::fromRgb(colours::clScrollBar));
    Panel1->setPalette(panel);
    Panel1->setAutoFillBackground(true);
    Image1 = place(new TImage(Panel1), "Image1", 1, 1, 257, 129);

    CheckBox2 = makeCheckBox(this, "CheckBox2", 360, 88, 97, 17, "Calibrate");
    CheckBox3 = makeCheckBox(this, "CheckBox3", 472, 88, 97, 17, "KeyFast");
    // Created after TrackBar1, so it lies over TrackBar1's bottom 13 rows.
    TrackBar2 = makeSlider(this, "TrackBar2", 447, 40, 161, 45);
    // Over the bottom of the picture; Button4 also covers a corner of the knob's click area.
    Button3 = makeButton(this, "Button3", 188, 295, 77, 25, "AntiClockwise");
    Button4 = makeButton(this, "Button4", 96, 295, 57, 25, "Clockwise");

    GroupBox1 = place(new QGroupBox(QStringLiteral(" Unit Orientation "), this), "GroupBox1", 384,
                      120, 185, 153);
    Button5 = makeButton(GroupBox1, "Button5", 14, 24, 75, 25, "1G");
    Button6 = makeButton(GroupBox1, "Button6", 102, 24, 75, 25, "0G");
    Button7 = makeButton(GroupBox1, "Button7", 14, 72, 75, 25, "Left");
    Button8 = makeButton(GroupBox1, "Button8", 102, 72, 75, 25, "Right");
    Button9 = makeButton(GroupBox1, "Button9", 54, 112, 75, 25, "Down");

    Button10 = makeButton(this, "Button10", 392, 304, 75, 25, "Calibrate 1G");
    Button11 = makeButton(this, "Button11", 488, 304, 75, 25, "Calibrate 0G");
}

void TForm1::chainTabOrder() {
    QWidget* const order[] = {Button1,   Button2, TrackBar1, CheckBox2, CheckBox3,
                              TrackBar2, Button3, Button4,   Button5,   Button6,
                              Button7,   Button8, Button9,   Button10,  Button11};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void TForm1::connectHandlers() {
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm1::Button7Click);
    connect(Button8, &QPushButton::clicked, this, &TForm1::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TForm1::Button9Click);
    connect(Button10, &QPushButton::clicked, this, &TForm1::Button10Click);
    connect(Button11, &QPushButton::clicked, this, &TForm1::Button11Click);
    // valueChanged fires on user moves and on setValue, and never when the value stays.
    connect(TrackBar1, &QSlider::valueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &QSlider::valueChanged, this, &TForm1::TrackBar2Change);
    connect(Image3, &TImage::clicked, this, &TForm1::Image3Click);
    connect(Image5, &TImage::clicked, this, &TForm1::Image5Click);
    connect(Image6, &TImage::clicked, this, &TForm1::Image6Click);
}

// When first shown, the window, its frame included where the platform already knows the frame,
// is centred on its screen.
void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    if (const QScreen* display = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(display->geometry().center());
        move(frame.topLeft());
    }
}

void TForm1::Button1Click() {
    if (closeRequested_) return;
    // A click while the instrument is on runs inside its pump_events: run_instrument then
    // restarts the running loop in place and returns at once.
    ++runDepth_;
    run_instrument();
    if (--runDepth_ > 0) return;
    passClock_.stop();
    if (closeRequested_) {
        closeRequested_ = false;
        close();
    }
}

void TForm1::Button2Click() {
    state.powerOffRequested = 1;
}

void TForm1::Button3Click() {
    post_key(KEY_CCW);
}

void TForm1::Button4Click() {
    post_key(KEY_CW);
}

void TForm1::setOrientation(int y, int z) {
    TrackBar1->setValue(y);
    TrackBar2->setValue(z);
}

void TForm1::Button5Click() {
    setOrientation(2029, 2012);  // 1G
}

void TForm1::Button6Click() {
    setOrientation(2112, 2087);  // 0G
}

void TForm1::Button7Click() {
    setOrientation(2030, 2090);  // Left
}

void TForm1::Button8Click() {
    setOrientation(2029, 2089);  // Right
}

void TForm1::Button9Click() {
    setOrientation(2031, 2167);  // Down
}

// The calibrations take the samples of the latest measurement step, not the slider positions.
void TForm1::Button10Click() {
    calibrate_1g();
}

void TForm1::Button11Click() {
    calibrate_0g();
}

void TForm1::TrackBar1Change() {
    state.adcInputY = TrackBar1->value();
    setCaption(Label13, TrackBar1->value());
}

void TForm1::TrackBar2Change() {
    state.adcInputZ = TrackBar2->value();
    setCaption(Label3, TrackBar2->value());
}

void TForm1::Image3Click() {
    post_key(KEY_F1);
}

void TForm1::Image5Click() {
    post_key(KEY_SELECT);
}

void TForm1::Image6Click() {
    post_key(KEY_F2);
}

void TForm1::pumpEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    emit pumped();
    if (paced_ && !closeRequested_) waitForNextPass();
}

// The pass clock ticks at the pass rate while passes run; each pass waits for a tick it has not
// used yet, serving events while it waits, so that the window stays responsive and the wait
// costs no processor time. A pass that took longer than a period finds its tick already there.
// (processEvents with a time limit would not do: it never blocks, and so would spin.)
void TForm1::waitForNextPass() {
    if (!passClock_.isActive()) {
        passDue_ = false;
        passClock_.start();
    }
    while (!passDue_ && !closeRequested_)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    passDue_ = false;
}

// Closing while the instrument is on ends the run as OFF does; the window closes once the run
// has returned, so no frame is ever presented into a closed window.
void TForm1::closeEvent(QCloseEvent* event) {
    if (runDepth_ == 0) {
        event->accept();
        return;
    }
    state.powerOffRequested = 1;
    closeRequested_ = true;
    event->ignore();
}
