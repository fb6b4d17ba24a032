// When the game waits for the player, what goes on by itself, and what the keyboard does: the
// prompt, the message speed, Space, the number keys, Escape, the map's lit places and the
// red screen of a death.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "character/pet_panel.h"
#include "explore/island.h"
#include "items/item_panel.h"
#include "net/net_panels.h"
#include "shell/input.h"
#include "shell/tick.h"
#include "state/state_dump.h"
#include "test_support.h"
#include "view/command_cards.h"
#include "view/frame.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::Key;
using platform::MouseButton;
using testing_support::LandedGame;

// The prompt's light colour, inside its dark rim.
constexpr platform::Color kPromptFill = platform::Color::rgb(0xFFF2B8);

int prompt_pixels(const platform::Bitmap& picture, int* top = nullptr) {
    int count = 0, first_row = -1;
    for (int y = 430; y < kBoardHeight; ++y) {
        for (int x = 580; x < kBoardWidth; ++x) {
            if (picture.pixel(x, y) != kPromptFill) continue;
            ++count;
            if (first_row < 0) first_row = y;
        }
    }
    if (top) *top = first_row;
    return count;
}

// A landed game telling three story lines, each waiting for its click.
struct Telling : LandedGame {
    Telling() : LandedGame(5) {
        game.story_lines = {"一つ目の行", "二つ目の行", "三つ目の行"};
        TellStoryAndReturn(game);
    }
    std::string newest() const { return LogLines(game).empty() ? "" : LogLines(game).front(); }
};

TEST(Waits, ThePromptShowsExactlyWhileTheGameWaitsForTheClick) {
    struct Case {
        const char* what;
        std::function<void(Game&)> set;
        bool waits;
    };
    const Case cases[] = {
        {"a line waits", [](Game& g) { g.awaiting_click = 1; }, true},
        {"the turn's next step", [](Game& g) { g.turn_pending = 1; }, true},
        {"an action's next step", [](Game& g) { g.action_step = 2; }, true},
        {"technique cards to choose",
         [](Game& g) {
             g.turn_pending = 1;
             g.command_mode = kTechniqueCards;
         },
         false},
        {"nothing to wait for", [](Game&) {}, false},
        {"the creation panel",
         [](Game& g) {
             g.awaiting_click = 1;
             g.form.bp_box.visible = true;
         },
         false},
        {"a death, at once", [](Game& g) { g.game_over = 1; }, false},
        {"a death, after its pause",
         [](Game& g) {
             g.game_over = 1;
             g.death_ticks = kDeathPauseTicks;
         },
         true},
    };
    for (const Case& c : cases) {
        LandedGame f(1);
        Game& g = f.game;
        LeaveMap(g);
        g.background() =
            platform::Bitmap(kBoardWidth, kBoardHeight, platform::Color::rgb(0x304050));
        c.set(g);
        EXPECT_EQ(WaitingForClick(g), c.waits) << c.what;
        ComposeFrame(g);
        EXPECT_EQ(prompt_pixels(g.cg()) > 40, c.waits) << c.what;
    }
}

TEST(Waits, ThePromptBobsGentlyAndStaysInsideThePicture) {
    std::vector<int> tops;
    for (int tick = 0; tick < 16; ++tick) {
        platform::Bitmap picture(kBoardWidth, kBoardHeight, platform::Color::rgb(0x203040));
        DrawWaitPrompt(picture, tick);
        int top = -1;
        EXPECT_GT(prompt_pixels(picture, &top), 40) << tick;
        tops.push_back(top);
        // Whole inside the picture: the rim never touches its edges.
        for (int y = 0; y < kBoardHeight; ++y) {
            EXPECT_EQ(picture.pixel(kBoardWidth - 1, y), platform::Color::rgb(0x203040));
        }
        for (int x = 0; x < kBoardWidth; ++x) {
            EXPECT_EQ(picture.pixel(x, kBoardHeight - 1), platform::Color::rgb(0x203040));
        }
    }
    // It moves a few pixels, one at a time, and comes back.
    const auto [low, high] = std::minmax_element(tops.begin(), tops.end());
    EXPECT_GE(*high - *low, 3);
    EXPECT_LE(*high - *low, 6);
    for (size_t i = 0; i < tops.size(); ++i) {
        EXPECT_LE(std::abs(tops[i] - tops[(i + 1) % tops.size()]), 1) << i;
    }
}

TEST(MessageSpeed, AWaitingLineGoesOnByItselfAfterItsPauseOrOnlyOnAClick) {
    const std::pair<int32_t, int> speeds[] = {
        {kMessageSlow, 28}, {kMessageNormal, 14}, {kMessageFast, 6}, {kMessageOnClick, 0}};
    for (const auto& [speed, ticks] : speeds) {
        Telling f;
        Game& g = f.game;
        g.message_speed = speed;
        ASSERT_EQ(f.newest(), "一つ目の行");
        const int limit = ticks == 0 ? 200 : ticks;
        for (int t = 1; t < limit; ++t) {
            TickStep(g);
            ASSERT_EQ(f.newest(), "一つ目の行") << "speed " << speed << " tick " << t;
        }
        TickStep(g);
        EXPECT_EQ(f.newest(), ticks == 0 ? "一つ目の行" : "二つ目の行") << "speed " << speed;
    }
}

TEST(MessageSpeed, ChoicesAndTheDeathScreenAlwaysWaitForThePlayer) {
    struct Case {
        const char* what;
        std::function<void(Game&)> set;
    };
    const Case cases[] = {
        {"technique cards",
         [](Game& g) {
             ShowCards(g, kTechniqueCards);
             g.turn_pending = 1;
         }},
        {"field commands", [](Game& g) { ShowCards(g, kFieldCards); }},
        {"a death", [](Game& g) { g.game_over = 1; }},
    };
    for (const Case& c : cases) {
        LandedGame f(2);
        Game& g = f.game;
        LeaveMap(g);
        g.message_speed = kMessageFast;
        c.set(g);
        const std::string before = StateDump(g);
        const int32_t mode = g.command_mode, over = g.game_over, sequence = g.sequence_step;
        for (int t = 0; t < 100; ++t) TickStep(g);
        EXPECT_EQ(g.command_mode, mode) << c.what;
        EXPECT_EQ(g.game_over, over) << c.what;
        EXPECT_EQ(g.sequence_step, sequence) << c.what;
        EXPECT_EQ(g.screen_mode, kGame) << c.what;
    }
}

// Where two state dumps first differ, with a little around it (empty when they are equal).
std::string first_difference(const std::string& a, const std::string& b) {
    if (a == b) return {};
    size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
    const size_t from = at > 60 ? at - 60 : 0;
    return a.substr(from, 120) + "\n  vs\n" + b.substr(from, 120);
}

// One battle played twice from one seed (the random numbers are the program's one
// generator, so the two plays run one after the other): with the mouse, and with Space and
// the number keys. The keys must leave the game exactly as the clicks did, step by step.
struct Played {
    std::vector<std::string> dumps;
    int card_presses = 0, advances = 0;
};

Played play_a_battle(bool with_keys) {
    LandedGame f(11);
    Game& g = f.game;
    Played played;
    const platform::MouseEvent away{MouseButton::Left, 100, 100};
    cgMouseMove(g, away);
    map_b1MouseDown(g);
    for (int round = 0; round < 80 && g.in_battle == 1; ++round) {
        if (g.command_mode >= 1 && g.awaiting_click == 0 && !g.card_order.empty()) {
            // The first card: clicked where it stands, or pressed as 1.
            const CommandEntry& c = g.commands[g.card_order.front()];
            const platform::MouseEvent on{MouseButton::Left, c.target_x + c.width / 2,
                                          c.target_y + c.height / 2};
            cgMouseMove(g, on);
            if (with_keys) {
                FormKeyDown(g, Key::Digit1);
                TickStep(g);
                FormKeyUp(g, Key::Digit1);
            } else {
                ClickMainPicture(g, on.x, on.y, MouseButton::Left);
                cgMouseUp(g, on);
            }
            played.card_presses += 1;
        } else {
            cgMouseMove(g, away);
            if (with_keys) {
                FormKeyDown(g, Key::Space);
                FormKeyUp(g, Key::Space);
            } else {
                ClickMainPicture(g, away.x, away.y, MouseButton::Left);
                cgMouseUp(g, away);
            }
            played.advances += 1;
        }
        for (int t = 0; t < 3; ++t) TickStep(g);
        std::string lines;
        for (const std::string& line : LogLines(g)) lines += line + "\n";
        played.dumps.push_back(StateDump(g) + lines);
    }
    return played;
}

TEST(Keys, SpaceAndTheNumberKeysPlayABattleAsTheMouseDoes) {
    const Played mouse = play_a_battle(false);
    const Played keys = play_a_battle(true);
    EXPECT_GE(mouse.card_presses, 2);
    EXPECT_GE(mouse.advances, 2);
    ASSERT_EQ(mouse.dumps.size(), keys.dumps.size());
    for (size_t i = 0; i < mouse.dumps.size(); ++i) {
        ASSERT_EQ(first_difference(mouse.dumps[i], keys.dumps[i]), "") << "round " << i;
    }
}

TEST(Keys, NumberKeysPressOnlyACardThatIsThereAndFree) {
    struct Case {
        const char* what;
        std::function<void(Game&)> set;
        Key key;
        int32_t pressed;  // the place in the laid-out order, -1 for none
    };
    const Case cases[] = {
        {"the second field command", [](Game&) {}, Key::Digit2, 1},
        {"the ninth of fewer", [](Game&) {}, Key::Digit9, -1},
        {"a disabled card", [](Game& g) { g.commands[g.card_order[0]].enabled = 0; }, Key::Digit1,
         -1},
        {"while a line waits", [](Game& g) { g.awaiting_click = 1; }, Key::Digit1, -1},
        {"with the item panel open", [](Game& g) { g.form.item_box.visible = true; }, Key::Digit1,
         -1},
        {"with no cards", [](Game& g) { HideCards(g); }, Key::Digit1, -1},
    };
    for (const Case& c : cases) {
        LandedGame f(3);
        Game& g = f.game;
        LeaveMap(g);
        ShowCards(g, kFieldCards);
        ASSERT_GE(g.card_order.size(), 2u);
        ASSERT_LT(g.card_order.size(), 9u);
        const std::vector<int32_t> order = g.card_order;
        c.set(g);
        g.clicked_card = -1;
        FormKeyDown(g, c.key);
        EXPECT_EQ(g.clicked_card, c.pressed < 0 ? -1 : order[c.pressed]) << c.what;
    }
}

TEST(Keys, TheCardsAreNumberedTopToBottom) {
    LandedGame f(4);
    Game& g = f.game;
    for (int i = 0; i < 18; ++i) {
        g.state.skill_order[i] = i;
        g.state.skill_level[i] = 1;
    }
    ShowCards(g, kTechniqueCards);
    ASSERT_GE(g.card_order.size(), 9u);
    for (size_t n = 1; n < 9; ++n) {
        EXPECT_LT(g.commands[g.card_order[n - 1]].target_y, g.commands[g.card_order[n]].target_y)
            << n;
    }
}

// Escape on each panel leaves the game as a click on the panel's close button does.
TEST(Keys, EscapeClosesThePanelOnTopAsItsCloseButtonDoes) {
    struct Case {
        const char* what;
        std::function<void(Game&)> open;
        std::function<platform::Label&(Form&)> close;
    };
    const Case cases[] = {
        {"the equipment screen", [](Game& g) { Image7MouseDown(g); },
         [](Form& f) -> platform::Label& { return f.l_btn9; }},
        {"the technique screen", [](Game& g) { Image8MouseDown(g); },
         [](Form& f) -> platform::Label& { return f.l_btn9; }},
        {"the shop",
         [](Game& g) {
             LeaveMap(g);
             g.item_screen = ItemScreen::kShop;
             RefreshItemPanel(g);
         },
         [](Form& f) -> platform::Label& { return f.l_btn9; }},
        {"the world site", [](Game& g) { Image15MouseDown(g); },
         [](Form& f) -> platform::Label& { return f.l_btn68; }},
        {"the ranking over the world site",
         [](Game& g) {
             Image15MouseDown(g);
             l_btn70MouseDown(g);
         },
         [](Form& f) -> platform::Label& { return f.l_btn69; }},
        {"the pet house over the items",
         [](Game& g) {
             Image7MouseDown(g);
             g.form.pet_box.visible = true;
         },
         [](Form& f) -> platform::Label& { return f.l_btn64; }},
    };
    for (const Case& c : cases) {
        LandedGame by_key(7), by_click(7);
        by_key.game.state.net_off = by_click.game.state.net_off = 1;
        c.open(by_key.game);
        c.open(by_click.game);
        FormKeyDown(by_key.game, Key::Escape);
        c.close(by_click.game.form).on_mouse_down(platform::MouseEvent{});
        EXPECT_EQ(first_difference(StateDump(by_key.game), StateDump(by_click.game)), "") << c.what;
        for (platform::Panel* panel : {&by_key.game.form.item_box, &by_key.game.form.net_box,
                                       &by_key.game.form.world_box, &by_key.game.form.pet_box}) {
            const platform::Widget* twin = nullptr;
            for (platform::Widget* w : by_click.game.form.all()) {
                if (w->name == panel->name) twin = w;
            }
            ASSERT_NE(twin, nullptr);
            EXPECT_EQ(panel->visible, twin->visible) << c.what << ": " << panel->name;
        }
        EXPECT_FALSE(c.close(by_key.game.form).visible && c.close(by_key.game.form).parent &&
                     c.close(by_key.game.form).parent->visible)
            << c.what << ": the panel stayed open";
    }
}

// A place is lit exactly when a click on it does something now.
TEST(Island, APlaceIsLitExactlyWhenAClickThereDoesSomething) {
    struct Scenario {
        const char* what;
        std::function<void(Game&)> set;
    };
    auto story = [](int value) {
        return [value](Game& g) {
            for (int i = 2; i <= 21; ++i) g.state.story_flags[i] = value;
        };
    };
    const Scenario scenarios[] = {
        {"a new island at level 21", [](Game& g) { g.adventurer().level = 21; }},
        {"story 1 everywhere, level 22",
         [story](Game& g) {
             story(1)(g);
             g.adventurer().level = 22;
             for (int flag : {10, 11, 12}) g.state.event_flags[flag] = 1;
         }},
        {"story 2 everywhere", story(2)},
        {"story 3 everywhere", story(3)},
        {"after the ending",
         [](Game& g) {
             g.state.story_flags[13] = 1;
             g.state.story_flags[12] = 2;
             g.adventurer().level = 45;
             for (int flag : {13, 7}) g.state.event_flags[flag] = 1;
         }},
        {"the network busy",
         [](Game& g) {
             g.net_busy = true;
             g.adventurer().level = 30;
         }},
    };
    LandedGame probe(9);
    std::vector<std::string> places;
    for (platform::Widget* w : probe.game.form.all()) {
        if (w->parent == &probe.game.form.map_box && w != &probe.game.form.cg2) {
            places.push_back(w->name);
        }
    }
    ASSERT_GE(places.size(), 30u);
    int lit = 0, dark = 0;
    for (const Scenario& s : scenarios) {
        for (const std::string& name : places) {
            LandedGame f(9);
            Game& g = f.game;
            g.state.net_off = 1;
            s.set(g);
            EnterIsland(g);
            s.set(g);  // a chapter told on landing may have moved a flag
            g.map_shown = 1;
            g.form.map_box.visible = true;
            MarkPlacesThatAct(g);
            platform::Widget* place = nullptr;
            for (platform::Widget* w : g.form.all()) {
                if (w->name == name) place = w;
            }
            ASSERT_NE(place, nullptr);
            if (!place->visible || !place->on_mouse_down) continue;  // nothing to point at
            const bool hot = place->hot;
            // What the player could see change: the state, a message, the log, a panel.
            auto seen = [&g, &f] {
                std::string all = StateDump(g) + std::to_string(f.dialogs.messages.size());
                for (const std::string& line : LogLines(g)) all += line;
                for (const platform::Widget* w : g.form.all()) all += w->visible ? '1' : '0';
                return all;
            };
            const std::string before = seen();
            place->on_mouse_down(platform::MouseEvent{});
            const bool acted = seen() != before;
            EXPECT_EQ(hot, acted) << s.what << ": " << name;
            (hot ? lit : dark) += 1;
        }
    }
    EXPECT_GT(lit, 20);
    EXPECT_GT(dark, 20);
}

TEST(Death, TheRedScreenSaysWhatIsLostAndHowToGoOn) {
    LandedGame f(12);
    Game& g = f.game;
    LeaveMap(g);
    g.background() = platform::Bitmap(kBoardWidth, kBoardHeight, platform::Color::rgb(0x203040));
    g.game_over = 1;
    auto white_rows = [&g](int y1, int y2) {
        int n = 0;
        for (int y = y1; y < y2; ++y)
            for (int x = 0; x < kBoardWidth; ++x)
                n += g.cg().pixel(x, y) == platform::colors::kWhite;
        return n;
    };
    ComposeFrame(g);
    EXPECT_GT(white_rows(160, 245), 400);  // what a death costs, at once
    EXPECT_EQ(white_rows(255, 285), 0);    // not yet how to go on
    g.death_ticks = kDeathPauseTicks;
    ComposeFrame(g);
    EXPECT_GT(white_rows(255, 285), 100);
}

}  // namespace
}  // namespace quill
