// The item panel: the rare items, the achievements, the techniques, the ホーシオ and the
// equipment, and the shops, each a screen (Game::item_screen) named by the caption of the
// action button l_btn10.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Rebuilds and shows the panel for the screen in Game::item_screen.
void RefreshItemPanel(Game& g);
// Shows the detail of the chosen row (a press or a release on item_list).
void item_listMouseDown(Game& g);
// The action of the screen: strengthen, set a ホーシオ, wear or take off.
void l_btn10MouseDown(Game& g);
// To another screen.
void l_btn11MouseDown(Game& g);
void l_btn22MouseDown(Game& g);
// ▲ and ▼: the chosen technique one place up or down the list.
void l_btn40MouseDown(Game& g);
void l_btn41MouseDown(Game& g);
// ">CLOSE": the panel goes, and the screen it was opened from comes back.
void l_btn9MouseDown(Game& g);

}  // namespace quill
