// The message log of the game screen.
#pragma once

#include "state/game.h"

namespace quill {

// Empties the log (the oldest entry excepted).
void ClearLog(Game& g);

}  // namespace quill
