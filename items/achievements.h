// Achievements (戦績): granted once, with points.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

void GrantAchievement(Game& g, int32_t id);

}  // namespace quill
