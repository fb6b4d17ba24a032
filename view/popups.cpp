#include "view/popups.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "platform/random.h"
#include "platform/text_codec.h"
#include "view/effect_animations.h"

namespace quill {
namespace {

using platform::Color;
using platform::Font;
using platform::font_pt;
using platform::FontFace;

int32_t next_slot(Game& g) {
    g.popup_position = g.popup_position >= kPopupSlots - 1 ? 0 : g.popup_position + 1;
    return g.popup_position;
}

// The colour of a value that fades through a table by age / 2, the last entry staying.
template <size_t N>
Color faded(const std::array<uint32_t, N>& table, int32_t age) {
    size_t index = static_cast<size_t>(std::max(age / 2, 0));
    return Color::rgb(table[std::min(index, N - 1)]);
}

// A floating number in a colour of its fading table, readable on any ground: the colour at
// full strength (a touch lighter) inside a dark rim, and the table's darkening shown as the
// number fading into the picture instead of turning dark.
void draw_outlined_number(platform::Bitmap& picture, int x, int y, const std::string& text,
                          Font font, Color shade) {
    const int strength = std::max({shade.r, shade.g, shade.b});
    if (strength == 0) return;
    auto full = [strength](int c) { return std::min(255, c * 255 / strength); };
    auto lift = [](int c) { return c + (255 - c) / 4; };
    const auto opacity = static_cast<uint8_t>(strength);
    font.color = Color::rgb(0x000000);
    for (const auto& [dx, dy] :
         {std::pair{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}, {2, 2}}) {
        picture.text(x + dx, y + dy, text, font, opacity);
    }
    font.color = Color::rgb(static_cast<uint32_t>(lift(full(shade.r)) << 16 |
                                                  lift(full(shade.g)) << 8 | lift(full(shade.b))));
    picture.text(x, y, text, font, opacity);
}

// Damage-number style: white, then yellow and orange into dark red, rising as it fades.
void draw_number(Game& g, Popup& p) {
    static constexpr std::array<uint32_t, 11> kColours = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFF55,
                                                          0xFFFF00, 0xFFCC00, 0xFF8800, 0xCC5500,
                                                          0x993300, 0x440000, 0x110000};
    const int bytes = platform::cp932_length(p.text);
    int points = std::clamp(bytes + 5, 7, 11);
    if (bytes >= 4 && g.state.reserved_ints[kLargePopupDigitsFlag] == 1) points += 1;
    const Font font = font_pt(FontFace::Gothic, points, true, platform::colors::kWhite);
    const int w = platform::Bitmap::text_width(p.text, font);
    const int h = platform::Bitmap::text_height(font);
    draw_outlined_number(g.cg(), p.x - w / 2, p.y - h / 2 - p.age / 2, p.text, font,
                         faded(kColours, p.age));
    if (p.age > 20) p.age = 0;
}

// Glow text: drawn into the overlay, so it lightens what lies below.
void draw_glow(Game& g, Popup& p) {
    static constexpr std::array<uint32_t, 12> kGreys = {0xCCCCCC, 0xCCCCCC, 0xCCCCCC, 0xBBBBBB,
                                                        0xAAAAAA, 0x999999, 0x777777, 0x555555,
                                                        0x444444, 0x333333, 0x222222, 0x111111};
    const Font font = font_pt(FontFace::Gothic, 6, true, faded(kGreys, p.age));
    const int w = platform::Bitmap::text_width(p.text, font);
    const int h = platform::Bitmap::text_height(font);
    g.bak.text(p.x - w / 2, p.y - h / 2 - p.age / 2, p.text, font);
    if (p.age > 20) p.age = 0;
}

// HP loss and gain: a bouncing number with a shadow that darkens after age 30.
void draw_hp_change(Game& g, Popup& p, int32_t bounce) {
    static constexpr std::array<uint32_t, 7> kLoss = {0xFF7070, 0xDD5050, 0xBB3030, 0x991010,
                                                      0x770000, 0x550000, 0x330000};
    static constexpr std::array<uint32_t, 7> kGain = {0x2F97FF, 0x1070DD, 0x0050BB, 0x003399,
                                                      0x000077, 0x000055, 0x000033};
    const auto& table = p.type == kHpLossNumber ? kLoss : kGain;
    p.y += bounce;
    int points = 18;
    if (p.type == kHpGainNumber && platform::cp932_length(p.text) > 3) points = 12;
    const size_t step = p.age < 30 ? 0 : std::min<size_t>((p.age - 30) / 2 + 1, 6);
    const Font font = font_pt(FontFace::Gothic, points, true, platform::colors::kWhite);
    const int w = platform::Bitmap::text_width(p.text, font);
    draw_outlined_number(g.cg(), p.x - w / 2, p.y, p.text, font, Color::rgb(table[step]));
    p.age += 1;
    if (p.age > 52) p.age = 0;
}

bool ages_on_odd_ticks_only(int32_t type) {
    return type == 2 || type == 4 || (type >= 301 && type <= 313);
}

}  // namespace

void AddPopup(Game& g, int32_t x, int32_t y, std::string_view text, int32_t type) {
    if (g.closing == -1) return;
    Popup& p = g.popups[next_slot(g)];
    if (p.age > 0 && (p.type == kTextPopup || p.type == 4 || p.type == 173 || p.type == 177))
        return;
    if (type >= 16 && type <= 19) {
        x += 10;
        y -= 25;
    }
    p = Popup{1, x, y, x, y, 0, 0, type, std::string(text), 0};
}

void AddPopupInRow(Game& g, int32_t row, int32_t type, std::string_view text) {
    if (row == 0) {
        int32_t x = 90 + platform::random(80);
        int32_t y = 390 + platform::random(30);
        AddPopup(g, x, y, text, type);
    } else if (row == 1) {
        int32_t x = 90 + platform::random(80);
        int32_t y = 50 + platform::random(30);
        AddPopup(g, x, y, text, type);
    }
}

void AddMovingPopup(Game& g, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t type) {
    if (g.closing == -1) return;
    Popup& p = g.popups[next_slot(g)];
    if (p.age > 0 && p.type == 173) return;
    std::string text = std::move(p.text);  // a moving effect keeps the slot's old text
    p = Popup{1, x2, y2, x1, y1, x1, y1, type, std::move(text), 0};
}

int32_t BounceOffset(int32_t age) {
    switch (age) {
        case 0:
        case 1:
            return -12;
        case 2:
            return -10;
        case 3:
            return 6;
        case 4:
            return 4;
        case 5:
            return -3;
        case 6:
            return -2;
        case 7:
            return 3;
        case 8:
            return 2;
        case 9:
            return -1;
        default:
            return age >= 10 && age <= 99 ? 1 : 0;
    }
}

void AgeAndDrawPopups(Game& g) {
    for (Popup& p : g.popups) {
        if (p.age <= 0) continue;
        if (!ages_on_odd_ticks_only(p.type) || g.tick_count % 2 == 1) p.age += 1;
        const int32_t bounce = BounceOffset(p.age);
        switch (p.type) {
            case kTextPopup:
                draw_number(g, p);
                break;
            case kGlowingTextPopup:
                draw_glow(g, p);
                break;
            case kHpLossNumber:
            case kHpGainNumber:
                draw_hp_change(g, p, bounce);
                break;
            default:
                DrawEffectAnimation(g, p, bounce);
                break;
        }
    }
}

}  // namespace quill
