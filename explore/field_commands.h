// What the command cards do: the walk ("進む"), the way back ("帰る"), the rest, the
// treasure chest and the sickness, and the technique cards of the player's turn.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// A card was clicked (its index in the command table).
void CommandCardClicked(Game& g, int32_t card);

// After each chest action: the points that were left; opens the chest at 0, or ends the
// adventurer who forced it to death.
int32_t ChestCheck(Game& g);
// After each treatment: the points that were left; cures at 0, or ends the adventurer.
int32_t SicknessCheck(Game& g);

}  // namespace quill
