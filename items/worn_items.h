// What the adventurer wears and has set, recognised by the item's name: every rule that
// depends on an item names it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "state/game.h"

namespace quill {

// The name of an item id ("" for an id that holds no item).
const std::string& ItemName(const Game& g, int32_t id);

// True when the item in an equipment slot (its id) carries the name.
bool Wears(const Game& g, int32_t slot_item, std::string_view name);

// True when a ホーシオ of that name is set in one of the ホーシオ slots.
bool HoshioSet(const Game& g, std::string_view name);

}  // namespace quill
