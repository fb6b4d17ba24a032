// The pet's own actions in battle.
#pragma once

#include "state/game.h"

namespace quill {

// The pet acts at the start of the adventurer's turn; the turn goes on at the next advance.
void PetActsAtTurnStart(Game& g);

}  // namespace quill
