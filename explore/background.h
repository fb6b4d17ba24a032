// Scene backgrounds.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

// Makes the named picture of cg/ the scene background (an empty name shows the last one
// again) and composes a frame. A picture that cannot be loaded leaves the old background.
void ShowBackground(Game& g, const std::string& name);

// Darkens the background buffer towards its edges, as every battle scene is shown: from
// x = 320 to the right down to 20 %, and the left 150 columns down to 25 % at the edge.
void ShadeBattleEdges(platform::Bitmap& picture);

// Darkens the whole scene background to half its light (the final forms of the island's
// characters meet the adventurer in a darker scene) and composes a frame.
void DarkenBackground(Game& g);

}  // namespace quill
