// The equipment status text of the item panel.
#pragma once

#include "state/game.h"

namespace quill {

void RefreshEquipmentStatusText(Game& g);

}  // namespace quill
