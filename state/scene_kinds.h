// What the player is in (Game::scene_kind): the island's map, the inn, a battle met while
// walking, a story battle, or one of the island's houses.
#pragma once

#include <cstdint>

namespace quill::scene {

constexpr int32_t kIsland = -1;  // the island's map
constexpr int32_t kInn = 0;      // the inn (and the screens before the landing)
constexpr int32_t kWalk = 1;     // a battle met while walking
// 2 to 99: a story battle, numbered by its story flag (its flag counts its wins).
constexpr int32_t kFatmaShip = 11;  // ファトマ's ship: her story battle, later her market
constexpr int32_t kToolShop = 100;
constexpr int32_t kItemPanel = 101;
constexpr int32_t kArtificer = 102;  // the 人工屋
constexpr int32_t kPetHouse = 105;

}  // namespace quill::scene
