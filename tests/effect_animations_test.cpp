// The battle effect animations: every animated type plays, ends and frees its slot; other
// types draw nothing and keep the store's rules; everything alive at once draws safely.
#include "view/effect_animations.h"

#include <QImage>

#include <gtest/gtest.h>

#include <set>

#include "platform/random.h"
#include "test_support.h"
#include "view/popups.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// 1-12, 18-21, 25, 27-37, 39-44, 50-60, 62-64, 66, 70, 71, 75-79, 82, 83, 88, 90, 92-94,
// 96-100, 107, 111, 113, 116-118, 120-122, 127-129, 137, 139, 140, 146-150, 156-166,
// 168-172, 174-180, 189-194, 249-255, 262, 266, 267, 302-312 and 395.
std::set<int32_t> listed_types() {
    const std::pair<int, int> runs[] = {
        {1, 12},    {18, 21},   {25, 25},   {27, 37},   {39, 44},   {50, 60},   {62, 64},
        {66, 66},   {70, 71},   {75, 79},   {82, 83},   {88, 88},   {90, 90},   {92, 94},
        {96, 100},  {107, 107}, {111, 111}, {113, 113}, {116, 118}, {120, 122}, {127, 129},
        {137, 137}, {139, 140}, {146, 150}, {156, 166}, {168, 172}, {174, 180}, {189, 194},
        {249, 255}, {262, 262}, {266, 267}, {302, 312}, {395, 395}};
    std::set<int32_t> types;
    for (auto [a, b] : runs) {
        for (int t = a; t <= b; ++t) types.insert(t);
    }
    return types;
}

struct EffectFixture : GameFixture {
    explicit EffectFixture(bool with_sheet = true) {
        game.closing = 1;
        game.cg().resize(kBoardWidth, kBoardHeight);
        game.bak.resize(kBoardWidth, kBoardHeight);
        if (with_sheet) {
            const std::filesystem::path cg = std::filesystem::path(QUILLMOOR_BUILD_DIR) / "cg";
            game.sprites[kSpriteEffects].load(cg / "00.bmp");
            game.sprites[7].load(cg / "man0.bmp");
            game.sprites[8].load(cg / "man1.bmp");
        }
    }
    void frame() {
        ++game.tick_count;
        game.bak.fill_rect(0, 0, kBoardWidth, kBoardHeight, platform::colors::kBlack);
        AgeAndDrawPopups(game);
        game.cg().or_combine(game.bak, 0, 0, kBoardWidth, kBoardHeight);
    }
};

TEST(EffectAnimations, ExactlyTheListedTypesAreAnimated) {
    const std::set<int32_t> listed = listed_types();
    EXPECT_EQ(listed.size(), 139u);
    for (int32_t t = -5; t < 1200; ++t) {
        EXPECT_EQ(IsAnimatedEffect(t), listed.count(t) == 1) << t;
        EXPECT_EQ(EffectLifetime(t) > 0, listed.count(t) == 1) << t;
    }
}

TEST(EffectAnimations, EveryTypeDrawsEndsAndFreesItsSlotWithinItsLife) {
    for (int32_t type : listed_types()) {
        EffectFixture f;
        Game& g = f.game;
        AddPopup(g, 300, 240, "+12", type);
        Popup& slot = g.popups[g.popup_position];
        // Types 2, 4 and 301-313 age on odd ticks only: twice the frames.
        const bool slow = type == 2 || type == 4 || (type >= 301 && type <= 313);
        const int most = (slow ? 2 : 1) * EffectLifetime(type) + 2;
        const platform::Bitmap ground(kBoardWidth, kBoardHeight, platform::Color::rgb(0x203040));
        bool drawn = false;
        int frames = 0;
        const platform::Bitmap dark(kBoardWidth, kBoardHeight);
        while (slot.age > 0 && frames <= most) {
            // Looked at twice, near the start and in the middle of the life: the picture or
            // the overlay of light changed.
            const bool look = frames == 3 || frames == most / 2;
            if (look) {
                g.cg().draw(ground, 0, 0);
                g.bak.draw(dark, 0, 0);
            }
            ++g.tick_count;
            AgeAndDrawPopups(g);
            ++frames;
            if (look) {
                drawn = drawn || g.cg().qimage() != ground.qimage() ||
                        g.bak.qimage() != dark.qimage();
            }
        }
        EXPECT_EQ(slot.age, 0) << "type " << type << " still alive after " << frames;
        EXPECT_LE(frames, most) << type;
        EXPECT_GE(frames, EffectLifetime(type)) << type;  // and not freed before its end
        EXPECT_TRUE(drawn) << "type " << type << " drew nothing";
    }
}

TEST(EffectAnimations, OtherTypesDrawNothingAndKeepTheStoresRules) {
    for (int32_t type : {13, 26, 38, 173, 396, 999, 5000}) {
        EffectFixture f;
        Game& g = f.game;
        AddPopup(g, 300, 240, "x", type);
        Popup& slot = g.popups[g.popup_position];
        const platform::Bitmap black(kBoardWidth, kBoardHeight);
        int frames = 0;
        while (slot.age > 0 && frames < 1000) {
            ++g.tick_count;
            AgeAndDrawPopups(g);
            ++frames;
        }
        EXPECT_EQ(g.cg().qimage(), black.qimage()) << type;
        EXPECT_EQ(g.bak.qimage(), black.qimage()) << type;
        // The drop rule's own type holds its place far longer than the others.
        EXPECT_EQ(frames, type == 173 ? 240 : 60) << type;
    }
    // A live 177 (animated, kept by the drop rule) turns newcomers away until it ends.
    EffectFixture f;
    Game& g = f.game;
    for (int i = 0; i < kPopupSlots; ++i) AddPopup(g, 100, 100, "", 177);
    AddPopup(g, 50, 60, "new", 1);
    EXPECT_EQ(g.popups[g.popup_position].type, 177);
    for (int i = 0; i <= EffectLifetime(177); ++i) f.frame();
    AddPopup(g, 50, 60, "new", 1);
    EXPECT_EQ(g.popups[g.popup_position].type, 1);
}

TEST(EffectAnimations, EverythingAliveAtOnceDrawsSafelyAndLeavesTheGamesDrawsAlone) {
    for (bool sheet : {true, false}) {
        EffectFixture f(sheet);
        Game& g = f.game;
        g.jitter_x = 7;
        g.jitter_y = -5;
        platform::seed_random(11);
        const int32_t expected = platform::random(1000000);
        platform::seed_random(11);
        const std::set<int32_t> types = listed_types();
        const int points[][2] = {{0, 0}, {639, 479}, {-30, 200}, {320, 520}, {320, 240}};
        int i = 0;
        for (int32_t type : types) {
            const auto* p = points[i++ % 5];
            if (type % 3 == 0) {
                AddMovingPopup(g, 600 - p[0], 20, p[0], p[1], type);
            } else {
                AddPopup(g, p[0], p[1], "ＡＢＣ", type);
            }
            if (i % 60 == 0) f.frame();
        }
        for (int frames = 0; frames < 200; ++frames) f.frame();
        for (const Popup& p : g.popups) EXPECT_EQ(p.age, 0) << p.type;
        // The effects draw no numbers from the game's generator.
        EXPECT_EQ(platform::random(1000000), expected) << sheet;
    }
}

TEST(EffectAnimations, TheSameEffectDrawsTheSameFrames) {
    EffectFixture a, b;
    for (Game* g : {&a.game, &b.game}) {
        g->popup_position = 41;
        AddPopup(*g, 200, 300, "", 107);
    }
    for (int i = 0; i < 12; ++i) {
        a.frame();
        b.frame();
    }
    EXPECT_EQ(a.game.cg().qimage(), b.game.cg().qimage());
}

}  // namespace
}  // namespace quill
