#include <gtest/gtest.h>

#include "items/player_clamp.h"
#include "platform/random.h"
#include "state/state_ops.h"
#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// Puts a recognisable value into every field that new_game() must leave alone.
void fill_kept_fields(Game& g) {
    Combatant& a = g.adventurer();
    a.tp = 77;
    a.spirit = 5;
    a.intellect = 6;
    g.pet().look = 13;
    g.state.game_speed = 2;
    g.state.net_off = 1;
    g.state.last_report_minute = 42;
    g.state.format_upgrade_done = 1;
    g.state.save_damaged = 1;
    g.state.reserved_pairs[3] = {11, 12};
    g.state.reserved_text = "keep";
    for (int i = 0; i < 20; ++i) g.state.reserved_ints[i] = 100 + i;
}

TEST(NewGame, GivesTheNewGameValues) {
    GameFixture f;
    Game& g = f.game;
    g.state.money = 9999;
    g.state.item_count[5] = 3;
    g.state.score = 500;
    g.state.event_flags[0] = 1;
    g.state.load_count = 40;
    g.state.distance_m = 12;
    g.adventurer().weapon = 17;
    g.adventurer().level = 30;
    g.pet().name = "タマ";
    g.pet().max_hp = 50;
    g.pet().moods = {1, 2, 3, 4, 5};
    g.pet().pet_type() = 3;
    fill_kept_fields(g);
    platform::seed_random(3);
    new_game(g);

    const Combatant& a = g.adventurer();
    EXPECT_EQ(a.name, "しすみ");
    EXPECT_EQ(a.level, 0);
    EXPECT_EQ(a.max_hp, 20);
    EXPECT_EQ(a.hp, 20);
    EXPECT_EQ(a.max_mp, 1);
    EXPECT_EQ(a.mp, 1);
    EXPECT_EQ(a.max_tp, 100);
    EXPECT_EQ(a.weapon, 0);
    EXPECT_EQ(g.state.money, 50);
    EXPECT_EQ(g.state.score, 0);
    EXPECT_EQ(g.state.item_count[5], 0);
    EXPECT_EQ(g.state.event_flags[0], 0);
    EXPECT_EQ(g.state.load_count, 0);
    EXPECT_EQ(g.state.distance_m, 0);
    EXPECT_GE(g.state.player_id, 0);
    EXPECT_LT(g.state.player_id, 10000);

    // Exactly techniques 0 and 22, at level 1, listed first.
    int learned = 0;
    for (int id = 0; id < kSkillIds; ++id) learned += g.state.skill_level[id] != 0;
    EXPECT_EQ(learned, 2);
    EXPECT_EQ(g.state.skill_level[0], 1);
    EXPECT_EQ(g.state.skill_level[22], 1);
    EXPECT_EQ(g.state.skill_order[0], 0);
    EXPECT_EQ(g.state.skill_order[1], 22);
    for (int i = 2; i < kSkillOrderSize; ++i) ASSERT_EQ(g.state.skill_order[i], -1);

    // No pet, but it keeps its look.
    EXPECT_TRUE(g.pet().name.empty());
    EXPECT_FALSE(has_pet(g));
    EXPECT_EQ(g.pet().max_hp, 0);
    EXPECT_EQ(g.pet().moods, (std::array<int32_t, 5>{}));
    EXPECT_EQ(g.pet().pet_type(), 0);
    EXPECT_FALSE(adventurer_exists(g));
}

TEST(NewGame, LeavesWhatItDoesNotOwn) {
    GameFixture f;
    Game& g = f.game;
    fill_kept_fields(g);
    new_game(g);
    EXPECT_EQ(g.adventurer().tp, 77);
    EXPECT_EQ(g.adventurer().spirit, 5);
    EXPECT_EQ(g.adventurer().intellect, 6);
    EXPECT_EQ(g.pet().look, 13);
    EXPECT_EQ(g.state.game_speed, 2);
    EXPECT_EQ(g.state.net_off, 1);
    EXPECT_EQ(g.state.last_report_minute, 42);
    EXPECT_EQ(g.state.format_upgrade_done, 1);
    EXPECT_EQ(g.state.save_damaged, 1);
    EXPECT_EQ(g.state.reserved_pairs[3][1], 12);
    EXPECT_EQ(g.state.reserved_text, "keep");
    // Reserved integers: 3..8 and 14..18 cleared, 19 set to 10, the rest kept.
    for (int i = 0; i < 20; ++i) {
        int32_t want = (i >= 3 && i <= 8) || (i >= 14 && i <= 18) ? 0 : i == 19 ? 10 : 100 + i;
        EXPECT_EQ(g.state.reserved_ints[i], want) << i;
    }
}

TEST(RestoreAll, HealsAndClearsStatusesButNotTp) {
    GameFixture f;
    Game& g = f.game;
    for (Combatant& c : g.combatants) {
        c.status[kPoison] = 3;
        c.status[kKinnaraArrows] = 2;
        c.status[kPromise] = 1;
    }
    Combatant& a = g.adventurer();
    a.max_hp = 80, a.hp = 3, a.max_mp = 9, a.mp = 0, a.tp = 12;
    g.pet().name = "ポチ";
    g.pet().max_hp = 40, g.pet().hp = 1, g.pet().max_mp = 5, g.pet().mp = 0;
    g.enemy().hp = 4;
    g.enemy().max_hp = 90;
    g.game_over = 1;
    g.in_battle = 1;
    g.turn_pending = 2;
    restore_all(g);
    for (const Combatant& c : g.combatants) {
        for (int s = 0; s < kStatusCount; ++s) ASSERT_EQ(c.status[s], 0);
    }
    EXPECT_EQ(a.hp, 80);
    EXPECT_EQ(a.mp, 9);
    EXPECT_EQ(a.tp, 12);
    EXPECT_EQ(g.pet().hp, 40);
    EXPECT_EQ(g.pet().mp, 5);
    EXPECT_EQ(g.enemy().hp, 4);  // the enemy is not healed
    EXPECT_EQ(g.game_over, 0);
    EXPECT_EQ(g.in_battle, 0);
    EXPECT_EQ(g.turn_pending, 0);
}

TEST(ClampPlayerState, KeepsEveryValueInsideItsLimits) {
    GameFixture f;
    Game& g = f.game;
    g.state.money = 25000;
    Combatant& a = g.adventurer();
    a.level = 3, a.max_hp = 30, a.hp = 45, a.max_mp = 4, a.mp = -2, a.max_tp = 100, a.tp = 130;
    a.exp = 500;
    Combatant& e = g.enemy();
    e.max_hp = 10, e.hp = -5, e.max_mp = 3, e.mp = 8, e.tp = 150, e.exp = -1;
    Combatant& p = g.pet();
    p.name = "タマ";
    p.max_hp = 130, p.hp = 130, p.max_mp = 25, p.attack = 21, p.defence = 11, p.intellect = 30;
    p.hit = 12, p.evasion = 15, p.level = 120;
    ClampPlayerState(g);
    EXPECT_EQ(g.state.money, 19999);
    EXPECT_EQ(a.hp, 30);
    EXPECT_EQ(a.mp, 0);
    EXPECT_EQ(a.tp, 100);
    EXPECT_EQ(a.exp, 130);
    EXPECT_EQ(e.hp, 0);
    EXPECT_EQ(e.mp, 3);
    EXPECT_EQ(e.tp, 100);
    EXPECT_EQ(e.exp, 0);
    EXPECT_EQ(p.max_hp, 100);
    EXPECT_EQ(p.hp, 100);
    EXPECT_EQ(p.max_mp, 20);
    EXPECT_EQ(p.attack, 20);
    EXPECT_EQ(p.defence, 10);
    EXPECT_EQ(p.intellect, 20);
    EXPECT_EQ(p.hit, 10);
    EXPECT_EQ(p.evasion, 10);
    EXPECT_EQ(p.level, 99);
}

TEST(ClampPlayerState, TheTpCeilingRisesWithLevel) {
    struct Case {
        int32_t level, max_tp, ceiling;
    };
    const Case cases[] = {
        {0, 100, 100}, {34, 100, 100}, {35, 100, 105}, {45, 100, 110}, {60, 120, 130}};
    for (const Case& c : cases) {
        GameFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        g.adventurer().max_tp = c.max_tp;
        g.adventurer().tp = 999;
        ClampPlayerState(g);
        EXPECT_EQ(g.adventurer().tp, c.ceiling) << c.level;
        EXPECT_EQ(AdventurerTpCeiling(g), c.ceiling);
    }
}

}  // namespace
}  // namespace quill
