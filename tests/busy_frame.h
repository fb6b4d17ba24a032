// A hand-made state in the middle of a battle, for the frame tests and the benchmark.
#pragma once

#include "state/game.h"

namespace quill::testing_support {

// Fills the game with a battle scene: both panels with statuses, seven log lines in
// several colours, live pop-ups and a waiting prompt.
void MakeBusyBattleFrame(Game& g);

// The same in the adventurer's turn: eighteen technique cards in place, the pointer over
// the first, so its info box shows too.
void MakeBusyBattleFrameWithCards(Game& g);

}  // namespace quill::testing_support
