#include "platform/text_cache.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <string>
#include <unordered_map>

#include "platform/qt_font.h"

namespace quill::platform {
namespace {

// Enough for every text of many frames; the cache starts over when it holds this many
// texts or this many bytes of coverage. Kept small: a long game shows ever new texts (numbers,
// names), and what the cache held stays with the process even after it starts over.
constexpr size_t kMaxEntries = 1024;
constexpr size_t kMaxBytes = size_t{2} << 20;

// Face, weight and size: the parts of a font that change how a text is rendered.
uint64_t font_code(const Font& font) {
    return (uint64_t{static_cast<uint32_t>(font.pixel_size)} << 2) | (font.bold ? 2u : 0u) |
           (font.face == FontFace::Gothic ? 1u : 0u);
}

struct Key {
    uint64_t font;
    std::string text;
};
// A key to look up with, without copying the text.
struct KeyView {
    uint64_t font;
    std::string_view text;
};

struct KeyHash {
    using is_transparent = void;
    size_t operator()(const KeyView& k) const noexcept {
        return std::hash<std::string_view>{}(k.text) ^ (k.font * 0x9E3779B97F4A7C15ull);
    }
    size_t operator()(const Key& k) const noexcept { return (*this)(KeyView{k.font, k.text}); }
};

struct KeyEqual {
    using is_transparent = void;
    template <typename A, typename B>
    bool operator()(const A& a, const B& b) const noexcept {
        return a.font == b.font && std::string_view(a.text) == std::string_view(b.text);
    }
};

using Cache = std::unordered_map<Key, RenderedText, KeyHash, KeyEqual>;

// Cuts the coverage down to its lit pixels and notes the lit span of every row.
void keep_lit_part(const QImage& mask, RenderedText& r) {
    int x1 = mask.width(), y1 = mask.height(), x2 = 0, y2 = 0;
    for (int y = 0; y < mask.height(); ++y) {
        const uchar* m = mask.constScanLine(y);
        for (int x = 0; x < mask.width(); ++x) {
            if (m[x] == 0) continue;
            x1 = std::min(x1, x);
            x2 = std::max(x2, x + 1);
            y1 = std::min(y1, y);
            y2 = y + 1;
        }
    }
    if (x1 >= x2 || y1 >= y2) {
        r.width = r.height = 0;
        return;
    }
    r.left += x1;
    r.top += y1;
    r.width = x2 - x1;
    r.height = y2 - y1;
    r.coverage.resize(static_cast<size_t>(r.width) * r.height * 3);
    r.spans.resize(static_cast<size_t>(r.height) * 2);
    uint8_t* out = r.coverage.data();
    for (int y = 0; y < r.height; ++y) {
        const uchar* m = mask.constScanLine(y1 + y) + x1;
        int first = r.width, end = 0;
        for (int x = 0; x < r.width; ++x, out += 3) {
            out[0] = out[1] = out[2] = m[x];
            if (m[x] == 0) continue;
            first = std::min(first, x);
            end = x + 1;
        }
        if (first >= end) first = end = 0;
        r.spans[y * 2] = static_cast<uint32_t>(first);
        r.spans[y * 2 + 1] = static_cast<uint32_t>(end);
    }
}

}  // namespace

const RenderedText& rendered_text(std::string_view utf8, const Font& font) {
    // Never destroyed, like the fonts it was drawn with.
    static auto* cache = new Cache();
    static size_t bytes = 0;
    // Measuring a text and drawing it come in pairs: the last answer is kept at hand.
    static const Key* last_key = nullptr;
    static const RenderedText* last = nullptr;
    const KeyView key{font_code(font), utf8};
    if (last_key != nullptr && last_key->font == key.font && last_key->text == key.text) {
        return *last;
    }
    auto it = cache->find(key);
    if (it == cache->end()) {
        if (cache->size() >= kMaxEntries || bytes >= kMaxBytes) {
            cache->clear();
            bytes = 0;
        }
        const QFont& qfont = cached_qfont(font);
        const QFontMetrics& metrics = cached_metrics(font);
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        RenderedText r;
        r.advance = metrics.horizontalAdvance(text);
        // Room around the advance for strokes that reach past it (bold faces, wide glyphs).
        const int margin = metrics.height() / 2 + 2;
        r.left = -margin;
        r.top = 0;
        const int width = std::max(1, r.advance + 2 * margin);
        const int height = std::max(1, metrics.height() + 2);
        QImage argb(width, height, QImage::Format_ARGB32_Premultiplied);
        argb.fill(Qt::transparent);
        {
            QPainter p(&argb);
            p.setFont(qfont);
            p.setPen(Qt::white);
            p.drawText(margin, metrics.ascent(), text);
        }
        keep_lit_part(argb.convertToFormat(QImage::Format_Alpha8), r);
        bytes += r.coverage.size() + utf8.size();
        it = cache->emplace(Key{key.font, std::string(utf8)}, std::move(r)).first;
    }
    last_key = &it->first;
    last = &it->second;
    return it->second;
}

}  // namespace quill::platform
