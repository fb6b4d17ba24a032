#include "state/static_tables.h"

namespace quill {

void fill_static_tables(Game&) {
    // The technique table, the command cards and the item catalogue are filled here.
}

}  // namespace quill
