// A 24-bit colour.
#pragma once

#include <cstdint>

namespace quill::platform {

struct Color {
    uint8_t r = 0, g = 0, b = 0;

    // From the 0xRRGGBB notation the game's colours are written in.
    static constexpr Color rgb(uint32_t v) {
        return Color{static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
                     static_cast<uint8_t>(v)};
    }
    constexpr uint32_t value() const { return (uint32_t(r) << 16) | (uint32_t(g) << 8) | b; }
    friend constexpr bool operator==(Color a, Color b) = default;
};

namespace colors {
constexpr Color kBlack = Color::rgb(0x000000);
constexpr Color kWhite = Color::rgb(0xFFFFFF);
constexpr Color kRed = Color::rgb(0xFF0000);
}  // namespace colors

}  // namespace quill::platform
