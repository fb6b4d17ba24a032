// Combination techniques: a side that chains its techniques performs a combination.
#pragma once

#include "state/game.h"

namespace quill {

// Step 3 of a turn: the techniques just used are held against the combination rules;
// without a combination the turn goes on.
void CheckCombination(Game& g);

// Gives the battle its combination check (step 3) and the techniques learned after a win.
void RegisterGrowthSteps(Game& g);

}  // namespace quill
