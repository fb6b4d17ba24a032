// Connects the window's widgets to the game's handlers.
#pragma once

#include "state/game.h"

namespace quill {

void WireHandlers(Game& g);

}  // namespace quill
