// The ten chapters of the island's story, told on landing once the adventurer is ready.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The lines of the chapter of the given event flag (30..39), with the adventurer's name
// where the story names them: 33, 17, 18, 18, 10, 10, 9, 9, 25 and 12 lines. Empty for any
// other flag.
std::vector<std::string> StoryChapterLines(int event_flag, const std::string& name);

// Where a line of the story names the adventurer.
constexpr std::string_view kStoryNameMark = "{name}";

// The line with every name mark replaced by the adventurer's name.
std::string PutName(std::string_view line, const std::string& name);

}  // namespace quill
