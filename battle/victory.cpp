#include "battle/victory.h"

#include "battle/sequencer.h"

namespace quill {

void CheckDeaths(Game& g) {
    if (g.game_over == 1) return;
    // Revival, death and the enemy's defeat with its rewards are decided here.
    RunStep(g);
}

void CheckLevelUp(Game& g) {
    if (g.game_over == 1) return;
    // The level-ups with their gains are decided here.
    RunStep(g);
}

}  // namespace quill
