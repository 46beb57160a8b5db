// present_frame of the Qt host, drawing the framebuffer into the LCD view's image of a shown
// window, beside a plain copy of an image of the same size and depth: a present writes every
// pixel of that image, so the copy is the bound it cannot beat. Run on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <cstring>

#include "firmware/firmware.h"
#include "pcmain/pcmain.h"

namespace {

// The LCD view's image: 257 x 129 pixels of 32 bits.
constexpr int kViewWidth = 257;
constexpr int kViewHeight = 129;

// A frame with as many lit as unlit pixels, in no run a branch predictor could learn.
void fill_frame() {
    uint32_t x = 2463534242u;
    for (uint8_t& byte : state.frameBuffer) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        byte = static_cast<uint8_t>(x);
    }
}

void bm_present_frame(benchmark::State& st) {
    fill_frame();
    for (auto _ : st) {
        present_frame();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(bm_present_frame)->Name("present_frame");

void bm_plain_copy(benchmark::State& st) {
    QImage from(kViewWidth, kViewHeight, QImage::Format_RGB32);
    QImage to(kViewWidth, kViewHeight, QImage::Format_RGB32);
    from.fill(Qt::gray);
    to.fill(Qt::black);
    const uchar* source = from.constBits();
    uchar* target = to.bits();  // detached once, here
    const size_t bytes = static_cast<size_t>(from.sizeInBytes());
    for (auto _ : st) {
        std::memcpy(target, source, bytes);
        benchmark::DoNotOptimize(target);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(bm_plain_copy)->Name("plain_copy_257x129");

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1 form;
    form.show();
    QApplication::processEvents();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
