// The lore of the rare items (レアItem) the adventurer finds after a battle, told in the
// detail box of the item panel.
#pragma once

#include <cstdint>
#include <string_view>

namespace quill {

// The lore of a rare item (ids 500..563): what the detail box tells of it. Empty for any
// other id.
std::string_view RareItemLore(int32_t id);

}  // namespace quill
