// What the ranking server sends back, as the game keeps it.
#pragma once

#include <cstdint>
#include <string>

namespace quill {

// One line of the shared report list.
struct ReportEntry {
    std::string name;
    std::string message;  // with the ideographic spaces the list puts around it
    std::string time;
    int32_t race_sex = 0;
    int32_t player_id = 0;
};
constexpr int kReportEntries = 30;
// The report list keeps at most this many reports of an answer.
constexpr int kReportsKept = 29;

// One adventurer of the ranking: the 28 fields of the ranking line, in their order. Fields
// after one that did not read as a number keep their empty values.
struct RankEntry {
    std::string name;
    int32_t player_id = 0;
    int32_t score = 0;
    int32_t race_sex = 0;
    int32_t char_type = 0;
    int32_t load_count = 0;
    std::string date;  // month "/" day " " hour ":" minute
    int32_t level = 0;
    int32_t max_distance_m = 0;
    int32_t equipment_kinds = 0;
    int32_t rare_item_kinds = 0;
    int32_t learned_techniques = 0;
    int32_t attack = 0;
    int32_t defence = 0;
    int32_t intellect = 0;
    int32_t spirit = 0;
    int32_t hit = 0;
    int32_t evasion = 0;
    int32_t critical = 0;
    int32_t guard = 0;
    int32_t battle_count = 0;
    int32_t spare = 0;
    std::string title;
    std::string pet_name;
    int32_t pet_level = 0;
    int32_t record_kinds = 0;
    int32_t pet_look = 0;
    int32_t version = 0;
};
constexpr int kRankEntries = 1000;

// The version number the window's caption shows after "ver", sent with the ranking.
constexpr int32_t kProgramVersion = 229;

}  // namespace quill
