// The window's fixed colours, under the names the form was designed with. Where the design used
// a system colour, a fixed colour stands in for it, so the window looks the same on every desktop.
#pragma once

#include <QColor>

namespace colours {

constexpr QRgb clBlack = qRgb(0, 0, 0);  // a lit LCD pixel
// An unlit LCD pixel: stands in for the colour of inactive window borders.
constexpr QRgb clInactiveBorder = qRgb(216, 224, 208);
// The panel around the LCD view, and the view's last column and row, which no frame covers.
constexpr QRgb clScrollBar = qRgb(200, 200, 200);
constexpr QRgb clRed = qRgb(255, 0, 0);     // the LED lit, and before the first pass
constexpr QRgb clMaroon = qRgb(128, 0, 0);  // the LED dark

}  // namespace colours
