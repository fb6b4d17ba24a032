// Rare items found after a battle.
#pragma once

#include "state/game.h"

namespace quill {

// Draws a rare item the adventurer does not hold yet and gives it; false when none fits.
bool FindRareItem(Game& g);

}  // namespace quill
