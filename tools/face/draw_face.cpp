// Draws the instrument picture that the simulator window shows stretched behind its controls:
// the round black face on white, with the alarm LED, the LCD window, the F1 key, the knob and
// the F2 key where the window's LED, LCD panel and click areas lie over them.
//
//   draw_face <output.jpg>
//
// The window shows this 371x371 picture stretched to 336x323, so a place (x, y) in the window
// is (x * 371 / 336, y * 371 / 323) here; every part below is placed from the window position
// of the control that lies over it. The generated pcmain/face.jpg is kept in the repository;
// `cmake --build build --target face_picture` draws it again.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

constexpr int kSide = 371;
constexpr double kShownWidth = 336;
constexpr double kShownHeight = 323;

// A rectangle of the window (left, top, width, height) in picture coordinates.
QRectF fromWindow(double x, double y, double w, double h) {
    const double sx = kSide / kShownWidth;
    const double sy = kSide / kShownHeight;
    return QRectF(x * sx, y * sy, w * sx, h * sy);
}

QRectF square(QPointF centre, double side) {
    return QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side);
}

void drawFace(QPainter& p) {
    const QPointF centre(kSide / 2.0, kSide / 2.0);
    // A brushed grey rim, then the black face.
    QRadialGradient rim(centre, 184);
    rim.setColorAt(0.90, QColor(90, 90, 94));
    rim.setColorAt(0.97, QColor(170, 170, 176));
    rim.setColorAt(1.00, QColor(60, 60, 64));
    p.setPen(Qt::NoPen);
    p.setBrush(rim);
    p.drawEllipse(centre, 184, 184);
    p.setBrush(QColor(16, 16, 18));
    p.drawEllipse(centre, 172, 172);
}

void drawLed(QPainter& p) {
    // Under the LED circle, window (153, 17), 29 x 29.
    const QPointF c = fromWindow(153, 17, 29, 29).center();
    p.setPen(QPen(QColor(70, 70, 70), 2));
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(c, 14, 14);
    QRadialGradient glow(c + QPointF(-3, -3), 12);
    glow.setColorAt(0, QColor(255, 170, 160));
    glow.setColorAt(0.4, QColor(230, 20, 20));
    glow.setColorAt(1, QColor(120, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(c, 11, 11);
}

void drawModelName(QPainter& p) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    p.setPen(QColor(150, 150, 155));
    p.drawText(QRectF(0, 60, kSide, 24), Qt::AlignCenter, QStringLiteral("QV-7"));
}

void drawLcdWindow(QPainter& p) {
    // Under the LCD panel, window (39, 92), 259 x 131, with a bezel showing around it.
    const QRectF panel = fromWindow(39, 92, 259, 131);
    const QRectF bezel = panel.adjusted(-7, -7, 7, 7);
    p.setPen(QPen(QColor(60, 60, 64), 2));
    p.setBrush(QColor(118, 120, 124));
    p.drawRoundedRect(bezel, 8, 8);
    p.setPen(QPen(QColor(80, 82, 86), 1));
    p.setBrush(QColor(176, 180, 176));
    p.drawRect(panel.adjusted(-2, -2, 2, 2));
}

// The arrow keys: a raised grey cap with its name above a triangle.
void drawKey(QPainter& p, QRectF area, const QString& name, bool up) {
    const QRectF cap = square(area.center(), 44);
    QLinearGradient shade(cap.topLeft(), cap.bottomLeft());
    shade.setColorAt(0, QColor(120, 120, 126));
    shade.setColorAt(1, QColor(62, 62, 68));
    p.setPen(QPen(QColor(10, 10, 10), 2));
    p.setBrush(shade);
    p.drawRoundedRect(cap, 7, 7);

    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(cap.left(), cap.top() + 3, cap.width(), 16), Qt::AlignCenter, name);

    const double cx = cap.center().x();
    const double top = cap.top() + 23;
    const double bottom = cap.top() + 37;
    QPainterPath triangle;
    if (up) {
        triangle.moveTo(cx, top);
        triangle.lineTo(cx + 9, bottom);
        triangle.lineTo(cx - 9, bottom);
    } else {
        triangle.moveTo(cx - 9, top);
        triangle.lineTo(cx + 9, top);
        triangle.lineTo(cx, bottom);
    }
    triangle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(triangle);
}

// The push-and-turn knob: a round grey cap with a ring of grip notches.
void drawKnob(QPainter& p, QRectF area) {
    const QPointF c = area.center();
    QRadialGradient cap(c + QPointF(-6, -6), 30);
    cap.setColorAt(0, QColor(200, 200, 204));
    cap.setColorAt(1, QColor(110, 110, 116));
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(cap);
    p.drawEllipse(c, 24, 24);
    p.setPen(QPen(QColor(80, 80, 86), 2));
    for (int notch = 0; notch < 24; ++notch) {
        p.save();
        p.translate(c);
        p.rotate(notch * 15.0);
        p.drawLine(QPointF(0, -23), QPointF(0, -19));
        p.restore();
    }
    p.setPen(QPen(QColor(140, 140, 146), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 15, 15);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);  // for the fonts
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_face <output.jpg>\n");
        return 2;
    }
    QImage picture(kSide, kSide, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawFace(p);
    drawLed(p);
    drawModelName(p);
    drawLcdWindow(p);
    drawKey(p, fromWindow(73, 239, 49, 49), QStringLiteral("F1"), true);    // under Image3
    drawKnob(p, fromWindow(142, 253, 49, 49));                              // under Image5
    drawKey(p, fromWindow(214, 240, 49, 49), QStringLiteral("F2"), false);  // under Image6
    p.end();
    if (!picture.save(QString::fromLocal8Bit(argv[1]), "JPG", 92)) {
        std::fprintf(stderr, "draw_face: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
