#include "pcmain/tshape.h"

#include <QPainter>

TShape::TShape(QWidget* parent) : QWidget(parent) {}

void TShape::setBrushColor(const QColor& colour) {
    if (colour == brush_) return;
    brush_ = colour;
    update();
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(brush_);
    const int diameter = qMin(width(), height()) - 1;
    painter.drawEllipse(
        QRectF((width() - diameter) / 2.0, (height() - diameter) / 2.0, diameter, diameter));
}
