// The simulator window: the instrument's face with its LCD view, LED and key areas, and the
// controls that stand in for the instrument's hardware. The controls keep the names the form was
// designed with (Button1, TrackBar1, Image5, ...), each also its objectName, and each handler is
// a slot named after its control and event.
#pragma once

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QStatusBar;
class TImage;
class TShape;

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // Passes of the frame loop (and splash frames) per second while paced: the splash lasts
    // 1.6 s and the G filter, ten passes long, settles in 0.2 s.
    static constexpr int kPassesPerSecond = 50;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Paced by default. Unpaced, pump_events never waits: a pass follows the previous one at
    // once (what the tests use).
    void setPacing(bool paced) { paced_ = paced; }
    bool pacing() const { return paced_; }

    // True while an ON click's run is in progress.
    bool instrumentRunning() const { return runDepth_ > 0; }

    // pump_events: handles every pending event, then, while paced, waits for the next pass's
    // turn, handling events as they come.
    void pumpEvents();

    // The controls, in creation order: a later one lies over an earlier one, and every windowed
    // control is created after the picture-type ones so that it lies over them.
    TImage* Image2;
    QLabel* Label13;
    TShape* Shape1;
    TImage* Image3;
    TImage* Image5;
    TImage* Image6;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QPushButton* Button1;
    QPushButton* Button2;
    QSlider* TrackBar1;
    QStatusBar* StatusBar1;
    QFrame* Panel1;
    TImage* Image1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QSlider* TrackBar2;
    QPushButton* Button3;
    QPushButton* Button4;
    QGroupBox* GroupBox1;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button11;

signals:
    // Emitted by every pump_events once the pending events have been handled, before any wait:
    // a place to script clicks while the instrument runs.
    void pumped();

public slots:
    void Button1Click();   // ON
    void Button2Click();   // OFF
    void Button3Click();   // AntiClockwise
    void Button4Click();   // Clockwise
    void Button5Click();   // 1G
    void Button6Click();   // 0G
    void Button7Click();   // Left
    void Button8Click();   // Right
    void Button9Click();   // Down
    void Button10Click();  // Calibrate 1G
    void Button11Click();  // Calibrate 0G
    void TrackBar1Change();
    void TrackBar2Change();
    void Image3Click();  // F1 key
    void Image5Click();  // knob pressed
    void Image6Click();  // F2 key

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void chainTabOrder();
    void connectHandlers();
    void setOrientation(int y, int z);
    void waitForNextPass();

    bool paced_ = true;
    bool centred_ = false;
    int runDepth_ = 0;             // ON clicks whose run_instrument has not returned yet
    bool closeRequested_ = false;  // closed while on: close once the run has ended
    bool passDue_ = false;         // the pacing clock ticked since the last pass
    QTimer passClock_;             // ticks kPassesPerSecond times a second while paced passes run
};

// The one window of the program.
extern TForm1* Form1;
