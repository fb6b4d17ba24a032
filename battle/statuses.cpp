#include "battle/statuses.h"

#include <algorithm>
#include <string>

#include "battle/pools.h"
#include "battle/sequencer.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

struct Sufferer {
    Game& g;
    int side;
    Combatant& c() { return g.combatants[side]; }
    // The enemy suffers more while the adventurer wears the 魔星のペンダント.
    bool boosted() { return side == 1 && Wears(g, g.combatants[0].pendant, "魔星のペンダント"); }
    int32_t level_bonus() {
        const int32_t level = g.combatants[0].level;
        return level >= 30 ? (level - 20) / 10 : 0;
    }
    bool coat() { return Wears(g, c().armour, "奥博士の白衣"); }
    bool weakened() { return c().active(kDefenceDown); }
};

int32_t formula_p(Sufferer& s) {
    int32_t n = random(2) + 2;
    if (s.boosted()) n += 2;
    n += s.level_bonus();
    if (s.weakened()) n += 2;
    if (s.coat()) n -= 1;
    return n;
}

int32_t formula_q(Sufferer& s, int32_t base, int32_t boosted_base) {
    int32_t n = s.boosted() ? random(2) + random(2) + boosted_base : random(2) + base;
    n += s.level_bonus();
    if (s.weakened()) n += 2;
    if (s.coat()) n -= 2;
    return n;
}

int32_t formula_r(Sufferer& s) {
    const int32_t part = s.c().max_hp / 20;
    int32_t n = part >= 7 ? 7 : part + 1;
    if (s.boosted()) n += random(2) + 5;
    n += s.level_bonus();
    if (s.weakened()) n += 2;
    if (s.coat()) n -= 2;
    return n;
}

// A poison's damage, or its healing under 毒吸.
void poison(Sufferer& s, int32_t n, const char* kind) {
    if (s.c().element_guard > 0) n /= 10;
    const std::string& name = s.c().name;
    if (s.c().active(kPoisonAbsorb)) {
        Heal(s.g, s.side, n);
        LogLine(s.g, name + "は" + kind + "ダメージ＞ " + to_string(n) + "を吸収した");
    } else {
        TakeDamage(s.g, s.side, n);
        LogLine(s.g, name + "に" + kind + "ダメージ＞ " + to_string(n));
    }
}

void per_turn(Sufferer& s) {
    Game& g = s.g;
    Combatant& c = s.c();
    const bool adventurer = s.side == 0;
    const bool sacred = adventurer && Wears(g, c.pendant, "聖樹のペンダント");
    if (c.active(kRegeneration)) {
        int32_t n = random(2) + 2 + g.combatants[0].max_hp / 50;
        if (sacred) n += 2;
        Heal(g, s.side, n);
        LogLine(g, c.name + "はHPが回復＞ " + to_string(n));
        c.status[kRegeneration] -= 1;
    }
    if (c.active(kMana)) {
        int32_t n = random(2) + 2;
        if (sacred) n += 1;
        ChangeMp(g, s.side, n);
        LogLine(g, c.name + "はMPが回復＞ " + to_string(n));
        c.status[kMana] -= 1;
    }
    if (c.active(kWater)) {
        const int32_t n = sacred ? random(10) + 12 : random(10) + 7;
        c.tp += n;
        LogLine(g, c.name + "はTPが回復＞ " + to_string(n));
        c.status[kWater] -= 1;
    }
    if (c.active(kPoison)) {
        poison(s, formula_p(s), "毒");
        c.status[kPoison] -= 1;
    }
    if (c.active(kStrongPoison)) {
        poison(s, formula_q(s, 4, 7), "猛毒");
        c.status[kStrongPoison] -= 1;
    }
    if (c.active(kDeadlyPoison)) {
        poison(s, formula_q(s, 6, 11), "劇毒");
        c.status[kDeadlyPoison] -= 1;
    }
    if (c.active(kMysteryPoison)) {
        poison(s, formula_r(s), "謎毒");
        c.status[kMysteryPoison] -= 1;
    }
    if (c.active(kSnakePoison)) {
        poison(s, formula_p(s), "蛇毒");
        if (random(3) == 0) c.status[kSnakePoison] -= 1;
    }
    if (c.active(kBurn)) {
        int32_t n = s.boosted() ? random(2) + 5 : random(2) + 3;
        if (c.element == 4) n += 1;
        n += s.level_bonus();
        if (c.element_guard > 0) n /= 10;
        if (s.weakened()) n += 2;
        TakeDamage(g, s.side, n);
        LogLine(g, c.name + "に火傷ダメージ＞ " + to_string(n));
        c.status[kBurn] -= 1;
    }
    if (c.active(kTpDown)) {
        const int32_t n = random(2) + 5;
        c.tp = std::max(c.tp - n, 0);
        LogLine(g, c.name + "のTPが " + to_string(n) + "減少....");
        c.status[kTpDown] -= 1;
    }
    if (c.status[kKinnaraArrows] > 0) {
        LogLine(g, "....空からキンナラの矢が降り注ぐ!!");
        for (int32_t arrow = 0; arrow < c.status[kKinnaraArrows]; ++arrow) {
            int32_t n = random(2) + 5 + s.level_bonus();
            if (c.element_guard > 0) n /= 5;
            if (s.weakened()) n += 2;
            TakeDamage(g, s.side, n);
            LogLine(g, c.name + "に " + to_string(n) + "ダメージ");
        }
        c.status[kKinnaraArrows] = 0;
    }
    static constexpr Status kCountdown[] = {
        kBloodSword,  kTpDown,     kThorns,      kPoisonAbsorb, kResistWater, kResistFire,
        kResistLight, kResistDark, kResistNone,  kPowerWater,   kPowerFire,   kPowerLight,
        kPowerDark,   kPowerNone,  kParalysis,   kFo,           kMagicSeal,   kMagicAbsorb,
        kPromise,     kFireWall,   kExtraDamage, kAttackDown,   kDefenceDown, kAttackUp,
        kDefenceUp,   kIronWall,   kEvasionUp,   kEvasionDown,  kHitDown,     kHitUp,
        kMagicHitUp,  kCriticalUp, kFirm,        kGuardUp};
    for (Status st : kCountdown) {
        if (c.status[st] > 0) c.status[st] -= 1;
    }
}

}  // namespace

void RunTurnStatuses(Game& g) {
    Sufferer s{g, g.active_side == 1 ? 1 : 0};
    per_turn(s);
    RunStep(g);
}

}  // namespace quill
