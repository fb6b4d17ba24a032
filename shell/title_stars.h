// The star field that flies over the title picture.
#pragma once

#include "state/game.h"

namespace quill {

void DrawTitleStars(Game& g);

// Gives a free star record a new star: from below the picture, or (half the time) from
// beyond its right edge at a random height.
void StartTitleStar(TitleStar& s);

}  // namespace quill
