// The techniques (技): one record per technique id, 83 of them with a name of their own.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quill {

struct SkillRecord {
    std::string name;
    std::string description;
    std::string level_note;
    int32_t tp_cost = 0;
    int32_t mp_cost = 0;
    int32_t is_magic = 0;
    int32_t score_value = 0;  // points when learned
    int32_t element_none = 0;
    int32_t element_water = 0;
    int32_t element_fire = 0;
    int32_t element_light = 0;
    int32_t element_dark = 0;
};

constexpr int kSkillTableSize = 1000;
using SkillTable = std::array<SkillRecord, kSkillTableSize>;

// Fills the table with the game's techniques; every other record is emptied.
void fill_skill_table(SkillTable& table);

}  // namespace quill
