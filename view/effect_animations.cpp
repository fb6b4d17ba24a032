#include "view/effect_animations.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>

#include "platform/text_codec.h"

namespace quill {
namespace {

using platform::Bitmap;
using platform::Color;
using S = EffectSprite;

constexpr int kFlashFrames = 6;  // a flash's wash of light lasts this long

// How an effect is drawn.
enum class Family : uint8_t {
    Sprite,      // one sprite of the sheet playing at the point, rising by `size`, with a glow
    Scatter,     // `count` sprites bursting around the point within `size`, one after another
    Rain,        // `count` sprites falling from above onto the point, spread over `size`
    Orbit,       // `count` sprites circling the point at radius `size`
    Rings,       // `count` rings spreading from the point to radius `size`, a glow at first
    Rays,        // `count` rays of light from the point, `size` long, a sprite at the heart
    Grand,       // a combination's burst: a growing glow, rays and sprites flung outward
    RisingText,  // the slot's text rising and fading, `count` points large
    GlowText,    // the slot's text in the overlay, so it lightens what lies below
    Spirit,      // a spirit of the sprite slot `count` rising and flickering away; with a
                 // `size`, it stays and four sprites circle it at that radius
    Stream,      // `count` sprites travelling from the slot's start point to its point
    Banner,      // the band across the picture that opens a story battle
    Flash,       // a flash of light over the picture and a sprite at the point
};

struct Effect {
    int16_t type;
    Family family;
    S sprite;
    uint32_t colour;  // 0: the rainbow
    int16_t count;
    int16_t life;  // frames
    int16_t size;  // pixels
};

// Every animated type: what adds it, and how it is drawn. The numbers follow the game's
// own grouping: single elements and blows (1-12), floating words (18-21), weapons and
// tricks (25-37), raised statuses (39-44), great element techniques (50-60), the veils and
// guards (57, 62-66), spirits and tricks (70-79), ranged and great blows (82-100), the
// combinations' own sights (107-140), weakening (146-150), special moves and their
// elements (156-180), the combination kinds (189-194), bodily effects (249-267), the glowing
// words in the log's colours (302-312), and the grand combinations (395).
constexpr Effect kEffects[] = {
    {1, Family::Sprite, S::HitSpark, 0xFFF0A0, 1, 16, 0},
    {2, Family::Scatter, S::Flame, 0xFF6020, 3, 20, 18},
    {3, Family::Scatter, S::Splash, 0x40A0FF, 3, 20, 18},
    {4, Family::Rays, S::Flare, 0xFFF4C0, 8, 18, 34},
    {5, Family::Sprite, S::DarkOrb, 0x8030C0, 1, 20, 0},
    {6, Family::Scatter, S::WindSlash, 0xC0F0FF, 2, 16, 14},
    {7, Family::Sprite, S::HealSparkle, 0x40FF80, 1, 20, 24},
    {8, Family::Scatter, S::Poison, 0x9040C0, 4, 22, 16},
    {9, Family::Sprite, S::Lightning, 0xFFFF80, 1, 14, 0},
    {10, Family::Rain, S::Rock, 0x806040, 3, 22, 30},
    {11, Family::Scatter, S::Ice, 0xA0E0FF, 3, 20, 16},
    {12, Family::Scatter, S::Leaf, 0x40C040, 4, 22, 22},
    {18, Family::RisingText, S::Flare, 0x9090FF, 14, 24, 0},
    {19, Family::RisingText, S::GoldGlint, 0xFFE040, 12, 24, 0},
    {20, Family::RisingText, S::RainbowStar, 0, 12, 28, 0},
    {21, Family::RisingText, S::Heart, 0xFF80C0, 12, 24, 0},
    {25, Family::Sprite, S::Crack, 0xFFFFA0, 1, 16, 0},
    {27, Family::Scatter, S::MuzzleFlash, 0xFFC040, 3, 14, 10},
    {28, Family::Rain, S::Arrow, 0xE0D0A0, 5, 22, 50},
    {29, Family::Sprite, S::SwordSlash, 0xE0F0FF, 1, 14, 0},
    {30, Family::Scatter, S::SwordSlash, 0xE0F0FF, 2, 16, 12},
    {31, Family::Orbit, S::Note, 0xFFB0E0, 4, 28, 26},
    {32, Family::Flash, S::HitSpark, 0x600000, 1, 12, 0},
    {33, Family::Scatter, S::Heart, 0xFF6090, 3, 22, 18},
    {34, Family::Scatter, S::Smoke, 0x808080, 4, 22, 20},
    {35, Family::Orbit, S::Bat, 0x602080, 4, 26, 30},
    {36, Family::Sprite, S::Skull, 0x806080, 1, 24, 10},
    {37, Family::Scatter, S::GoldGlint, 0xFFE040, 4, 20, 20},
    {39, Family::Sprite, S::Flare, 0xFF6040, 1, 20, 22},
    {40, Family::Sprite, S::Shield, 0x4080FF, 1, 20, 0},
    {41, Family::Scatter, S::WindSlash, 0x80FFC0, 3, 20, 16},
    {42, Family::Rays, S::GoldGlint, 0xFFFF60, 6, 20, 28},
    {43, Family::Orbit, S::HealSparkle, 0x40FF80, 3, 24, 22},
    {44, Family::Orbit, S::Poison, 0x9040C0, 3, 24, 22},
    {50, Family::Rain, S::Flame, 0xFF5010, 4, 24, 40},
    {51, Family::Scatter, S::Splash, 0x3090FF, 6, 26, 30},
    {52, Family::Rays, S::Flare, 0xFFF8D0, 12, 24, 60},
    {53, Family::Grand, S::DarkOrb, 0x6000A0, 5, 28, 50},
    {54, Family::Rain, S::Lightning, 0xFFFF90, 4, 22, 40},
    {55, Family::Rain, S::Rock, 0x907050, 5, 26, 44},
    {56, Family::Scatter, S::Ice, 0xC0F0FF, 6, 26, 30},
    {57, Family::Rings, S::Shield, 0x60A0FF, 2, 20, 30},
    {58, Family::Orbit, S::Leaf, 0x50D050, 6, 28, 34},
    {59, Family::Orbit, S::WindSlash, 0xD0FFFF, 4, 24, 28},
    {60, Family::Rain, S::Flame, 0xFF8020, 3, 24, 56},
    {62, Family::Rain, S::RainbowStar, 0, 6, 28, 50},
    {63, Family::Orbit, S::DarkOrb, 0x7020B0, 3, 24, 24},
    {64, Family::Orbit, S::Shield, 0x60B0FF, 7, 30, 32},
    {66, Family::Scatter, S::Heart, 0xFF60C0, 5, 26, 24},
    {70, Family::Spirit, S::Flare, 0xB0E0FF, 7, 30, 0},
    {71, Family::Spirit, S::Flame, 0xFF9040, 8, 30, 0},
    {75, Family::Orbit, S::Ice, 0xB0F0FF, 5, 26, 30},
    {76, Family::Scatter, S::Splash, 0x60C0FF, 5, 22, 24},
    {77, Family::Rain, S::HealSparkle, 0xE0FFE0, 6, 26, 40},
    {78, Family::Scatter, S::Smoke, 0xA0A0A0, 6, 26, 30},
    {79, Family::Scatter, S::SwordSlash, 0xF0F8FF, 5, 22, 26},
    {82, Family::Scatter, S::MuzzleFlash, 0xFFB030, 6, 22, 24},
    {83, Family::Rain, S::Arrow, 0xE0D0A0, 8, 26, 60},
    {88, Family::Rays, S::SwordSlash, 0xE0F0FF, 6, 18, 44},
    {90, Family::Flash, S::Crack, 0x505020, 1, 16, 0},
    {92, Family::Orbit, S::Flame, 0xFF6020, 6, 26, 34},
    {93, Family::Orbit, S::Splash, 0x40A0FF, 6, 26, 34},
    {94, Family::Orbit, S::Flare, 0xFFF0B0, 6, 26, 34},
    {96, Family::Orbit, S::DarkOrb, 0x8030C0, 6, 26, 34},
    {97, Family::Orbit, S::WindSlash, 0xC0FFFF, 6, 26, 34},
    {98, Family::Scatter, S::Poison, 0xA050D0, 7, 28, 32},
    {99, Family::Rings, S::Lightning, 0xFFFF80, 3, 22, 44},
    {100, Family::Rings, S::HealSparkle, 0x60FF90, 2, 24, 40},
    {107, Family::Rain, S::RainbowStar, 0, 8, 30, 60},
    {111, Family::Grand, S::Flame, 0xFF4000, 6, 30, 56},
    {113, Family::Stream, S::Flame, 0xFF6010, 6, 24, 0},
    {116, Family::Orbit, S::Bat, 0x501070, 6, 30, 40},
    {117, Family::Rain, S::Skull, 0x705070, 3, 28, 40},
    {118, Family::Orbit, S::RainbowStar, 0, 6, 30, 36},
    {120, Family::Rain, S::Ice, 0xB0F0FF, 7, 28, 56},
    {121, Family::Rings, S::Splash, 0x3080FF, 3, 26, 50},
    {122, Family::Rain, S::Lightning, 0xFFFFA0, 3, 20, 30},
    {127, Family::Rain, S::Rock, 0x806040, 8, 30, 70},
    {128, Family::Orbit, S::Leaf, 0x60E060, 8, 30, 40},
    {129, Family::Rays, S::Flare, 0xFFFFE0, 4, 26, 70},
    {137, Family::Rain, S::GoldGlint, 0xFFE040, 8, 28, 60},
    {139, Family::Spirit, S::HealSparkle, 0xC0FFE0, 7, 34, 30},
    {140, Family::Scatter, S::HealSparkle, 0x60FFA0, 4, 20, 14},
    {146, Family::Sprite, S::Skull, 0xA02020, 1, 22, -12},
    {147, Family::Sprite, S::Crack, 0x806020, 1, 20, 0},
    {148, Family::Sprite, S::Smoke, 0x606060, 1, 20, -10},
    {149, Family::Scatter, S::Smoke, 0x604080, 3, 20, 14},
    {150, Family::Orbit, S::RainbowStar, 0, 3, 26, 18},
    {156, Family::Flash, S::Flare, 0x707070, 1, 20, 0},
    {157, Family::Rays, S::SwordSlash, 0xFFFFFF, 8, 24, 60},
    {158, Family::Rain, S::Arrow, 0xFFF0C0, 10, 28, 70},
    {159, Family::Grand, S::Rock, 0xA07040, 6, 30, 56},
    {160, Family::Grand, S::Leaf, 0x30A030, 8, 30, 56},
    {161, Family::Grand, S::RainbowStar, 0, 8, 30, 56},
    {162, Family::Grand, S::Flame, 0xFF5000, 6, 28, 50},
    {163, Family::Grand, S::Splash, 0x2080FF, 6, 28, 50},
    {164, Family::Grand, S::Flare, 0xFFF0A0, 6, 28, 50},
    {165, Family::Grand, S::DarkOrb, 0x6010A0, 6, 28, 50},
    {166, Family::Grand, S::WindSlash, 0xA0FFFF, 6, 28, 50},
    {168, Family::Orbit, S::Note, 0xFFC0F0, 6, 30, 34},
    {169, Family::Orbit, S::Heart, 0xFF70B0, 6, 30, 34},
    {170, Family::Scatter, S::Smoke, 0x909090, 8, 30, 40},
    {171, Family::Rain, S::Skull, 0x806080, 5, 30, 50},
    {172, Family::Scatter, S::GoldGlint, 0xFFE040, 8, 26, 36},
    {174, Family::Rays, S::Ice, 0xC0F0FF, 8, 22, 50},
    {175, Family::Rays, S::Flame, 0xFF7020, 8, 22, 50},
    {176, Family::Rays, S::Splash, 0x50B0FF, 8, 22, 50},
    {177, Family::Orbit, S::Flame, 0xFF5010, 8, 60, 40},
    {178, Family::Rays, S::Flare, 0xFFFFD0, 16, 22, 64},
    {179, Family::Rays, S::DarkOrb, 0x9040E0, 8, 22, 50},
    {180, Family::Rays, S::WindSlash, 0xD0FFFF, 8, 22, 50},
    {189, Family::Rings, S::Crack, 0, 3, 28, 60},
    {190, Family::Rings, S::Flare, 0xFFE080, 2, 24, 46},
    {191, Family::Rain, S::RainbowStar, 0, 7, 28, 56},
    {192, Family::Orbit, S::HealSparkle, 0x80FFFF, 8, 30, 40},
    {193, Family::Grand, S::HitSpark, 0xFF8020, 7, 30, 64},
    {194, Family::Banner, S::Flare, 0xFFD040, 1, 36, 0},
    {249, Family::Rays, S::SwordSlash, 0xFF3030, 4, 18, 24},
    {250, Family::Rings, S::GoldGlint, 0xFFD040, 2, 24, 36},
    {251, Family::Orbit, S::Leaf, 0x208020, 5, 24, 26},
    {252, Family::Rings, S::Shield, 0xE0E0FF, 3, 22, 40},
    {253, Family::Orbit, S::Splash, 0x4060FF, 5, 24, 28},
    {254, Family::Orbit, S::Flame, 0xFF4010, 6, 26, 30},
    {255, Family::Grand, S::Bat, 0x500080, 7, 30, 56},
    {262, Family::Scatter, S::HitSpark, 0xFFFFFF, 3, 12, 10},
    {266, Family::Rays, S::Flare, 0xFFFFA0, 10, 30, 80},
    {267, Family::Scatter, S::GoldGlint, 0xFFF080, 5, 22, 24},
    {302, Family::GlowText, S::Flare, 0xFFE800, 9, 22, 0},
    {303, Family::GlowText, S::Flare, 0x7EECF8, 9, 22, 0},
    {304, Family::GlowText, S::Flare, 0xFF5AB5, 9, 22, 0},
    {305, Family::GlowText, S::Flare, 0x9D3CFF, 9, 22, 0},
    {306, Family::GlowText, S::Flare, 0x7EECF8, 9, 22, 0},
    {307, Family::GlowText, S::Flare, 0xFF4646, 9, 22, 0},
    {308, Family::GlowText, S::Flare, 0xDDDD88, 9, 22, 0},
    {309, Family::GlowText, S::Flare, 0x994646, 9, 22, 0},
    {310, Family::GlowText, S::Flare, 0xFFCCDD, 9, 22, 0},
    {311, Family::GlowText, S::Flare, 0x90FF90, 9, 22, 0},
    {312, Family::GlowText, S::Flare, 0, 9, 22, 0},
    {395, Family::Grand, S::RainbowStar, 0, 10, 36, 80},
};

const Effect* effect_of(int32_t type) {
    static const std::array<const Effect*, 396> table = [] {
        std::array<const Effect*, 396> t{};
        for (const Effect& e : kEffects) t[static_cast<size_t>(e.type)] = &e;
        return t;
    }();
    return type >= 0 && type < 396 ? table[static_cast<size_t>(type)] : nullptr;
}

// The colours of the rainbow, for the effects of the rainbow (colour 0).
constexpr std::array<uint32_t, 12> kRainbow = {0xFF0000, 0xFF9900, 0xFFFF00, 0x99FF00,
                                               0x00FF00, 0x00FF99, 0x00FFFF, 0x0099FF,
                                               0x0000FF, 0x9900FF, 0xFF00FF, 0xFF0099};

Color scaled(uint32_t rgb, int num, int den) {
    num = std::clamp(num, 0, den);
    return Color::rgb((((rgb >> 16) & 0xFF) * num / den) << 16 |
                      (((rgb >> 8) & 0xFF) * num / den) << 8 | ((rgb & 0xFF) * num / den));
}

// A number of the slot that stays the same for its whole life, for the scatter of its
// sprites (the game's own random numbers are left alone).
uint32_t spread(uint32_t seed, int j) {
    uint32_t h = seed * 2654435761u + static_cast<uint32_t>(j) * 40503u;
    h ^= h >> 15;
    h *= 2246822519u;
    h ^= h >> 13;
    return h;
}

// One frame of an effect.
struct Frame {
    Game& g;
    Popup& slot;
    const Effect& e;
    int age;  // 1 at the start
    int cx, cy;
    int bounce;
    uint32_t seed;

    uint32_t colour(int j = 0) const {
        return e.colour != 0 ? e.colour : kRainbow[static_cast<size_t>(age + j) % kRainbow.size()];
    }
    // 0 .. 256 over the life.
    int progress() const { return std::clamp(age * 256 / std::max<int>(e.life, 1), 0, 256); }
    // Light that fades out over the last half of the life (256 full).
    int fade() const { return std::clamp((e.life - age) * 512 / std::max<int>(e.life, 1), 0, 256); }

    void sprite(S kind, int frame, int x, int y) {
        const Bitmap& sheet = g.sprites[kSpriteEffects];
        if (sheet.width() < 16 * kEffectCell || sheet.height() < 12 * kEffectCell) return;
        const int k = static_cast<int>(kind);
        frame = std::clamp(frame, 0, 7);
        g.cg().draw_transparent_part(sheet, ((k % 2) * 8 + frame) * kEffectCell,
                                     (k / 2) * kEffectCell, kEffectCell, kEffectCell,
                                     x - kEffectCell / 2, y - kEffectCell / 2);
    }
    // A sprite's frame for a part of the effect that began at `start` and lasts `span`.
    static int frame_at(int age, int start, int span) {
        return span <= 0 ? 7 : std::clamp((age - start) * 8 / span, 0, 7);
    }
};

// Light added to the overlay: a soft disc, brightest at its heart, OR-ed into what is
// there (the overlay lightens the picture). Kept small: it is the costly part of an effect.
void glow_disc(Bitmap& bak, int cx, int cy, int r, Color c) {
    r = std::min(r, 44);
    if (r <= 0 || (c.r | c.g | c.b) == 0) return;
    const int h = bak.height(), w = bak.width(), r2 = r * r;
    for (int dy = -r; dy <= r; ++dy) {
        const int y = cy + dy;
        if (y < 0 || y >= h) continue;
        const int x1 = std::max(cx - r, 0), x2 = std::min(cx + r, w - 1);
        uint8_t* row = bak.scan_line(y);
        for (int x = x1; x <= x2; ++x) {
            const int d2 = (x - cx) * (x - cx) + dy * dy;
            if (d2 >= r2) continue;
            const int k = (r2 - d2) * 256 / r2;  // 256 at the heart, 0 at the rim
            uint8_t* p = row + x * 3;
            p[0] |= static_cast<uint8_t>(c.r * k >> 8);
            p[1] |= static_cast<uint8_t>(c.g * k >> 8);
            p[2] |= static_cast<uint8_t>(c.b * k >> 8);
        }
    }
}

// A point of the colour laid over the picture at the opacity (256 solid): a shape that
// fades shows more and more of what lies below it, never a darker version of itself.
void plot(Bitmap& b, int x, int y, Color c, int opacity = 256) {
    if (x < 0 || y < 0 || x >= b.width() || y >= b.height() || opacity <= 0) return;
    uint8_t* p = b.scan_line(y) + x * 3;
    const int k = std::min(opacity, 256);
    p[0] = static_cast<uint8_t>(p[0] + (c.r - p[0]) * k / 256);
    p[1] = static_cast<uint8_t>(p[1] + (c.g - p[1]) * k / 256);
    p[2] = static_cast<uint8_t>(p[2] + (c.b - p[2]) * k / 256);
}

// A ring of the given thickness, plotted point by point (cheap at these sizes).
void ring(Bitmap& b, int cx, int cy, int r, int thick, Color c, int opacity = 256) {
    if (r <= 0 || opacity <= 0) return;
    const int steps = std::max(16, r * 7);
    for (int t = 0; t < thick; ++t) {
        const double rr = r - t;
        int last_x = INT32_MIN, last_y = INT32_MIN;
        for (int i = 0; i < steps; ++i) {
            const double a = i * 6.283185307 / steps;
            const int x = cx + static_cast<int>(std::lround(std::cos(a) * rr));
            const int y = cy + static_cast<int>(std::lround(std::sin(a) * rr));
            // Each pixel once, so a faded ring is evenly faded.
            if (x == last_x && y == last_y) continue;
            plot(b, x, y, c, opacity);
            last_x = x;
            last_y = y;
        }
    }
}

void ray(Bitmap& b, int x1, int y1, int x2, int y2, Color c, int opacity = 256) {
    if (opacity <= 0) return;
    const int n = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
    for (int i = 0; i <= n; ++i) {
        const int x = x1 + (x2 - x1) * i / std::max(n, 1);
        const int y = y1 + (y2 - y1) * i / std::max(n, 1);
        plot(b, x, y, c, opacity);
        plot(b, x + 1, y, c, opacity);
    }
}

void draw_sprite(Frame& f) {
    const int rise = f.e.size * f.age / std::max<int>(f.e.life, 1);
    glow_disc(f.g.bak, f.cx, f.cy - rise, 14 * f.fade() / 256 + 4,
              scaled(f.colour(), f.fade(), 512));
    f.sprite(f.e.sprite, Frame::frame_at(f.age, 0, f.e.life), f.cx, f.cy - rise);
}

void draw_scatter(Frame& f) {
    const int stagger = std::max(1, f.e.life / (f.e.count + 3));
    const int span = f.e.life - stagger * (f.e.count - 1);
    for (int j = 0; j < f.e.count; ++j) {
        const int start = j * stagger;
        if (f.age < start || f.age > start + span) continue;
        const uint32_t h = spread(f.seed, j);
        const int dx = static_cast<int>(h % (2 * f.e.size + 1)) - f.e.size;
        const int dy = static_cast<int>((h >> 8) % (2 * f.e.size + 1)) - f.e.size;
        f.sprite(f.e.sprite, Frame::frame_at(f.age, start, span), f.cx + dx,
                 f.cy + dy + f.bounce / 2);
    }
    glow_disc(f.g.bak, f.cx, f.cy, f.e.size / 2 + 6, scaled(f.colour(), f.fade(), 768));
}

void draw_rain(Frame& f) {
    const int stagger = std::max(1, f.e.life / (f.e.count + 4));
    const int fall = std::max(4, f.e.life - stagger * (f.e.count - 1) - 8);
    for (int j = 0; j < f.e.count; ++j) {
        const int start = j * stagger;
        const int t = f.age - start;
        if (t < 0 || t > fall + 8) continue;
        const uint32_t h = spread(f.seed, j);
        const int dx = static_cast<int>(h % (2 * f.e.size + 1)) - f.e.size;
        const int height = 90 + static_cast<int>((h >> 10) % 40);
        const int y = t < fall ? f.cy - height + height * t / fall : f.cy;
        const int x = f.cx + dx - (t < fall ? (fall - t) * 2 : 0);
        f.sprite(f.e.sprite, t < fall ? (t / 2) % 3 : 3 + (t - fall) / 2, x, y);
        if (t >= fall) glow_disc(f.g.bak, x, f.cy, 10, scaled(f.colour(j), 8 + fall - t, 16));
    }
}

void draw_orbit(Frame& f) {
    const int closing = f.e.life * 3 / 4;
    int r = f.e.size;
    if (f.age < 4) r = f.e.size * f.age / 4;
    if (f.age > closing) r = f.e.size * (f.e.life - f.age) / std::max(f.e.life - closing, 1);
    for (int j = 0; j < f.e.count; ++j) {
        const double a = f.age * 0.35 + j * 6.283185307 / f.e.count;
        const int x = f.cx + static_cast<int>(std::cos(a) * r);
        const int y = f.cy + static_cast<int>(std::sin(a) * r * 0.6);
        const int frame = f.age > closing
                              ? 4 + (f.age - closing) * 4 / std::max(f.e.life - closing, 1)
                              : (f.age / 2 + j) % 4;
        f.sprite(f.e.sprite, frame, x, y);
    }
    glow_disc(f.g.bak, f.cx, f.cy, r / 2 + 4, scaled(f.colour(), f.fade(), 1024));
}

void draw_rings(Frame& f) {
    const int grow = std::max(f.e.life * 3 / 5, 1);
    for (int j = 0; j < f.e.count; ++j) {
        const int t = f.age - j * 3;
        if (t < 0 || t > grow) continue;
        const int r = 4 + (f.e.size - 4) * t / grow;
        // Each ring grows fainter as it spreads, and is gone when it has spread.
        ring(f.g.cg(), f.cx, f.cy, r, 2, Color::rgb(f.colour(j * 3)), (grow - t) * 256 / grow);
        ring(f.g.bak, f.cx, f.cy, r + 2, 1, scaled(f.colour(j * 3), grow - t, grow * 2));
    }
    if (f.age < 8) glow_disc(f.g.bak, f.cx, f.cy, 8 + f.age * 2, scaled(f.colour(), 8 - f.age, 12));
    f.sprite(f.e.sprite, Frame::frame_at(f.age, 0, f.e.life), f.cx, f.cy);
}

void draw_rays(Frame& f) {
    const int half = std::max(f.e.life / 2, 1);
    const int length =
        f.age <= half ? f.e.size * f.age / half : f.e.size * (f.e.life - f.age) / half;
    const Color c = Color::rgb(f.colour());
    for (int j = 0; j < f.e.count; ++j) {
        const double a = j * 6.283185307 / f.e.count + f.age * 0.05;
        const int x2 = f.cx + static_cast<int>(std::cos(a) * length);
        const int y2 = f.cy + static_cast<int>(std::sin(a) * length);
        ray(f.g.cg(), f.cx, f.cy, x2, y2, c, f.fade());
        ray(f.g.bak, f.cx, f.cy, x2, y2, scaled(f.colour(), f.fade(), 512));
    }
    glow_disc(f.g.bak, f.cx, f.cy, length / 3 + 6, scaled(f.colour(), f.fade(), 512));
    f.sprite(f.e.sprite, Frame::frame_at(f.age, 0, f.e.life), f.cx, f.cy);
}

void draw_grand(Frame& f) {
    const int p = f.progress();
    // The light swells, then ebbs.
    const int radius = f.e.size * std::min(p, 128) / 128;
    glow_disc(f.g.bak, f.cx, f.cy, radius, scaled(f.colour(), f.fade(), 640));
    const int length = f.e.size + f.e.size * p / 256;
    const Color c = Color::rgb(f.colour(2));
    for (int j = 0; j < 12; ++j) {
        const double a = j * 0.5235987756 + f.age * 0.08;
        if (f.age < 3 || f.age > f.e.life - 2) break;
        ray(f.g.cg(), f.cx + static_cast<int>(std::cos(a) * radius / 3),
            f.cy + static_cast<int>(std::sin(a) * radius / 3),
            f.cx + static_cast<int>(std::cos(a) * length),
            f.cy + static_cast<int>(std::sin(a) * length), c, f.fade());
    }
    // The sprites are flung outward in a turning ring.
    for (int j = 0; j < f.e.count; ++j) {
        const double a = j * 6.283185307 / f.e.count - f.age * 0.12;
        const int r = f.e.size * p / 256 + 6;
        f.sprite(f.e.sprite, (f.age / 2 + j) % 8, f.cx + static_cast<int>(std::cos(a) * r),
                 f.cy + static_cast<int>(std::sin(a) * r * 0.7));
    }
    f.sprite(f.e.sprite, Frame::frame_at(f.age, 0, f.e.life), f.cx, f.cy);
}

platform::Font effect_font(int points, Color c) {
    return platform::font_pt(platform::FontFace::Gothic, points, true, c);
}

void draw_rising_text(Frame& f) {
    // Solid for two thirds of its life, then it fades away with its shadow.
    const int opacity = f.age < f.e.life * 2 / 3 ? 255 : std::min(f.fade() * 2, 255);
    const platform::Font font = effect_font(f.e.count, Color::rgb(f.colour()));
    const int w = Bitmap::text_width(f.slot.text, font);
    const int y = f.cy - f.age - Bitmap::text_height(font) / 2 + f.bounce;
    const auto alpha = static_cast<uint8_t>(opacity);
    f.g.cg().text(f.cx - w / 2 + 1, y + 1, f.slot.text,
                  effect_font(f.e.count, platform::colors::kBlack), alpha);
    f.g.cg().text(f.cx - w / 2, y, f.slot.text, font, alpha);
    if (f.age < 10) f.sprite(f.e.sprite, f.age * 8 / 10, f.cx + w / 2 + 10, y + 6);
}

void draw_glow_text(Frame& f) {
    // The words in the colour of their kind of log line, with a halo of the same light.
    const Color c = scaled(f.colour(), f.fade(), 256);
    const platform::Font font = effect_font(f.e.count, c);
    const int w = Bitmap::text_width(f.slot.text, font);
    const int x = f.cx - w / 2, y = f.cy - Bitmap::text_height(font) / 2 - f.age / 2;
    f.g.cg().text(x + 1, y + 1, f.slot.text, effect_font(f.e.count, platform::colors::kBlack));
    f.g.cg().text(x, y, f.slot.text, font);
    const platform::Font halo = effect_font(f.e.count, scaled(f.colour(), f.fade(), 640));
    f.g.bak.text(x - 1, y, f.slot.text, halo);
    f.g.bak.text(x + 1, y, f.slot.text, halo);
}

void draw_spirit(Frame& f) {
    const Bitmap& spirit =
        f.g.sprites[static_cast<size_t>(std::clamp<int>(f.e.count, 0, kSpriteSlots - 1))];
    // A guarding spirit stays where it came, its sparkles circling it; the others rise away.
    const bool guarding = f.e.size > 0;
    const int rise = guarding ? 0 : f.age * 2;
    if (guarding) {
        for (int j = 0; j < 4; ++j) {
            const double a = f.age * 0.3 + j * 1.5707963268;
            f.sprite(f.e.sprite, (f.age / 2 + j) % 8,
                     f.cx + static_cast<int>(std::cos(a) * f.e.size),
                     f.cy + static_cast<int>(std::sin(a) * f.e.size * 0.5) + f.bounce);
        }
    }
    // It flickers as it leaves.
    if (!spirit.empty() && !(f.age > f.e.life * 2 / 3 && f.age % 2 == 1)) {
        f.g.cg().draw_transparent(spirit, f.cx - spirit.width() / 2,
                                  f.cy - spirit.height() / 2 - rise + f.bounce);
    }
    glow_disc(f.g.bak, f.cx, f.cy - rise, 20, scaled(f.colour(), f.fade(), 640));
    if (f.age % 4 == 0) f.sprite(f.e.sprite, 3, f.cx + (f.age % 8) - 4, f.cy - rise + 20);
}

void draw_stream(Frame& f) {
    const int fx = f.slot.x3, fy = f.slot.y3;  // where it set out from
    for (int j = 0; j < f.e.count; ++j) {
        const int t = std::clamp(f.age * 256 / std::max<int>(f.e.life - 6, 1) - j * 24, 0, 256);
        const int x = fx + (f.cx - fx) * t / 256, y = fy + (f.cy - fy) * t / 256;
        f.sprite(f.e.sprite, t < 256 ? (f.age + j) % 4 : 4 + std::min(3, f.age / 8), x, y);
    }
    glow_disc(f.g.bak, f.cx, f.cy, 12, scaled(f.colour(), f.fade(), 512));
}

void draw_banner(Frame& f) {
    Bitmap& cg = f.g.cg();
    const int p = f.progress();
    // A band sweeps in from the left, holds, and narrows away.
    const int height = p < 200 ? 56 : 56 * (256 - p) / 56;
    const int top = 212 - height / 2;
    const int reach = std::min(640, 640 * std::min(p, 64) / 64);
    cg.fill_rect(0, top, reach, top + height, Color::rgb(0x100808));
    cg.fill_rect(0, top, reach, top + 2, Color::rgb(f.colour()));
    cg.fill_rect(0, top + height - 2, reach, top + height, Color::rgb(f.colour()));
    for (int j = 0; j < 6; ++j) {  // streaks of light running through the band
        const int x = (f.age * 40 + j * 110) % 720 - 40;
        ray(f.g.bak, x, top + 4 + j * 8 % std::max(height - 8, 1), x + 60,
            top + 4 + j * 8 % std::max(height - 8, 1), scaled(f.colour(), f.fade(), 512));
    }
    if (p >= 40 && height > 30) {
        const platform::Font font = effect_font(26, Color::rgb(0xFFF0C0));
        const std::string words = "ＢＡＴＴＬＥ！！";
        const int w = Bitmap::text_width(words, font);
        const int x = 320 - w / 2 + std::max(0, 64 - p);
        cg.text(x + 2, top + height / 2 - 17, words, effect_font(26, Color::rgb(0x601000)));
        cg.text(x, top + height / 2 - 19, words, font);
        f.sprite(S::Flare, f.age % 8, x - 24, top + height / 2);
        f.sprite(S::Flare, (f.age + 4) % 8, x + w + 24, top + height / 2);
    }
}

void draw_flash(Frame& f) {
    // The whole picture lights up for a moment and the light ebbs over six frames (a red
    // wash for a blow on the adventurer): a screen of the colour, so every part of the
    // picture brightens smoothly, the brighter parts staying the brighter.
    if (f.age <= kFlashFrames) {
        f.g.cg().lighten(scaled(f.colour(), kFlashFrames + 1 - f.age, kFlashFrames));
    }
    glow_disc(f.g.bak, f.cx, f.cy, 30 - f.age, scaled(0xFFFFFF, f.fade(), 512));
    f.sprite(f.e.sprite, Frame::frame_at(f.age, 0, f.e.life), f.cx, f.cy);
    if (f.e.sprite == S::Flare) {
        for (int j = 0; j < 10; ++j) {  // and the special move's sword-light
            const double a = j * 0.6283185307;
            ray(f.g.cg(), f.cx, f.cy, f.cx + static_cast<int>(std::cos(a) * f.age * 5),
                f.cy + static_cast<int>(std::sin(a) * f.age * 5), Color::rgb(0xFFFFE0), f.fade());
        }
    }
}

// Types that draw nothing: their slot goes when they grow old, except the one the drop rule
// keeps (173), which holds its place in the ring much longer.
constexpr int32_t kQuietLife = 60, kKeptLife = 240;

}  // namespace

bool IsAnimatedEffect(int32_t type) {
    return effect_of(type) != nullptr;
}

int32_t EffectLifetime(int32_t type) {
    const Effect* e = effect_of(type);
    return e ? e->life : 0;
}

void DrawEffectAnimation(Game& g, Popup& slot, int32_t bounce) {
    const Effect* e = effect_of(slot.type);
    if (!e) {
        if (slot.age > (slot.type == 173 ? kKeptLife : kQuietLife)) slot.age = 0;
        return;
    }
    if (slot.age > e->life) {
        slot.age = 0;
        return;
    }
    if (slot.work == 0) {
        // A number of this slot's own, fixed at its first frame, for the scatter.
        const auto index = static_cast<uint32_t>(&slot - g.popups.data());
        slot.work =
            static_cast<int32_t>(1 + (index * 7919u + static_cast<uint32_t>(slot.start_x) * 31u +
                                      static_cast<uint32_t>(slot.start_y)) %
                                         99991u);
    }
    Frame f{g,
            slot,
            *e,
            slot.age,
            slot.x + g.jitter_x,
            slot.y + g.jitter_y,
            bounce,
            static_cast<uint32_t>(slot.work)};
    switch (e->family) {
        case Family::Sprite:
            draw_sprite(f);
            break;
        case Family::Scatter:
            draw_scatter(f);
            break;
        case Family::Rain:
            draw_rain(f);
            break;
        case Family::Orbit:
            draw_orbit(f);
            break;
        case Family::Rings:
            draw_rings(f);
            break;
        case Family::Rays:
            draw_rays(f);
            break;
        case Family::Grand:
            draw_grand(f);
            break;
        case Family::RisingText:
            draw_rising_text(f);
            break;
        case Family::GlowText:
            draw_glow_text(f);
            break;
        case Family::Spirit:
            draw_spirit(f);
            break;
        case Family::Stream:
            draw_stream(f);
            break;
        case Family::Banner:
            draw_banner(f);
            break;
        case Family::Flash:
            draw_flash(f);
            break;
    }
}

}  // namespace quill
