#include "state/static_tables.h"

namespace quill {

void fill_static_tables(Game& g) {
    fill_skill_table(g.skills);
    fill_command_table(g.commands, g.skills);
    // The item catalogue is filled here in the same pass once the game has one.
}

}  // namespace quill
