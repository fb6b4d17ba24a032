#include "battle/statuses.h"

#include "battle/sequencer.h"

namespace quill {

void RunTurnStatuses(Game& g) {
    // The poisons, burns and boosts act and count down here, before the choice.
    RunStep(g);
}

}  // namespace quill
