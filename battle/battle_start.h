// Starting a battle once an event has filled the enemy record, and its first step.
#pragma once

#include "state/game.h"

namespace quill {

void BeginBattle(Game& g);

// Step -1: who acts first, the armour and ホーシオ bonuses, the music, the announcement.
void BattleStartStep(Game& g);

}  // namespace quill
