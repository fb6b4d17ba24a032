// What each technique does at its steps of work (3, 4 and 5), for either side.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Runs the work of the technique in progress at that step; every technique ends the action
// at its last step.
void RunTechniqueStep(Game& g, int32_t step);

}  // namespace quill
