// The action performer: plays the technique in progress one step per advance.
#pragma once

#include "state/game.h"

namespace quill {

// Called every game tick before the sequencer; acts only while an action is in progress
// and an advance is requested, and consumes the advance.
void PerformStep(Game& g);

// Ends the action in progress: a use milestone is paid and waits for its click, or the turn
// goes on at the next advance.
void EndAction(Game& g);
void CheckUseMilestone(Game& g);

}  // namespace quill
