// The end of a turn: who died, who revived, who won, who grew.
#pragma once

#include "state/game.h"

namespace quill {

// Step 4: revival, the adventurer's death, the enemy's defeat and its rewards.
void CheckDeaths(Game& g);
// Step 5: the level-ups of the adventurer and the pet.
void CheckLevelUp(Game& g);

}  // namespace quill
