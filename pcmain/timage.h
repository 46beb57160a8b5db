// An image control: shows a picture (drawn at its own size, or stretched to fill the control) or
// nothing at all, and reports clicks. With no picture it paints nothing, so whatever lies beneath
// shows through: the key areas over the instrument picture are such empty images.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    // Stretched pictures are scaled once, here, not at every paint.
    void setPicture(const QImage& picture, bool stretch);
    const QImage& picture() const { return picture_; }

    // The picture to draw on, as big as the control. Made on first use and filled with the
    // colour of what showed through until then; from then on the control covers its area.
    QImage& canvas();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QPixmap stretched_;  // the picture at the control's size, when stretched
    bool pressed_ = false;
};
