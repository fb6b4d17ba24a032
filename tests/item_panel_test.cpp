// The item panel's screens: their rows and colours, the details, and the action button.
#include <gtest/gtest.h>

#include "explore/island.h"
#include "items/item_panel.h"
#include "test_support.h"

namespace quill {
namespace {

using platform::Color;

struct PanelFixture : testing_support::LandedGame {
    PanelFixture() : LandedGame(8) {}
    void open(ItemScreen screen) {
        game.item_screen = screen;
        RefreshItemPanel(game);
    }
    void choose(int row) {
        game.form.item_list.item_index = row;
        item_listMouseDown(game);
    }
    int row_of(const std::string& text) const {
        const auto& items = game.form.item_list.items;
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i] == text) return static_cast<int>(i);
        }
        return -1;
    }
};

TEST(ItemPanel, TechniqueRowsShowTheirLevelAndAreNewUntilSeen) {
    PanelFixture f;
    Game& g = f.game;
    g.state.skill_level[0] = 10;
    g.state.skill_level[22] = 3;
    f.open(ItemScreen::kTechniques);
    EXPECT_EQ(g.form.item_list.items, (std::vector<std::string>{" MAX 踏みつぶす", "Lv 3 逃げる"}));
    EXPECT_EQ(g.form.item_list.item_colors[1], Color::rgb(0xFF00FF));
    f.choose(1);
    EXPECT_EQ(g.panel_selection, 22);
    EXPECT_EQ(g.form.item_list.item_colors[1], platform::colors::kWhite);
    EXPECT_EQ(g.form.item_l.caption.rfind("逃げる\nLV 3  発動: 0回", 0), 0u);
    f.choose(0);
    EXPECT_NE(g.form.item_l.caption.find("\nLV MAX  発動"), std::string::npos);
    // Strengthening: without BP it says so; with one it raises the level and keeps the row.
    f.choose(1);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.form.item_l.caption, "BPがありません");
    g.state.bonus_points = 1;
    l_btn10MouseDown(g);
    EXPECT_EQ(g.state.skill_level[22], 4);
    EXPECT_EQ(g.form.item_list.items[g.form.item_list.item_index], "Lv 4 逃げる");
    // ▲ moves it before 踏みつぶす; ▲ again does nothing on the first line.
    l_btn40MouseDown(g);
    EXPECT_EQ(g.state.skill_order[0], 22);
    EXPECT_EQ(g.form.item_list.item_index, 0);
    l_btn40MouseDown(g);
    EXPECT_EQ(g.state.skill_order[0], 22);
}

TEST(ItemPanel, ANewAchievementIsLimeUntilItsDetailIsOpened) {
    PanelFixture f;
    Game& g = f.game;
    g.state.item_count[400] = 1;
    f.open(ItemScreen::kAchievements);
    ASSERT_EQ(g.form.item_list.items, (std::vector<std::string>{"ｽﾀｰﾀﾞｽﾄの思惑LV1"}));
    EXPECT_EQ(g.form.item_list.item_colors[0], Color::rgb(0x00FF00));
    EXPECT_FALSE(g.form.l_btn10.visible);
    f.choose(0);
    EXPECT_EQ(g.form.item_l.caption, "ｽﾀｰﾀﾞｽﾄの思惑LV1\n最大ダメージ 50以上で入手\nレア度: 200Pt.");
    f.open(ItemScreen::kAchievements);
    EXPECT_EQ(g.form.item_list.item_colors[0], platform::colors::kWhite);
}

TEST(ItemPanel, AWornRingComesOffAndAnotherReplacesIt) {
    PanelFixture f;
    Game& g = f.game;
    g.state.item_count[245] = 1;
    g.state.item_count[250] = 1;
    f.open(ItemScreen::kEquipment);
    const std::string first = g.items[245].name, second = g.items[250].name;
    f.choose(f.row_of("　 " + first));
    l_btn10MouseDown(g);
    EXPECT_EQ(g.adventurer().right_ring, 245);
    EXPECT_GE(f.row_of(" ＞" + first), 0);
    EXPECT_EQ(g.form.item_l.caption.rfind(">>装備中<<", 0), 0u);
    f.choose(f.row_of("　 " + second));
    l_btn10MouseDown(g);
    EXPECT_EQ(g.adventurer().right_ring, 250);
    f.choose(f.row_of(" ＞" + second));
    l_btn10MouseDown(g);
    EXPECT_EQ(g.adventurer().right_ring, 0);
}

TEST(ItemPanel, AFourthHoshioNeedsLevelThirtyOrABook) {
    PanelFixture f;
    Game& g = f.game;
    g.adventurer().level = 29;
    for (int32_t id : {700, 701, 702, 703}) g.state.item_count[id] = 1;
    f.open(ItemScreen::kHoshio);
    for (int row = 0; row < 3; ++row) {
        f.choose(row);
        l_btn10MouseDown(g);
    }
    EXPECT_EQ(g.state.hoshio_slots[2], 702);
    f.choose(3);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.form.item_l.caption,
              "セットできる枠がありません。同名ホーシオをセットすると外す事ができます。");
    g.state.item_count[600] = 1;  // ホーシオのメモ
    f.choose(3);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.state.hoshio_slots[3], 703);
    // Chosen again, a set ホーシオ comes out of its slot.
    f.choose(0);
    l_btn10MouseDown(g);
    EXPECT_EQ(g.state.hoshio_slots[0], 0);
}

}  // namespace
}  // namespace quill
