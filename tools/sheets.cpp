// sheets: every glyph of the three fonts and every icon, enlarged on a labelled grid, as PNGs
// for review.
//
//   sheets <output folder>     writes font5x7.png, font8x8.png, big_digits.png, icon_sheet.png
//
// Each glyph is drawn by the firmware's own routine (lcd_text5, lcd_text8, lcd_big_text,
// lcd_icon) into the frame and copied from there, so a sheet shows exactly what the LCD shows.
// Above each cell its code (or icon index) is written in the 5x7 font.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "firmware/firmware.h"
#include "tests/host/frame_png.h"

namespace {

constexpr uint8_t kPaper[3] = {0xFF, 0xFF, 0xFF};
constexpr uint8_t kGrid[3] = {0xA0, 0xA0, 0xA0};
constexpr uint8_t kInk[3] = {0x30, 0x30, 0x30};

bool lit(int x, int y) {
    return x >= 0 && x < 128 && y >= 0 && y < 64 &&
           ((state.frameBuffer[(y / 8) * 128 + x] >> (y % 8)) & 1);
}

class Sheet {
public:
    // columns x rows cells, each holding a w x h glyph shown at `scale`, with a label line above.
    Sheet(int columns, int rows, int w, int h, int scale)
        : columns_(columns),
          w_(w),
          h_(h),
          scale_(scale),
          cellW_(w * scale + 2 * kPad),
          cellH_(h * scale + 2 * kPad + kLabel),
          width_(columns * cellW_ + 1),
          height_(rows * cellH_ + 1),
          rgb_(static_cast<size_t>(width_) * height_ * 3) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                put(x, y, x % cellW_ == 0 || y % cellH_ == 0 ? kGrid : kPaper);
    }

    // Cell n shows the frame's pixels from (fx, fy), w x h, under the label.
    void cell(int n, int fx, int fy, const std::string& label) {
        const int x0 = (n % columns_) * cellW_, y0 = (n / columns_) * cellH_;
        for (int y = 0; y < h_ * scale_; ++y)
            for (int x = 0; x < w_ * scale_; ++x)
                put(x0 + kPad + x, y0 + kLabel + kPad + y,
                    lit(fx + x / scale_, fy + y / scale_) ? kLcdLitRgb : kLcdUnlitRgb);
        // The label, in the 5x7 font at twice its size, drawn through the frame as well.
        lcd_clear();
        lcd_text5(0, 1, label.c_str(), 100);
        for (int y = 0; y < 8 * 2; ++y)
            for (int x = 0; x < 6 * static_cast<int>(label.size()) * 2; ++x)
                if (lit(x / 2, y / 2) && x0 + 3 + x < x0 + cellW_)
                    put(x0 + 3 + x, y0 + 2 + y, kInk);
    }

    bool write(const std::string& path) const {
        return write_rgb_png(rgb_.data(), width_, height_, path);
    }

private:
    static constexpr int kPad = 4, kLabel = 18;
    void put(int x, int y, const uint8_t* c) {
        std::memcpy(&rgb_[(static_cast<size_t>(y) * width_ + x) * 3], c, 3);
    }
    int columns_, w_, h_, scale_, cellW_, cellH_, width_, height_;
    std::vector<uint8_t> rgb_;
};

std::string text_of(int code) {
    return std::string(1, static_cast<char>(code));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: sheets <output folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    bool ok = true;

    // 5x7: the whole 6 x 8 cell, its blank top row and sixth column included.
    Sheet font5(10, 10, 6, 8, 8);
    for (int c = 32; c <= 130; ++c) {
        lcd_clear();
        lcd_text5(0, 1, text_of(c).c_str(), 100);
        font5.cell(c - 32, 0, 0, std::to_string(c));
    }
    ok &= font5.write(dir + "/font5x7.png");

    Sheet font8(11, 10, 8, 8, 7);
    for (int c = 32; c <= 138; ++c) {
        lcd_clear();
        lcd_text8(0, 0, text_of(c).c_str(), 0, 0);
        font8.cell(c - 32, 0, 0, std::to_string(c));
    }
    ok &= font8.write(dir + "/font8x8.png");

    const char big[] = " +-.0123456789";
    Sheet digits(7, 2, 22, 32, 4);
    for (int i = 0; big[i] != '\0'; ++i) {
        lcd_clear();
        lcd_big_text(0, 0, text_of(big[i]).c_str());
        digits.cell(i, 0, 0, big[i] == ' ' ? "sp" : text_of(big[i]));
    }
    ok &= digits.write(dir + "/big_digits.png");

    Sheet icons(4, 2, 32, 32, 4);
    for (int i = 0; i < 8; ++i) {
        lcd_clear();
        lcd_icon(static_cast<uint8_t>(i));
        const int x = i == 0 || i == 5 ? 8 : 10, y = i == 0 ? 8 : 16;
        icons.cell(i, x, y, std::to_string(i));
    }
    ok &= icons.write(dir + "/icon_sheet.png");

    if (!ok) std::fprintf(stderr, "sheets: cannot write into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
