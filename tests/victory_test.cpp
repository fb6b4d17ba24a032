// The end of a turn: statuses ticking, revival, death, victory with its rewards, level-up.
#include <gtest/gtest.h>

#include "battle/sequencer.h"
#include "battle/statuses.h"
#include "battle/turn_steps.h"
#include "battle/victory.h"
#include "explore/island.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "shell/input.h"
#include "shell/tick.h"
#include "test_support.h"
#include "view/frame.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::CountLinesWith;

struct TurnFixture : testing_support::InBattle {
    TurnFixture() : InBattle(3, 200) {
        game.enemy().exp = 7;
        game.enemy().gold_reward = 10;
    }
};

TEST(Statuses, ParalysisBlocksOrCountsDown) {
    for (auto [draw, blocked] : {std::pair{0, true}, {1, false}}) {
        TurnFixture f;
        Game& g = f.game;
        g.active_side = 1;
        g.enemy().status[kParalysis] = 2;
        g.sequence_step = 1;
        platform::script_random({draw});
        RunStep(g);
        EXPECT_EQ(f.logged("ククルは麻痺していて動けなかった...."), blocked);
        EXPECT_EQ(g.enemy().status[kParalysis], 1);  // at the block, or in the countdown
        EXPECT_EQ(g.action_step, blocked ? 0 : 1);   // a free turn goes on to its choice
    }
}

TEST(Statuses, AnElementGuardTakesATenthOfPoisonAndBurnAndAFifthOfArrows) {
    struct Case {
        Status status;
        int32_t guard;
        std::vector<int32_t> draws;
        const char* line;
        int32_t level = 1;  // the adventurer's
    };
    const Case cases[] = {
        {kPoison, 0, {1}, "ククルに毒ダメージ＞ 3"},
        {kPoison, 2, {1}, "ククルに毒ダメージ＞ 0"},             // 3 / 10
        {kDeadlyPoison, 2, {1, 0}, "ククルに劇毒ダメージ＞ 0"},  // 7 / 10
        {kBurn, 0, {1}, "ククルに火傷ダメージ＞ 4"},
        {kBurn, 2, {1}, "ククルに火傷ダメージ＞ 0"},
        {kKinnaraArrows, 2, {1}, "ククルに 1ダメージ"},  // 6 / 5
        // At level 99 an arrow is 13 (7 more for the level): a fifth of it is 2.
        {kKinnaraArrows, 2, {1}, "ククルに 2ダメージ", 99},
        {kKinnaraArrows, 0, {1}, "ククルに 13ダメージ", 99},
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        g.active_side = 1;
        g.enemy().element_guard = c.guard;
        g.enemy().status[c.status] = 1;
        platform::script_random(c.draws);
        RunTurnStatuses(g);
        EXPECT_TRUE(f.logged(c.line)) << c.line;
        EXPECT_EQ(g.enemy().status[c.status], 0) << c.line;
    }
}

// The other statuses' amounts with the draws at their least, and the adventurer's level
// adding a point to the enemy's suffering from level 30 (two from 40).
TEST(Statuses, EachTurnStatusByItsAmount) {
    struct Case {
        Status status;
        int32_t level;
        const char* line;
        int32_t left = 1;  // of the two turns
    };
    const Case cases[] = {
        {kPoison, 29, "ククルに毒ダメージ＞ 2"},
        {kPoison, 30, "ククルに毒ダメージ＞ 3"},
        {kPoison, 40, "ククルに毒ダメージ＞ 4"},
        {kBurn, 1, "ククルに火傷ダメージ＞ 3"},
        {kStrongPoison, 1, "ククルに猛毒ダメージ＞ 4"},
        {kTpDown, 1, "ククルのTPが 5減少....", 0},  // one for acting, one in the countdown
        {kWater, 1, "ククルはTPが回復＞ 7"},
        {kMana, 1, "ククルはMPが回復＞ 2"},
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        g.active_side = 1;
        g.enemy().tp = 50;
        g.enemy().max_mp = 50;
        g.enemy().status[c.status] = 2;
        platform::script_random({0, 0});
        RunTurnStatuses(g);
        platform::script_random({});
        EXPECT_TRUE(f.logged(c.line)) << c.line << " / " << f.joined_log();
        EXPECT_EQ(g.enemy().status[c.status], c.left) << c.line;
    }
}

TEST(Statuses, RegenerationHealsEachTurnAndRunsOut) {
    TurnFixture f;
    Game& g = f.game;
    g.active_side = 1;
    g.enemy().hp = 100;
    g.enemy().status[kRegeneration] = 2;
    g.adventurer().max_hp = 250;  // a fiftieth of the adventurer's greatest HP: 5
    for (int turn = 0; turn < 3; ++turn) {
        platform::script_random({1});
        RunTurnStatuses(g);
    }
    EXPECT_EQ(g.enemy().hp, 100 + 2 * (1 + 2 + 5));
    EXPECT_EQ(CountLinesWith(LogLines(g), "ククルはHPが回復＞ 8"), 2);
    EXPECT_EQ(g.enemy().status[kRegeneration], 0);
}

// At the start of the enemy's turn: MP by its kind of regeneration, TP for a strong element
// guard, and 光's one MP in her own battle.
TEST(Statuses, TheEnemyRegainsMpAndTpAtTheStartOfItsTurn) {
    struct Case {
        int32_t kind, guard, scene;
        const char* name;
        int32_t mp, tp;
    };
    const Case cases[] = {
        {0, 0, 1, "ククル", 0, 0},  {1, 0, 1, "ククル", 11, 0},  // a twentieth and 1
        {2, 0, 1, "ククル", 30, 0},                              // a tenth and 10
        {0, 2, 1, "ククル", 0, 10}, {0, 1, 1, "ククル", 0, 0},   // guard above 1: TP +10
        {0, 0, 5, "光", 1, 0},      {0, 0, 1, "光", 0, 0},
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        g.scene_kind = c.scene;
        Combatant& e = g.enemy();
        e.name = c.name;
        e.max_mp = 200;
        e.mp = 0;
        e.tp = 0;
        e.mp_regen_kind = c.kind;
        e.element_guard = c.guard;
        g.active_side = 1;
        g.awaiting_click = 1;  // the turn goes no further than its start
        TurnStartStep(g);
        EXPECT_EQ(e.mp, c.mp) << c.kind << " " << c.name;
        EXPECT_EQ(e.tp, c.tp) << c.guard;
    }
}

TEST(Statuses, OnlyAtExactlyOneDoSureHitAndDodgeAct) {
    TurnFixture f;
    Game& g = f.game;
    g.enemy().status[kDodge] = 2;  // shown, but never acts
    g.active_side = 1;
    RunTurnStatuses(g);
    EXPECT_EQ(g.enemy().status[kDodge], 2);  // no countdown either
}

TEST(Victory, ThePromiseRevivesAFallenEnemyWithOneHp) {
    TurnFixture f;
    Game& g = f.game;
    g.enemy().hp = 0;
    g.enemy().status[kPromise] = 3;
    g.sequence_step = 4;
    RunStep(g);
    EXPECT_TRUE(f.logged("ククルを倒した!!"));
    EXPECT_TRUE(f.logged("....かと思いきや、復活を遂げた!!"));
    EXPECT_EQ(g.enemy().hp, 1);
    EXPECT_EQ(g.enemy().status[kPromise], 0);
    EXPECT_EQ(g.enemy().present, 1);  // and fights on
}

TEST(Victory, TheRewardsOfAFallenEnemyGoToTheAdventurer) {
    for (int32_t side : {0, 1}) {
        TurnFixture f;
        Game& g = f.game;
        g.state.char_type = 2;  // no bonus on money
        g.active_side = side;   // it may fall on its own turn (poison, thorns)
        g.enemy().hp = 0;
        g.enemy().reward_rank = 2;
        g.merchant_visited = {1, 1};
        const int32_t money = g.state.money, exp = g.adventurer().exp;
        g.sequence_step = 4;
        RunStep(g);
        EXPECT_TRUE(f.logged("ククルを倒した!!"));
        EXPECT_EQ(g.state.money, money + 4 * 10 + 100);  // rank 2: 4 x gold + 100
        EXPECT_EQ(g.adventurer().exp, exp + 14);         // rank 1 and up: twice
        EXPECT_EQ(g.enemy().exp, 7);
        EXPECT_EQ(g.enemy().present, 0);
        EXPECT_EQ(g.merchant_visited, (std::array<int32_t, 2>{0, 0}));
        EXPECT_EQ(g.awaiting_click, 1);
    }
}

// An enemy of 100 gold and 20 experience, fallen: what comes of it by its rank, the
// adventurer's type and the battle it was.
TEST(Victory, MoneyExperienceAndPointsFollowTheRankTheTypeAndTheBattle) {
    struct Case {
        int32_t rank, type, scene;
        int32_t money, exp, points;
    };
    const Case cases[] = {
        {0, 2, 1, 100, 20, 0},     {1, 2, 1, 250, 40, 0},  // rank 1: twice and 50; exp twice
        {2, 2, 1, 500, 40, 0},                             // rank 2: that twice again
        {0, 0, 1, 110, 20, 0},                             // お金持ち: a tenth more money
        {0, 3, 1, 90, 22, 0},                              // a tenth less money, more exp
        {0, 2, 16, 100, 20, 1000},                         // story battles to 16: 1000 points
        {0, 2, 17, 100, 20, 2000},                         // and after: 2000
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        g.state.char_type = c.type;
        g.scene_kind = c.scene;
        Combatant& e = g.enemy();
        e.hp = 0;
        e.reward_rank = c.rank;
        e.gold_reward = 100;
        e.exp = 20;
        const int32_t money = g.state.money, exp = g.adventurer().exp, score = g.state.score;
        g.sequence_step = 4;
        RunStep(g);
        const std::string what = "rank " + std::to_string(c.rank) + " type " +
                                 std::to_string(c.type) + " scene " + std::to_string(c.scene);
        EXPECT_EQ(g.state.money - money, c.money) << what;
        EXPECT_EQ(g.adventurer().exp - exp, c.exp) << what;
        EXPECT_EQ(g.state.score - score, c.points) << what;
    }
}

// What is worn and what ホーシオ is set add to the spoils of an enemy of 100 gold and 20
// experience: money by the item, money and experience by the ホーシオ.
TEST(Victory, WornItemsAndHoshioAddToTheSpoils) {
    struct Case {
        const char* name;
        bool hoshio;
        int32_t money, exp;
    };
    const Case cases[] = {
        {"黄金のイヤリング", false, 103, 20}, {"黄金のペンダント", false, 103, 20},
        {"ヴォマクトの冠", false, 105, 20},   {"ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ", false, 104, 20},
        {"ホーシオの効率", true, 100, 22},    {"人工ﾎｰｼｵの効率", true, 100, 21},
        {"ホーシオの金策", true, 102, 20},    {"ホーシオの大金策", true, 105, 20},
        {"人工ﾎｰｼｵの金策", true, 101, 20},    {"人工ﾎｰｼｵの大金策", true, 105, 20},
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        g.state.char_type = 2;
        const int32_t id = FindItemByName(g.items, c.name);
        ASSERT_GT(id, 0) << c.name;
        Combatant& a = g.adventurer();
        if (c.hoshio) {
            g.state.item_count[id] = 1;
            g.state.hoshio_slots[0] = id;
        } else {
            int32_t* slot = EquipmentSlot(a, g.items[id].category);
            ASSERT_NE(slot, nullptr) << c.name;
            *slot = id;
        }
        Combatant& e = g.enemy();
        e.hp = 0;
        e.gold_reward = 100;
        e.exp = 20;
        const int32_t money = g.state.money, exp = a.exp;
        g.sequence_step = 4;
        RunStep(g);
        EXPECT_EQ(g.state.money - money, c.money) << c.name;
        EXPECT_EQ(a.exp - exp, c.exp) << c.name;
    }
}

TEST(Victory, AFallenEnemyIsSettledBeforeALostTurnSkipsTheCheck) {
    TurnFixture f;
    Game& g = f.game;
    g.active_side = 0;
    g.adventurer().status[kFaint] = 1;
    g.enemy().hp = 0;  // the pet's blow at the start of the turn
    g.sequence_step = 1;
    RunStep(g);
    EXPECT_TRUE(f.logged("ククルを倒した!!"));
    EXPECT_EQ(g.enemy().present, 0);
}

TEST(LevelUp, ExperienceNeededCapAndMaxMp) {
    struct Case {
        int32_t level, exp, max_mp;
        bool levels;
        int32_t new_max_mp;
    };
    const Case cases[] = {
        {1, 109, 10, false, 10},  {1, 110, 10, true, 11},  // to level 2, even: +1 MP
        {2, 130, 10, true, 10},                            // to 3, odd: none
        {98, 1080, 10, true, 10}, {98, 1079, 10, false, 10}, {99, 5000, 10, false, 10},  // the cap
        {49, 600, 50, true, 50},  // MP stops at 50
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        Combatant& a = g.adventurer();
        a.level = c.level;
        a.exp = c.exp;
        a.max_mp = c.max_mp;
        const int32_t bp = g.state.bonus_points;
        g.sequence_step = 5;
        RunStep(g);
        EXPECT_EQ(a.level, c.levels ? c.level + 1 : c.level) << c.level << " " << c.exp;
        EXPECT_EQ(a.max_mp, c.new_max_mp) << c.level;
        if (c.levels) {
            EXPECT_EQ(a.exp, 1);
            EXPECT_EQ(g.state.bonus_points, bp + 1);
            EXPECT_EQ(g.reports_sent.back(),
                      "<LVUP>ルカはLV " + std::to_string(a.level) + "になった");
        }
    }
}

TEST(LevelUp, ThePetNeedsTheSameExperienceAndGainsItsHpBpAndPoints) {
    struct Case {
        int32_t level, exp;
        bool levels;
        int32_t bp, points;
    };
    const Case cases[] = {
        {4, 139, false, 0, 0},   {4, 140, true, 0, 100},  // to 5: no BP
        {8, 180, true, 1, 100},                           // to 9: a BP every third level
        {29, 390, true, 1, 130}, {98, 1080, true, 1, 190}, {99, 9000, false, 0, 0},
    };
    for (const Case& c : cases) {
        TurnFixture f;
        Game& g = f.game;
        Combatant& p = g.pet();
        p.name = "タマ";
        p.level = c.level;
        p.exp = c.exp;
        p.max_hp = p.hp = 30;
        const int32_t bp = g.state.bonus_points, score = g.state.score;
        g.sequence_step = 5;
        RunStep(g);
        EXPECT_EQ(p.level, c.levels ? c.level + 1 : c.level) << c.level << " " << c.exp;
        EXPECT_EQ(p.max_hp, c.levels ? 31 : 30) << c.level;
        EXPECT_EQ(g.state.bonus_points - bp, c.bp) << c.level;
        EXPECT_EQ(g.state.score - score, c.points) << c.level;
    }
}

TEST(Defeat, DeathEndsTheGameAndTheClickGoesBackToTheTitle) {
    TurnFixture f;
    Game& g = f.game;
    g.adventurer().hp = 0;
    const int32_t deaths = g.state.death_count;
    g.sequence_step = 4;
    RunStep(g);
    EXPECT_EQ(g.game_over, 1);
    EXPECT_TRUE(f.logged("ルカは死んでしまった!!"));
    EXPECT_EQ(g.reports_sent.back(), "<死亡>ルカは死んだ....");
    // The red screen stands a moment before a click leaves it: a click meant for the battle
    // does nothing, and the prompt shows only once the screen takes the click.
    g.screen_mode = kGame;
    for (int tick = 0; tick < kDeathPauseTicks; ++tick) {
        EXPECT_FALSE(WaitingForClick(g)) << tick;
        ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
        ASSERT_EQ(g.game_over, 1) << tick;
        TickStep(g);
    }
    EXPECT_TRUE(WaitingForClick(g));
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.screen_mode, kTitle);
    EXPECT_EQ(g.state.death_count, deaths + 1);
    EXPECT_EQ(g.game_over, 0);
}

}  // namespace
}  // namespace quill
