// Whole-record operations on the game state.
#pragma once

#include "state/game.h"

namespace quill {

// Gives every field its new-game value, clears the pet, draws a new player id and ends
// with restore_all(). Writes no file; the callers save afterwards.
void new_game(Game& g);

// The full recovery: every status counter of the three combatants to 0, the adventurer's
// and the pet's HP and MP to their maximum (TP is not refilled), and the run flags
// game_over, in_battle and a pending advance cleared.
void restore_all(Game& g);

// Clears what one outing leaves behind: the enemy, the action in progress, the pop-ups,
// the death and the held button.
void ResetRunState(Game& g);

bool has_pet(const Game& g);
bool adventurer_exists(const Game& g);

}  // namespace quill
