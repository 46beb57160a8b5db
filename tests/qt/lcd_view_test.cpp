// The LCD view: a frame presented at twice its size, read back from the view's picture; the
// panel's colour before the first frame and in the column and row that no frame covers; hiding
// and showing within a pass.
#include <QFrame>
#include <QPaintEvent>
#include <QTest>

#include "pcmain/colours.h"
#include "pcmain/timage.h"
#include "tests/qt/form_fixture.h"

namespace {

bool lit(const QByteArray& frame, int x, int y) {
    return (uint8_t(frame[(y / 8) * 128 + x]) >> (y % 8)) & 1;
}

QByteArray frameOf(std::initializer_list<std::pair<int, uint8_t>> bytes, uint8_t fill = 0) {
    QByteArray frame(1024, char(fill));
    for (auto [index, value] : bytes) frame[index] = char(value);
    return frame;
}

// Counts the paint events a control receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

class LcdView : public QObject {
    Q_OBJECT

    std::unique_ptr<TForm1> form;

    void present(const QByteArray& frame) {
        std::memcpy(state.frameBuffer, frame.constData(), sizeof state.frameBuffer);
        present_frame();
    }

private slots:
    void init() { form = qvtest::freshForm(); }
    void cleanup() { form.reset(); }

    void panelColourUntilTheFirstFrame() {
        QVERIFY(form->Image1->picture().isNull());
        const QImage panel = form->Panel1->grab().toImage();
        for (QPoint p : {QPoint(1, 1), QPoint(129, 65), QPoint(257, 129), QPoint(200, 20)})
            QCOMPARE(panel.pixel(p), colours::clScrollBar);
    }

    void frames_data() {
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("all off") << frameOf({});
        QTest::newRow("bit 0 of byte 0: the top left pixel") << frameOf({{0, 0x01}});
        QTest::newRow("bit 7 of the last byte: the bottom right pixel") << frameOf({{1023, 0x80}});
        QTest::newRow("a page's rows, one bit each")
            << frameOf({{130, 0x01}, {131, 0x02}, {133, 0x80}});
        QTest::newRow("stripes") << frameOf({}, 0x55);
        QTest::newRow("all on") << frameOf({}, 0xff);
    }

    // Each LCD pixel is a 2x2 block, black when lit and the unlit colour when not; the view's
    // last column and row keep the panel's colour.
    void frames() {
        QFETCH(QByteArray, frame);
        present(frame);
        const QImage& view = form->Image1->picture();
        QCOMPARE(view.size(), QSize(257, 129));
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x) {
                const QRgb expected =
                    lit(frame, x, y) ? colours::clBlack : colours::clInactiveBorder;
                for (QPoint p : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y),
                                 QPoint(2 * x, 2 * y + 1), QPoint(2 * x + 1, 2 * y + 1)})
                    if (view.pixel(p) != expected)
                        QFAIL(qPrintable(QStringLiteral("LCD pixel %1,%2 at %3,%4")
                                             .arg(x)
                                             .arg(y)
                                             .arg(p.x())
                                             .arg(p.y())));
            }
        for (int y = 0; y < 129; ++y) QCOMPARE(view.pixel(256, y), colours::clScrollBar);
        for (int x = 0; x < 257; ++x) QCOMPARE(view.pixel(x, 128), colours::clScrollBar);
        // And that is what the window shows.
        QCOMPARE(form->Image1->grab().toImage().convertToFormat(QImage::Format_RGB32), view);
    }

    void theTopLeftPixelIsOneBlock() {
        present(frameOf({{0, 0x01}}));
        const QImage& view = form->Image1->picture();
        for (QPoint p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
            QCOMPARE(view.pixel(p), colours::clBlack);
        for (QPoint p : {QPoint(2, 0), QPoint(0, 2), QPoint(2, 2)})
            QCOMPARE(view.pixel(p), colours::clInactiveBorder);
    }

    // Nothing is kept from the frame before.
    void eachFrameIsWhole() {
        present(frameOf({}, 0xff));
        present(frameOf({{5, 0x10}}));
        QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
    }

    void hideAndShow() {
        set_lcd_visible(false);
        QVERIFY(form->Image1->isHidden());
        set_lcd_visible(true);
        QVERIFY(form->Image1->isVisible());
    }

    // A pass hides the view, draws and shows it again with no paint in between: the window
    // repaints the view alone, never the bare panel beneath it, so no blank view ever shows.
    void passesRepaintTheViewOnly() {
        PaintCounter panel, view;
        qvtest::Script script(*form);
        script.atPump(qvtest::kSplashFrames + 1, [&] {
            form->Panel1->installEventFilter(&panel);
            form->Image1->installEventFilter(&view);
        });
        script.wait(12);
        script.then([&] {
            QCOMPARE(panel.paints, 0);
            QVERIFY(view.paints >= 10);
            QCOMPARE(qvtest::viewArt(*form), qvtest::frameArt());
        });
        script.run();
    }
};

QTEST_MAIN(LcdView)
#include "lcd_view_test.moc"
