#include "server/plausibility.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

namespace quill::server::plausible {

namespace {

constexpr int64_t kNoLimit = std::numeric_limits<int32_t>::max();

// The range of one integer field of the ranking line (numbered from 1).
struct Range {
    int field;
    const char* what;
    int64_t low;
    int64_t high;  // kNoLimit: only the 32 bits of the protocol
};

constexpr Range kRanges[] = {
    {2, "player id", 0, kMaxPlayerId},
    {3, "score", kMinScore, kNoLimit},
    {4, "race and sex", 0, kMaxRaceSex},
    {5, "personality type", 0, kMaxCharType},
    // A game whose save could not be read right after a reset sends -1.
    {6, "load count", -1, kNoLimit},
    {8, "level", 0, kMaxLevel},
    {9, "greatest distance", 0, kNoLimit},
    {10, "equipment kinds", 0, kMaxEquipmentKinds},
    {11, "rare item kinds", 0, kMaxRareItemKinds},
    {12, "learned techniques", 0, kMaxLearnedTechniques},
    {13, "attack", 0, kMaxAttack},
    {14, "defence", 0, kMaxDefence},
    {15, "intellect", 0, kMaxIntellect},
    {16, "spirit", 0, kMaxSpirit},
    {17, "hit", 0, kMaxHit},
    {18, "evasion", 0, kMaxEvasion},
    {19, "critical", 0, kMaxCritical},
    {20, "guard", 0, kMaxGuard},
    {21, "battle count", 0, kNoLimit},
    {22, "spare field", 0, 0},  // the game always sends 0
    {25, "pet level", 0, kMaxLevel},
    {26, "record kinds", 0, kMaxRecordKinds},
    {27, "pet look", 0, kMaxPetLook},
};

std::optional<int64_t> number(const net::RankFields& fields, int field) {
    const std::optional<int32_t> value = net::parse_rank_integer(fields[field - 1]);
    if (!value) return std::nullopt;
    return *value;
}

// One decimal number without leading zeros (as net::time_text writes it) from the front of
// `text`, within low..high.
bool take_part(std::string_view& text, int low, int high, char after) {
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    const size_t used = static_cast<size_t>(end - text.data());
    if (ec != std::errc() || used == 0 || (used > 1 && text[0] == '0') || value < low ||
        value > high) {
        return false;
    }
    text.remove_prefix(used);
    if (after == '\0') return text.empty();
    if (text.empty() || text[0] != after) return false;
    text.remove_prefix(1);
    return true;
}

// The date of the line as the game writes it from its clock: month "/" day " " hour ":"
// minute, without leading zeros.
bool game_date(std::string_view text) {
    return take_part(text, 1, 12, '/') && take_part(text, 1, 31, ' ') &&
           take_part(text, 0, 23, ':') && take_part(text, 0, 59, '\0');
}

}  // namespace

std::optional<std::string> problem(const net::RankFields& fields) {
    for (const Range& r : kRanges) {
        const std::optional<int64_t> value = number(fields, r.field);
        if (!value) return std::string(r.what) + " is not an integer";
        if (*value >= r.low && *value <= r.high) continue;
        const std::string shown = std::string(r.what) + " " + std::to_string(*value);
        if (r.high == kNoLimit) return shown + " is below " + std::to_string(r.low);
        return shown + " is outside " + std::to_string(r.low) + ".." + std::to_string(r.high);
    }
    const std::optional<int64_t> version = number(fields, 28);
    if (!version || std::find(std::begin(kKnownVersions), std::end(kKnownVersions), *version) ==
                        std::end(kKnownVersions)) {
        std::string known;
        for (int32_t v : kKnownVersions) known += (known.empty() ? "" : ", ") + std::to_string(v);
        return "version " + fields[27] + " is not one of the game's (" + known + ")";
    }
    if (!game_date(fields[6])) return "the date is not month/day hour:minute";

    const int64_t score = *number(fields, 3);
    const int32_t level = static_cast<int32_t>(*number(fields, 8));
    const int32_t pet_level = static_cast<int32_t>(*number(fields, 25));
    const bool has_pet = !fields[23].empty();
    if (has_pet && pet_level < 1) return "a named pet at level 0";
    if (!has_pet && pet_level > 0) return "a pet level without a pet";
    if (has_pet && level < kPetHouseLevel) {
        return "a pet at adventurer level " + std::to_string(level) + " (the pet house opens at " +
               std::to_string(kPetHouseLevel) + ")";
    }
    // Every level-up of the adventurer and of the pet added its points to the score.
    const int64_t earned =
        level_up_points(0, level) + (has_pet ? level_up_points(1, pet_level) : 0);
    if (score < earned) {
        return "score " + std::to_string(score) + " is below the " + std::to_string(earned) +
               " points its level-ups alone bring";
    }
    return std::nullopt;
}

}  // namespace quill::server::plausible
