// Words for the codes of the game state: race and sex, personality, the score's rank and
// the title (称号) earned in the story.
#pragma once

#include <cstdint>
#include <string>

#include "state/game_state.h"

namespace quill {

std::string race_sex_name(int32_t race_sex);
std::string char_type_name(int32_t char_type);
std::string score_rank_word(int32_t score);
std::string title_text(const GameState& s);

}  // namespace quill
