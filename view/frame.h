// The frame composer: one complete game frame on the main picture.
#pragma once

#include "state/game.h"

namespace quill {

void ComposeFrame(Game& g);

// The adventurer at the upper right and the pet at the lower right, during a battle.
void DrawBattlePortraits(Game& g);

}  // namespace quill
