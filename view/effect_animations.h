// The battle effect animations of the techniques and events, drawn from the pop-up store.
#pragma once

#include "state/game.h"

namespace quill {

// Draws one frame of the effect animation in the slot (whose type is not one of the text
// styles); frees the slot when the animation ends. Types without an animation draw nothing.
void DrawEffectAnimation(Game& g, Popup& slot, int32_t bounce);

}  // namespace quill
