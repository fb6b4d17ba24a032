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

// The busy battle frame with twenty live effect animations of different families (the
// effects sheet is loaded from the build's cg/ folder), each at its own age.
void MakeBusyBattleFrameWithEffects(Game& g);
// Starts again every one of the twenty effects that ended, so the frame stays as busy.
void KeepEffectsAlive(Game& g);

}  // namespace quill::testing_support
