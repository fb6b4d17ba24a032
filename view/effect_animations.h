// The battle effect animations of the techniques and events, drawn from the pop-up store.
// Every animated type belongs to one family of drawing (a sprite from the effects sheet, a
// rain, an orbit, rings, rays, a grand burst, a rising text, …) with its own parameters;
// one table says which.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// The effects sheet (00.bmp in sprite slot 0): 40 x 40 cells, 16 across; each of its 24
// kinds is an animation of 8 frames, kind k in row k / 2 from column (k % 2) * 8.
enum class EffectSprite : int32_t {
    Flame,
    Splash,
    Flare,
    DarkOrb,
    WindSlash,
    HealSparkle,
    HitSpark,
    Shield,
    Poison,
    Lightning,
    Rock,
    Leaf,
    Bat,
    Ice,
    Skull,
    Note,
    Arrow,
    MuzzleFlash,
    SwordSlash,
    Heart,
    Smoke,
    RainbowStar,
    Crack,
    GoldGlint,
};
constexpr int kEffectCell = 40;

// Draws one frame of the effect animation in the slot (whose type is not one of the text
// styles); frees the slot when the animation ends. Types without an animation draw nothing
// and leave their slot when they grow old (those the drop rule protects only much later).
void DrawEffectAnimation(Game& g, Popup& slot, int32_t bounce);

// True for the 139 animated types.
bool IsAnimatedEffect(int32_t type);
// The frames an animated type lives (its slot is free after them); 0 for other types.
int32_t EffectLifetime(int32_t type);

}  // namespace quill
