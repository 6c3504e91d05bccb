// Colour values as the board stores them: 0x00BBGGRR, red in the lowest byte.
#pragma once

#include <cstdint>

namespace kestrelink {

using Color = std::uint32_t;

// A value with the top bit set names a system colour rather than an RGB triple.
inline constexpr Color kButtonFace = 0x8000000F;
inline constexpr Color kMenuBar = 0x80000004;

inline constexpr Color kBlack = 0x00000000;
inline constexpr Color kWhite = 0x00FFFFFF;
inline constexpr Color kRed = 0x000000FF;

constexpr bool isSystemColor(Color c) {
    return (c & 0x80000000u) != 0;
}
constexpr int redOf(Color c) {
    return static_cast<int>(c & 0xFFu);
}
constexpr int greenOf(Color c) {
    return static_cast<int>((c >> 8) & 0xFFu);
}
constexpr int blueOf(Color c) {
    return static_cast<int>((c >> 16) & 0xFFu);
}
constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>(r & 0xFF) | (static_cast<Color>(g & 0xFF) << 8) |
           (static_cast<Color>(b & 0xFF) << 16);
}

} // namespace kestrelink
