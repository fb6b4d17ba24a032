#include "items/rare_finds.h"

namespace quill {

bool FindRareItem(Game&) {
    // Rare items come from the item catalogue; until it is part of the game none fits.
    return false;
}

}  // namespace quill
