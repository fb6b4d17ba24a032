// The growth of the adventurer's techniques: what a won battle teaches, and strengthening
// a technique with BP.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// After the enemy fell and its lines were told: now and then a new technique, a natural
// ホーシオ or one BP, with its line and a wait for the click; else the battle goes on.
void GrantBattleReward(Game& g);

// The chance 1/b of the technique roll after a battle.
int32_t TechniqueRollChance(const Game& g);
// The 1 in N of the ホーシオ roll that follows a missed technique roll, and of the BP roll
// after both.
int32_t HoshioRollChance(const Game& g);
int32_t BonusPointRollChance(const Game& g);

// Raises the technique one level for one BP. Returns what the detail box says when it
// cannot ("BPがありません", "これ以上強化できません"), or nothing when it was raised.
std::string StrengthenTechnique(Game& g, int32_t id);

// Gives the battle what growth adds to it: the combination check (step 3 of a turn), the
// techniques learned after a win, and strengthening a technique with BP.
void RegisterGrowthSteps(Game& g);

}  // namespace quill
