// The item panel: items, techniques, ホーシオ, equipment and the shops.
#pragma once

#include "state/game.h"

namespace quill {

// Rebuilds and shows the panel for the screen named by l_btn10's caption.
void RefreshItemPanel(Game& g);

// ">CLOSE": the panel goes, and the screen it was opened from comes back.
void l_btn9MouseDown(Game& g);

}  // namespace quill
