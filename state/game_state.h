// Everything about the current game that outlives a run of the program (the adventurer's
// and the pet's own values live in their Combatant records, see game.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quill {

constexpr int kItemIds = 1000;
constexpr int kSkillIds = 1000;
constexpr int kSkillOrderSize = 100;
constexpr int kHoshioSlots = 20;
constexpr int kFlagCount = 100;

// The saved setting, among the reserved integers a new game clears, that draws the longer
// damage numbers one point larger.
constexpr int kLargePopupDigitsFlag = 3;

struct GameState {
    // identity and creation choices
    int32_t race_sex = 0;   // 0..9
    int32_t char_type = 0;  // 0..5: お金持ち, 冒険者, 臆病者, 反社会者, 賢者, 狂人
    int32_t raised_attribute = 0;  // 0..5
    int32_t player_id = 0;         // 0..9999, the adventurer's id at the ranking server

    // possessions
    int32_t money = 0;
    int32_t bonus_points = 0;  // BP
    std::array<int32_t, kItemIds> item_count{};
    std::array<int32_t, kItemIds> item_seen{};  // 99 once the detail was shown
    std::array<int32_t, kHoshioSlots> hoshio_slots{};

    // techniques
    std::array<int32_t, kSkillIds> skill_level{};  // 0 = not learned, 10 = MAX
    std::array<int32_t, kSkillIds> skill_use_count{};
    std::array<int32_t, kSkillIds> skill_seen{};
    std::array<int32_t, kSkillOrderSize> skill_order{};  // technique list order, -1 = empty
    std::array<int32_t, kSkillIds> combo_discovered{};

    // progress
    std::array<int32_t, kFlagCount> event_flags{};
    std::array<int32_t, kFlagCount> story_flags{};
    int32_t score = 0;
    int32_t max_distance_m = 0;
    int32_t distance_m = 0;  // metres walked in this outing; not stored

    // counters
    int32_t load_count = 0;
    int32_t death_count = 0;
    int32_t battle_count = 0;
    int32_t escape_count = 0;
    int32_t miss_count = 0;
    int32_t guard_count = 0;
    int32_t combo_count = 0;
    int32_t pet_knockout_count = 0;
    int32_t chest_open_count = 0;
    int32_t cure_count = 0;
    int32_t kills_vomact = 0;
    int32_t kills_henteko = 0;
    int32_t kills_yowakko = 0;
    int32_t kills_extra = 0;
    int32_t kills_ghost = 0;
    int32_t kills_tsuyokko = 0;
    int32_t kills_dragon = 0;

    // settings and bookkeeping
    int32_t game_speed = 0;  // 0 normal, 1 and 2 slower
    int32_t format_upgrade_done = 0;
    int32_t saved_scene_step = 0;  // the sequencer step stored in the save; read by nothing
    int32_t save_damaged = 0;      // not stored: the save failed its check in this run

    // network bookkeeping
    int32_t last_rank_send_minute = 0;
    int32_t last_report_minute = 0;
    int32_t last_rank = 0;
    int32_t net_off = 0;

    // values the save file carries that nothing reads; kept to be written back unchanged
    std::array<int32_t, 100> reserved_block{};
    std::array<std::array<int32_t, 2>, 20> reserved_pairs{};
    std::array<std::array<int32_t, 11>, 4> reserved_tables{};
    std::array<int32_t, 1000> reserved_list{};
    std::array<int32_t, 20> reserved_ints{};
    std::string reserved_text;
};

}  // namespace quill
