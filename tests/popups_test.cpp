#include "view/popups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

struct PopupFixture : GameFixture {
    PopupFixture() {
        game.closing = 1;
        game.cg().resize(kBoardWidth, kBoardHeight);
        game.bak.resize(kBoardWidth, kBoardHeight);
    }
};

TEST(Popups, NewPopupsAreDroppedOverLiveSlotsOfSomeTypes) {
    struct Case {
        int32_t occupant;
        bool dropped;
    };
    const Case cases[] = {{0, true},   {4, true},    {173, true}, {177, true},
                          {16, false}, {301, false}, {5, false}};
    for (const Case& c : cases) {
        PopupFixture f;
        Game& g = f.game;
        // Fill the whole ring so the next add lands on a live slot.
        for (int i = 0; i < kPopupSlots; ++i) AddPopup(g, 0, 0, "old", c.occupant);
        AddPopup(g, 50, 60, "new", 301);
        const Popup& slot = g.popups[g.popup_position];
        EXPECT_EQ(slot.text, c.dropped ? "old" : "new") << c.occupant;
        EXPECT_EQ(slot.type, c.dropped ? c.occupant : 301);
    }
}

TEST(Popups, TheRingWrapsAndHpNumbersStartAboveTheirPoint) {
    PopupFixture f;
    Game& g = f.game;
    g.popup_position = 99;
    AddPopup(g, 100, 200, "12", 16);
    EXPECT_EQ(g.popup_position, 0);
    const Popup& p = g.popups[0];
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 175);
    EXPECT_EQ(p.start_x, 110);
    EXPECT_EQ(p.age, 1);
    AddPopup(g, 100, 200, "x", 20);
    EXPECT_EQ(g.popups[1].x, 100);  // type 20 is not moved
}

TEST(Popups, MovingPopupsKeepTheSlotTextAndAreDroppedOnlyOverType173) {
    PopupFixture f;
    Game& g = f.game;
    AddPopup(g, 1, 1, "text", 0);  // slot 1, type 0
    g.popup_position = 0;
    AddMovingPopup(g, 10, 20, 30, 40, 150);  // lands on slot 1 despite type 0
    EXPECT_EQ(g.popups[1].type, 150);
    EXPECT_EQ(g.popups[1].text, "text");
    EXPECT_EQ(g.popups[1].start_x, 10);
    EXPECT_EQ(g.popups[1].x, 30);
    EXPECT_EQ(g.popups[1].x3, 10);
    g.popups[2] = Popup{5, 0, 0, 0, 0, 0, 0, 173, "", 0};
    AddMovingPopup(g, 1, 2, 3, 4, 150);
    EXPECT_EQ(g.popups[2].type, 173);
}

TEST(Popups, NothingIsAddedWhileTheWindowCloses) {
    PopupFixture f;
    f.game.closing = -1;
    AddPopup(f.game, 1, 1, "x", 0);
    AddMovingPopup(f.game, 1, 1, 2, 2, 3);
    for (const Popup& p : f.game.popups) EXPECT_EQ(p.age, 0);
}

TEST(Popups, AgeingAndFreeing) {
    // Type 0 ages by one a frame and leaves after age 20; types 16 and 17 by two and after
    // 52; glow texts (301) only on odd ticks.
    struct Case {
        int32_t type;
        int frames_alive;  // frames until the slot is free
    };
    const Case cases[] = {{0, 20}, {16, 26}, {17, 26}};
    for (const Case& c : cases) {
        PopupFixture f;
        Game& g = f.game;
        AddPopup(g, 300, 300, "99", c.type);
        Popup& p = g.popups[g.popup_position];
        int frames = 0;
        while (p.age > 0 && frames < 100) {
            ++g.tick_count;
            AgeAndDrawPopups(g);
            ++frames;
        }
        EXPECT_EQ(frames, c.frames_alive) << c.type;
    }
    PopupFixture f;
    Game& g = f.game;
    AddPopup(g, 300, 300, "glow", 301);
    Popup& p = g.popups[g.popup_position];
    g.tick_count = 2;
    AgeAndDrawPopups(g);
    EXPECT_EQ(p.age, 1);  // even tick: no ageing
    g.tick_count = 3;
    AgeAndDrawPopups(g);
    EXPECT_EQ(p.age, 2);
}

TEST(Popups, BounceTable) {
    const int32_t expected[] = {-12, -12, -10, 6, 4, -3, -2, 3, 2, -1, 1};
    for (int age = 0; age <= 10; ++age) EXPECT_EQ(BounceOffset(age), expected[age]) << age;
    EXPECT_EQ(BounceOffset(99), 1);
    EXPECT_EQ(BounceOffset(100), 0);
}

TEST(Popups, HpNumbersBounceAndAreDrawn) {
    PopupFixture f;
    Game& g = f.game;
    AddPopup(g, 300, 300, "250", 16);
    Popup& p = g.popups[g.popup_position];
    const int y0 = p.y;
    g.tick_count = 1;
    AgeAndDrawPopups(g);  // age 2 -> bounce -10, then its own +1
    EXPECT_EQ(p.y, y0 - 10);
    EXPECT_EQ(p.age, 3);
    // Drawn in the loss's light red (a touch lighter than its table's first colour) in a
    // dark rim.
    int red = 0, rim = 0;
    for (int y = 240; y < 320; ++y) {
        for (int x = 280; x < 350; ++x) {
            red += g.cg().pixel(x, y) == platform::Color::rgb(0xFF9393);
            rim += g.cg().pixel(x, y) == platform::Color::rgb(0x000000);
        }
    }
    EXPECT_GT(red, 10);
    EXPECT_GT(rim, 10);
}

// The relative luminance of a colour, and the contrast of two, as the readability of text
// is measured.
double luminance(platform::Color c) {
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(platform::Color a, platform::Color b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(Popups, FloatingNumbersReadOnEveryGround) {
    // Black, white, grey, a tree trunk's brown, the sky, a dark blue and a grass green: over
    // each, in the first half of its life, a floating number has pixels that stand out from
    // the ground as much as large text must (3:1).
    const uint32_t grounds[] = {0x000000, 0xFFFFFF, 0x808080, 0x6B4423,
                                0x87CEEB, 0x000077, 0x3C8C3C};
    struct Kind {
        int32_t type;
        const char* text;
        int ages;
    };
    const Kind kinds[] = {{0, "125", 10}, {16, "48", 26}, {17, "5", 26}, {17, "1200", 26}};
    PopupFixture f;
    Game& g = f.game;
    for (const uint32_t ground : grounds) {
        for (const Kind& k : kinds) {
            for (int age = 1; age < k.ages; ++age) {
                for (Popup& p : g.popups) p = Popup{};
                const platform::Color under = platform::Color::rgb(ground);
                g.cg().fill_rect(0, 0, kBoardWidth, kBoardHeight, under);
                AddPopup(g, 320, 240, k.text, k.type);
                g.popups[g.popup_position].age = age;
                AgeAndDrawPopups(g);
                double best = 1;
                for (int y = 150; y < 320; ++y) {
                    for (int x = 250; x < 400; ++x) {
                        const platform::Color c = g.cg().pixel(x, y);
                        if (c != under) best = std::max(best, contrast(c, under));
                    }
                }
                EXPECT_GE(best, 3.0) << std::hex << ground << std::dec << " type " << k.type << " '"
                                     << k.text << "' age " << age;
            }
        }
    }
}

}  // namespace
}  // namespace quill
