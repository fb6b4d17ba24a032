// Whether a ranking line could have come from the game: every number within what the game's
// rules let it reach. Each bound below says where in the game it comes from; the game's own
// tables are checked against them by the server's tests (tests/server/game_lines_test.cpp),
// so a change of the catalogue shows there. A value the game cannot produce is refused, so
// that nobody can put an adventurer with impossible values on the island's list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "net/protocol_codec.h"
#include "state/net_records.h"

namespace quill::server::plausible {

// The version field: the game sends kProgramVersion (state/net_records.h) and nothing else.
constexpr int32_t kKnownVersions[] = {kProgramVersion};

// player_id: drawn as random(10000) by new_game() and again when a creation is confirmed.
constexpr int32_t kMaxPlayerId = 9999;
// score: the inn sends the ranking only with a score of at least 1 (send_ranking); the score
// only grows (every gain goes through AddScore) until a new game sets it and the level to 0.
constexpr int32_t kMinScore = 1;
// race_sex: the ten race and sex buttons of the creation panel (0..9); a loaded save is kept
// to that range too.
constexpr int32_t kMaxRaceSex = 9;
// char_type: the six personality types of the creation panel (0..5).
constexpr int32_t kMaxCharType = 5;
// level: a new adventurer is at level 0 until the first level-up; CheckLevelUp stops at 99.
// The pet's level has the same cap (and ClampPlayerState holds it there).
constexpr int32_t kMaxLevel = 99;
// A pet is met at the pet house, which opens from adventurer level 22 (map_b20); naming it
// sets its level to 1.
constexpr int32_t kPetHouseLevel = 22;
// The pet's look: "外見を変える" cycles it through 0..19, a loaded save is kept to that range.
constexpr int32_t kMaxPetLook = 19;

// The counts of the record export (state/record_export.cpp): kinds of items held whose name
// is not empty, by category, and learned techniques among ids 0..99 with a name. At most all
// of the catalogue: item categories 1..9 and 11 (equipment), 10 (rare items), 12 (records);
// the technique table names 72 techniques below id 100 (the other 11 of its 83 are
// combination techniques, which are not counted).
constexpr int32_t kMaxEquipmentKinds = 167;
constexpr int32_t kMaxRareItemKinds = 64;
constexpr int32_t kMaxRecordKinds = 100;
constexpr int32_t kMaxLearnedTechniques = 72;

// The adventurer's own values: creation gives at most attack 3 (賢者 +1, STR +1, 獣人 +1),
// defence 2 (賢者 +1, VIT +1), hit 9 (賢者 +5, 命中率 +2, 人間 +2) and evasion 9 (賢者 +5,
// 回避率 +2, KRVO団 +2); the level-ups add hit +5 at 45 and evasion +5 at 49. Nothing else
// changes them.
constexpr int32_t kMaxOwnAttack = 3;
constexpr int32_t kMaxOwnDefence = 2;
constexpr int32_t kMaxOwnHit = 9 + 5;
constexpr int32_t kMaxOwnEvasion = 9 + 5;
// The largest bonus of the item catalogue (state/item_table.cpp) in each slot the ranking
// line adds (every bonus of the catalogue is 0 or more).
constexpr int32_t kMaxWeaponAttack = 20;     // weapon (category 1), attack
constexpr int32_t kMaxArmAttack = 9;         // arm (8), attack
constexpr int32_t kMaxArmourDefence = 10;    // armour (2), defence
constexpr int32_t kMaxShieldDefence = 10;    // shield (4), defence
constexpr int32_t kMaxWaistDefence = 9;      // waist (7), defence
constexpr int32_t kMaxWeaponHit = 60;        // weapon, hit_evasion
constexpr int32_t kMaxRightRingHit = 21;     // right ring (5), accessory_hit
constexpr int32_t kMaxLeftRingHit = 17;      // left ring (6), accessory_hit
constexpr int32_t kMaxArmourEvasion = 31;    // armour, hit_evasion
constexpr int32_t kMaxRightRingEvasion = 0;  // right ring, hit_evasion
constexpr int32_t kMaxLeftRingEvasion = 21;  // left ring, hit_evasion
constexpr int32_t kMaxHelmetCritical = 23;   // helmet (3), critical
constexpr int32_t kMaxShieldGuard = 31;      // shield, guard
// The totals of the ranking line (RankLineFields: TotalEquipmentStats).
constexpr int32_t kMaxAttack = kMaxOwnAttack + kMaxWeaponAttack + kMaxArmAttack;
constexpr int32_t kMaxDefence =
    kMaxOwnDefence + kMaxArmourDefence + kMaxShieldDefence + kMaxWaistDefence;
constexpr int32_t kMaxHit = kMaxOwnHit + kMaxWeaponHit + kMaxRightRingHit + kMaxLeftRingHit;
constexpr int32_t kMaxEvasion =
    kMaxOwnEvasion + kMaxArmourEvasion + kMaxRightRingEvasion + kMaxLeftRingEvasion;
constexpr int32_t kMaxCritical = kMaxHelmetCritical;
constexpr int32_t kMaxGuard = kMaxShieldGuard;
// intellect and spirit: the game never changes them (0 in every game it starts); only a save
// brought from elsewhere could hold something else, so the bound is only a generous one.
constexpr int32_t kMaxIntellect = 999;
constexpr int32_t kMaxSpirit = 999;

// The points every level-up adds (CheckLevelUp: (level / 10) * 10 + 100, the new level),
// summed over the levels from `from` + 1 to `to`: the least score an adventurer at level `to`
// can have, or (from 1) what a pet at that level brought.
constexpr int64_t level_up_points(int32_t from, int32_t to) {
    int64_t points = 0;
    for (int32_t level = from + 1; level <= to; ++level) points += (level / 10) * 10 + 100;
    return points;
}

// Why the fields (integers already in their canonical form) cannot come from the game, in
// one line of ASCII; nothing when they can.
std::optional<std::string> problem(const net::RankFields& fields);

}  // namespace quill::server::plausible
