// The island map: landing, its progress marks, its places and the story chapters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "state/game.h"

namespace quill {

// Lands the adventurer on the island map (from the title, after a scene or a chapter).
void EnterIsland(Game& g);
// The achievements a landing grants (held ones are ignored by the grant): by the greatest
// distance, by the pet's values and moods, by the combinations discovered.
std::vector<int32_t> LandingAchievements(const Game& g);
// Hides the map before a scene.
void LeaveMap(Game& g);
// Hides the map and tells the queued story lines, landing again afterwards.
void TellStoryAndReturn(Game& g);

// The island's changed form: "map.bmp" becomes "map2.bmp" once battle 12 is won twice,
// and back once battle 13 is won twice. Other names pass unchanged.
std::string IslandMapName(const Game& g, const std::string& name);

// Draws the progress marks into the background buffer (and places the merchants' marks).
void DrawIslandOverlays(Game& g);

// The event flag of the chapter to tell on this landing (30..39), or 0 for none.
int NextStoryChapter(const Game& g);

// The map's click regions.
// Marks the map's places that a click starts something at now (the window lights them under
// the pointer); the rest, and every place while the map is away, are not marked.
void MarkPlacesThatAct(Game& g);

void map_b1MouseDown(Game& g);
void map_b0MouseDown(Game& g);
void Image6MouseDown(Game& g);
void Image7MouseDown(Game& g);
void Image8MouseDown(Game& g);
void map_hMouseDown(Game& g);
void map_b20MouseDown(Game& g);

}  // namespace quill
