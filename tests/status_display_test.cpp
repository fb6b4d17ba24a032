#include "view/status_display.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "tools/fixtures/busy_frame.h"
#include "view/frame.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

using platform::Color;
using testing_support::GameFixture;

TEST(Rolling, BigChangesRollInAFewFramesSmallOnesOneByOne) {
    // A 1000-HP heal: +101, then +90, ...
    int32_t shown = 0;
    std::vector<int32_t> steps;
    for (int i = 0; i < 4; ++i) {
        int32_t next = RollToward(shown, 1000);
        steps.push_back(next - shown);
        shown = next;
    }
    EXPECT_EQ(steps, (std::vector<int32_t>{101, 90, 81, 73}));
    EXPECT_EQ(RollToward(5, 6), 6);
    EXPECT_EQ(RollToward(6, 5), 5);
    EXPECT_EQ(RollToward(7, 7), 7);
    // Falls: a tenth plus one; the enemy's HP a third plus one.
    EXPECT_EQ(RollToward(1000, 0), 899);
    EXPECT_EQ(RollToward(1000, 0, 3), 666);
    EXPECT_EQ(RollToward(300, 0, 3), 199);
    // Rises stay at a tenth even for the enemy's HP.
    EXPECT_EQ(RollToward(0, 300, 3), 31);
    int frames = 0;
    for (shown = 1000; shown != 0; ++frames) shown = RollToward(shown, 0, 3);
    EXPECT_EQ(frames, 15);
}

TEST(StatusTags, ShowInDisplayOrderHarmfulAndHelpfulApart) {
    Combatant c;
    c.status[kBurn] = 2;
    c.status[kFaint] = 1;
    c.status[kSnakePoison] = 3;
    c.status[kPoison] = 1;
    c.status[kThorns] = 4;
    c.status[kBloodSword] = 1;
    c.status[kPowerFire] = 2;
    c.status[kGuardStance] = 1;
    c.status[kKinnaraArrows] = 5;  // untagged
    c.status[kSpecial] = 1;        // untagged
    c.status[kParalysis] = 0;
    EXPECT_EQ(StatusTags(c, false), "<気絶><毒><火傷><蛇毒3>");
    EXPECT_EQ(StatusTags(c, true), "<血剣><防><火力><棘>");
    EXPECT_EQ(StatusTags(Combatant{}, true), "");
}

// A frame like the middle of a battle, drawn from a hand-made state.
struct BusyFrame : GameFixture {
    BusyFrame() { testing_support::MakeBusyBattleFrame(game); }
};

TEST(Frame, ABusyBattleFrameIsDrawnWhereItBelongs) {
    BusyFrame f;
    Game& g = f.game;
    ComposeFrame(g);
    const platform::Bitmap& cg = g.cg();
    // The adventurer stands at the upper right, the pet peeks in at the lower right.
    EXPECT_EQ(cg.pixel(640 - 120 + 60, 100), Color::rgb(0x3366CC));
    EXPECT_EQ(cg.pixel(640 - 120 + 10, 100), Color::rgb(0x18203A));
    EXPECT_EQ(cg.pixel(740 - 140 + 20, 510 - 140 + 20), Color::rgb(0xDDAA55));
    // Tick 7 is odd: bars whose shown value still rolls use the changing colour.
    const int y0 = 355;
    EXPECT_EQ(cg.pixel(99, y0 + 52), Color::rgb(0x553322));  // HP track
    EXPECT_EQ(cg.pixel(5, y0 + 52), Color::rgb(0xFF4499));   // changing: 40 shown, 9 real
    EXPECT_EQ(cg.pixel(5, y0 + 74), Color::rgb(0x7722FF));   // MP fill
    EXPECT_EQ(cg.pixel(5, y0 + 96), Color::rgb(0x77DD22));   // TP full, odd tick: no blink
    EXPECT_EQ(cg.pixel(30, 41), Color::rgb(0xFF4499));       // enemy HP changing
    // The rolls happened after drawing.
    EXPECT_EQ(g.shown.hp, 40 - 3 - 1);
    EXPECT_EQ(g.shown.enemy_hp, 200 - 16 - 1);
    // The click prompt sits at the bottom right, whole inside the picture.
    int prompt = 0;
    for (int y = 440; y < 480; ++y)
        for (int x = 590; x < 640; ++x) prompt += cg.pixel(x, y) == Color::rgb(0xFFF2B8);
    EXPECT_GE(prompt, 60);

    g.tick_count = 8;  // even: a low HP track blinks, and so does a full TP bar
    g.shown.hp = 9;    // at most a tenth of 120
    ComposeFrame(g);
    EXPECT_EQ(g.cg().pixel(99, y0 + 52), Color::rgb(0xAA0000));
    EXPECT_EQ(g.cg().pixel(5, y0 + 96), Color::rgb(0xAAFF55));

    const char* out = getenv("QUILLMOOR_FRAME_PNG");
    if (out) g.cg().save_png(out);
}

TEST(Frame, DeathTintsTheWholeFrameRed) {
    BusyFrame f;
    Game& g = f.game;
    g.game_over = 1;
    ComposeFrame(g);
    EXPECT_EQ(g.cg().pixel(320, 100).r, 0xFF);
    EXPECT_EQ(g.cg().pixel(320, 100).g, 0x20);
}

TEST(Frame, TheTopLineShowsLoadsOnTheMapAndDistanceElsewhereButNotInBattle) {
    for (int map : {0, 1}) {
        BusyFrame f;
        Game& g = f.game;
        g.enemy().present = 0;
        g.in_battle = 0;
        g.map_shown = map;
        g.background() =
            testing_support::filled(kBoardWidth, kBoardHeight, platform::colors::kBlack);
        ComposeFrame(g);
        int lit = 0;
        for (int y = 24; y < 38; ++y)
            for (int x = 2; x < 300; ++x) lit += g.cg().pixel(x, y) != platform::colors::kBlack;
        EXPECT_GT(lit, 50);
        if (map) {
            EXPECT_EQ(g.form.cg2.picture.pixel(100, 100), g.cg().pixel(100, 100));
        }
    }
}

}  // namespace
}  // namespace quill
