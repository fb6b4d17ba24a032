// What each combination and special move does at its steps: its lines and its numbers.
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

}  // namespace

void RunCombinationStep(Act& x) {
    Game& g = x.g;
    Combo c{x, g, x.actor(), x.target()};
    Combatant& A = c.A;
    Combatant& T = c.T;
    const int32_t te = T.element;
    const int32_t L = c.actor_level();
    const int32_t P = c.player_level();
    const int32_t s = x.step;
    switch (x.id) {
        case 100:  // 幻想曲
            if (s == 3) return c.hit(fantasia_base(c));
            ChangeMp(g, x.t, -2);
            c.say("MPを 2削った!!");
            return c.end();
        case 101:  // 地球投げ
            if (s == 3) return c.say(A.name + "は地球を持ち上げた!!");
            if (s == 4) return c.say("ひゅーん!! 地球が落ちてくる!!");
            {
                int32_t base = random(5) + T.max_hp / 5 + 7;
                if (T.element_guard > 1) base /= 2;
                c.hit(base);
            }
            return c.end();
        case 102:  // インフィニティ
            if (s == 3) return c.say("5～25間でランダムダメージ!!");
            c.hit(random(21) + 5);
            return c.end();
        case 103:  // インフェルノ
        case 132:  // ヴォルケーノ
            if (s == 3)
                return c.say(x.id == 103 ? "豪火が舞い上がる！" : "地球からマグマが噴出した!!");
            {
                int32_t base = random(2) + 13 + (c.enemy_actor() ? T.max_hp / 10 : 0);
                base = magic_boosts(x, base);
                if (T.active(kFireWall)) base /= 2;
                if (te == 3) base /= 2;
                if (te == 4) base *= 2;
                c.hit(base);
            }
            return c.end();
        case 104:  // ドラゴンブレス
            if (s == 3) return c.say(A.name + "の口から竜の炎が放出する!!");
            {
                int32_t base = T.active(kFireWall) ? A.max_hp / 4 : A.max_hp / 2;
                if (te == 3) base /= 2;
                if (te == 4) base *= 2;
                c.hit(base);
            }
            return c.end();
        case 105: {  // ヴァンパイア・ヴラッディ・スター
            int32_t n = te == 1 ? 5 : te == 2 ? 0 : 10;
            if (T.active(kMana)) n /= 2;
            n += by_level(L, 0, 2, {3, 4, 5, 6});  // each step adds in turn: +20 at 99
            const int32_t power = g.items[std::clamp(A.weapon, 0, kItemTableSize - 1)].combo_power;
            if (x.player() && power > 0) n += power / 3 + 1;
            TakeDamage(g, x.t, n);
            Heal(g, x.a, n);
            c.say(T.name + "からHPを " + to_string(n) + "吸収!!");
            return c.end();
        }
        case 106:  // シューティング・フラワー
            if (s == 3) return c.say(A.name + "は一輪の花を放った!!");
            c.hit(15);
            return c.end();
        case 107:  // スターダスト
            c.hit(random(5) + 5);
            if (s == 3) return;
            return c.end();
        case 108:  // 二人の悲歌
            if (s == 3) return c.say("最大MP分ダメージ!!");
            c.sure(A.max_mp);
            return c.end();
        case 109: {  // ダイスヒール
            const int32_t f = by_level(L, 1, 4, {4, 5, 5, 6});
            if (s == 3) return c.say("ランダム回復 " + to_string(f) + "～" + to_string(f + 14));
            c.heal(random(15) + f);
            return c.end();
        }
        case 110:  // 弓矢狼の目
            c.say("集中力が極限にまで高まった!!");
            c.say(A.name + "は<必中>状態になった");
            A.status[kSureHit] = 1;
            return c.end();
        case 111:  // ウェスタンムーブ
            c.say("足が風のように動き出す!!");
            c.say(A.name + "は<回避>状態になった");
            A.status[kDodge] = 1;
            return c.end();
        case 112:  // マジックテクニカル
            c.say("魔法に対する理解が深まった気がした!!");
            c.say(A.name + "は<魔命↑>状態になった");
            A.status[kMagicHitUp] = random(3) + 3;
            return c.end();
        case 113:  // やけど
            T.status[kBurn] = random(2) + 2;
            c.say(T.name + "は<火傷>を負った!!");
            return c.end();
        case 114:  // 闇に溶ける
            return raise(c, "の体が闇に溶けてゆく……", "は一時的に回避力が上昇した!!", kEvasionUp,
                         random(3) + 3);
        case 115:  // ヴァイステクニカル
            return raise(c, "の神経が研ぎ澄まされる……", "は一時的に命中率が上昇した!!", kHitUp,
                         random(3) + 3);
        case 116:  // 電光石火
            if (s == 3) {
                const int32_t r = random(2);
                return c.hit(te == 4 ? 2 * r + 16 : r + 8);
            }
            T.tp -= 30;
            c.say("TPを 30削った!!");
            return c.end();
        case 117:  // 山の恵み
            c.heal(by_level(L, 5, 7, {3, 4, 5, 6}));
            return c.end();
        case 118: {  // ヴォマクトＷアタック
            int32_t base = random(3) + 4 + (c.enemy_actor() ? T.max_hp / 20 : 0);
            if (te == 1) base -= base / 2;
            if (te == 2) base += base / 2;
            c.hit(base);
            return c.end();
        }
        case 119:  // アローレイン
            if (s == 3) return c.say("2回攻撃");
            for (int i = 0; i < 2; ++i) {
                c.hit(c.enemy_actor() ? T.max_hp / 20 + random(2) + 3 : random(2) + 3);
            }
            return c.end();
        case 120:  // 毒回復
            if (A.active(kPoison) || A.active(kStrongPoison) || A.active(kDeadlyPoison) ||
                A.active(kMysteryPoison) || A.active(kSnakePoison)) {
                for (Status p :
                     {kPoison, kStrongPoison, kDeadlyPoison, kMysteryPoison, kSnakePoison}) {
                    A.status[p] = 0;
                }
                c.say("<毒>から回復した!!");
            } else {
                c.heal(by_level(L, 3, 6, {3, 3, 3, 3}));
            }
            return c.end();
        case 121:  // 命中↓回復
            if (A.active(kHitDown)) {
                A.status[kHitDown] = 0;
                c.say("<命中↓>から回復した!!");
            } else {
                c.heal(by_level(L, 3, 6, {3, 3, 5, 6}));
            }
            return c.end();
        case 122: {  // ダイスMPヒール
            const int32_t f = by_level(L, 1, 2, {1, 1, 1, 1});
            if (s == 3) return c.say("ランダムMP回復 " + to_string(f) + "～" + to_string(f + 4));
            const int32_t n = random(5) + f;
            ChangeMp(g, x.a, n);
            c.say("MP " + to_string(n) + "回復");
            return c.end();
        }
        case 123: {  // ダイスTPヒール
            const int32_t f = by_level(L, 10, 12, {2, 2, 2, 2});
            if (s == 3) return c.say("ランダムTP回復 " + to_string(f) + "～" + to_string(f + 40));
            const int32_t n = random(41) + f;
            A.tp += n;
            c.say("TP " + to_string(n) + "回復");
            return c.end();
        }
        case 124: {  // MP吸血
            const int32_t n = by_level(L, 3, 4, {1, 1, 1, 1});
            A.mp += n;
            T.mp -= n;
            c.say(T.name + "からMPを " + to_string(n) + "吸収した!!");
            return c.end();
        }
        case 125: {  // TP吸血
            const int32_t n = by_level(L, 30, 35, {5, 5, 5, 5});
            A.tp += n;
            T.tp -= n;
            c.say(T.name + "からTPを " + to_string(n) + "吸収した!!");
            return c.end();
        }
        case 126:    // 月の癒し
        case 127: {  // 空の癒し
            const bool tp = x.id == 127;
            if (s == 3) return c.say(tp ? "相手の属性によってTP回復" : "相手の属性によって回復");
            static constexpr const char* kElements[] = {"無属性→", "光属性→", "闇属性→", "火属性→",
                                                        "水属性→"};
            static constexpr int32_t kHp[] = {5, 10, 4, 6, 7};
            static constexpr int32_t kTp[] = {10, 40, 20, 35, 25};
            const int e = te >= 0 && te <= 4 ? te : 0;
            if (tp) {
                const int32_t n = by_level(L, 0, 5, {5, 5, 5, 5}) + kTp[e];
                A.tp += n;
                c.say(std::string(kElements[e]) + "TP " + to_string(n) + "回復");
            } else {
                const int32_t n = by_level(L, 0, 2, {3, 4, 5, 6}) + kHp[e];
                Heal(g, x.a, n);
                c.say(std::string(kElements[e]) + "HP " + to_string(n) + "回復");
            }
            return c.end();
        }
        case 128:  // 雷神の加護
            return raise(c, "は空間の流れがスローに見える!!",
                         "は一時的にクリティカル発生率が上昇した!!", kCriticalUp, random(4) + 3);
        case 129:  // 魔性の加護
            return raise(c, "は体の周りに見えない鎧を纏った!!",
                         "は一時的にガード発生率が上昇した!!", kFirm, random(4) + 3);
        case 130: {  // 天駆龍閃
            const int32_t hits = random(2) + 3;
            for (int i = 0; i < hits; ++i) c.hit(random(2) + 4);
            return c.end();
        }
        case 131: {  // 昇星伝説
            const int32_t hits = random(2) + 3;
            for (int i = 0; i < hits; ++i) {
                int32_t base = te == 1 ? random(2) + 3 : random(2) + 4;
                if (te == 2) base += 1;
                if (x.target_wears_armour("ライトローブ")) base /= 2;
                if (T.active(kRegeneration)) base -= 1;
                c.hit(base);
            }
            return c.end();
        }
        case 133:  // キャンドラ
            if (s == 3) return c.say("命中率半減 光属性攻撃");
            c.hit(fantasia_base(c) + (c.enemy_actor() ? T.max_hp / 10 : 0));
            return c.end();
        case 134:
        case 135:
        case 136:
        case 137:
        case 138: {  // 火/水/光/闇/無耐性バリア
            static constexpr const char* kSpirit[] = {"火", "水", "光", "闇", "無"};
            static constexpr Status kResist[] = {kResistFire, kResistWater, kResistLight,
                                                 kResistDark, kResistNone};
            const int i = x.id - 134;
            return raise(c, std::string("の体が") + kSpirit[i] + "の精霊に守られた",
                         std::string("は一時的に") + kSpirit[i] + "に対して強くなった!!",
                         kResist[i], random(4) + 5);
        }
        case 139:
        case 140:
        case 141: {  // 防御力UP, 回避率UP, 命中率UP
            static constexpr const char* kWhat[] = {"防御力", "回避率", "命中率"};
            static constexpr Status kStatus[] = {kDefenceUp, kEvasionUp, kHitUp};
            const int i = x.id - 139;
            c.say(A.name + "は一時的に" + kWhat[i] + "が上昇!!");
            A.status[kStatus[i]] = random(3) + 3;
            return c.end();
        }
        case 142:
        case 143:
        case 144:
        case 145:
        case 146: {  // 属性攻撃力UP
            static constexpr const char* kSpirit[] = {"無", "光", "火", "水", "闇"};
            static constexpr Status kPower[] = {kPowerNone, kPowerLight, kPowerFire, kPowerWater,
                                                kPowerDark};
            const int i = x.id - 142;
            return raise(c, std::string("の手に") + kSpirit[i] + "の精霊力が宿る",
                         std::string("は一時的に") + kSpirit[i] + "属性攻撃が強くなった!!",
                         kPower[i], random(4) + 5);
        }
        case 147:
            c.say(A.name + "の体に得体の知れない受容体が形勢された");
            c.say(A.name + "は<吸収>状態になった!!");
            A.status[kAbsorb] += 1;
            return c.end();
        case 148:
            return raise(c, "の体に得体の知れない吸収体が形勢された", "は<毒吸>状態になった!!",
                         kPoisonAbsorb, random(4) + 4);
        case 149:
            return raise(c, "の体が針山で包まれた", "は<棘>状態になった!!", kThorns, random(4) + 4);
        case 150:
            c.say(A.name + "の体に得体の知れない反射体が形勢された");
            c.say(A.name + "は<反射>状態になった!!");
            A.status[kReflect] += 1;
            return c.end();
        case 151:  // 毒蛾牙
            c.hit(random(2) + 5);
            return c.end();
        case 152:  // ヒール
            c.heal(random(2) + by_level(L, 5, 7, {3, 4, 5, 6}));
            return c.end();
        case 153:  // 鋼鉄セプツンビンタ
            if (s == 3) return c.say("鋼鉄のひとふりが加わった!!");
            c.hit(c.enemy_actor() ? T.max_hp / 20 + 10 : 10);
            return c.end();
        case 154:
        case 155:
        case 156:
        case 157:
        case 158:
        case 159:
        case 160: {  // 弱体Ⅱ
            static constexpr Status kStatus[] = {kPoison,      kParalysis,   kAttackDown,  kHitDown,
                                                 kDefenceDown, kEvasionDown, kStrongPoison};
            c.say("弱体効果時間運UP");
            T.status[kStatus[x.id - 154]] += random(3) + (x.id == 154 ? 3 : 2);
            return c.end();
        }
        case 161:
        case 162:
            c.say("強化効果時間運UP");
            A.status[x.id == 161 ? kPower : kGuardStance] += 1;
            return c.end();
        case 163:
        case 164:
        case 165:
        case 166:
        case 167:
        case 168: {  // 強化Ⅱ
            struct Lengthen {
                Status status;
                int32_t range, least;
            };
            static constexpr Lengthen kLengthen[] = {{kRegeneration, 3, 3}, {kExtraDamage, 3, 3},
                                                     {kFireWall, 2, 2},     {kMana, 3, 3},
                                                     {kWater, 4, 3},        {kMagicSeal, 4, 3}};
            const Lengthen& l = kLengthen[x.id - 163];
            c.say("強化効果時間運UP");
            A.status[l.status] += random(l.range) + l.least;
            return c.end();
        }
        case 169:  // 虫ヒールⅡ
            if (s == 3) return c.say("更に虫が集まってきた!!");
            c.heal(A.max_hp / 10 + 1 + by_level(L, 0, 2, {3, 4, 5, 6}));
            return c.end();
        case 170: {  // 詠唱Ⅱ
            if (s == 3) return c.say("更に呪文が濃くなる!!");
            const int32_t n = A.max_mp / 10 + 2 + by_level(L, 0, 1, {1, 1, 1, 1});
            ChangeMp(g, x.a, n);
            c.say("MP " + to_string(n) + "回復");
            return c.end();
        }
        case 171: {  // MPヒール
            const int32_t n = random(2) + by_level(L, 2, 3, {1, 1, 1, 1});
            ChangeMp(g, x.a, n);
            c.say("MP " + to_string(n) + "回復");
            return c.end();
        }
        case 172: {  // TPヒール
            const int32_t n = random(5) + by_level(L, 25, 28, {3, 3, 3, 3});
            A.tp += n;
            c.say("TP " + to_string(n) + "回復");
            return c.end();
        }
        case 173:  // インドラ
        case 174:  // 与一の矢
            if (s == 3)
                return c.say(x.id == 173 ? "命中率半減 火属性攻撃" : "命中率半減 闇属性攻撃");
            if (s == 4) {
                int32_t base = random(2) + 8;
                if (x.id == 173) {
                    if (te == 3) base /= 2;
                    if (te == 4) base *= 2;
                    if (T.active(kFireWall)) base /= 2;
                } else {
                    if (te == 2) base /= 2;
                    if (te == 1) base *= 2;
                    if (T.light_weakness > 0) base /= 2;
                }
                c.hit(magic_boosts(x, base));
                if (x.id == 174) return;
                return c.end();
            }
            T.status[kEvasionDown] += random(2) + 3;
            c.say(T.name + "の回避率を一時的に下げた!!");
            return c.end();
        case 175:  // 魔紋の力
            if (s == 3) return c.say(A.name + "の手に魔力が漲って来る....!!");
            c.say("<魔紋>状態になった!!");
            A.status[kMagicSeal] = random(2) + 3;
            return c.end();
        case 176:  // ショック
            T.status[kDefenceDown] += random(2) + 3;
            c.say(T.name + "の防御力が一時的に低下した!!");
            return c.end();
        case 177:  // フラッシュ
            if (s == 3) return c.hit(fantasia_base(c));
            T.tp -= 15;
            c.say("TPを 15削った!!");
            return c.end();
        case 178:  // 光の衣
            if (s == 3) return c.say("体に光の衣が纏う!!");
            A.status[kMagicDodge] = 1;
            c.say(A.name + "は<魔回避>状態になった");
            return c.end();
        case 179: {  // 闇に瞬く光
            const int32_t r = random(2);
            int32_t base = te == 1 ? 2 * r + 30 : r + 15;
            if (te == 2) base *= 2;
            if (T.active(kRegeneration)) base /= 2;
            if (x.target_wears_armour("ライトローブ")) base /= 2;
            c.hit(magic_boosts(x, base));
            return c.end();
        }
        case 180:  // シルヴィア剣
        case 181:  // アスラの矢
        case 183:  // 繁る緑
            if (s == 3) {
                const Status up = x.id == 180 ? kAttackUp : x.id == 181 ? kHitUp : kDefenceUp;
                A.status[up] += 2;
                return c.say(x.id == 180 ? "攻撃力UP" : x.id == 181 ? "命中率UP" : "防御力UP");
            }
            c.hit(random(3) + 10 +
                  (c.enemy_actor() ? (x.id == 180 ? T.max_hp / 20 : T.max_hp / 10) : 0));
            return c.end();
        case 182:  // トゥアハ・デ・ダナン
            if (s == 3) return c.hit(random(3) + 10 + (c.enemy_actor() ? T.max_hp / 10 : 0));
            {
                const int32_t n = random(2) + A.max_mp / 10;
                A.mp += n;
                c.say("MPが " + to_string(n) + "回復");
            }
            return c.end();
        case 184:  // 良き占い
            c.heal(random(5) + A.max_hp / 20 + 1 + by_level(L, 0, 2, {3, 4, 5, 6}), "HPが ");
            return c.end();
        case 185: {  // ブラッドブレット
            int32_t n = by_level(P, 5, 7, {3, 4, 5, 6});
            if (te == 1) n /= 2;
            if (te == 2) n = 0;
            if (T.active(kMana)) n /= 2;
            if (P >= 20) n += 3;
            if (P >= 40) n += 3;
            if (c.enemy_actor()) n += T.max_hp / 20;
            TakeDamage(g, x.t, n);
            Heal(g, x.a, n);
            c.say(T.name + "からHPを " + to_string(n) + "吸収!!");
            return c.end();
        }
        case 186: {  // ファイアーパンチ
            int32_t base = random(3) + 10 + (c.enemy_actor() ? T.max_hp / 10 : 0);
            if (T.active(kFireWall)) base /= 2;
            if (te == 3) base /= 2;
            if (te == 4) base *= 2;
            c.hit(base);
            return c.end();
        }
        case 187:  // 諸行無常
            c.sure(te == 0 ? 15 : 30);
            return c.end();
        case 188: {  // 大地震
            const int32_t hits = random(2) + 2;
            for (int i = 0; i < hits; ++i) {
                c.hit(c.enemy_actor() ? T.max_hp / 20 + random(2) + 3 : random(2) + 3);
            }
            return c.end();
        }
        case 189:
            c.say("拳に電撃が宿り、次の一撃が倍化する!!");
            A.status[kPower] += 1;
            return c.end();
        case 190:
            c.say("漆黒の鎧に纏われ、次のダメージを半減させる!!");
            A.status[kGuardStance] += 1;
            return c.end();
        case 191:  // マジカルフォーメーション
            if (s == 3) return c.hit(random(3) + 10);
            {
                const int32_t n = random(2) + by_level(P, 2, 3, {1, 1, 1, 1});
                g.combatants[0].mp += n;
                c.say("MPが " + to_string(n) + "回復");
            }
            return c.end();
        case 192: {  // スターソード
            int32_t n = random(2) + 3;
            if (x.actor_earring("聖樹のイヤリング")) n += 1;
            A.status[kExtraDamage] = n;
            c.say("<追加>状態になった!!");
            return c.end();
        }
        case 193: {  // 起死回生
            int32_t n = random(5) + by_level(P, 4, 6, {3, 4, 5, 6});
            if (x.player()) n += x.lv();
            c.heal(n);
            return c.end();
        }
        case 194:  // 抜刀術
            for (Status d : {kAttackDown, kDefenceDown, kEvasionDown, kHitDown}) T.status[d] += 2;
            c.say(T.name + "はひるんだ!!");
            return c.end();
        case 195:  // 化学反応
            T.status[kDeadlyPoison] += random(2) + 3;
            c.say(T.name + "の体に<劇毒>がまわった!!");
            return c.end();
        case 196:  // マーシャルアーツ
            if (s == 3) return c.hit(c.enemy_actor() ? T.max_hp / 15 + 7 : 7);
            c.heal(random(10) + by_level(P, 1, 4, {4, 5, 6, 7}));
            return c.end();
        case 197:  // 鉄壁
            A.status[kIronWall] = random(3) + 3;
            c.say(A.name + "は一時的に防御力がかなり上昇!!");
            return c.end();
        case 198:  // パンデミック
            T.status[kTpDown] += random(2) + 4;
            c.say(T.name + "は得体の知れない病原菌に感染した!!");
            return c.end();
        case 199:  // ブラッドウェポン
            A.status[kBloodSword] = random(3) + 2;
            c.say(A.name + "の剣に、血の力が宿った!!");
            return c.end();
        case 205:  // キンナラ
            c.say("何本かの矢を、空に向けて放った!!");
            T.status[kKinnaraArrows] += random(3) + 2;
            return c.end();
        case 206:  // 美しく青き舞
            if (s == 3) return c.say("<MP÷2>分ダメージ!!");
            c.sure(A.mp / 2);
            return c.end();
        case 207: {  // ツイスター
            const int32_t f = by_level(P, 7, 9, {3, 4, 5, 6});
            if (s == 3) {
                return c.say(to_string(f) + "～" + to_string(f + 7) + "間でランダムダメージ!!");
            }
            c.sure(random(8) + f);
            return c.end();
        }
        case 208: {  // トルクヒール: the line shows the whole range the roll can reach
            const int32_t f = by_level(P, 5, 7, {3, 4, 5, 6});
            if (s == 3) return c.say("ランダム回復 " + to_string(f) + "～" + to_string(f + 10));
            c.heal(random(11) + f);
            return c.end();
        }
        case 209:  // 岩石アタック
            if (s == 3) return c.hit(c.enemy_actor() ? T.max_hp / 15 + 5 : 5);
            T.status[kParalysis] = random(2) + 1;
            c.say(T.name + "を <麻痺>させた!!");
            return c.end();
        case 210: {  // 尊き占い
            const int32_t times = random(3) + 1;
            for (int i = 0; i < times; ++i)
                c.heal(random(3) + by_level(P, 2, 3, {2, 3, 4, 5}), "HPが ");
            return c.end();
        }
        case 211: {  // 欲張り
            const int32_t n = random(5) + by_level(P, 5, 7, {3, 4, 5, 6});
            A.tp += n;
            c.say("TPが " + to_string(n) + "回復");
            return c.end();
        }
        case 212:    // 暇潰し
        case 213: {  // 射精
            if (s == 3) return c.say(x.id == 212 ? "「あー……暇だな……」" : "「う……うう!!!!」");
            const int32_t n = random(A.max_hp / 10 + 1) + by_level(P, 0, 3, {4, 5, 6, 7});
            if (x.id == 212) {
                c.heal(n);
            } else {
                A.tp += n;
                c.say("TP " + to_string(n) + "回復");
            }
            return c.end();
        }
        case 214: {  // 悪運
            const int32_t n = random(2) + 2;
            for (Status up : {kHitUp, kEvasionUp, kAttackUp, kDefenceUp}) A.status[up] += n;
            c.say(A.name + "に不思議な力が宿った....");
            return c.end();
        }
        case 215:  // 自分にやけど
            A.status[kBurn] = random(2) + 2;
            c.say(A.name + "は<火傷>を負った!!");
            return c.end();
        case 216: {  // ファイヤーストーン
            int32_t base = random(3) + 5 + (c.enemy_actor() ? T.max_hp / 20 : 0);
            if (T.active(kFireWall)) base /= 2;
            if (te == 3) base /= 2;
            if (te == 4) base *= 2;
            c.hit(base);
            return c.end();
        }
        case 217:  // ＱＺＶ true Darkness
            if (s == 3) return c.say(A.name + "の心の闇が敵を襲う....!!");
            T.status[kMysteryPoison] += random(3) + 2;
            c.say(T.name + "の体に<謎毒>がまわった!!");
            return c.end();
        case 218: {  // 豆鉄砲
            int32_t hits = random(3) + 1;
            if (x.actor_earring("星屑のイヤリング")) hits += 1;
            for (int i = 0; i < hits; ++i) c.sure(random(5) + 5);
            return c.end();
        }
        case 219:  // ぽろアタック
            c.sure(random(5) + 10);
            return c.end();
        case 220:  // 粛地
            if (s == 3) return c.hit(random(5) + 10);
            A.status[kEvasionUp] += random(3) + 2;
            c.say(A.name + "は回避率が上がった!!");
            return c.end();
        case 221: {  // スーパーHIGH
            const int32_t n = random(5) + by_level(P, 12, 15, {4, 5, 6, 7});
            A.tp += n;
            c.say(A.name + "のTPが " + to_string(n) + "回復!!");
            return c.end();
        }
        case 222:  // エクセリオンレーザー
            if (s == 3) return c.say("エネルギーが収束する....!!");
            c.sure(T.max_hp / 20 + 6);
            return c.end();
        case 223:  // 霧ミサイルう
            if (s == 3) return c.say("どこからともなくミサイルが降って来る....!!");
            c.sure(P / 2);
            return c.end();
        case 224:  // ＷＪＨロウリュ回復
            c.heal(random(10) + by_level(P, 10, 12, {3, 4, 5, 6}), (A.name + "のHPが ").c_str(),
                   "回復!!");
            return c.end();
        case 228: {  // 狐の嫁入り
            const int32_t n = random(2) + 2;
            A.status[kRegeneration] += n;
            A.status[kWater] += n;
            c.say(A.name + "は<癒>状態になった!!");
            c.say(A.name + "は<水>状態になった!!");
            return c.end();
        }
        case 232:  // ありがとうの風
        case 233:  // 全てを解き放つ
            if (s == 3) {
                return c.say(A.name + (x.id == 232 ? "はありがとうと口ずさみながら手を振った....!!"
                                                   : "は全てを解き放った....!!"));
            }
            {
                if (x.id == 232 && c.enemy_actor() && A.mp_regen_kind > 0) A.mp += 20;
                int32_t base = x.id == 232 ? random(2) + 70 : T.max_hp / 5;
                if (c.enemy_actor()) base += g.combatants[0].max_hp / 10;
                c.hit(magic_boosts(x, base));
            }
            return c.end();
        default:
            return c.end();
    }
}

}  // namespace quill
