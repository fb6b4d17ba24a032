#include "battle/techniques.h"

#include "battle/action_kit.h"

#include <algorithm>
#include <array>
#include <string>

#include "audio/sound.h"
#include "battle/damage.h"
#include "battle/perform.h"
#include "battle/pools.h"
#include "battle/turn_steps.h"
#include "items/achievements.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

// A support status on the actor: the line, then the counter set.
void self_status(Act& x, Status s, const std::string& line, int32_t start = -1) {
    int32_t n = start >= 0 ? start : random(2) + 3;
    if (x.actor_earring("聖樹のイヤリング")) n += 1;
    if (x.player()) n += x.lv() / 2;
    x.log(line);
    x.actor().status[s] = n;
    x.end();
}

// The weakening techniques' length: random(2) + 3 (the adventurer's half level on top).
int32_t weakening(Act& x) {
    return x.player() ? x.lv() / 2 + random(2) + 3 : random(2) + 3;
}

// ビンタ and 占星術: how many hits.
int32_t hits_of_many(Act& x) {
    int32_t h = random(2) + 1;
    if (x.actor_earring("星屑のイヤリング")) h += 1;
    h += x.player() ? random(x.lv() / 2 + 1) : random(4);
    return h;
}

// 山落とし and 真・山落とし: the mountain lifted, falling, then a blow of the target's
// maximum HP over divisor (halved by a strong element guard; nothing to 雲丸ドン).
void mountain_drop(Act& x, const char* lift, const char* fall, int32_t divisor) {
    if (x.step == 3) return x.log(x.actor().name + lift);
    if (x.step == 4) return x.log(fall);
    int32_t base = random(5) + x.target().max_hp / divisor + 7;
    if (x.target().element_guard > 1) base /= 2;
    if (x.player()) base += 2 * x.lv() - 2;
    if (x.target().name == "返ってきた空神・雲丸ドン") {
        x.log(x.target().name + "「そんなものはきかん！」");
        base = 0;
    }
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 時代の風 and SAYONARAの風: wind magic of add and a draw (an enemy that regains MP
// regains mp first).
void wind(Act& x, const char* line, int32_t add, int32_t mp) {
    if (x.step == 3) return x.log(x.actor().name + line);
    if (!x.player() && x.actor().mp_regen_kind > 0) x.actor().mp += mp;
    const int32_t r = random(2);
    int32_t base = r + add;
    if (x.actor().active(kMagicSeal)) base += (base + r) / 2;
    if (x.target_wears_armour("マジカルローブ")) base /= 2;
    if (x.player()) base += x.lv() - 1;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 吸血 and 吸心: what an enemy adds as the adventurer grows stronger.
int32_t enemy_drain_bonus(Act& x, int32_t step) {
    if (x.player()) return 0;
    int32_t n = 0;
    if (x.g.combatants[0].level > 19) n += step;
    if (x.g.combatants[0].level > 39) n += step;
    if (x.actor().mp_regen_kind > 0) n += step;
    return n;
}

// Each technique's work at its steps (3, 4, 5), for either side. Every one ends the action
// at its last step; a step that returns without ending it leaves the next step to come.

// 踏みつぶす: a plain blow; the adventurer's has no strength of its own against the
// ボウケンロボット.
void stomp(Act& x) {
    int32_t base = x.by_side(5, x.lv() / 2 + 5);
    if (x.player() && x.target().name == "ボウケンロボット") base = 0;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 山ぼうぎょ: the stance that halves the next blows taken (more of them as it grows).
void mountain_guard(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "は山ぼうぎょの構え");
    int32_t n = 1;
    if (x.player()) {
        n = lv > 4 ? 2 : 1;
        if (lv > 9) n += 1;
        if (x.actor_earring("聖樹のイヤリング")) n += 1;
    }
    A.status[kGuardStance] += n;
    AddPopupInRow(x.g, x.a == 1 ? 1 : 0, 57, "");
    x.end();
}

// 虫ヒール: the insects heal the actor.
void insect_heal(Act& x) {
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(x.actor().name + "は虫を呼び寄せた!!");
    const int32_t n = x.player() ? lv + random(2) + 2 : random(2) + 4;
    Heal(x.g, x.a, n);
    x.log("HP " + to_string(n) + "回復");
    x.end();
}

// 山落とし: a mountain lifted, then dropped for a tenth of the target's maximum HP.
void drop_mountain(Act& x) {
    mountain_drop(x, "は山を持ち上げた!!", "ひゅーん!! 山が落ちてくる!!", 10);
}

// アフィニティ: a blow of a random strength.
void affinity(Act& x) {
    const int32_t lv = x.lv();
    Damage(x.g, x.a, x.t, x.player() ? lv + random(15) + 1 : random(15) + 1);
    x.end();
}

// ｲﾚｲｻｰｽｸﾘｰﾑ: a sure hit of half the actor's HP, which the actor then pays.
void eraser_scream(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log("どこからともなく叫び声が聞こえてくる!!");
    if (x.step == 4) {
        SureDamage(x.g, x.a, x.t, x.by_side(A.hp / 2, 3 * lv - 3 + A.hp / 2));
        return;
    }
    TakeDamage(x.g, x.a, A.hp / 2);
    x.log(A.name + "のHP 半減");
    x.end();
}

// 粘液: poisons the target.
void slime(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "は粘液を投げつけた!!");
    x.log("体に毒がまわった!!");
    int32_t n = x.player() ? lv + random(2) + 2 : random(2) + 3;
    if (te == 4) n /= 2;
    if (T.active(kWater)) n /= 2;
    T.status[kPoison] = n;
    x.end();
}

// パワー: the actor's next blows strike double.
void gather_power(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    x.log(A.name + "は力をためた!!");
    int32_t n = 1;
    if (x.player() && lv > 4) n += 1;
    if (x.player() && lv > 9) n += 1;
    if (x.actor_earring("聖樹のイヤリング")) n += 1;
    A.status[kPower] += n;
    x.end();
}

// でこぴん: a sure hit of a tenth of the target's maximum HP.
void flick(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "はでこぴんの構え");
    SureDamage(x.g, x.a, x.t, x.target().max_hp / 10);
    x.end();
}

// ほのお: fire magic.
void fire(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    int32_t base = magic_boosts(x, x.player() ? lv + random(2) + 5 : random(2) + 6);
    if (T.active(kFireWall)) base /= 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 詠唱: the chant restores the actor's MP.
void chant(Act& x) {
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(x.actor().name + "は何やら呪文を唱えている....");
    const int32_t n = x.player() ? lv / 2 + random(2) + 2 : random(2) + 2;
    ChangeMp(x.g, x.a, n);
    x.log("MP " + to_string(n) + "回復");
    x.end();
}

// 龍言語魔法: a sure hit of the HP the actor has lost.
void dragon_tongue(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "は龍の言葉を喋り出した....");
    SureDamage(x.g, x.a, x.t,
               magic_boosts(x, x.by_side(A.max_hp - A.hp, 3 * lv - 3 + A.max_hp - A.hp)));
    x.end();
}

// 体当たり: a blow that may leave a target of an element fainted.
void body_slam(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        Damage(x.g, x.a, x.t, x.player() ? lv + random(2) + 4 : random(2) + 5);
        if (te != 0 && random(3) == 0) return;  // goes on to the faint
        return x.end();
    }
    T.status[kFaint] = 1;
    x.log(T.name + "は気絶してしまった!!");
    x.end();
}

// 弓矢狼: a fixed blow (Damage halves its hit chance and doubles the blow).
void wolf_arrow(Act& x) {
    Damage(x.g, x.a, x.t, x.by_side(10, x.lv() + 10));
    x.end();
}

// 月光: light magic, then a point of the target's MP.
void moonlight(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        int32_t base = x.player() ? lv + random(2) + 3 : random(2) + 4;
        if (te == 1) base /= 2;
        if (te == 2) base *= 2;
        if (T.active(kRegeneration)) base /= 2;
        if (x.target_wears_armour("ライトローブ")) base /= 2;
        Damage(x.g, x.a, x.t, magic_boosts(x, base));  // the boosts last
        return;
    }
    ChangeMp(x.g, x.t, -1);
    x.log("MPを 1削った!!");
    x.end();
}

// 吸血: takes HP from the target for the actor.
void drain_blood(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    int32_t n = x.by_side(2, lv);
    if (te == 1) n /= 2;
    if (te == 2) n = 0;
    if (T.active(kMana)) n /= 2;
    n += enemy_drain_bonus(x, 4);
    TakeDamage(x.g, x.t, n);
    Heal(x.g, x.a, n);
    x.log(T.name + "からHPを " + to_string(n) + "吸収!!");
    x.end();
}

// 暗黒剣: a dark blow that costs the actor a tenth of its maximum HP.
void dark_sword(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        int32_t base = x.by_side(A.max_hp / 10 + 5, lv - 1 + A.max_hp / 10 + 5);
        if (te == 1) base *= 2;
        if (te == 2) base /= 2;
        if (T.active(kMana)) base /= 2;
        Damage(x.g, x.a, x.t, base);
        return;
    }
    const int32_t n = A.max_hp / 10;
    TakeDamage(x.g, x.a, n);
    x.log(A.name + "は " + to_string(n) + "の暗黒ダメージを食らった");
    x.end();
}

// 二刀: two blows, one at each step.
void two_blades(Act& x) {
    const int32_t lv = x.lv();
    Damage(x.g, x.a, x.t, x.player() ? lv + random(2) + 1 : random(2) + 3);
    if (x.step == 3) return;
    x.end();
}

// 手裏剣: the weapon thrown for twice its attack, and then lost (or the attack lowered).
void shuriken(Act& x) {
    Game& g = x.g;
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) {
        int32_t base = 2 * g.items[std::clamp(A.weapon, 0, kItemTableSize - 1)].attack + 5;
        base += x.player() ? 2 * lv - 2 : 6;
        Damage(g, x.a, x.t, base);
        return;
    }
    // Only a weapon actually worn is lost, and only the adventurer's own counts change.
    if (A.weapon != 0 && !ItemName(g, A.weapon).empty()) {
        const std::string item = ItemName(g, A.weapon);
        if (x.player() && g.state.item_count[A.weapon] > 0) {
            g.state.item_count[A.weapon] -= 1;
        }
        A.weapon = 0;
        x.log(A.name + "は装備していた武器【" + item + "】を失った....");
    } else {
        A.status[kAttackDown] = 2;
        x.log(A.name + "は攻撃力が低下した....");
    }
    x.end();
}

// Ｍ法: takes half the target's HP (at most 99); nothing from a light target.
void halving_spell(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    int32_t n = T.hp / 2;
    if (n > 98) n = 99;
    if (te == 1) n = 0;
    TakeDamage(x.g, x.t, n);
    x.log(T.name + "は HPに " + to_string(n) + "ダメージ受けた!!");
    x.end();
}

// 真言: paralyses the target.
void mantra(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    T.status[kParalysis] = x.player() ? lv / 2 + random(2) + 3 : random(2) + 3;
    x.log(T.name + "は <麻痺>してしまった!!");
    x.end();
}

// トロッコ銃: a small blow (Damage raises its hit chance).
void trolley_gun(Act& x) {
    Damage(x.g, x.a, x.t, random(2) + 5);
    x.end();
}

// 逃げる: the performer rolls the escape itself; here the action only ends.
void flee(Act& x) {
    x.end();
}

// 降りしきる雨: lowers the target's attack for a while.
void pouring_rain(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "が祈祷を行うと、突然雨が降り出した!!");
    x.log("攻撃力が一時的に低下した!!");
    int32_t n = weakening(x);
    if (te == 3) n += 1;
    if (te == 4) n /= 2;
    if (T.active(kWater)) n /= 2;
    T.status[kAttackDown] = n;
    x.end();
}

// 閃光: lowers the target's hit chance for a while.
void blinding_flash(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "の体が光り出した!!");
    x.log("眩しくてよく見えない!!");
    int32_t n = weakening(x);
    if (T.light_weakness > 0) n += 1;
    if (te == 2) n += 1;
    if (te == 1) n /= 2;
    if (T.active(kRegeneration)) n /= 2;
    if (x.target_wears_armour("ライトローブ")) n /= 2;
    T.status[kHitDown] = n;
    x.end();
}

// ライトベール: the actor regenerates for a while.
void light_veil(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の体が光を纏った");
    self_status(x, kRegeneration, "<癒>状態になった!!");
}

// いかづち: a blow that may paralyse the target.
void thunderbolt(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        int32_t base = x.player() ? lv + random(2) + 4 : random(2) + 4;
        if (x.player() && te == 0) base /= 2;
        if (te == 4) base *= 2;
        Damage(x.g, x.a, x.t, base);
        if (random(4) == 0) return;  // goes on to the paralysis
        return x.end();
    }
    T.status[kParalysis] = random(2) + 3;
    x.log(T.name + "は麻痺してしまった!!");
    x.end();
}

// 魔のとりこ: a sure hit of twice the target's MP (once under <魔>).
void mana_captive(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(T.name + "の体から赤い煙が染み出てきた....!!");
    SureDamage(x.g, x.a, x.t, T.active(kMana) ? T.mp : 2 * T.mp);
    if (x.player()) A.mp += lv - 1;
    x.end();
}

// マジカル: an enemy grows by thirty times the target's MP; the adventurer heals by it.
void magical_absorption(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    if (x.step == 3) return x.log(A.name + "は" + T.name + "の体から魔力を吸収する....!!");
    if (!x.player()) {
        const int32_t E = 30 * T.mp;
        A.max_hp += E;
        A.max_mp += E;
        if (A.element_guard > 0) {
            T.mp = 0;
            T.tp = 0;
        }
        A.hp += E;
        A.mp += E;
        x.log(A.name + "の最大HP,最大MP,HP,MPが " + to_string(E) + "上昇した!!");
    } else {
        const int32_t n = T.mp;
        Heal(x.g, x.a, n);
        x.log(A.name + "のHPが " + to_string(n) + "回復した!!");
    }
    x.end();
}

// ウイルス: lowers the target's defence for a while.
void virus(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "は得体の知れないウィルスを放った!!");
    x.log(T.name + "の防御力が一時的に低下した!!");
    int32_t n = weakening(x);
    if (te == 2) n /= 2;
    if (T.active(kMana)) n /= 2;
    T.status[kDefenceDown] = n;
    x.end();
}

// 足枷: lowers the target's evasion for a while.
void shackles(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "は" + T.name + "の足に鉄の枷を掛けた!!");
    x.log("思うように動けない!!");
    int32_t n = weakening(x);
    if (x.player() && te == 0) n /= 2;
    T.status[kEvasionDown] = n;
    x.end();
}

// ライトソード: the actor's blows deal extra damage for a while.
void light_sword(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の手に光が宿った!!");
    self_status(x, kExtraDamage, "<追加>状態になった!!");
}

// 哀古解放: a sure hit from the actor's TP, which is spent.
void grief_release(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    const int32_t te = x.target().element;
    if (x.step == 3) return x.log(A.name + "の哀古が解放する!!");
    int32_t n = A.tp / 10 + 1;
    if (x.player() && te == 0) n = 0;
    if (te == 1) n /= 2;
    if (te == 2) n *= 2;
    n = x.player() ? lv * n / 2 : 3 * n;
    SureDamage(x.g, x.a, x.t, n);
    A.tp = x.player() ? 0 : 50;
    x.end();
}

// ビンタ: a few small blows.
void slaps(Act& x) {
    const int32_t h = hits_of_many(x);
    for (int i = 0; i < h; ++i) Damage(x.g, x.a, x.t, random(2) + 3);
    x.end();
}

// 魔法剣: a light blow from the actor's MP.
void magic_sword(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    const int32_t power = x.player() ? A.mp / 5 * lv : A.mp / 5;
    int32_t base = te == 2 ? 2 * power + 8 : power + 4;
    if (te == 1) base /= 2;
    if (T.active(kRegeneration)) base /= 2;
    if (x.target_wears_armour("ライトローブ")) base /= 2;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲ: a strong poison on the target.
void poison_butterfly(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) return x.log(x.actor().name + "はﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲを放った!!");
    x.log("体に猛毒がまわった!!");
    int32_t n = x.player() ? random(2) + lv / 2 + 2 : random(2) + 3;
    if (te == 4) n /= 2;
    if (T.active(kWater)) n /= 2;
    T.status[kStrongPoison] = n;
    x.end();
}

// ダークネス: a dark blow that may lower the target's hit chance.
void darkness(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        int32_t base = x.player() ? lv + random(2) + 4 : random(2) + 4;
        if (te == 2) base /= 2;
        if (te == 1) base *= 2;
        if (T.active(kMana)) base /= 2;
        Damage(x.g, x.a, x.t, base);
        if (random(4) == 0) return;  // goes on to the lowered hit chance
        return x.end();
    }
    int32_t n = random(2) + 3;
    if (te == 2) n /= 2;
    T.status[kHitDown] = n;
    x.log(T.name + "は命中率が低下してしまった!!");
    x.end();
}

// しゃくねつ: strong fire magic.
void scorching_heat(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    int32_t base = x.player() ? lv + random(2) + 10 : random(2) + 11;
    if (T.active(kFireWall)) base /= 2;
    if (te == 2) base += base / 2;
    if (te == 3) base /= 2;
    if (te == 4) base *= 2;
    Damage(x.g, x.a, x.t, magic_boosts(x, base));
    x.end();
}

// ファイヤーウォール: a wall of fire around the actor for a while.
void fire_wall(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "は炎の壁に包まれた!!");
    self_status(x, kFireWall, "<炎壁>状態になった!!");
}

// ヴォマクトアタック: a plain blow, halved against light's protection.
void vomact_attack(Act& x) {
    Combatant& T = x.target();
    int32_t base = x.by_side(5, x.lv() / 2 + 5);
    if (T.active(kRegeneration)) base /= 2;
    if (x.target_wears_armour("ライトローブ")) base /= 2;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 魔力解放: a sure hit of all the actor's MP, which is spent.
void release_magic(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "の魔力が解放する!!");
    int32_t n = A.mp + (x.player() ? lv : 0);
    A.mp = 0;
    if (!x.player() && A.mp_regen_kind > 0) A.mp += 15;
    SureDamage(x.g, x.a, x.t, magic_boosts(x, n));
    x.end();
}

// 劉言語魔法: a sure hit of all the actor's HP, which is spent.
void liu_tongue(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "の体から劉が放たれた!!");
    int32_t n = A.active(kMagicSeal) ? A.hp + A.hp / 2 : A.hp;
    if (x.target_wears_armour("マジカルローブ")) n /= 2;
    SureDamage(x.g, x.a, x.t, n);
    A.hp = x.player() ? lv : 1;
    x.end();
}

// ダークベール: the actor is under <魔> for a while.
void dark_veil(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の体が闇を纏った");
    self_status(x, kMana, "<魔>状態になった!!");
}

// ウォータベール: the actor is under <水> for a while.
void water_veil(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の体が水の羽衣を纏った");
    self_status(x, kWater, "<水>状態になった!!");
}

// 時代の風: wind magic.
void wind_of_the_age(Act& x) {
    wind(x, "は時代の風を巻き起こした!!", 22, 5);
}

// SAYONARAの風: stronger wind magic.
void farewell_wind(Act& x) {
    wind(x, "は笑いながら手を振った....!!", 54, 10);
}

// 魔紋の力: the actor's magic is boosted for a while.
void magic_seal(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の手に魔力が漲って来る....!!");
    self_status(x, kMagicSeal, "<魔紋>状態になった!!");
}

// ヴァイスクロイツ: a blow (none to a target of an element), then 30 of its TP.
void weiss_kreuz(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    if (x.step == 3) {
        Damage(x.g, x.a, x.t, te != 0 ? 0 : x.by_side(10, lv + 9));
        return;
    }
    T.tp -= 30;
    x.log("TPを 30削った!!");
    x.end();
}

// ウォータレーザー: a water blow (Damage lets it pass through defence).
void water_laser(Act& x) {
    const int32_t te = x.target().element;
    int32_t base = x.by_side(5, x.lv() / 2 + 5);
    if (te == 3) base *= 2;
    if (te == 4) base /= 2;
    Damage(x.g, x.a, x.t, base);
    x.end();
}

// 占星術: a few small light blows.
void astrology(Act& x) {
    Combatant& T = x.target();
    const int32_t te = T.element;
    const int32_t h = hits_of_many(x);
    for (int i = 0; i < h; ++i) {
        int32_t base = te == 1 ? random(2) + 2 : random(2) + 3;
        if (te == 2) base += 1;
        if (x.target_wears_armour("ライトローブ")) base /= 2;
        if (T.active(kRegeneration)) base -= 1;
        Damage(x.g, x.a, x.t, base);
    }
    x.end();
}

// ミサイル: a blow of the adventurer's level (an enemy's: the distance walked), then a heal.
void missile(Act& x) {
    Game& g = x.g;
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    const int32_t te = x.target().element;
    if (x.step == 3) {
        int32_t base = x.player() ? A.level : g.state.distance_m;
        if (te == 0) base /= 2;
        Damage(g, x.a, x.t, base);
        return;
    }
    const int32_t n = x.player() ? lv / 2 + random(2) + 1 : random(2) + 1;
    Heal(g, x.a, n);
    x.log(A.name + "はHPが " + to_string(n) + "回復");
    x.end();
}

// 離島一本流: a strong blow that may lower the target's defence.
void island_sword_style(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(x.actor().name + "は離島一本流の構え!!");
    if (x.step == 4) {
        Damage(x.g, x.a, x.t, x.player() ? 2 * lv + random(2) + 8 : random(2) + 10);
        if (random(3) == 0) return;  // goes on to the lowered defence
        return x.end();
    }
    T.status[kDefenceDown] += 2;
    x.log(T.name + "の防御力を下げた");
    x.end();
}

// ＭＲＬ: hands the action over to a random technique of the first 52, from its first step.
void random_signal(Act& x) {
    Game& g = x.g;
    if (x.step == 3) return x.log(x.actor().name + "の耳に直接、正体不明の信号が響く!!");
    g.action_technique = random(52);
    g.action_step = 1;
    g.button_held = 1;
    g.milestone_suppressed = 1;
}

// 何もせず: nothing happens.
void do_nothing(Act& x) {
    x.log(x.actor().name + "はただじっと……、そうただじっと。");
    x.end();
}

// 聖剣: a light blow, then a small heal.
void holy_sword(Act& x) {
    const int32_t lv = x.lv();
    if (x.step == 3) {
        Damage(x.g, x.a, x.t, x.by_side(1, lv / 2 + 1));
        return;
    }
    const int32_t n = x.player() ? lv / 2 + random(3) + 1 : random(3) + 1;
    Heal(x.g, x.a, n);
    x.log("HP " + to_string(n) + "回復");
    x.end();
}

// フォース: the actor's physical blows are stronger for a while.
void force(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "の手に不思議な力が宿った....!!");
    self_status(x, kFo, "<フォ>状態になった!!", random(2) + 2);
}

// 吸心: takes MP from the target for the actor.
void drain_mind(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    int32_t n = x.by_side(1, lv + 1);
    if (te == 1) n /= 2;
    if (te == 2) n = 0;
    if (T.active(kMana)) n /= 2;
    n += enemy_drain_bonus(x, 2);
    n = std::max(std::min(n, T.mp), 0);
    T.mp -= n;
    A.mp += n;
    x.log(T.name + "からMPを " + to_string(n) + "吸収!!");
    x.end();
}

// 投げる: a blow of the actor's defence.
void hurl(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    Damage(x.g, x.a, x.t, x.player() ? lv - 2 + random(2) + A.defence : random(2) + A.defence);
    x.end();
}

// スネイク: a blow stronger with every dose of snake poison, then one more dose (at six it
// wears off).
void snake(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    if (x.step == 3) {
        int32_t base = x.player() ? lv + random(2) : random(2) + 1;
        for (int level = 0; level <= 4; ++level) {
            if (T.status[kSnakePoison] > level) base += base / 10 + 1;
        }
        Damage(x.g, x.a, x.t, base);
        return;
    }
    T.status[kSnakePoison] += 1;
    if (T.status[kSnakePoison] < 6) {
        x.log(T.name + "は蛇の毒が回った!!");
        T.status[kSnakePoison] += 1;
    } else {
        x.log(T.name + "の体から蛇の毒が抜けた");
        T.status[kSnakePoison] = 0;
    }
    x.end();
}

// ステファニア: the actor is under the promise of revival for a while.
void promise_of_revival(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "は天使と復活の約束を交わした....!!");
    x.log("約束>状態になった!!");
    int32_t n = random(2) + 5;
    if (x.actor_earring("聖樹のイヤリング")) n += 1;
    if (x.player()) n += lv;
    A.status[kPromise] = n;
    x.end();
}

// 鎌居達: a blow of the actor's evasion.
void kamaitachi(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    Damage(x.g, x.a, x.t, x.player() ? lv - 2 + random(2) + A.evasion : random(2) + A.evasion);
    x.end();
}

// トランス: restores the actor's TP.
void trance(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "は精神を昂揚させた!!");
    const int32_t n = random(3) + 15 + (x.player() ? lv : 0);
    A.tp += n;
    x.log("TP " + to_string(n) + "回復");
    x.end();
}

// ナイトインナイツ: one small blow more than the actor's element number.
void knight_in_knights(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    int32_t h = A.element + 1;
    if (x.actor_earring("星屑のイヤリング")) h += 1;
    for (int i = 0; i < h; ++i) {
        Damage(x.g, x.a, x.t, x.player() ? lv + random(2) + 2 : random(2) + 2);
    }
    x.end();
}

// 魔セル: the actor absorbs the next magic blow.
void magic_cell(Act& x) {
    self_status(x, kMagicAbsorb, x.actor().name + "は<魔吸>状態になった!!");
}

// セブンガード: the actor's guard chance rises for a while.
void seven_guard(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "はガードを固めた!!");
    int32_t n = random(3) + 3;
    if (x.actor_earring("聖樹のイヤリング")) n += 1;
    if (x.player()) n += lv / 2;
    A.status[kGuardUp] += n;
    AddPopupInRow(x.g, x.a == 1 ? 1 : 0, 57, "");
    x.end();
}

// プチバキューム: takes TP from the target for the actor.
void petit_vacuum(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    int32_t n = x.by_side(10, x.lv() / 2 + 10);
    n = std::max(std::min(n, T.tp), 0);
    T.tp -= n;
    A.tp += n;
    x.log(T.name + "からTPを " + to_string(n) + "吸収!!");
    x.end();
}

// えっちな妄想: two lines and nothing else.
void daydream(Act& x) {
    Combatant& A = x.actor();
    if (x.step == 3) return x.log(A.name + "は妄想した....");
    x.log(A.name + "「はぁはぁ....」");
    x.end();
}

// ＦＭＡＫ-47: may jam; else a blow that may lower the target's evasion.
void assault_rifle(Act& x) {
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    if (x.step == 3) {
        if (random(4) == 0) {
            x.log("弾詰まりを起こして、不発だった....!!");
            return x.end();
        }
        Damage(x.g, x.a, x.t, x.player() ? lv + random(2) + 4 : random(2) + 4);
        if (random(4) == 0) return;  // goes on to the lowered evasion
        return x.end();
    }
    T.status[kEvasionDown] = random(2) + 3;
    x.log(T.name + "は回避率が減少した!!");
    x.end();
}

// 熱波: the actor takes a tenth of its maximum HP (at most 30), then gains TP.
void heat_wave(Act& x) {
    Combatant& A = x.actor();
    const int32_t lv = x.lv();
    if (x.step == 3) {
        x.log(A.name + "はどこからともなく吹いてきた熱波を浴びた....!!");
        const int32_t n = std::min(A.max_hp / 10 + 1, 30);
        TakeDamage(x.g, x.a, n);
        x.log(A.name + "は" + to_string(n) + "ダメージを受けた");
        return;
    }
    const int32_t n = x.by_side(20, lv + 20);
    A.tp += n;
    x.log(A.name + "のTPが " + to_string(n) + "回復");
    x.end();
}

// 石を投げる: mostly misses; else a blow.
void throw_stone(Act& x) {
    const int32_t lv = x.lv();
    if (random(4) < 3) {
        x.log("外れた....");
    } else {
        Damage(x.g, x.a, x.t, x.player() ? 2 * lv + random(2) + 4 : random(2) + 4);
    }
    x.end();
}

// 口笛を吹く: two lines and nothing else.
void whistle(Act& x) {
    Combatant& A = x.actor();
    if (x.step == 3) return x.log(A.name + "は口笛を吹いた....");
    x.log(A.name + "「ピーピー♪」");
    x.end();
}

// ボケッとする: one line and nothing else.
void space_out(Act& x) {
    x.log(x.actor().name + "はボケッとした....");
    x.end();
}

// バキューム: takes all the target's TP as HP for the actor.
void vacuum(Act& x) {
    Combatant& T = x.target();
    const int32_t n = T.tp;
    Heal(x.g, x.a, n);
    T.tp = 0;
    x.log(T.name + "からTP " + to_string(n) + "をHPとして吸収!!");
    x.end();
}

// 奥ヒール: a larger heal.
void deep_insect_heal(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "は新種の虫を呼び寄せた!!");
    const int32_t n = random(6) + 25;
    Heal(x.g, x.a, n);
    x.log("HP " + to_string(n) + "回復");
    x.end();
}

// 大地震: two or three blows; an enemy's grow with the target's maximum HP.
void great_quake(Act& x) {
    Combatant& T = x.target();
    const int32_t h = random(2) + 2;
    for (int i = 0; i < h; ++i) {
        Damage(x.g, x.a, x.t, x.player() ? random(2) + 3 : T.max_hp / 18 + random(2) + 3);
    }
    x.end();
}

// ビッグバンインフレーション: a blow of 80, after which the actor faints, paralysed and weakened.
void big_bang_inflation(Act& x) {
    Combatant& A = x.actor();
    if (x.step == 3) return x.log("羅門彗星の力が、魔獣の体に宿る!!!!");
    if (x.step == 4) {
        Damage(x.g, x.a, x.t, 80);
        return;
    }
    A.status[kFaint] = 1;
    A.status[kParalysis] += 3;
    A.status[kAttackDown] += 3;
    x.log(A.name + "はあまりの力を使ったことで、失神した");
    x.end();
}

// 恐ろしい悪臭: a mystery poison on the target for about a hundred turns.
void dreadful_stench(Act& x) {
    Combatant& T = x.target();
    if (x.step == 3) return x.log(x.actor().name + "の体から物凄い臭いが漂う....!!");
    x.log(T.name + "の体に<謎毒>がまわった!!");
    T.status[kMysteryPoison] += random(2) + 99;
    x.end();
}

// MAYDAY砲: takes a tenth of the target's maximum HP for the actor.
void mayday_cannon(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "から只ならぬ妖気が漂う....");
    const int32_t n = x.target().max_hp / 10;
    TakeDamage(x.g, x.t, n);
    Heal(x.g, x.a, n);
    x.log("HPが " + to_string(n) + "吸い取られた!!");
    x.end();
}

// 奥ヒール・改: a great heal, without a line of its number.
void improved_deep_heal(Act& x) {
    if (x.step == 3) return x.log(x.actor().name + "は改良種の虫を呼び寄せた!!");
    Heal(x.g, x.a, random(50) + 250);
    x.end();
}

// 真・山落とし: a larger mountain, dropped for a fifth of the target's maximum HP.
void true_mountain_drop(Act& x) {
    mountain_drop(x, "はオリンポス山を持ち上げた!!", "ひゅーん!! オリンポス山が落ちてくる!!", 5);
}

// ディグニティ: a sure hit of a fifth of the target's maximum HP, and a tenth of its MP and TP.
void dignity(Act& x) {
    Combatant& T = x.target();
    if (x.step == 3) return x.log("じ、次元が歪む....!!!!");
    SureDamage(x.g, x.a, x.t, T.max_hp / 5);
    T.mp -= T.max_mp / 10 + 1;
    T.tp -= T.max_tp / 10 + 1;
    x.log("MPとTPが削り取られた");
    x.end();
}

// 雲丸・山落とし: the greatest mountain dropped, then TP taken from the target.
void cloud_mountain_drop(Act& x) {
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    if (x.step == 3) return x.log(A.name + "は聖山ユグドライル山を持ち上げた!!");
    if (x.step == 4) return x.log("どひゅーううううん!! 聖山ユグドライル山が落ちてくる!!");
    int32_t base = random(5) + T.max_hp / 4 + 7;
    if (x.player()) base += 2 * lv - 2;
    Damage(x.g, x.a, x.t, base);
    const int32_t n = random(10) + 15;
    T.tp -= n;
    A.tp += n;
    x.log(T.name + "からTPを " + to_string(n) + "吸収した!!");
    x.end();
}

// 大泥棒・ミルネ: takes a fifth of the target's HP and half its MP and TP, all as HP.
void master_thief(Act& x) {
    Combatant& T = x.target();
    if (x.step == 3) return x.log("体から全てが抜き取られていくような感覚!!");
    const int32_t hp = T.hp / 5, mp = T.mp / 2, tp = T.tp / 2;
    TakeDamage(x.g, x.t, hp);
    T.mp -= mp;
    T.tp -= tp;
    const int32_t s = hp + mp + tp;
    Heal(x.g, x.a, s);
    x.log("HPとMPとTPの合計 " + to_string(s) + "が、相手のHPとして奪われた....!!");
    x.end();
}

using Technique = void (*)(Act&);

using TechniqueRow = IdRow<Technique>;

// Every technique with a step of its own here, by id. The combinations and special moves
// (ids from 100 without a row) are in combination_effects.cpp.
constexpr TechniqueRow kTechniqueRows[] = {
    {0, stomp},                  // 踏みつぶす
    {1, mountain_guard},         // 山ぼうぎょ
    {2, insect_heal},            // 虫ヒール
    {3, drop_mountain},          // 山落とし
    {4, affinity},               // アフィニティ
    {5, eraser_scream},          // ｲﾚｲｻｰｽｸﾘｰﾑ
    {6, slime},                  // 粘液
    {7, gather_power},           // パワー
    {8, flick},                  // でこぴん
    {9, fire},                   // ほのお
    {10, chant},                 // 詠唱
    {11, dragon_tongue},         // 龍言語魔法
    {12, body_slam},             // 体当たり
    {13, wolf_arrow},            // 弓矢狼
    {14, moonlight},             // 月光
    {15, drain_blood},           // 吸血
    {16, dark_sword},            // 暗黒剣
    {17, two_blades},            // 二刀
    {18, shuriken},              // 手裏剣
    {19, halving_spell},         // Ｍ法
    {20, mantra},                // 真言
    {21, trolley_gun},           // トロッコ銃
    {22, flee},                  // 逃げる
    {23, pouring_rain},          // 降りしきる雨
    {24, blinding_flash},        // 閃光
    {25, light_veil},            // ライトベール
    {26, thunderbolt},           // いかづち
    {27, mana_captive},          // 魔のとりこ
    {28, magical_absorption},    // マジカル
    {29, virus},                 // ウイルス
    {30, shackles},              // 足枷
    {31, light_sword},           // ライトソード
    {32, grief_release},         // 哀古解放
    {33, slaps},                 // ビンタ
    {34, magic_sword},           // 魔法剣
    {35, poison_butterfly},      // ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲ
    {36, darkness},              // ダークネス
    {37, scorching_heat},        // しゃくねつ
    {38, fire_wall},             // ファイヤーウォール
    {39, vomact_attack},         // ヴォマクトアタック
    {40, release_magic},         // 魔力解放
    {41, liu_tongue},            // 劉言語魔法
    {42, dark_veil},             // ダークベール
    {43, water_veil},            // ウォータベール
    {44, wind_of_the_age},       // 時代の風
    {45, farewell_wind},         // SAYONARAの風
    {46, magic_seal},            // 魔紋の力
    {47, weiss_kreuz},           // ヴァイスクロイツ
    {48, water_laser},           // ウォータレーザー
    {49, astrology},             // 占星術
    {50, missile},               // ミサイル
    {51, island_sword_style},    // 離島一本流
    {52, random_signal},         // ＭＲＬ
    {53, do_nothing},            // 何もせず
    {54, holy_sword},            // 聖剣
    {55, force},                 // フォース
    {56, drain_mind},            // 吸心
    {57, hurl},                  // 投げる
    {58, snake},                 // スネイク
    {59, promise_of_revival},    // ステファニア
    {60, kamaitachi},            // 鎌居達
    {61, trance},                // トランス
    {62, knight_in_knights},     // ナイトインナイツ
    {63, magic_cell},            // 魔セル
    {64, seven_guard},           // セブンガード
    {65, petit_vacuum},          // プチバキューム
    {66, daydream},              // えっちな妄想
    {67, assault_rifle},         // ＦＭＡＫ-47
    {68, heat_wave},             // 熱波
    {69, throw_stone},           // 石を投げる
    {70, whistle},               // 口笛を吹く
    {71, space_out},             // ボケッとする
    {200, vacuum},               // バキューム
    {201, deep_insect_heal},     // 奥ヒール
    {202, great_quake},          // 大地震
    {203, big_bang_inflation},   // ビッグバンインフレーション
    {204, dreadful_stench},      // 恐ろしい悪臭
    {225, mayday_cannon},        // MAYDAY砲
    {226, improved_deep_heal},   // 奥ヒール・改
    {227, true_mountain_drop},   // 真・山落とし
    {229, dignity},              // ディグニティ
    {230, cloud_mountain_drop},  // 雲丸・山落とし
    {231, master_thief},         // 大泥棒・ミルネ
};

constexpr auto kTechniques = TableById<232>(kTechniqueRows);

Technique technique_of(int32_t id) {
    if (id < 0 || id >= static_cast<int32_t>(kTechniques.size())) return nullptr;
    return kTechniques[id];
}

void run(Act& x) {
    if (const Technique technique = technique_of(x.id)) return technique(x);
    // No technique of its own: a combination or special move (ids from 100) has its step in
    // the combinations' table; any other id only ends the action.
    if (x.id >= 100) return RunCombinationStep(x);
    x.end();
}

}  // namespace

void RunTechniqueStep(Game& g, int32_t step) {
    const int a = g.active_side == 1 ? 1 : 0;
    Act x{g, a, 1 - a, g.action_technique, step};
    run(x);
}

}  // namespace quill
