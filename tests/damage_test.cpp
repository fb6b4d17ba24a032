// The damage rules and the techniques, with the draws of the one random source scripted.
#include <gtest/gtest.h>

#include <functional>

#include "battle/damage.h"
#include "battle/perform.h"
#include "explore/island.h"
#include "items/player_clamp.h"
#include "platform/random.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

// The battle of the tests, the technique in progress 踏みつぶす (no element, not magic).
struct DamageFixture : testing_support::InBattle {
    DamageFixture() : InBattle(1, 500) {}
    std::vector<std::string> lines() const { return LogLines(game); }
    std::string joined() const { return joined_log(); }
};

TEST(Damage, TheHitChanceIsClampedThenJittered) {
    struct Case {
        int32_t hit, evasion;
        int32_t jitter_draw, hit_draw;
        int32_t dodge, sure;
        const char* line;
    };
    const Case cases[] = {
        {0, 300, 0, 1, 0, 0, "命中率 2％＞ククルに "},    // 5, then -3: 2, and 1 < 2 hits
        {0, 300, 0, 2, 0, 0, "命中率 2％＞Miss...."},     // 2 < 2 does not
        {500, 0, 6, 97, 0, 0, "命中率 98％＞ククルに "},  // 95, then +3
        {500, 0, 6, 98, 0, 0, "命中率 98％＞Miss...."},
        {500, 0, 3, 0, 1, 0, "命中率 0％＞Miss...."},      // dodged, after the jitter
        {0, 300, 3, 99, 0, 1, "命中率 100％＞ククルに "},  // a sure hit
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().hit = c.hit;
        g.enemy().evasion = c.evasion;
        g.enemy().status[kDodge] = c.dodge;
        g.adventurer().status[kSureHit] = c.sure;
        // jitter, hit roll, then (on a hit) guard jitter and roll, critical jitter and roll
        platform::script_random({c.jitter_draw, c.hit_draw, 3, 99, 3, 99});
        Damage(g, 0, 1, 5);
        EXPECT_TRUE(f.logged_start(c.line)) << c.line;
        if (c.dodge) EXPECT_EQ(g.enemy().status[kDodge], 0);
        if (c.sure) EXPECT_EQ(g.adventurer().status[kSureHit], 0);
    }
}

TEST(Damage, GuardAndCriticalChancesAndAGuardedHitIsNeverCritical) {
    struct Case {
        int32_t guard_draw, critical_draw;
        bool guarded, critical;
    };
    // Guard 50 %: guarded when the draw is below 50; critical 10 %: when it is 10 or less.
    const Case cases[] = {
        {49, 99, true, false}, {50, 10, false, true}, {50, 11, false, false}, {0, 0, true, false}};
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.enemy().guard_rate = 50;
        g.adventurer().critical_rate = 10;
        g.adventurer().attack = 35;  // 5 + 35 = 40 against no defence
        platform::script_random({3, 0, 3, c.guard_draw, 3, c.critical_draw});
        Damage(g, 0, 1, 5);
        EXPECT_EQ(f.logged("ガード率 50％＞ガードしました!! ダメージ半減"), c.guarded);
        EXPECT_EQ(f.logged("ｸﾘﾃｨｶﾙ率 10％＞クリティカルヒット!! ダメージ倍増"), c.critical);
        const int32_t dealt = c.guarded ? 20 : c.critical ? 80 : 40;
        EXPECT_TRUE(f.logged_start("命中率 95％＞ククルに " + std::to_string(dealt) + "ダメージ"))
            << dealt << " " << f.joined();
        EXPECT_EQ(g.state.guard_count, c.guarded ? 1 : 0);
    }
}

// One blow of 40 (5 and an attack of 35, nothing worn, nothing guarded or critical) through
// each modifier of the chain on its own, with the numbers the rules give.
TEST(Damage, EachModifierOfTheChainChangesTheBlowByItsOwnAmount) {
    struct Case {
        const char* what;
        std::function<void(Game&)> setup;
        int32_t dealt;
        const char* line;  // a line the modifier logs, or nothing
    };
    const Case cases[] = {
        {"plain", [](Game&) {}, 40, nullptr},
        {"攻↑", [](Game& g) { g.adventurer().status[kAttackUp] = 2; }, 51, nullptr},  // +40/4+1
        {"防↑", [](Game& g) { g.enemy().status[kDefenceUp] = 2; }, 29, nullptr},      // -(10+1)
        {"鉄壁", [](Game& g) { g.enemy().status[kIronWall] = 2; }, 26, nullptr},      // -(13+1)
        {"無耐性", [](Game& g) { g.enemy().status[kResistNone] = 2; }, 26, "<無耐性>により威力↓"},
        {"無力", [](Game& g) { g.adventurer().status[kPowerNone] = 2; }, 54, "<無力>により威力↑"},
        {"a fire technique on a fire enemy of element guard",
         [](Game& g) {
             g.skills[0].element_fire = 1;
             g.enemy().element = 3;
             g.enemy().element_guard = 1;
         },
         8, "<火耐性>により威力大幅↓"},  // a fifth
        {"攻↓", [](Game& g) { g.adventurer().status[kAttackDown] = 2; }, 20, nullptr},
        {"守↓", [](Game& g) { g.enemy().status[kDefenceDown] = 2; }, 61, nullptr},  // +40/2+1
        {"パワー", [](Game& g) { g.adventurer().status[kPower] = 2; }, 80, nullptr},
        {"防 (the guard stance)", [](Game& g) { g.enemy().status[kGuardStance] = 2; }, 20,
         "防御＞威力↓"},
        {"光, who takes a tenth", [](Game& g) { g.enemy().name = "光"; }, 4, nullptr},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().attack = 35;
        c.setup(g);
        const int32_t tp = g.enemy().tp;
        // hit jitter and roll, guard jitter and roll, critical jitter and roll, the places of
        // the blow's two pop-ups, then the defender's TP
        platform::script_random({3, 0, 3, 99, 3, 99, 0, 0, 0, 0, 2});
        Damage(g, 0, 1, 5);
        EXPECT_EQ(500 - g.enemy().hp, c.dealt) << c.what << "\n" << f.joined();
        if (c.line) EXPECT_TRUE(f.logged(c.line)) << c.what;
        EXPECT_EQ(g.enemy().tp, tp + 12) << c.what;  // 10 + the draw of 2
    }
    // The stance takes one blow off its count; the power one of its uses.
    DamageFixture f;
    f.game.enemy().status[kGuardStance] = 2;
    f.game.adventurer().status[kPower] = 3;
    platform::script_random({3, 0, 3, 99, 3, 99, 0});
    Damage(f.game, 0, 1, 5);
    EXPECT_EQ(f.game.enemy().status[kGuardStance], 1);
    EXPECT_EQ(f.game.adventurer().status[kPower], 2);
}

// The chances as the log tells them, each status on its own: a hit of 50 (the draws' jitter
// at 0) moved by 30 either way, a guard of 50 and a critical of 10 raised by their statuses.
TEST(Damage, TheStatusesMoveTheHitGuardAndCriticalChancesByTheirAmounts) {
    struct Case {
        const char* what;
        std::function<void(Game&)> setup;
        const char* line;
    };
    const Case cases[] = {
        {"plain", [](Game&) {}, "命中率 50％＞"},
        {"命↑", [](Game& g) { g.adventurer().status[kHitUp] = 2; }, "命中率 80％＞"},
        {"命↓", [](Game& g) { g.adventurer().status[kHitDown] = 2; }, "命中率 20％＞"},
        {"回↑", [](Game& g) { g.enemy().status[kEvasionUp] = 2; }, "命中率 20％＞"},
        {"回↓", [](Game& g) { g.enemy().status[kEvasionDown] = 2; }, "命中率 80％＞"},
        {"固↑", [](Game& g) { g.enemy().status[kFirm] = 2; }, "ガード率 70％＞"},
        {"ガ↑", [](Game& g) { g.enemy().status[kGuardUp] = 2; }, "ガード率 75％＞"},
        {"ｸﾘ↑", [](Game& g) { g.adventurer().status[kCriticalUp] = 2; }, "ｸﾘﾃｨｶﾙ率 30％＞"},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.enemy().evasion = 50;
        c.setup(g);
        const bool guard = std::string(c.line).rfind("ガード", 0) == 0;
        const bool critical = std::string(c.line).rfind("ｸﾘ", 0) == 0;
        g.enemy().guard_rate = guard ? 50 : 0;
        g.adventurer().critical_rate = critical ? 10 : 0;
        // no jitter anywhere; the hit lands; a guard and a critical when they are looked at
        platform::script_random({3, 0, 3, guard ? 0 : 99, 3, critical ? 0 : 99});
        Damage(g, 0, 1, 5);
        EXPECT_TRUE(f.logged_start(c.line)) << c.what << "\n" << f.joined();
    }
}

TEST(Damage, TheFireWallAndTheThornsHurtTheAttacker) {
    struct Case {
        const char* what;
        int32_t element;
        Status status;
        const char* line;
    };
    const Case cases[] = {
        {"the wall, half the blow of 40", 0, kFireWall,
         "炎壁ダメージ＞ ルカは20ダメージを受けてしまった!!"},
        {"the wall, half again more for water", 4, kFireWall,
         "炎壁ダメージ＞ ルカは30ダメージを受けてしまった!!"},
        {"the thorns, 3 and the draw of 4", 0, kThorns,
         "棘ダメージ＞ ルカは7ダメージを受けてしまった!!"},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().attack = 35;
        g.adventurer().element = c.element;
        g.enemy().status[c.status] = 2;
        // hit, no guard, no critical, the places of the blow's pop-ups, then the thorns' draw
        platform::script_random({3, 0, 3, 99, 3, 99, 0, 0, 0, 0, 4});
        Damage(g, 0, 1, 5);
        EXPECT_TRUE(f.logged(c.line)) << c.what << "\n" << f.joined();
    }
}

// The adventurer's combinations grow with the level, each step on the blow as it stands:
// +a/10+3 from 50, +a/8+3 from 55, +a/5+3 from 60, +a/4+3 from 70, +a/3+3 at 99.
TEST(Damage, TheAdventurersCombinationsGrowWithTheLevel) {
    struct Case {
        int32_t level, dealt;
    };
    for (const Case& c :
         {Case{49, 40}, {50, 47}, {55, 55}, {60, 69}, {70, 89}, {98, 89}, {99, 121}}) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().attack = 35;
        g.adventurer().level = c.level;
        g.action_technique = 101;  // 地球投げ
        platform::script_random({3, 0, 3, 99, 3, 99});
        Damage(g, 0, 1, 5);
        EXPECT_EQ(500 - g.enemy().hp, c.dealt) << c.level << "\n" << f.joined();
    }
}

TEST(Damage, AGuardedBlowIsHalvedDownward) {
    for (auto [attack, dealt] : {std::pair{35, 20}, {36, 20}, {37, 21}}) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().attack = attack;
        g.enemy().guard_rate = 99;
        platform::script_random({3, 0, 3, 0, 3, 99, 0});
        Damage(g, 0, 1, 5);
        EXPECT_EQ(500 - g.enemy().hp, dealt) << attack;
    }
}

TEST(Damage, AGuardingShieldGivesTheAdventurerItsHpMpAndTp) {
    struct Case {
        const char* shield;
        int32_t hp, mp, tp;
    };
    // The rule's table, and the last shield with the catalogue's own "ガード時 HP+7 MP+7 TP+50".
    const Case cases[] = {
        {"白の円盾", 0, 1, 0},        {"黒の円盾", 0, 1, 5},          {"赤の円盾", 0, 1, 10},
        {"青の円盾", 0, 2, 15},       {"紫の円盾", 1, 2, 20},         {"虹色の円盾", 2, 2, 25},
        {"不可視の円盾", 3, 3, 30},   {"アクシオンの円盾", 4, 4, 35}, {"論理の円盾", 5, 5, 40},
        {"波動関数の円盾", 6, 6, 45}, {"ｳｪｰﾌﾞｺｲﾙ蝶の円盾", 7, 7, 50},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        Combatant& a = g.adventurer();
        a.shield = FindItemByName(g.items, c.shield);
        ASSERT_GT(a.shield, 0) << c.shield;
        a.guard_rate = 99;
        a.defence = 1000;  // the blow itself is 1 whatever the shield
        a.hp = 50;
        a.max_mp = 50;
        a.mp = 10;
        a.tp = 0;
        g.active_side = 1;
        // the pet's cover, hit jitter and roll, a guard, no critical, the places of the
        // blow's three pop-ups, the TP draw of 0
        platform::script_random({5, 3, 0, 3, 0, 3, 99, 0, 0, 0, 0, 0, 0, 0});
        Damage(g, 1, 0, 5);
        EXPECT_TRUE(f.logged_start("ガード率 ")) << c.shield;
        EXPECT_EQ(a.hp, 50 + c.hp - 0) << c.shield;  // a guarded 1 halves to 0
        EXPECT_EQ(a.mp, 10 + c.mp) << c.shield;
        EXPECT_EQ(a.tp, c.tp + 10) << c.shield;
    }
}

TEST(Damage, ThePetsOwnHitCarriesNoTechnique) {
    DamageFixture f;
    Game& g = f.game;
    g.action_technique = 9;  // ほのお, magic and of fire, in progress for the adventurer
    const HitKind pet = HitKindOf(g, 2);
    EXPECT_FALSE(pet.magic);
    EXPECT_FALSE(pet.fire);
    EXPECT_EQ(std::string(pet.name), "");
    const HitKind own = HitKindOf(g, 0);
    EXPECT_TRUE(own.magic);
    EXPECT_TRUE(own.fire);
}

TEST(Damage, ASureBlowOnAnElementGuardKeepsAQuarter) {
    DamageFixture f;
    Game& g = f.game;
    g.enemy().element_guard = 1;
    SureDamage(g, 0, 1, 40);
    EXPECT_TRUE(f.logged("ククルに 10のダメージ!!")) << f.joined();
    EXPECT_EQ(g.enemy().hp, 490);
}

TEST(Damage, AtLeastOneByTheFullRuleAndZeroByTheSureOne) {
    DamageFixture f;
    Game& g = f.game;
    g.enemy().defence = 100;
    platform::script_random({3, 0, 3, 99, 3, 99});
    Damage(g, 0, 1, 5);
    EXPECT_EQ(g.enemy().hp, 499);
    SureDamage(g, 0, 1, 0);
    EXPECT_TRUE(f.logged("ククルに 0のダメージ!!"));
    EXPECT_EQ(g.enemy().hp, 499);
}

TEST(Damage, AFireAttackerAgainstAFireWallStillTakesOne) {
    DamageFixture f;
    Game& g = f.game;
    g.adventurer().element = 3;
    g.enemy().status[kFireWall] = 2;
    g.adventurer().attack = 20;
    platform::script_random({3, 0, 3, 99, 3, 99});
    Damage(g, 0, 1, 5);
    EXPECT_TRUE(f.logged("炎壁ダメージ＞ ルカは1ダメージを受けてしまった!!"));
}

TEST(Damage, WaterLaserIgnoresDefenceAndMaydayYamaoWearsNoCritical) {
    DamageFixture f;
    Game& g = f.game;
    g.enemy().defence = 100;
    g.action_technique = 48;  // ウォータレーザー
    platform::script_random({3, 0, 3, 99, 3, 99});
    Damage(g, 0, 1, 5);
    EXPECT_EQ(g.enemy().hp, 495);

    // The adventurer in ヤマオの胴着 takes a critical at its plain size, with its line.
    DamageFixture y;
    Game& h = y.game;
    h.adventurer().armour = FindItemByName(h.items, "ヤマオの胴着");
    h.adventurer().defence = -100;  // so that the armour's own defence leaves much to deal
    h.adventurer().max_hp = h.adventurer().hp = 500;
    h.enemy().attack = 0;
    h.enemy().critical_rate = 50;
    h.active_side = 1;
    h.action_technique = 0;
    // pet shield (none), jitter, hit, guard jitter and roll, critical jitter and roll
    platform::script_random({5, 3, 0, 3, 99, 3, 0});
    const int32_t before = h.adventurer().hp;
    Damage(h, 1, 0, 5);
    EXPECT_TRUE(y.logged_start("ｸﾘﾃｨｶﾙ率 50％＞"));
    const int32_t armour = h.items[h.adventurer().armour].defence;
    EXPECT_EQ(before - h.adventurer().hp, 5 + 100 - armour) << y.joined();
}

TEST(Damage, TheOverkillHealNeedsAFallenTargetAndALevelOfTwentyFive) {
    struct Case {
        int32_t enemy_hp, level;
        bool heals;
    };
    for (const Case& c : {Case{0, 25, true}, Case{0, 24, false}, Case{3, 30, false}}) {
        DamageFixture f;
        Game& g = f.game;
        g.enemy().hp = c.enemy_hp;
        g.adventurer().level = c.level;
        g.adventurer().hp = 50;
        platform::script_random({3, 0, 3, 99, 3, 99});
        Damage(g, 0, 1, 5);
        EXPECT_EQ(f.logged("オーバーキル＞ 11回復"), c.heals) << c.enemy_hp << " " << c.level;
    }
    // Never the enemy's: it asks for the adventurer's level.
    DamageFixture f;
    Game& g = f.game;
    g.adventurer().level = 40;
    g.adventurer().hp = 0;
    g.active_side = 1;
    platform::script_random({5, 3, 0, 3, 99, 3, 99});
    Damage(g, 1, 0, 5);
    EXPECT_FALSE(f.logged_start("オーバーキル"));
}

// One advance of the action in progress.
void advance(Game& g) {
    g.button_held = 1;
    PerformStep(g);
}

TEST(Techniques, CostsAreComparedBeforeTheCloaksLowerThem) {
    DamageFixture f;
    Game& g = f.game;
    g.adventurer().armour = FindItemByName(g.items, "次元のマント");
    g.adventurer().mp = 3;
    g.adventurer().max_mp = 10;
    g.state.skill_level[37] = 1;
    g.action_technique = 37;  // しゃくねつ: 4 MP
    g.action_step = 1;
    advance(g);
    EXPECT_TRUE(f.logged("MPが足りなかった...."));
    EXPECT_EQ(g.adventurer().mp, 3);
    EXPECT_EQ(g.action_step, 0);
    // With 4 MP it goes, and pays 1 (4 lowered by three, not below 1).
    g.adventurer().mp = 4;
    g.action_step = 1;
    advance(g);
    EXPECT_EQ(g.adventurer().mp, 3);
}

TEST(Techniques, RepresentativesOfEachFamily) {
    struct Case {
        const char* family;
        int32_t id, level;
        std::vector<int32_t> draws;
        int advances;
        std::vector<std::string> lines;  // each must be in the log
        std::function<void(Game&)> check;
    };
    const std::vector<Case> cases = {
        {"physical",
         0,
         4,
         {3, 0, 3, 99, 3, 99},
         2,
         {"＞踏みつぶす", "命中率 95％＞ククルに 7ダメージ"},
         [](Game& g) { EXPECT_EQ(g.enemy().hp, 493); }},
        {"magic, against water",
         9,
         1,
         {1, 3, 0, 3, 99, 3, 99},
         2,
         {"＞ほのお", "命中率 95％＞ククルに 14ダメージ"},  // (1 + 1 + 5) doubled
         [](Game& g) { EXPECT_EQ(g.adventurer().mp, 0); }},
        {"healing",
         2,
         3,
         {1},
         3,
         {"ルカは虫を呼び寄せた!!", "HP 6回復"},  // lv + random(2) + 2
         [](Game& g) { EXPECT_EQ(g.adventurer().hp, 56); }},
        {"status",
         20,
         4,
         {1},
         2,
         {"ククルは <麻痺>してしまった!!"},  // lv / 2 + random(2) + 3
         [](Game& g) { EXPECT_EQ(g.enemy().status[kParalysis], 6); }},
        {"special",
         19,
         1,
         {},
         2,
         {"ククルは HPに 99ダメージ受けた!!"},  // half of 500, but never above 99
         [](Game& g) { EXPECT_EQ(g.enemy().hp, 401); }},
        {"sure, ignoring defence, evasion and guard",
         8,
         1,
         {},
         3,
         {"ルカはでこぴんの構え", "ククルに 50のダメージ!!"},
         [](Game& g) { EXPECT_EQ(g.enemy().hp, 450); }},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        if (c.id == 9) g.enemy().element = 4;
        if (c.id == 8) {
            g.enemy().defence = 99;
            g.enemy().evasion = 999;
            g.enemy().guard_rate = 99;
        }
        g.adventurer().hp = 50;
        g.adventurer().mp = c.id == 9 ? 1 : 20;
        g.adventurer().tp = 100;
        g.state.skill_level[c.id] = c.level;
        g.action_technique = c.id;
        g.action_step = 1;
        advance(g);  // the costs
        platform::script_random(c.draws);
        for (int i = 1; i < c.advances; ++i) advance(g);
        for (const std::string& line : c.lines) {
            EXPECT_TRUE(f.logged_start(line)) << c.family << ": " << line << " / " << f.joined();
        }
        c.check(g);
        EXPECT_EQ(g.action_step, 0) << c.family;  // the action ended
        EXPECT_EQ(g.turn_pending, 1) << c.family;
    }
}

// The enemy's 吸血 grows by 4 for an adventurer above level 19, 4 more above 39, and 4 for an
// enemy that regains MP; its 虫ヒール heals 4 or 5.
TEST(Techniques, TheEnemysDrainGrowsWithTheAdventurerAndItsHealIsFourOrFive) {
    struct Case {
        int32_t id, level, regen, draw;
        const char* line;
        int32_t enemy_hp;
    };
    const Case cases[] = {
        {15, 19, 0, 0, "ルカからHPを 2吸収!!", 102},
        {15, 20, 0, 0, "ルカからHPを 6吸収!!", 106},
        {15, 40, 0, 0, "ルカからHPを 10吸収!!", 110},
        {15, 40, 1, 0, "ルカからHPを 14吸収!!", 114},
        {2, 1, 0, 0, "HP 4回復", 104},
        {2, 1, 0, 1, "HP 5回復", 105},
    };
    for (const Case& c : cases) {
        DamageFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        Combatant& e = g.enemy();
        e.max_hp = 500;
        e.hp = 100;
        e.mp = e.max_mp = 50;
        e.tp = 100;
        e.mp_regen_kind = c.regen;
        g.active_side = 1;
        g.action_technique = c.id;
        g.action_step = 1;
        advance(g);  // the costs
        platform::script_random({c.draw});
        for (int i = 0; i < 3 && g.action_step != 0; ++i) advance(g);
        EXPECT_TRUE(f.logged(c.line)) << c.line << " / " << f.joined();
        EXPECT_EQ(e.hp, c.enemy_hp) << c.line;
    }
}

TEST(Techniques, TheCountersThatGrowByUseStopAtNine) {
    DamageFixture f;
    Game& g = f.game;
    for (Combatant* c : {&g.adventurer(), &g.enemy()}) {
        c->status[kGuardStance] = 9;
        c->status[kPower] = 10;
        c->status[kGuardUp] = 30;
    }
    ClampPlayerState(g);
    for (Combatant* c : {&g.adventurer(), &g.enemy()}) {
        EXPECT_EQ(c->status[kGuardStance], 9);
        EXPECT_EQ(c->status[kPower], 9);
        EXPECT_EQ(c->status[kGuardUp], 9);
    }
}

TEST(Techniques, EscapeSucceedsWithChanceCPlusOneInAHundred) {
    for (auto [draw, escapes] : {std::pair{50, true}, {51, false}}) {
        DamageFixture f;
        Game& g = f.game;
        g.action_technique = 22;
        g.action_step = 1;
        advance(g);
        platform::script_random({draw});
        advance(g);
        EXPECT_EQ(g.state.escape_count, escapes ? 1 : 0) << draw;
        EXPECT_EQ(g.map_shown, escapes ? 1 : 0);
    }
    // An enemy that flees ends the battle but is no escape of the adventurer's.
    DamageFixture f;
    Game& g = f.game;
    g.active_side = 1;
    g.action_technique = 22;
    g.action_step = 1;
    advance(g);
    platform::script_random({0});
    advance(g);
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_EQ(g.state.escape_count, 0);
}

TEST(Techniques, ManyHitsKeepHittingAFallenTarget) {
    DamageFixture f;
    Game& g = f.game;
    g.adventurer().level = 30;
    g.adventurer().hp = 50;
    g.enemy().hp = 1;
    g.state.skill_level[33] = 10;
    g.action_technique = 33;  // ビンタ
    g.adventurer().tp = 100;
    g.action_step = 1;
    advance(g);
    // Hits: random(2) + 1 + random(lv / 2 + 1) = 1 + 1 + 3 = 5.
    platform::script_random({1, 3});
    advance(g);
    int hits = 0;
    for (const std::string& l : f.lines()) hits += l.rfind("命中率 ", 0) == 0;  // hit or missed
    EXPECT_EQ(hits, 5) << f.joined();
    EXPECT_TRUE(f.logged_start("オーバーキル＞ "));
}

TEST(Techniques, TheShurikenTakesOnlyAWornWeapon) {
    DamageFixture f;
    Game& g = f.game;
    g.state.skill_level[18] = 1;
    g.action_technique = 18;
    g.adventurer().tp = 100;
    g.action_step = 1;
    advance(g);
    advance(g);
    advance(g);
    EXPECT_TRUE(f.logged("ルカは攻撃力が低下した...."));
    EXPECT_EQ(g.adventurer().status[kAttackDown], 2);
    // With a weapon: it is gone, and only the adventurer's own count goes down.
    DamageFixture w;
    Game& h = w.game;
    h.adventurer().weapon = 4;
    h.state.item_count[4] = 1;
    h.state.skill_level[18] = 1;
    h.action_technique = 18;
    h.adventurer().tp = 100;
    h.action_step = 1;
    advance(h);
    advance(h);
    advance(h);
    EXPECT_TRUE(w.logged("ルカは装備していた武器【山の棍棒】を失った...."));
    EXPECT_EQ(h.adventurer().weapon, 0);
    EXPECT_EQ(h.state.item_count[4], 0);
}

}  // namespace
}  // namespace quill
