#include "pcmain/timage.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::setPicture(const QImage& picture, bool stretch) {
    picture_ = picture;
    stretched_ = stretch ? QPixmap::fromImage(picture.scaled(size(), Qt::IgnoreAspectRatio,
                                                             Qt::SmoothTransformation))
                         : QPixmap();
    setAttribute(Qt::WA_OpaquePaintEvent, stretch || picture.size() == size());
    update();
}

QImage& TImage::canvas() {
    if (picture_.isNull()) {
        picture_ = QImage(size(), QImage::Format_RGB32);
        const QWidget* beneath = parentWidget() ? parentWidget() : this;
        picture_.fill(beneath->palette().color(beneath->backgroundRole()));
        // It now paints every pixel of its area, so the panel need not be painted beneath it.
        setAttribute(Qt::WA_OpaquePaintEvent, true);
    }
    return picture_;
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (!stretched_.isNull())
        painter.drawPixmap(0, 0, stretched_);
    else
        painter.drawImage(0, 0, picture_);
}

// A click is a press and a release of the left button, both over the control.
void TImage::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) emit clicked();
}
