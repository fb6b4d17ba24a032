// The places the ending opens, as a player finds them: a pin on the map, clicked with the
// real mouse.
#include <QImage>

#include <thread>

#include "desktop_fixture.h"

namespace quill::desktop {
namespace {

class MapPins : public DesktopTest {};

// The share of the sprite's own pixels (its key colour left out) that the board shows at
// `origin`.
double sprite_shown(const QImage& board, const QImage& sprite, QPoint origin) {
    const QRgb key = sprite.pixel(0, sprite.height() - 1);
    int own = 0, matching = 0;
    for (int y = 0; y < sprite.height(); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            if (sprite.pixel(x, y) == key) continue;
            ++own;
            matching +=
                (board.pixel(origin + QPoint(x, y)) & 0xFFFFFF) == (sprite.pixel(x, y) & 0xFFFFFF);
        }
    }
    return own == 0 ? 0.0 : double(matching) / own;
}

TEST_F(MapPins, TheLightsPinShowsWholeAndItsClickStartsTheBattle) {
    // After the ending (S[13] = 1) with 今、光 not yet met.
    program.write_island_save(45, 0, {{12, 2}, {13, 1}});
    start();
    pass_title();
    std::this_thread::sleep_for(1s);
    const QImage pin(QString::fromStdString((program.path() / "cg" / "pin_light.bmp").string()));
    ASSERT_FALSE(pin.isNull());
    const QRect region = board_rect(form.Image13);
    const QPoint origin = region.topLeft() + QPoint((region.width() - pin.width()) / 2,
                                                    (region.height() - pin.height()) / 2);
    const QRect whole(0, 0, 640, 480);
    const QImage map = game->grab_board(whole);
    EXPECT_GT(sprite_shown(map, pin, origin), 0.99) << "the pin is hidden or missing";
    // The pin's own point, as the player aims at it.
    game->click_board(origin + QPoint(pin.width() / 2, pin.height() / 3));
    EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(whole), map) > 0.5; }, 15s))
        << "the click on the pin did not leave the map";
}

}  // namespace
}  // namespace quill::desktop
