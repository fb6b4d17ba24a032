#include "view/status_display.h"
#include "state/scene_kinds.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "platform/random.h"

namespace quill {
namespace {

using platform::Bitmap;
using platform::Color;
using platform::font_pt;
using platform::FontFace;
using std::to_string;

constexpr Color kHarmful = Color::rgb(0xFF2233);
constexpr Color kHelpful = Color::rgb(0x22AAFF);

struct BarColours {
    Color track, fill, changing;
};
constexpr BarColours kHpBar{Color::rgb(0x553322), Color::rgb(0xFF2277), Color::rgb(0xFF4499)};
constexpr BarColours kMpBar{Color::rgb(0x223355), Color::rgb(0x7722FF), Color::rgb(0x9944FF)};
constexpr BarColours kTpBar{Color::rgb(0x224433), Color::rgb(0x77DD22), Color::rgb(0x99EE44)};

// Writes texts one after another along a line, each in its own size and at its own height.
class TextRun {
  public:
    TextRun(Bitmap& canvas, int x, Color colour) : canvas_(canvas), x_(x), colour_(colour) {}
    TextRun& put(const std::string& text, int points, int y) {
        return put(text, points, y, colour_);
    }
    TextRun& put(const std::string& text, int points, int y, Color colour) {
        const auto font = font_pt(FontFace::Gothic, points, true, colour);
        x_ += canvas_.text(x_, y, text, font);
        return *this;
    }
    int x() const { return x_; }

  private:
    Bitmap& canvas_;
    int x_;
    Color colour_;
};

// A bar: the full track, then the fill for the shown value.
void draw_bar(Game& g, int x, int y, int length, int32_t shown, int32_t real, int32_t maximum,
              const BarColours& c, bool track_blink, bool fill_blink) {
    const bool even = g.tick_count % 2 == 0;
    Color track = even && track_blink ? Color::rgb(0xAA0000) : c.track;
    Color fill = c.fill;
    if (!even && shown != real) fill = c.changing;
    if (even && fill_blink) fill = Color::rgb(0xAAFF55);
    g.cg().line(x, y, x + length, y, track, 4);
    const int32_t top = std::max(maximum, 1);
    int64_t filled = static_cast<int64_t>(shown) * length / top;
    filled = std::clamp<int64_t>(filled, 0, length);
    if (filled > 0) g.cg().line(x, y, x + static_cast<int>(filled), y, fill, 4);
}

const char* element_tag(int32_t element) {
    static constexpr std::array<const char*, 5> kTags = {"<無>", "<光>", "<闇>", "<火>", "<水>"};
    return element >= 0 && element < 5 ? kTags[element] : "";
}

void draw_top_line(Game& g) {
    const Color white = platform::colors::kWhite;
    TextRun(g.cg(), 2, white)
        .put("得点", 8, 9)
        .put(to_string(g.shown.score), 15, 2)
        .put("点", 8, 9);
    std::string second = g.map_shown == 1
                             ? "ロード回数 > " + to_string(g.state.load_count) + "回"
                             : "距離 > " + to_string(g.state.distance_m) +
                                   "m地点 (最高: " + to_string(g.state.max_distance_m) + "m)";
    g.cg().text(2, 24, second, font_pt(FontFace::Gothic, 10, true, white));
}

void draw_adventurer_panel(Game& g) {
    const Combatant& a = g.combatants[0];
    const Color white = platform::colors::kWhite;
    const int y0 = 355;
    Bitmap& cg = g.cg();
    std::string exp_limit = "/";
    exp_limit += to_string(ExpForNextLevel(a.level));
    TextRun(cg, 2, white)
        .put(a.name, 12, y0)
        .put(" Lv", 8, y0 + 6)
        .put(to_string(a.level), 13, y0)
        .put(" exp", 8, y0 + 6)
        .put(to_string(g.shown.exp), 11, y0 + 1)
        .put(exp_limit, 8, y0 + 6)
        .put(StatusTags(a, false), 12, y0 + 3, kHarmful)
        .put(StatusTags(a, true), 12, y0 + 3, kHelpful);
    TextRun(cg, 2, white)
        .put("HP", 8, y0 + 37)
        .put(to_string(g.shown.hp) + "/" + to_string(a.max_hp), 16, y0 + 27);
    TextRun(cg, 2, white)
        .put("MP", 8, y0 + 60)
        .put(to_string(g.shown.mp) + "/" + to_string(a.max_mp), 11, y0 + 55);
    TextRun(cg, 2, white).put("TP", 8, y0 + 82).put(to_string(g.shown.tp) + "％", 10, y0 + 78);
    TextRun(cg, 2, white)
        .put("おさいふ", 9, y0 + 110)
        .put(to_string(g.shown.money) + "円", 11, y0 + 108);

    if (g.scene_kind == scene::kIsland && g.recent_players > 0) {
        std::string notice = "今、" + to_string(g.recent_players) + "人が島にいます";
        if (g.tick_count % 500 < 250 && g.newer_version > 0) {
            notice = "※ver" + to_string(g.newer_version) + "がUPされています";
        }
        const auto font = font_pt(FontFace::Gothic, 11, true, white);
        cg.text(640 - Bitmap::text_width(notice, font), y0 + 108, notice, font);
    }

    draw_bar(g, 0, y0 + 52, 100, g.shown.hp, a.hp, a.max_hp, kHpBar, g.shown.hp <= a.max_hp / 10,
             false);
    draw_bar(g, 0, y0 + 74, 70, g.shown.mp, a.mp, a.max_mp, kMpBar, false, false);
    draw_bar(g, 0, y0 + 96, 60, g.shown.tp, a.tp, a.max_tp, kTpBar, false, g.shown.tp >= a.max_tp);
}

void draw_enemy_panel(Game& g) {
    const Combatant& e = g.combatants[1];
    int dx = 0, dy = 0;
    if (g.enemy_shake > 0) {
        dx = platform::random(16) - 7;
        dy = platform::random(16) - 7;
        g.enemy_shake -= 1;
    }
    const Color white = platform::colors::kWhite;
    Bitmap& cg = g.cg();
    TextRun(cg, 2 + dx, white)
        .put(e.name, 12, 2 + dy)
        .put(std::string(element_tag(e.element)) + " ", 10, 5 + dy)
        .put(StatusTags(e, false), 12, 2 + dy, kHarmful)
        .put(StatusTags(e, true), 12, 2 + dy, kHelpful);
    TextRun(cg, 2 + dx, white)
        .put("HP", 8, 26 + dy)
        .put(to_string(g.shown.enemy_hp) + "/" + to_string(e.max_hp), 13, 19 + dy);
    TextRun(cg, 2 + dx, white)
        .put("MP", 8, 49 + dy)
        .put(to_string(g.shown.enemy_mp) + "/" + to_string(e.max_mp), 11, 44 + dy);
    TextRun(cg, 2 + dx, white)
        .put("TP", 8, 70 + dy)
        .put(to_string(g.shown.enemy_tp) + "％", 10, 67 + dy);
    draw_bar(g, dx, 41 + dy, 100, g.shown.enemy_hp, e.hp, e.max_hp, kHpBar,
             g.shown.enemy_hp <= e.max_hp / 10, false);
    draw_bar(g, dx, 63 + dy, 70, g.shown.enemy_mp, e.mp, e.max_mp, kMpBar, false, false);
    draw_bar(g, dx, 84 + dy, 60, g.shown.enemy_tp, e.tp, 100, kTpBar, false,
             g.shown.enemy_tp >= 100);
}

void roll_all(Game& g) {
    const Combatant& a = g.combatants[0];
    const Combatant& e = g.combatants[1];
    auto& s = g.shown;
    s.hp = RollToward(s.hp, a.hp);
    s.mp = RollToward(s.mp, a.mp);
    s.tp = RollToward(s.tp, a.tp);
    s.exp = RollToward(s.exp, a.exp);
    s.money = RollToward(s.money, g.state.money);
    s.score = RollToward(s.score, g.state.score);
    s.enemy_hp = RollToward(s.enemy_hp, e.hp, 3);
    s.enemy_mp = RollToward(s.enemy_mp, e.mp);
    s.enemy_tp = RollToward(s.enemy_tp, e.tp);
}

}  // namespace

std::string StatusTags(const Combatant& c, bool helpful) {
    std::string tags;
    const int first = helpful ? kFirstHelpfulStatus : 0;
    const int last = helpful ? kFirstUntaggedStatus : kFirstHelpfulStatus;
    for (int s = first; s < last; ++s) {
        if (c.status[s] <= 0) continue;
        if (s == kSnakePoison) {
            tags += "<蛇毒" + to_string(c.status[s]) + ">";
        } else {
            tags += status_tag(static_cast<Status>(s));
        }
    }
    return tags;
}

int32_t RollToward(int32_t shown, int32_t real, int32_t divisor) {
    const int64_t d = static_cast<int64_t>(shown) - real;
    if (d > 0) return static_cast<int32_t>(shown - d / divisor - 1);
    if (d < 0) return static_cast<int32_t>(shown + (-d) / 10 + 1);
    return shown;
}

void DrawStatus(Game& g) {
    if (g.screen_mode < kGame) return;
    const bool enemy_present = g.combatants[1].present != 0;
    if (!enemy_present) draw_top_line(g);
    draw_adventurer_panel(g);
    if (g.in_battle == 1 && enemy_present) draw_enemy_panel(g);
    roll_all(g);
    g.canvas_font_color = platform::colors::kWhite;
}

}  // namespace quill
