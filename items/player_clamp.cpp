#include "items/player_clamp.h"

#include <algorithm>
#include <cstdint>

#include "items/worn_items.h"

namespace quill {
namespace {

constexpr int32_t kMoneyLimit = 19999;
constexpr int32_t kEnemyTpCeiling = 100;

// The TP the set ホーシオ add to the ceiling.
int32_t HoshioTpCeilingBonus(const Game& g) {
    return (HoshioSet(g, "ホーシオの器量") ? 10 : 0) + (HoshioSet(g, "人工ﾎｰｼｵの器量") ? 5 : 0);
}

void clamp_pools(Combatant& c, int32_t tp_ceiling) {
    c.hp = std::clamp(c.hp, 0, std::max(c.max_hp, 0));
    c.mp = std::clamp(c.mp, 0, std::max(c.max_mp, 0));
    c.tp = std::clamp(c.tp, 0, std::max(tp_ceiling, 0));
    c.exp = static_cast<int32_t>(
        std::clamp<int64_t>(c.exp, 0, std::clamp<int64_t>(ExpForNextLevel(c.level), 0, INT32_MAX)));
}

}  // namespace

int32_t AdventurerTpCeiling(const Game& g) {
    const Combatant& a = g.combatants[0];
    int32_t ceiling = a.max_tp + HoshioTpCeilingBonus(g);
    if (a.level >= 35) ceiling += 5;
    if (a.level >= 45) ceiling += 5;
    return ceiling;
}

void ClampPlayerState(Game& g) {
    g.state.money = std::min(g.state.money, kMoneyLimit);

    clamp_pools(g.adventurer(), AdventurerTpCeiling(g));
    clamp_pools(g.enemy(), kEnemyTpCeiling);
    // The three counters that only ever grow by use (山ぼうぎょ's guard stance, パワー's
    // power, セブンガード's guard up) stop at 9.
    for (Combatant* c : {&g.adventurer(), &g.enemy()}) {
        for (Status s : {kGuardStance, kPower, kGuardUp}) c->status[s] = std::min(c->status[s], 9);
    }

    Combatant& p = g.pet();
    p.level = std::min(p.level, 99);
    p.max_hp = std::min(p.max_hp, 100);
    p.max_mp = std::min(p.max_mp, 20);
    p.attack = std::min(p.attack, 20);
    p.defence = std::min(p.defence, 10);
    p.intellect = std::min(p.intellect, 20);
    p.hit = std::min(p.hit, 10);
    p.evasion = std::min(p.evasion, 10);
    for (int32_t& m : p.moods) m = std::clamp(m, 0, 10);
    // A pet whose maximum was cut keeps no more than it can hold.
    p.hp = std::clamp(p.hp, 0, std::max(p.max_hp, 0));
    p.mp = std::clamp(p.mp, 0, std::max(p.max_mp, 0));
}

}  // namespace quill
