#include "tests/host/frame_art.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "tests/host/frame_png.h"

namespace {

bool lit(const uint8_t* frame, int x, int y) {
    return (frame[(y / 8) * 128 + x] >> (y % 8)) & 1;
}

bool read_file(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

// The reference black on grey-green, extra pixels (lit only in the actual frame) red and missing
// ones (lit only in the reference) blue, at the window's 2x.
bool write_diff_png(const uint8_t* actual, const uint8_t* expected, const std::string& path) {
    constexpr int kScale = 2;
    constexpr uint8_t kExtra[3] = {0xE0, 0x10, 0x10};
    constexpr uint8_t kMissing[3] = {0x10, 0x40, 0xF0};
    std::vector<uint8_t> rgb(128 * kScale * 64 * kScale * 3);
    for (int y = 0; y < 64 * kScale; ++y)
        for (int x = 0; x < 128 * kScale; ++x) {
            const bool a = lit(actual, x / kScale, y / kScale);
            const bool e = lit(expected, x / kScale, y / kScale);
            const uint8_t* colour = a == e ? (a ? kLcdLitRgb : kLcdUnlitRgb)
                                    : a    ? kExtra
                                           : kMissing;
            std::memcpy(&rgb[(y * 128 * kScale + x) * 3], colour, 3);
        }
    return write_rgb_png(rgb.data(), 128 * kScale, 64 * kScale, path);
}

}  // namespace

std::string frame_to_art(const uint8_t* frame) {
    std::string art;
    art.reserve(64 * 129);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 128; ++x) art += lit(frame, x, y) ? '#' : '.';
        art += '\n';
    }
    return art;
}

bool art_to_frame(const std::string& art, uint8_t* frame) {
    std::memset(frame, 0, 1024);
    std::vector<std::string> lines;
    std::istringstream in(art);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    bool ok = lines.size() == 64;
    for (int y = 0; ok && y < 64; ++y) {
        ok = lines[y].size() == 128;
        for (int x = 0; ok && x < 128; ++x) {
            const char c = lines[y][x];
            ok = c == '#' || c == '.';
            if (c == '#') frame[(y / 8) * 128 + x] |= static_cast<uint8_t>(1u << (y % 8));
        }
    }
    if (!ok) std::memset(frame, 0, 1024);
    return ok;
}

std::string frame_region_art(const uint8_t* frame, int x, int y, int width, int height) {
    std::string art;
    for (int row = y; row < y + height; ++row) {
        for (int col = x; col < x + width; ++col)
            art +=
                col >= 0 && col < 128 && row >= 0 && row < 64 && lit(frame, col, row) ? '#' : '.';
        art += '\n';
    }
    return art;
}

::testing::AssertionResult frame_matches_golden(const uint8_t* frame, const std::string& name) {
    const std::string golden = std::string(QV7_GOLDEN_DIR) + "/" + name + ".txt";
    const std::string artifacts = QV7_ARTIFACT_DIR;
    const std::string actualTxt = artifacts + "/" + name + ".actual.txt";
    const std::string actualPng = artifacts + "/" + name + ".actual.png";
    const std::string diffPng = artifacts + "/" + name + ".diff.png";

    std::string reference;
    const bool haveReference = read_file(golden, reference);
    uint8_t expected[1024];
    const bool readable = haveReference && art_to_frame(reference, expected);
    int differing = 0;
    if (readable) {
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 128; ++x) differing += lit(frame, x, y) != lit(expected, x, y);
        if (differing == 0) return ::testing::AssertionSuccess();
    }

    std::error_code ignored;
    std::filesystem::create_directories(artifacts, ignored);
    const bool written = write_file(actualTxt, frame_to_art(frame)) &&
                         write_frame_png(frame, actualPng, 2) &&
                         (!readable || write_diff_png(frame, expected, diffPng));
    auto failure = ::testing::AssertionFailure();
    if (!haveReference)
        failure << "no reference frame " << golden << ".\n";
    else if (!readable)
        failure << "reference " << golden << " is not 64 lines of 128 '#'/'.'.\n";
    else
        failure << differing << " pixels differ from " << golden << "; see " << diffPng
                << " (red: lit only in the actual frame, blue: lit only in the reference).\n";
    failure << "Actual frame: " << actualTxt << " and " << actualPng
            << (written ? "" : " (could not all be written)") << ".\n"
            << "If the actual frame is right, accept it: cp " << actualTxt << " " << golden << "\n"
            << frame_to_art(frame);
    return failure;
}
