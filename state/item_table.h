// The item catalogue: every thing the adventurer can hold, 1000 records by id. An id
// without a name holds no item; id 0 is "なし".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// Item categories.
enum ItemCategory : int32_t {
    kItemNothing = -1,
    kItemWeapon = 1,
    kItemArmour = 2,
    kItemHelmet = 3,
    kItemShield = 4,
    kItemRightRing = 5,
    kItemLeftRing = 6,
    kItemWaist = 7,
    kItemArm = 8,
    kItemEarring = 9,
    kItemRare = 10,
    kItemPendant = 11,
    kItemAchievement = 12,
    kItemHoshioBook = 99,
    kItemHoshio = 100,
    kItemMaxHpRaise = 101,
    kItemMaxMpRaise = 102,
    kItemMaxTpRaise = 103,
    kItemComboRaise = 104,
};

struct ItemRecord {
    std::string name;
    std::string description;
    int32_t one_only = 0;  // shops offer it only while none is held
    int32_t price = 0;
    int32_t category = 0;
    int32_t amount = 0;         // the size of a permanent raise
    int32_t requires_item = 0;  // an item that must be held before a shop offers this one
    int32_t combo_power = 0;
    int32_t magic_power = 0;
    int32_t mp_on_miss = 0;
    int32_t accessory_hit = 0;
    int32_t guard = 0;
    int32_t critical = 0;
    int32_t defence = 0;
    int32_t hit_evasion = 0;
    int32_t attack = 0;
};

constexpr int kItemTableSize = 1000;
using ItemTable = std::array<ItemRecord, kItemTableSize>;

// The record of item `id`; an id outside the table (from a damaged file) reads as item 0,
// "なし".
inline const ItemRecord& ItemAt(const ItemTable& table, int32_t id) {
    return table[id >= 0 && id < kItemTableSize ? id : 0];
}

// Fills the whole catalogue (every record not in it is cleared); filling again gives the
// same table.
void fill_item_table(ItemTable& table);

// The highest id whose item carries the name, or 0 when none does.
int32_t FindItemByName(const ItemTable& table, std::string_view name);

}  // namespace quill
