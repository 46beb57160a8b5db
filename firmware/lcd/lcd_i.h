// Internal to the LCD layer: the staging of constant texts.
#pragma once

#include <cstddef>

// Constant texts are copied into a 32-byte buffer before they are drawn, as the instrument does
// with texts from its constant table: at most 31 characters and the terminator. A longer text is
// cut at 31 characters; nothing is ever written past the buffer. A null text stages as empty.
constexpr std::size_t kStageSize = 32;

inline const char* lcd_stage(char (&buffer)[kStageSize], const char* text) {
    std::size_t n = 0;
    if (text != nullptr)
        for (; n < kStageSize - 1 && text[n] != '\0'; ++n) buffer[n] = text[n];
    buffer[n] = '\0';
    return buffer;
}
