#include "character/creation.h"

#include <gtest/gtest.h>

#include "character/name_rules.h"
#include "items/player_clamp.h"
#include "platform/bitmap.h"
#include "platform/text_codec.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/state_ops.h"
#include "test_support.h"
#include "view/adventurer_pictures.h"

namespace quill {
namespace {

using testing_support::GameFixture;

struct CreationFixture : GameFixture {
    CreationFixture() {
        WireHandlers(game);
        FormCreate(game, 5);
        game.screen_mode = kGame;
        ShowCreationPanel(game);
    }
    void press(platform::Widget& w) { w.on_mouse_down({platform::MouseButton::Left, 3, 3}); }
};

TEST(Creation, ConfirmingWithoutAChoiceGivesTheDefaults) {
    CreationFixture f;
    Game& g = f.game;
    g.form.name_l.text.clear();
    f.press(g.form.l_btn8);
    const Combatant& a = g.adventurer();
    EXPECT_EQ(a.name, "しすみ");
    EXPECT_EQ(g.state.money, 250);
    EXPECT_EQ(a.attack, 1);
    EXPECT_EQ(a.hit, 2);
    EXPECT_EQ(g.state.event_flags[0], 1);
    EXPECT_EQ(g.state.event_flags[1], 1);
    EXPECT_FALSE(g.form.bp_box.visible);
    EXPECT_FALSE(g.form.name_box.visible);
    EXPECT_EQ(g.awaiting_click, 1);  // the arrival scene waits for its first click
    EXPECT_EQ(g.message_log[0].text, "ようこそ。島へ");
}

TEST(Creation, BonusesOfTheThreeChoices) {
    struct Case {
        int type, attribute, race;
        int32_t max_hp, hp, max_mp, attack, defence, hit, evasion, money;
    };
    const Case cases[] = {
        {1, 2, 8, 29, 20, 1, 0, 0, 0, 0, 50},   // 冒険者, 最大HP, 仮面男
        {5, 0, 0, 15, 20, 6, 1, 0, 2, 0, 50},   // 狂人, STR, 人間男
        {4, 4, 1, 20, 20, 1, 1, 1, 9, 5, 50},   // 賢者, 命中率, 人間女
        {2, 5, 3, 20, 20, 1, 0, 0, 0, 4, 50},   // 臆病者, 回避率, KRVO団女
        {3, 3, 4, 20, 20, 3, 0, 0, 0, 0, 50},   // 反社会者, 最大MP, 魔族男
        {0, 1, 7, 20, 20, 1, 1, 1, 0, 0, 250},  // お金持ち, VIT, 獣人女
    };
    for (const Case& c : cases) {
        CreationFixture f;
        Game& g = f.game;
        f.press(g.form.type_buttons[c.type]);
        f.press(g.form.attribute_buttons[c.attribute]);
        f.press(g.form.race_buttons[c.race]);
        f.press(g.form.l_btn8);
        const Combatant& a = g.adventurer();
        EXPECT_EQ(a.max_hp, c.max_hp) << c.type << c.attribute << c.race;
        EXPECT_EQ(a.hp, c.hp);
        EXPECT_EQ(a.max_mp, c.max_mp);
        EXPECT_EQ(a.attack, c.attack);
        EXPECT_EQ(a.defence, c.defence);
        EXPECT_EQ(a.hit, c.hit);
        EXPECT_EQ(a.evasion, c.evasion);
        EXPECT_EQ(g.state.money, c.money);
        EXPECT_EQ(g.state.race_sex, c.race);
        EXPECT_EQ(a.mp, 1);
    }
    // 狂人: HP 20 over a maximum of 15 until the next clamp.
    CreationFixture f;
    f.press(f.game.form.type_buttons[5]);
    f.press(f.game.form.l_btn8);
    EXPECT_EQ(f.game.adventurer().hp, 20);
    ClampPlayerState(f.game);
    EXPECT_EQ(f.game.adventurer().hp, 15);
}

TEST(Creation, TheNameIsKeptAsTypedAndTheChoicesAreSaved) {
    CreationFixture f;
    Game& g = f.game;
    g.form.name_l.text = " 風の 旅人　ルカ ";
    f.press(g.form.type_buttons[4]);
    f.press(g.form.attribute_buttons[4]);
    f.press(g.form.race_buttons[5]);
    f.press(g.form.l_btn8);
    EXPECT_EQ(g.adventurer().name, " 風の 旅人　ルカ ");
    auto game2 = std::make_unique<Game>();
    game2->folders = g.folders;
    game2->dialogs = &f.dialogs;
    game2->server_url = testing_support::kNoServer;
    FormCreate(*game2, 1);
    EXPECT_EQ(game2->adventurer().name, " 風の 旅人　ルカ ");
    EXPECT_EQ(game2->state.char_type, 4);
    EXPECT_EQ(game2->state.raised_attribute, 4);
    EXPECT_EQ(game2->state.race_sex, 5);
    EXPECT_EQ(game2->state.event_flags[0], 1);
    EXPECT_EQ(game2->adventurer().hit, 7);     // 賢者 5 + 命中率 2
    EXPECT_EQ(game2->adventurer().max_mp, 2);  // 魔族 +1
}

TEST(Creation, TheNameBoxStartsEmptyWithTheDefaultAsAHint) {
    CreationFixture f;
    EXPECT_EQ(f.game.form.name_l.text, "");
    EXPECT_EQ(f.game.form.name_l.placeholder, "しすみ");
}

TEST(Creation, ANameHoldsOnlyWhatTheSaveGivesBack) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"😀ルカ", "ルカ"},                           // no code page 932 form
        {"Zoë", "Zo"},                               // likewise
        {"ル\tカ\x7f", "ルカ"},                      // control characters
        {"〜ルカ〜", "～ルカ～"},                    // the save's own form of the wave dash
        {"—‖−", "―∥－"},                             // and of the other look-alikes
        {" 風の 旅人　ルカ ", " 風の 旅人　ルカ "},  // spaces of both widths stay
        {"ﾀﾏ～ＫＲＶＯ①", "ﾀﾏ～ＫＲＶＯ①"},
        {"", ""},
    };
    for (const Case& c : cases) {
        const std::string kept = SavableName(c.typed);
        EXPECT_EQ(kept, c.kept) << c.typed;
        // Whatever is kept comes back from code page 932 unchanged.
        EXPECT_EQ(platform::from_cp932(platform::to_cp932(kept).value()).value(), kept);
    }
}

TEST(Creation, AnUnsavableNameIsRefusedAsTypedAndAtOk) {
    CreationFixture f;
    Game& g = f.game;
    // Typed: the character goes at once, with a word.
    g.form.name_l.text = "😀ルカ";
    name_lChange(g);
    EXPECT_EQ(g.form.name_l.text, "ルカ");
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0], "その文字は名前に使えません");
    // A look-alike is put in the save's form without a word.
    g.form.name_l.text = "ルカ〜";
    name_lChange(g);
    EXPECT_EQ(g.form.name_l.text, "ルカ～");
    EXPECT_EQ(f.dialogs.messages.size(), 1u);

    // Put in without typing: "OK" refuses it and the panel stays.
    g.form.name_l.text = "ルカ😀";
    f.press(g.form.l_btn8);
    EXPECT_TRUE(g.form.bp_box.visible);
    EXPECT_FALSE(adventurer_exists(g));
    EXPECT_EQ(g.form.name_l.text, "ルカ");
    EXPECT_EQ(f.dialogs.messages.size(), 2u);
    // The next "OK" takes the name, and the save gives the same name back.
    f.press(g.form.l_btn8);
    EXPECT_EQ(g.adventurer().name, "ルカ");
    EXPECT_EQ(g.reports_sent.at(0), "<降臨>ルカという名の冒険者が現れた");
    auto again = std::make_unique<Game>();
    again->folders = g.folders;
    again->dialogs = &f.dialogs;
    again->server_url = testing_support::kNoServer;
    FormCreate(*again, 1);
    EXPECT_EQ(again->adventurer().name, "ルカ");
}

// Every caption of the creation panel fits its button at the panel's own face and size,
// and the summary line fits its label whatever is chosen.
TEST(Creation, EveryCaptionFitsItsButton) {
    CreationFixture f;
    Game& g = f.game;
    for (platform::Label* b : g.form.button_labels()) {
        if (b->caption.empty()) continue;
        EXPECT_LE(platform::Bitmap::text_width(b->caption, b->font), b->width - 4)
            << b->name << " " << b->caption;
    }
    for (int attribute = 0; attribute < 6; ++attribute) {
        for (int type = 0; type < 6; ++type) {
            g.state.raised_attribute = attribute;
            g.state.char_type = type;
            Timer1Timer(g);
            const platform::Label& bar = g.form.bp_l;
            EXPECT_LE(platform::Bitmap::text_width(bar.caption, bar.font), bar.width)
                << bar.caption;
        }
    }
}

TEST(Creation, TheBarTextFollowsTheChoices) {
    CreationFixture f;
    Game& g = f.game;
    f.press(g.form.attribute_buttons[3]);
    f.press(g.form.type_buttons[1]);
    Timer1Timer(g);
    EXPECT_EQ(g.form.bp_l.caption, "上昇ﾊﾟﾗﾒｰﾀｰ:【最大MP】 タイプ:≪冒険者≫");
}

TEST(Creation, AMissingPreviewPictureLeavesThePreviewEmpty) {
    CreationFixture f;  // the fixture's folder has no pictures at all
    f.press(f.game.form.race_buttons[7]);
    EXPECT_TRUE(f.game.form.bp_box_cg.picture.empty());
    EXPECT_EQ(f.game.state.race_sex, 7);
}

TEST(AdventurerPictures, TheFileFollowsTheLevelBand) {
    struct Case {
        int32_t race, level;
        const char* file;
    };
    const Case cases[] = {{0, 0, "char0.bmp"},   {0, 9, "char0.bmp"},   {3, 10, "char3a.bmp"},
                          {3, 19, "char3a.bmp"}, {9, 20, "char9b.bmp"}, {1, 39, "char1c.bmp"},
                          {2, 40, "char2d.bmp"}, {4, 50, "char4e.bmp"}, {4, 69, "char4e.bmp"},
                          {5, 70, "char5f.bmp"}, {6, 99, "char6f.bmp"}};
    for (const Case& c : cases) EXPECT_EQ(AdventurerPictureFile(c.race, c.level), c.file);
}

}  // namespace
}  // namespace quill
