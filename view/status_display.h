// The status display: score and distance, the adventurer's and the enemy's panels with
// their rolling numbers, bars and status tags.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

void DrawStatus(Game& g);

// The tags of the active statuses, harmful or helpful ones, in display order.
std::string StatusTags(const Combatant& c, bool helpful);

// One frame of rolling: the shown value moves toward the real one by a tenth of the
// difference plus one (`divisor` 3 for the enemy's HP, which falls faster).
int32_t RollToward(int32_t shown, int32_t real, int32_t divisor = 10);

}  // namespace quill
