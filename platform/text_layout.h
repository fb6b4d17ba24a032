// Breaking a text into lines that fit a width, as a word-wrapping text box does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace quill::platform {

// The display lines of `utf8` in a box `width` pixels wide. Latin words move to the next
// line whole when they can; Japanese text breaks between any two characters. An empty
// text gives one empty line.
std::vector<std::string> wrap_text(std::string_view utf8, const Font& font, int width);

// `utf8` on one line at most `width` pixels wide: whole when it fits, otherwise cut between
// two characters and ended with "…".
std::string elide_text(std::string_view utf8, const Font& font, int width);

}  // namespace quill::platform
