#pragma once

#include <QColor>

namespace form_runtime {

// Colours are 24-bit integers in blue-green-red order: 255 is red,
// 16711680 (&H00FF0000&) is blue.
constexpr int kRed = 255;
constexpr int kBlue = 16711680;
constexpr int kPaleYellow = 0xC0FFFF; // &H00C0FFFF&: red 255, green 255, blue 192
constexpr int kDarkGreen = 0x008000;  // &H00008000&: green 128

constexpr int RGB(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

inline QColor colourOf(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace form_runtime
