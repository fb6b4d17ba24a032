// The command cards: labelled boxes that slide in at the right edge of the main picture
// and are clicked with the mouse. Group 1 holds the technique cards of the player's turn,
// 2 the field commands, 3 the treasure chest's, 4 the sickness's.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

constexpr int32_t kTechniqueCards = 1, kFieldCards = 2, kChestCards = 3, kSicknessCards = 4;

// Lays out one group of cards, which then fly in from the right.
void ShowCards(Game& g, int32_t group);
// Takes every card away.
void HideCards(Game& g);
// Draws the shown cards sliding toward their places, the hovered one lit, and the
// technique's info box; a press on a card leaves its index in clicked_card.
void DrawCards(Game& g);
// The n-th shown card (1 for the first laid out) pressed from the keyboard, as a click on it
// would: the tick acts on it. False when there is no such card to press.
bool PressCardByNumber(Game& g, int32_t n);

}  // namespace quill
