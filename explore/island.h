// The island map: landing, its progress marks and its places.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

// Lands the adventurer on the island map.
void EnterIsland(Game& g);

// The island's changed form: "map.bmp" becomes "map2.bmp" once battle 12 is won twice,
// and back once battle 13 is won twice. Other names pass unchanged.
std::string IslandMapName(const Game& g, const std::string& name);

// Draws the progress marks into the background buffer.
void DrawIslandOverlays(Game& g);

}  // namespace quill
