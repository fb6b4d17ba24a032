// Rare items: found after a battle, or given by events.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Gives one item: the rare sound, the count, the "rainbow" line and twice its price in
// points. Nothing for an id that holds no item.
void GainItem(Game& g, int32_t id);

// Draws a rare item the adventurer does not hold yet (901 draws at most) and gives it;
// false when none fits.
bool FindRareItem(Game& g);

}  // namespace quill
