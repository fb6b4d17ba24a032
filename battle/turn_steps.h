// The steps of a battle's turn that the sequencer runs, apart from the choice of the action
// and the checks that later parts of a turn own.
#pragma once

#include "state/game.h"

namespace quill {

// The story's last battle (天界からの使者): its end is the ending.
constexpr int32_t kFinalStoryBattle = 13;

// Step 0: the turn begins; regeneration of the side whose turn it is.
void TurnStartStep(Game& g);
// Step 1: a paralysed or fainted actor may lose its turn; else the statuses act.
void MoveCheckStep(Game& g);
// Step 6: the next turn, or after the enemy fell its lines and the techniques learned.
void NextTurnOrAfterBattleStep(Game& g);
// Step 7: now and then a rare item is found.
void ItemFindStep(Game& g);
// Step 8: the milestones, one per click; then the field cards or the end of the battle.
void MilestoneStep(Game& g);
// Step 9: the end of a battle that returns to the island.
void EndStoryBattleStep(Game& g);

// The island's music, drawn by the adventurer's level.
void PlayAreaMusic(Game& g);

}  // namespace quill
