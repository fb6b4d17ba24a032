// The island map under the pointer: a place that acts now lights up and takes the hand
// cursor; a place that does nothing yet stays as it is, under the arrow.
#include <ostream>
#include <thread>
#include <vector>

#include "desktop_fixture.h"

// After the others: Xlib's macros would change their names.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

namespace quill::desktop {
namespace {

// The picture of the pointer the X server shows now, with its hot spot.
struct PointerPicture {
    int width = 0, height = 0, hot_x = 0, hot_y = 0;
    std::vector<unsigned long> pixels;
    bool operator==(const PointerPicture&) const = default;
};

void PrintTo(const PointerPicture& p, std::ostream* os) {
    *os << p.width << "x" << p.height << " pointer, hot spot " << p.hot_x << "," << p.hot_y;
}

PointerPicture pointer_picture(Display* display) {
    PointerPicture picture;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (!image) return picture;
    picture.width = image->width;
    picture.height = image->height;
    picture.hot_x = image->xhot;
    picture.hot_y = image->yhot;
    picture.pixels.assign(image->pixels, image->pixels + image->width * image->height);
    XFree(image);
    return picture;
}

// A point of the map that no place covers.
const QPoint kOpenSea(450, 250);

class MapHover : public DesktopTest {};

TEST_F(MapHover, OnlyAPlaceThatActsLightsUpAndTakesTheHand) {
    int event_base = 0, error_base = 0, major = 2, minor = 0;
    ASSERT_TRUE(XFixesQueryExtension(desktop.display(), &event_base, &error_base) &&
                XFixesQueryVersion(desktop.display(), &major, &minor) && major >= 2)
        << "the X server cannot show its cursor";
    // Level 5: the free walk acts, the pet's nest (from level 22) does not yet.
    program.write_island_save(5);
    start();
    pass_title();
    game->move_to_board(kOpenSea);
    ASSERT_TRUE(wait_until_settled(QRect(0, 0, 640, 480))) << "the map did not come to rest";
    const PointerPicture arrow = pointer_picture(desktop.display());
    ASSERT_FALSE(arrow.pixels.empty());

    const QRect walk = board_rect(form.map_b1);
    const QRect nest = board_rect(form.map_b20);
    const QImage walk_unlit = game->grab_board(walk);
    const QImage nest_unlit = game->grab_board(nest);

    // Over the free walk: the light over the place, and the hand.
    game->move_to_board(walk.center());
    EXPECT_TRUE(
        wait_until([&] { return difference(game->grab_board(walk), walk_unlit) > 0.3; }, 3s))
        << "the free walk did not light up: " << difference(game->grab_board(walk), walk_unlit);
    EXPECT_TRUE(wait_until([&] { return !(pointer_picture(desktop.display()) == arrow); }, 3s))
        << "the pointer stayed the arrow over the free walk";
    const PointerPicture hand = pointer_picture(desktop.display());

    // Over the pet's nest, closed at this level: no light, the arrow back.
    game->move_to_board(nest.center());
    EXPECT_TRUE(wait_until([&] { return pointer_picture(desktop.display()) == arrow; }, 3s))
        << "the pointer did not turn back into the arrow over the closed nest";
    EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(walk), walk_unlit) == 0; }, 3s))
        << "the free walk stayed lit once the pointer had left";
    std::this_thread::sleep_for(500ms);  // a light would have come by now
    EXPECT_EQ(difference(game->grab_board(nest), nest_unlit), 0) << "the closed nest lit up";
    EXPECT_EQ(pointer_picture(desktop.display()), arrow) << "the closed nest took a hand";

    // Back over the free walk, the hand again; away, the place as it was, pixel for pixel.
    game->move_to_board(walk.center());
    EXPECT_TRUE(wait_until([&] { return pointer_picture(desktop.display()) == hand; }, 3s));
    game->move_to_board(kOpenSea);
    EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(walk), walk_unlit) == 0; }, 3s))
        << "changed pixels: " << difference(game->grab_board(walk), walk_unlit);
    EXPECT_TRUE(wait_until([&] { return pointer_picture(desktop.display()) == arrow; }, 3s))
        << "the hand stayed over the sea";
}

}  // namespace
}  // namespace quill::desktop
