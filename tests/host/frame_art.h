// LCD frames as text art: 64 lines of 128 characters, '#' a lit pixel and '.' an unlit one, each
// line ending in '\n'. Frames are compared in this form because it diffs readably in review.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

std::string frame_to_art(const uint8_t* frame /*1024 bytes*/);

// Reads art back into a frame. False, with the frame left all off, when the art is not exactly
// 64 lines of 128 '#'/'.' (a '\r' before each '\n' and a missing last '\n' are accepted).
bool art_to_frame(const std::string& art, uint8_t* frame /*1024 bytes*/);

// A rectangle of the frame as art, `height` lines of `width` characters each ending in '\n';
// pixels outside the screen read as '.'. For tests that look at one corner of a frame.
std::string frame_region_art(const uint8_t* frame, int x, int y, int width, int height);

// Compares a frame with the reference tests/golden/<name>.txt. On a mismatch, or when the
// reference is missing, writes <name>.actual.txt and <name>.actual.png (2x) into the test
// artifact directory, and on a mismatch also <name>.diff.png (extra pixels red, missing pixels
// blue); the failure message names the files, the number of differing pixels, and how to accept
// the actual frame as the reference. A missing reference is never created silently.
::testing::AssertionResult frame_matches_golden(const uint8_t* frame, const std::string& name);
