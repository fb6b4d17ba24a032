#include "view/frame.h"

namespace quill {

void ComposeFrame(Game& g) {
    // 1. The background.
    g.cg().draw(g.background(), 0, 0);
    // 2. The overlay: black, or red once the adventurer has died.
    g.bak.fill_rect(-1, -1, 641, 481,
                    g.game_over == 1 ? platform::colors::kRed : platform::colors::kBlack);
    // The portraits, the status display, the message log with its pop-ups and the command
    // cards are drawn between these steps.
    // 7. Glows and the red tint.
    g.cg().or_combine(g.bak, 0, 0, kBoardWidth, kBoardHeight);
    // 8. The island map panel shows the finished frame.
    if (g.map_shown == 1) g.form.cg2.picture.draw(g.cg(), 0, 0);
}

}  // namespace quill
