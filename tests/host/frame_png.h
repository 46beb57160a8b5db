// LCD frames as PNG pictures, for review: a failing golden comparison writes them, and so does
// the sheet tool. No window toolkit: a small encoder of its own (stored deflate blocks).
#pragma once

#include <cstdint>
#include <string>

// Colours of the LCD as the window shows it: lit pixels black on a light grey-green glass.
constexpr uint8_t kLcdLitRgb[3] = {0x00, 0x00, 0x00};
constexpr uint8_t kLcdUnlitRgb[3] = {0xC4, 0xCE, 0xB4};

// Writes a frame (1024 bytes in frameBuffer's layout) as a PNG of 128 x 64 pixels times
// `scale` (1 or more; 2 is the window's size). False when the file cannot be written or the
// scale is below 1.
bool write_frame_png(const uint8_t* frame /*1024 bytes*/, const std::string& path, int scale);

// Writes an RGB picture, 3 bytes a pixel, rows top first. False when it cannot be written.
bool write_rgb_png(const uint8_t* rgb, int width, int height, const std::string& path);
