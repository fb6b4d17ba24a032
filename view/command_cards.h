// The command cards drawn in the main picture while a group of them is shown.
#pragma once

#include "state/game.h"

namespace quill {

void DrawCards(Game& g);

}  // namespace quill
