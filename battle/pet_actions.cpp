#include "battle/pet_actions.h"

#include "battle/sequencer.h"

namespace quill {

void PetActsAtTurnStart(Game& g) {
    // The pet's attack or support is chosen and shown here; the next advance goes on with
    // the adventurer's turn.
    Arm(g, 1);
}

}  // namespace quill
