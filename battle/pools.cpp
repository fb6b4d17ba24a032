#include "battle/pools.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "items/achievements.h"
#include "platform/random.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

constexpr int32_t kHitEffect = 262, kHealEffect = 140, kPlayerHitEffect = 32;

// The floating number of a change, over the side's panel (the pet shares the adventurer's).
void show_change(Game& g, int side, int32_t loss) {
    const int32_t row = side == 1 ? 1 : 0;
    if (loss >= 0) {
        AddPopupInRow(g, row, kHitEffect, "");
        AddPopupInRow(g, row, kHpLossNumber, std::to_string(loss));
    } else {
        AddPopupInRow(g, row, kHealEffect, "");
        AddPopupInRow(g, row, kHpGainNumber, std::to_string(-loss));
    }
}

}  // namespace

void Heal(Game& g, int side, int32_t n) {
    if (n == 0) return;
    Combatant& c = g.combatants[side];
    c.hp = std::clamp(c.hp + n, 0, std::max(c.max_hp, 0));
    PlaySound(g, "hp.wav");
    show_change(g, side, -n);
}

void TakeDamage(Game& g, int side, int32_t n) {
    Combatant& c = g.combatants[side];
    if ((c.name == "天界からの使者再び" || c.name == "返ってきた空神・雲丸ドン") &&
        platform::random(5) == 0) {
        LogLine(g, "....かと思ったが、ダメージは次元の狭間に飲み込まれた");
        n = 0;
    }
    c.hp = std::clamp(c.hp - n, 0, std::max(c.max_hp, 0));
    // The achievements of one blow's damage: taken by the adventurer, or dealt.
    const std::initializer_list<int32_t> kBlowAbove = {49, 99, 149, 199, 249};
    if (side == 0) {
        g.shake_ticks = 5;
        PlaySound(g, "damage2.wav");
        AddPopupInRow(g, 0, kPlayerHitEffect, "");
        GrantAchievementsAbove(g, n, kBlowAbove, 405);
    } else if (side == 1) {
        GrantAchievementsAbove(g, n, kBlowAbove, 400);
        g.enemy_shake = 5;
        PlaySound(g, "damage.wav");
    } else {
        PlaySound(g, "damage2.wav");
    }
    show_change(g, side, n);
}

void ChangeMp(Game& g, int side, int32_t n) {
    Combatant& c = g.combatants[side];
    c.mp = std::clamp(c.mp + n, 0, std::max(c.max_mp, 0));
}

}  // namespace quill
