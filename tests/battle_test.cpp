// The battle's turns through the sequencer: the start, the turns of both sides, the
// choice of the action by list, button and cards, the milestones and the end.
#include <gtest/gtest.h>

#include "battle/action_choice.h"
#include "battle/battle_start.h"
#include "battle/perform.h"
#include "battle/sequencer.h"
#include "battle/turn_steps.h"
#include "explore/island.h"
#include "explore/named_characters.h"
#include "platform/random.h"
#include "shell/input.h"
#include "state/save_files.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/state_ops.h"
#include "test_support.h"
#include "view/command_cards.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// A game on the island with a known adventurer, ready to fight.
struct BattleFixture : testing_support::LandedGame {
    explicit BattleFixture(uint64_t seed = 7) : LandedGame(seed) {}
    // An enemy of the walk with one technique it can always pay for.
    void enemy(const char* name, int32_t hp = 50) {
        Combatant& e = game.enemy();
        e = Combatant{};
        e.name = name;
        e.present = 1;
        e.max_hp = e.hp = hp;
        e.technique_slots = {0, 0, 0, 0, 0};
    }
    // One advance: a click on the picture, released at once.
    void advance() {
        ClickMainPicture(game, 5, 5, platform::MouseButton::Left);
        cgMouseUp(game, {platform::MouseButton::Left, 5, 5});
    }
    bool logged(const std::string& text) const {
        for (const LogEntry& e : game.message_log) {
            if (e.text == text) return true;
        }
        return false;
    }
};

TEST(Battle, TheStartAnnouncesTheEnemyAndSetsItsGauges) {
    for (int32_t d : {0, 3}) {
        BattleFixture f;
        Game& g = f.game;
        g.shown.enemy_hp = 999;  // from an earlier battle
        LeaveMap(g);
        g.state.distance_m = d;
        g.scene_kind = 1;
        f.enemy("ククル", 40);
        g.enemy().mp = 7;
        g.enemy().tp = 30;
        BeginBattle(g);
        EXPECT_EQ(g.message_log[0].text,
                  d == 0 ? "ククルが襲ってきた!! " : "ククルが襲ってきた!! (3m地点)");
        EXPECT_EQ(g.shown.enemy_hp, 40);
        EXPECT_EQ(g.shown.enemy_mp, 7);
        EXPECT_EQ(g.shown.enemy_tp, 30);
        EXPECT_EQ(g.state.battle_count, 1);
        EXPECT_EQ(g.turn_pending, 1);
        EXPECT_EQ(g.in_battle, 1);
        EXPECT_EQ(g.sequence_step, 0);
    }
}

TEST(Battle, TheEnemyIsClearedWhenItsBattleEnds) {
    testing_support::InBattle f(3, 40);
    Game& g = f.game;
    g.scene_kind = 12;  // a story battle
    g.enemy().status[kPoison] = 3;
    g.enemy().status[kFireWall] = 2;
    g.enemy().hp = 7;
    EndStoryBattleStep(g);
    EXPECT_EQ(g.state.story_flags[12], 1);
    EXPECT_EQ(g.in_battle, 0);
    EXPECT_TRUE(g.enemy().name.empty());
    EXPECT_EQ(g.enemy().present, 0);
    EXPECT_EQ(g.enemy().hp, 0);
    for (int32_t s : g.enemy().status) EXPECT_EQ(s, 0);
}

TEST(Battle, TheEndingIsSavedWhenTheFinalBattleEnds) {
    testing_support::InBattle f(3, 40);
    Game& g = f.game;
    g.scene_kind = kFinalStoryBattle;
    EndStoryBattleStep(g);
    auto saved = read_whole_save(g.folders.dat_file("my.dat"));
    ASSERT_TRUE(saved) << "the ending was not saved";
    EXPECT_EQ(saved->state.story_flags[kFinalStoryBattle], 1);
}

TEST(Battle, EitherSideMayStartAndTurnsAlternate) {
    int starts[2] = {0, 0};
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        BattleFixture f(seed);
        Game& g = f.game;
        LeaveMap(g);
        g.scene_kind = 1;
        f.enemy("ククル");
        BeginBattle(g);
        starts[g.active_side] += 1;
    }
    EXPECT_GT(starts[0], 5);
    EXPECT_GT(starts[1], 5);

    // Six turns: the enemy's techniques run by themselves, the player's by "発動".
    BattleFixture f(3);
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 1;
    f.enemy("ククル");
    BeginBattle(g);
    std::vector<int32_t> sides;
    for (int step = 0; step < 60 && sides.size() < 6; ++step) {
        if (g.form.battle_box.visible) {
            sides.push_back(0);
            Button1Click(g);
            TickStep(g);  // the technique's first step runs without a click
        } else if (g.action_step == 1 && g.active_side == 1 &&
                   (sides.empty() || sides.back() != 1)) {
            sides.push_back(1);
        }
        f.advance();
    }
    ASSERT_EQ(sides.size(), 6u);
    for (size_t i = 1; i < sides.size(); ++i) EXPECT_NE(sides[i], sides[i - 1]) << i;
    EXPECT_TRUE(f.logged("ルカのターン"));
    EXPECT_TRUE(f.logged("ククルのターン"));
    EXPECT_TRUE(f.logged("＞踏みつぶす"));
}

TEST(Battle, TheArmourStrengthensWhicheverSideStarts) {
    int seen[2] = {0, 0};
    for (uint64_t seed = 1; seed <= 12; ++seed) {
        BattleFixture f(seed);
        Game& g = f.game;
        LeaveMap(g);
        g.scene_kind = 1;
        f.enemy("ククル", 50);
        g.enemy().tp = 10;
        Combatant& a = g.adventurer();
        a.armour = FindItemByName(g.items, "間蘇の鎧");
        ASSERT_NE(a.armour, 0);
        a.hp = 10;
        a.tp = 10;
        BeginBattle(g);
        const int side = g.active_side;
        seen[side] += 1;
        // HP +2 and TP +5 to the side that acts first, looked up by the adventurer's armour.
        EXPECT_EQ(g.combatants[side].hp, side == 0 ? 12 : 52);
        EXPECT_EQ(g.combatants[side].tp, 15);
        EXPECT_EQ(g.combatants[1 - side].tp, 10);
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}

TEST(Battle, AFaintedActorLosesExactlyOneTurn) {
    BattleFixture f;
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 1;
    f.enemy("ククル");
    g.enemy().status[kFaint] = 1;
    g.in_battle = 1;
    g.active_side = 1;
    g.sequence_step = 1;
    RunStep(g);
    EXPECT_TRUE(f.logged("ククルは気絶していて動けなかった...."));
    EXPECT_EQ(g.enemy().status[kFaint], 0);
    EXPECT_EQ(g.sequence_step, 6);
    EXPECT_EQ(g.turn_pending, 1);
    // The next advance goes to the player's turn, and the enemy's next turn is its own.
    RunStep(g);
    EXPECT_EQ(g.active_side, 0);
    EXPECT_TRUE(g.form.battle_box.visible);
}

TEST(Battle, APlayersTurnOffersTheListAndTheCards) {
    BattleFixture f;
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 1;
    f.enemy("ククル");
    g.in_battle = 1;
    g.state.skill_level[9] = 2;
    g.state.skill_order = {};
    g.state.skill_order.fill(-1);
    g.state.skill_order[0] = -1;  // an empty entry is skipped
    g.state.skill_order[1] = 9;
    g.state.skill_order[2] = 0;
    g.battle_list_last_index = 7;  // more rows than there are: kept within them
    g.active_side = 0;
    g.sequence_step = 2;
    RunStep(g);
    const platform::ListBox& list = g.form.battle_list;
    EXPECT_EQ(list.items, (std::vector<std::string>{"踏みつぶす", "ほのお", "逃げる"}));
    EXPECT_EQ(list.item_index, 2);
    EXPECT_EQ(g.action_technique, 22);
    EXPECT_TRUE(g.form.battle_box.visible);
    EXPECT_EQ(g.command_mode, kTechniqueCards);
    EXPECT_EQ(g.commands[9].shown, 1);
    EXPECT_EQ(g.commands[9].target_y, 6);  // first in the list order
    EXPECT_EQ(g.commands[0].target_y, 6 + 26);
    EXPECT_EQ(g.commands[22].shown, 0);  // not in the first entries of the order

    // No row left over: -1 selects the first row.
    g.battle_list_last_index = -1;
    g.sequence_step = 2;
    RunStep(g);
    EXPECT_EQ(list.item_index, 0);
    EXPECT_EQ(g.action_technique, 0);

    // Many techniques: smaller rows.
    for (int id = 0; id < 30; ++id) g.state.skill_level[id] = 1;
    g.sequence_step = 2;
    RunStep(g);
    EXPECT_EQ(list.item_height, 15);
}

TEST(Battle, ChoosingOneWayPutsTheOtherAway) {
    for (bool by_button : {true, false}) {
        BattleFixture f;
        Game& g = f.game;
        LeaveMap(g);
        g.scene_kind = 1;
        f.enemy("ククル");
        g.in_battle = 1;
        g.active_side = 0;
        g.sequence_step = 2;
        RunStep(g);
        ASSERT_TRUE(g.form.battle_box.visible);
        ASSERT_EQ(g.command_mode, kTechniqueCards);
        if (by_button) {
            Button1Click(g);
        } else {
            for (int i = 0; i < 10; ++i) TickStep(g);  // the cards fly in
            const CommandEntry& card = g.commands[22];
            ClickMainPicture(g, card.target_x + 5, card.target_y + 5, platform::MouseButton::Left);
        }
        EXPECT_FALSE(g.form.battle_box.visible) << by_button;
        EXPECT_EQ(g.command_mode, 0) << by_button;
        EXPECT_GE(g.action_step, 1) << by_button;
        // Neither way can start a second action now.
        const int32_t step = g.action_step;
        Button1Click(g);
        EXPECT_EQ(g.action_step, step);
    }
}

TEST(Battle, AFreeSpotBattleStopsAtTheFieldCardsAStoryBattleReturnsHome) {
    for (int32_t kind : {1, 4}) {
        BattleFixture f;
        Game& g = f.game;
        LeaveMap(g);
        g.scene_kind = kind;
        f.enemy("サニー・レイニー");
        g.in_battle = 1;
        g.active_side = 0;
        g.enemy().hp = 0;
        g.state.story_flags[4] = 1;
        g.sequence_step = 6;
        RunStep(g);  // no lines, no techniques learned, no find: the milestones
        if (kind == 1) {
            EXPECT_EQ(g.command_mode, kFieldCards);
            EXPECT_EQ(g.sequence_step, 9);
            EXPECT_EQ(g.map_shown, 0);
            EXPECT_EQ(g.commands[501].shown, 1);
            EXPECT_EQ(g.state.story_flags[1], 0);
        } else {
            EXPECT_EQ(g.state.story_flags[4], 2);  // one more win of battle 4
            EXPECT_EQ(g.map_shown, 1);
            EXPECT_EQ(g.in_battle, 0);
            EXPECT_EQ(g.scene_kind, -1);
        }
    }
}

TEST(Battle, TheLinesAfterTheBattleComeOnePerClick) {
    BattleFixture f;
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 2;
    f.enemy("山男");
    g.in_battle = 1;
    g.post_battle_lines = {"一つ目", "二つ目"};
    g.post_battle_cursor = 0;
    g.enemy().hp = 0;
    g.sequence_step = 6;
    RunStep(g);
    EXPECT_EQ(g.message_log[0].text, "一つ目");
    EXPECT_EQ(g.awaiting_click, 1);
    f.advance();
    EXPECT_EQ(g.message_log[0].text, "二つ目");
    f.advance();  // past the end: the battle ends and the island is back
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_EQ(g.state.story_flags[2], 1);
}

TEST(Battle, MilestonesReachedTogetherAreShownOneAfterAnother) {
    BattleFixture f;
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 1;
    g.in_battle = 1;
    g.active_side = 0;
    g.state.money = 1200;
    g.state.distance_m = 10;
    const int32_t score = g.state.score;
    g.sequence_step = 8;
    RunStep(g);
    EXPECT_EQ(g.message_log[0].text, "所持金が1000円を達成!! > 得点 +100");
    EXPECT_EQ(g.message_log[0].kind, ColourKind("pink2"));
    EXPECT_EQ(g.awaiting_click, 1);
    EXPECT_EQ(g.state.score, score + 100);
    f.advance();
    EXPECT_EQ(g.message_log[0].text, "最高距離が10mを達成!! > 得点 +100");
    EXPECT_EQ(g.reports_sent.back(), "<距離>最高距離 10mを達成");
    f.advance();
    EXPECT_EQ(g.command_mode, kFieldCards);
    EXPECT_EQ(g.state.event_flags[5], 1);
    EXPECT_EQ(g.state.event_flags[10], 1);
}

TEST(Battle, NamedEnemiesKeepTheirHabits) {
    struct Case {
        const char* name;
        int32_t turn;
        int32_t special;
        int32_t id;  // -1: its own draw (technique 0 here)
    };
    const Case cases[] = {
        {"奥博士・MAYDAY MODE", 3, 0, 59},       {"奥博士・MAYDAY MODE", 3, 1, -1},
        {"奥博士・MAYDAY MODE", 2, 0, -1},       {"島・MAYDAY MODE", 1, 0, 202},
        {"島・MAYDAY MODE", 2, 0, -1},           {"帰って来た毒蛾博士", 1, 0, 204},
        {"マジカルアゲイン", 1, 0, 28},          {"マジカル", 2, 0, -1},
        {"サニー・レイニーアゲイン", 11, 0, 38}, {"サニー・レイニー", 1, 0, -1},
        {"天界からの使者再び", 6, 0, 229},       {"天界からの使者再び", 5, 0, -1},
    };
    for (const Case& c : cases) {
        BattleFixture f;
        f.enemy(c.name);
        f.game.turn_count = c.turn;
        f.game.enemy().status[kSpecial] = c.special;
        EXPECT_EQ(EnemyTechnique(f.game), c.id < 0 ? 0 : c.id) << c.name << " " << c.turn;
    }
    // An enemy draws only techniques it can pay TP for.
    BattleFixture f;
    f.enemy("ククル");
    f.game.enemy().technique_slots = {3, 3, 0, 3, 3};  // 山落とし costs 50 TP
    f.game.enemy().tp = 10;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(EnemyTechnique(f.game), 0);
}

TEST(Battle, EscapeEndsOnlyAWalksBattle) {
    int escaped = 0;
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        for (int32_t kind : {1, 7}) {
            BattleFixture f(seed);
            Game& g = f.game;
            LeaveMap(g);
            g.scene_kind = kind;
            f.enemy("ククル");
            g.in_battle = 1;
            g.active_side = 0;
            g.action_technique = 22;
            g.action_step = 1;
            g.button_held = 1;
            PerformStep(g);
            EXPECT_TRUE(f.logged("＞逃げる"));
            g.button_held = 1;
            PerformStep(g);
            if (g.state.escape_count == 1) {  // the island's landing cleared the log
                EXPECT_EQ(kind, 1);
                EXPECT_EQ(g.map_shown, 1);
                EXPECT_EQ(g.turn_pending, 0);  // nothing left to run on the map
                escaped += 1;
            } else {
                EXPECT_TRUE(f.logged("逃亡に失敗した...."));
                EXPECT_EQ(g.turn_pending, 1);
                EXPECT_EQ(g.in_battle, 1);
            }
        }
    }
    EXPECT_GT(escaped, 3);
}

TEST(Battle, HoldingTheButtonAdvancesEveryTickUntilReleased) {
    BattleFixture f;
    Game& g = f.game;
    LeaveMap(g);
    g.scene_kind = 1;
    f.enemy("ククル");
    g.in_battle = 1;
    g.sequence_step = 40;  // a step that does nothing, so every advance shows
    g.turn_pending = 1;
    cgMouseDown(g, {platform::MouseButton::Left, 5, 5});
    EXPECT_EQ(g.turn_pending, 0);  // the press itself advanced
    for (int i = 0; i < 3; ++i) {
        g.turn_pending = 1;
        TickStep(g);
        EXPECT_EQ(g.turn_pending, 0) << i;  // and so does every tick while held
    }
    cgMouseUp(g, {platform::MouseButton::Left, 5, 5});
    g.turn_pending = 1;
    TickStep(g);
    EXPECT_EQ(g.turn_pending, 1);
}

}  // namespace
}  // namespace quill
