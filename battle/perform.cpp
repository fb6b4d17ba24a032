#include "battle/perform.h"

namespace quill {

void PerformStep(Game& g) {
    if (g.action_step <= 0 || g.button_held == 0) return;
    // The steps of the techniques are performed here.
}

}  // namespace quill
