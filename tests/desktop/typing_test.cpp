// Names typed on the keyboard, as a player types them: a click in the box, then keys.
#include <thread>

#include "desktop_fixture.h"
#include "state/game.h"
#include "state/save_files.h"

namespace quill::desktop {
namespace {

class Typing : public DesktopTest {};

TEST_F(Typing, TheAdventurersNameIsTypedEditedAndSaved) {
    const QRect box = open_creation_panel();
    ASSERT_FALSE(box.isEmpty()) << "the creation panel did not show";
    ASSERT_TRUE(click_into_box(box)) << "the box did not take the keys";
    // Typed, mistyped and mended: Backspace, Home, Delete, End, the arrows.
    desktop.type("xAkz");
    desktop.key("BackSpace");
    desktop.type("i");
    desktop.key("Home");
    desktop.key("Delete");
    desktop.key("End");
    desktop.key("Left");
    desktop.key("Left");
    desktop.key("Left");
    desktop.key("Right");
    // Japanese through keys the keyboard map gives kana to (as a kana keyboard does).
    desktop.type("\xE3\x83\xBB");  // "・" between "A" and "ki"
    desktop.key("End");
    desktop.type("\xE3\x82\xA2\xE3\x82\xAD");  // "アキ"
    ASSERT_TRUE(wait_until_settled(box));
    const QRect ok = board_rect(form.l_btn8);
    game->click_board(ok.center());
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(program.save()); }, 20s))
        << game->output();
    std::this_thread::sleep_for(300ms);
    auto saved = read_whole_save(program.save());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->adventurer().name, "A・kiアキ");
}

TEST_F(Typing, TabGivesTheNameBoxTheKeys) {
    const QRect box = open_creation_panel();
    ASSERT_FALSE(box.isEmpty()) << "the creation panel did not show";
    desktop.key("Tab");
    desktop.type("Tab");
    game->click_board(board_rect(form.l_btn8).center());
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(program.save()); }, 20s));
    std::this_thread::sleep_for(300ms);
    auto saved = read_whole_save(program.save());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->adventurer().name, "Tab") << game->output();
}

TEST_F(Typing, SelectAllAndPasteReplaceTheNameWithinSixteenCharacters) {
    const QRect box = open_creation_panel();
    ASSERT_FALSE(box.isEmpty()) << "the creation panel did not show";
    ASSERT_TRUE(click_into_box(box)) << "the box did not take the keys";
    desktop.type("Old");
    // Twenty characters: the box keeps the first sixteen.
    std::string pasted;
    for (int i = 0; i < 10; ++i) pasted += "モコ";
    desktop.set_clipboard(pasted);
    desktop.key("a", {"Control_L"});
    desktop.key("v", {"Control_L"});
    std::this_thread::sleep_for(300ms);
    game->click_board(board_rect(form.l_btn8).center());
    ASSERT_TRUE(wait_until([&] { return std::filesystem::exists(program.save()); }, 20s));
    std::this_thread::sleep_for(300ms);
    auto saved = read_whole_save(program.save());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->adventurer().name, "モコモコモコモコモコモコモコモコ");
}

}  // namespace
}  // namespace quill::desktop

namespace quill::desktop {
namespace {

TEST_F(Typing, APetIsNamedOnTheKeyboardAndAnEmptyNameIsExplained) {
    program.write_island_save(22);
    start();
    pass_title();
    std::this_thread::sleep_for(1s);
    game->click_board(board_rect(form.map_b20).center());  // the pet house
    std::this_thread::sleep_for(1500ms);
    game->click_board(QPoint(320, 200));  // its greeting read
    const QRect box = board_rect(form.pet_name_l);
    ASSERT_TRUE(wait_for_box(box)) << "the naming box did not show";
    const auto windows = [&] { return desktop.windows_of(game->pid()).size(); };
    // 決定 with nothing typed: a message says why, and nothing is asked.
    game->click_board(board_rect(form.l_btn60).center());
    ASSERT_TRUE(wait_until([&] { return windows() == 2; }, 10s)) << "nothing was said";
    desktop.key("Return");
    ASSERT_TRUE(wait_until([&] { return windows() == 1; }, 10s));
    // The name typed in kana, "はい" to the question (Tab from the default "いいえ", Space).
    ASSERT_TRUE(click_into_box(box)) << "the box did not take the keys";
    desktop.type("モコ");
    game->click_board(board_rect(form.l_btn60).center());
    ASSERT_TRUE(wait_until([&] { return windows() == 2; }, 10s)) << "no question was asked";
    std::this_thread::sleep_for(300ms);
    desktop.key("Tab");
    desktop.key("space");
    ASSERT_TRUE(wait_until(
        [&] {
            auto saved = read_whole_save(program.save());
            return saved && saved->pet().name == "モコ";
        },
        10s))
        << "the pet's name did not reach the save";
}

}  // namespace
}  // namespace quill::desktop
