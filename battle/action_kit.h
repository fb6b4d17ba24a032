// What every technique's step works with: who acts on whom, the adventurer's level of the
// technique, and the boosts of magic.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "battle/perform.h"
#include "items/worn_items.h"
#include "state/game.h"
#include "view/message_log.h"

namespace quill {

// One row of a table from an id to the function that does its steps.
template <class Fn>
struct IdRow {
    int32_t id;
    Fn run;
};

// The rows laid out by id (empty where an id has no row), built when the program is
// compiled: an id listed twice, or beyond the table, does not compile.
template <size_t N, class Fn, size_t M>
constexpr std::array<Fn, N> TableById(const IdRow<Fn> (&rows)[M]) {
    std::array<Fn, N> table{};
    for (const IdRow<Fn>& row : rows) {
        if (table.at(row.id) != nullptr) throw "an id is listed twice";
        table.at(row.id) = row.run;
    }
    return table;
}

// Everything a technique's step reads: who acts on whom, and the adventurer's level of it.
struct Act {
    Game& g;
    int a;  // the actor's side
    int t;  // the target's side
    int32_t id;
    int32_t step;
    Combatant& actor() { return g.combatants[a]; }
    Combatant& target() { return g.combatants[t]; }
    bool player() const { return a == 0; }
    // The enemy's number or the adventurer's, by who acts. Both arguments are worked out
    // before the choice, so only plain numbers belong here: where a side's number draws a
    // random number, the use spells out `player() ? ... : ...`, so that only the acting
    // side's form is drawn and the draws keep their order.
    int32_t by_side(int32_t enemy_value, int32_t adventurer_value) const {
        return player() ? adventurer_value : enemy_value;
    }
    int32_t lv() const { return g.state.skill_level[id]; }
    bool target_wears_armour(const char* name) { return t == 0 && Wears(g, target().armour, name); }
    bool actor_earring(const char* name) { return player() && Wears(g, actor().earring, name); }
    void log(const std::string& line) { LogLine(g, line); }
    void end() { EndAction(g); }
};

// The boosts of magic: the actor's 魔紋 adds half; a target in a マジカルローブ takes half.
inline int32_t magic_boosts(Act& x, int32_t n) {
    if (x.actor().active(kMagicSeal)) n += n / 2;
    if (x.target_wears_armour("マジカルローブ")) n /= 2;
    return n;
}

void RunCombinationStep(Act& x);

}  // namespace quill
