// The enemies of the walk: generated ones, named from the island's list (now and then a
// rare made-up name), scaled by the distance and the adventurer's level, with rare
// special forms.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// A name for a generated enemy.
std::string PickEnemyName(Game& g);

// Fills the enemy record for a generated enemy met at distance d and shows its picture.
void PrepareEncounter(Game& g, int32_t d);

// The rare forms of a generated enemy at distance d for the draw o (0..99; 0 to 3 are the
// rare ones, drawn again between their kinds): changes the enemy and returns its picture,
// the walk's picture by distance for the common draws.
std::string ApplySpecialForm(Game& g, int32_t d, int32_t o);

}  // namespace quill
