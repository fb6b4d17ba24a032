// The rest on the way (steps 14 and 15) and the inn of the island (steps 19 to 21).
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// The price of a night at the inn.
int32_t InnPrice(const Game& g);
// The MP a rest costs.
int32_t RestCost(const Game& g);

// Gives the sequencer the rest's and the inn's steps.
void RegisterRestAndInnSteps(Game& g);

}  // namespace quill
