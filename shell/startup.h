// Start-up and shut-down of the game.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "state/game.h"

namespace quill {

// The picture file of each sprite slot (empty for the slot that is never loaded).
extern const std::array<const char*, kSpriteSlots> kSpriteFiles;

// Loads the sprite table from cg/ and cuts the star sheets into their frames. Returns the
// names of the files that could not be loaded (their slots stay empty).
std::vector<std::string> LoadSpriteTable(Game& g);

// Everything the window does when it is created, in order: the random seed (fixed when
// given), the pictures, the state, the tables, the save, and the credit picture.
void FormCreate(Game& g, std::optional<uint64_t> seed = std::nullopt);

// The window is closing: from now on the log and the music stay still.
void FormClose(Game& g);

// The window is gone: the small persistent file is written and the sprites are freed.
void FormDestroy(Game& g);

}  // namespace quill
