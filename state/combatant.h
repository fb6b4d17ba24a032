// One participant of a battle: the adventurer (combatants[0]), the enemy (combatants[1])
// or the pet (combatants[2]).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quill {

// The status counters of a combatant. A status is active while its counter is above 0.
// The order is the order of the status display: harmful ones first, then helpful ones.
enum Status : int {
    // harmful
    kFaint,
    kTpDown,
    kPoison,
    kStrongPoison,
    kDeadlyPoison,
    kMysteryPoison,
    kParalysis,
    kAttackDown,
    kDefenceDown,
    kEvasionDown,
    kHitDown,
    kBurn,
    kSnakePoison,
    // helpful
    kBloodSword,
    kRegeneration,
    kMana,
    kWater,
    kFo,
    kMagicSeal,
    kPromise,
    kSureHit,
    kGuardStance,
    kGuardUp,
    kPower,
    kExtraDamage,
    kFireWall,
    kDodge,
    kMagicDodge,
    kHitUp,
    kMagicHitUp,
    kAttackUp,
    kDefenceUp,
    kIronWall,
    kEvasionUp,
    kCriticalUp,
    kFirm,
    kResistWater,
    kResistFire,
    kResistLight,
    kResistDark,
    kResistNone,
    kPowerWater,
    kPowerFire,
    kPowerLight,
    kPowerDark,
    kPowerNone,
    kPoisonAbsorb,
    kAbsorb,
    kReflect,
    kMagicAbsorb,
    kThorns,
    // counters without a tag
    kKinnaraArrows,  // arrows that fall at the bearer's next turn
    kSpecial,        // a named enemy's own counter (e.g. 奥博士's mayday attack)
    kStatusCount
};

constexpr int kFirstHelpfulStatus = kBloodSword;
constexpr int kFirstUntaggedStatus = kKinnaraArrows;

// The tag the status display shows for an active status ("<毒>"); the snake poison's tag
// carries its counter and is built by the display. Empty for the untagged counters.
std::string_view status_tag(Status s);
// The name the game's state dump gives a status counter ("poison", "guard_up", ...).
std::string_view status_name(Status s);

// Elements of combatants and techniques.
enum Element : int32_t {
    kElementNone = 0,
    kElementLight,
    kElementDark,
    kElementFire,
    kElementWater
};

// The experience a combatant of the level needs for the next one: ten for each level and a
// hundred, wide enough for any level a damaged save may hold.
constexpr int64_t ExpForNextLevel(int32_t level) {
    return int64_t{level} * 10 + 100;
}

struct Combatant {
    int32_t element = 0;
    std::string name;
    // equipment, item ids (0 = nothing worn)
    int32_t pendant = 0, earring = 0, helmet = 0, shield = 0, armour = 0, right_ring = 0,
            left_ring = 0, waist = 0, arm = 0, weapon = 0;
    int32_t level = 0;
    int32_t gold_reward = 0;  // enemy: money won when it falls
    int32_t exp = 0;          // adventurer, pet: toward the next level; enemy: awarded
    int32_t max_hp = 0, hp = 0, mp = 0, max_mp = 0, tp = 0, max_tp = 0;
    int32_t present = 0;  // enemy: 1 while an enemy stands
    int32_t defence = 0, spirit = 0, attack = 0, intellect = 0, hit = 0, evasion = 0;
    std::array<int32_t, 5> technique_slots{};  // enemy: the techniques it may use
    int32_t magic_affinity = 0, light_weakness = 0, element_guard = 0;
    std::array<int32_t, kStatusCount> status{};
    int32_t mp_regen_kind = 0;  // enemy: 0 none, 1 or 2
    int32_t reward_rank = 0;    // enemy: doubles its rewards; pet: its type (see pet_type)
    int32_t guard_rate = 0, critical_rate = 0;
    int32_t reserved36 = 0;  // adventurer: stored and loaded, read by nothing
    // pet only
    int32_t look = 0;                // appearance, selects the pet's picture
    std::array<int32_t, 5> moods{};  // 無, 光, 闇, 火, 水

    int32_t& pet_type() { return reward_rank; }
    int32_t pet_type() const { return reward_rank; }
    bool active(Status s) const { return status[s] > 0; }
};

}  // namespace quill
