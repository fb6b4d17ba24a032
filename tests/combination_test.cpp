// Combination techniques: the detector's rules, special moves, discovery, and the numbers
// of the combinations performed.
#include <gtest/gtest.h>

#include <functional>

#include "battle/damage.h"
#include "battle/perform.h"
#include "growth/combinations.h"
#include "platform/random.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

struct ComboFixture : testing_support::InBattle {
    ComboFixture() : InBattle(6, 500) {}
    // The side's history, newest first, by technique names.
    void history(int side, std::initializer_list<int32_t> ids) {
        auto& h = game.technique_history[side];
        h.fill(-1);
        size_t i = 0;
        for (int32_t id : ids) h[i++] = id;
        game.active_side = side;
    }
    // Runs the action in progress to its end.
    void perform() {
        for (int i = 0; i < 8 && game.action_step > 0; ++i) {
            game.button_held = 1;
            PerformStep(game);
        }
    }
};

constexpr int32_t kMoonlight = 14, kFire = 9, kStomp = 0, kPetitVacuum = 65;
constexpr int32_t kMountainGuard = 1, kTrueMountainDrop = 227, kTwoBlades = 17, kChant = 10;

TEST(Combinations, PairRulesByTheirNamesAndOrder) {
    struct Case {
        int32_t earlier, later;
        int32_t id;
        const char* line;
    };
    const Case cases[] = {
        {kMoonlight, kMoonlight, 100, "連携技発動＞月光＋月光→幻想曲"},
        {kMountainGuard, kTrueMountainDrop, 101, "連携技発動＞山ぼうぎょ＋真・山落とし→地球投げ"},
        {kTrueMountainDrop, kTrueMountainDrop, 117,
         "連携技発動＞真・山落とし＋真・山落とし→山の恵み"},
        {kMoonlight, kTrueMountainDrop, -1, nullptr},
        {3, 57, 101, "連携技発動＞山落とし＋投げる→地球投げ"},
        {kTwoBlades, kTwoBlades, 115, "連携技発動＞二刀ｘ２→ヴァイステクニカル"},
        {kChant, kChant, 175, "連携技発動＞詠唱＋詠唱→魔紋の力"},
        {64, kFire, 134, "連携技発動＞セブンガード＋ほのお→火耐性バリア"},
        {1, 16, 147, "連携技発動＞山ぼうぎょ＋暗黒剣→受容体形成"},
        {63, 2, 169, "連携技発動＞魔セル＋虫ヒール→虫ヒールⅡ"},
        {46, kChant, 170, "連携技発動＞魔紋の力＋詠唱→詠唱Ⅱ"},
        {2, 24, 121, "連携技発動＞虫ヒール＋閃光→命中↓回復"},
        {45, 44, -1, nullptr},  // SAYONARAの風 then 時代の風: the other way round only
        {44, 45, 232, "連携技発動＞時代の風＋SAYONARAの風→ありがとうの風"},
        {25, 26, 150, "連携技発動＞ライトベール＋いかづち→反射体形勢"},
        {21, 70, 106, "連携技発動＞トロッコ銃＋口笛を吹く→シューティング・フラワー"},
    };
    for (const Case& c : cases) {
        ComboFixture f;
        f.history(c.earlier >= 200 ? 1 : 0, {c.later, c.earlier});
        const int32_t id = DetectCombination(f.game);
        EXPECT_EQ(id, c.id) << c.earlier << " -> " << c.later;
        if (c.line) {
            EXPECT_EQ(f.game.message_log[0].text, c.line);
            EXPECT_EQ(f.game.message_log[0].kind, ColourKind("aqua"));
            EXPECT_EQ(f.game.action_step, 2);
            EXPECT_EQ(f.game.action_technique, c.id);
        }
    }
}

TEST(Combinations, TriplesAndSpecialMoves) {
    struct Case {
        int32_t id3;
        int32_t level, race;
        int32_t id;
        const char* line;
    };
    const Case cases[] = {
        {kFire, 1, 0, 112, "三連携技発動＞ほのおｘ３→マジックテクニカル"},
        {kPetitVacuum, 1, 0, 208, "三連携技発動＞バキュームｘ３→トルクヒール"},
        {21, 1, 0, 111, "三連携技発動＞トロッコ銃ｘ３→ウェスタンムーブ"},
        {kStomp, 39, 5, -1, nullptr},
        {kStomp, 40, 5, 182, "必殺技＞→トゥアハ・デ・ダナン"},
        {kStomp, 40, 8, 184, "必殺技＞→良き占い"},
    };
    for (const Case& c : cases) {
        ComboFixture f;
        f.game.adventurer().level = c.level;
        f.game.state.race_sex = c.race;
        f.history(0, {c.id3, c.id3, c.id3});
        EXPECT_EQ(DetectCombination(f.game), c.id) << c.id3;
        if (c.line) EXPECT_EQ(f.game.message_log[0].text, c.line);
        if (c.id >= 180 && c.id <= 184) {
            EXPECT_EQ(f.game.message_log[0].kind, ColourKind("green"))
                << f.game.message_log[0].text;
        }
    }
}

TEST(Combinations, DiscoveredOnceAndNeverRightAgainFromTheSameHistory) {
    ComboFixture f;
    Game& g = f.game;
    f.history(0, {kMoonlight, kMoonlight});
    ASSERT_EQ(DetectCombination(g), 100);
    const int32_t score = g.state.score;
    f.perform();
    EXPECT_TRUE(f.logged("新しい連携技を発見!! > +200pt."));
    EXPECT_TRUE(f.logged("MPを 2削った!!"));
    EXPECT_EQ(g.state.combo_discovered[100], 1);
    EXPECT_GE(g.state.score, score + 200);
    // The history was emptied: a third 月光 alone fires nothing.
    EXPECT_EQ(g.technique_history[0][0], -1);
    g.technique_history[0][0] = kMoonlight;
    EXPECT_EQ(DetectCombination(g), -1);
    // A second 幻想曲 is no discovery.
    f.history(0, {kMoonlight, kMoonlight});
    ASSERT_EQ(DetectCombination(g), 100);
    ClearLog(g);
    f.perform();
    EXPECT_FALSE(f.logged("新しい連携技を発見!! > +200pt."));
}

TEST(Combinations, EachCountOfCombinationsGrantsItsAchievement) {
    struct Case {
        int32_t count, achievement;
    };
    for (const Case& c : {Case{50, 420}, {100, 421}, {200, 422}, {500, 423}, {1000, 424}}) {
        ComboFixture f;
        Game& g = f.game;
        g.state.combo_count = c.count - 2;
        PlayComboSound(g);
        EXPECT_EQ(g.state.item_count[c.achievement], 0) << c.count;
        PlayComboSound(g);
        EXPECT_EQ(g.state.combo_count, c.count);
        EXPECT_EQ(g.state.item_count[c.achievement], 1) << c.count;
    }
}

TEST(Combinations, TheFiftiethGrantsItsAchievement) {
    ComboFixture f;
    Game& g = f.game;
    g.state.combo_count = 48;
    f.history(0, {kMoonlight, kMoonlight});
    DetectCombination(g);
    EXPECT_EQ(g.state.item_count[420], 0);
    f.history(0, {kMoonlight, kMoonlight});
    DetectCombination(g);
    EXPECT_EQ(g.state.combo_count, 50);
    EXPECT_EQ(g.state.item_count[420], 1);
}

TEST(Combinations, TheirNumbers) {
    struct Case {
        int32_t id;
        std::function<void(Game&)> before;
        std::function<void(Game&, const testing_support::InBattle&)> check;
    };
    const std::vector<Case> cases = {
        {108, [](Game& g) { g.adventurer().max_mp = 23; },
         [](Game& g, const auto&) { EXPECT_EQ(g.enemy().hp, 500 - 23); }},
        {187, [](Game& g) { g.enemy().element = 0; },
         [](Game& g, const auto&) { EXPECT_EQ(g.enemy().hp, 500 - 15); }},
        {187, [](Game& g) { g.enemy().element = 2; },
         [](Game& g, const auto&) { EXPECT_EQ(g.enemy().hp, 500 - 30); }},
        {110, nullptr, [](Game& g, const auto&) { EXPECT_EQ(g.adventurer().status[kSureHit], 1); }},
        {134, nullptr,
         [](Game& g, const auto& f) {
             EXPECT_GE(g.adventurer().status[kResistFire], 5);
             EXPECT_TRUE(f.logged("ルカは一時的に火に対して強くなった!!"));
         }},
        {208, nullptr,  // the line's range and the roll agree: 5 to 15 below level 50
         [](Game& g, const auto& f) {
             EXPECT_TRUE(f.logged("ランダム回復 5～15"));
             EXPECT_GE(g.adventurer().hp, 50 + 5);
             EXPECT_LE(g.adventurer().hp, 50 + 15);
         }},
        {194, nullptr,
         [](Game& g, const auto&) {
             EXPECT_EQ(g.enemy().status[kAttackDown], 2);
             EXPECT_EQ(g.enemy().status[kHitDown], 2);
         }},
    };
    for (const Case& c : cases) {
        ComboFixture f;
        Game& g = f.game;
        g.adventurer().hp = 50;
        if (c.before) c.before(g);
        g.active_side = 0;
        g.action_technique = c.id;
        g.action_step = 2;
        f.perform();
        c.check(g, f);
        EXPECT_EQ(g.action_step, 0) << c.id;
    }
}

// ヴァンパイア・ヴラッディ・スター's level steps each add in turn, as ブラッドブレット's do:
// +2 at 50, then +3, +4, +5 and +6 more at 55, 60, 70 and 99.
TEST(Combinations, TheVampireStarsLevelStepsAddUp) {
    const std::pair<int32_t, int32_t> cases[] = {{49, 10}, {50, 12}, {54, 12}, {55, 15},
                                                 {60, 19}, {69, 19}, {70, 24}, {99, 30}};
    for (const auto& [level, drained] : cases) {
        ComboFixture f;
        Game& g = f.game;
        g.adventurer().level = level;
        g.adventurer().hp = 50;
        g.enemy().element = 0;
        g.active_side = 0;
        g.action_technique = 105;
        g.action_step = 2;
        f.perform();
        EXPECT_EQ(g.enemy().hp, 500 - drained) << "level " << level;
        EXPECT_EQ(g.adventurer().hp, 50 + drained) << "level " << level;
        EXPECT_TRUE(f.logged("ククルからHPを " + std::to_string(drained) + "吸収!!")) << level;
    }
}

// 月光 takes its magic boosts last, after the element, <癒> and the robes: at technique level 11
// with <魔紋> (×1.5) and a base of 15, against 光 7 then 10; against 闇 30 then 45.
TEST(Techniques, MoonlightsMagicBoostsComeLast) {
    const std::pair<int32_t, int32_t> cases[] = {{1, 10}, {2, 45}, {0, 22}};
    for (const auto& [element, base] : cases) {
        // The hit of that base, as the damage rules give it with these draws.
        int32_t expected = 0;
        {
            ComboFixture f;
            f.game.enemy().element = element;
            platform::script_random({3, 0, 3, 99, 3, 99});
            Damage(f.game, 0, 1, base);
            expected = 500 - f.game.enemy().hp;
        }
        ComboFixture f;
        Game& g = f.game;
        g.state.skill_level[kMoonlight] = 11;
        g.adventurer().status[kMagicSeal] = 3;
        g.enemy().element = element;
        g.active_side = 0;
        g.action_technique = kMoonlight;
        g.action_step = 2;
        platform::script_random({1, 3, 0, 3, 99, 3, 99});
        g.button_held = 1;
        PerformStep(g);  // step 3: the hit
        EXPECT_EQ(500 - g.enemy().hp, expected) << "element " << element;
    }
}

}  // namespace
}  // namespace quill
