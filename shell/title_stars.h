// The star field that flies over the title picture.
#pragma once

#include "state/game.h"

namespace quill {

void DrawTitleStars(Game& g);

}  // namespace quill
