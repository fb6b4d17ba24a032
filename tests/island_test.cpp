#include "explore/island.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "battle/sequencer.h"
#include "explore/background.h"
#include "explore/story_chapters.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "state/state_ops.h"
#include "test_support.h"
#include "view/frame.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::Color;
using testing_support::GameFixture;
using testing_support::write_bmp;

struct IslandFixture : GameFixture {
    IslandFixture() {
        WireHandlers(game);
        FormCreate(game, 9);
        game.screen_mode = kGame;
        game.state.event_flags[0] = 1;
        game.state.event_flags[1] = 1;
    }
};

TEST(StoryChapters, TheFirstReachedChapterIsToldOnePerLanding) {
    IslandFixture f;
    Game& g = f.game;
    g.adventurer().level = 12;
    EXPECT_EQ(NextStoryChapter(g), 30);
    EnterIsland(g);
    EXPECT_EQ(g.state.event_flags[30], 1);
    EXPECT_EQ(g.state.event_flags[31], 0);
    EXPECT_EQ(g.map_shown, 0);  // the chapter is being told
    EXPECT_EQ(NextStoryChapter(g), 31);
    // Click through the chapter: the last line lands on the island again.
    for (int i = 0; i < 100 && g.map_shown == 0; ++i) {
        g.awaiting_click = 0;
        RunStep(g);
    }
    // Landing again after chapter 30 told chapter 31 at once; level 12 reaches no further.
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_EQ(g.state.event_flags[31], 1);
    EXPECT_EQ(g.state.event_flags[32], 0);
    EXPECT_EQ(g.reports_sent.back(), "<進行１>しすみは、『運命の入り口』に立った");
}

TEST(StoryChapters, EveryLineIncludingTheLastWaitsForItsClick) {
    IslandFixture f;
    Game& g = f.game;
    g.adventurer().level = 12;
    EnterIsland(g);  // chapter 30
    const std::vector<std::string> lines = StoryChapterLines(30, g.adventurer().name);
    ASSERT_FALSE(lines.empty());
    // Each click shows the next line and waits on it, the last one too.
    std::vector<std::string> waited_on;
    for (int i = 0; i < 100 && g.state.event_flags[31] == 0; ++i) {
        if (g.awaiting_click == 1 && g.map_shown == 0 && !LogLines(g).empty())
            waited_on.push_back(LogLines(g).front());
        g.awaiting_click = 0;
        RunStep(g);
    }
    ASSERT_GE(waited_on.size(), lines.size());
    EXPECT_EQ(std::vector<std::string>(waited_on.end() - lines.size(), waited_on.end()), lines);
}

TEST(Island, TheArrivalNewsIsSentOncePerRun) {
    IslandFixture f;
    Game& g = f.game;
    EnterIsland(g);
    EnterIsland(g);
    LeaveMap(g);
    EnterIsland(g);
    // A death and the road back through the title land again in the same run.
    g.game_over = 1;
    g.death_ticks = kDeathPauseTicks;  // the red screen has stood its moment
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    ASSERT_EQ(g.screen_mode, kTitle);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    ASSERT_EQ(g.map_shown, 1);
    ASSERT_EQ(g.reports_sent.size(), 1u);
    EXPECT_EQ(g.reports_sent[0], "<入島>しすみがワールドに降り立った....");

    // A new adventurer's own news stands for the arrival: no landing line follows it.
    IslandFixture fresh;
    fresh.game.state.event_flags[0] = 0;
    fresh.game.screen_mode = kTitle;
    ClickMainPicture(fresh.game, 5, 5, platform::MouseButton::Left);
    ASSERT_TRUE(fresh.game.form.bp_box.visible);
    fresh.game.form.l_btn8.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EnterIsland(fresh.game);
    EXPECT_EQ(fresh.game.reports_sent,
              (std::vector<std::string>{"<降臨>しすみという名の冒険者が現れた"}));

    // And nothing at all without the network.
    IslandFixture quiet;
    quiet.game.state.net_off = 1;
    EnterIsland(quiet.game);
    EnterIsland(quiet.game);
    EXPECT_TRUE(quiet.game.reports_sent.empty());
}

TEST(Island, LandingAchievementsAtTheirExactThresholds) {
    // Each case: what the landing sees just below a threshold and at it.
    struct Case {
        const char* what;
        std::function<void(Game&, int32_t)> set;
        int32_t threshold;
        int32_t id;
    };
    auto distance = [](Game& g, int32_t v) { g.state.max_distance_m = v; };
    auto combos = [](Game& g, int32_t n) {
        for (int32_t i = 0; i < n; ++i) g.state.combo_discovered[100 + 37 * i] = 1;
    };
    std::vector<Case> cases;
    const int32_t distances[] = {10, 20, 30, 40, 50, 75, 100, 150, 200, 300};
    for (int i = 0; i < 10; ++i) cases.push_back({"distance", distance, distances[i], 440 + i});
    cases.push_back({"speed", [](Game& g, int32_t v) { g.pet().evasion = v; }, 10, 462});
    cases.push_back({"max MP", [](Game& g, int32_t v) { g.pet().max_mp = v; }, 20, 463});
    cases.push_back({"strength", [](Game& g, int32_t v) { g.pet().attack = v; }, 20, 464});
    cases.push_back({"wisdom", [](Game& g, int32_t v) { g.pet().intellect = v; }, 20, 465});
    cases.push_back({"toughness", [](Game& g, int32_t v) { g.pet().defence = v; }, 10, 466});
    cases.push_back({"dexterity", [](Game& g, int32_t v) { g.pet().hit = v; }, 10, 467});
    for (int m = 0; m < 5; ++m) {
        cases.push_back({"mood", [m](Game& g, int32_t v) { g.pet().moods[m] = v; }, 10, 468 + m});
    }
    cases.push_back({"combinations", combos, 5, 477});
    cases.push_back({"combinations", combos, 10, 478});
    cases.push_back({"combinations", combos, 15, 479});
    cases.push_back({"combinations", combos, 20, 499});
    for (const Case& c : cases) {
        for (int32_t value : {c.threshold - 1, c.threshold}) {
            GameFixture f;
            c.set(f.game, value);
            const auto ids = LandingAchievements(f.game);
            const bool granted = std::find(ids.begin(), ids.end(), c.id) != ids.end();
            EXPECT_EQ(granted, value >= c.threshold) << c.what << " " << value << " -> " << c.id;
        }
    }
    GameFixture nothing;
    EXPECT_TRUE(LandingAchievements(nothing.game).empty());
}

TEST(Island, LoadAchievementsAtTheirExactThresholds) {
    const std::pair<int32_t, int32_t> thresholds[] = {
        {10, 430},  {50, 431},  {100, 432}, {150, 433},  {200, 434},
        {300, 435}, {400, 436}, {500, 437}, {1000, 438}, {2000, 439}};
    for (auto [loads, id] : thresholds) {
        auto below = LoadAchievements(loads - 1), at = LoadAchievements(loads);
        EXPECT_EQ(std::count(below.begin(), below.end(), id), 0) << loads;
        EXPECT_EQ(std::count(at.begin(), at.end(), id), 1) << loads;
    }
    EXPECT_EQ(LoadAchievements(2000).size(), 10u);
}

// A map with every mark a distinct colour, to see which marks the story has put on it.
struct MarkedMap : IslandFixture {
    MarkedMap() {
        for (const char* name : {"map.bmp", "map2.bmp"}) {
            write_bmp(game.folders.cg_file(name), platform::Bitmap(640, 480, Color::rgb(0x204060)));
        }
        for (int slot : {2,  3,  4,  5,  10, 11, 12, 13, 14, 15, 16, 17,
                         18, 19, 34, 35, 36, 38, 40, 41, 42, 43, 44, 45}) {
            game.sprites[slot] = platform::Bitmap(8, 8, Color::rgb(0x010000 * slot + 0x80));
            game.sprites[slot].set_pixel(0, 7, Color::rgb(0xFF00FF));  // the transparent colour
        }
    }
    Color at(int x, int y) { return game.background().pixel(x + 2, y + 2); }
    Color mark(int slot) { return Color::rgb(0x010000 * slot + 0x80); }
};

TEST(Island, MarksFollowTheStoryFlags) {
    struct Case {
        std::vector<std::pair<int, int>> story;  // story flag, value
        int slot, x, y;
        bool shown;
    };
    const Case cases[] = {
        {{{2, 1}}, 3, 84, 252, true},  // map4 after the mountain man
        {{}, 3, 84, 252, false},
        {{{4, 1}}, 11, 252, 296, true},           // camp while battle 21 is not won
        {{{4, 2}, {21, 1}}, 18, 252, 266, true},  // smoke once it is
        {{{7, 1}, {8, 1}}, 13, 48, 360, true},    // the laboratories
        {{{7, 1}, {8, 1}}, 14, 260, 388, true},
        {{{12, 1}}, 35, 204, 24, true},  // the sky gate
        {{{12, 1}, {13, 1}}, 35, 204, 24, false},
        {{{12, 2}, {3, 2}}, 38, 448, 114, true},  // a finished place
        {{{14, 1}, {15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {12, 1}}, 38, 296, 190, true},
    };
    for (const Case& c : cases) {
        MarkedMap f;
        for (auto [flag, value] : c.story) f.game.state.story_flags[flag] = value;
        ShowBackground(f.game, "map.bmp");
        EXPECT_EQ(f.at(c.x, c.y) == f.mark(c.slot), c.shown)
            << c.slot << " at " << c.x << "," << c.y;
    }
    // Free spots and the pet's nest follow the event flags and the level.
    MarkedMap f;
    f.game.state.event_flags[12] = 1;
    f.game.adventurer().level = 22;
    ShowBackground(f.game, "map.bmp");
    EXPECT_EQ(f.at(340, 60), f.mark(17));
    EXPECT_EQ(f.at(352, 36), Color::rgb(0x204060));  // the next spot needs its own flag
    EXPECT_EQ(f.at(492, 328), f.mark(36));
}

// The six places the ending opens, in the order of their pins (slots 40 to 45).
std::vector<platform::Picture*> EndingPlaceRegions(Form& f) {
    return {&f.Image5, &f.Image9, &f.Image10, &f.Image11, &f.Image12, &f.Image13};
}

TEST(Island, APlaceTheEndingOpensShowsItsPinExactlyWhileABattleWaitsThere) {
    // Each place's own flag is S[14 + place]; the first three come back once the sky's
    // messenger has been beaten twice (S[13] = 2).
    int shown = 0;
    for (int place = 0; place < 6; ++place) {
        for (int32_t s13 : {0, 1, 2}) {
            for (int32_t own : {0, 1, 2}) {
                MarkedMap f;
                Game& g = f.game;
                g.state.story_flags[13] = s13;
                g.state.story_flags[14 + place] = own;
                ShowBackground(g, "map.bmp");
                platform::Picture& region = *EndingPlaceRegions(g.form)[place];
                const bool pinned = f.at(region.left + region.width / 2 - 2,
                                         region.top + region.height / 2 - 2) == f.mark(40 + place);
                const bool waits = (s13 >= 1 && own == 0) || (place < 3 && s13 == 2 && own == 1);
                const std::string what =
                    region.name + " S13=" + std::to_string(s13) + " own=" + std::to_string(own);
                EXPECT_EQ(pinned, waits) << what;
                // The click on the pin is the click on the place.
                g.map_shown = 1;
                region.on_mouse_down({platform::MouseButton::Left, 1, 1});
                EXPECT_EQ(g.in_battle == 1 && g.scene_kind == 14 + place, waits) << what;
                shown += pinned;
            }
        }
    }
    EXPECT_EQ(shown, 6 * 2 + 3 * 1);
}

TEST(Island, PinnedPlacesStayClearOfTheStatusTheLogAndTheOtherPlaces) {
    // The widest status the map can show: the largest numbers, a full name with every
    // status tag, the visitors' notice, and two full log lines.
    MarkedMap f;
    Game& g = f.game;
    Combatant& a = g.adventurer();
    a.name = "ああああああああああああああああ";
    a.level = a.max_hp = a.hp = a.max_mp = a.mp = 2147483647;
    for (int32_t& turns : a.status) turns = 9;
    g.shown = {2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 2147483647};
    g.state.load_count = 2147483647;
    g.recent_players = 2147483647;
    g.map_shown = 1;
    g.scene_kind = -1;
    LogLine(g, "ああああああああああああああああああああああああああああああああああ");
    LogLine(g, "ＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷＷ");
    ShowBackground(g, "map.bmp");  // no place is open: the plain map under the regions
    ComposeFrame(g);
    for (platform::Picture* region : EndingPlaceRegions(g.form)) {
        int covered = 0;
        for (int y = region->top; y < region->top + region->height; ++y) {
            for (int x = region->left; x < region->left + region->width; ++x) {
                covered += g.cg().pixel(x, y) != Color::rgb(0x204060);
            }
        }
        EXPECT_EQ(covered, 0) << region->name;
        // Inside the map, and no other fixed place takes a click meant for the pin.
        EXPECT_GE(region->left, 0);
        EXPECT_GE(region->top, 0);
        EXPECT_LE(region->left + region->width, 640);
        EXPECT_LE(region->top + region->height, 480);
        for (platform::Widget* other : g.form.all()) {
            if (other == region || other->parent != &g.form.map_box || other == &g.form.cg2 ||
                other == &g.form.map_h || other == &g.form.map_s) {
                continue;
            }
            const bool apart = other->left >= region->left + region->width ||
                               region->left >= other->left + other->width ||
                               other->top >= region->top + region->height ||
                               region->top >= other->top + other->height;
            EXPECT_TRUE(apart) << region->name << " overlaps " << other->name;
        }
    }
}

TEST(Island, TheMerchantComesWithMoneyThatTwelveDivides) {
    for (int32_t money : {120, 121}) {
        MarkedMap f;
        Game& g = f.game;
        g.state.story_flags[5] = 1;
        g.state.money = money;
        ShowBackground(g, "map.bmp");
        EXPECT_EQ(g.form.map_h.visible, money == 120) << money;
        if (money == 120) {
            EXPECT_GE(g.form.map_h.left, 10);
            EXPECT_LT(g.form.map_h.left, 640);
            EXPECT_EQ(f.at(g.form.map_h.left, g.form.map_h.top), f.mark(12));
        }
    }
    MarkedMap f;  // not after buying from him in this battle cycle
    f.game.state.story_flags[5] = 1;
    f.game.state.money = 120;
    f.game.merchant_visited[0] = 1;
    ShowBackground(f.game, "map.bmp");
    EXPECT_FALSE(f.game.form.map_h.visible);
}

TEST(Island, PlacesIgnoreClicksWhileTheMapIsHiddenOrABattleIsDrawn) {
    struct Case {
        int32_t map_shown, in_battle;
        bool acts;
    };
    for (const Case& c : {Case{1, 0, true}, Case{0, 0, false}, Case{1, 1, false}}) {
        IslandFixture f;
        Game& g = f.game;
        EnterIsland(g);
        g.map_shown = c.map_shown;
        g.in_battle = c.in_battle;
        g.form.Image7.on_mouse_down({platform::MouseButton::Left, 1, 1});
        EXPECT_EQ(g.form.item_box.visible, c.acts);
        EXPECT_EQ(g.form.l_btn10.caption, c.acts ? "装備" : "");
        g.form.map_b0.on_mouse_down({platform::MouseButton::Left, 1, 1});
        EXPECT_EQ(g.scene_kind, c.acts ? 0 : -1) << c.map_shown << c.in_battle;
    }
    IslandFixture f;  // the pet's nest needs level 22
    RegisterStep(f.game, 59, [](Game& g) { g.awaiting_click = 1; });  // its keeper, waiting
    EnterIsland(f.game);
    f.game.form.map_b20.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(f.game.scene_kind, -1);
    f.game.adventurer().level = 22;
    f.game.form.map_b20.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(f.game.scene_kind, 105);
    EXPECT_EQ(f.game.map_shown, 0);
}

TEST(Island, TheItemPanelsOpenedFromTheMapCloseBackToIt) {
    for (const char* place : {"Image7", "Image8"}) {
        IslandFixture f;
        Game& g = f.game;
        EnterIsland(g);
        for (platform::Widget* w : g.form.all()) {
            if (w->name == place) w->on_mouse_down({platform::MouseButton::Left, 1, 1});
        }
        ASSERT_TRUE(g.form.item_box.visible) << place;
        ASSERT_TRUE(g.form.l_btn9.visible);
        EXPECT_EQ(g.form.l_btn9.caption, ">CLOSE");
        g.form.l_btn9.on_mouse_down({platform::MouseButton::Left, 1, 1});
        EXPECT_FALSE(g.form.item_box.visible) << place;
        EXPECT_EQ(g.map_shown, 1) << place;
        EXPECT_TRUE(g.form.map_box.visible) << place;
        EXPECT_EQ(g.merchant_visited, (std::array<int32_t, 2>{0, 0}));
    }
}

TEST(Island, TheFreeWalkStartsABattleFromTheMap) {
    IslandFixture f;
    Game& g = f.game;
    EnterIsland(g);
    g.form.map_b1.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(g.map_shown, 0);
    EXPECT_EQ(g.in_battle, 1);
    EXPECT_EQ(g.scene_kind, 1);
    EXPECT_FALSE(g.form.map_box.visible);
}

TEST(StoryChapters, TheLastChaptersFollowTheStory) {
    struct Case {
        int32_t s12, e38, deaths;
        int expected;
    };
    const Case cases[] = {{0, 0, 0, 0},  {1, 0, 0, 38}, {0, 0, 1, 39},
                          {1, 0, 1, 38}, {1, 1, 1, 39}, {2, 1, 0, 0}};
    for (const Case& c : cases) {
        IslandFixture f;
        Game& g = f.game;
        for (int flag = 30; flag <= 37; ++flag) g.state.event_flags[flag] = 1;
        g.state.story_flags[12] = c.s12;
        g.state.event_flags[38] = c.e38;
        g.state.death_count = c.deaths;
        EXPECT_EQ(NextStoryChapter(g), c.expected) << c.s12 << c.e38 << c.deaths;
    }
}
}  // namespace
}  // namespace quill
