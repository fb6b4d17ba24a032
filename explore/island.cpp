#include "explore/island.h"

namespace quill {

void EnterIsland(Game& g) {
    g.state.distance_m = 0;
    g.map_shown = 1;
    // The landing, the map panel and the story chapters follow here.
}

std::string IslandMapName(const Game& g, const std::string& name) {
    std::string result = name;
    if (result == "map.bmp" && g.state.story_flags[12] == 2) result = "map2.bmp";
    if (result == "map2.bmp" && g.state.story_flags[13] == 2) result = "map.bmp";
    return result;
}

void DrawIslandOverlays(Game&) {
    // The marks of the story's progress are drawn here.
}

}  // namespace quill
