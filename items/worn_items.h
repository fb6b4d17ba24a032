// What the adventurer wears and has set, recognised by the item's name: every rule that
// depends on an item names it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "state/game.h"

namespace quill {

// The name of an item id ("" for an id that holds no item).
const std::string& ItemName(const Game& g, int32_t id);

// The adventurer's equipment slot that takes items of a category (weapon 1, armour 2,
// helmet 3, shield 4, right ring 5, left ring 6, waist 7, arm 8, earring 9, pendant 11),
// or none for the categories that are not worn.
int32_t* EquipmentSlot(Combatant& c, int32_t category);
// Every equipment slot, in the order of the categories above.
inline constexpr std::array<int32_t Combatant::*, 10> kEquipmentSlots = {
    &Combatant::weapon,     &Combatant::armour,    &Combatant::helmet, &Combatant::shield,
    &Combatant::right_ring, &Combatant::left_ring, &Combatant::waist,  &Combatant::arm,
    &Combatant::earring,    &Combatant::pendant};

// True when the item in an equipment slot (its id) carries the name.
bool Wears(const Game& g, int32_t slot_item, std::string_view name);

// The highest ホーシオ slot holding a ホーシオ of that name (all 20 slots are searched), or
// -1 when none does.
int32_t FindSetHoshio(const Game& g, std::string_view name);

// True when a ホーシオ of that name is set in one of the ホーシオ slots.
bool HoshioSet(const Game& g, std::string_view name);

// How many ホーシオ slots can be filled: 3, one more from level 30, one more for each
// ホーシオ book held (3 to 13).
int32_t UsableHoshioSlots(const Game& g);

}  // namespace quill
