#include "tests/host/frame_png.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <vector>

namespace {

uint32_t crc32(const uint8_t* data, size_t n, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < n; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

// A chunk: length, type, data, and the CRC of type and data.
void chunk(std::vector<uint8_t>& png, const char type[4], const std::vector<uint8_t>& data) {
    put32(png, static_cast<uint32_t>(data.size()));
    const size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    put32(png, crc32(&png[typeAt], 4 + data.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks, at most 65535 bytes each.
std::vector<uint8_t> zlib_stored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> z = {0x78, 0x01};
    size_t at = 0;
    do {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + n == raw.size();
        z.push_back(last ? 1 : 0);
        z.push_back(static_cast<uint8_t>(n));
        z.push_back(static_cast<uint8_t>(n >> 8));
        z.push_back(static_cast<uint8_t>(~n));
        z.push_back(static_cast<uint8_t>(~n >> 8));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    uint32_t s1 = 1, s2 = 0;  // Adler-32
    for (uint8_t byte : raw) {
        s1 = (s1 + byte) % 65521;
        s2 = (s2 + s1) % 65521;
    }
    put32(z, (s2 << 16) | s1);
    return z;
}

}  // namespace

bool write_rgb_png(const uint8_t* rgb, int width, int height, const std::string& path) {
    if (rgb == nullptr || width < 1 || height < 1) return false;
    std::vector<uint8_t> raw;  // each row: filter type 0, then its pixels
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * width));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        raw.insert(raw.end(), rgb + static_cast<size_t>(y) * 3 * width,
                   rgb + static_cast<size_t>(y + 1) * 3 * width);
    }
    std::vector<uint8_t> header;
    put32(header, static_cast<uint32_t>(width));
    put32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, no filter, no interlace

    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    chunk(png, "IHDR", header);
    chunk(png, "IDAT", zlib_stored(raw));
    chunk(png, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
    return static_cast<bool>(out);
}

bool write_frame_png(const uint8_t* frame, const std::string& path, int scale) {
    if (frame == nullptr || scale < 1) return false;
    const int width = 128 * scale, height = 64 * scale;
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int fx = x / scale, fy = y / scale;
            const bool lit = (frame[(fy / 8) * 128 + fx] >> (fy % 8)) & 1;
            const uint8_t* colour = lit ? kLcdLitRgb : kLcdUnlitRgb;
            std::copy(colour, colour + 3, &rgb[(static_cast<size_t>(y) * width + x) * 3]);
        }
    return write_rgb_png(rgb.data(), width, height, path);
}
