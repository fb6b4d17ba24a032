// The human-readable record 記録.txt beside the program, rewritten at every save.
#pragma once

#include "state/game.h"

namespace quill {

void export_record(Game& g);

}  // namespace quill
