// The numbered steps of the sequencer (Game::sequence_step). A chain runs its steps one after
// the other, so the numbers of one chain follow each other; the number is saved in my.dat.
#pragma once

#include <cstdint>

namespace quill::step {

// A battle's own steps.
constexpr int32_t kBattleStart = -1;
constexpr int32_t kTurnStart = 0;
constexpr int32_t kMoveCheck = 1;
constexpr int32_t kChooseAction = 2;
constexpr int32_t kCombinationCheck = 3;  // registered by the growth of techniques
constexpr int32_t kCheckDeaths = 4;
constexpr int32_t kLevelUp = 5;
constexpr int32_t kNextTurnOrAfterBattle = 6;
constexpr int32_t kItemFind = 7;
constexpr int32_t kMilestones = 8;  // also where a rest ends, back to the walk
constexpr int32_t kEndStoryBattle = 9;

// The chains other parts of the game register: a greeting (a number ending in 9 — a scene
// whose keeper registered nothing there goes back to the map) and what follows it.
constexpr int32_t kRest = 14;
constexpr int32_t kAfterRest = 15;
constexpr int32_t kInnGreeting = 19;
constexpr int32_t kInnStay = 20;
constexpr int32_t kLeaveInn = 21;
constexpr int32_t kToolShopGreeting = 29;
constexpr int32_t kToolShop = 30;
constexpr int32_t kArtificerGreeting = 39;
constexpr int32_t kArtificerShop = 40;
constexpr int32_t kFatmaGreeting = 49;
constexpr int32_t kFatmaShop = 50;
constexpr int32_t kPetHouseGreeting = 59;
constexpr int32_t kPetHouse = 60;

}  // namespace quill::step
