#include "shell/tick.h"

#include <gtest/gtest.h>

#include "explore/background.h"
#include "platform/random.h"
#include "shell/startup.h"
#include "shell/title_stars.h"
#include "state/state_ops.h"
#include "test_support.h"

namespace quill {
namespace {

using platform::Color;
using testing_support::filled;
using testing_support::GameFixture;
using testing_support::write_bmp;

TEST(Governor, MovesTheIntervalTowardThirteenOrFourteenStepsASecond) {
    struct Case {
        int32_t interval, steps, expected;
    };
    const Case cases[] = {
        {87, 13, 87}, {87, 14, 87},  // on target: unchanged
        {87, 15, 88}, {87, 20, 93},  // too fast: +(c - 14)
        {80, 10, 76}, {87, 12, 85},  // too slow: shorter
        {72, 10, 72},                // would go below 70: unchanged
        {74, 10, 70},                // exactly 70 is allowed
        {70, 0, 70},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GovernedInterval(c.interval, c.steps), c.expected)
            << c.interval << " ms, " << c.steps << " steps";
    }
}

TEST(Governor, RunsOnceASecondAndCountsClickSteps) {
    GameFixture f;
    Game& g = f.game;
    g.screen_mode = kBoot;
    g.background().resize(kBoardWidth, kBoardHeight);
    g.governor_deadline = f.clock.now_days() + platform::kOneSecondInDays;
    for (int i = 0; i < 20; ++i) TickStep(g);  // clicks count as steps too
    RunGovernor(g);                            // deadline not yet passed
    EXPECT_EQ(g.timer_interval, kStartInterval);
    EXPECT_EQ(g.steps_this_second, 20);
    f.clock.advance_seconds(1.01);
    RunGovernor(g);
    EXPECT_EQ(g.timer_interval, kStartInterval + 6);
    EXPECT_EQ(g.steps_this_second, 0);
    EXPECT_GT(g.governor_deadline, f.clock.now_days());
}

TEST(TickStep, TickCountWrapsAfter999) {
    GameFixture f;
    Game& g = f.game;
    g.screen_mode = kBoot;
    g.background().resize(kBoardWidth, kBoardHeight);
    g.tick_count = 998;
    std::vector<int> seen;
    for (int i = 0; i < 3; ++i) {
        TickStep(g);
        seen.push_back(g.tick_count);
    }
    EXPECT_EQ(seen, (std::vector<int>{999, 0, 1}));
}

TEST(TickStep, BootOnlyCopiesTheBackground) {
    GameFixture f;
    Game& g = f.game;
    g.screen_mode = kBoot;
    g.background() = filled(kBoardWidth, kBoardHeight, Color::rgb(0x123456));
    g.cg() = filled(kBoardWidth, kBoardHeight, Color::rgb(0x000000));
    g.bak = filled(kBoardWidth, kBoardHeight, Color::rgb(0xFF0000));  // not combined on boot
    g.state.money = 25000;                                            // no clamp on boot
    TickStep(g);
    EXPECT_EQ(g.cg().pixel(100, 100), Color::rgb(0x123456));
    EXPECT_EQ(g.state.money, 25000);
}

// In the game screen the clamp runs only where the speed gate lets the step through.
TEST(TickStep, SpeedGateThinsOutTheGameSteps) {
    struct Case {
        int32_t speed;
        int32_t tick_before;  // the step runs with tick_before + 1
        bool runs;
    };
    const Case cases[] = {
        {0, 3, true},    {0, 7, true},                 // normal: always
        {1, 3, false},   {1, 7, false}, {1, 4, true},  // 1: not on multiples of 4
        {2, 2, false},   {2, 5, false}, {2, 3, true},  // 2: not on multiples of 3
        {1, 999, false},                               // tick 0 is a multiple of both
    };
    for (const Case& c : cases) {
        GameFixture f;
        Game& g = f.game;
        g.screen_mode = kGame;
        g.background().resize(kBoardWidth, kBoardHeight);
        g.bak.resize(kBoardWidth, kBoardHeight);
        g.state.game_speed = c.speed;
        g.tick_count = c.tick_before;
        g.state.money = 25000;
        TickStep(g);
        EXPECT_EQ(g.state.money == 19999, c.runs) << c.speed << " " << c.tick_before;
    }
}

// A press of the button (held for this step) or a button kept down since an earlier step:
// either runs the turn's next step, except that a kept button leaves a waiting line to its
// own click, and neither runs it while the cards are shown.
TEST(TickStep, TheButtonRunsTheNextStepUnlessALineWaitsOrCardsAreShown) {
    struct Case {
        int32_t held, down, waiting, cards;
        bool advances;
        int32_t held_after;
    };
    const Case cases[] = {
        {1, 0, 0, 0, true, 0}, {1, 0, 0, 1, false, 1},                          // a press
        {0, 1, 0, 0, true, 0}, {0, 1, 1, 0, false, 0}, {0, 1, 0, 1, false, 0},  // kept down
    };
    for (const Case& c : cases) {
        GameFixture f;
        Game& g = f.game;
        g.screen_mode = kGame;
        g.background().resize(kBoardWidth, kBoardHeight);
        g.bak.resize(kBoardWidth, kBoardHeight);
        g.turn_pending = 1;
        g.button_held = c.held;
        g.mouse_down = c.down;
        g.awaiting_click = c.waiting;
        g.command_mode = c.cards;
        g.sequence_step = 40;  // a step that does nothing, so nothing arms again
        TickStep(g);
        const std::string what = "held " + std::to_string(c.held) + " down " +
                                 std::to_string(c.down) + " waiting " + std::to_string(c.waiting) +
                                 " cards " + std::to_string(c.cards);
        EXPECT_EQ(g.turn_pending, c.advances ? 0 : 1) << what;
        EXPECT_EQ(g.button_held, c.held_after) << what;
        EXPECT_EQ(g.awaiting_click, c.waiting) << what;  // a waiting line keeps waiting
    }
}

TEST(TickStep, CreationPanelShowsTheChoicesAndNothingElse) {
    GameFixture f;
    Game& g = f.game;
    g.screen_mode = kGame;
    g.form.bp_box.visible = true;
    g.state.raised_attribute = 4;
    g.state.char_type = 5;
    g.state.money = 25000;
    TickStep(g);
    EXPECT_EQ(g.form.bp_l.caption, "上昇ﾊﾟﾗﾒｰﾀｰ:【命中率】 タイプ:≪狂人≫");
    EXPECT_EQ(g.state.money, 25000);
}

TEST(TitleStars, NewStarsStartBelowOrBeyondTheRightEdge) {
    platform::seed_random(7);
    int from_right = 0, from_below = 0;
    for (int i = 0; i < 4000; ++i) {
        TitleStar s;
        StartTitleStar(s);
        ASSERT_EQ(s.age, 1);
        ASSERT_GE(s.lifetime, 10);
        ASSERT_LE(s.lifetime, 59);
        ASSERT_GE(s.frame, 0);
        ASSERT_LE(s.frame, 5);
        const bool large = s.kind == 0;
        if (s.x == 641) {
            ++from_right;
            ASSERT_GE(s.y, 0);
            ASSERT_LT(s.y, 480);
            // one faster across, one slower upward
            ASSERT_GE(s.speed_x, large ? 6 : 3);
            ASSERT_LE(s.speed_x, large ? 17 : 7);
            ASSERT_GE(s.speed_y, large ? 2 : 1);
            ASSERT_LE(s.speed_y, large ? 11 : 6);
        } else {
            ++from_below;
            ASSERT_EQ(s.y, 490);
            ASSERT_GE(s.x, 0);
            ASSERT_LT(s.x, 640);
            ASSERT_GE(s.speed_x, large ? 5 : 2);
            ASSERT_LE(s.speed_x, large ? 16 : 6);
            ASSERT_GE(s.speed_y, large ? 3 : 2);
            ASSERT_LE(s.speed_y, large ? 12 : 7);
        }
    }
    EXPECT_GT(from_right, 1700);
    EXPECT_GT(from_below, 1700);
}

struct StarFixture : GameFixture {
    StarFixture() {
        game.cg() = filled(kBoardWidth, kBoardHeight, Color::rgb(0x010101));
        for (int k = 0; k < 12; ++k) {
            int size = k < 6 ? 20 : 10;
            game.sprites[kSpriteLargeStars + k] =
                filled(size, size, Color::rgb(0x100000 * (k + 1)));
        }
        // All records busy, so no new star takes random numbers.
        for (TitleStar& s : game.stars) s = TitleStar{1, 300, 300, 1, 1, 1, 0, 1000};
    }
};

TEST(TitleStars, SlowDownWhileYoungAndSpeedUpWhenOld) {
    struct Case {
        int32_t tick, age, lifetime, speed_x, speed_y;
        int32_t want_x, want_y;
    };
    const Case cases[] = {
        {0, 3, 10, 5, 5, 4, 4},   // young, tick 0: both slow down
        {5, 3, 10, 5, 5, 4, 5},   // young, tick 5: only across
        {8, 3, 10, 1, 1, 1, 1},   // never below 1
        {0, 20, 10, 5, 5, 6, 6},  // old, tick 0: both speed up
        {3, 20, 10, 5, 5, 5, 6},  // old, tick 3: only upward
        {0, 9, 10, 5, 5, 5, 5},   // age reaches the lifetime: neither
    };
    for (const Case& c : cases) {
        StarFixture f;
        Game& g = f.game;
        g.tick_count = c.tick;
        g.stars[0] = TitleStar{c.age, 300, 300, c.speed_x, c.speed_y, 0, 5, c.lifetime};
        DrawTitleStars(g);
        const TitleStar& s = g.stars[0];
        EXPECT_EQ(s.x, 300 - c.speed_x) << "moves before changing speed";
        EXPECT_EQ(s.speed_x, c.want_x) << c.tick << "/" << c.age;
        EXPECT_EQ(s.speed_y, c.want_y) << c.tick << "/" << c.age;
        EXPECT_EQ(s.frame, 0);  // frame 5 wraps to 0
    }
}

TEST(TitleStars, DrawTheirFrameAndRestartOnceOutside) {
    StarFixture f;
    Game& g = f.game;
    g.tick_count = 1;
    g.stars[0] = TitleStar{2, 100, 200, 3, 4, 0, 1, 50};  // large, frame 1 -> 2
    g.stars[1] = TitleStar{2, 660, 200, 1, 1, 1, 0, 50};  // still beyond x 650 after moving
    g.stars[2] = TitleStar{2, 300, -5, 1, 6, 1, 0, 50};   // leaves the top
    DrawTitleStars(g);
    EXPECT_EQ(g.cg().pixel(97, 196), Color::rgb(0x310101));  // cell 22 + 2 OR-combined
    EXPECT_EQ(g.cg().pixel(96, 196), Color::rgb(0x010101));
    EXPECT_EQ(g.stars[1].age, 0);
    EXPECT_EQ(g.stars[2].age, 0);
    EXPECT_EQ(g.stars[0].age, 3);
}

TEST(Background, BattleScenesAreShadedTowardTheEdges) {
    platform::Bitmap b = filled(kBoardWidth, 2, Color::rgb(0xC8C8C8));  // 200 everywhere
    ShadeBattleEdges(b);
    struct Case {
        int x;
        uint8_t value;
    };
    const Case cases[] = {{0, 50},    {75, 125},  {150, 200}, {151, 200}, {319, 200},
                          {320, 200}, {400, 120}, {470, 50},  {480, 40},  {639, 40}};
    for (const Case& c : cases) {
        EXPECT_EQ(b.pixel(c.x, 1).g, c.value) << "x = " << c.x;
    }
}

TEST(Background, ShowBackgroundShadesOnlyBattleScenes) {
    struct Case {
        const char* name;
        int32_t scene_kind;
        bool shaded;
    };
    const Case cases[] = {{"scene.bmp", 1, true},
                          {"scene.bmp", 99, true},
                          {"scene.bmp", 100, false},
                          {"scene.bmp", -1, false},
                          {"map.bmp", 5, false}};
    for (const Case& c : cases) {
        GameFixture f;
        Game& g = f.game;
        g.background().resize(kBoardWidth, kBoardHeight);
        g.bak.resize(kBoardWidth, kBoardHeight);
        write_bmp(g.folders.cg_file(c.name),
                  filled(kBoardWidth, kBoardHeight, Color::rgb(0xC8C8C8)));
        g.scene_kind = c.scene_kind;
        ShowBackground(g, c.name);
        EXPECT_EQ(g.background().pixel(639, 10).r, c.shaded ? 40 : 200) << c.name << c.scene_kind;
        EXPECT_EQ(g.cg().pixel(639, 10).r, c.shaded ? 40 : 200);
    }
}

TEST(Background, AMissingPictureKeepsTheOldBackground) {
    GameFixture f;
    Game& g = f.game;
    g.background() = filled(kBoardWidth, kBoardHeight, Color::rgb(0x336699));
    g.bak.resize(kBoardWidth, kBoardHeight);
    ShowBackground(g, "nowhere.bmp");
    EXPECT_EQ(g.background().pixel(5, 5), Color::rgb(0x336699));
    EXPECT_EQ(g.last_background, "nowhere.bmp");
    // An empty name shows the last picture again.
    write_bmp(g.folders.cg_file("nowhere.bmp"),
              filled(kBoardWidth, kBoardHeight, Color::rgb(0x112233)));
    ShowBackground(g, "");
    EXPECT_EQ(g.background().pixel(5, 5), Color::rgb(0x112233));
}

TEST(Background, TheIslandMapChangesWithTheStory) {
    GameFixture f;
    Game& g = f.game;
    g.background().resize(kBoardWidth, kBoardHeight);
    g.bak.resize(kBoardWidth, kBoardHeight);
    write_bmp(g.folders.cg_file("map.bmp"),
              filled(kBoardWidth, kBoardHeight, Color::rgb(0x0000AA)));
    write_bmp(g.folders.cg_file("map2.bmp"),
              filled(kBoardWidth, kBoardHeight, Color::rgb(0xAA0000)));
    struct Case {
        int32_t s12, s13;
        const char* asked;
        Color shown;
    };
    const Case cases[] = {{0, 0, "map.bmp", Color::rgb(0x0000AA)},
                          {2, 0, "map.bmp", Color::rgb(0xAA0000)},
                          {2, 2, "map.bmp", Color::rgb(0x0000AA)},
                          {0, 2, "map2.bmp", Color::rgb(0x0000AA)},
                          {1, 0, "map2.bmp", Color::rgb(0xAA0000)}};
    for (const Case& c : cases) {
        g.state.story_flags[12] = c.s12;
        g.state.story_flags[13] = c.s13;
        ShowBackground(g, c.asked);
        EXPECT_EQ(g.background().pixel(5, 5), c.shown) << c.s12 << c.s13 << c.asked;
    }
}

TEST(SpriteTable, CutsTheStarSheetsAndReportsMissingFiles) {
    GameFixture f;
    Game& g = f.game;
    platform::Bitmap large(120, 20), small(60, 10);
    for (int k = 0; k < 6; ++k) {
        large.fill_rect(20 * k, 0, 20 * k + 20, 20, Color::rgb(0x10 * (k + 1)));
        small.fill_rect(10 * k, 0, 10 * k + 10, 10, Color::rgb(0x1000 * (k + 1)));
    }
    write_bmp(g.folders.cg_file("star1.bmp"), large);
    write_bmp(g.folders.cg_file("star2.bmp"), small);
    write_bmp(g.folders.cg_file("pet.bmp"), filled(30, 30, Color::rgb(0x445566)));
    std::vector<std::string> missing = LoadSpriteTable(g);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(g.sprites[kSpriteLargeStars + k].width(), 20);
        EXPECT_EQ(g.sprites[kSpriteLargeStars + k].pixel(10, 10), Color::rgb(0x10 * (k + 1)));
        EXPECT_EQ(g.sprites[kSpriteSmallStars + k].width(), 10);
        EXPECT_EQ(g.sprites[kSpriteSmallStars + k].pixel(5, 5), Color::rgb(0x1000 * (k + 1)));
    }
    EXPECT_TRUE(g.sprites[kSpriteStarSheetLarge].empty());
    EXPECT_TRUE(g.sprites[kSpriteStarSheetSmall].empty());
    EXPECT_EQ(g.sprites[kSpritePetPlace].width(), 30);
    EXPECT_TRUE(g.sprites[39].empty());
    EXPECT_EQ(missing.size(), 30u);  // 33 slots name a file (six map pins), 3 of them are there
    EXPECT_EQ(g.background().width(), kBoardWidth);  // the buffer exists regardless
}

TEST(Startup, RunsWithNoPicturesAtAllAndShowsTheCreditScreen) {
    GameFixture f;
    Game& g = f.game;
    FormCreate(g, 1);
    EXPECT_EQ(g.screen_mode, kBoot);
    EXPECT_EQ(g.closing, 1);
    EXPECT_EQ(g.last_background, "cr.jpg");
    EXPECT_FALSE(g.form.map_b1.visible);
    EXPECT_EQ(g.cg().width(), kBoardWidth);
    EXPECT_EQ(g.bak.height(), kBoardHeight);
    for (int i = 0; i < 30; ++i) Timer1Timer(g);
}

}  // namespace
}  // namespace quill
