// The state clamp run at the end of every tick step of the game screen.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Brings money, the pools and experience of the adventurer and the enemy, and the pet's
// values back inside their limits.
void ClampPlayerState(Game& g);

// The most TP the adventurer may hold.
int32_t AdventurerTpCeiling(const Game& g);

}  // namespace quill
