// Combination techniques: a side that chains its techniques performs a combination, a
// free follow-up that costs nothing; a level-40 adventurer who stamps three times performs
// a special move.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Step 3 of a turn: the techniques just used are held against the combination rules; a
// match starts the combination, else the turn goes on.
void CheckCombination(Game& g);
// The detector itself: the id of the combination started, or -1.
int32_t DetectCombination(Game& g);
// The sound of a combination, counted, with the achievements of the count.
void PlayComboSound(Game& g);

}  // namespace quill
