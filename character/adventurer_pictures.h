// The adventurer's pictures for the chosen race and sex and the current level.
#pragma once

#include "state/game.h"

namespace quill {

void LoadAdventurerPictures(Game& g);

}  // namespace quill
