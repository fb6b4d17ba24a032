// The frame composer: one complete game frame on the main picture.
#pragma once

#include "state/game.h"

namespace quill {

void ComposeFrame(Game& g);

// Ticks the red screen of a death stands before a click takes the player to the title (a
// click meant for the battle must not skip it).
constexpr int32_t kDeathPauseTicks = 14;

// The game waits for the player's click (or Space): a line that waits, the next step of a
// turn or of an action under way, or the red screen of a death once its pause is over. Choices
// (cards, lists, questions) are not waits.
bool WaitingForClick(const Game& g);

// The prompt of a wait: a ▼ that bobs gently at the lower right, inside the picture.
void DrawWaitPrompt(platform::Bitmap& picture, int32_t tick);

// The adventurer at the upper right and the pet at the lower right, during a battle.
void DrawBattlePortraits(Game& g);

}  // namespace quill
