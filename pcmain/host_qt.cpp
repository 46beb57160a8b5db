// The host operations of the run loop, served by the window. Without a window (before it is
// made, or once it is gone) they read neutral values and show nothing.
#include <QCheckBox>
#include <QCoreApplication>
#include <QSlider>
#include <cstring>

#include "firmware/firmware.h"
#include "pcmain/colours.h"
#include "pcmain/pcmain.h"
#include "pcmain/timage.h"
#include "pcmain/tshape.h"

namespace {

constexpr int kLcdWidth = 128;
constexpr int kLcdPages = 8;  // of 8 rows each

// Draws the framebuffer into the view at twice its size. The framebuffer is 8 pages of 128
// column bytes, bit 0 of a byte the top row of its page (see lcd_pixel). Each page's 8 pixel
// rows are written a column byte at a time into the even image rows, each of which is then
// copied whole into the odd row below it. The view's last column and row are never written.
void draw_lcd(const uint8_t* frame, QImage& view) {
    if (view.format() != QImage::Format_RGB32 || view.width() < 2 * kLcdWidth ||
        view.height() < 2 * 8 * kLcdPages)
        return;
    uchar* const bits = view.bits();
    const qsizetype stride = view.bytesPerLine();
    constexpr size_t kRowBytes = 2 * kLcdWidth * sizeof(quint32);
    for (int page = 0; page < kLcdPages; ++page) {
        quint32* rows[8];
        for (int bit = 0; bit < 8; ++bit)
            rows[bit] = reinterpret_cast<quint32*>(bits + (2 * (8 * page + bit)) * stride);
        const uint8_t* column = frame + page * kLcdWidth;
        for (int x = 0; x < kLcdWidth; ++x) {
            const unsigned byte = column[x];
            for (int bit = 0; bit < 8; ++bit) {
                const quint32 colour =
                    (byte >> bit) & 1u ? colours::clBlack : colours::clInactiveBorder;
                rows[bit][2 * x] = colour;
                rows[bit][2 * x + 1] = colour;
            }
        }
        for (int bit = 0; bit < 8; ++bit)
            std::memcpy(reinterpret_cast<uchar*>(rows[bit]) + stride, rows[bit], kRowBytes);
    }
}

}  // namespace

int32_t read_input_y() {
    return Form1 ? Form1->TrackBar1->value() : 0;
}

int32_t read_input_z() {
    return Form1 ? Form1->TrackBar2->value() : 0;
}

bool read_calibrate_switch() {
    return Form1 && Form1->CheckBox2->isChecked();
}

bool read_keyfast_switch() {
    return Form1 && Form1->CheckBox3->isChecked();
}

void set_alarm_led(bool lit) {
    if (Form1)
        Form1->Shape1->setBrushColor(QColor::fromRgb(lit ? colours::clRed : colours::clMaroon));
}

// Hiding and showing within one pass paints nothing in between: painting waits for the next
// pump_events, by when the view is shown again with the whole new frame. The view has no
// layout to redo, so the pair costs two flag changes and one coalesced repaint.
void set_lcd_visible(bool visible) {
    if (Form1) Form1->Image1->setVisible(visible);
}

void present_frame() {
    if (!Form1) return;
    draw_lcd(state.frameBuffer, Form1->Image1->canvas());
    Form1->Image1->update();
}

void pump_events() {
    if (Form1)
        Form1->pumpEvents();
    else if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}
