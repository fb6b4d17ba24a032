// The walk between battles: the field cards, the chances of a chest or a sickness, the
// way back, the rest and the inn.
#include <gtest/gtest.h>

#include <algorithm>

#include "battle/sequencer.h"
#include "explore/field_commands.h"
#include "explore/island.h"
#include "explore/rest_and_inn.h"
#include "platform/file_io.h"
#include "platform/random.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "test_support.h"
#include "view/command_cards.h"

namespace quill {
namespace {

using testing_support::GameFixture;

struct FieldFixture : testing_support::LandedGame {
    explicit FieldFixture(uint64_t seed = 11) : LandedGame(seed) {
        LeaveMap(game);
        game.scene_kind = 1;
        game.sequence_step = 9;  // after a walk's battle: its end is pending
    }
    bool logged(const std::string& text) const {
        for (const LogEntry& e : game.message_log) {
            if (e.text == text) return true;
        }
        return false;
    }
    int count(const std::string& text) const {
        int n = 0;
        for (const LogEntry& e : game.message_log) n += e.text == text;
        return n;
    }
};

// What one "進む" met: 0 a battle, 1 a chest, 2 a sickness.
int walk_outcome(Game& g, uint64_t seed, int32_t walks) {
    platform::seed_random(seed);
    HideCards(g);
    g.in_battle = 0;
    g.walks_since_inn = walks;
    CommandCardClicked(g, 501);
    if (g.command_mode == kChestCards) return 1;
    if (g.command_mode == kSicknessCards) return 2;
    EXPECT_EQ(g.in_battle, 1);
    EXPECT_EQ(g.walks_since_inn, walks + 1);
    return 0;
}

TEST(Field, AChestFromTheTenthWalkASicknessFromTheTwentieth) {
    FieldFixture f;
    int seen[3][3] = {};
    const int32_t walks[] = {9, 10, 20};
    for (int w = 0; w < 3; ++w) {
        for (uint64_t seed = 1; seed <= 250; ++seed) {
            seen[w][walk_outcome(f.game, seed, walks[w])] += 1;
        }
    }
    EXPECT_EQ(seen[0][1] + seen[0][2], 0);  // nine walks after the inn: battles only
    EXPECT_GT(seen[1][1], 0);               // the tenth may give a chest
    EXPECT_EQ(seen[1][2], 0);               // but not yet a sickness
    EXPECT_GT(seen[2][1], 0);
    EXPECT_GT(seen[2][2], 0);
}

TEST(Field, AChestHasOneToSixLocksASicknessThreeToSevenPoints) {
    struct Case {
        int32_t meeting, draw;
        const char* line;
    };
    const Case cases[] = {{59, 0, "宝箱だ....!! 耐久ポイント 1"},
                          {59, 5, "宝箱だ....!! 耐久ポイント 6"},
                          {60, 0, "冒険のし過ぎで、体調が悪くなったようだ!! 病気ポイント 3"},
                          {60, 4, "冒険のし過ぎで、体調が悪くなったようだ!! 病気ポイント 7"}};
    for (const Case& c : cases) {
        FieldFixture f;
        Game& g = f.game;
        g.walks_since_inn = 20;
        platform::script_random({c.meeting, c.draw});
        CommandCardClicked(g, 501);  // 進む
        platform::script_random({});
        EXPECT_TRUE(f.logged(c.line)) << c.line;
    }
}

TEST(Field, TheWalkAddsAMetreAndMeetsTheNextEnemyThere) {
    FieldFixture f;
    Game& g = f.game;
    g.state.distance_m = 7;
    g.state.max_distance_m = 9;
    CommandCardClicked(g, 501);
    EXPECT_EQ(g.state.distance_m, 8);
    EXPECT_EQ(g.state.max_distance_m, 9);  // only ever upward
    EXPECT_EQ(g.message_log[0].text, g.enemy().name + "が襲ってきた!! (8m地点)");
}

TEST(Field, GoingBackCostsByLevelAndDistance) {
    FieldFixture f;
    Game& g = f.game;
    Combatant& a = g.adventurer();
    a.level = 30;
    a.max_tp = 100;
    a.tp = 90;
    a.max_mp = 40;
    a.mp = 30;
    g.state.distance_m = 55;
    CommandCardClicked(g, 503);
    EXPECT_EQ(a.tp, 90 - 6 * 11);       // six times max_tp / 10 + 1
    EXPECT_EQ(a.mp, 30 - (5) - 5 * 4);  // once max_mp / 10 + 1, five times max_mp / 10
    EXPECT_EQ(g.map_shown, 1);          // home on the island
    EXPECT_EQ(g.state.story_flags[1], 1);
}

TEST(Field, TheRestCostsMpAndWaitsForItsClick) {
    FieldFixture f;
    Game& g = f.game;
    Combatant& a = g.adventurer();
    a.max_mp = 4;
    a.mp = 4;
    a.max_hp = 50;
    a.hp = 10;
    EXPECT_EQ(RestCost(g), 1);
    a.max_mp = 50;
    EXPECT_EQ(RestCost(g), 11);
    // All five accessories of the rest lower it by five.
    const int32_t rest_hoshio[] = {725, 825, 726, 711, 811};
    for (int i = 0; i < 5; ++i) g.state.hoshio_slots[i] = rest_hoshio[i];
    EXPECT_EQ(RestCost(g), 6);
    g.state.hoshio_slots.fill(0);
    a.max_mp = 4;
    CommandCardClicked(g, 502);
    EXPECT_EQ(a.mp, 3);
    EXPECT_GE(a.hp, 14);
    EXPECT_LE(a.hp, 15);
    EXPECT_EQ(g.awaiting_click, 1);
    EXPECT_EQ(g.message_log[0].text, "MP 1を使って休憩しました > HP +" + std::to_string(a.hp - 10) +
                                         " → " + std::to_string(a.hp));
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);  // step 15: back to the cards
    EXPECT_EQ(g.command_mode, kFieldCards);
    // Without the MP: said so, and the cards come back after the click.
    HideCards(g);
    a.mp = 0;
    g.sequence_step = 14;
    RunStep(g);
    EXPECT_EQ(g.message_log[0].text, "MPが足りません....");
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.command_mode, kFieldCards);
}

TEST(Field, TheInnChargesByLoadsAndLevelHealsAndSaves) {
    FieldFixture f;
    Game& g = f.game;
    g.state.load_count = 60;
    g.adventurer().level = 20;
    EXPECT_EQ(InnPrice(g), 25);
    g.state.char_type = 2;  // 臆病者
    EXPECT_EQ(InnPrice(g), 18);
    g.state.char_type = 0;

    EnterIsland(g);
    g.state.money = 100;
    g.walks_since_inn = 14;
    g.adventurer().hp = 1;
    g.form.map_b0.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(g.scene_kind, 0);
    EXPECT_EQ(g.message_log[0].text, "　宿賃は 25円だけど、払えるんだろうね」");
    EXPECT_TRUE(g.message_log[1].text.rfind("「", 0) == 0 ||
                g.message_log[2].text.rfind("「", 0) == 0);  // the innkeeper's greeting
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.message_log[0].text, "宿泊しました.... > 全回復 , Save complete!!");
    EXPECT_EQ(g.state.money, 75);
    EXPECT_EQ(g.walks_since_inn, 0);
    EXPECT_EQ(g.adventurer().hp, g.adventurer().max_hp);
    const std::string saved = platform::read_file(g.folders.dat_file("my.dat")).value();
    EXPECT_NE(saved.find("\r\n75\r\n"), std::string::npos);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.map_shown, 1);

    // Without the money.
    g.state.money = 3;
    g.form.map_b0.on_mouse_down({platform::MouseButton::Left, 1, 1});
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.message_log[0].text, "払えないじゃないか！　だから言ったんだ");
    EXPECT_EQ(g.state.money, 3);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.map_shown, 1);
}

TEST(Field, AChestOpensOnItsLastPointInTheSameClick) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        FieldFixture f(seed);
        Game& g = f.game;
        g.chest_points = g.chest_points_start = 1;
        const int32_t money = g.state.money;
        CommandCardClicked(g, 504);
        if (f.logged("手を怪我した")) continue;  // the hand was hurt this time
        EXPECT_TRUE(f.logged("....ガチャガチャ > 残り 0"));
        EXPECT_TRUE(f.logged("開いた!!"));
        EXPECT_GT(g.state.money, money);
        EXPECT_EQ(g.state.chest_open_count, 1);
        EXPECT_EQ(g.command_mode, kFieldCards);
        return;
    }
    FAIL() << "no seed forced the chest";
}

TEST(Field, AnOpenedChestPaysForTheDistanceAndItsLocks) {
    struct Case {
        int32_t distance, locks, draw, money;
    };
    // random(distance / 10 + 100), then ten for each lock the chest had
    const Case cases[] = {{50, 4, 7, 47}, {0, 1, 1000, 109}, {200, 6, 1000, 179}};
    for (const Case& c : cases) {
        FieldFixture f;
        Game& g = f.game;
        g.state.char_type = 2;  // no bonus on money
        g.state.distance_m = c.distance;
        g.chest_points = 0;
        g.chest_points_start = c.locks;
        const int32_t money = g.state.money;
        platform::script_random({c.draw});
        ChestCheck(g);
        platform::script_random({});
        EXPECT_EQ(g.state.money - money, c.money) << c.distance << " " << c.locks;
    }
}

TEST(Field, DyingAtTheChestIsToldOnce) {
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        FieldFixture f(seed);
        Game& g = f.game;
        g.chest_points = g.chest_points_start = 5;
        g.adventurer().hp = 1;
        CommandCardClicked(g, 504);
        if (!f.logged("手を怪我した")) continue;
        EXPECT_EQ(f.count("ルカは死んでしまった!!"), 1);
        EXPECT_EQ(
            std::count(g.reports_sent.begin(), g.reports_sent.end(), "<死亡>ルカは死んだ...."), 1);
        EXPECT_EQ(g.game_over, 1);
        EXPECT_EQ(g.command_mode, 0);
        return;
    }
    FAIL() << "no seed hurt the hand";
}

TEST(Field, RestingOffASicknessNeverLowersItsPoints) {
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        FieldFixture f(seed);
        Game& g = f.game;
        g.sickness_points = g.sickness_points_start = 4;
        g.adventurer().max_mp = 30;
        g.adventurer().mp = 30;
        CommandCardClicked(g, 509);
        EXPECT_EQ(g.sickness_points, 4);
        EXPECT_EQ(g.adventurer().mp, 26);
        EXPECT_EQ(g.command_mode, kSicknessCards);
    }
}

}  // namespace
}  // namespace quill
