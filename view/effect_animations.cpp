#include "view/effect_animations.h"

namespace quill {

void DrawEffectAnimation(Game& g, Popup& slot, int32_t bounce) {
    (void)g;
    (void)bounce;
    // Each animated type draws its sprites and shapes here by its age. Until a type has its
    // animation it draws nothing and leaves its slot when it grows old.
    if (slot.age > 60) slot.age = 0;
}

}  // namespace quill
