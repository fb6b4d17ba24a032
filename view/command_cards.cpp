#include "view/command_cards.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/bitmap.h"

namespace quill {
namespace {

using platform::Bitmap;
using platform::Color;
using platform::FontFace;

constexpr Color kPen = Color::rgb(0x424D57);
constexpr Color kFill = Color::rgb(0x323D47);
constexpr Color kText = Color::rgb(0xC0C0C0);
constexpr Color kHoverFill = Color::rgb(0x000077);
constexpr Color kGreyText = Color::rgb(0x665555);

void lay_out(Game& g, int32_t card, int32_t group) {
    CommandEntry& c = g.commands[card];
    const int32_t k = g.cards_laid_out;
    c.shown = 1;
    c.enabled = 1;
    if (k <= 17 || group == kFieldCards) {
        c.x = 640;
        c.target_x = 635 - c.width;
        c.y = c.target_y = c.height * k + 6;
    } else {
        c.x = 640 - c.width;
        c.target_x = 635 - 2 * c.width;
        c.y = c.target_y = 474 - (k - 17) * c.height;
    }
    g.cards_laid_out += 1;
    g.card_order.push_back(card);
}

int32_t slide(int32_t at, int32_t target) {
    const int32_t step = std::abs(target - at) / 2 + 1;
    if (target > at) return at + step;
    if (target < at) return at - step;
    return at;
}

bool hovered(const Game& g, const CommandEntry& c) {
    return c.target_x <= g.pointer_x && g.pointer_x <= c.target_x + c.width &&
           c.target_y <= g.pointer_y && g.pointer_y < c.target_y + c.height;
}

// A technique card is greyed when the adventurer cannot pay for the technique now.
bool unaffordable(const Game& g, int32_t card) {
    if (card >= kSkillIds) return false;
    const SkillRecord& t = g.skills[card];
    const Combatant& a = g.combatants[0];
    return t.mp_cost > a.mp || t.tp_cost > a.tp;
}

void draw_info_box(Game& g, int32_t card) {
    const SkillRecord& t = g.skills[card];
    const auto font = [](Color c) { return platform::font_pt(FontFace::PGothic, 9, false, c); };
    const int32_t level = g.state.skill_level[card];
    const std::string level_line =
        "技Lv: " + (level >= 10 ? std::string("MAX") : std::to_string(level)) +
        "  発動: " + std::to_string(g.state.skill_use_count[card]) + "回";
    const Color grey = Color::rgb(0x555555);
    const int w = std::max({Bitmap::text_width(t.name, font(grey)),
                            Bitmap::text_width(t.description, font(grey)),
                            Bitmap::text_width(level_line, font(grey)), 100});
    Bitmap& cg = g.cg();
    cg.fill_rect(460 - w, 7, 469, 71, Color::rgb(0xCCCCCC));
    auto right = [&](int y, const std::string& text, Color c, int right_edge = 463) {
        const int tw = Bitmap::text_width(text, font(c));
        cg.text(right_edge - tw, y, text, font(c));
        return tw;
    };
    right(12, t.name, grey);
    right(26, t.description, grey);
    int edge = 463;
    if (t.tp_cost >= 1)
        edge -= right(40, " TP -" + std::to_string(t.tp_cost), Color::rgb(0x337733));
    if (t.mp_cost >= 1) right(40, " MP -" + std::to_string(t.mp_cost), Color::rgb(0x993366), edge);
    right(54, level_line, grey);
}

}  // namespace

void HideCards(Game& g) {
    for (CommandEntry& c : g.commands) c.shown = 0;
    g.command_mode = 0;
    g.card_order.clear();
}

void ShowCards(Game& g, int32_t group) {
    if (g.game_over == 1) return;
    HideCards(g);
    g.command_mode = group;
    g.cards_laid_out = 0;
    if (group == kTechniqueCards) {
        for (int i = 0; i < 18; ++i) {
            const int32_t id = g.state.skill_order[i];
            if (id < 0 || id >= kCommandTableSize || id >= kSkillIds) continue;
            const CommandEntry& c = g.commands[id];
            if (g.state.skill_level[id] >= 1 && !g.skills[id].name.empty() &&
                c.group == kTechniqueCards && !c.text.empty()) {
                lay_out(g, id, group);
            }
        }
        return;
    }
    for (int32_t card = 0; card < kCommandTableSize; ++card) {
        const CommandEntry& c = g.commands[card];
        if (c.group == group && !c.text.empty()) lay_out(g, card, group);
    }
}

bool PressCardByNumber(Game& g, int32_t n) {
    if (g.command_mode < 1 || n < 1 || n > static_cast<int32_t>(g.card_order.size())) return false;
    const int32_t card = g.card_order[n - 1];
    if (card < 0 || card >= kCommandTableSize) return false;
    const CommandEntry& c = g.commands[card];
    if (c.shown != 1 || c.text.empty() || c.enabled != 1) return false;
    g.clicked_card = card;
    return true;
}

void DrawCards(Game& g) {
    g.hovered_card = -1;
    Bitmap& cg = g.cg();
    for (int32_t card = 0; card < kCommandTableSize; ++card) {
        CommandEntry& c = g.commands[card];
        if (c.shown != 1) continue;
        c.x = slide(c.x, c.target_x);
        c.y = slide(c.y, c.target_y);
        Color fill = kFill, text = kText;
        if (hovered(g, c)) {
            g.hovered_card = card;
            fill = kHoverFill;
            text = platform::colors::kWhite;
        }
        const bool lit = g.hovered_card == card;
        if (unaffordable(g, card)) text = kGreyText;
        // A two-pixel pen around the filled box. The cards stand over the adventurer's
        // portrait, so the picture shows through them: the face stays in sight, and the card
        // under the pointer is the most solid.
        const uint8_t pen_opacity = lit ? 255 : 215;
        const uint8_t fill_opacity = lit ? 235 : 165;
        const int x1 = c.x, y1 = c.y, x2 = c.x + c.width, y2 = c.y + c.height + 1;
        cg.blend_rect(x1, y1, x2, y1 + 2, kPen, pen_opacity);
        cg.blend_rect(x1, y2 - 2, x2, y2, kPen, pen_opacity);
        cg.blend_rect(x1, y1 + 2, x1 + 2, y2 - 2, kPen, pen_opacity);
        cg.blend_rect(x2 - 2, y1 + 2, x2, y2 - 2, kPen, pen_opacity);
        cg.blend_rect(x1 + 2, y1 + 2, x2 - 2, y2 - 2, fill, fill_opacity);
        auto font = platform::font_pt(FontFace::PGothic, 11, true, platform::colors::kBlack);
        const int tw = Bitmap::text_width(c.text, font);
        const int tx = c.x + (c.width - tw) / 2;
        const int ty = c.y + (c.height + 1 - Bitmap::text_height(font)) / 2;
        cg.text(tx + 1, ty + 1, c.text, font, 200);  // a shadow, for what shows through
        font.color = text;
        cg.text(tx, ty, c.text, font);
    }
    if (g.command_mode == kTechniqueCards && g.hovered_card >= 0) {
        draw_info_box(g, g.hovered_card);
    }
    // A press on a card: the tick acts on it once the frame is drawn.
    if (g.button_held == 1 && g.hovered_card >= 0 && !g.commands[g.hovered_card].text.empty()) {
        g.button_held = 0;
        if (g.commands[g.hovered_card].enabled == 1) g.clicked_card = g.hovered_card;
    }
}

}  // namespace quill
