// What a name may hold. Names go into the save as one line of code page 932 text, so a name
// holds only characters that code page 932 has, each in the form the save gives back, and no
// control characters: the name that is saved is always the name that comes back.
#pragma once

#include <string>
#include <string_view>

#include "platform/widgets.h"
#include "state/game.h"

namespace quill {

// The name as the save gives it back: characters without a code page 932 form and control
// characters dropped, the rest in the form code page 932 reads back ("〜" becomes "～").
std::string SavableName(std::string_view typed);

// Keeps an edit box to the rule as the player types: what cannot be saved is taken out at
// once, with a word to the player; with max_bytes, characters past that many code page 932
// bytes are taken off the end quietly. True when the text already kept the rule.
bool KeepSavableName(Game& g, platform::EditBox& box, int max_bytes = 0);

}  // namespace quill
