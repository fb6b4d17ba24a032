// The enemies of the island: generated ones by distance and level, their rare forms, and
// the named characters chosen by the story's progress.
#include <gtest/gtest.h>

#include "explore/encounters.h"
#include "explore/island.h"
#include "explore/named_characters.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

struct EncounterFixture : testing_support::LandedGame {
    EncounterFixture() : LandedGame(21) {}
};

TEST(Encounter, TechniqueSlotsByDistance) {
    EncounterFixture f;
    Game& g = f.game;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        platform::seed_random(seed);
        PrepareEncounter(g, 0);
        const auto& t = g.enemy().technique_slots;
        // No rule applies at 0 m: slot 0 is technique 0, which has a name; the rest stay
        // empty unless a rare form filled them.
        if (g.enemy().name == "よわっこ" || g.enemy().name.rfind("ヴォマクト", 0) == 0) continue;
        EXPECT_EQ(t[0], 0);
        EXPECT_EQ(t[1], 0);
        EXPECT_EQ(t[2], 0);
    }
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        platform::seed_random(seed);
        g.enemy() = Combatant{};
        PrepareEncounter(g, 40);
        const Combatant& e = g.enemy();
        if (e.name == "ヴォマクト" || e.name == "ヘンテコ" || e.name == "エクストラ") continue;
        EXPECT_EQ(e.technique_slots[0], 24);  // the multiple of 8 comes after that of 5
        EXPECT_EQ(e.technique_slots[2], 9);
        EXPECT_FALSE(g.skills[e.technique_slots[3]].name.empty());  // redrawn until named
        EXPECT_EQ(e.technique_slots[1], 0);
        EXPECT_GE(e.max_hp, 81);  // random(11) + level + 1 + 2d
        EXPECT_LE(e.max_hp, 91);
        EXPECT_GE(e.gold_reward, 45);
    }
}

// Every draw at its greatest: each number of a generated enemy at the top of its range, from
// the level and the distance as the rule gives them.
TEST(Encounter, AGeneratedEnemysNumbersAtTheTopOfTheirRanges) {
    struct Case {
        int32_t level, d;
        int32_t exp, gold, max_hp, max_mp, attack, defence, hit, evasion, guard;
    };
    const Case cases[] = {
        {12, 20, 9, 29, 63, 16, 10, 7, 24, 53, 0},
        {30, 45, 9, 54, 131, 34, 22, 15, 55, 108, 15},
    };
    for (const Case& c : cases) {
        EncounterFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        g.state.distance_m = c.d;
        platform::script_random(std::vector<int32_t>(200, 1000000));
        PrepareEncounter(g, c.d);
        platform::script_random({});
        const Combatant& e = g.enemy();
        const std::string what = "level " + std::to_string(c.level) + " at " + std::to_string(c.d);
        EXPECT_EQ(e.exp, c.exp) << what;
        EXPECT_EQ(e.gold_reward, c.gold) << what;
        EXPECT_EQ(e.element, 4) << what;
        EXPECT_EQ(e.max_hp, c.max_hp) << what;
        EXPECT_EQ(e.hp, c.max_hp) << what;
        EXPECT_EQ(e.max_mp, c.max_mp) << what;
        EXPECT_EQ(e.tp, 99) << what;
        EXPECT_EQ(e.attack, c.attack) << what;
        EXPECT_EQ(e.defence, c.defence) << what;
        EXPECT_EQ(e.hit, c.hit) << what;
        EXPECT_EQ(e.evasion, c.evasion) << what;
        EXPECT_EQ(e.guard_rate, c.guard) << what;
        EXPECT_EQ(e.critical_rate, c.guard) << what;
    }
}

TEST(Encounter, TheWeakOnesAndTheirHp) {
    EncounterFixture f;
    Game& g = f.game;
    g.adventurer().level = 10;
    g.enemy().max_hp = g.enemy().hp = 57;
    EXPECT_EQ(ApplySpecialForm(g, 5, 2), "yowakko.bmp");
    EXPECT_EQ(g.enemy().name, "よわっこ");
    EXPECT_EQ(g.enemy().hp, 6);  // a tenth, plus one
    g.adventurer().level = 45;
    bool tiny = false;
    for (uint64_t seed = 1; seed <= 60 && !tiny; ++seed) {
        platform::seed_random(seed);
        g.enemy().max_hp = g.enemy().hp = 57;
        if (ApplySpecialForm(g, 5, 2) == "yowakko_s.bmp") {
            tiny = true;
            EXPECT_EQ(g.enemy().name, "凄いよわっこ");
            EXPECT_EQ(g.enemy().hp, 1);
        }
    }
    EXPECT_TRUE(tiny);
    // The common draws show the walk's picture by distance.
    for (auto [d, picture] :
         {std::pair{0, "free.bmp"}, {19, "free2.bmp"}, {35, "free4.bmp"}, {50, "free6.bmp"}}) {
        EXPECT_EQ(ApplySpecialForm(g, d, 50), picture) << d;
    }
}

TEST(Encounter, RareNamesAreMadeOfWholeSyllables) {
    EncounterFixture f;
    Game& g = f.game;
    int made_up = 0;
    for (uint64_t seed = 1; seed <= 3000; ++seed) {
        platform::seed_random(seed);
        const std::string name = PickEnemyName(g);
        if (std::find(g.encounter_names.begin(), g.encounter_names.end(), name) !=
            g.encounter_names.end())
            continue;
        made_up += 1;
        const auto sjis = platform::to_cp932(name);
        ASSERT_TRUE(sjis.has_value()) << name;
        EXPECT_EQ(sjis->size() % 2, 0u) << name;
        EXPECT_LE(sjis->size(), 8u) << name;
        EXPECT_EQ(name.find('?'), std::string::npos) << name;
    }
    EXPECT_GT(made_up, 5);
}

TEST(Encounter, TheFormFollowsTheStory) {
    struct Case {
        const char* place;
        std::vector<std::pair<int, int>> flags;
        int32_t level;
        const char* form;  // nullptr: no battle
        const char* message;
    };
    const Case cases[] = {
        {"Image1", {}, 1, nullptr, "山が険しくて入れません"},
        {"Image1", {{3, 1}}, 1, "山男", nullptr},
        {"Image1", {{3, 2}, {2, 1}}, 1, "ヤマオ再び", nullptr},
        {"Image1", {{3, 3}, {2, 2}}, 1, "ヤマオ・MAYDAY MODE", nullptr},
        {"Image1", {{3, 1}, {2, 1}}, 1, nullptr, nullptr},  // beaten, nothing new yet
        {"Image2", {}, 1, "奥博士", nullptr},
        {"Image2", {{3, 1}, {9, 1}, {10, 1}}, 1, "奥博士再び", nullptr},
        {"Image2", {{3, 2}, {12, 2}}, 1, "奥博士・MAYDAY MODE", nullptr},
        {"map4_b", {{2, 1}}, 1, "サニー・レイニー", nullptr},
        {"map4_b", {}, 1, nullptr, nullptr},
        {"map9_b", {}, 1, nullptr, "誰もいませんでした...."},
        {"map9_b", {{7, 1}, {8, 1}}, 1, "ボウケンロボット", nullptr},
        {"map9_b", {{7, 1}, {8, 2}, {9, 1}}, 1, "再起動ボウケンロボット", nullptr},
        {"map_s", {}, 24, nullptr, "誰もいませんでした...."},
        {"map_s", {}, 25, "ファトマ", nullptr},
        {"Image3", {{7, 2}}, 39, nullptr, nullptr},
        {"Image3", {{7, 2}}, 40, "島", nullptr},
        {"Image4", {}, 1, nullptr, nullptr},
        {"Image4", {{12, 1}}, 1, "天界からの使者", nullptr},
        {"Image4", {{12, 1}, {13, 1}, {4, 3}}, 1, "天界からの使者再び", nullptr},
        {"Image12", {{13, 1}}, 1, "聳えるヤマオ", nullptr},
        {"map_21b", {{4, 2}, {21, 1}}, 1, "執着するファンタジスタ", nullptr},
    };
    for (const Case& c : cases) {
        EncounterFixture f;
        Game& g = f.game;
        for (auto [flag, value] : c.flags) g.state.story_flags[flag] = value;
        g.adventurer().level = c.level;
        for (platform::Widget* w : g.form.all()) {
            if (w->name == c.place) w->on_mouse_down({platform::MouseButton::Left, 1, 1});
        }
        const std::string what = std::string(c.place) + " -> " + (c.form ? c.form : "none");
        if (c.form) {
            EXPECT_EQ(g.enemy().name, c.form) << what;
            EXPECT_EQ(g.map_shown, 0) << what;
            EXPECT_FALSE(g.story_lines.empty()) << what;
            EXPECT_FALSE(g.post_battle_lines.empty()) << what;
        } else {
            EXPECT_EQ(g.map_shown, 1) << what;
            EXPECT_EQ(g.in_battle, 0) << what;
        }
        if (c.message) {
            EXPECT_EQ(f.dialogs.messages, (std::vector<std::string>{c.message})) << what;
        } else {
            EXPECT_TRUE(f.dialogs.messages.empty()) << what;
        }
    }
}

TEST(Encounter, NamedFormsCarryTheirNumbers) {
    EncounterFixture f;
    Game& g = f.game;
    g.state.story_flags[3] = 1;
    g.form.Image1.on_mouse_down({platform::MouseButton::Left, 1, 1});
    const Combatant& e = g.enemy();
    EXPECT_EQ(g.scene_kind, 2);  // kept through the map's leaving
    EXPECT_EQ(e.element, 3);
    EXPECT_EQ(e.max_hp, 55);
    EXPECT_EQ(e.hp, 55);
    EXPECT_EQ(e.max_mp, 10);
    EXPECT_EQ(e.attack, 1);
    EXPECT_EQ(e.defence, 2);
    EXPECT_EQ(e.evasion, 5);
    EXPECT_EQ(e.critical_rate, 1);
    EXPECT_EQ(e.guard_rate, 25);
    EXPECT_EQ(e.technique_slots, (std::array<int32_t, 5>{0, 1, 3, 1, 3}));
    EXPECT_GE(e.gold_reward, 50);
    EXPECT_LE(e.gold_reward, 54);

    const NamedForm* luka = FindNamedForm("返ってきた地天・ｌｕｋａ");
    ASSERT_NE(luka, nullptr);
    FillNamedForm(g, *luka);
    EXPECT_EQ(e.tp, 100);
    EXPECT_EQ(e.max_hp, 4000);
    EXPECT_EQ(e.mp_regen_kind, 2);
    EXPECT_EQ(e.element_guard, 2);
    EXPECT_EQ(e.element, 0);
    const NamedForm* light = FindNamedForm("光・MAYDAY MODE");
    ASSERT_NE(light, nullptr);
    FillNamedForm(g, *light);
    EXPECT_EQ(e.light_weakness, 2);
    EXPECT_EQ(e.magic_affinity, 0);
    EXPECT_EQ(FindNamedForm("マジカルアゲイン")->magic_affinity, 1);
    EXPECT_EQ(FindNamedForm("山"), nullptr);
}

TEST(Encounter, AStrangerAfterANamedBattleSaysNothingAfterwards) {
    EncounterFixture f;
    Game& g = f.game;
    g.state.story_flags[3] = 1;
    g.form.Image1.on_mouse_down({platform::MouseButton::Left, 1, 1});
    ASSERT_FALSE(g.post_battle_lines.empty());
    PrepareEncounter(g, 4);
    EXPECT_TRUE(g.post_battle_lines.empty());
}

TEST(Encounter, TheFreeSpotAtFiftyMetres) {
    EncounterFixture f;
    Game& g = f.game;
    g.form.free_spots[4].on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(g.in_battle, 0);  // its flag is not raised yet
    g.state.event_flags[7] = 1;
    g.form.free_spots[4].on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(g.in_battle, 1);
    EXPECT_EQ(g.state.distance_m, 50);
    EXPECT_EQ(g.scene_kind, 1);
    EXPECT_NE(g.message_log[0].text.find("(50m地点)"), std::string::npos);
}

}  // namespace
}  // namespace quill
