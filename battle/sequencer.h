// The step sequencer: battles, story lines, rest, the inn, the shop keepers and the pet's
// nest are chains of numbered steps, one step per advance of the game.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Runs one step of the sequence: a queued story line if there is one, else the numbered
// step (the battle's own steps -1 to 9, or a step another part of the game registered).
void RunStep(Game& g);

// Lets the next advance run the next step (n steps may be pending; at least one).
void Arm(Game& g, int32_t n);

// Gives a numbered step to the part of the game that owns it (the rest, the inn, a shop
// keeper, the pet's nest).
void RegisterStep(Game& g, int32_t step, void (*run)(Game&));

}  // namespace quill
