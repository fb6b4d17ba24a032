// A shop's list as the player sees it while a purchase changes it.
#include <thread>

#include "desktop_fixture.h"

namespace quill::desktop {
namespace {

class ShopList : public DesktopTest {};

TEST_F(ShopList, APurchaseThatChangesTheListNeverShowsAMixOfOldAndNewRows) {
    program.write_island_save(5);
    start();
    pass_title();
    std::this_thread::sleep_for(1s);
    game->click_board(board_rect(form.Image6).center());  // the tool shop
    std::this_thread::sleep_for(1500ms);
    game->click_board(QPoint(320, 200));  // the keeper's greeting read: the list opens
    const QRect list = board_rect(form.item_list);
    ASSERT_TRUE(wait_for_colour(list.bottomRight() - QPoint(20, 4), qRgb(0x10, 0x18, 0x20)))
        << "the shop's list did not open";
    std::this_thread::sleep_for(500ms);
    game->click_board(list.topLeft() + QPoint(80, 27));  // row 1: the cheapest weapon
    std::this_thread::sleep_for(500ms);
    const QImage before = game->grab_board(list);
    // 購入, which buys as the button goes down. Every frame shown from then on is the old
    // list or the new one, never a mix.
    game->move_to_board(board_rect(form.l_btn10).center());
    std::this_thread::sleep_for(200ms);
    std::vector<QImage> frames;
    desktop.button(1, true);
    auto end = std::chrono::steady_clock::now() + 700ms;
    while (std::chrono::steady_clock::now() < end) frames.push_back(game->grab_board(list));
    desktop.button(1, false);
    end = std::chrono::steady_clock::now() + 700ms;
    while (std::chrono::steady_clock::now() < end) frames.push_back(game->grab_board(list));
    const QImage after = frames.back();
    ASSERT_GT(difference(before, after), 0.0) << "the purchase did not change the list";
    int mixed = 0;
    for (const QImage& f : frames) mixed += difference(f, before) > 0 && difference(f, after) > 0;
    EXPECT_EQ(mixed, 0) << "of " << frames.size() << " frames";
}

}  // namespace
}  // namespace quill::desktop
