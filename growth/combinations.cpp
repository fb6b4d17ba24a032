#include "growth/combinations.h"

#include "battle/sequencer.h"
#include "growth/technique_growth.h"

namespace quill {

void CheckCombination(Game& g) {
    // The pair and triple rules are tested here.
    RunStep(g);
}

void RegisterGrowthSteps(Game& g) {
    RegisterStep(g, 3, CheckCombination);
    g.learn_techniques = GrantBattleReward;
}

}  // namespace quill
