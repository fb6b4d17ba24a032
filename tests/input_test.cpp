#include "shell/input.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "test_support.h"
#include "view/frame.h"

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

TEST(Input, AClickOnALineThatWaitsInsideAnActionGoesOnWithTheAction) {
    for (int32_t action : {0, 2}) {
        StartedGame f;
        Game& g = f.game;
        g.screen_mode = kGame;
        g.awaiting_click = 1;
        g.action_step = action;
        g.sequence_step = 40;  // a step that does nothing
        ClickMainPicture(g, 10, 10, MouseButton::Left);
        EXPECT_EQ(g.awaiting_click, 0);
        // Inside an action the click is the action's next advance; between actions it runs
        // the turn's next step.
        EXPECT_EQ(g.button_held, action > 0 ? 1 : 0) << action;
        EXPECT_EQ(g.sequence_step, action > 0 ? 40 : 41) << action;
    }
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

TEST(Input, F10TogglesTheNetworkModeAndWritesItDown) {
    StartedGame f;
    Game& g = f.game;
    ASSERT_EQ(g.state.net_off, 0);
    FormKeyDown(g, Key::F10);
    FormKeyDown(g, Key::F10);
    EXPECT_EQ(f.dialogs.messages,
              (std::vector<std::string>{"ネット非対応に変更しました", "ネット対応に変更しました"}));
    EXPECT_EQ(g.state.net_off, 0);
    FormKeyDown(g, Key::F10);
    EXPECT_EQ(platform::read_file(g.folders.dat_file("kousin.dat")).value(),
              "0\r\n0\r\n0\r\n1\r\n");
    // Not on the title.
    FormKeyDown(g, Key::Enter);
    FormKeyDown(g, Key::F10);
    FormKeyDown(g, Key::F1);
    EXPECT_EQ(f.dialogs.messages.size(), 3u);
    EXPECT_TRUE(f.dialogs.questions.empty());
}

TEST(Input, F1ResetsOnlyAfterYesYesNo) {
    struct Case {
        std::vector<bool> answers;
        size_t questions;
        bool reset;
    };
    const Case cases[] = {{{true, true, true}, 3, false},
                          {{true, true, false}, 3, true},
                          {{true, false}, 2, false},
                          {{false}, 1, false}};
    for (const Case& c : cases) {
        StartedGame f;
        Game& g = f.game;
        g.state.money = 4444;
        g.state.event_flags[0] = 1;
        g.state.save_damaged = 1;
        f.dialogs.answers = c.answers;
        FormKeyDown(g, Key::F1);
        EXPECT_EQ(f.dialogs.questions.size(), c.questions);
        EXPECT_EQ(g.state.money == 50, c.reset);
        EXPECT_EQ(g.state.save_damaged, c.reset ? 0 : 1);
        if (c.reset) {
            EXPECT_EQ(f.dialogs.messages.back(), "初期化完了....");
            EXPECT_FALSE(adventurer_exists(g));
        }
    }
    StartedGame f;
    f.dialogs.answers = {true, true, false};
    FormKeyDown(f.game, Key::F1);
    ASSERT_EQ(f.dialogs.questions.size(), 3u);
    EXPECT_EQ(f.dialogs.questions[0], "おっと、初期化したい？\n今までの記録とか消えるけどいい？)");
    EXPECT_EQ(f.dialogs.questions[1], "本当に消えるけどいい？)");
    EXPECT_EQ(f.dialogs.questions[2], "では初期化する場合は「いいえ」を選択してね)");
}

TEST(Input, DeathReturnsToTheTitleWithTheSaveReloaded) {
    StartedGame f;
    Game& g = f.game;
    g.state.load_count = 7;
    g.state.death_count = 2;
    save_game(g);
    const int32_t loads = g.state.load_count;
    const int32_t deaths = g.state.death_count;
    g.screen_mode = kGame;
    g.state.money = 9000;  // not saved: lost with the death
    g.game_over = 1;
    g.death_ticks = kDeathPauseTicks;
    g.enemy().name = "山男";
    ClickMainPicture(g, 100, 100, MouseButton::Left);
    EXPECT_EQ(g.screen_mode, kTitle);
    EXPECT_EQ(g.game_over, 0);
    EXPECT_EQ(g.state.load_count, loads);
    EXPECT_EQ(g.state.death_count, deaths + 1);
    EXPECT_EQ(g.state.money, 50);
    EXPECT_TRUE(g.enemy().name.empty());
    EXPECT_EQ(g.last_background, "title.bmp");
}

TEST(Input, HoverLightsOneButtonAndTheCreationChoicesStayMarked) {
    StartedGame f;
    Game& g = f.game;
    Form& form = g.form;
    WireHandlers(g);
    g.state.raised_attribute = 2;
    g.state.char_type = 4;
    g.state.race_sex = 7;
    const platform::Color idle = platform::Color::rgb(0x808080);
    const platform::Color lit = platform::Color::rgb(0xC0C0C0);
    const platform::Color chosen = platform::Color::rgb(0x2F6FB0);
    const platform::Color chosen_lit = platform::Color::rgb(0x4F8FD0);
    // Every button's colour, with `hovered` under the pointer and the three choices marked.
    auto check = [&](const platform::Label* hovered, const std::string& when) {
        for (const platform::Label* b : form.button_labels()) {
            const bool is_chosen = b == &form.attribute_buttons[g.state.raised_attribute] ||
                                   b == &form.type_buttons[g.state.char_type] ||
                                   b == &form.race_buttons[g.state.race_sex];
            platform::Color want =
                is_chosen ? (b == hovered ? chosen_lit : chosen) : (b == hovered ? lit : idle);
            // The title's 遊び方 keeps the title's night blue.
            if (b == &form.l_btn80) {
                want = platform::Color::rgb(b == hovered ? 0x4A4490 : 0x2E2A5C);
            }
            EXPECT_EQ(b->color, want) << when << ": " << b->name;
        }
    };
    for (auto* b : form.button_labels()) b->color = platform::Color::rgb(0x123456);
    form.l_btn8.on_mouse_move({MouseButton::Left, 1, 1});
    check(&form.l_btn8, "over OK");
    form.attribute_buttons[2].on_mouse_move({MouseButton::Left, 1, 1});
    check(&form.attribute_buttons[2], "over the chosen attribute");
    form.pet_box.on_mouse_move({MouseButton::Left, 1, 1});
    check(nullptr, "over a panel");
    form.race_buttons[0].on_mouse_move({MouseButton::Left, 1, 1});
    form.pet_l.on_mouse_move({MouseButton::Left, 1, 1});  // a text label
    check(nullptr, "over a text label");
    // A new choice moves the mark at once, lit as the pointer is on it.
    form.type_buttons[1].on_mouse_down({MouseButton::Left, 1, 1});
    EXPECT_EQ(g.state.char_type, 1);
    check(&form.type_buttons[1], "after choosing a type");
    form.race_buttons[3].on_mouse_down({MouseButton::Left, 1, 1});
    form.attribute_buttons[5].on_mouse_down({MouseButton::Left, 1, 1});
    check(&form.attribute_buttons[5], "after choosing a race and an attribute");
}

}  // namespace
}  // namespace quill
