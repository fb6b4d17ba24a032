// Character creation: the player's name, the raised attribute, the personality and the
// race and sex, confirmed with "OK".
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// Opens the creation panel at the top left with the current choice's picture.
void ShowCreationPanel(Game& g);

void ChooseAttribute(Game& g, int32_t attribute);  // l_btn1..l_btn6
void ChooseType(Game& g, int32_t type);            // l_btn15..l_btn20
void ChooseRaceSex(Game& g, int32_t race_sex);     // l_btn30..l_btn39
// The colours of every button label: the one under the pointer lit (none for nullptr), and
// on the creation panel the chosen attribute, type and race marked whether lit or not.
void ColourButtons(Game& g, const platform::Label* hovered);
// Loads cg/charN.bmp for the chosen race and sex into the preview (empty when missing).
void RefreshCreationPreview(Game& g);
// The name box changed: only what the save can hold stays in it.
void name_lChange(Game& g);
// "OK": the bonuses, the save, the news, the landing and the arrival scene.
void l_btn8MouseDown(Game& g);

// The bonuses of the three choices on the new-game values.
void ApplyCreationBonuses(Game& g);

}  // namespace quill
