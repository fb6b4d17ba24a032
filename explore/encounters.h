// The enemies of the island: generated ones at free spots, and the named characters.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Fills the enemy record for a generated enemy met at distance d and shows its picture.
void PrepareEncounter(Game& g, int32_t d);

}  // namespace quill
