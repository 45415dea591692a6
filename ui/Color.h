#pragma once

#include <cstdint>

namespace zt {

// A 24-bit colour.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color RgbColor(std::uint32_t rrggbb) {
    return {static_cast<std::uint8_t>(rrggbb >> 16), static_cast<std::uint8_t>(rrggbb >> 8),
            static_cast<std::uint8_t>(rrggbb)};
}

inline constexpr Color clBlack = RgbColor(0x000000);
inline constexpr Color clWhite = RgbColor(0xFFFFFF);
inline constexpr Color clYellow = RgbColor(0xFFFF00);
inline constexpr Color clFuchsia = RgbColor(0xFF00FF);
inline constexpr Color clPurple = RgbColor(0x800080);
inline constexpr Color clSilver = RgbColor(0xC0C0C0);
inline constexpr Color clGray = RgbColor(0x808080);
inline constexpr Color clLime = RgbColor(0x00FF00);
inline constexpr Color clRed = RgbColor(0xFF0000);
// The system's face colour of dialogs and buttons.
inline constexpr Color clBtnFace = RgbColor(0xF0F0F0);

} // namespace zt
