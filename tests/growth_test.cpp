// The growth of techniques: the reward after a won battle, use milestones, strengthening.
#include <gtest/gtest.h>

#include "battle/perform.h"
#include "growth/technique_growth.h"
#include "platform/random.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

struct GrowthFixture : testing_support::InBattle {
    GrowthFixture() : InBattle(4, 50) {}
    void learn(int count) {
        int learned = 0;
        for (int id = 0; id < 100 && learned < count; ++id) {
            game.state.skill_level[id] = game.skills[id].name.empty() ? 0 : 1;
            learned += game.state.skill_level[id];
        }
        for (int id = 0; id < 100; ++id) {
            if (learned > count && game.state.skill_level[id]) {
                game.state.skill_level[id] = 0;
                --learned;
            }
        }
    }
};

// Each halving of the technique roll at its own threshold: at the level with exactly that
// many techniques learned the chance halves, with one more it does not; then the story
// battles' halving, the walk's cuts by distance and the cap of 200.
TEST(Growth, EachHalvingOfTheTechniqueRollAtItsThreshold) {
    struct Case {
        int32_t level, learned, scene, distance;
        int32_t b;
    };
    const Case cases[] = {
        {5, 4, 1, 0, 15},     {5, 5, 1, 0, 30},     {10, 5, 1, 0, 22},
        {10, 6, 1, 0, 45},    {15, 7, 1, 0, 30},    {15, 8, 1, 0, 60},
        {20, 9, 1, 0, 37},    {20, 10, 1, 0, 75},   {25, 13, 1, 0, 45},
        {25, 14, 1, 0, 90},   {30, 15, 1, 0, 52},   {30, 16, 1, 0, 105},
        {35, 16, 1, 0, 60},   {35, 17, 1, 0, 120},  {40, 17, 1, 0, 67},
        {40, 18, 1, 0, 135},  {45, 19, 1, 0, 75},   {45, 20, 1, 0, 150},
        {50, 21, 1, 0, 82},   {50, 22, 1, 0, 165},  {55, 23, 1, 0, 90},
        {55, 24, 1, 0, 180},  {60, 25, 1, 0, 97},   {60, 26, 1, 0, 195},
        {70, 26, 1, 0, 200},  {60, 26, 4, 0, 97},   {60, 26, 1, 10, 156},
        {60, 26, 1, 20, 125}, {60, 26, 1, 30, 100}, {1, 0, 1, 30, 10},
        {1, 0, 1, 0, 18},     {20, 9, 4, 0, 18},  // the least chance at the start; a story battle
    };
    for (const Case& c : cases) {
        GrowthFixture f;
        f.game.adventurer().level = c.level;
        f.game.state.skill_level.fill(0);
        f.learn(c.learned);
        f.game.scene_kind = c.scene;
        f.game.state.distance_m = c.distance;
        EXPECT_EQ(TechniqueRollChance(f.game), c.b)
            << "level " << c.level << ", " << c.learned << " learned, scene " << c.scene << ", "
            << c.distance << " m";
    }
}

TEST(Growth, TheChancesOfTheHoshioAndBpRolls) {
    struct Case {
        int32_t level, held, scene, distance;
        int32_t hoshio, bp;
    };
    const Case cases[] = {
        {4, 0, 2, 0, 100, 100},  {5, 0, 2, 0, 50, 100},   {10, 0, 2, 0, 25, 100},
        {10, 1, 2, 0, 50, 100},  {10, 2, 2, 0, 100, 100}, {15, 0, 2, 0, 12, 100},
        {15, 1, 2, 0, 25, 100},  {15, 2, 2, 0, 50, 100},  {15, 3, 2, 0, 100, 100},
        {4, 1, 1, 30, 100, 84},  {4, 1, 1, 40, 100, 68},  {4, 1, 1, 50, 80, 55},
        {15, 0, 1, 50, 10, 55},   // 12 less a fifth is 10, the least there is
        {4, 1, 2, 50, 100, 100},  // only the walk's distance counts
    };
    for (const Case& c : cases) {
        GrowthFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        for (int32_t i = 0; i < c.held; ++i) g.state.item_count[700 + i] = 1;
        g.scene_kind = c.scene;
        g.state.distance_m = c.distance;
        const std::string what = "level " + std::to_string(c.level) + ", " +
                                 std::to_string(c.held) + " held, scene " +
                                 std::to_string(c.scene) + ", " + std::to_string(c.distance);
        EXPECT_EQ(HoshioRollChance(g), c.hoshio) << what;
        EXPECT_EQ(BonusPointRollChance(g), c.bp) << what;
    }
}

TEST(Growth, TheRewardsAfterABattle) {
    // The technique roll teaches a named technique not known yet.
    GrowthFixture f;
    Game& g = f.game;
    g.sequence_step = 7;
    platform::script_random({0, 9});  // the roll hits; technique 9, ほのお
    GrantBattleReward(g);
    EXPECT_EQ(g.state.skill_level[9], 1);
    EXPECT_TRUE(f.logged("なんと技【ほのお】を修得した!! 得点>200"));
    EXPECT_EQ(g.reports_sent.back(), "<技修得>ルカは、技【ほのお】を修得した");
    EXPECT_NE(std::find(g.state.skill_order.begin(), g.state.skill_order.end(), 9),
              g.state.skill_order.end());
    EXPECT_EQ(g.awaiting_click, 1);

    // With 27 learned the roll gives a BP instead, even for a technique not learned yet.
    GrowthFixture full;
    full.learn(27);
    int32_t unlearned = 0;
    while (full.game.skills[unlearned].name.empty() || full.game.state.skill_level[unlearned] > 0) {
        ++unlearned;
    }
    const int32_t before = full.game.state.bonus_points;
    platform::script_random({0, unlearned});
    GrantBattleReward(full.game);
    EXPECT_EQ(full.game.state.skill_level[unlearned], 0);
    EXPECT_EQ(full.game.state.bonus_points, before + 1);
    // And with 26 it is learned.
    GrowthFixture most;
    most.learn(26);
    int32_t next = 0;
    while (most.game.skills[next].name.empty() || most.game.state.skill_level[next] > 0) ++next;
    platform::script_random({0, next});
    GrantBattleReward(most.game);
    EXPECT_EQ(most.game.state.skill_level[next], 1);

    // With 27 learned the roll gives a BP instead.
    GrowthFixture many;
    many.learn(27);
    const int32_t bp = many.game.state.bonus_points;
    platform::script_random({0, 3});
    GrantBattleReward(many.game);
    EXPECT_EQ(many.game.state.bonus_points, bp + 1);
    EXPECT_TRUE(many.logged("なんとBPが 1上昇した!! 得点>50"));

    // Below level 25 the last chance never gives a BP; from 25 (and 10 m) it may.
    for (int32_t level : {24, 25}) {
        GrowthFixture late;
        late.game.adventurer().level = level;
        late.game.state.distance_m = 12;
        late.game.state.item_count[700] = 1;  // a ホーシオ held: its chance is 1 in 100
        late.game.sequence_step = 7;
        const int32_t before = late.game.state.bonus_points;
        platform::script_random({1, 1, 0});  // no technique, no ホーシオ, the BP draw
        GrantBattleReward(late.game);
        EXPECT_EQ(late.game.state.bonus_points, before + (level == 25 ? 1 : 0)) << level;
    }
}

TEST(Growth, EachUseMilestonePaysItsBonus) {
    struct Case {
        int32_t count, bonus;
    };
    for (const Case& c : {Case{99, 10}, {199, 20}, {299, 30}, {399, 40}, {499, 50}, {999, 100}}) {
        GrowthFixture f;
        Game& g = f.game;
        g.state.skill_use_count[9] = c.count - 1;  // ほのお, worth 200 points
        g.state.skill_level[9] = 1;
        g.adventurer().mp = 20;
        g.action_technique = 9;
        g.action_step = 1;
        g.button_held = 1;
        platform::script_random({3, 99});  // the hit misses: quick
        PerformStep(g);
        g.button_held = 1;
        PerformStep(g);
        const std::string line = "技『ほのお』の発動回数が" + std::to_string(c.count) +
                                 "回を達成!! > 得点 +" + std::to_string(200 + c.bonus);
        EXPECT_TRUE(f.logged(line)) << line << " / " << f.joined_log();
    }
}

TEST(Growth, TheNinetyNinthUsePaysOnceTheHundredthNothing) {
    for (int32_t uses : {98, 99}) {
        GrowthFixture f;
        Game& g = f.game;
        g.state.skill_use_count[0] = uses;
        g.state.skill_level[0] = 1;
        g.action_technique = 0;
        g.action_step = 1;
        g.button_held = 1;
        const int32_t score = g.state.score;
        platform::script_random({3, 99});  // the hit misses: quick
        PerformStep(g);
        g.button_held = 1;
        PerformStep(g);
        const bool paid = uses + 1 == 99;
        EXPECT_EQ(f.logged("技『踏みつぶす』の発動回数が99回を達成!! > 得点 +10"), paid) << uses;
        EXPECT_EQ(g.awaiting_click, paid ? 1 : 0);
        EXPECT_EQ(g.turn_pending, paid ? 0 : 1);
        if (paid) EXPECT_GE(g.state.score, score + 10);
    }
}

TEST(Growth, StrengtheningCostsOneBpUpToTen) {
    GrowthFixture f;
    Game& g = f.game;
    g.state.bonus_points = 0;
    g.state.skill_level[9] = 10;
    EXPECT_EQ(StrengthenTechnique(g, 9), "BPがありません");  // said first, even at 10
    g.state.bonus_points = 2;
    EXPECT_EQ(StrengthenTechnique(g, 9), "これ以上強化できません");
    g.state.skill_level[9] = 4;
    EXPECT_EQ(StrengthenTechnique(g, 9), "");
    EXPECT_EQ(g.state.skill_level[9], 5);
    EXPECT_EQ(g.state.bonus_points, 1);
    g.state.skill_level[12] = 0;  // not learned: nothing changes
    EXPECT_EQ(StrengthenTechnique(g, 12), "");
    EXPECT_EQ(g.state.skill_level[12], 0);
    EXPECT_EQ(g.state.bonus_points, 1);
}

}  // namespace
}  // namespace quill
