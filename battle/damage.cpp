#include "battle/damage.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "battle/pools.h"
#include "items/achievements.h"
#include "items/player_clamp.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "state/state_ops.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

constexpr int kPlayer = 0, kEnemy = 1, kPet = 2;

const ItemRecord& item(const Game& g, int32_t id) {
    return ItemAt(g.items, id);
}

int32_t hoshio_sum(const Game& g, std::initializer_list<std::pair<const char*, int32_t>> set) {
    int32_t sum = 0;
    for (auto [name, n] : set) {
        if (HoshioSet(g, name)) sum += n;
    }
    return sum;
}

// The three 魔方陣 of the adventurer lower magic and after-effects taken.
int32_t magic_circle(const Game& g) {
    return hoshio_sum(g,
                      {{"ホーシオの魔方陣", 2}, {"人工ﾎｰｼｵの魔方陣", 1}, {"改良ﾎｰｼｵの魔方陣", 5}});
}

// The adventurer's own magic: the three 魔力, the earring and the weapon's magic power.
int32_t adventurer_magic(const Game& g) {
    const Combatant& a = g.combatants[kPlayer];
    int32_t n =
        hoshio_sum(g, {{"ホーシオの魔力", 2}, {"人工ﾎｰｼｵの魔力", 1}, {"改良ﾎｰｼｵの魔力", 5}});
    if (Wears(g, a.earring, "魔星のイヤリング")) n += 2;
    return n;
}

// The elements: element power and resistance, element guard, the magic seal, and the
// enemies' weaknesses and affinities.
void elements(Game& g, int A, int D, const HitKind& k, int32_t& a) {
    const Combatant& at = g.combatants[A];
    Combatant& de = g.combatants[D];
    struct Power {
        Status status;
        int32_t defender_element;
        bool technique;
        const char* line;
    };
    const Power powers[] = {{kPowerWater, 3, k.water, "<水力>により威力↑"},
                            {kPowerFire, 4, k.fire, "<火力>により威力↑"},
                            {kPowerLight, 2, k.light, "<光力>により威力↑"},
                            {kPowerDark, 1, k.dark, "<闇力>により威力↑"},
                            {kPowerNone, 0, k.none, "<無力>により威力↑"}};
    for (const Power& p : powers) {
        if ((de.element == p.defender_element || p.technique) && at.active(p.status)) {
            LogLine(g, p.line);
            a += a / 3 + 1;
        }
    }
    const Power resists[] = {{kResistWater, 4, k.water, "<水耐性>により威力↓"},
                             {kResistFire, 3, k.fire, "<火耐性>により威力↓"},
                             {kResistLight, 1, k.light, "<光耐性>により威力↓"},
                             {kResistDark, 2, k.dark, "<闇耐性>により威力↓"},
                             {kResistNone, 0, k.none, "<無耐性>により威力↓"}};
    for (const Power& r : resists) {
        if ((at.element == r.defender_element || r.technique) && de.active(r.status)) {
            LogLine(g, r.line);
            a -= a / 3 + 1;
        }
    }
    if (de.element_guard > 0) {
        static constexpr const char* kGuardLines[] = {
            "<無耐性>により威力大幅↓", "<光耐性>により威力大幅↓", "<闇耐性>により威力大幅↓",
            "<火耐性>により威力大幅↓", "<水耐性>により威力大幅↓"};
        const bool own[] = {k.none, k.light, k.dark, k.fire, k.water};
        if (de.element >= 0 && de.element <= 4 && own[de.element]) {
            a /= 5;
            LogLine(g, kGuardLines[de.element]);
        }
    }
    if (de.active(kMagicSeal) && k.magic) {
        LogLine(g, "魔紋＞威力半減");
        a = a / 2;
    }
    if (A == kEnemy) {
        if (at.light_weakness > 0 && k.dark) a += a / 2 + 1;
        if (at.magic_affinity == 1 && k.magic) a += a / 3 + 1;
    }
    if (D == kEnemy) {
        if (de.light_weakness == 1) {
            if (k.light) {
                a += a / 2 + 1;
            } else {
                a -= a / 2 + 1;
            }
            if (k.dark) a = a / 2;
        } else if (de.light_weakness == 2) {
            if (k.light) {
                a += a / 2 + 1;
            } else {
                a /= 5;
            }
            if (k.dark) a /= 10;
        }
        if (de.magic_affinity == 1 && k.magic) a -= a / 2 + 1;
    }
}

// The adventurer's combinations grow with the level, the weapon and the upgrades.
void combination_power(Game& g, int A, const HitKind& k, int32_t& a) {
    if (A != kPlayer || k.id <= 99) return;
    const int32_t level = g.combatants[kPlayer].level;
    if (level >= 50) a += a / 10 + 3;
    if (level >= 55) a += a / 8 + 3;
    if (level >= 60) a += a / 5 + 3;
    if (level >= 70) a += a / 4 + 3;
    if (level >= 99) a += a / 3 + 3;
    const int32_t power = item(g, g.combatants[kPlayer].weapon).combo_power;
    if (power > 0) a += power;
    for (int32_t id = 690; id <= 698; ++id) {
        if (g.state.item_count[id] >= 1) a += g.items[id].amount;
    }
}

// The defenders that shrug off one kind of the adventurer's attacks (a sure hit is cut less).
void named_defenders(Game& g, int A, int D, const HitKind& k, int32_t& a, bool sure) {
    if (A != kPlayer) return;
    const std::string& name = g.combatants[D].name;
    if (name == "海神・魔獣・時数露不" || name == "返ってきた海神・魔獣・時数露不") {
        if (!k.magic) {
            a /= sure ? 10 : 20;
            if (!sure) LogLine(g, "＞物理耐性");
        }
    } else if (name == "地天・ｌｕｋａ" || name == "返ってきた地天・ｌｕｋａ" ||
               (sure && name == "今、光")) {
        if (k.id <= 99) {
            a /= 20;
            LogLine(g, "＞通常攻撃耐性");
        } else {
            a = 2 * a + 10;
        }
    } else if (name == "今、光") {
        if (k.id <= 99) {
            a /= 50;
            LogLine(g, "＞通常攻撃耐性");
        } else {
            a = 2 * a + 10;
        }
    } else if ((name == "聳えるヤマオ" || name == "ヤマオ・MAYDAY MODE") && k.magic) {
        a /= sure ? 20 : 50;
        LogLine(g, "＞魔法耐性");
    }
}

// The flat additions of the adventurer's rings, ホーシオ and 苦無.
int32_t flat_additions(const Game& g) {
    const Combatant& a = g.combatants[kPlayer];
    int32_t n = 0;
    const std::pair<const char*, int32_t> rings[] = {{"ブルーダイアモンド", 1},
                                                     {"ヘブンズダイアモンド", 2},
                                                     {"ドラゴンズ・アイ", 3},
                                                     {"プリズム・アイ", 4}};
    for (auto [ring, add] : rings) {
        if (Wears(g, a.right_ring, ring)) n += add;
    }
    n += hoshio_sum(
        g,
        {{"ホーシオの剣", 2}, {"ホーシオの大剣", 3}, {"人工ﾎｰｼｵの剣", 1}, {"人工ﾎｰｼｵの大剣", 2}});
    if (Wears(g, a.weapon, "苦無")) n += 2;
    return n;
}

void count_with_milestones(Game& g, int32_t& count, std::initializer_list<int32_t> above,
                           int32_t first_id) {
    count += 1;
    GrantAchievementsAbove(g, count, above, first_id);
}

struct ShieldGain {
    const char* shield;
    int32_t hp, mp, tp;
};
constexpr ShieldGain kShieldGains[] = {
    {"白の円盾", 0, 1, 0},
    {"黒の円盾", 0, 1, 5},
    {"赤の円盾", 0, 1, 10},
    {"青の円盾", 0, 2, 15},
    {"紫の円盾", 1, 2, 20},
    {"虹色の円盾", 2, 2, 25},
    {"不可視の円盾", 3, 3, 30},
    {"アクシオンの円盾", 4, 4, 35},
    {"論理の円盾", 5, 5, 40},
    {"波動関数の円盾", 6, 6, 45},
    // Described in the catalogue as "ガード時 HP+7 MP+7 TP+50": the same pattern, one on.
    {"ｳｪｰﾌﾞｺｲﾙ蝶の円盾", 7, 7, 50},
};

bool guarded(Game& g, int D) {
    Combatant& de = g.combatants[D];
    int32_t G = item(g, de.shield).guard + de.guard_rate;
    if (D == kPlayer) {
        G += hoshio_sum(g, {{"ホーシオの自閉", 3},
                            {"人工ﾎｰｼｵの自閉", 2},
                            {"改良ﾎｰｼｵの自閉", 6},
                            {"ホーシオの小さな自閉", 2},
                            {"人工ﾎｰｼｵの小さな自閉", 1}});
    }
    if (de.active(kFirm)) G += 20;
    if (de.active(kGuardUp)) G += 25;
    G = std::clamp(G + 3 - random(7), 0, 99);
    if (random(100) >= G) return false;
    if (D == kPlayer) {
        for (const ShieldGain& s : kShieldGains) {
            if (!Wears(g, de.shield, s.shield)) continue;
            de.hp += s.hp;
            de.mp += s.mp;
            de.tp += s.tp;
        }
    }
    LogLine(g, "ガード率 " + to_string(G) + "％＞ガードしました!! ダメージ半減");
    count_with_milestones(g, g.state.guard_count, {49, 99, 199, 499, 999}, 425);
    return true;
}

bool critical(Game& g, int A, int D, bool was_guarded, int32_t& a) {
    const Combatant& at = g.combatants[A];
    Combatant& de = g.combatants[D];
    int32_t C = item(g, at.helmet).critical + item(g, at.weapon).critical + at.critical_rate;
    if (A == kPlayer) {
        C += hoshio_sum(g, {{"ホーシオの希望", 3},
                            {"人工ﾎｰｼｵの希望", 2},
                            {"改良ﾎｰｼｵの希望", 6},
                            {"ホーシオの小さな希望", 2},
                            {"人工ﾎｰｼｵの小さな希望", 1}});
    }
    if (at.active(kCriticalUp)) C += 20;
    C = std::clamp(C + 3 - random(7), 0, 99);
    if (!(random(100) <= C) || was_guarded) return false;
    LogLine(g, "ｸﾘﾃｨｶﾙ率 " + to_string(C) + "％＞クリティカルヒット!! ダメージ倍増");
    if (!Wears(g, de.armour, "ヤマオの胴着")) a = 2 * a;
    if (de.name == "ヤマオ・MAYDAY MODE") {
        LogLine(g, "ヤマオ＞ｸﾘﾃｨｶﾙ吸収発動!!");
        de.status[kAbsorb] += 1;
    }
    return true;
}

void after_effects(Game& g, int A, int D, int32_t a) {
    Combatant& at = g.combatants[A];
    Combatant& de = g.combatants[D];
    if (at.active(kExtraDamage)) {
        const int32_t r = random(5);
        int32_t n = de.element == 2 ? 2 * r + 4 : r + 2;
        if (de.element == 1) n /= 2;
        if (de.active(kRegeneration)) n /= 2;
        if (Wears(g, de.armour, "ライトベール")) n /= 2;
        if (A == kPlayer && Wears(g, at.earring, "星屑のイヤリング")) n += random(2) + 4;
        if (D == kPlayer) n -= magic_circle(g);
        n = std::max(n, 1);
        LogLine(g, "追加ダメージ＞ " + to_string(n) + "ダメージ");
        TakeDamage(g, D, n);
    }
    if (de.active(kFireWall)) {
        int32_t n = a / 2;
        if (at.element == 3) n = 0;
        if (at.element == 4) n += n / 2;
        if (D == kPlayer) n -= magic_circle(g);
        n = std::max(n, 1);
        LogLine(g,
                "炎壁ダメージ＞ " + at.name + "は" + to_string(n) + "ダメージを受けてしまった!!");
        TakeDamage(g, A, n);
    }
    if (de.active(kThorns)) {
        int32_t n = random(5) + 3;
        if (A == kEnemy && Wears(g, g.combatants[kPlayer].pendant, "魔星のペンダント")) {
            n += random(2) + 4;
        }
        LogLine(g, "棘ダメージ＞ " + at.name + "は" + to_string(n) + "ダメージを受けてしまった!!");
        TakeDamage(g, A, n);
    }
    de.tp += random(6) + 10;
    if (D == kPlayer) de.tp += hoshio_sum(g, {{"ホーシオの計算機", 2}, {"人工ﾎｰｼｵの計算機", 1}});
    if (A == kPlayer) {
        const std::pair<const char*, int32_t> blades[] = {{"欠けた刀", 2},
                                                          {"錆びた刀", 3},
                                                          {"光の剣", 2},
                                                          {"曲った刀", 4},
                                                          {"苦無", 4},
                                                          {"青白い刀", 6},
                                                          {"日本刀", 8},
                                                          {"ブッカブーカ刀", 10},
                                                          {"スターダスト刀", 12},
                                                          {"赤き刻印の刀", 14},
                                                          {"昇星刀", 16},
                                                          {"メイデイ刀", 18},
                                                          {"ホーシオ刀", 20},
                                                          {"返ってきたホーシオ刀", 22}};
        for (auto [blade, tp] : blades) {
            if (Wears(g, at.weapon, blade)) at.tp += tp;
        }
    }
    if (D == kPet && de.hp < 1) {
        PlaySound(g, "cat_dead.wav");
        LogLineAndWait(g, de.name + "は体力の限界だ");
        LogColouredLine(g, de.name + "は巣に帰って行った....", "red");
        count_with_milestones(g, g.state.pet_knockout_count, {49, 99, 499, 999}, 473);
    }
}

void missed(Game& g, int A, int D, int32_t B) {
    Combatant& at = g.combatants[A];
    Combatant& de = g.combatants[D];
    if (A == kPlayer) {
        const int32_t comfort =
            hoshio_sum(g, {{"ホーシオの慰め", 2}, {"人工ﾎｰｼｵの慰め", 1}, {"改良ﾎｰｼｵの慰め", 6}});
        if (comfort > 0) at.hp += comfort;
        const int32_t mp = item(g, at.weapon).mp_on_miss;
        if (mp > 0) at.mp += mp;
    }
    if (D == kPlayer) {
        const std::pair<const char*, int32_t> cloaks[] = {
            {"孔雀のマント", 1}, {"鳳凰のマント", 1}, {"地球のマント", 1}, {"太陽のマント", 1},
            {"銀河のマント", 2}, {"宇宙のマント", 3}, {"次元のマント", 4}};
        for (auto [cloak, mp] : cloaks) {
            if (Wears(g, de.armour, cloak)) de.mp += mp;
        }
    }
    LogLine(g, "命中率 " + to_string(B) + "％＞Miss....");
    PlaySound(g, "miss.wav");
    AddPopupInRow(g, D == kEnemy ? 1 : 0, kTextPopup, "Miss....");
    count_with_milestones(g, g.state.miss_count, {49, 99, 199, 499, 999}, 410);
}

}  // namespace

HitKind HitKindOf(const Game& g, int attacker) {
    HitKind k;
    if (attacker == kPet) return k;  // the pet's own hit: no technique, no element
    const int32_t id = g.action_technique;
    if (id < 0 || id >= kSkillIds) return k;
    const SkillRecord& t = g.skills[id];
    k.id = id;
    k.magic = t.is_magic > 0;
    k.none = t.element_none == 1;
    k.water = t.element_water == 1;
    k.fire = t.element_fire == 1;
    k.light = t.element_light == 1;
    k.dark = t.element_dark == 1;
    k.name = t.name.c_str();
    return k;
}

void Damage(Game& g, int A, int D, int32_t a) {
    // The pet may take the blow for the adventurer.
    if (D == kPlayer && random(10) == 0 && has_pet(g) && g.combatants[kPet].hp >= 1) {
        const Combatant& p = g.combatants[kPlayer];
        if (!p.active(kAbsorb) && !p.active(kMagicAbsorb) && !p.active(kReflect) &&
            !p.active(kGuardStance) && !p.active(kDodge) && !p.active(kMagicDodge)) {
            LogLineAndWait(g, g.combatants[kPet].name + "が盾になった!!");
            D = kPet;
        }
    }
    const HitKind k = HitKindOf(g, A);
    Combatant& at = g.combatants[A];
    Combatant& de = g.combatants[D];
    const std::string technique = k.name;
    // Attack against defence: the attacker's strength and weapons, the support statuses, the
    // adventurer's ホーシオ and magic, less the defender's defence (ウォータレーザー passes it).
    a += at.attack + item(g, at.weapon).attack + item(g, at.arm).attack;
    if (at.active(kAttackUp)) a += a / 4 + 1;
    if (de.active(kDefenceUp)) a -= a / 4 + 1;
    if (de.active(kIronWall)) a -= a / 3 + 1;
    if (A == kPlayer) {
        if (HoshioSet(g, "ホーシオの火事場") && at.max_hp / 2 >= at.hp) a += 2;
        if (HoshioSet(g, "人工ﾎｰｼｵの火事場") && at.max_hp / 3 >= at.hp) a += 1;
        if (HoshioSet(g, "改良ﾎｰｼｵの火事場") && at.max_hp / 3 >= at.hp) a += 5;
        if (HoshioSet(g, "改良ﾎｰｼｵの大火事場") && at.max_hp / 4 >= at.hp) a += 7;
        if (k.magic) a += adventurer_magic(g);
    }
    if (at.active(kFo) && !k.magic) a += 10;
    if (technique != "ウォータレーザー") {
        a -= de.defence + item(g, de.armour).defence + item(g, de.helmet).defence +
             item(g, de.shield).defence + item(g, de.waist).defence;
    }
    if (k.magic && D == kPlayer) a -= magic_circle(g);
    if (A == kPlayer && k.magic && item(g, at.weapon).magic_power > 0) {
        a += item(g, at.weapon).magic_power;
    }
    // The defenders that shrug off a kind of attack, then the elements and weaknesses.
    named_defenders(g, A, D, k, a, false);
    elements(g, A, D, k, a);
    // The enemy 光 takes a tenth; the light and dark weapons against light and dark targets;
    // lowered attack halves the blow, lowered defence adds half; a charge of power doubles it
    // and is used up; then the combinations' growth, and never less than 1.
    if (D == kEnemy && de.name == "光") a /= 10;
    if (Wears(g, at.weapon, "光の剣") || Wears(g, at.weapon, "らいとにんぐぼう")) {
        if (de.active(kRegeneration)) a = a / 2;
        if (de.element == 1) a -= a / 5;
        if (de.element == 2) a += a / 5;
    }
    if (Wears(g, at.weapon, "闇の杖")) {
        if (D == kEnemy && de.name == "光") a += 7;
        if (de.active(kMana)) a = a / 2;
        if (de.element == 2) a -= a / 5;
        if (de.element == 1) a += a / 5;
    }
    if (at.active(kAttackDown)) a -= a / 2;
    if (de.active(kDefenceDown)) a += a / 2 + 1;
    if (at.active(kPower)) {
        at.status[kPower] -= 1;
        a = 2 * a;
    }
    combination_power(g, A, k, a);
    a = std::max(a, 1);

    // The hit chance: hit against evasion with statuses, equipment and ホーシオ, the techniques
    // that change it, kept within 5 to 95 and jittered by up to 3; a dodge makes it 0 and a
    // sure hit 100; then the roll.
    int32_t B = at.hit - de.evasion + 100;
    if (at.active(kHitUp)) B += 30;
    if (at.active(kMagicHitUp) && k.magic) B += 30;
    if (de.active(kEvasionUp)) B -= 30;
    B += item(g, at.weapon).hit_evasion - item(g, de.armour).hit_evasion +
         item(g, at.right_ring).accessory_hit - item(g, de.right_ring).hit_evasion +
         item(g, at.left_ring).accessory_hit - item(g, de.left_ring).hit_evasion;
    if (A == kPlayer) {
        if (k.magic) {
            B += hoshio_sum(g,
                            {{"ホーシオの魔導", 5}, {"人工ﾎｰｼｵの魔導", 3}, {"改良ﾎｰｼｵの魔導", 6}});
        }
        B += hoshio_sum(g, {{"ホーシオの手", 3},
                            {"人工ﾎｰｼｵの手", 2},
                            {"改良ﾎｰｼｵの手", 6},
                            {"ホーシオの手の指", 2},
                            {"人工ﾎｰｼｵの手の指", 1}});
    }
    if (D == kPlayer) {
        B -= hoshio_sum(g, {{"ホーシオの足", 3},
                            {"人工ﾎｰｼｵの足", 2},
                            {"改良ﾎｰｼｵの足", 6},
                            {"ホーシオの足の指", 2},
                            {"人工ﾎｰｼｵの足の指", 1}});
    }
    if (technique == "トロッコ銃") {
        B += A == kPlayer ? g.state.skill_level[k.id] * 5 + 25 : 30;
    }
    if (technique == "弓矢狼" || k.id == 133 || k.id == 173 || k.id == 174) {
        B = B / 2;
        a = 2 * a;
    }
    if (de.active(kEvasionDown)) B += 30;
    if (at.active(kHitDown)) B -= 30;
    B = std::clamp(B, 5, 95);
    B += random(7) - 3;
    if (de.status[kDodge] == 1) {
        de.status[kDodge] = 0;
        B = 0;
    }
    if (de.status[kMagicDodge] == 1 && k.magic) {
        de.status[kMagicDodge] = 0;
        B = 0;
    }
    if (at.status[kSureHit] == 1) {
        at.status[kSureHit] = 0;
        B = 100;
    }
    if (!(random(100) < B)) {
        missed(g, A, D, B);
        return;
    }

    // Guard, critical, the flat additions, the guard stance, and the blow itself.
    const bool was_guarded = guarded(g, D);
    if (was_guarded) a = a / 2;
    critical(g, A, D, was_guarded, a);
    if (A == kPlayer) a += flat_additions(g);
    if (de.active(kGuardStance)) {
        LogLine(g, "防御＞威力↓");
        de.status[kGuardStance] -= 1;
        a = a / 2;
    }
    if (de.active(kAbsorb)) {
        de.status[kAbsorb] -= 1;
        LogLine(g, de.name + "は " + to_string(a) + "ダメージ吸収した!!");
        Heal(g, D, a);
    } else if (de.active(kMagicAbsorb) && k.magic) {
        de.status[kMagicAbsorb] = 0;
        LogLine(g, de.name + "は " + to_string(a) + "ダメージ吸収した!!");
        Heal(g, D, a);
    } else if (de.active(kReflect)) {
        de.status[kReflect] -= 1;
        LogLine(g, de.name + "は " + to_string(a) + "ダメージを跳ね返した!!");
        TakeDamage(g, A, a);
    } else {
        const bool overkill = de.hp <= 0;
        LogLine(g, "命中率 " + to_string(B) + "％＞" + de.name + "に " + to_string(a) + "ダメージ");
        if (at.active(kBloodSword)) {
            const int32_t d = std::min(a, de.hp);
            if (d >= 1) {
                Heal(g, A, d);
                LogLine(g, de.name + "からHPを " + to_string(d) + "吸い取った!!");
            }
        }
        TakeDamage(g, D, a);
        // The overkill heal is the adventurer's alone: it asks for the adventurer's level.
        if (overkill && A == kPlayer && g.combatants[kPlayer].level >= 25) {
            const int32_t n = at.max_hp / 10 + 1;
            Heal(g, A, n);
            LogLine(g, "オーバーキル＞ " + to_string(n) + "回復");
        }
    }
    // What follows every blow that landed (absorbed and thrown back too): extra damage, the
    // fire wall and thorns on the attacker, the TP both gain, and a fallen pet sent home.
    after_effects(g, A, D, a);
    ClampPlayerState(g);
}

void SureDamage(Game& g, int A, int D, int32_t a) {
    const HitKind k = HitKindOf(g, A);
    const Combatant& at = g.combatants[A];
    const Combatant& de = g.combatants[D];
    if (at.active(kAttackUp)) a += a / 4 + 1;
    if (de.active(kDefenceUp)) a -= a / 4 + 1;
    if (de.active(kIronWall)) a -= a / 3 + 1;
    if (k.magic && D == kPlayer) a -= magic_circle(g);
    if (k.magic && A == kPlayer) {
        a += adventurer_magic(g);
        if (item(g, at.weapon).magic_power > 0) a += item(g, at.weapon).magic_power;
    }
    if (A == kPlayer && de.element_guard > 0) a /= 4;
    named_defenders(g, A, D, k, a, true);
    elements(g, A, D, k, a);
    combination_power(g, A, k, a);
    a = std::max(a, 0);
    if (A == kPlayer) a += flat_additions(g);
    TakeDamage(g, D, a);
    LogLine(g, g.combatants[D].name + "に " + to_string(a) + "のダメージ!!");
    ClampPlayerState(g);
}

}  // namespace quill
