// Fonts for text drawn into pictures and shown on labels.
#pragma once

#include "platform/color.h"

namespace quill::platform {

// The game's two Japanese Gothic faces: the fixed-pitch one and the proportional one.
enum class FontFace { Gothic, PGothic };

struct Font {
    FontFace face = FontFace::PGothic;
    int pixel_size = 12;  // height of the characters in pixels
    bool bold = false;
    Color color = colors::kWhite;
    friend constexpr bool operator==(const Font&, const Font&) = default;
};

// Character height in pixels of a font size given in points (on a 96 dpi screen,
// rounded as the classic Windows font mapper does).
constexpr int points_to_pixels(int points) {
    return (points * 96 + 36) / 72;
}

// A font given in points, as the game's drawing code writes them.
constexpr Font font_pt(FontFace face, int points, bool bold, Color color) {
    return Font{face, points_to_pixels(points), bold, color};
}

}  // namespace quill::platform
