// The soak's simple player: walks out, fights, opens chests, cures its sickness, goes home,
// sleeps at the inn, shops at the tool shop and wears the best weapon it holds, spends its BP
// on its techniques, names and raises a pet once it may, and goes on after a death. One decision
// per call; used by the soak run and by the save fuzz target, which plays a little after loading
// each save it is given.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "state/game.h"

namespace quill::soak {

// Messages are counted; the pet's name is confirmed, every other question answered "no".
class QuietDialogs final : public platform::Dialogs {
  public:
    void message(const std::string& text) override {
        ++messages;
        last = text;
    }
    bool ask_yes_no(const std::string& text) override {
        if (text == "良いですか？") return true;
        ++questions;
        last = text;
        return false;
    }
    int questions = 0;
    int messages = 0;
    std::string last;
};

struct Tally {
    int outings = 0, inns = 0, shop_visits = 0, pet_visits = 0, equips = 0, strengthenings = 0;
    int errand = 0;  // the step of a visit under way (0 for none)
};

// One decision of the simple player.
void play(Game& g, Tally& t);

}  // namespace quill::soak
