#include "platform/text_cache.h"

#include <QPainter>

#include <string>
#include <unordered_map>

#include "platform/qt_font.h"

namespace platform {
namespace {

// Enough for every text of many frames (a few megabytes at most); the cache starts over
// when it is full.
constexpr size_t kMaxEntries = 2048;

}  // namespace

const RenderedText& rendered_text(std::string_view utf8, const Font& font) {
    // Never destroyed, like the fonts it was drawn with.
    static auto* cache = new std::unordered_map<std::string, RenderedText>();
    std::string key;
    key.reserve(utf8.size() + 8);
    key += static_cast<char>(font.face == FontFace::Gothic ? 'G' : 'P');
    key += static_cast<char>(font.bold ? 'B' : 'N');
    key += std::to_string(font.pixel_size);
    key += '|';
    key += utf8;
    auto it = cache->find(key);
    if (it != cache->end()) return it->second;
    if (cache->size() >= kMaxEntries) cache->clear();

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
    r.mask = argb.convertToFormat(QImage::Format_Alpha8);
    return cache->emplace(std::move(key), std::move(r)).first->second;
}

}  // namespace platform
