// The game's state as one JSON object, for scripts that check numbers: "combatants" (the
// three records), "game_state" (everything that is saved, and the rest of GameState) and
// "run" (the run flags and the battle-wide state) and "items" (the catalogue, by id). Keys
// are the names the game uses.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

std::string StateDump(const Game& g);

}  // namespace quill
