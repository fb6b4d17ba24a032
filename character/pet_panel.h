// The pet house and its panel pet_box: meeting the pet, naming it, changing its looks and
// raising its values with BP.
#pragma once

#include <string>
#include <vector>

#include "state/game.h"

namespace quill {

// The most a pet's name holds, in code page 932 bytes.
constexpr int kPetNameBytes = 16;
// Said when 決定 is pressed with no name in the box.
constexpr const char* kPetNameMissing = "まだ名前がないみたい。名前の欄に名前を入れてから「決定」を押してね。";

// The pet house's steps: 59 the greeting, 60 the panel.
void RegisterPetHouseSteps(Game& g);
// The two lines a named pet greets with (variant 0..4); each begins with its name.
std::vector<std::string> PetGreeting(int variant, const std::string& pet_name);

// The panel's texts, refreshed on every timer event while the panel is shown.
void RefreshPetPanelTexts(Game& g);

// "決定": names the pet (after a yes), saves and tells the world.
void l_btn60MouseDown(Game& g);
// The six raises: MAX MP, 強さ, 賢さ (to 20), 丈夫さ, 器用さ, 素早さ (to 10), one BP each.
void l_btn61MouseDown(Game& g);
void l_btn62MouseDown(Game& g);
void l_btn63MouseDown(Game& g);
void l_btn65MouseDown(Game& g);
void l_btn66MouseDown(Game& g);
void l_btn67MouseDown(Game& g);
// "外見を変える": the next of the twenty looks.
void l_btn72MouseDown(Game& g);
// ">CLOSE": back to the island, the pet rested.
void l_btn64MouseDown(Game& g);
// The name box as the player types: savable text, at most kPetNameBytes bytes.
void pet_name_lChange(Game& g);

}  // namespace quill
