// The battle effect animations: every animated type plays, ends and frees its slot; other
// types draw nothing and keep the store's rules; everything alive at once draws safely.
#include "view/effect_animations.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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
                drawn =
                    drawn || g.cg().qimage() != ground.qimage() || g.bak.qimage() != dark.qimage();
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

// A picture where every value of every channel occurs, in many places.
platform::Bitmap gradient() {
    platform::Bitmap b(kBoardWidth, kBoardHeight);
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            b.set_pixel(x, y,
                        platform::Color::rgb(static_cast<uint32_t>(
                            (x % 256) << 16 | ((x / 2 + y) % 256) << 8 | (255 - x % 256))));
        }
    }
    return b;
}

TEST(EffectAnimations, AFlashBrightensThePictureSmoothlyAndItsLightEbbs) {
    const platform::Bitmap ground = gradient();
    for (int32_t type : {32, 90, 156}) {
        EffectFixture f;
        Game& g = f.game;
        AddPopup(g, 320, 240, "", type);
        const Popup& slot = g.popups[g.popup_position];
        std::vector<long> gains;  // the light added far from the point, frame by frame
        while (slot.age > 0) {
            g.cg().draw(ground, 0, 0);  // each frame starts from the scene, as the game's
            f.frame();
            // Each channel's value after, by its value before, away from the point (where the
            // sprite and its sword-light are drawn).
            std::array<std::array<int, 256>, 3> after;
            for (auto& channel : after) channel.fill(-1);
            long gain = 0;
            for (int y = 0; y < kBoardHeight; y += 3) {
                for (int x = 0; x < kBoardWidth; ++x) {
                    if (std::abs(x - 320) < 110 && std::abs(y - 240) < 110) continue;
                    const platform::Color b = ground.pixel(x, y), a = g.cg().pixel(x, y);
                    const int before[3] = {b.r, b.g, b.b}, now[3] = {a.r, a.g, a.b};
                    for (int c = 0; c < 3; ++c) {
                        int& seen = after[c][before[c]];
                        ASSERT_TRUE(seen < 0 || seen == now[c])
                            << type << ": one value became two (" << before[c] << ")";
                        seen = now[c];
                        gain += now[c] - before[c];
                    }
                }
            }
            for (int c = 0; c < 3; ++c) {
                int highest = 0;
                for (int v = 0; v < 256; ++v) {
                    if (after[c][v] < 0) continue;
                    EXPECT_GE(after[c][v], v) << type << " darkened channel " << c;
                    EXPECT_GE(after[c][v], highest)
                        << type << " banded channel " << c << " at " << v;
                    highest = std::max(highest, after[c][v]);
                }
            }
            gains.push_back(gain);
        }
        ASSERT_GE(gains.size(), 7u) << type;
        EXPECT_GT(gains[0], 0) << type << " did not light up";
        for (size_t k = 1; k < gains.size(); ++k) {
            EXPECT_LE(gains[k], gains[k - 1]) << type << " grew brighter at frame " << k;
        }
        EXPECT_EQ(gains.back(), 0) << type << " left light behind";
    }
}

// How much darker than a light ground the pixels an effect changed are, on average (the
// sum of red, green and blue given up, 0 to 765).
long mean_darkness(const platform::Bitmap& picture, const platform::Bitmap& ground) {
    long sum = 0, changed = 0;
    for (int y = 0; y < kBoardHeight; ++y) {
        for (int x = 0; x < kBoardWidth; ++x) {
            const platform::Color a = picture.pixel(x, y), b = ground.pixel(x, y);
            if (a == b) continue;
            ++changed;
            sum += std::max(0, (b.r + b.g + b.b) - (a.r + a.g + a.b));
        }
    }
    return changed == 0 ? 0 : sum / changed;
}

TEST(EffectAnimations, RingsBurstsAndRisingWordsFadeAwayInsteadOfDarkening) {
    // Drawn without the sheet, so only the shapes and words the effects draw themselves show,
    // on a light ground where a shape that dies dark stands out.
    const platform::Bitmap ground(kBoardWidth, kBoardHeight, platform::Color::rgb(0xE0E0E0));
    for (int32_t type : {57,  99,  100, 121, 189, 190, 250, 252, 53, 111, 159, 160, 161,
                         162, 163, 164, 165, 166, 193, 255, 395, 18, 19,  20,  21}) {
        EffectFixture f(false);
        Game& g = f.game;
        AddPopup(g, 320, 240, "１２３", type);
        const Popup& slot = g.popups[g.popup_position];
        std::vector<long> dark;  // frame by frame, while it draws anything dark at all
        while (slot.age > 0) {
            g.cg().draw(ground, 0, 0);
            f.frame();
            if (const long d = mean_darkness(g.cg(), ground); d > 0) dark.push_back(d);
        }
        if (dark.empty()) continue;
        // In its last third what it draws only grows fainter than it was as that third began
        // (the rainbow's colours come round every few frames, so the darkest of the four
        // frames before counts, and a little is let pass).
        const size_t third = dark.size() * 2 / 3;
        const long before =
            *std::max_element(dark.begin() + static_cast<long>(third >= 3 ? third - 3 : 0),
                              dark.begin() + static_cast<long>(third) + 1);
        const long slack = *std::max_element(dark.begin(), dark.end()) / 10 + 8;
        for (size_t k = third + 1; k < dark.size(); ++k) {
            EXPECT_LE(dark[k], before + slack)
                << type << " grows darker as it dies, at its frame " << k;
        }
    }
}

// Each animated type's frames, made small: a third, a half and two thirds into its life,
// each as 4 x 4 blocks of the 200 x 200 pixels around its point.
std::vector<int> look_of(int32_t type) {
    EffectFixture f;
    Game& g = f.game;
    const platform::Bitmap ground(kBoardWidth, kBoardHeight, platform::Color::rgb(0x303848));
    AddPopup(g, 320, 240, "ＡＢＣ", type);
    const Popup& slot = g.popups[g.popup_position];
    const int life = EffectLifetime(type);
    std::vector<int> look;
    while (slot.age > 0) {
        g.cg().draw(ground, 0, 0);
        f.frame();
        if (slot.age != life / 3 && slot.age != life / 2 && slot.age != life * 2 / 3) continue;
        const int cx = slot.x, cy = slot.y;
        for (int by = -100; by < 100; by += 4) {
            for (int bx = -100; bx < 100; bx += 4) {
                int sum[3] = {0, 0, 0};
                for (int y = 0; y < 4; ++y) {
                    for (int x = 0; x < 4; ++x) {
                        const platform::Color c = g.cg().pixel(cx + bx + x, cy + by + y);
                        sum[0] += c.r - 0x30;
                        sum[1] += c.g - 0x38;
                        sum[2] += c.b - 0x48;
                    }
                }
                look.insert(look.end(), {sum[0], sum[1], sum[2]});
            }
        }
    }
    return look;
}

TEST(EffectAnimations, EveryAnimatedTypeLooksItsOwn) {
    std::vector<std::pair<int32_t, std::vector<int>>> looks;
    for (int32_t type : listed_types()) looks.emplace_back(type, look_of(type));
    for (size_t i = 0; i < looks.size(); ++i) {
        for (size_t j = i + 1; j < looks.size(); ++j) {
            const auto& [a, la] = looks[i];
            const auto& [b, lb] = looks[j];
            if (a == 303 && b == 306) continue;    // one colour of the log under two names
            if (la.size() != lb.size()) continue;  // lives of their own: seen apart
            long apart = 0, drawn_a = 0, drawn_b = 0;
            for (size_t k = 0; k < la.size(); ++k) {
                apart += std::abs(la[k] - lb[k]);
                drawn_a += std::abs(la[k]);
                drawn_b += std::abs(lb[k]);
            }
            EXPECT_GE(apart * 4, std::max(drawn_a, drawn_b))
                << a << " and " << b << " look alike (" << apart << " of " << drawn_a << ", "
                << drawn_b << ")";
        }
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
