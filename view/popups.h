// Pop-ups: numbers, short words and effect animations that appear at a point of the main
// picture and live for a few frames, in a ring of 100 slots.
#pragma once

#include <cstdint>
#include <string_view>

#include "state/game.h"

namespace quill {

// What a pop-up shows (its type): these four draw text; every other type is the number of an
// effect animation (view/effect_animations.h), which may carry a text as well.
constexpr int32_t kTextPopup = 0;           // a word or a number ("CRITICAL", "Miss....")
constexpr int32_t kHpLossNumber = 16;       // a red bouncing number
constexpr int32_t kHpGainNumber = 17;       // a blue bouncing number
constexpr int32_t kGlowingTextPopup = 301;  // a word in a glow ("GUARD")

void AddPopup(Game& g, int32_t x, int32_t y, std::string_view text, int32_t type);
// At a random point of row 0 (near the adventurer's panel) or row 1 (near the enemy's).
void AddPopupInRow(Game& g, int32_t row, int32_t type, std::string_view text);
// An effect with a start point and a current point and no text of its own.
void AddMovingPopup(Game& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t type);

// The vertical bounce of a pop-up of the given age.
int32_t BounceOffset(int32_t age);

// Ages every alive slot by one frame and draws it by its type.
void AgeAndDrawPopups(Game& g);

}  // namespace quill
