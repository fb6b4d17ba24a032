// The pet: the pet house and its panel, the moods, and the pet's actions in battle.
#include <gtest/gtest.h>

#include "battle/pet_actions.h"
#include "character/pet_panel.h"
#include "platform/file_io.h"
#include "platform/random.h"
#include "platform/text_codec.h"
#include "shell/input.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::InBattle;
using testing_support::LandedGame;

void press(platform::Widget& w) {
    w.on_mouse_down({platform::MouseButton::Left, 2, 2});
}

struct PetHouse : LandedGame {
    PetHouse() : LandedGame(4) {
        game.adventurer().level = 22;
        game.state.bonus_points = 5;
    }
    // Into the pet house and past its greeting to the panel.
    void enter() {
        press(game.form.map_b20);
        ClickMainPicture(game, 5, 5, platform::MouseButton::Left);
    }
    void name_pet(const std::string& name) {
        game.form.pet_name_l.text = name;
        dialogs.answers = {true};
        press(game.form.l_btn60);
    }
};

TEST(PetHouse, MeetingAndNamingThePet) {
    PetHouse f;
    Game& g = f.game;
    g.adventurer().level = 21;
    press(g.form.map_b20);
    EXPECT_EQ(g.map_shown, 1);  // below level 22 the nest stays shut
    g.adventurer().level = 22;
    press(g.form.map_b20);
    EXPECT_EQ(g.scene_kind, 105);
    EXPECT_EQ(g.last_background, "pet_house.bmp");
    EXPECT_EQ(g.message_log[1].text, "....？");
    EXPECT_EQ(g.message_log[0].text, "おや、何かいるよ....？");
    EXPECT_EQ(g.awaiting_click, 1);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_TRUE(g.form.pet_box.visible);
    EXPECT_TRUE(g.form.pet_name_box.visible);
    EXPECT_FALSE(g.form.pet_state_box.visible);
    EXPECT_FALSE(g.form.pet_l.visible);
    EXPECT_EQ(g.form.pet_state_box.left, 272);
    EXPECT_EQ(g.form.pet_name_box.top, 320);

    // One space of either width is no name: nothing is asked, and the player is told why.
    for (const char* blank : {"　", " ", ""}) {
        f.dialogs.messages.clear();
        f.name_pet(blank);
        EXPECT_TRUE(f.dialogs.questions.empty()) << blank;
        EXPECT_TRUE(g.pet().name.empty()) << blank;
        EXPECT_EQ(f.dialogs.messages, std::vector<std::string>{kPetNameMissing}) << blank;
    }
    // "No" keeps the pet unnamed.
    g.form.pet_name_l.text = "タマ ミケ";
    f.dialogs.answers = {false};
    press(g.form.l_btn60);
    EXPECT_EQ(f.dialogs.questions, std::vector<std::string>{"良いですか？"});
    EXPECT_TRUE(g.pet().name.empty());
    // A space inside is a name.
    g.pet().max_hp = 9;
    g.pet().level = 7;
    g.pet().attack = 3;
    g.reports_sent.clear();
    f.name_pet("タマ ミケ");
    const Combatant& pet = g.pet();
    EXPECT_EQ(pet.name, "タマ ミケ");
    EXPECT_EQ(pet.hp, 1);
    EXPECT_EQ(pet.max_hp, 1);
    EXPECT_EQ(pet.level, 1);
    EXPECT_EQ(pet.exp, 0);
    EXPECT_EQ(pet.attack, 3);  // the other values stay
    EXPECT_FALSE(g.form.pet_name_box.visible);
    EXPECT_TRUE(g.form.pet_state_box.visible);
    EXPECT_EQ(g.reports_sent, std::vector<std::string>{"<PET>ルカは、タマ ミケと出会った"});
    const std::string saved = platform::read_file(g.folders.dat_file("my.dat")).value();
    EXPECT_NE(saved.find(platform::to_cp932_lossy("タマ ミケ")), std::string::npos);

    // Closing: the pet rested, the map again, the log cleared.
    g.pet().max_mp = 4;
    press(g.form.l_btn64);
    EXPECT_FALSE(g.form.pet_box.visible);
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_EQ(g.pet().mp, 4);
    EXPECT_EQ(g.audio.last_effect(), "d.wav");

    // Next time the pet greets by name, rested.
    g.pet().hp = 0;
    press(g.form.map_b20);
    EXPECT_EQ(g.pet().hp, 1);
    EXPECT_EQ(g.message_log[2].text, "....？");
    EXPECT_EQ(g.message_log[1].text.rfind("タマ ミケ", 0), 0u);
    EXPECT_EQ(g.message_log[0].text.rfind("タマ ミケ", 0), 0u);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_TRUE(g.form.pet_state_box.visible);
    EXPECT_FALSE(g.form.pet_name_box.visible);
    EXPECT_EQ(g.form.pet_l.caption.rfind("タマ ミケ Lv1 (exp 0/110)\n\nHP 1 / 1\n", 0), 0u);
}

// The keeper's greeting: one of as many as the pet has fives of levels, five at most.
TEST(PetHouse, TheGreetingsGrowWithThePetsLevel) {
    struct Case {
        int32_t level, draw, variant;
    };
    for (const Case& c : {Case{4, 9, 0}, {20, 9, 3}, {25, 9, 4}, {99, 9, 4}, {99, 2, 2}}) {
        PetHouse f;
        Game& g = f.game;
        g.pet().name = "タマ";
        g.pet().level = c.level;
        platform::script_random({c.draw});
        press(g.form.map_b20);
        platform::script_random({});
        const std::vector<std::string> lines = PetGreeting(c.variant, "タマ");
        EXPECT_EQ(g.message_log[1].text, lines[0]) << c.level << " " << c.draw;
        EXPECT_EQ(g.message_log[0].text, lines[1]) << c.level << " " << c.draw;
    }
}

TEST(PetHouse, TheNameKeepsToSixteenBytesOfSavableText) {
    PetHouse f;
    Game& g = f.game;
    f.enter();
    g.form.pet_name_l.text = "あいうえおかきくけこ";  // 20 bytes
    g.form.pet_name_l.on_change();
    EXPECT_EQ(g.form.pet_name_l.text, "あいうえおかきく");
    g.form.pet_name_l.text = "ﾀﾏabcdefghijklmnop";  // half-width: one byte each
    g.form.pet_name_l.on_change();
    EXPECT_EQ(g.form.pet_name_l.text, "ﾀﾏabcdefghijklmn");
    g.form.pet_name_l.text = "タマ😀";
    g.form.pet_name_l.on_change();
    EXPECT_EQ(g.form.pet_name_l.text, "タマ");
    EXPECT_EQ(f.dialogs.messages.back(), "その文字は名前に使えません");
    // Every greeting fits the log with the longest name.
    for (int v = 0; v < 5; ++v) {
        const auto lines = PetGreeting(v, "あいうえおかきく");
        ASSERT_EQ(lines.size(), 2u);
        testing_support::ExpectShowableLogLines(lines, "greeting " + std::to_string(v));
    }
}

TEST(PetHouse, RaisingWithBonusPoints) {
    PetHouse f;
    Game& g = f.game;
    g.pet().name = "タマ";
    f.enter();
    struct Case {
        platform::Label* button;
        int32_t Combatant::*value;
        int32_t cap;
        const char* full;
    };
    const Case cases[] = {
        {&g.form.l_btn62, &Combatant::max_mp, 20, "MAX MP MAX"},
        {&g.form.l_btn63, &Combatant::attack, 20, "強さ MAX"},
        {&g.form.l_btn65, &Combatant::intellect, 20, "賢さ MAX"},
        {&g.form.l_btn66, &Combatant::defence, 10, "丈夫さ MAX"},
        {&g.form.l_btn67, &Combatant::hit, 10, "器用さ MAX"},
        {&g.form.l_btn61, &Combatant::evasion, 10, "素早さ MAX"},
    };
    for (const Case& c : cases) {
        Combatant& pet = g.pet();
        // A raise: one point of BP for one point of the value.
        g.state.bonus_points = 1;
        pet.*c.value = c.cap - 1;
        press(*c.button);
        EXPECT_EQ(pet.*c.value, c.cap) << c.full;
        EXPECT_EQ(g.state.bonus_points, 0) << c.full;
        EXPECT_EQ(g.audio.last_effect(), "b.wav");
        EXPECT_EQ(c.button->caption, c.full);
        // No BP: said, nothing changes.
        pet.*c.value = 0;
        press(*c.button);
        EXPECT_EQ(g.form.pet_state_l2.caption, "BPがありません") << c.full;
        EXPECT_EQ(pet.*c.value, 0) << c.full;
        // At the cap: said, BP kept.
        g.state.bonus_points = 3;
        pet.*c.value = c.cap;
        RefreshPetPanelTexts(g);
        EXPECT_EQ(c.button->caption, c.full);
        press(*c.button);
        EXPECT_EQ(g.form.pet_state_l2.caption, "これ以上強化できません") << c.full;
        EXPECT_EQ(pet.*c.value, c.cap) << c.full;
        EXPECT_EQ(g.state.bonus_points, 3) << c.full;
        pet.*c.value = 0;
    }
    RefreshPetPanelTexts(g);
    EXPECT_EQ(g.form.l_btn63.caption, "強さ +");
    EXPECT_EQ(g.form.pet_bp_l.caption,
              "BP: 3ポイント / 所持金: " + std::to_string(g.state.money) + "円");
}

TEST(PetHouse, TwentyLooksComeRoundAndAMissingPictureShowsTheFirst) {
    PetHouse f;
    Game& g = f.game;
    // pet0.bmp is blue, pet1.bmp red; there is no pet2.bmp.
    for (auto [file, colour] : {std::pair{"pet0.bmp", 0x0000FF}, std::pair{"pet1.bmp", 0xFF0000}}) {
        platform::Bitmap pet(20, 20, platform::Color::rgb(static_cast<uint32_t>(colour)));
        pet.set_pixel(0, 19, platform::Color::rgb(0x00FF00));
        testing_support::write_bmp(g.folders.cg_file(file), pet);
    }
    f.enter();
    const platform::Bitmap& shown = g.form.pet_cg.picture;
    auto centre = [&] { return shown.pixel(shown.width() / 2, shown.height() / 2); };
    EXPECT_EQ(centre(), platform::Color::rgb(0x0000FF));
    press(g.form.l_btn72);
    EXPECT_EQ(g.pet().look, 1);
    EXPECT_EQ(g.audio.last_effect(), "in.wav");
    EXPECT_EQ(centre(), platform::Color::rgb(0xFF0000));
    press(g.form.l_btn72);
    EXPECT_EQ(centre(), platform::Color::rgb(0x0000FF));  // pet2.bmp is missing
    for (int i = 0; i < 18; ++i) press(g.form.l_btn72);
    EXPECT_EQ(g.pet().look, 0);
}

TEST(PetMoods, TheElementsOfATechniqueMoveThemAndTheGreatestSetsTheTendency) {
    Combatant pet;
    pet.moods = {2, 2, 2, 2, 2};
    pet.pet_type() = 4;
    // 光 and 無 together: 無 up and the rest down, then 光 up and the rest down.
    ShiftPetMoods(pet, {true, true, false, false, false});
    EXPECT_EQ(pet.moods, (std::array<int32_t, 5>{2, 2, 0, 0, 0}));
    EXPECT_EQ(pet.pet_type(), 4);  // no mood strictly greatest
    pet.moods = {3, 3, 0, 0, 0};
    ShiftPetMoods(pet, {false, false, false, false, false});
    EXPECT_EQ(pet.pet_type(), 4);
    ShiftPetMoods(pet, {false, false, false, true, false});  // 火
    EXPECT_EQ(pet.moods, (std::array<int32_t, 5>{2, 2, 0, 1, 0}));
    EXPECT_EQ(pet.pet_type(), 4);
    pet.moods = {10, 0, 0, 0, 9};
    ShiftPetMoods(pet, {false, false, false, false, true});  // 水 up to 10, 無 down to 9
    EXPECT_EQ(pet.moods, (std::array<int32_t, 5>{9, 0, 0, 0, 10}));
    EXPECT_EQ(pet.pet_type(), 4);
    ShiftPetMoods(pet, {true, false, false, false, false});
    ShiftPetMoods(pet, {true, false, false, false, false});
    EXPECT_EQ(pet.moods, (std::array<int32_t, 5>{10, 0, 0, 0, 8}));
    EXPECT_EQ(pet.pet_type(), 0);
}

// A battle with the pet タマ at the adventurer's side.
struct PetBattle : InBattle {
    PetBattle(int32_t level, int32_t intellect, int32_t mp, int32_t type) : InBattle(6, 500) {
        Combatant& p = game.pet();
        p.name = "タマ";
        p.level = level;
        p.max_hp = p.hp = 30;
        p.attack = 10;
        p.intellect = intellect;
        p.max_mp = 20;
        p.mp = mp;
        p.pet_type() = type;
        Combatant& a = game.adventurer();
        a.max_mp = 10;
        a.mp = 5;
        a.tp = 0;
        game.active_side = 0;
    }
    void act(const std::vector<int32_t>& draws) {
        platform::script_random(draws);
        PetActsAtTurnStart(game);
    }
};

TEST(PetActions, SupportActionsByIntellectTendencyAndLevel) {
    {  // below level 4 without MP: always the scratch
        PetBattle f(3, 20, 0, 0);
        f.act({});
        EXPECT_TRUE(f.logged("タマ＞ひっかく"));
        EXPECT_EQ(f.game.turn_pending, 1);
    }
    {  // support 10 and up only with intellect 20
        PetBattle low(30, 19, 5, 0);
        low.act({99});
        EXPECT_TRUE(low.logged("タマ＞自分の傷を舐める"));
        EXPECT_EQ(low.game.pet().mp, 4);
        PetBattle high(30, 20, 5, 0);
        high.game.adventurer().hp = 50;
        high.act({99});
        EXPECT_TRUE(high.logged("タマ＞猫の祈り"));
        EXPECT_TRUE(high.logged("ルカのHPを 11回復"));  // 100/10 + 1
        EXPECT_TRUE(high.logged_start("ルカのMPを "));
        const int32_t mp = high.game.adventurer().mp - 5, tp = high.game.adventurer().tp;
        EXPECT_TRUE(mp == 1 || mp == 2) << mp;
        EXPECT_TRUE(high.logged("ルカのMPを " + std::to_string(mp) + "回復"));
        EXPECT_GE(tp, 10);
        EXPECT_LE(tp, 19);
        EXPECT_TRUE(high.logged("ルカのTPを " + std::to_string(tp) + "回復"));
    }
    {  // the cheer's gift from level 21
        PetBattle twenty(20, 0, 5, 0);
        twenty.act({0, 0});
        EXPECT_TRUE(twenty.logged("タマ＞応援"));
        EXPECT_TRUE(twenty.logged("ルカの<無耐性>が少し上がった!!"));
        EXPECT_EQ(twenty.game.adventurer().status[kResistNone], 3);  // 0 + 10/10 + 2
        EXPECT_EQ(twenty.game.adventurer().tp, 0);
        PetBattle older(21, 0, 5, 0);
        older.act({0, 0, 2});
        EXPECT_EQ(older.game.adventurer().tp, 7);
        EXPECT_TRUE(older.logged("ルカのTPを 7回復"));
        PetBattle dark(21, 0, 5, 2);
        dark.act({0, 0});
        EXPECT_TRUE(dark.logged("タマ＞黒い応援"));
        EXPECT_EQ(dark.game.adventurer().mp, 6);
    }
    {  // at 80 % of max HP or more the pet distracts the enemy; below it licks the wounds
        PetBattle full(10, 2, 5, 0);
        full.game.adventurer().hp = 80;
        full.act({1, 1});
        EXPECT_TRUE(full.logged("タマ＞敵の気を引く"));
        EXPECT_EQ(full.game.enemy().status[kEvasionDown], 4);  // 1 + 10/10 + 2
        EXPECT_TRUE(full.logged("ククルを<回避率↓>状態にさせた"));
        for (auto [type, healed] : {std::pair{0, 6}, std::pair{1, 10}, std::pair{2, 4}}) {
            PetBattle hurt(10, 2, 5, type);
            hurt.game.adventurer().hp = 79;
            hurt.act({1});
            EXPECT_TRUE(hurt.logged("タマ＞傷を舐める")) << type;
            EXPECT_EQ(hurt.game.adventurer().hp, 79 + healed) << type;
            EXPECT_TRUE(hurt.logged("ルカのHPを " + std::to_string(healed) + "回復")) << type;
        }
    }
    {  // the enemy's faint from the 光 pet's ニャゴー
        PetBattle f(10, 14, 5, 1);
        f.act({7});
        EXPECT_TRUE(f.logged("タマ＞ニャゴー！"));
        EXPECT_EQ(f.game.enemy().status[kFaint], 1);
        EXPECT_TRUE(f.logged("ククルを気絶させた!!"));
    }
}

TEST(PetActions, WithoutMpThePetFightsOrRests) {
    {
        PetBattle f(40, 0, 0, 0);
        f.act({3});
        EXPECT_TRUE(f.logged("タマは自分の身を守った"));
        EXPECT_EQ(f.game.pet().status[kGuardStance], 1);
    }
    {
        PetBattle f(40, 0, 0, 0);
        f.act({4});
        EXPECT_TRUE(f.logged("タマは精神を集中させた"));
        EXPECT_EQ(f.game.pet().mp, 1);
    }
    {
        PetBattle f(40, 0, 0, 1);
        f.game.pet().hp = 10;
        f.act({5});
        EXPECT_TRUE(f.logged("タマ＞少し休む"));
        EXPECT_TRUE(f.logged("タマのHPが 4回復"));  // 30/30 + 1 = 2, the 光 pet's + 2/2 + 1
        EXPECT_EQ(f.game.pet().hp, 14);
    }
    {
        PetBattle f(40, 0, 0, 0);
        f.act({2, 0});
        EXPECT_TRUE(f.logged("タマ＞突進....失敗"));
        EXPECT_EQ(f.game.enemy().hp, 500);
    }
}

}  // namespace
}  // namespace quill
