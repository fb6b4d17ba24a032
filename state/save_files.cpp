#include "state/save_files.h"

#include "state/state_ops.h"

namespace quill {

void load_game(Game& g) {
    // Reading my.dat comes here; until then every run starts a new game.
    new_game(g);
}

void save_game(Game& g) {
    if (g.state.save_damaged == 1) return;
    // Writing my.dat and the record comes here.
}

void load_net_bookkeeping(Game&) {
    // Reading kousin.dat comes here.
}

void save_net_bookkeeping(Game&) {
    // Writing kousin.dat comes here.
}

}  // namespace quill
