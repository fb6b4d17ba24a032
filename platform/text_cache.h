// Rendered texts kept for reuse: the status display, the log and the pop-ups draw the same
// few texts frame after frame, and shaping a text costs far more than copying it.
#pragma once

#include <QImage>

#include <string_view>

#include "platform/font.h"

namespace platform {

struct RenderedText {
    QImage mask;      // Format_Alpha8 coverage of the text's pixels
    int left = 0;     // where the mask starts, relative to the text's x
    int top = 0;      // where the mask starts, relative to the text's y
    int advance = 0;  // the width of the text
};

// The text rendered in the font's face, size and weight (its colour does not matter).
const RenderedText& rendered_text(std::string_view utf8, const Font& font);

}  // namespace platform
