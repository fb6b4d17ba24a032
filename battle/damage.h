// The damage rules: a full hit (attack against defence, elements, hit chance, guard,
// critical, absorbing and reflecting, the after-effects) and a sure hit.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// The technique a hit belongs to, as the rules read it.
struct HitKind {
    int32_t id = -1;  // -1: no technique (the pet's own hit)
    bool magic = false;
    bool none = false, water = false, fire = false, light = false, dark = false;
    const char* name = "";
};

// The kind of the technique in progress; the pet's hits have none.
HitKind HitKindOf(const Game& g, int attacker);

// The full rule: attacker against defender (sides 0 player, 1 enemy, 2 pet) with base a.
void Damage(Game& g, int attacker, int defender, int32_t a);
// The sure-hit rule: no attack, defence, hit roll, guard or critical.
void SureDamage(Game& g, int attacker, int defender, int32_t a);

}  // namespace quill
