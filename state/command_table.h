// The command cards drawn in the main picture: the techniques, the field commands and the
// commands of a treasure chest and of a sickness.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "state/skill_table.h"

namespace quill {

struct CommandEntry {
    std::string text;
    int32_t x = 0, y = 0;
    int32_t target_y = 0, target_x = 0;
    int32_t width = 0, height = 0;
    int32_t shown = 0;
    int32_t group = 0;  // 1 techniques, 2 field, 3 treasure chest, 4 treatment
    int32_t enabled = 0;
};

constexpr int kCommandTableSize = 1000;
using CommandTable = std::array<CommandEntry, kCommandTableSize>;

// The first command of each group past the techniques.
constexpr int kCommandAdvance = 501;  // 進む
constexpr int kCommandChest = 504;    // 宝箱:こじ開ける
constexpr int kCommandTreat = 507;    // 治療:体操する

// Sets the texts, sizes and groups (positions and flags belong to the cards being shown).
void fill_command_table(CommandTable& commands, const SkillTable& skills);

}  // namespace quill
