// The static tables filled at start-up: techniques, command cards, items and names.
#pragma once

#include "state/game.h"

namespace quill {

void fill_static_tables(Game& g);

}  // namespace quill
