#include "view/frame.h"

#include <algorithm>
#include <string>
#include <utility>

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

bool WaitingForClick(const Game& g) {
    if (g.form.bp_box.visible) return false;
    if (g.game_over == 1) return g.death_ticks >= kDeathPauseTicks;
    if (g.awaiting_click == 1) return true;
    // The next step of the turn, or of the action under way, goes on at the click.
    return g.command_mode == 0 && (g.turn_pending >= 1 || g.action_step > 0);
}

void DrawWaitPrompt(platform::Bitmap& picture, int32_t tick) {
    // Down and back up over sixteen ticks, about a second and a half.
    static constexpr int kBob[16] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 4, 3, 3, 2, 1, 1, 0};
    const int bob = kBob[((tick % 16) + 16) % 16];
    constexpr int kWidth = 21, kHeight = 12, kRight = 628, kTop = 451;
    const int left = kRight - kWidth, top = kTop + bob;
    const platform::Color outline = platform::Color::rgb(0x101418);
    const platform::Color fill = platform::Color::rgb(0xFFF2B8);
    // A dark rim one pixel wide around the light triangle, so it reads on sky and on grass.
    for (int row = -1; row <= kHeight; ++row) {
        const int half = (kWidth / 2) * (kHeight - std::max(row, 0)) / kHeight;
        picture.fill_rect(left + kWidth / 2 - half - 1, top + row, left + kWidth / 2 + half + 2,
                          top + row + 1, outline);
    }
    for (int row = 0; row < kHeight; ++row) {
        const int half = (kWidth / 2) * (kHeight - 1 - row) / kHeight;
        picture.fill_rect(left + kWidth / 2 - half, top + row, left + kWidth / 2 + half + 1,
                          top + row + 1, fill);
    }
}

namespace {

// The red screen says what a death costs, and once its pause is over how to go on.
void draw_death_notice(Game& g) {
    platform::Bitmap& cg = g.cg();
    auto centred = [&cg](int y, const std::string& text, int points, bool bold) {
        const auto shadow =
            platform::font_pt(platform::FontFace::PGothic, points, bold, platform::colors::kBlack);
        const auto font =
            platform::font_pt(platform::FontFace::PGothic, points, bold, platform::colors::kWhite);
        const int x = (kBoardWidth - platform::Bitmap::text_width(text, font)) / 2;
        for (const auto& [dx, dy] : {std::pair{1, 1}, {2, 2}, {-1, 1}, {1, -1}, {-1, -1}})
            cg.text(x + dx, y + dy, text, shadow);
        cg.text(x, y, text, font);
    };
    // A dark band under the words, so they read on any picture the red lies over.
    cg.blend_rect(0, 160, kBoardWidth, g.death_ticks >= kDeathPauseTicks ? 286 : 248,
                  platform::colors::kBlack, 120);
    centred(170, "冒険はここで途切れてしまった……", 16, true);
    centred(206, "最後のセーブ（宿屋に泊まったとき）から後のことは、", 11, true);
    centred(226, "手に入れたお金も経験値もアイテムも、すべて失われます。", 11, true);
    if (g.death_ticks >= kDeathPauseTicks) centred(262, "クリックでタイトルへ戻ります", 11, true);
}

}  // namespace

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
    // 10. What the red screen of a death says, and the prompt while the game waits.
    if (g.game_over == 1) draw_death_notice(g);
    if (WaitingForClick(g)) {
        DrawWaitPrompt(cg, g.tick_count);
        if (g.map_shown == 1) DrawWaitPrompt(g.form.cg2.picture, g.tick_count);
    }
}

}  // namespace quill
