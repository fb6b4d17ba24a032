#include "growth/technique_growth.h"

#include "battle/sequencer.h"

namespace quill {

void LearnTechniques(Game& g) {
    // The techniques a won battle teaches are drawn here.
    RunStep(g);
}

}  // namespace quill
