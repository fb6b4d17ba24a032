// The changes of a combatant's HP and MP that every rule goes through: each clamps to
// 0..maximum and shows what happened.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// HP up by n (down when n is negative), with the heal effect and its number.
void Heal(Game& g, int side, int32_t n);
// HP down by n, with the hit effect, the shake and the damage milestones.
void TakeDamage(Game& g, int side, int32_t n);
// MP up or down by n, silently.
void ChangeMp(Game& g, int side, int32_t n);

}  // namespace quill
