// What the island's named characters say before and after their battles, the ending of the
// story after the messenger from heaven falls, and the innkeeper's greetings.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// The lines a named character's battle shows: before it (one per click, then the battle
// starts) and after the enemy falls (one per click).
struct BattleDialogue {
    std::vector<std::string> before;
    std::vector<std::string> after;
};

// The dialogue of the named form `form` (its exact name, e.g. "ヤマオ再び"), with the
// adventurer's name put in; empty for a name that is not a named form. The after-lines of
// "天界からの使者" are the ending of the story.
BattleDialogue BattleDialogueFor(std::string_view form, const std::string& name);

// The innkeeper's greeting r (0..4): one or two plain lines, empty for any other r. The
// greeting opens the innkeeper's words with "「" and goes on on indented lines; the line
// with the price that follows it closes them.
std::vector<std::string> InnGreeting(int r, const std::string& name);

}  // namespace quill
