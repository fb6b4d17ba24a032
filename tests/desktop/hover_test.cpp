// The pointer passing over the label buttons, as a mouse moves it.
#include <thread>

#include "desktop_fixture.h"

namespace quill::desktop {
namespace {

class Hover : public DesktopTest {};

TEST_F(Hover, LabelButtonsLookAsBeforeOnceThePointerHasLeft) {
    const QRect box = open_creation_panel();
    ASSERT_FALSE(box.isEmpty()) << "the creation panel did not show";
    const QPoint away(600, 470);
    game->move_to_board(away);
    std::this_thread::sleep_for(300ms);
    for (const platform::Widget* w :
         {static_cast<const platform::Widget*>(&form.attribute_buttons[0]),
          static_cast<const platform::Widget*>(&form.type_buttons[1]),
          static_cast<const platform::Widget*>(&form.l_btn8)}) {
        SCOPED_TRACE(w->name);
        const QRect r = board_rect(*w);
        const QImage before = game->grab_board(r);
        game->move_to_board(r.center());
        // Hovered, the caption is lit.
        EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(r), before) > 0.01; }, 3s));
        game->move_to_board(away);
        // And once the pointer has left, the button is as it was, pixel for pixel.
        EXPECT_TRUE(wait_until([&] { return difference(game->grab_board(r), before) == 0; }, 3s))
            << "changed pixels: " << difference(game->grab_board(r), before);
    }
}

}  // namespace
}  // namespace quill::desktop
