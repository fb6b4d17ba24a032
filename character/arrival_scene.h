// The arrival scene told when a new adventurer first wakes on the island.
#pragma once

#include <string>
#include <vector>

namespace quill {

// The 36 lines of the scene, with the adventurer's name where the story names them.
// Line 1 is "ようこそ。島へ", line 34 "...." + name + "は目を覚ました", line 36 a single space.
std::vector<std::string> ArrivalSceneLines(const std::string& name);

}  // namespace quill
