#include "view/frame.h"

#include "platform/random.h"
#include "state/state_ops.h"
#include "view/command_cards.h"
#include "view/message_log.h"
#include "view/popups.h"
#include "view/status_display.h"

namespace quill {

void DrawBattlePortraits(Game& g) {
    if (g.in_battle != 1) return;
    const platform::Bitmap& hero = g.sprites[kSpriteAdventurer];
    g.cg().draw_transparent(hero, kBoardWidth - hero.width(), 0);
    if (has_pet(g) && g.pet().hp >= 1) {
        const platform::Bitmap& pet = g.sprites[kSpritePet];
        g.cg().draw_transparent(pet, 740 - pet.width(), 510 - pet.height());
    }
}

void ComposeFrame(Game& g) {
    platform::Bitmap& cg = g.cg();
    // 1-2. The background, and the overlay cleared: black, or red once the adventurer died.
    cg.draw(g.background(), 0, 0);
    g.bak.fill_rect(-1, -1, 641, 481,
                    g.game_over == 1 ? platform::colors::kRed : platform::colors::kBlack);
    // 3-6. Portraits, status, the log with the pop-ups and effects, the command cards.
    DrawBattlePortraits(g);
    DrawStatus(g);
    DrawMessageLog(g);
    AgeAndDrawPopups(g);
    if (g.command_mode >= 1) DrawCards(g);
    // 7. Glows and the red tint.
    cg.or_combine(g.bak, 0, 0, kBoardWidth, kBoardHeight);
    // 8. The island map panel shows the finished frame.
    if (g.map_shown == 1) g.form.cg2.picture.draw(cg, 0, 0);
    // 9. Screen shake.
    if (g.shake_ticks > 0) {
        g.shake_ticks -= 1;
        g.jitter_x += platform::random(4) - platform::random(4);
        g.jitter_y += platform::random(4) - platform::random(4);
        const int dx = platform::random(9) - 4;
        const int dy = platform::random(9) - 4;
        cg.copy_rect(dx, dy, kBoardWidth, kBoardHeight, cg, 0, 0);
    }
    // 10. The click prompt.
    if (g.awaiting_click == 1) {
        const auto font =
            platform::font_pt(platform::FontFace::Gothic, 8, false, platform::colors::kWhite);
        cg.text(kBoardWidth - platform::Bitmap::text_width("▼", font), 470, "▼", font);
    }
}

}  // namespace quill
