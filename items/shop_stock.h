// What the three shops offer: their lists in order, section headers among them, and the
// rule that hides what the adventurer cannot afford yet, already owns once, or has not
// earned.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/game.h"

namespace quill {

// One line of a shop: an item id, or 0 with the text of a section header.
struct ShopLine {
    int32_t id = 0;
    std::string_view header;
};

// The stock rule for one item: affordable within the margins (or held), not a one-only item
// already held, and its required item held.
bool ShopOffers(const Game& g, int32_t id);
// The stock rule with money and level set aside: what a richer, stronger adventurer would
// be offered.
bool ShopOffersWithMoneyAndLevel(const Game& g, int32_t id);

// The lines of the shop on the screen (the island's shop, the 人工屋, the ファトマ号's
// market); empty for any other screen. The 人工屋 draws its ホーシオ afresh on every call.
// `held_back`, when given, receives how many items of the list the adventurer's money or
// level keeps off the shelf for now.
std::vector<ShopLine> ShopStock(const Game& g, ItemScreen screen, int32_t* held_back = nullptr);

// The count held, as the three characters before a shop line's name.
std::string ShopPrefix(int32_t count);

}  // namespace quill
