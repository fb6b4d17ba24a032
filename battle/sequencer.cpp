#include "battle/sequencer.h"

namespace quill {

void RunStep(Game& g) {
    if (g.awaiting_click == 1) return;
    // The story line queue and the numbered steps of the scenes run from here.
}

void Arm(Game& g, int32_t n) {
    g.turn_pending = n > 0 ? n : 1;
}

}  // namespace quill
