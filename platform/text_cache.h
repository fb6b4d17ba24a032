// Rendered texts kept for reuse: the status display, the log and the pop-ups draw the same
// few texts frame after frame, and shaping a text costs far more than copying it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace quill::platform {

// A text's coverage, cut down to the box of its lit pixels and stored per colour byte, so
// a row blends as one run of bytes. Drawing looks at each row's lit span only, never at the
// empty margins around the text.
struct RenderedText {
    int left = 0;   // where the box starts, relative to the text's x
    int top = 0;    // where the box starts, relative to the text's y
    int width = 0;  // the box; 0 x 0 when nothing is lit (spaces only)
    int height = 0;
    int advance = 0;  // the width of the text
    // width x height pixels of 3 bytes each, every byte the pixel's coverage from 0 (not lit)
    // to 255 (fully lit).
    std::vector<uint8_t> coverage;
    // Row y's lit pixels lie in the columns spans[2y] up to (not including) spans[2y + 1].
    std::vector<uint32_t> spans;
};

// The text rendered in the font's face, size and weight (its colour does not matter). Use
// the answer before asking for another text: the cache may start over on that call.
const RenderedText& rendered_text(std::string_view utf8, const Font& font);

}  // namespace quill::platform
