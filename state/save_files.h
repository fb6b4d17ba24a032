// The save files in dat/: my.dat (the whole game), kousin.dat (network bookkeeping) and
// the read-only name list name.dat.
#pragma once

#include "state/game.h"

namespace quill {

void load_game(Game& g);
void save_game(Game& g);
void load_net_bookkeeping(Game& g);
void save_net_bookkeeping(Game& g);

}  // namespace quill
