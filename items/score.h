// The score (得点).
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Adds n points (at most 9999 at once, then the bonuses of set ホーシオ and worn items) and
// floats "+n pt." over the picture.
void AddScore(Game& g, int32_t n);

}  // namespace quill
