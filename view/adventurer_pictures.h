// The adventurer's pictures for the chosen race and sex and the current level.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// "char" + race_sex + a suffix by level band: ".bmp" below 10, then "a" .. "f".
std::string AdventurerPictureFile(int32_t race_sex, int32_t level);

// Loads the picture of a pet of the look (pet0.bmp … pet19.bmp), pet0.bmp when that file
// is missing or broken; false when neither loads (the picture is left as it was).
bool LoadPetPicture(const Game& g, int32_t look, platform::Bitmap& into);

// Loads the adventurer's sprite (and the pet's, when there is one); failures leave the old
// pictures.
void LoadAdventurerPictures(Game& g);

}  // namespace quill
