// A shape control: a circle filled with a brush colour and outlined in black, centred in the
// control with the diameter of its smaller side. The alarm LED.
#pragma once

#include <QColor>
#include <QWidget>

class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget* parent = nullptr);

    // Repaints only when the colour changes: the frame loop sets it in every pass.
    void setBrushColor(const QColor& colour);
    QColor brushColor() const { return brush_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor brush_ = Qt::white;
};
