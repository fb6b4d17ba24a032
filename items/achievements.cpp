#include "items/achievements.h"

namespace quill {

void GrantAchievement(Game&, int32_t) {
    // Held once, announced with its points; needs the item catalogue.
}

}  // namespace quill
