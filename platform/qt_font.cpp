#include "platform/qt_font.h"

#include <algorithm>
#include <unordered_map>

namespace quill::platform {
namespace {

struct CachedFont {
    QFont font;
    QFontMetrics metrics;
};

CachedFont& cached(const Font& font) {
    // Kept for the whole run and never destroyed: Qt's font engines must not be released
    // after the application object is gone.
    static auto* cache = new std::unordered_map<int, CachedFont>();
    const int key =
        (font.pixel_size * 2 + (font.bold ? 1 : 0)) * 2 + (font.face == FontFace::Gothic ? 1 : 0);
    auto it = cache->find(key);
    if (it == cache->end()) {
        QFont f = to_qfont(font);
        it = cache->emplace(key, CachedFont{f, QFontMetrics(f)}).first;
    }
    return it->second;
}

}  // namespace

QFont to_qfont(const Font& font) {
    QFont f(font.face == FontFace::Gothic ? QStringLiteral("IPAGothic")
                                          : QStringLiteral("IPAPGothic"));
    f.setPixelSize(std::max(1, font.pixel_size));
    f.setBold(font.bold);
    return f;
}

const QFont& cached_qfont(const Font& font) {
    return cached(font).font;
}

const QFontMetrics& cached_metrics(const Font& font) {
    return cached(font).metrics;
}

}  // namespace quill::platform
