// The three shops: their stock rule and lists, buying and the permanent raises, the keepers
// who open them and the way back to the island.
#include <gtest/gtest.h>

#include <algorithm>

#include "explore/island.h"
#include "explore/shop_keepers.h"
#include "items/item_panel.h"
#include "items/shop_stock.h"
#include "shell/input.h"
#include "test_support.h"

namespace quill {
namespace {

struct ShopFixture : testing_support::LandedGame {
    ShopFixture() : LandedGame(8) {}
    void open(ItemScreen screen) {
        game.item_screen = screen;
        game.panel_selection = -1;
        RefreshItemPanel(game);
    }
    // The row of the item's name (whatever its count prefix), or -1.
    int row_of(const std::string& name) const {
        const auto& items = game.form.item_list.items;
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].size() >= name.size() &&
                items[i].compare(items[i].size() - name.size(), name.size(), name) == 0) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    bool shows(const std::string& name) const { return row_of(name) >= 0; }
    void choose(const std::string& name) {
        game.form.item_list.item_index = row_of(name);
        item_listMouseDown(game);
    }
    void buy(const std::string& name) {
        choose(name);
        l_btn10MouseDown(game);
    }
};

TEST(Shop, TheStockRuleUsesBothMarginsAndAlwaysShowsWhatIsHeld) {
    ShopFixture f;
    Game& g = f.game;
    g.adventurer().level = 1;
    g.state.money = 25;
    g.state.item_count[23] = 1;  // 閻魔のぼう (950 円), held
    f.open(ItemScreen::kShop);
    EXPECT_EQ(g.form.item_l2.caption, "ショッピング");
    EXPECT_TRUE(f.shows("欠けた刀"));    // 25 ≤ 55
    EXPECT_TRUE(f.shows("ぼうっきれ"));  // 35 ≤ 55
    EXPECT_FALSE(f.shows("曲った刀"));   // 220
    ASSERT_TRUE(f.shows("閻魔のぼう"));
    EXPECT_EQ(g.form.item_list.items[f.row_of("閻魔のぼう")], " 1 閻魔のぼう");
    EXPECT_EQ(g.form.item_list.items[f.row_of("欠けた刀")], "   欠けた刀");
    EXPECT_EQ(g.form.item_list.items[0], "   －－－武器－－－");

    // Plenty of money, but the level margin still holds back the dear ones.
    g.state.money = 100000;
    f.open(ItemScreen::kShop);
    EXPECT_TRUE(f.shows("曲った刀"));       // 220 ≤ 400
    EXPECT_FALSE(f.shows("恐ろしいぼう"));  // 410 > 400
    EXPECT_FALSE(f.shows("青白い刀"));      // needs 曲った刀 held
    EXPECT_FALSE(f.shows("奥博士の白衣"));  // waits for its story flag
    g.state.story_flags[3] = 1;
    f.open(ItemScreen::kShop);
    EXPECT_TRUE(f.shows("奥博士の白衣"));

    // A series waits for the one before it, whatever the catalogue says.
    g.adventurer().level = 99;
    for (int32_t id : {6, 7, 8}) g.state.item_count[id] = 1;
    f.open(ItemScreen::kShop);
    EXPECT_TRUE(f.shows("ブッカブーカ刀"));
    EXPECT_FALSE(f.shows("スターダスト刀"));
    g.state.item_count[9] = 1;
    f.open(ItemScreen::kShop);
    EXPECT_TRUE(f.shows("スターダスト刀"));
    EXPECT_FALSE(f.shows("赤き刻印の刀"));
}

TEST(Shop, TheMoneyMarginIsThirtyToTheYen) {
    for (auto [money, shown] : {std::pair{5, true}, {4, false}}) {
        ShopFixture f;
        f.game.adventurer().level = 1;
        f.game.state.money = money;
        f.open(ItemScreen::kShop);
        EXPECT_EQ(f.shows("ぼうっきれ"), shown) << money;  // 35 円
    }
}

// The goods that wait for something of their own: a level, a count of defeats, or the one
// before them in their series.
TEST(Shop, GoodsThatWaitForALevelADefeatCountOrTheOneBefore) {
    struct Case {
        ItemScreen screen;
        int32_t level, kills;
        int32_t held;  // an item held beforehand (0: none)
        const char* item;
        bool shown;
    };
    const Case cases[] = {
        {ItemScreen::kFatma, 37, 0, 0, "魔星のイヤリング",
         false},  // ファトマ's earrings from level 38
        {ItemScreen::kFatma, 38, 0, 0, "魔星のイヤリング", true},
        {ItemScreen::kShop, 99, 29, 0, "ヴォマクトの冠",
         false},  // after thirty defeats of ヴォマクト
        {ItemScreen::kShop, 99, 30, 0, "ヴォマクトの冠", true},
        {ItemScreen::kShop, 99, 0, 0, "らいとにんぐぼう", false},  // after ゆーぼう
        {ItemScreen::kShop, 99, 0, 24, "らいとにんぐぼう", true},
        {ItemScreen::kShop, 99, 0, 24, "てんちつらぬくぼう",
         false},  // and each after the one before
        {ItemScreen::kFatma, 99, 0, 0, "ファトマの号令Ⅱ",
         false},  // the ファトマ series, one by one
        {ItemScreen::kFatma, 99, 0, 650, "ファトマの号令Ⅱ", true},
        {ItemScreen::kFatma, 99, 0, 650, "ファトマの号令Ⅲ", false},
    };
    for (const Case& c : cases) {
        ShopFixture f;
        Game& g = f.game;
        g.adventurer().level = c.level;
        g.state.money = 19999;
        g.state.kills_vomact = c.kills;
        if (c.held) g.state.item_count[c.held] = 1;
        f.open(c.screen);
        EXPECT_EQ(f.shows(c.item), c.shown)
            << c.item << " at level " << c.level << ", " << c.kills << " defeats, " << c.held;
    }
}

// The level margin to the yen: goods up to 200 a level and 200 more show; the chest hunters'
// belt after twenty chests.
TEST(Shop, TheLevelMarginAndTheTreasureHuntersBelt) {
    ShopFixture f;
    Game& g = f.game;
    g.state.money = 19999;
    const int32_t belt = FindItemByName(g.items, "ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ");
    ASSERT_GT(belt, 0);
    const int32_t price = g.items[belt].price;
    g.adventurer().level = (price - 200 + 199) / 200;  // the first level it is within
    g.state.chest_open_count = 20;
    f.open(ItemScreen::kFatma);
    EXPECT_EQ(f.shows("ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ"), true) << price;
    g.state.chest_open_count = 19;
    f.open(ItemScreen::kFatma);
    EXPECT_FALSE(f.shows("ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ"));
    // The stock rule to the yen, on an item priced 600: within the level margin from level 2
    // (2 x 200 + 200), within the money margin from 570.
    g.items[1].price = 600;
    struct Case {
        int32_t level, money;
        bool offered;
    };
    for (const Case& c :
         {Case{2, 19999, true}, {1, 19999, false}, {99, 570, true}, {99, 569, false}}) {
        g.adventurer().level = c.level;
        g.state.money = c.money;
        EXPECT_EQ(ShopOffers(g, 1), c.offered) << c.level << " " << c.money;
    }
}

TEST(Shop, CountsOfAnySizeKeepTheirRowsItem) {
    EXPECT_EQ(ShopPrefix(0), "   ");
    EXPECT_EQ(ShopPrefix(7), " 7 ");
    EXPECT_EQ(ShopPrefix(12), "12 ");
    EXPECT_EQ(ShopPrefix(150), "150 ");
    ShopFixture f;
    Game& g = f.game;
    g.state.money = 1000;
    g.state.item_count[1] = 150;  // ぼうっきれ
    f.open(ItemScreen::kShop);
    EXPECT_EQ(g.form.item_list.items[f.row_of("ぼうっきれ")], "150 ぼうっきれ");
    f.buy("ぼうっきれ");
    EXPECT_EQ(g.state.item_count[1], 151);
    EXPECT_NE(g.form.item_l.caption.find("(所持: 151個)\n値段: 35円"), std::string::npos);
    EXPECT_EQ(g.form.gold_l.caption, "所持金: 965円");
}

TEST(Shop, HeadersAndShortMoneyBuyNothing) {
    ShopFixture f;
    Game& g = f.game;
    g.adventurer().level = 10;
    g.state.money = 200;
    f.open(ItemScreen::kShop);
    g.form.item_list.item_index = 0;  // "－－－武器－－－"
    item_listMouseDown(g);
    EXPECT_EQ(g.panel_selection, -1);
    l_btn10MouseDown(g);
    f.buy("曲った刀");  // 220 円: shown within the margin, but not affordable
    EXPECT_EQ(g.state.money, 200);
    EXPECT_EQ(g.state.item_count[6], 0);
    EXPECT_NE(g.form.item_l.caption.find("値段: 220円"), std::string::npos);
}

TEST(Shop, ARaiseIsBoughtOnceSaysSoAndTheNextOfItsSeriesComes) {
    ShopFixture f;
    Game& g = f.game;
    g.adventurer().level = 40;
    g.state.money = 100;
    const int32_t hp = g.adventurer().max_hp;
    f.open(ItemScreen::kFatma);
    EXPECT_EQ(g.form.item_l2.caption, "ファトマ号市");
    f.buy("ファトマの号令");
    EXPECT_EQ(g.state.money, 0);
    EXPECT_EQ(g.adventurer().max_hp, hp + 1);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0], "最大HPが 1上昇!! → " + std::to_string(hp + 1));
    // Bought, it leaves the list and the choice with it: a second press buys nothing.
    EXPECT_FALSE(f.shows("ファトマの号令"));
    EXPECT_FALSE(f.shows("ファトマの号令Ⅱ"));  // 200 円 is beyond 0 + 30
    EXPECT_EQ(g.panel_selection, -1);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.state.item_count[650], 1);

    g.state.money = 1000;
    f.open(ItemScreen::kFatma);
    f.buy("ファトマの秘策");
    EXPECT_EQ(f.dialogs.messages.back(), "連携ダメージが 1上昇!!");
    EXPECT_TRUE(f.shows("ファトマの号令Ⅱ"));
    EXPECT_TRUE(f.shows("ファトマの秘策Ⅱ"));
}

// The third of each ファトマ series raises by its amount, 3: HP, MP, TP or the combinations.
TEST(Shop, EachRaiseAddsItsOwnAmount) {
    for (int32_t first : {650, 660, 670, 680, 690}) {
        ShopFixture f;
        Game& g = f.game;
        Combatant& a = g.adventurer();
        a.level = 99;
        g.state.money = 19999;
        g.state.item_count[first] = g.state.item_count[first + 1] = 1;
        const ItemRecord& third = g.items[first + 2];
        ASSERT_EQ(third.amount, 3) << third.name;
        const int32_t hp = a.max_hp, mp = a.max_mp, tp = a.max_tp;
        f.open(ItemScreen::kFatma);
        f.buy(third.name);
        ASSERT_EQ(f.dialogs.messages.size(), 1u) << third.name;
        const std::string& said = f.dialogs.messages[0];
        switch (third.category) {
            case kItemMaxHpRaise:
                EXPECT_EQ(a.max_hp, hp + 3);
                EXPECT_EQ(said, "最大HPが 3上昇!! → " + std::to_string(hp + 3));
                break;
            case kItemMaxMpRaise:
                EXPECT_EQ(a.max_mp, mp + 3);
                EXPECT_EQ(said, "最大MPが 3上昇!! → " + std::to_string(mp + 3));
                break;
            case kItemMaxTpRaise:
                EXPECT_EQ(a.max_tp, tp + 3);
                EXPECT_EQ(said, "最大TPが 3上昇!! → " + std::to_string(tp + 3));
                break;
            default:
                EXPECT_EQ(third.category, kItemComboRaise) << third.name;
                EXPECT_EQ(said, "連携ダメージが 3上昇!!");
        }
    }
}

TEST(Shop, TheArtificialShopSellsEachBookOnceAndTheFourthHoshioFitsAfterTheFirst) {
    ShopFixture f;
    Game& g = f.game;
    g.adventurer().level = 29;
    g.state.money = 2000;
    for (int32_t id : {700, 701, 702, 703}) g.state.item_count[id] = 1;
    g.state.hoshio_slots = {};
    g.state.hoshio_slots[0] = 700;
    g.state.hoshio_slots[1] = 701;
    g.state.hoshio_slots[2] = 702;
    f.open(ItemScreen::kArtificer);
    EXPECT_EQ(g.form.item_l2.caption, "人工屋");
    EXPECT_TRUE(f.shows("ホーシオのメモ"));
    EXPECT_FALSE(f.shows("ホーシオの手記"));
    f.buy("ホーシオのメモ");
    EXPECT_EQ(g.state.money, 1700);
    EXPECT_FALSE(f.shows("ホーシオのメモ"));
    EXPECT_TRUE(f.shows("ホーシオの手記"));
    // The book opens a fourth slot.
    f.open(ItemScreen::kHoshio);
    g.form.item_list.item_index = 3;
    item_listMouseDown(g);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.state.hoshio_slots[3], 703);
}

TEST(Shop, TheArtificialHoshioAreDrawnAfreshAndSoldOnlyOnce) {
    ShopFixture f;
    Game& g = f.game;
    g.adventurer().level = 99;
    g.state.money = 100000;
    std::vector<int32_t> offered(1000, 0);
    for (int i = 0; i < 60; ++i) {
        for (const ShopLine& line : ShopStock(g, ItemScreen::kArtificer)) {
            if (line.id >= 800) offered[line.id] += 1;
        }
    }
    // About one in six of the 60 looks, never all of them, never none.
    const int32_t seen = offered[800];
    EXPECT_GT(seen, 0);
    EXPECT_LT(seen, 60);
    g.state.item_count[800] = 1;
    for (int i = 0; i < 30; ++i) {
        for (const ShopLine& line : ShopStock(g, ItemScreen::kArtificer)) EXPECT_NE(line.id, 800);
    }
}

TEST(Shop, KeepersGreetThenOpenTheirShopAndTheCloseLeadsBackToTheIsland) {
    ShopFixture f;
    Game& g = f.game;
    g.state.money = 500;
    g.form.Image6.on_mouse_down({platform::MouseButton::Left, 1, 1});
    EXPECT_EQ(g.scene_kind, 100);
    EXPECT_EQ(g.message_log[0].text.rfind("どうぐの人「", 0) == 0 ||
                  g.message_log[1].text.rfind("どうぐの人「", 0) == 0,
              true);
    EXPECT_FALSE(g.form.item_box.visible);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_TRUE(g.form.item_box.visible);
    EXPECT_EQ(g.form.l_btn10.caption, "買う");
    EXPECT_TRUE(f.shows("ぼうっきれ"));
    l_btn9MouseDown(g);
    EXPECT_FALSE(g.form.item_box.visible);
    EXPECT_EQ(g.scene_kind, -1);
    EXPECT_EQ(g.merchant_visited, (std::array<int32_t, 2>{0, 0}));

    // The travelling 人工の人: closing marks only that merchant as visited.
    g.form.map_h.visible = true;
    map_hMouseDown(g);
    EXPECT_TRUE(g.message_log[0].text.rfind("人工の人「", 0) == 0 ||
                g.message_log[1].text.find("人工の人「") != std::string::npos ||
                g.message_log[3].text.rfind("人工の人「", 0) == 0);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.form.l_btn10.caption, "購入");
    l_btn9MouseDown(g);
    EXPECT_EQ(g.scene_kind, -1);
    EXPECT_EQ(g.merchant_visited, (std::array<int32_t, 2>{1, 0}));
}

TEST(Shop, EveryGreetingFitsTheLogAndHasItsLines) {
    const std::string name = "アイウエオカ";  // a longish name
    const int sizes[3][5] = {{1, 1, 2, 3, 2}, {1, 2, 2, 4, 2}, {1, 2, 2, 2, 2}};
    const char* speakers[3] = {"どうぐの人「", "人工の人「", "ファトマ「"};
    for (int k = 0; k < 3; ++k) {
        for (int v = 0; v < 5; ++v) {
            const auto lines = KeeperGreeting(static_cast<Keeper>(k), v, name);
            ASSERT_EQ(static_cast<int>(lines.size()), sizes[k][v]) << k << " " << v;
            EXPECT_EQ(lines[0].rfind(speakers[k], 0), 0u) << lines[0];
            testing_support::ExpectShowableLogLines(lines, speakers[k]);
        }
    }
    EXPECT_TRUE(KeeperGreeting(Keeper::Tools, 5, name).empty());
}

}  // namespace
}  // namespace quill
