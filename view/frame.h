// The frame composer: one complete game frame on the main picture.
#pragma once

#include "state/game.h"

namespace quill {

void ComposeFrame(Game& g);

}  // namespace quill
