// The test host's frame pictures: PNG files that decode to the frame, text art both ways, and the
// golden comparison's failure output.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/firmware/lcd_test_support.h"
#include "tests/host/frame_png.h"

namespace {

std::vector<uint8_t> read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t be32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// Decodes the PNGs our encoder writes (8-bit RGB, stored deflate blocks) back into pixels, so
// the test reads the file as a viewer would rather than trusting the encoder's own view.
struct Decoded {
    uint32_t width = 0, height = 0;
    std::vector<uint8_t> rgb;
};
Decoded decode_stored_png(const std::vector<uint8_t>& png) {
    Decoded d;
    const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(png.size() > 8 && std::equal(signature, signature + 8, png.begin()));
    std::vector<uint8_t> zlib;
    for (size_t at = 8; at + 12 <= png.size();) {
        const uint32_t length = be32(png, at);
        const std::string type(png.begin() + at + 4, png.begin() + at + 8);
        if (type == "IHDR") {
            d.width = be32(png, at + 8);
            d.height = be32(png, at + 12);
            EXPECT_EQ(png[at + 16], 8);  // bit depth
            EXPECT_EQ(png[at + 17], 2);  // RGB
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), png.begin() + at + 8, png.begin() + at + 8 + length);
        } else if (type == "IEND") {
            // The CRC of an empty IEND chunk is the same in every PNG ever written.
            EXPECT_EQ(be32(png, at + 8), 0xAE426082u);
        }
        at += 12 + length;
    }
    std::vector<uint8_t> raw;
    size_t at = 2;  // past the zlib header
    for (bool last = false; !last && at + 5 <= zlib.size();) {
        last = zlib[at] & 1;
        const size_t n = zlib[at + 1] | zlib[at + 2] << 8;
        EXPECT_EQ(n ^ 0xFFFF, size_t(zlib[at + 3] | zlib[at + 4] << 8));
        raw.insert(raw.end(), zlib.begin() + at + 5, zlib.begin() + at + 5 + n);
        at += 5 + n;
    }
    uint32_t s1 = 1, s2 = 0;
    for (uint8_t byte : raw) s1 = (s1 + byte) % 65521, s2 = (s2 + s1) % 65521;
    EXPECT_EQ(be32(zlib, at), (s2 << 16 | s1));
    for (uint32_t y = 0; y < d.height; ++y) {
        EXPECT_EQ(raw[y * (1 + 3 * d.width)], 0) << "filter of row " << y;
        d.rgb.insert(d.rgb.end(), raw.begin() + y * (1 + 3 * d.width) + 1,
                     raw.begin() + (y + 1) * (1 + 3 * d.width));
    }
    return d;
}

class FrameSupport : public lcdtest::LcdTest {
protected:
    const std::string dir = std::string(QV7_ARTIFACT_DIR) + "/frame-support";
    void SetUp() override {
        LcdTest::SetUp();
        std::filesystem::create_directories(dir);
    }
};

TEST_F(FrameSupport, PngShowsTheFrameAtItsScale) {
    lcd_pixel(0, 0, 1);
    lcd_pixel(127, 63, 1);
    lcd_pixel(5, 9, 1);
    for (int scale : {1, 2}) {
        const std::string path = dir + "/scale" + std::to_string(scale) + ".png";
        ASSERT_TRUE(write_frame_png(fb(), path, scale));
        const Decoded d = decode_stored_png(read_bytes(path));
        ASSERT_EQ(d.width, 128u * scale);
        ASSERT_EQ(d.height, 64u * scale);
        ASSERT_EQ(d.rgb.size(), size_t{d.width} * d.height * 3);
        for (uint32_t y = 0; y < d.height; ++y)
            for (uint32_t x = 0; x < d.width; ++x) {
                const uint8_t* want = px(x / scale, y / scale) ? kLcdLitRgb : kLcdUnlitRgb;
                ASSERT_TRUE(std::equal(want, want + 3, &d.rgb[(y * d.width + x) * 3]))
                    << "scale " << scale << " pixel " << x << "," << y;
            }
    }
    EXPECT_FALSE(write_frame_png(fb(), dir + "/bad.png", 0));
    EXPECT_FALSE(write_frame_png(fb(), dir + "/no/such/dir/x.png", 1));
}

TEST_F(FrameSupport, LargePicturesSpanSeveralStoredBlocks) {
    std::vector<uint8_t> rgb(200 * 150 * 3);  // 90,150 bytes of rows: two blocks
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<uint8_t>(i * 7);
    const std::string path = dir + "/large.png";
    ASSERT_TRUE(write_rgb_png(rgb.data(), 200, 150, path));
    EXPECT_EQ(decode_stored_png(read_bytes(path)).rgb, rgb);
}

TEST_F(FrameSupport, ArtRoundTripsAndRejectsMalformedText) {
    lcd_line(0, 0, 63, 63, 1);
    const std::string text = frame_to_art(fb());
    ASSERT_EQ(text.size(), 64u * 129u);
    EXPECT_EQ(text.substr(0, 4), "#...");
    uint8_t back[1024];
    ASSERT_TRUE(art_to_frame(text, back));
    EXPECT_EQ(frame_to_art(back), text);

    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_TRUE(art_to_frame(crlf, back));
    EXPECT_TRUE(art_to_frame(text.substr(0, text.size() - 1), back));  // no final newline

    std::string wrongChar = text;
    wrongChar[5] = 'x';
    const std::string malformed[] = {"", text.substr(129), text + std::string(128, '.') + "\n",
                                     wrongChar, text.substr(0, 128) + text.substr(129 + 1)};
    for (const std::string& bad : malformed) {
        back[0] = 0xFF;
        EXPECT_FALSE(art_to_frame(bad, back));
        EXPECT_EQ(back[0], 0) << "a rejected art leaves the frame off";
    }
    EXPECT_EQ(frame_region_art(fb(), -1, -1, 3, 3), "...\n.#.\n..#\n");
}

TEST_F(FrameSupport, MismatchNamesItsPicturesAndCountsPixels) {
    const std::string name = "lcd_rect_1_15_126_25";  // the reference of the rectangle test
    lcd_rect(1, 15, 126, 25, 1);
    ASSERT_TRUE(frame_matches_golden(fb(), name));
    lcd_pixel(60, 40, 1);  // one extra
    lcd_pixel(1, 15, 0);   // one missing
    const auto result = frame_matches_golden(fb(), name);
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_NE(message.find("2 pixels differ"), std::string::npos) << message;
    const std::string base = std::string(QV7_ARTIFACT_DIR) + "/" + name;
    for (const char* suffix : {".actual.txt", ".actual.png", ".diff.png"}) {
        EXPECT_NE(message.find(base + suffix), std::string::npos) << suffix;
        EXPECT_TRUE(std::filesystem::exists(base + suffix)) << suffix;
    }
    std::ifstream actual(base + ".actual.txt");
    const std::string actualArt{std::istreambuf_iterator<char>(actual), {}};
    EXPECT_EQ(actualArt, frame_to_art(fb()));

    // The difference picture marks the extra pixel red and the missing one blue.
    const Decoded diff = decode_stored_png(read_bytes(base + ".diff.png"));
    ASSERT_EQ(diff.width, 256u);
    auto colour = [&](int x, int y) { return &diff.rgb[((2 * y) * 256 + 2 * x) * 3]; };
    EXPECT_GT(colour(60, 40)[0], 0xC0);
    EXPECT_LT(colour(60, 40)[2], 0x40);
    EXPECT_GT(colour(1, 15)[2], 0xC0);
    EXPECT_LT(colour(1, 15)[0], 0x40);
    EXPECT_TRUE(std::equal(kLcdLitRgb, kLcdLitRgb + 3, colour(2, 15)));
    std::filesystem::remove(base + ".actual.txt");
    std::filesystem::remove(base + ".actual.png");
    std::filesystem::remove(base + ".diff.png");
}

TEST_F(FrameSupport, MissingReferenceFailsAndLeavesTheFrameForReview) {
    const std::string name = "no_such_reference_frame";
    const std::string golden = std::string(QV7_GOLDEN_DIR) + "/" + name + ".txt";
    ASSERT_FALSE(std::filesystem::exists(golden));
    lcd_line(0, 0, 10, 10, 1);
    const auto result = frame_matches_golden(fb(), name);
    EXPECT_FALSE(result);
    EXPECT_FALSE(std::filesystem::exists(golden)) << "never created silently";
    const std::string message = result.message();
    const std::string actualTxt = std::string(QV7_ARTIFACT_DIR) + "/" + name + ".actual.txt";
    EXPECT_NE(message.find("cp " + actualTxt + " " + golden), std::string::npos) << message;
    EXPECT_TRUE(std::filesystem::exists(actualTxt));
    EXPECT_TRUE(
        std::filesystem::exists(std::string(QV7_ARTIFACT_DIR) + "/" + name + ".actual.png"));
}

}  // namespace
