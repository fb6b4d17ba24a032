// The three shop keepers: the greeting (steps 29, 39, 49), then, on a click, the shop's list
// in the item panel (steps 30, 40, 50).
#pragma once

#include <string>
#include <vector>

#include "state/game.h"

namespace quill {

enum class Keeper { Tools, Artificial, Fatma };

// Greeting `variant` (0..4) of a keeper, with the adventurer's name put in; the first line
// opens with the keeper's name and "「". Empty for any other variant.
std::vector<std::string> KeeperGreeting(Keeper keeper, int variant, const std::string& name);

// Gives the sequencer the keepers' steps.
void RegisterShopKeeperSteps(Game& g);

}  // namespace quill
