// Techniques learned after a won battle, and the milestones of their use.
#pragma once

#include "state/game.h"

namespace quill {

// After the enemy fell and its lines were told: techniques learned, ホーシオ and BP; then
// the battle goes on to the item find.
void LearnTechniques(Game& g);

}  // namespace quill
