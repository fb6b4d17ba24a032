// The damage rules and the techniques, with the draws of the one random source scripted.
#include <gtest/gtest.h>

#include <functional>

#include "battle/damage.h"
#include "battle/perform.h"
#include "explore/island.h"
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
