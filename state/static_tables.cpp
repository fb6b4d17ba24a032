#include "state/static_tables.h"

namespace quill {

void fill_static_tables(Game& g) {
    fill_skill_table(g.skills);
    fill_command_table(g.commands, g.skills);
    fill_item_table(g.items);
}

}  // namespace quill
