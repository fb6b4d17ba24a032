// Starting a battle once an event has filled the enemy record.
#pragma once

#include "state/game.h"

namespace quill {

void BeginBattle(Game& g);

}  // namespace quill
