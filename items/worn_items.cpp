#include "items/worn_items.h"

namespace quill {

const std::string& ItemName(const Game&, int32_t) {
    // The names come from the item catalogue; until it is part of the game, no id holds an
    // item, so no rule that names one applies.
    static const std::string kNone;
    return kNone;
}

bool Wears(const Game& g, int32_t slot_item, std::string_view name) {
    return slot_item != 0 && !name.empty() && ItemName(g, slot_item) == name;
}

bool HoshioSet(const Game& g, std::string_view name) {
    for (int32_t id : g.state.hoshio_slots) {
        if (Wears(g, id, name)) return true;
    }
    return false;
}

}  // namespace quill
