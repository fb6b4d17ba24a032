// The short guide to the game (遊び方): a few pages, each a title and a body that fits one
// page of the guide's window.
#pragma once

#include <string>
#include <vector>

namespace quill {

struct HelpPage {
    std::string title;
    std::string body;  // paragraphs separated by line breaks; the window wraps the lines
};

// The pages in reading order.
const std::vector<HelpPage>& HelpPages();

}  // namespace quill
