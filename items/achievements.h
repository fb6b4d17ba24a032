// Achievements (戦績): granted once, with points.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "state/game.h"

namespace quill {

void GrantAchievement(Game& g, int32_t id);

// The achievements of a count: first_id for passing the first threshold, first_id + 1 for the
// second, ... — each one `value` is above.
void GrantAchievementsAbove(Game& g, int32_t value, std::initializer_list<int32_t> above,
                            int32_t first_id);

}  // namespace quill
