// The pet panel's texts, refreshed on every timer event while the panel is shown.
#pragma once

#include "state/game.h"

namespace quill {

void RefreshPetPanelTexts(Game& g);

}  // namespace quill
