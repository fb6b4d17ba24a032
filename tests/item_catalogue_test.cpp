// The item catalogue, held row by row against the game's tables, and the rules that go by
// items: gain, score, achievements, ホーシオ slots.
#include <gtest/gtest.h>

#include "explore/island.h"
#include "items/achievements.h"
#include "items/player_clamp.h"
#include "items/rare_finds.h"
#include "items/score.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "state/item_table.h"
#include "state/static_tables.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::GameFixture;

struct CatalogueFixture : GameFixture {
    CatalogueFixture() {
        fill_static_tables(game);
        game.closing = 1;
        game.screen_mode = kGame;
    }
    ItemRecord& item(int32_t id) { return game.items[id]; }
};

TEST(ItemCatalogue, RowsOfEveryKind) {
    ItemTable t;
    fill_item_table(t);
    struct Row {
        int32_t id;
        const char* name;
        int32_t category, price, one_only, amount, requires_item;
        // combo_power, magic_power, mp_on_miss, accessory_hit, guard, critical, defence,
        // hit_evasion, attack
        std::array<int32_t, 9> stats;
        const char* description;
    };
    const Row rows[] = {
        {0, "なし", -1, 0, 0, 0, 0, {}, ""},
        {1, "ぼうっきれ", 1, 35, 0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0, 1}, ""},
        {7, "青白い刀", 1, 452, 0, 0, 6, {0, 0, 0, 0, 0, 0, 0, 20, 0}, "※攻撃時 TP +6"},
        {100, "雀のマント", 2, 75, 0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 5, 0}, "※戦闘開始時 時々MP+1"},
        {106,
         "太陽のマント",
         2,
         5000,
         0,
         0,
         105,
         {0, 0, 0, 0, 0, 0, 1, 25, 0},
         "※戦闘開始時 MP+2 技のMP消費 -3 敵のMiss時 MP+1"},
        {150, "冒険素人の兜", 3, 70, 0, 0, 0, {0, 0, 0, 0, 0, 3, 0, 0, 0}, ""},
        {319,
         "返ってきたホーシオの腕当て",
         8,
         15000,
         0,
         0,
         318,
         {0, 0, 0, 0, 0, 0, 0, 0, 9},
         "※点数獲得時 +50点"},
        {320, "魔星のイヤリング", 9, 2000, 0, 0, 0, {}, "魔法攻撃力 +2"},
        {334, "黄金のペンダント", 11, 30, 0, 0, 0, {}, "※入手金 +3円"},
        {400, "ｽﾀｰﾀﾞｽﾄの思惑LV1", 12, 100, 0, 0, 0, {}, "最大ダメージ 50以上で入手"},
        {499, "心技一体MAX", 12, 1000, 0, 0, 0, {}, "連携発見数 20個以上で入手"},
        {540, "コーラ", 10, 250, 0, 0, 0, {}, "おいしい"},
        {600, "ホーシオのメモ", 99, 300, 1, 0, 0, {}, "ＳＥＴできるホーシオを１つ増やす"},
        {608, "ホーシオの哲学", 99, 2700, 1, 0, 607, {}, "ＳＥＴできるホーシオを１つ増やす"},
        {658, "ファトマの号令Ⅸ", 101, 9900, 1, 9, 0, {}, "最大HP +9"},
        {680, "ファトマの願い", 101, 200, 1, 1, 0, {}, "最大HP +1"},
        {668, "ファトマの宣誓Ⅸ", 102, 9900, 1, 9, 0, {}, "最大MP +9"},
        {670, "ファトマの悟り", 103, 200, 1, 1, 0, {}, "最大TP +1"},
        {697, "ファトマの秘策Ⅷ", 104, 9900, 1, 8, 0, {}, "連携ダメージ +8"},
        {700, "ホーシオの涙", 100, 0, 0, 0, 0, {}, "偶数ターン HP +1"},
        {731, "ホーシオの大金策", 100, 0, 0, 0, 0, {}, "入手金 +5"},
        {800, "人工ﾎｰｼｵの涙", 100, 500, 1, 0, 0, {}, "3の倍数ターン HP +1"},
        {845, "改良ﾎｰｼｵの魔方陣", 100, 4500, 1, 0, 0, {}, "被魔法攻撃 -5"},
    };
    for (const Row& r : rows) {
        const ItemRecord& i = t[r.id];
        SCOPED_TRACE(r.id);
        EXPECT_EQ(i.name, r.name);
        EXPECT_EQ(i.category, r.category);
        EXPECT_EQ(i.price, r.price);
        EXPECT_EQ(i.one_only, r.one_only);
        EXPECT_EQ(i.amount, r.amount);
        EXPECT_EQ(i.requires_item, r.requires_item);
        const std::array<int32_t, 9> stats = {i.combo_power,   i.magic_power, i.mp_on_miss,
                                              i.accessory_hit, i.guard,       i.critical,
                                              i.defence,       i.hit_evasion, i.attack};
        EXPECT_EQ(stats, r.stats);
        EXPECT_EQ(i.description, r.description);
    }
    // Ids without a name hold nothing; the rare items all tell their story.
    for (int32_t id : {60, 99, 125, 399, 564, 609, 659, 699, 732, 826, 827, 846, 999}) {
        EXPECT_TRUE(t[id].name.empty()) << id;
        EXPECT_EQ(t[id].category, 0) << id;
    }
    for (int32_t id = 500; id <= 563; ++id) EXPECT_FALSE(t[id].description.empty()) << id;
    int named = 0;
    for (const ItemRecord& i : t) named += !i.name.empty();
    EXPECT_EQ(named, 462);  // なし and the 461 items
}

TEST(ItemCatalogue, ANameSharedByTwoIdsFindsTheHigher) {
    ItemTable t;
    fill_item_table(t);
    EXPECT_EQ(FindItemByName(t, "ホーシオの器量"), 712);
    EXPECT_EQ(FindItemByName(t, "どこにもない"), 0);
    t[900].name = "ホーシオの器量";
    EXPECT_EQ(FindItemByName(t, "ホーシオの器量"), 900);
}

TEST(ItemRules, ScoreWithItsCapAndBonuses) {
    CatalogueFixture f;
    Game& g = f.game;
    g.state.hoshio_slots[4] = 715;  // ホーシオの冒険
    g.adventurer().pendant = 333;   // 星昇のペンダント
    AddScore(g, 200);
    EXPECT_EQ(g.state.score, 260);
    const Popup& float_text = g.popups[g.popup_position];
    EXPECT_EQ(float_text.text, "+260pt.");
    EXPECT_EQ(float_text.type, 20);
    AddScore(g, 20000);
    EXPECT_EQ(g.state.score, 260 + 9999 + 60);
}

TEST(ItemRules, EachScoreHoshioAddsItsOwnBonus) {
    struct Case {
        const char* hoshio;
        int32_t bonus;
    };
    const Case cases[] = {{"ホーシオの冒険", 10},   {"人工ﾎｰｼｵの冒険", 5},
                          {"人工ﾎｰｼｵの大冒険", 10}, {"人工ﾎｰｼｵの超冒険", 20},
                          {"人工ﾎｰｼｵの極冒険", 30}, {"人工ﾎｰｼｵの神冒険", 40}};
    for (const Case& c : cases) {
        CatalogueFixture f;
        Game& g = f.game;
        const int32_t id = FindItemByName(g.items, c.hoshio);
        ASSERT_GT(id, 0) << c.hoshio;
        g.state.item_count[id] = 1;
        g.state.hoshio_slots[0] = id;
        AddScore(g, 100);
        EXPECT_EQ(g.state.score, 100 + c.bonus) << c.hoshio;
    }
}

TEST(ItemRules, AFindAfterABattlePassesOverRareItemsAlreadyHeld) {
    CatalogueFixture f;
    Game& g = f.game;
    std::vector<int32_t> rare;
    for (int32_t id = 0; id < kItemTableSize; ++id) {
        const ItemRecord& i = g.items[id];
        if (!i.name.empty() && i.category == kItemRare && i.one_only == 0) rare.push_back(id);
    }
    ASSERT_GE(rare.size(), 2u);
    g.state.item_count[rare[0]] = 1;
    platform::script_random({rare[0], rare[1]});
    ASSERT_TRUE(FindRareItem(g));
    EXPECT_EQ(g.state.item_count[rare[0]], 1);  // the one held is drawn, and passed over
    EXPECT_EQ(g.state.item_count[rare[1]], 1);
    platform::script_random({});
}

TEST(ItemRules, ARareItemGivesTwiceItsPrice) {
    CatalogueFixture f;
    Game& g = f.game;
    f.item(539).price = 500;  // as a rare item of 500 円
    GainItem(g, 539);
    EXPECT_EQ(g.state.item_count[539], 1);
    EXPECT_EQ(g.message_log[0].text, "なんとレアItem【☆星と花の手紙】を入手した!! > 得点 +1000");
    EXPECT_EQ(g.message_log[0].kind, ColourKind("rainbow"));
    EXPECT_EQ(g.state.score, 1000);
    GainItem(g, 999);  // nothing there
    EXPECT_EQ(g.state.score, 1000);
    // The find after a battle gives a rare item not held yet.
    platform::seed_random(4);
    ASSERT_TRUE(FindRareItem(g));
    int32_t found = 0;
    for (int32_t id = 500; id <= 563; ++id) found += g.state.item_count[id];
    EXPECT_EQ(found, 2);
}

TEST(ItemRules, AnAchievementIsGrantedOnce) {
    CatalogueFixture f;
    Game& g = f.game;
    GrantAchievement(g, 499);
    EXPECT_EQ(g.state.item_count[499], 1);
    EXPECT_EQ(g.message_log[0].text, "戦績『心技一体MAX』を入手!! > +2000点");
    EXPECT_EQ(g.state.score, 2000);
    GrantAchievement(g, 499);
    EXPECT_EQ(g.state.item_count[499], 1);
    EXPECT_EQ(g.state.score, 2000);
    EXPECT_NE(g.message_log[1].text, g.message_log[0].text);
    GrantAchievement(g, 500);  // not an achievement
    EXPECT_EQ(g.state.item_count[500], 0);
}

TEST(ItemRules, EachWornKindHasItsSlot) {
    Combatant c;
    const std::pair<int32_t, int32_t Combatant::*> slots[] = {
        {1, &Combatant::weapon},  {2, &Combatant::armour},     {3, &Combatant::helmet},
        {4, &Combatant::shield},  {5, &Combatant::right_ring}, {6, &Combatant::left_ring},
        {7, &Combatant::waist},   {8, &Combatant::arm},        {9, &Combatant::earring},
        {11, &Combatant::pendant}};
    for (auto [category, field] : slots) EXPECT_EQ(EquipmentSlot(c, category), &(c.*field));
    for (int32_t category : {-1, 0, 10, 12, 99, 100, 101, 104}) {
        EXPECT_EQ(EquipmentSlot(c, category), nullptr) << category;
    }
}

TEST(ItemRules, HoshioSlotsAndTheTpCeiling) {
    CatalogueFixture f;
    Game& g = f.game;
    EXPECT_EQ(UsableHoshioSlots(g), 3);
    g.adventurer().level = 30;
    for (int32_t id = 600; id <= 604; ++id) g.state.item_count[id] = 1;
    EXPECT_EQ(UsableHoshioSlots(g), 9);
    // Found wherever it is set; the highest slot that holds it.
    g.state.hoshio_slots[2] = 712;
    g.state.hoshio_slots[17] = 712;
    EXPECT_EQ(FindSetHoshio(g, "ホーシオの器量"), 17);
    EXPECT_EQ(FindSetHoshio(g, "人工ﾎｰｼｵの器量"), -1);
    EXPECT_FALSE(HoshioSet(g, "人工ﾎｰｼｵの器量"));
    Combatant& a = g.adventurer();
    a.level = 45;
    a.max_tp = 100;
    a.tp = 150;
    ClampPlayerState(g);
    EXPECT_EQ(a.tp, 120);
}

TEST(ItemRules, TheTwentiethCombinationFoundGrantsTheLastAchievement) {
    testing_support::LandedGame f(2);
    Game& g = f.game;
    for (int i = 0; i < 19; ++i) g.state.combo_discovered[100 + i] = 1;
    EnterIsland(g);
    EXPECT_EQ(g.state.item_count[479], 1);
    EXPECT_EQ(g.state.item_count[499], 0);
    g.state.combo_discovered[150] = 1;
    EnterIsland(g);
    EXPECT_EQ(g.state.item_count[499], 1);
}

}  // namespace
}  // namespace quill
