// Money and experience won, and the end of an adventurer.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Money won (or lost), with the bonuses of the personality and of worn items.
void GainMoney(Game& g, int32_t n);
// Experience for the side whose turn it is (and the pet at its side).
void GainExp(Game& g, int32_t n);
// The adventurer is dead: the next click on the picture returns to the title.
void GameOver(Game& g);
// The adventurer dies outside the turn's death check (a chest forced, a sickness): the
// music stops, the log and the news say so once, and the game is over.
void AdventurerDies(Game& g);

}  // namespace quill
