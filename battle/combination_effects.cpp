// What each combination and special move does at its steps: its lines and its numbers.
#include <algorithm>
#include <array>
#include <string>

#include "battle/action_kit.h"
#include "battle/damage.h"
#include "battle/pools.h"
#include "platform/random.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

// A start value (another from level 50) that grows at levels 55, 60, 70 and 99.
int32_t by_level(int32_t level, int32_t start, int32_t from_50, std::array<int32_t, 4> steps) {
    int32_t n = level >= 50 ? from_50 : start;
    const int32_t at[] = {55, 60, 70, 99};
    for (int i = 0; i < 4; ++i) {
        if (level >= at[i]) n += steps[i];
    }
    return n;
}

struct Combo {
    Act& x;
    Game& g;
    Combatant& A;
    Combatant& T;
    int32_t step() const { return x.step; }
    int32_t actor_level() const { return A.level; }
    int32_t player_level() const { return g.combatants[0].level; }
    bool enemy_actor() const { return !x.player(); }
    void say(const std::string& line) { x.log(line); }
    void hit(int32_t base) { Damage(g, x.a, x.t, base); }
    void sure(int32_t n) { SureDamage(g, x.a, x.t, n); }
    void heal(int32_t n, const char* before = "HP ", const char* after = "回復") {
        Heal(g, x.a, n);
        say(before + to_string(n) + after);
    }
    void end() { x.end(); }
};

// The hit of 幻想曲 (and フラッシュ, キャンドラ): light magic.
int32_t fantasia_base(Combo& c) {
    int32_t base = random(2) + 8;
    if (c.T.element == 1) base /= 2;
    if (c.T.element == 2) base *= 2;
    if (c.T.active(kRegeneration)) base /= 2;
    if (c.x.target_wears_armour("ライトローブ")) base /= 2;
    return magic_boosts(c.x, base);
}

void raise(Combo& c, const std::string& first, const std::string& second, Status s, int32_t n) {
    c.say(c.A.name + first);
    c.say(c.A.name + second);
    c.A.status[s] = n;
    c.end();
}

// Each combination's work at its steps (3, 4, 5), for either side. Every one ends the
// action at its last step; a step that returns without ending it leaves the next to come.

// 幻想曲: light magic, then 2 of the target's MP.
void fantasia(Combo& c) {
    if (c.step() == 3) return c.hit(fantasia_base(c));
    ChangeMp(c.g, c.x.t, -2);
    c.say("MPを 2削った!!");
    c.end();
}

// 地球投げ: the earth dropped for a fifth of the target's maximum HP.
void earth_throw(Combo& c) {
    if (c.step() == 3) return c.say(c.A.name + "は地球を持ち上げた!!");
    if (c.step() == 4) return c.say("ひゅーん!! 地球が落ちてくる!!");
    int32_t base = random(5) + c.T.max_hp / 5 + 7;
    if (c.T.element_guard > 1) base /= 2;
    c.hit(base);
    c.end();
}

// インフィニティ: a blow of 5 to 25.
void infinity(Combo& c) {
    if (c.step() == 3) return c.say("5～25間でランダムダメージ!!");
    c.hit(random(21) + 5);
    c.end();
}

// インフェルノ and ヴォルケーノ: strong fire magic, an enemy's growing with the target's HP.
void erupting_fire(Combo& c, const char* line) {
    const int32_t te = c.T.element;
    if (c.step() == 3) return c.say(line);
    int32_t base = random(2) + 13 + (c.enemy_actor() ? c.T.max_hp / 10 : 0);
    base = magic_boosts(c.x, base);
    if (c.T.active(kFireWall)) base /= 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    c.hit(base);
    c.end();
}

// インフェルノ
void inferno(Combo& c) {
    erupting_fire(c, "豪火が舞い上がる！");
}

// ヴォルケーノ
void volcano(Combo& c) {
    erupting_fire(c, "地球からマグマが噴出した!!");
}

// ドラゴンブレス: a fire blow of half the actor's maximum HP (a quarter through a fire wall).
void dragon_breath(Combo& c) {
    const int32_t te = c.T.element;
    if (c.step() == 3) return c.say(c.A.name + "の口から竜の炎が放出する!!");
    int32_t base = c.T.active(kFireWall) ? c.A.max_hp / 4 : c.A.max_hp / 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    c.hit(base);
    c.end();
}

// ヴァンパイア・ヴラッディ・スター: takes HP from the target for the actor.
void vampire_star(Combo& c) {
    Game& g = c.g;
    const int32_t te = c.T.element;
    const int32_t L = c.actor_level();
    int32_t n = te == 1 ? 5 : te == 2 ? 0 : 10;
    if (c.T.active(kMana)) n /= 2;
    n += by_level(L, 0, 2, {3, 4, 5, 6});  // each step adds in turn: +20 at 99
    const int32_t power = g.items[std::clamp(c.A.weapon, 0, kItemTableSize - 1)].combo_power;
    if (c.x.player() && power > 0) n += power / 3 + 1;
    TakeDamage(g, c.x.t, n);
    Heal(g, c.x.a, n);
    c.say(c.T.name + "からHPを " + to_string(n) + "吸収!!");
    c.end();
}

// シューティング・フラワー: a blow of 15.
void shooting_flower(Combo& c) {
    if (c.step() == 3) return c.say(c.A.name + "は一輪の花を放った!!");
    c.hit(15);
    c.end();
}

// スターダスト: two blows, one at each step.
void stardust(Combo& c) {
    c.hit(random(5) + 5);
    if (c.step() == 3) return;
    c.end();
}

// 二人の悲歌: a sure hit of the actor's maximum MP.
void elegy_for_two(Combo& c) {
    if (c.step() == 3) return c.say("最大MP分ダメージ!!");
    c.sure(c.A.max_mp);
    c.end();
}

// ダイスヒール: a heal over a range of 15 that the level raises; the range is told first.
void dice_heal(Combo& c) {
    const int32_t f = by_level(c.actor_level(), 1, 4, {4, 5, 5, 6});
    if (c.step() == 3) return c.say("ランダム回復 " + to_string(f) + "～" + to_string(f + 14));
    c.heal(random(15) + f);
    c.end();
}

// 弓矢狼の目: the actor's next blow is sure to hit.
void wolf_eye(Combo& c) {
    c.say("集中力が極限にまで高まった!!");
    c.say(c.A.name + "は<必中>状態になった");
    c.A.status[kSureHit] = 1;
    c.end();
}

// ウェスタンムーブ: the actor dodges the next blow.
void western_move(Combo& c) {
    c.say("足が風のように動き出す!!");
    c.say(c.A.name + "は<回避>状態になった");
    c.A.status[kDodge] = 1;
    c.end();
}

// マジックテクニカル: the actor's magic hits more often for a while.
void magic_technical(Combo& c) {
    c.say("魔法に対する理解が深まった気がした!!");
    c.say(c.A.name + "は<魔命↑>状態になった");
    c.A.status[kMagicHitUp] = random(3) + 3;
    c.end();
}

// やけど: burns the target.
void burn(Combo& c) {
    c.T.status[kBurn] = random(2) + 2;
    c.say(c.T.name + "は<火傷>を負った!!");
    c.end();
}

// 闇に溶ける: the actor's evasion rises for a while.
void melt_into_darkness(Combo& c) {
    raise(c, "の体が闇に溶けてゆく……", "は一時的に回避力が上昇した!!", kEvasionUp, random(3) + 3);
}

// ヴァイステクニカル: the actor's hit chance rises for a while.
void weiss_technical(Combo& c) {
    raise(c, "の神経が研ぎ澄まされる……", "は一時的に命中率が上昇した!!", kHitUp, random(3) + 3);
}

// 電光石火: a blow (double on a water target), then 30 of the target's TP.
void lightning_speed(Combo& c) {
    const int32_t te = c.T.element;
    if (c.step() == 3) {
        const int32_t r = random(2);
        return c.hit(te == 4 ? 2 * r + 16 : r + 8);
    }
    c.T.tp -= 30;
    c.say("TPを 30削った!!");
    c.end();
}

// 山の恵み: a heal that grows with the level.
void mountain_blessing(Combo& c) {
    c.heal(by_level(c.actor_level(), 5, 7, {3, 4, 5, 6}));
    c.end();
}

// ヴォマクトＷアタック: a blow, stronger on a light target, weaker on a dark one.
void vomact_double_attack(Combo& c) {
    const int32_t te = c.T.element;
    int32_t base = random(3) + 4 + (c.enemy_actor() ? c.T.max_hp / 20 : 0);
    if (te == 1) base -= base / 2;
    if (te == 2) base += base / 2;
    c.hit(base);
    c.end();
}

// アローレイン: two blows.
void arrow_rain(Combo& c) {
    if (c.step() == 3) return c.say("2回攻撃");
    for (int i = 0; i < 2; ++i) {
        c.hit(c.enemy_actor() ? c.T.max_hp / 20 + random(2) + 3 : random(2) + 3);
    }
    c.end();
}

// 毒回復: cures every poison of the actor; without one, a heal.
void cure_poison(Combo& c) {
    Combatant& A = c.A;
    const int32_t L = c.actor_level();
    if (A.active(kPoison) || A.active(kStrongPoison) || A.active(kDeadlyPoison) ||
        A.active(kMysteryPoison) || A.active(kSnakePoison)) {
        for (Status p : {kPoison, kStrongPoison, kDeadlyPoison, kMysteryPoison, kSnakePoison}) {
            A.status[p] = 0;
        }
        c.say("<毒>から回復した!!");
    } else {
        c.heal(by_level(L, 3, 6, {3, 3, 3, 3}));
    }
    c.end();
}

// 命中↓回復: cures the actor's lowered hit chance; without it, a heal.
void cure_hit_down(Combo& c) {
    const int32_t L = c.actor_level();
    if (c.A.active(kHitDown)) {
        c.A.status[kHitDown] = 0;
        c.say("<命中↓>から回復した!!");
    } else {
        c.heal(by_level(L, 3, 6, {3, 3, 5, 6}));
    }
    c.end();
}

// ダイスMPヒール: restores MP over a range of 5 that the level raises; the range is told first.
void dice_mp_heal(Combo& c) {
    const int32_t f = by_level(c.actor_level(), 1, 2, {1, 1, 1, 1});
    if (c.step() == 3) return c.say("ランダムMP回復 " + to_string(f) + "～" + to_string(f + 4));
    const int32_t n = random(5) + f;
    ChangeMp(c.g, c.x.a, n);
    c.say("MP " + to_string(n) + "回復");
    c.end();
}

// ダイスTPヒール: restores TP over a range of 41 that the level raises; the range is told first.
void dice_tp_heal(Combo& c) {
    const int32_t f = by_level(c.actor_level(), 10, 12, {2, 2, 2, 2});
    if (c.step() == 3) return c.say("ランダムTP回復 " + to_string(f) + "～" + to_string(f + 40));
    const int32_t n = random(41) + f;
    c.A.tp += n;
    c.say("TP " + to_string(n) + "回復");
    c.end();
}

// MP吸血: takes MP from the target for the actor.
void drain_mp(Combo& c) {
    const int32_t n = by_level(c.actor_level(), 3, 4, {1, 1, 1, 1});
    c.A.mp += n;
    c.T.mp -= n;
    c.say(c.T.name + "からMPを " + to_string(n) + "吸収した!!");
    c.end();
}

// TP吸血: takes TP from the target for the actor.
void drain_tp(Combo& c) {
    const int32_t n = by_level(c.actor_level(), 30, 35, {5, 5, 5, 5});
    c.A.tp += n;
    c.T.tp -= n;
    c.say(c.T.name + "からTPを " + to_string(n) + "吸収した!!");
    c.end();
}

// 月の癒し and 空の癒し: what they restore for each element of the target, and its label.
constexpr const char* kElementLabels[] = {"無属性→", "光属性→", "闇属性→", "火属性→", "水属性→"};
constexpr int32_t kMoonHealingHp[] = {5, 10, 4, 6, 7};
constexpr int32_t kSkyHealingTp[] = {10, 40, 20, 35, 25};

// The target's element as a row of those tables (an unknown one counts as none).
int element_row(int32_t te) {
    return te >= 0 && te <= 4 ? te : 0;
}

// 月の癒し: a heal by the target's element.
void moon_healing(Combo& c) {
    const int32_t te = c.T.element;
    const int32_t L = c.actor_level();
    if (c.step() == 3) return c.say("相手の属性によって回復");
    const int e = element_row(te);
    const int32_t n = by_level(L, 0, 2, {3, 4, 5, 6}) + kMoonHealingHp[e];
    Heal(c.g, c.x.a, n);
    c.say(std::string(kElementLabels[e]) + "HP " + to_string(n) + "回復");
    c.end();
}

// 空の癒し: TP restored by the target's element.
void sky_healing(Combo& c) {
    const int32_t te = c.T.element;
    const int32_t L = c.actor_level();
    if (c.step() == 3) return c.say("相手の属性によってTP回復");
    const int e = element_row(te);
    const int32_t n = by_level(L, 0, 5, {5, 5, 5, 5}) + kSkyHealingTp[e];
    c.A.tp += n;
    c.say(std::string(kElementLabels[e]) + "TP " + to_string(n) + "回復");
    c.end();
}

// 雷神の加護: the actor's critical chance rises for a while.
void thunder_god_blessing(Combo& c) {
    raise(c, "は空間の流れがスローに見える!!", "は一時的にクリティカル発生率が上昇した!!",
          kCriticalUp, random(4) + 3);
}

// 魔性の加護: the actor's guard chance rises for a while.
void demon_blessing(Combo& c) {
    raise(c, "は体の周りに見えない鎧を纏った!!", "は一時的にガード発生率が上昇した!!", kFirm,
          random(4) + 3);
}

// 天駆龍閃: three or four blows.
void sky_dragon_flash(Combo& c) {
    const int32_t hits = random(2) + 3;
    for (int i = 0; i < hits; ++i) c.hit(random(2) + 4);
    c.end();
}

// 昇星伝説: three or four light blows.
void rising_star_legend(Combo& c) {
    const int32_t te = c.T.element;
    const int32_t hits = random(2) + 3;
    for (int i = 0; i < hits; ++i) {
        int32_t base = te == 1 ? random(2) + 3 : random(2) + 4;
        if (te == 2) base += 1;
        if (c.x.target_wears_armour("ライトローブ")) base /= 2;
        if (c.T.active(kRegeneration)) base -= 1;
        c.hit(base);
    }
    c.end();
}

// キャンドラ: light magic (Damage halves its hit chance and doubles the blow).
void candra(Combo& c) {
    if (c.step() == 3) return c.say("命中率半減 光属性攻撃");
    c.hit(fantasia_base(c) + (c.enemy_actor() ? c.T.max_hp / 10 : 0));
    c.end();
}

// 火/水/光/闇/無耐性バリア (134 to 138): the actor resists one element for a while.
void elemental_barrier(Combo& c) {
    static constexpr const char* kSpirit[] = {"火", "水", "光", "闇", "無"};
    static constexpr Status kResist[] = {kResistFire, kResistWater, kResistLight, kResistDark,
                                         kResistNone};
    const int i = c.x.id - 134;
    raise(c, std::string("の体が") + kSpirit[i] + "の精霊に守られた",
          std::string("は一時的に") + kSpirit[i] + "に対して強くなった!!", kResist[i],
          random(4) + 5);
}

// 防御力UP, 回避率UP, 命中率UP (139 to 141): one of the actor's numbers rises for a while.
void raise_one_number(Combo& c) {
    static constexpr const char* kWhat[] = {"防御力", "回避率", "命中率"};
    static constexpr Status kStatus[] = {kDefenceUp, kEvasionUp, kHitUp};
    const int i = c.x.id - 139;
    c.say(c.A.name + "は一時的に" + kWhat[i] + "が上昇!!");
    c.A.status[kStatus[i]] = random(3) + 3;
    c.end();
}

// 無/光/炎/水/闇属性攻撃力UP (142 to 146): the actor's blows of one element are stronger
// for a while.
void element_power_up(Combo& c) {
    static constexpr const char* kSpirit[] = {"無", "光", "火", "水", "闇"};
    static constexpr Status kPower[] = {kPowerNone, kPowerLight, kPowerFire, kPowerWater,
                                        kPowerDark};
    const int i = c.x.id - 142;
    raise(c, std::string("の手に") + kSpirit[i] + "の精霊力が宿る",
          std::string("は一時的に") + kSpirit[i] + "属性攻撃が強くなった!!", kPower[i],
          random(4) + 5);
}

// 受容体形成: the actor absorbs one more blow.
void form_receptor(Combo& c) {
    c.say(c.A.name + "の体に得体の知れない受容体が形勢された");
    c.say(c.A.name + "は<吸収>状態になった!!");
    c.A.status[kAbsorb] += 1;
    c.end();
}

// 毒吸収体形勢: the actor absorbs poison for a while.
void form_poison_absorber(Combo& c) {
    raise(c, "の体に得体の知れない吸収体が形勢された", "は<毒吸>状態になった!!", kPoisonAbsorb,
          random(4) + 4);
}

// サウザンドナイフ: thorns on the actor for a while.
void thousand_knives(Combo& c) {
    raise(c, "の体が針山で包まれた", "は<棘>状態になった!!", kThorns, random(4) + 4);
}

// 反射体形勢: the actor throws back one more blow.
void form_reflector(Combo& c) {
    c.say(c.A.name + "の体に得体の知れない反射体が形勢された");
    c.say(c.A.name + "は<反射>状態になった!!");
    c.A.status[kReflect] += 1;
    c.end();
}

// 毒蛾牙: a plain blow.
void moth_fang(Combo& c) {
    c.hit(random(2) + 5);
    c.end();
}

// ヒール: a heal that grows with the level.
void plain_heal(Combo& c) {
    c.heal(random(2) + by_level(c.actor_level(), 5, 7, {3, 4, 5, 6}));
    c.end();
}

// 鋼鉄セプツンビンタ: a blow of 10 (an enemy's grows with the target's HP).
void steel_slap(Combo& c) {
    if (c.step() == 3) return c.say("鋼鉄のひとふりが加わった!!");
    c.hit(c.enemy_actor() ? c.T.max_hp / 20 + 10 : 10);
    c.end();
}

// 粘液Ⅱ, 真言Ⅱ, 降りしきる雨Ⅱ, 閃光Ⅱ, ウイルスⅡ, 足枷Ⅱ, ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲⅡ (154 to 160): a
// weakening of the target lasts longer.
void lengthen_weakening(Combo& c) {
    static constexpr Status kStatus[] = {kPoison,      kParalysis,   kAttackDown,  kHitDown,
                                         kDefenceDown, kEvasionDown, kStrongPoison};
    c.say("弱体効果時間運UP");
    c.T.status[kStatus[c.x.id - 154]] += random(3) + (c.x.id == 154 ? 3 : 2);
    c.end();
}

// パワーⅡ, 山ぼうぎょⅡ (161, 162): one more charge of power or of the guard stance.
void one_more_charge(Combo& c) {
    c.say("強化効果時間運UP");
    c.A.status[c.x.id == 161 ? kPower : kGuardStance] += 1;
    c.end();
}

// ライトベールⅡ, ライトソードⅡ, ファイヤーウォールⅡ, ダークベールⅡ, ウォータベールⅡ,
// 魔紋の力Ⅱ (163 to 168): a support status of the actor lasts longer.
void lengthen_support(Combo& c) {
    struct Lengthen {
        Status status;
        int32_t range, least;
    };
    static constexpr Lengthen kLengthen[] = {{kRegeneration, 3, 3}, {kExtraDamage, 3, 3},
                                             {kFireWall, 2, 2},     {kMana, 3, 3},
                                             {kWater, 4, 3},        {kMagicSeal, 4, 3}};
    const Lengthen& l = kLengthen[c.x.id - 163];
    c.say("強化効果時間運UP");
    c.A.status[l.status] += random(l.range) + l.least;
    c.end();
}

// 虫ヒールⅡ: a heal of a tenth of the actor's maximum HP and more.
void insect_heal_2(Combo& c) {
    const int32_t L = c.actor_level();
    if (c.step() == 3) return c.say("更に虫が集まってきた!!");
    c.heal(c.A.max_hp / 10 + 1 + by_level(L, 0, 2, {3, 4, 5, 6}));
    c.end();
}

// 詠唱Ⅱ: restores a tenth of the actor's maximum MP and more.
void chant_2(Combo& c) {
    const int32_t L = c.actor_level();
    if (c.step() == 3) return c.say("更に呪文が濃くなる!!");
    const int32_t n = c.A.max_mp / 10 + 2 + by_level(L, 0, 1, {1, 1, 1, 1});
    ChangeMp(c.g, c.x.a, n);
    c.say("MP " + to_string(n) + "回復");
    c.end();
}

// MPヒール: restores a little MP.
void mp_heal(Combo& c) {
    const int32_t n = random(2) + by_level(c.actor_level(), 2, 3, {1, 1, 1, 1});
    ChangeMp(c.g, c.x.a, n);
    c.say("MP " + to_string(n) + "回復");
    c.end();
}

// TPヒール: restores TP.
void tp_heal(Combo& c) {
    const int32_t n = random(5) + by_level(c.actor_level(), 25, 28, {3, 3, 3, 3});
    c.A.tp += n;
    c.say("TP " + to_string(n) + "回復");
    c.end();
}

// The last step of インドラ and 与一の矢: the target's evasion is lowered.
void lower_target_evasion(Combo& c) {
    c.T.status[kEvasionDown] += random(2) + 3;
    c.say(c.T.name + "の回避率を一時的に下げた!!");
    c.end();
}

// インドラ: fire magic (Damage halves its hit chance and doubles the blow); the action
// ends with the blow.
void indra(Combo& c) {
    const int32_t te = c.T.element;
    if (c.step() == 3) return c.say("命中率半減 火属性攻撃");
    if (c.step() == 4) {
        int32_t base = random(2) + 8;
        if (te == 3) base /= 2;
        if (te == 4) base *= 2;
        if (c.T.active(kFireWall)) base /= 2;
        c.hit(magic_boosts(c.x, base));
        return c.end();
    }
    lower_target_evasion(c);
}

// 与一の矢: dark magic (Damage halves its hit chance and doubles the blow), then the
// target's evasion lowered.
void yoichi_arrow(Combo& c) {
    const int32_t te = c.T.element;
    if (c.step() == 3) return c.say("命中率半減 闇属性攻撃");
    if (c.step() == 4) {
        int32_t base = random(2) + 8;
        if (te == 2) base /= 2;
        if (te == 1) base *= 2;
        if (c.T.light_weakness > 0) base /= 2;
        c.hit(magic_boosts(c.x, base));
        return;
    }
    lower_target_evasion(c);
}

// 魔紋の力 (the combination): the actor's magic is boosted for a while.
void magic_seal(Combo& c) {
    if (c.step() == 3) return c.say(c.A.name + "の手に魔力が漲って来る....!!");
    c.say("<魔紋>状態になった!!");
    c.A.status[kMagicSeal] = random(2) + 3;
    c.end();
}

// ショック: lowers the target's defence for a while.
void shock(Combo& c) {
    c.T.status[kDefenceDown] += random(2) + 3;
    c.say(c.T.name + "の防御力が一時的に低下した!!");
    c.end();
}

// フラッシュ: light magic, then 15 of the target's TP.
void flash(Combo& c) {
    if (c.step() == 3) return c.hit(fantasia_base(c));
    c.T.tp -= 15;
    c.say("TPを 15削った!!");
    c.end();
}

// 光の衣: the actor dodges the next magic blow.
void robe_of_light(Combo& c) {
    if (c.step() == 3) return c.say("体に光の衣が纏う!!");
    c.A.status[kMagicDodge] = 1;
    c.say(c.A.name + "は<魔回避>状態になった");
    c.end();
}

// 闇に瞬く光: strong light magic.
void light_in_darkness(Combo& c) {
    const int32_t te = c.T.element;
    const int32_t r = random(2);
    int32_t base = te == 1 ? 2 * r + 30 : r + 15;
    if (te == 2) base *= 2;
    if (c.T.active(kRegeneration)) base /= 2;
    if (c.x.target_wears_armour("ライトローブ")) base /= 2;
    c.hit(magic_boosts(c.x, base));
    c.end();
}

// シルヴィア剣, アスラの矢, 繁る緑: one of the actor's numbers rises, then a blow (an enemy's
// grows by the target's maximum HP over enemy_divisor).
void raise_then_strike(Combo& c, Status up, const char* line, int32_t enemy_divisor) {
    if (c.step() == 3) {
        c.A.status[up] += 2;
        return c.say(line);
    }
    c.hit(random(3) + 10 + (c.enemy_actor() ? c.T.max_hp / enemy_divisor : 0));
    c.end();
}

// シルヴィア剣
void sylvia_sword(Combo& c) {
    raise_then_strike(c, kAttackUp, "攻撃力UP", 20);
}

// アスラの矢
void asura_arrow(Combo& c) {
    raise_then_strike(c, kHitUp, "命中率UP", 10);
}

// 繁る緑
void thriving_green(Combo& c) {
    raise_then_strike(c, kDefenceUp, "防御力UP", 10);
}

// トゥアハ・デ・ダナン: a blow, then a tenth of the actor's maximum MP restored.
void tuatha_de_danann(Combo& c) {
    if (c.step() == 3) return c.hit(random(3) + 10 + (c.enemy_actor() ? c.T.max_hp / 10 : 0));
    const int32_t n = random(2) + c.A.max_mp / 10;
    c.A.mp += n;
    c.say("MPが " + to_string(n) + "回復");
    c.end();
}

// 良き占い: a heal of a twentieth of the actor's maximum HP and more.
void good_fortune(Combo& c) {
    const int32_t L = c.actor_level();
    c.heal(random(5) + c.A.max_hp / 20 + 1 + by_level(L, 0, 2, {3, 4, 5, 6}), "HPが ");
    c.end();
}

// ブラッドブレット: takes HP from the target for the actor, by the adventurer's level.
void blood_bullet(Combo& c) {
    Game& g = c.g;
    const int32_t te = c.T.element;
    const int32_t P = c.player_level();
    int32_t n = by_level(P, 5, 7, {3, 4, 5, 6});
    if (te == 1) n /= 2;
    if (te == 2) n = 0;
    if (c.T.active(kMana)) n /= 2;
    if (P >= 20) n += 3;
    if (P >= 40) n += 3;
    if (c.enemy_actor()) n += c.T.max_hp / 20;
    TakeDamage(g, c.x.t, n);
    Heal(g, c.x.a, n);
    c.say(c.T.name + "からHPを " + to_string(n) + "吸収!!");
    c.end();
}

// ファイアーパンチ: a fire blow.
void fire_punch(Combo& c) {
    const int32_t te = c.T.element;
    int32_t base = random(3) + 10 + (c.enemy_actor() ? c.T.max_hp / 10 : 0);
    if (c.T.active(kFireWall)) base /= 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    c.hit(base);
    c.end();
}

// 諸行無常: a sure hit of 30 (15 to a target without an element).
void impermanence(Combo& c) {
    c.sure(c.T.element == 0 ? 15 : 30);
    c.end();
}

// 大地震 (the combination): two or three blows; an enemy's grow with the target's HP.
void great_quake(Combo& c) {
    const int32_t hits = random(2) + 2;
    for (int i = 0; i < hits; ++i) {
        c.hit(c.enemy_actor() ? c.T.max_hp / 20 + random(2) + 3 : random(2) + 3);
    }
    c.end();
}

// 電撃パワー: one more charge of power.
void electric_power(Combo& c) {
    c.say("拳に電撃が宿り、次の一撃が倍化する!!");
    c.A.status[kPower] += 1;
    c.end();
}

// 漆黒防御: one more charge of the guard stance.
void jet_black_guard(Combo& c) {
    c.say("漆黒の鎧に纏われ、次のダメージを半減させる!!");
    c.A.status[kGuardStance] += 1;
    c.end();
}

// マジカルフォーメーション: a blow, then MP restored to the adventurer (whoever acts).
void magical_formation(Combo& c) {
    const int32_t P = c.player_level();
    if (c.step() == 3) return c.hit(random(3) + 10);
    const int32_t n = random(2) + by_level(P, 2, 3, {1, 1, 1, 1});
    c.g.combatants[0].mp += n;
    c.say("MPが " + to_string(n) + "回復");
    c.end();
}

// スターソード: the actor's blows deal extra damage for a while.
void star_sword(Combo& c) {
    int32_t n = random(2) + 3;
    if (c.x.actor_earring("聖樹のイヤリング")) n += 1;
    c.A.status[kExtraDamage] = n;
    c.say("<追加>状態になった!!");
    c.end();
}

// 起死回生: a heal by the adventurer's level (and the technique's level).
void comeback(Combo& c) {
    int32_t n = random(5) + by_level(c.player_level(), 4, 6, {3, 4, 5, 6});
    if (c.x.player()) n += c.x.lv();
    c.heal(n);
    c.end();
}

// 抜刀術: lowers the target's attack, defence, evasion and hit chance.
void quick_draw(Combo& c) {
    for (Status d : {kAttackDown, kDefenceDown, kEvasionDown, kHitDown}) c.T.status[d] += 2;
    c.say(c.T.name + "はひるんだ!!");
    c.end();
}

// 化学反応: a deadly poison on the target.
void chemical_reaction(Combo& c) {
    c.T.status[kDeadlyPoison] += random(2) + 3;
    c.say(c.T.name + "の体に<劇毒>がまわった!!");
    c.end();
}

// マーシャルアーツ: a blow, then a heal.
void martial_arts(Combo& c) {
    const int32_t P = c.player_level();
    if (c.step() == 3) return c.hit(c.enemy_actor() ? c.T.max_hp / 15 + 7 : 7);
    c.heal(random(10) + by_level(P, 1, 4, {4, 5, 6, 7}));
    c.end();
}

// 鉄壁: the actor's defence rises greatly for a while.
void iron_wall(Combo& c) {
    c.A.status[kIronWall] = random(3) + 3;
    c.say(c.A.name + "は一時的に防御力がかなり上昇!!");
    c.end();
}

// パンデミック: the target loses TP for a while.
void pandemic(Combo& c) {
    c.T.status[kTpDown] += random(2) + 4;
    c.say(c.T.name + "は得体の知れない病原菌に感染した!!");
    c.end();
}

// ブラッドウェポン: the actor's blows take HP for a while.
void blood_weapon(Combo& c) {
    c.A.status[kBloodSword] = random(3) + 2;
    c.say(c.A.name + "の剣に、血の力が宿った!!");
    c.end();
}

// キンナラ: arrows shot at the sky, to fall on the target in the turns to come.
void kinnara(Combo& c) {
    c.say("何本かの矢を、空に向けて放った!!");
    c.T.status[kKinnaraArrows] += random(3) + 2;
    c.end();
}

// 美しく青き舞: a sure hit of half the actor's MP.
void beautiful_blue_dance(Combo& c) {
    if (c.step() == 3) return c.say("<MP÷2>分ダメージ!!");
    c.sure(c.A.mp / 2);
    c.end();
}

// ツイスター: a sure hit over a range of 8 that the adventurer's level raises; the range is
// told first.
void twister(Combo& c) {
    const int32_t f = by_level(c.player_level(), 7, 9, {3, 4, 5, 6});
    if (c.step() == 3) {
        return c.say(to_string(f) + "～" + to_string(f + 7) + "間でランダムダメージ!!");
    }
    c.sure(random(8) + f);
    c.end();
}

// トルクヒール: a heal over a range of 11; the line shows the whole range the roll can reach.
void torque_heal(Combo& c) {
    const int32_t f = by_level(c.player_level(), 5, 7, {3, 4, 5, 6});
    if (c.step() == 3) return c.say("ランダム回復 " + to_string(f) + "～" + to_string(f + 10));
    c.heal(random(11) + f);
    c.end();
}

// 岩石アタック: a blow, then the target paralysed.
void rock_attack(Combo& c) {
    if (c.step() == 3) return c.hit(c.enemy_actor() ? c.T.max_hp / 15 + 5 : 5);
    c.T.status[kParalysis] = random(2) + 1;
    c.say(c.T.name + "を <麻痺>させた!!");
    c.end();
}

// 尊き占い: one to three small heals.
void noble_fortune(Combo& c) {
    const int32_t P = c.player_level();
    const int32_t times = random(3) + 1;
    for (int i = 0; i < times; ++i) c.heal(random(3) + by_level(P, 2, 3, {2, 3, 4, 5}), "HPが ");
    c.end();
}

// 欲張り: restores TP.
void greed(Combo& c) {
    const int32_t n = random(5) + by_level(c.player_level(), 5, 7, {3, 4, 5, 6});
    c.A.tp += n;
    c.say("TPが " + to_string(n) + "回復");
    c.end();
}

// 暇潰し and 射精: the amount, from the actor's maximum HP and the adventurer's level.
int32_t idle_amount(Combo& c, int32_t P) {
    return random(c.A.max_hp / 10 + 1) + by_level(P, 0, 3, {4, 5, 6, 7});
}

// 暇潰し: a heal.
void killing_time(Combo& c) {
    const int32_t P = c.player_level();
    if (c.step() == 3) return c.say("「あー……暇だな……」");
    c.heal(idle_amount(c, P));
    c.end();
}

// 射精: TP restored.
void strain_for_tp(Combo& c) {
    const int32_t P = c.player_level();
    if (c.step() == 3) return c.say("「う……うう!!!!」");
    const int32_t n = idle_amount(c, P);
    c.A.tp += n;
    c.say("TP " + to_string(n) + "回復");
    c.end();
}

// 悪運: the actor's hit chance, evasion, attack and defence rise for a while.
void devils_luck(Combo& c) {
    const int32_t n = random(2) + 2;
    for (Status up : {kHitUp, kEvasionUp, kAttackUp, kDefenceUp}) c.A.status[up] += n;
    c.say(c.A.name + "に不思議な力が宿った....");
    c.end();
}

// 自分にやけど: burns the actor.
void burn_self(Combo& c) {
    c.A.status[kBurn] = random(2) + 2;
    c.say(c.A.name + "は<火傷>を負った!!");
    c.end();
}

// ファイヤーストーン: a small fire blow.
void fire_stone(Combo& c) {
    const int32_t te = c.T.element;
    int32_t base = random(3) + 5 + (c.enemy_actor() ? c.T.max_hp / 20 : 0);
    if (c.T.active(kFireWall)) base /= 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    c.hit(base);
    c.end();
}

// ＱＺＶ true Darkness: a mystery poison on the target.
void true_darkness(Combo& c) {
    if (c.step() == 3) return c.say(c.A.name + "の心の闇が敵を襲う....!!");
    c.T.status[kMysteryPoison] += random(3) + 2;
    c.say(c.T.name + "の体に<謎毒>がまわった!!");
    c.end();
}

// 豆鉄砲: one to three small sure hits.
void pea_shooter(Combo& c) {
    int32_t hits = random(3) + 1;
    if (c.x.actor_earring("星屑のイヤリング")) hits += 1;
    for (int i = 0; i < hits; ++i) c.sure(random(5) + 5);
    c.end();
}

// ぽろアタック: a sure hit of 10 to 14.
void poro_attack(Combo& c) {
    c.sure(random(5) + 10);
    c.end();
}

// 粛地: a blow, then the actor's evasion raised.
void hushed_ground(Combo& c) {
    if (c.step() == 3) return c.hit(random(5) + 10);
    c.A.status[kEvasionUp] += random(3) + 2;
    c.say(c.A.name + "は回避率が上がった!!");
    c.end();
}

// スーパーHIGH: restores TP.
void super_high(Combo& c) {
    const int32_t n = random(5) + by_level(c.player_level(), 12, 15, {4, 5, 6, 7});
    c.A.tp += n;
    c.say(c.A.name + "のTPが " + to_string(n) + "回復!!");
    c.end();
}

// エクセリオンレーザー: a sure hit of a twentieth of the target's maximum HP and 6.
void excelion_laser(Combo& c) {
    if (c.step() == 3) return c.say("エネルギーが収束する....!!");
    c.sure(c.T.max_hp / 20 + 6);
    c.end();
}

// 霧ミサイルう: a sure hit of half the adventurer's level.
void fog_missile(Combo& c) {
    const int32_t P = c.player_level();
    if (c.step() == 3) return c.say("どこからともなくミサイルが降って来る....!!");
    c.sure(P / 2);
    c.end();
}

// ＷＪＨロウリュ回復: a heal by the adventurer's level.
void loyly_heal(Combo& c) {
    c.heal(random(10) + by_level(c.player_level(), 10, 12, {3, 4, 5, 6}),
           (c.A.name + "のHPが ").c_str(), "回復!!");
    c.end();
}

// 狐の嫁入り: the actor regenerates and is under <水> for a while.
void fox_wedding(Combo& c) {
    const int32_t n = random(2) + 2;
    c.A.status[kRegeneration] += n;
    c.A.status[kWater] += n;
    c.say(c.A.name + "は<癒>状態になった!!");
    c.say(c.A.name + "は<水>状態になった!!");
    c.end();
}

// The blow of ありがとうの風 and 全てを解き放つ: magic, an enemy's grown by a tenth of the
// adventurer's maximum HP.
void magic_blow_on_adventurer_scale(Combo& c, int32_t base) {
    if (c.enemy_actor()) base += c.g.combatants[0].max_hp / 10;
    c.hit(magic_boosts(c.x, base));
    c.end();
}

// ありがとうの風: strong wind magic (an enemy that regains MP regains 20 first).
void thank_you_wind(Combo& c) {
    if (c.step() == 3) {
        return c.say(c.A.name + "はありがとうと口ずさみながら手を振った....!!");
    }
    if (c.enemy_actor() && c.A.mp_regen_kind > 0) c.A.mp += 20;
    magic_blow_on_adventurer_scale(c, random(2) + 70);
}

// 全てを解き放つ: magic of a fifth of the target's maximum HP.
void release_everything(Combo& c) {
    if (c.step() == 3) return c.say(c.A.name + "は全てを解き放った....!!");
    magic_blow_on_adventurer_scale(c, c.T.max_hp / 5);
}

using Combination = void (*)(Combo&);

using CombinationRow = IdRow<Combination>;

// Every combination and special move, by id.
constexpr CombinationRow kCombinationRows[] = {
    {100, fantasia},              // 幻想曲
    {101, earth_throw},           // 地球投げ
    {102, infinity},              // インフィニティ
    {103, inferno},               // インフェルノ
    {104, dragon_breath},         // ドラゴンブレス
    {105, vampire_star},          // ヴァンパイア・ヴラッディ・スター
    {106, shooting_flower},       // シューティング・フラワー
    {107, stardust},              // スターダスト
    {108, elegy_for_two},         // 二人の悲歌
    {109, dice_heal},             // ダイスヒール
    {110, wolf_eye},              // 弓矢狼の目
    {111, western_move},          // ウェスタンムーブ
    {112, magic_technical},       // マジックテクニカル
    {113, burn},                  // やけど
    {114, melt_into_darkness},    // 闇に溶ける
    {115, weiss_technical},       // ヴァイステクニカル
    {116, lightning_speed},       // 電光石火
    {117, mountain_blessing},     // 山の恵み
    {118, vomact_double_attack},  // ヴォマクトＷアタック
    {119, arrow_rain},            // アローレイン
    {120, cure_poison},           // 毒回復
    {121, cure_hit_down},         // 命中↓回復
    {122, dice_mp_heal},          // ダイスMPヒール
    {123, dice_tp_heal},          // ダイスTPヒール
    {124, drain_mp},              // MP吸血
    {125, drain_tp},              // TP吸血
    {126, moon_healing},          // 月の癒し
    {127, sky_healing},           // 空の癒し
    {128, thunder_god_blessing},  // 雷神の加護
    {129, demon_blessing},        // 魔性の加護
    {130, sky_dragon_flash},      // 天駆龍閃
    {131, rising_star_legend},    // 昇星伝説
    {132, volcano},               // ヴォルケーノ
    {133, candra},                // キャンドラ
    {134, elemental_barrier},     // 火耐性バリア
    {135, elemental_barrier},     // 水耐性バリア
    {136, elemental_barrier},     // 光耐性バリア
    {137, elemental_barrier},     // 闇耐性バリア
    {138, elemental_barrier},     // 無耐性バリア
    {139, raise_one_number},      // 防御力UP
    {140, raise_one_number},      // 回避率UP
    {141, raise_one_number},      // 命中率UP
    {142, element_power_up},      // 無属性攻撃力UP
    {143, element_power_up},      // 光属性攻撃力UP
    {144, element_power_up},      // 炎属性攻撃力UP
    {145, element_power_up},      // 水属性攻撃力UP
    {146, element_power_up},      // 闇属性攻撃力UP
    {147, form_receptor},         // 受容体形成
    {148, form_poison_absorber},  // 毒吸収体形勢
    {149, thousand_knives},       // サウザンドナイフ
    {150, form_reflector},        // 反射体形勢
    {151, moth_fang},             // 毒蛾牙
    {152, plain_heal},            // ヒール
    {153, steel_slap},            // 鋼鉄セプツンビンタ
    {154, lengthen_weakening},    // 粘液Ⅱ
    {155, lengthen_weakening},    // 真言Ⅱ
    {156, lengthen_weakening},    // 降りしきる雨Ⅱ
    {157, lengthen_weakening},    // 閃光Ⅱ
    {158, lengthen_weakening},    // ウイルスⅡ
    {159, lengthen_weakening},    // 足枷Ⅱ
    {160, lengthen_weakening},    // ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲⅡ
    {161, one_more_charge},       // パワーⅡ
    {162, one_more_charge},       // 山ぼうぎょⅡ
    {163, lengthen_support},      // ライトベールⅡ
    {164, lengthen_support},      // ライトソードⅡ
    {165, lengthen_support},      // ファイヤーウォールⅡ
    {166, lengthen_support},      // ダークベールⅡ
    {167, lengthen_support},      // ウォータベールⅡ
    {168, lengthen_support},      // 魔紋の力Ⅱ
    {169, insect_heal_2},         // 虫ヒールⅡ
    {170, chant_2},               // 詠唱Ⅱ
    {171, mp_heal},               // MPヒール
    {172, tp_heal},               // TPヒール
    {173, indra},                 // インドラ
    {174, yoichi_arrow},          // 与一の矢
    {175, magic_seal},            // 魔紋の力
    {176, shock},                 // ショック
    {177, flash},                 // フラッシュ
    {178, robe_of_light},         // 光の衣
    {179, light_in_darkness},     // 闇に瞬く光
    {180, sylvia_sword},          // シルヴィア剣
    {181, asura_arrow},           // アスラの矢
    {182, tuatha_de_danann},      // トゥアハ・デ・ダナン
    {183, thriving_green},        // 繁る緑
    {184, good_fortune},          // 良き占い
    {185, blood_bullet},          // ブラッドブレット
    {186, fire_punch},            // ファイアーパンチ
    {187, impermanence},          // 諸行無常
    {188, great_quake},           // 大地震
    {189, electric_power},        // 電撃パワー
    {190, jet_black_guard},       // 漆黒防御
    {191, magical_formation},     // マジカルフォーメーション
    {192, star_sword},            // スターソード
    {193, comeback},              // 起死回生
    {194, quick_draw},            // 抜刀術
    {195, chemical_reaction},     // 化学反応
    {196, martial_arts},          // マーシャルアーツ
    {197, iron_wall},             // 鉄壁
    {198, pandemic},              // パンデミック
    {199, blood_weapon},          // ブラッドウェポン
    {205, kinnara},               // キンナラ
    {206, beautiful_blue_dance},  // 美しく青き舞
    {207, twister},               // ツイスター
    {208, torque_heal},           // トルクヒール
    {209, rock_attack},           // 岩石アタック
    {210, noble_fortune},         // 尊き占い
    {211, greed},                 // 欲張り
    {212, killing_time},          // 暇潰し
    {213, strain_for_tp},         // 射精
    {214, devils_luck},           // 悪運
    {215, burn_self},             // 自分にやけど
    {216, fire_stone},            // ファイヤーストーン
    {217, true_darkness},         // ＱＺＶ true Darkness
    {218, pea_shooter},           // 豆鉄砲
    {219, poro_attack},           // ぽろアタック
    {220, hushed_ground},         // 粛地
    {221, super_high},            // スーパーHIGH
    {222, excelion_laser},        // エクセリオンレーザー
    {223, fog_missile},           // 霧ミサイルう
    {224, loyly_heal},            // ＷＪＨロウリュ回復
    {228, fox_wedding},           // 狐の嫁入り
    {232, thank_you_wind},        // ありがとうの風
    {233, release_everything},    // 全てを解き放つ
};

constexpr auto kCombinations = TableById<234>(kCombinationRows);

Combination combination_of(int32_t id) {
    if (id < 0 || id >= static_cast<int32_t>(kCombinations.size())) return nullptr;
    return kCombinations[id];
}

}  // namespace

void RunCombinationStep(Act& x) {
    Combo c{x, x.g, x.actor(), x.target()};
    if (const Combination combination = combination_of(x.id)) return combination(c);
    // No combination of that id: the action only ends.
    c.end();
}

}  // namespace quill
