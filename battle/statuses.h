// The statuses of a combatant at its own turn: poisons, regeneration, boosts running out.
#pragma once

#include "state/game.h"

namespace quill {

// The per-turn work of the statuses of the side whose turn it is; ends by running the
// turn's choice of the action (step 2).
void RunTurnStatuses(Game& g);

}  // namespace quill
