// The step sequencer: battles, story lines, rest, the inn, the shop keepers and the pet's
// nest are chains of numbered steps, one step per advance of the game.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Runs one step of the sequence.
void RunStep(Game& g);

// Lets the next advance run the next step (n steps may be pending; at least one).
void Arm(Game& g, int32_t n);

}  // namespace quill
