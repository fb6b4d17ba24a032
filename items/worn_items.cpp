#include "items/worn_items.h"

namespace quill {

const std::string& ItemName(const Game& g, int32_t id) {
    static const std::string kNone;
    return id >= 0 && id < kItemTableSize ? g.items[id].name : kNone;
}

int32_t* EquipmentSlot(Combatant& c, int32_t category) {
    switch (category) {
        case kItemWeapon:
            return &c.weapon;
        case kItemArmour:
            return &c.armour;
        case kItemHelmet:
            return &c.helmet;
        case kItemShield:
            return &c.shield;
        case kItemRightRing:
            return &c.right_ring;
        case kItemLeftRing:
            return &c.left_ring;
        case kItemWaist:
            return &c.waist;
        case kItemArm:
            return &c.arm;
        case kItemEarring:
            return &c.earring;
        case kItemPendant:
            return &c.pendant;
        default:
            return nullptr;
    }
}

bool Wears(const Game& g, int32_t slot_item, std::string_view name) {
    return slot_item != 0 && !name.empty() && ItemName(g, slot_item) == name;
}

int32_t FindSetHoshio(const Game& g, std::string_view name) {
    for (int32_t slot = kHoshioSlots - 1; slot >= 0; --slot) {
        if (ItemName(g, g.state.hoshio_slots[slot]) == name) return slot;
    }
    return -1;
}

bool HoshioSet(const Game& g, std::string_view name) {
    return FindSetHoshio(g, name) >= 0;
}

int32_t UsableHoshioSlots(const Game& g) {
    int32_t slots = 3;
    if (g.combatants[0].level >= 30) slots += 1;
    for (int32_t id = 600; id <= 608; ++id) {
        if (g.state.item_count[id] >= 1 && g.items[id].category == kItemHoshioBook) slots += 1;
    }
    return slots;
}

}  // namespace quill
