#include "battle/techniques.h"

#include "battle/action_kit.h"

#include <algorithm>
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

void run(Act& x) {
    Game& g = x.g;
    Combatant& A = x.actor();
    Combatant& T = x.target();
    const int32_t lv = x.lv();
    const int32_t te = T.element;
    switch (x.id) {
        case 0: {  // 踏みつぶす
            int32_t base = PICK(5, lv / 2 + 5);
            if (x.player() && T.name == "ボウケンロボット") base = 0;
            Damage(g, x.a, x.t, base);
            return x.end();
        }
        case 1:  // 山ぼうぎょ
            if (x.step == 3) return x.log(A.name + "は山ぼうぎょの構え");
            {
                int32_t n = 1;
                if (x.player()) {
                    n = lv > 4 ? 2 : 1;
                    if (lv > 9) n += 1;
                    if (x.actor_earring("聖樹のイヤリング")) n += 1;
                }
                A.status[kGuardStance] += n;
                AddPopupInRow(g, x.a == 1 ? 1 : 0, 57, "");
            }
            return x.end();
        case 2:  // 虫ヒール
            if (x.step == 3) return x.log(A.name + "は虫を呼び寄せた!!");
            {
                const int32_t n = PICK(random(2) + 4, lv + random(2) + 2);
                Heal(g, x.a, n);
                x.log("HP " + to_string(n) + "回復");
            }
            return x.end();
        case 3:  // 山落とし
            return mountain_drop(x, "は山を持ち上げた!!", "ひゅーん!! 山が落ちてくる!!", 10);
        case 4:  // アフィニティ
            Damage(g, x.a, x.t, PICK(random(15) + 1, lv + random(15) + 1));
            return x.end();
        case 5:  // ｲﾚｲｻｰｽｸﾘｰﾑ
            if (x.step == 3) return x.log("どこからともなく叫び声が聞こえてくる!!");
            if (x.step == 4) {
                SureDamage(g, x.a, x.t, PICK(A.hp / 2, 3 * lv - 3 + A.hp / 2));
                return;
            }
            TakeDamage(g, x.a, A.hp / 2);
            x.log(A.name + "のHP 半減");
            return x.end();
        case 6:  // 粘液
            if (x.step == 3) return x.log(A.name + "は粘液を投げつけた!!");
            {
                x.log("体に毒がまわった!!");
                int32_t n = PICK(random(2) + 3, lv + random(2) + 2);
                if (te == 4) n /= 2;
                if (T.active(kWater)) n /= 2;
                T.status[kPoison] = n;
            }
            return x.end();
        case 7: {  // パワー
            x.log(A.name + "は力をためた!!");
            int32_t n = 1;
            if (x.player() && lv > 4) n += 1;
            if (x.player() && lv > 9) n += 1;
            if (x.actor_earring("聖樹のイヤリング")) n += 1;
            A.status[kPower] += n;
            return x.end();
        }
        case 8:  // でこぴん
            if (x.step == 3) return x.log(A.name + "はでこぴんの構え");
            SureDamage(g, x.a, x.t, T.max_hp / 10);
            return x.end();
        case 9: {  // ほのお
            int32_t base = magic_boosts(x, PICK(random(2) + 6, lv + random(2) + 5));
            if (T.active(kFireWall)) base /= 2;
            if (te == 3) base /= 2;
            if (te == 4) base *= 2;
            Damage(g, x.a, x.t, base);
            return x.end();
        }
        case 10:  // 詠唱
            if (x.step == 3) return x.log(A.name + "は何やら呪文を唱えている....");
            {
                const int32_t n = PICK(random(2) + 2, lv / 2 + random(2) + 2);
                ChangeMp(g, x.a, n);
                x.log("MP " + to_string(n) + "回復");
            }
            return x.end();
        case 11:  // 龍言語魔法
            if (x.step == 3) return x.log(A.name + "は龍の言葉を喋り出した....");
            SureDamage(g, x.a, x.t,
                       magic_boosts(x, PICK(A.max_hp - A.hp, 3 * lv - 3 + A.max_hp - A.hp)));
            return x.end();
        case 12:  // 体当たり
            if (x.step == 3) {
                Damage(g, x.a, x.t, PICK(random(2) + 5, lv + random(2) + 4));
                if (te != 0 && random(3) == 0) return;  // goes on to the faint
                return x.end();
            }
            T.status[kFaint] = 1;
            x.log(T.name + "は気絶してしまった!!");
            return x.end();
        case 13:  // 弓矢狼
            Damage(g, x.a, x.t, PICK(10, lv + 10));
            return x.end();
        case 14:  // 月光
            if (x.step == 3) {
                int32_t base = PICK(random(2) + 4, lv + random(2) + 3);
                if (te == 1) base /= 2;
                if (te == 2) base *= 2;
                if (T.active(kRegeneration)) base /= 2;
                if (x.target_wears_armour("ライトローブ")) base /= 2;
                Damage(g, x.a, x.t, magic_boosts(x, base));  // the boosts last
                return;
            }
            ChangeMp(g, x.t, -1);
            x.log("MPを 1削った!!");
            return x.end();
        case 15: {  // 吸血
            int32_t n = PICK(2, lv);
            if (te == 1) n /= 2;
            if (te == 2) n = 0;
            if (T.active(kMana)) n /= 2;
            n += enemy_drain_bonus(x, 4);
            TakeDamage(g, x.t, n);
            Heal(g, x.a, n);
            x.log(T.name + "からHPを " + to_string(n) + "吸収!!");
            return x.end();
        }
        case 16:  // 暗黒剣
            if (x.step == 3) {
                int32_t base = PICK(A.max_hp / 10 + 5, lv - 1 + A.max_hp / 10 + 5);
                if (te == 1) base *= 2;
                if (te == 2) base /= 2;
                if (T.active(kMana)) base /= 2;
                Damage(g, x.a, x.t, base);
                return;
            }
            {
                const int32_t n = A.max_hp / 10;
                TakeDamage(g, x.a, n);
                x.log(A.name + "は " + to_string(n) + "の暗黒ダメージを食らった");
            }
            return x.end();
        case 17:  // 二刀
            Damage(g, x.a, x.t, PICK(random(2) + 3, lv + random(2) + 1));
            if (x.step == 3) return;
            return x.end();
        case 18:  // 手裏剣
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
            return x.end();
        case 19: {  // Ｍ法
            int32_t n = T.hp / 2;
            if (n > 98) n = 99;
            if (te == 1) n = 0;
            TakeDamage(g, x.t, n);
            x.log(T.name + "は HPに " + to_string(n) + "ダメージ受けた!!");
            return x.end();
        }
        case 20:  // 真言
            T.status[kParalysis] = PICK(random(2) + 3, lv / 2 + random(2) + 3);
            x.log(T.name + "は <麻痺>してしまった!!");
            return x.end();
        case 21:  // トロッコ銃
            Damage(g, x.a, x.t, random(2) + 5);
            return x.end();
        case 22:  // 逃げる: its own step (see the performer)
            return x.end();
        case 23:  // 降りしきる雨
            if (x.step == 3) return x.log(A.name + "が祈祷を行うと、突然雨が降り出した!!");
            {
                x.log("攻撃力が一時的に低下した!!");
                int32_t n = weakening(x);
                if (te == 3) n += 1;
                if (te == 4) n /= 2;
                if (T.active(kWater)) n /= 2;
                T.status[kAttackDown] = n;
            }
            return x.end();
        case 24:  // 閃光
            if (x.step == 3) return x.log(A.name + "の体が光り出した!!");
            {
                x.log("眩しくてよく見えない!!");
                int32_t n = weakening(x);
                if (T.light_weakness > 0) n += 1;
                if (te == 2) n += 1;
                if (te == 1) n /= 2;
                if (T.active(kRegeneration)) n /= 2;
                if (x.target_wears_armour("ライトローブ")) n /= 2;
                T.status[kHitDown] = n;
            }
            return x.end();
        case 25:  // ライトベール
            if (x.step == 3) return x.log(A.name + "の体が光を纏った");
            return self_status(x, kRegeneration, "<癒>状態になった!!");
        case 26:  // いかづち
            if (x.step == 3) {
                int32_t base = PICK(random(2) + 4, lv + random(2) + 4);
                if (x.player() && te == 0) base /= 2;
                if (te == 4) base *= 2;
                Damage(g, x.a, x.t, base);
                if (random(4) == 0) return;
                return x.end();
            }
            T.status[kParalysis] = random(2) + 3;
            x.log(T.name + "は麻痺してしまった!!");
            return x.end();
        case 27:  // 魔のとりこ
            if (x.step == 3) return x.log(T.name + "の体から赤い煙が染み出てきた....!!");
            SureDamage(g, x.a, x.t, T.active(kMana) ? T.mp : 2 * T.mp);
            if (x.player()) A.mp += lv - 1;
            return x.end();
        case 28:  // マジカル
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
                Heal(g, x.a, n);
                x.log(A.name + "のHPが " + to_string(n) + "回復した!!");
            }
            return x.end();
        case 29:  // ウイルス
            if (x.step == 3) return x.log(A.name + "は得体の知れないウィルスを放った!!");
            {
                x.log(T.name + "の防御力が一時的に低下した!!");
                int32_t n = weakening(x);
                if (te == 2) n /= 2;
                if (T.active(kMana)) n /= 2;
                T.status[kDefenceDown] = n;
            }
            return x.end();
        case 30:  // 足枷
            if (x.step == 3) return x.log(A.name + "は" + T.name + "の足に鉄の枷を掛けた!!");
            {
                x.log("思うように動けない!!");
                int32_t n = weakening(x);
                if (x.player() && te == 0) n /= 2;
                T.status[kEvasionDown] = n;
            }
            return x.end();
        case 31:  // ライトソード
            if (x.step == 3) return x.log(A.name + "の手に光が宿った!!");
            return self_status(x, kExtraDamage, "<追加>状態になった!!");
        case 32:  // 哀古解放
            if (x.step == 3) return x.log(A.name + "の哀古が解放する!!");
            {
                int32_t n = A.tp / 10 + 1;
                if (x.player() && te == 0) n = 0;
                if (te == 1) n /= 2;
                if (te == 2) n *= 2;
                n = x.player() ? lv * n / 2 : 3 * n;
                SureDamage(g, x.a, x.t, n);
                A.tp = x.player() ? 0 : 50;
            }
            return x.end();
        case 33: {  // ビンタ
            const int32_t h = hits_of_many(x);
            for (int i = 0; i < h; ++i) Damage(g, x.a, x.t, random(2) + 3);
            return x.end();
        }
        case 34: {  // 魔法剣
            const int32_t power = x.player() ? A.mp / 5 * lv : A.mp / 5;
            int32_t base = te == 2 ? 2 * power + 8 : power + 4;
            if (te == 1) base /= 2;
            if (T.active(kRegeneration)) base /= 2;
            if (x.target_wears_armour("ライトローブ")) base /= 2;
            Damage(g, x.a, x.t, base);
            return x.end();
        }
        case 35:  // ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲ
            if (x.step == 3) return x.log(A.name + "はﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲを放った!!");
            {
                x.log("体に猛毒がまわった!!");
                int32_t n = PICK(random(2) + 3, random(2) + lv / 2 + 2);
                if (te == 4) n /= 2;
                if (T.active(kWater)) n /= 2;
                T.status[kStrongPoison] = n;
            }
            return x.end();
        case 36:  // ダークネス
            if (x.step == 3) {
                int32_t base = PICK(random(2) + 4, lv + random(2) + 4);
                if (te == 2) base /= 2;
                if (te == 1) base *= 2;
                if (T.active(kMana)) base /= 2;
                Damage(g, x.a, x.t, base);
                if (random(4) == 0) return;
                return x.end();
            }
            {
                int32_t n = random(2) + 3;
                if (te == 2) n /= 2;
                T.status[kHitDown] = n;
                x.log(T.name + "は命中率が低下してしまった!!");
            }
            return x.end();
        case 37: {  // しゃくねつ
            int32_t base = PICK(random(2) + 11, lv + random(2) + 10);
            if (T.active(kFireWall)) base /= 2;
            if (te == 2) base += base / 2;
            if (te == 3) base /= 2;
            if (te == 4) base *= 2;
            Damage(g, x.a, x.t, magic_boosts(x, base));
            return x.end();
        }
        case 38:  // ファイヤーウォール
            if (x.step == 3) return x.log(A.name + "は炎の壁に包まれた!!");
            return self_status(x, kFireWall, "<炎壁>状態になった!!");
        case 39: {  // ヴォマクトアタック
            int32_t base = PICK(5, lv / 2 + 5);
            if (T.active(kRegeneration)) base /= 2;
            if (x.target_wears_armour("ライトローブ")) base /= 2;
            Damage(g, x.a, x.t, base);
            return x.end();
        }
        case 40:  // 魔力解放
            if (x.step == 3) return x.log(A.name + "の魔力が解放する!!");
            {
                int32_t n = A.mp + (x.player() ? lv : 0);
                A.mp = 0;
                if (!x.player() && A.mp_regen_kind > 0) A.mp += 15;
                SureDamage(g, x.a, x.t, magic_boosts(x, n));
            }
            return x.end();
        case 41:  // 劉言語魔法
            if (x.step == 3) return x.log(A.name + "の体から劉が放たれた!!");
            {
                int32_t n = A.active(kMagicSeal) ? A.hp + A.hp / 2 : A.hp;
                if (x.target_wears_armour("マジカルローブ")) n /= 2;
                SureDamage(g, x.a, x.t, n);
                A.hp = x.player() ? lv : 1;
            }
            return x.end();
        case 42:  // ダークベール
            if (x.step == 3) return x.log(A.name + "の体が闇を纏った");
            return self_status(x, kMana, "<魔>状態になった!!");
        case 43:  // ウォータベール
            if (x.step == 3) return x.log(A.name + "の体が水の羽衣を纏った");
            return self_status(x, kWater, "<水>状態になった!!");
        case 44:  // 時代の風
            return wind(x, "は時代の風を巻き起こした!!", 22, 5);
        case 45:  // SAYONARAの風
            return wind(x, "は笑いながら手を振った....!!", 54, 10);
        case 46:  // 魔紋の力
            if (x.step == 3) return x.log(A.name + "の手に魔力が漲って来る....!!");
            return self_status(x, kMagicSeal, "<魔紋>状態になった!!");
        case 47:  // ヴァイスクロイツ
            if (x.step == 3) {
                Damage(g, x.a, x.t, te != 0 ? 0 : PICK(10, lv + 9));
                return;
            }
            T.tp -= 30;
            x.log("TPを 30削った!!");
            return x.end();
        case 48: {  // ウォータレーザー
            int32_t base = PICK(5, lv / 2 + 5);
            if (te == 3) base *= 2;
            if (te == 4) base /= 2;
            Damage(g, x.a, x.t, base);
            return x.end();
        }
        case 49: {  // 占星術
            const int32_t h = hits_of_many(x);
            for (int i = 0; i < h; ++i) {
                int32_t base = te == 1 ? random(2) + 2 : random(2) + 3;
                if (te == 2) base += 1;
                if (x.target_wears_armour("ライトローブ")) base /= 2;
                if (T.active(kRegeneration)) base -= 1;
                Damage(g, x.a, x.t, base);
            }
            return x.end();
        }
        case 50:  // ミサイル
            if (x.step == 3) {
                int32_t base = x.player() ? A.level : g.state.distance_m;
                if (te == 0) base /= 2;
                Damage(g, x.a, x.t, base);
                return;
            }
            {
                const int32_t n = PICK(random(2) + 1, lv / 2 + random(2) + 1);
                Heal(g, x.a, n);
                x.log(A.name + "はHPが " + to_string(n) + "回復");
            }
            return x.end();
        case 51:  // 離島一本流
            if (x.step == 3) return x.log(A.name + "は離島一本流の構え!!");
            if (x.step == 4) {
                Damage(g, x.a, x.t, PICK(random(2) + 10, 2 * lv + random(2) + 8));
                if (random(3) == 0) return;
                return x.end();
            }
            T.status[kDefenceDown] += 2;
            x.log(T.name + "の防御力を下げた");
            return x.end();
        case 52:  // ＭＲＬ
            if (x.step == 3) return x.log(A.name + "の耳に直接、正体不明の信号が響く!!");
            g.action_technique = random(52);
            g.action_step = 1;
            g.button_held = 1;
            g.milestone_suppressed = 1;
            return;
        case 53:  // 何もせず
            x.log(A.name + "はただじっと……、そうただじっと。");
            return x.end();
        case 54:  // 聖剣
            if (x.step == 3) {
                Damage(g, x.a, x.t, PICK(1, lv / 2 + 1));
                return;
            }
            {
                const int32_t n = PICK(random(3) + 1, lv / 2 + random(3) + 1);
                Heal(g, x.a, n);
                x.log("HP " + to_string(n) + "回復");
            }
            return x.end();
        case 55:  // フォース
            if (x.step == 3) return x.log(A.name + "の手に不思議な力が宿った....!!");
            return self_status(x, kFo, "<フォ>状態になった!!", random(2) + 2);
        case 56: {  // 吸心
            int32_t n = PICK(1, lv + 1);
            if (te == 1) n /= 2;
            if (te == 2) n = 0;
            if (T.active(kMana)) n /= 2;
            n += enemy_drain_bonus(x, 2);
            n = std::max(std::min(n, T.mp), 0);
            T.mp -= n;
            A.mp += n;
            x.log(T.name + "からMPを " + to_string(n) + "吸収!!");
            return x.end();
        }
        case 57:  // 投げる
            Damage(g, x.a, x.t, PICK(random(2) + A.defence, lv - 2 + random(2) + A.defence));
            return x.end();
        case 58:  // スネイク
            if (x.step == 3) {
                int32_t base = PICK(random(2) + 1, lv + random(2));
                for (int level = 0; level <= 4; ++level) {
                    if (T.status[kSnakePoison] > level) base += base / 10 + 1;
                }
                Damage(g, x.a, x.t, base);
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
            return x.end();
        case 59:  // ステファニア
            if (x.step == 3) return x.log(A.name + "は天使と復活の約束を交わした....!!");
            {
                x.log("約束>状態になった!!");
                int32_t n = random(2) + 5;
                if (x.actor_earring("聖樹のイヤリング")) n += 1;
                if (x.player()) n += lv;
                A.status[kPromise] = n;
            }
            return x.end();
        case 60:  // 鎌居達
            Damage(g, x.a, x.t, PICK(random(2) + A.evasion, lv - 2 + random(2) + A.evasion));
            return x.end();
        case 61:  // トランス
            if (x.step == 3) return x.log(A.name + "は精神を昂揚させた!!");
            {
                const int32_t n = random(3) + 15 + (x.player() ? lv : 0);
                A.tp += n;
                x.log("TP " + to_string(n) + "回復");
            }
            return x.end();
        case 62: {  // ナイトインナイツ
            int32_t h = A.element + 1;
            if (x.actor_earring("星屑のイヤリング")) h += 1;
            for (int i = 0; i < h; ++i) {
                Damage(g, x.a, x.t, PICK(random(2) + 2, lv + random(2) + 2));
            }
            return x.end();
        }
        case 63:  // 魔セル
            return self_status(x, kMagicAbsorb, A.name + "は<魔吸>状態になった!!");
        case 64:  // セブンガード
            if (x.step == 3) return x.log(A.name + "はガードを固めた!!");
            {
                int32_t n = random(3) + 3;
                if (x.actor_earring("聖樹のイヤリング")) n += 1;
                if (x.player()) n += lv / 2;
                A.status[kGuardUp] += n;
                AddPopupInRow(g, x.a == 1 ? 1 : 0, 57, "");
            }
            return x.end();
        case 65: {  // プチバキューム
            int32_t n = PICK(10, lv / 2 + 10);
            n = std::max(std::min(n, T.tp), 0);
            T.tp -= n;
            A.tp += n;
            x.log(T.name + "からTPを " + to_string(n) + "吸収!!");
            return x.end();
        }
        case 66:  // えっちな妄想
            if (x.step == 3) return x.log(A.name + "は妄想した....");
            x.log(A.name + "「はぁはぁ....」");
            return x.end();
        case 67:  // ＦＭＡＫ-47
            if (x.step == 3) {
                if (random(4) == 0) {
                    x.log("弾詰まりを起こして、不発だった....!!");
                    return x.end();
                }
                Damage(g, x.a, x.t, PICK(random(2) + 4, lv + random(2) + 4));
                if (random(4) == 0) return;
                return x.end();
            }
            T.status[kEvasionDown] = random(2) + 3;
            x.log(T.name + "は回避率が減少した!!");
            return x.end();
        case 68:  // 熱波
            if (x.step == 3) {
                x.log(A.name + "はどこからともなく吹いてきた熱波を浴びた....!!");
                const int32_t n = std::min(A.max_hp / 10 + 1, 30);
                TakeDamage(g, x.a, n);
                x.log(A.name + "は" + to_string(n) + "ダメージを受けた");
                return;
            }
            {
                const int32_t n = PICK(20, lv + 20);
                A.tp += n;
                x.log(A.name + "のTPが " + to_string(n) + "回復");
            }
            return x.end();
        case 69:  // 石を投げる
            if (random(4) < 3) {
                x.log("外れた....");
            } else {
                Damage(g, x.a, x.t, PICK(random(2) + 4, 2 * lv + random(2) + 4));
            }
            return x.end();
        case 70:  // 口笛を吹く
            if (x.step == 3) return x.log(A.name + "は口笛を吹いた....");
            x.log(A.name + "「ピーピー♪」");
            return x.end();
        case 71:  // ボケッとする
            x.log(A.name + "はボケッとした....");
            return x.end();
        case 200: {  // バキューム
            const int32_t n = T.tp;
            Heal(g, x.a, n);
            T.tp = 0;
            x.log(T.name + "からTP " + to_string(n) + "をHPとして吸収!!");
            return x.end();
        }
        case 201:  // 奥ヒール
            if (x.step == 3) return x.log(A.name + "は新種の虫を呼び寄せた!!");
            {
                const int32_t n = random(6) + 25;
                Heal(g, x.a, n);
                x.log("HP " + to_string(n) + "回復");
            }
            return x.end();
        case 202: {  // 大地震
            const int32_t h = random(2) + 2;
            for (int i = 0; i < h; ++i) {
                Damage(g, x.a, x.t, x.player() ? random(2) + 3 : T.max_hp / 18 + random(2) + 3);
            }
            return x.end();
        }
        case 203:  // ビッグバンインフレーション
            if (x.step == 3) return x.log("羅門彗星の力が、魔獣の体に宿る!!!!");
            if (x.step == 4) {
                Damage(g, x.a, x.t, 80);
                return;
            }
            A.status[kFaint] = 1;
            A.status[kParalysis] += 3;
            A.status[kAttackDown] += 3;
            x.log(A.name + "はあまりの力を使ったことで、失神した");
            return x.end();
        case 204:  // 恐ろしい悪臭
            if (x.step == 3) return x.log(A.name + "の体から物凄い臭いが漂う....!!");
            x.log(T.name + "の体に<謎毒>がまわった!!");
            T.status[kMysteryPoison] += random(2) + 99;
            return x.end();
        case 225:  // MAYDAY砲
            if (x.step == 3) return x.log(A.name + "から只ならぬ妖気が漂う....");
            {
                const int32_t n = T.max_hp / 10;
                TakeDamage(g, x.t, n);
                Heal(g, x.a, n);
                x.log("HPが " + to_string(n) + "吸い取られた!!");
            }
            return x.end();
        case 226:  // 奥ヒール・改
            if (x.step == 3) return x.log(A.name + "は改良種の虫を呼び寄せた!!");
            Heal(g, x.a, random(50) + 250);
            return x.end();
        case 227:  // 真・山落とし
            return mountain_drop(x, "はオリンポス山を持ち上げた!!",
                                 "ひゅーん!! オリンポス山が落ちてくる!!", 5);
        case 229:  // ディグニティ
            if (x.step == 3) return x.log("じ、次元が歪む....!!!!");
            SureDamage(g, x.a, x.t, T.max_hp / 5);
            T.mp -= T.max_mp / 10 + 1;
            T.tp -= T.max_tp / 10 + 1;
            x.log("MPとTPが削り取られた");
            return x.end();
        case 230:  // 雲丸・山落とし
            if (x.step == 3) return x.log(A.name + "は聖山ユグドライル山を持ち上げた!!");
            if (x.step == 4) return x.log("どひゅーううううん!! 聖山ユグドライル山が落ちてくる!!");
            {
                int32_t base = random(5) + T.max_hp / 4 + 7;
                if (x.player()) base += 2 * lv - 2;
                Damage(g, x.a, x.t, base);
                const int32_t n = random(10) + 15;
                T.tp -= n;
                A.tp += n;
                x.log(T.name + "からTPを " + to_string(n) + "吸収した!!");
            }
            return x.end();
        case 231:  // 大泥棒・ミルネ
            if (x.step == 3) return x.log("体から全てが抜き取られていくような感覚!!");
            {
                const int32_t hp = T.hp / 5, mp = T.mp / 2, tp = T.tp / 2;
                TakeDamage(g, x.t, hp);
                T.mp -= mp;
                T.tp -= tp;
                const int32_t s = hp + mp + tp;
                Heal(g, x.a, s);
                x.log("HPとMPとTPの合計 " + to_string(s) + "が、相手のHPとして奪われた....!!");
            }
            return x.end();
        default:
            // The combinations and special moves (ids from 100 without a row above).
            if (x.id >= 100) return RunCombinationStep(x);
            return x.end();
    }
}

}  // namespace

void RunTechniqueStep(Game& g, int32_t step) {
    const int a = g.active_side == 1 ? 1 : 0;
    Act x{g, a, 1 - a, g.action_technique, step};
    run(x);
}

}  // namespace quill
