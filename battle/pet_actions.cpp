#include "battle/pet_actions.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "battle/damage.h"
#include "battle/pools.h"
#include "battle/sequencer.h"
#include "platform/random.h"
#include "state/state_ops.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

constexpr int kPlayer = 0, kEnemy = 1, kPet = 2;

// What the pet does, seen from its tendency (0 無, 1 光, 2 闇, 3 火, 4 水).
struct Pet {
    Game& g;
    Combatant& pet() { return g.combatants[kPet]; }
    Combatant& player() { return g.combatants[kPlayer]; }
    Combatant& enemy() { return g.combatants[kEnemy]; }
    int32_t P() { return pet().attack; }
    int32_t T() { return pet().pet_type(); }

    void say(const std::string& words) { LogLine(g, pet().name + words); }
    // A counter raised the pet's way: random(2) + P/10 + 2.
    void raise(Combatant& c, Status s) { c.status[s] += random(2) + P() / 10 + 2; }

    // The tendency's touch on a heal, on MP, on TP and on a blow.
    int32_t heal_amount(int32_t n) {
        if (T() == 1) return n + n / 2 + 1;
        if (T() == 2) return n - n / 3;
        return n;
    }
    int32_t mp_amount(int32_t m) {
        if (T() == 2) return m + m / 2 + 1;
        if (T() == 1) return m - m / 3;
        return m;
    }
    int32_t tp_amount(int32_t k) {
        if (T() == 4) return k + k / 2 + 1;
        if (T() == 3) return k - k / 3;
        return k;
    }
    int32_t blow(int32_t d) {
        if (T() == 4) return d - d / 4;
        if (T() == 3) return d + d / 4 + 1;
        return d;
    }

    void heal_player(int32_t n) {
        Heal(g, kPlayer, n);
        LogLine(g, player().name + "のHPを " + to_string(n) + "回復");
    }
    void heal_self(int32_t n) {
        Heal(g, kPet, n);
        LogLine(g, pet().name + "のHPが " + to_string(n) + "回復");
    }
    void player_mp(int32_t n) {
        ChangeMp(g, kPlayer, n);
        LogLine(g, player().name + "のMPを " + to_string(n) + "回復");
    }
    void player_tp(int32_t n) {
        player().tp += n;
        LogLine(g, player().name + "のTPを " + to_string(n) + "回復");
    }

    void support(int32_t a);
    void without_mp();
};

constexpr const char* kElementWords[] = {"無", "光", "闇", "火", "水"};
constexpr Status kResists[] = {kResistNone, kResistLight, kResistDark, kResistFire, kResistWater};
constexpr Status kPowers[] = {kPowerNone, kPowerLight, kPowerDark, kPowerFire, kPowerWater};

void Pet::support(int32_t a) {
    Combatant& me = player();
    Combatant& foe = enemy();
    const int32_t t = std::clamp(T(), 0, 4);
    switch (a) {
        case 0: {
            static constexpr const char* kCheers[] = {"＞応援", "＞白い応援", "＞黒い応援",
                                                      "＞赤い応援", "＞青い応援"};
            say(kCheers[t]);
            raise(me, kResists[t]);
            LogLine(g, me.name + "の<" + kElementWords[t] + "耐性>が少し上がった!!");
            if (pet().level >= 21) {
                if (t == 0 || t == 4) player_tp(random(3) + 5);
                if (t == 1) heal_player(me.max_hp / 30 >= 8 ? 8 : me.max_hp / 30 + 1);
                if (t == 2 || t == 3) player_mp(1);
            }
            return;
        }
        case 1:
            if (me.hp < static_cast<int32_t>(me.max_hp * 0.8)) {
                say("＞傷を舐める");
                heal_player(heal_amount(me.max_hp / 20 >= 10 ? 10 : me.max_hp / 20 + 1));
            } else {
                say("＞敵の気を引く");
                raise(foe, kEvasionDown);
                LogLine(g, foe.name + "を<回避率↓>状態にさせた");
            }
            return;
        case 2: {
            static constexpr const char* kDances[] = {"＞ダンス", "＞白いダンス", "＞黒いダンス",
                                                      "＞赤いダンス", "＞青い"};
            say(kDances[t]);
            raise(me, kPowers[t]);
            LogLine(g, me.name + "の<" + kElementWords[t] + "力>が少し上がった!!");
            return;
        }
        case 3:
            if (random(3) != 0 || pet().level < 30) {
                say("＞勇気をちょっぴり上げる");
                player_tp(tp_amount(random(10) + 10));
            } else {
                say("＞勇気を上げる");
                player_tp(tp_amount(random(10) + 20));
            }
            return;
        case 4:
            say("＞ジャンプ蹴り");
            Damage(g, kPet, kEnemy, blow(random(2) + P()));
            return;
        case 5:
            if (me.mp < me.max_mp) {
                say("＞ネコ語");
                int32_t n = random(2);
                if (t != 1 || random(3) != 0) n += 1;
                if (t == 2 && random(3) == 0) n += 1;
                player_mp(n);
            } else {
                say("＞ヘックシュン");
                raise(foe, kHitDown);
                LogLine(g, foe.name + "を<命中率↓>状態にさせた");
            }
            return;
        case 6: {
            say("＞ニャ～ン");
            static constexpr Status kGifts[] = {kSureHit, kRegeneration, kMana, kCriticalUp,
                                                kWater};
            if (t == 0) {
                me.status[kSureHit] += 1;
            } else {
                raise(me, kGifts[t]);
            }
            LogLine(g, me.name + "を" + std::string(status_tag(kGifts[t])) + "状態にさせた");
            return;
        }
        case 7: {
            say("＞ニャゴー！");
            static constexpr Status kCurses[] = {kHitDown, kFaint, kAttackDown, kBurn, kPoison};
            if (t == 1) {
                foe.status[kFaint] += 1;
                LogLine(g, foe.name + "を気絶させた!!");
                return;
            }
            raise(foe, kCurses[t]);
            LogLine(g, foe.name + "を" + std::string(status_tag(kCurses[t])) + "状態にさせた");
            return;
        }
        case 8:
            say("＞スーパー肉球パンチ");
            Damage(g, kPet, kEnemy, blow(random(2) + P() + P() / 2));
            return;
        case 9: {
            say("＞自分の傷を舐める");
            const int32_t base = pet().max_hp / 20 >= 9 ? 10 : pet().max_hp / 20 + 2;
            heal_self(heal_amount(base));
            return;
        }
        default: {
            say("＞猫の祈り");
            heal_player(heal_amount(me.max_hp / 10 >= 15 ? 15 : me.max_hp / 10 + 1));
            player_mp(mp_amount(random(2) + 1));
            player_tp(tp_amount(random(10) + 10));
            return;
        }
    }
}

void Pet::without_mp() {
    PlaySound(g, "cat.wav");
    const int32_t level = pet().level;
    const int32_t r = level < 28 ? random(level / 4) : random(6);
    switch (r) {
        case 0:
            say("＞ひっかく");
            Damage(g, kPet, kEnemy, random(2) + P() / 4);
            return;
        case 1:
            say("＞肉球パンチ");
            Damage(g, kPet, kEnemy, random(2) + P() / 3 + 1);
            return;
        case 2:
            if (random(2) == 0) {
                say("＞突進....失敗");
                return;
            }
            say("＞突進");
            Damage(g, kPet, kEnemy, random(2) + P() / 2 + 2);
            return;
        case 3:
            say("は自分の身を守った");
            pet().status[kGuardStance] += 1;
            return;
        case 4:
            say("は精神を集中させた");
            pet().mp = std::min(pet().mp + 1, pet().max_mp);
            return;
        default: {
            say("＞少し休む");
            const int32_t base = pet().max_hp / 30 >= 5 ? 5 : pet().max_hp / 30 + 1;
            heal_self(heal_amount(base));
            return;
        }
    }
}

}  // namespace

void PetActsAtTurnStart(Game& g) {
    Arm(g, 1);
    Pet p{g};
    Combatant& pet = p.pet();
    if (pet.intellect < 1) pet.intellect = 0;
    if (pet.mp > 0) {
        pet.mp -= 1;
        const int32_t a = random(pet.intellect / 2 + 1);
        static constexpr const char* kVoices[] = {"cat1.wav", "cat2.wav", "cat3.wav", "cat4.wav"};
        PlaySound(g, kVoices[a % 4]);
        p.support(a);
    } else {
        p.without_mp();
    }
}

void ShiftPetMoods(Combatant& pet, const std::array<bool, 5>& elements) {
    for (int e = 0; e < 5; ++e) {
        if (!elements[e]) continue;
        for (int i = 0; i < 5; ++i) pet.moods[i] += i == e ? 1 : -1;
    }
    for (int32_t& m : pet.moods) m = std::clamp(m, 0, 10);
    for (int i = 0; i < 5; ++i) {
        bool greatest = true;
        for (int j = 0; j < 5; ++j) greatest = greatest && (j == i || pet.moods[i] > pet.moods[j]);
        if (greatest) pet.pet_type() = i;
    }
}

void PetMoodsFollow(Game& g) {
    if (!has_pet(g) || g.combatants[kPet].hp < 1) return;
    if (random(10) != 0) return;
    const int32_t id = g.action_technique;
    if (id < 0 || id >= kSkillIds) return;
    const SkillRecord& t = g.skills[id];
    ShiftPetMoods(g.combatants[kPet],
                  {t.element_none == 1, t.element_light == 1, t.element_dark == 1,
                   t.element_fire == 1, t.element_water == 1});
}

}  // namespace quill
