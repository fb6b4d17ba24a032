// Step 2 of a turn: the enemy draws its technique; the player picks one from battle_list
// and presses "発動", or clicks a technique card.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

void ChooseActionStep(Game& g);

// The enemy's technique for this turn, with the named enemies' own habits.
int32_t EnemyTechnique(Game& g);

// A row of battle_list was pressed or released: the technique of that row is chosen.
void battle_listMouseDown(Game& g);
// "発動": the chosen technique starts at the next tick.
void Button1Click(Game& g);

}  // namespace quill
