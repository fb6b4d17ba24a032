// The island's ranking at the ranking server.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Sends the adventurer's score; true with the adventurer's new place (0-based) when the
// server answered.
bool SendRanking(Game& g, int32_t& rank);

}  // namespace quill
