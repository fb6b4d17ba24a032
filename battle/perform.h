// The action performer: plays the technique in progress one step per advance.
#pragma once

#include "state/game.h"

namespace quill {

// Called every game tick before the sequencer; acts only while an action is in progress
// and the button is held.
void PerformStep(Game& g);

}  // namespace quill
