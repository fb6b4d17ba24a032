#include "shell/input.h"

#include <gtest/gtest.h>

#include "shell/startup.h"
#include "state/state_ops.h"
#include "test_support.h"

namespace quill {
namespace {

using platform::Key;
using platform::MouseButton;
using testing_support::GameFixture;

struct StartedGame : GameFixture {
    StartedGame() { FormCreate(game, 1); }
};

TEST(Input, AClickOrEnterLeavesTheCreditPictureForTheTitle) {
    for (bool by_key : {false, true}) {
        StartedGame f;
        Game& g = f.game;
        ASSERT_EQ(g.screen_mode, kBoot);
        if (by_key) {
            FormKeyDown(g, Key::Enter);
        } else {
            ClickMainPicture(g, 200, 100, MouseButton::Left);
        }
        EXPECT_EQ(g.screen_mode, kTitle);
        EXPECT_EQ(g.last_background, "title.bmp");
        EXPECT_EQ(g.tick_count, 1);  // the press ran one tick step first
        EXPECT_EQ(g.button_held, 1);
    }
}

TEST(Input, ADamagedSaveEndsTheProgramFromTheCreditPicture) {
    StartedGame f;
    Game& g = f.game;
    g.state.save_damaged = 1;
    ClickMainPicture(g, 0, 0, MouseButton::Left);
    EXPECT_TRUE(g.quit_requested);
    EXPECT_EQ(g.screen_mode, kBoot);
}

TEST(Input, RightButtonDoesNothingMiddleActsAsLeftButItsReleaseDoesNot) {
    StartedGame f;
    Game& g = f.game;
    ClickMainPicture(g, 10, 10, MouseButton::Right);
    EXPECT_EQ(g.screen_mode, kBoot);
    EXPECT_EQ(g.tick_count, 0);
    ClickMainPicture(g, 10, 10, MouseButton::Middle);
    EXPECT_EQ(g.screen_mode, kTitle);
    EXPECT_EQ(g.button_held, 1);
    cgMouseUp(g, {MouseButton::Middle, 10, 10});
    EXPECT_EQ(g.button_held, 1);
    cgMouseUp(g, {MouseButton::Left, 10, 10});
    EXPECT_EQ(g.button_held, 0);
}

TEST(Input, APressOnAWaitingLineOnlyAcknowledgesIt) {
    StartedGame f;
    Game& g = f.game;
    g.awaiting_click = 1;
    ClickMainPicture(g, 123, 45, MouseButton::Left);
    EXPECT_EQ(g.awaiting_click, 0);
    EXPECT_EQ(g.screen_mode, kBoot);
    EXPECT_EQ(g.tick_count, 0);  // no tick step for that press
    EXPECT_EQ(g.pointer_x, 0);   // and no position recorded
    EXPECT_EQ(g.button_held, 0);
}

TEST(Input, TheTitleOpensCreationForANewPlayer) {
    StartedGame f;
    Game& g = f.game;
    FormKeyDown(g, Key::Enter);
    FormKeyDown(g, Key::Enter);
    EXPECT_EQ(g.screen_mode, kGame);
    EXPECT_TRUE(g.form.bp_box.visible);
    // Enter in the game does nothing.
    const int32_t ticks = g.tick_count;
    FormKeyDown(g, Key::Enter);
    EXPECT_EQ(g.tick_count, ticks);
}

TEST(Input, TheTitleLandsAKnownAdventurerOnTheIsland) {
    StartedGame f;
    Game& g = f.game;
    g.state.event_flags[0] = 1;
    g.state.score = 321;
    g.state.money = 77;
    g.adventurer().exp = 9;
    g.enemy().name = "よわっこ";
    ClickMainPicture(g, 0, 0, MouseButton::Left);
    ClickMainPicture(g, 0, 0, MouseButton::Left);
    EXPECT_EQ(g.screen_mode, kGame);
    EXPECT_FALSE(g.form.bp_box.visible);
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_TRUE(g.enemy().name.empty());
    EXPECT_EQ(g.sequence_step, -1);
    EXPECT_EQ(g.run_start_score, 321);
    EXPECT_EQ(g.run_start_money, 77);
    EXPECT_EQ(g.run_start_exp, 9);
}

TEST(Input, PointerMovesAreRecorded) {
    StartedGame f;
    cgMouseMove(f.game, {MouseButton::Left, 33, 44});
    EXPECT_EQ(f.game.pointer_x, 33);
    EXPECT_EQ(f.game.pointer_y, 44);
}

}  // namespace
}  // namespace quill
