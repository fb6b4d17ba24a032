// The pet at the adventurer's side: its action at the start of the adventurer's turn, and
// its moods, which follow the elements of the techniques the adventurer uses.
#pragma once

#include "state/game.h"

namespace quill {

// The pet acts at the start of the adventurer's turn (the caller drew the 1 in 10); the turn
// goes on at the next advance. With MP it spends one on a support chosen by its intellect
// and coloured by its tendency; without, it attacks or looks after itself.
void PetActsAtTurnStart(Game& g);

// At a step of the adventurer's technique: with a pet standing, 1 in 10, the pet's moods
// move toward the technique's elements and the strictly greatest sets its tendency.
void PetMoodsFollow(Game& g);
// The moods moved by one technique's element flags (無, 光, 闇, 火, 水), then the tendency.
void ShiftPetMoods(Combatant& pet, const std::array<bool, 5>& elements);

}  // namespace quill
