#include "view/message_log.h"

#include <array>

#include "platform/text_layout.h"

namespace quill {
namespace {

using platform::Color;

constexpr int kWrapWidth = 437;

// Palettes of six colours, walked 0..5..1 by the phase.
constexpr std::array<uint32_t, 6> kDarkRed = {0xAA0000, 0x990000, 0x880000,
                                              0x770000, 0x660000, 0x550000};
constexpr std::array<uint32_t, 6> kGreen = {0x00EA12, 0x00DB10, 0x00BF0F,
                                            0x00B50E, 0x00B50D, 0x00B50C};
constexpr std::array<uint32_t, 6> kYellow = {0xFFE800, 0xE8D800, 0xDFC402,
                                             0xDFAD02, 0xDF9D02, 0xDF8702};
constexpr std::array<uint32_t, 6> kLightBlue = {0x7EECF8, 0x64E8F7, 0x4EE4F5,
                                                0x34E0F3, 0x1FDCF1, 0x0FD2E8};
constexpr std::array<uint32_t, 6> kPink = {0xFF5AB5, 0xFF4AA5, 0xFF379B,
                                           0xFF158A, 0xFB0079, 0xE30066};
constexpr std::array<uint32_t, 6> kPurple = {0x9D3CFF, 0x8B17FF, 0x7B00F7,
                                             0x6802D9, 0x5800BF, 0x421FA8};
constexpr std::array<uint32_t, 6> kRed = {0xFF4646, 0xFF2626, 0xFF0606,
                                          0xD90000, 0xC40000, 0xB50000};
constexpr std::array<uint32_t, 6> kPaleYellow = {0xDDDD88, 0xCCCC77, 0xBBBB66,
                                                 0xAAAA55, 0x999955, 0x888855};
constexpr std::array<uint32_t, 6> kBrownRed = {0x994646, 0x882626, 0x770606,
                                               0x660000, 0x550000, 0x440000};
constexpr std::array<uint32_t, 5> kLightPink = {0xFFCCDD, 0xFFBBCC, 0xEEAABB, 0xDD99AA, 0xCC8899};
constexpr std::array<uint32_t, 12> kRainbow = {0xFF0000, 0xFF9900, 0xFFFF00, 0x99FF00,
                                               0x00FF00, 0x00FF99, 0x00FFFF, 0x0099FF,
                                               0x0000FF, 0x9900FF, 0xFF00FF, 0xFF0099};

const std::array<uint32_t, 6>* six_colour_palette(int32_t kind) {
    switch (kind) {
        case 2:
            return &kDarkRed;
        case 301:
            return &kGreen;
        case 302:
            return &kYellow;
        case 303:
            return &kLightBlue;
        case 304:
            return &kPink;
        case 305:
            return &kPurple;
        case 306:
            return &kLightBlue;
        case 307:
            return &kRed;
        case 308:
            return &kPaleYellow;
        case 309:
            return &kBrownRed;
        default:
            return nullptr;
    }
}

// A phase walked forth and back: 0 1 2 ... half ... 2 1.
int folded(int32_t f, int period) {
    int p = ((f % period) + period) % period;
    return p <= period / 2 ? p : period - p;
}

void push(Game& g, std::string text, int32_t kind) {
    for (int i = kLogEntries - 1; i > 0; --i) g.message_log[i] = std::move(g.message_log[i - 1]);
    g.message_log[0] = LogEntry{std::move(text), kind};
}

void add_line(Game& g, std::string_view text, int32_t kind) {
    std::vector<std::string> lines = WrapLogText(text);
    if (lines.size() <= 1) {
        push(g, std::string(text), kind);
    } else {
        push(g, lines[0], 0);
        push(g, "　" + lines[1], 0);
    }
}

}  // namespace

std::vector<std::string> WrapLogText(std::string_view text) {
    return platform::wrap_text(text, platform::Font{platform::FontFace::Gothic, 12, true},
                               kWrapWidth);
}

int32_t ColourKind(std::string_view colour) {
    static constexpr std::pair<std::string_view, int32_t> kNames[] = {
        {"green", 301},  {"yellow", 302}, {"blue", 303},  {"pink", 304},
        {"purple", 305}, {"aqua", 306},   {"red", 307},   {"yellow2", 308},
        {"orange", 309}, {"pink2", 310},  {"blue2", 312}, {"rainbow", 313}};
    for (const auto& [name, kind] : kNames) {
        if (name == colour) return kind;
    }
    return 4;
}

Color LogTextColour(int32_t kind, int32_t f, Color previous) {
    if (kind == 0) return platform::colors::kWhite;
    if (const auto* palette = six_colour_palette(kind)) {
        return Color::rgb((*palette)[folded(f, 10)]);
    }
    if (kind == 310) return Color::rgb(kLightPink[folded(f, 8)]);
    if (kind == 312 || kind == 313) return Color::rgb(kRainbow[((f % 12) + 12) % 12]);
    return previous;
}

void LogLine(Game& g, std::string_view text) {
    if (g.closing == -1) return;
    add_line(g, text, 0);
}

void LogLineAndWait(Game& g, std::string_view text) {
    if (g.closing == -1) return;
    add_line(g, text, 0);
    g.awaiting_click = 1;
}

void LogColouredLine(Game& g, std::string_view text, std::string_view colour) {
    if (g.closing == -1) return;
    add_line(g, text, ColourKind(colour));
}

void ClearLog(Game& g) {
    if (g.closing == -1) return;
    for (int i = 0; i < kLogEntries - 1; ++i) g.message_log[i] = LogEntry{};
}

void SetItemNotice(Game& g, std::string_view text) {
    g.form.item_l4.caption = text;
}

void DrawMessageLog(Game& g) {
    if (g.form.bp_box.visible) return;
    const bool on_map = g.map_shown == 1;
    const int shown = on_map ? 2 : 7;
    const Color pill = Color::rgb(0x555555);
    platform::Font font{platform::FontFace::Gothic, platform::points_to_pixels(on_map ? 9 : 13),
                        true, g.canvas_font_color};
    // The pill: a rectangle with a round right end, smaller on the map.
    const int line_step = on_map ? 21 : 25;
    const int round_left = on_map ? 8 : 10, round_right = on_map ? 9 : 11;
    const int round_bottom = on_map ? 16 : 20, box_bottom = on_map ? 16 : 21;
    platform::Bitmap& cg = g.cg();
    for (int i = 0; i < shown; ++i) {
        const LogEntry& e = g.message_log[i];
        if (e.text.empty()) continue;
        const int x = 2;
        const int y = 310 - line_step * i;
        const int w = platform::Bitmap::text_width(e.text, font);
        cg.ellipse(x + w - round_left, y - 2, x + w + round_right, y + round_bottom, pill, pill);
        cg.fill_rect(x - 10, y - 2, x + w, y + box_bottom, pill);
        font.color = LogTextColour(e.kind, g.tick_count + i, font.color);
        cg.text(x, y, e.text, font);
    }
    g.canvas_font_color = font.color;
}

std::vector<std::string> LogLines(const Game& g) {
    std::vector<std::string> lines;
    for (int i = 0; i < kLogEntries - 1; ++i) lines.push_back(g.message_log[i].text);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

}  // namespace quill
