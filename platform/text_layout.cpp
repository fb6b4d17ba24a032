#include "platform/text_layout.h"

#include "platform/qt_font.h"

#include <QFontMetrics>
#include <QString>

namespace quill::platform {
namespace {

bool is_latin_word_char(QChar c) {
    return c.unicode() < 0x80 && !c.isSpace();
}

}  // namespace

std::vector<std::string> wrap_text(std::string_view utf8, const Font& font, int width) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    const QFontMetrics& metrics = cached_metrics(font);
    std::vector<std::string> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        // The longest run of characters from `start` that fits.
        int used = 0;
        qsizetype end = start;
        while (end < text.size()) {
            // Surrogate pairs are measured and kept together.
            qsizetype len = text[end].isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
            int advance = metrics.horizontalAdvance(text.mid(end, len));
            if (used + advance > width && end > start) break;
            used += advance;
            end += len;
        }
        qsizetype next = end;
        // Do not cut a Latin word in two when a space earlier on the line allows a break.
        if (end < text.size() && is_latin_word_char(text[end]) &&
            is_latin_word_char(text[end - 1])) {
            qsizetype space = end - 1;
            while (space > start && !text[space].isSpace()) --space;
            if (space > start) {
                end = space;
                next = space + 1;
            }
        }
        lines.push_back(text.mid(start, end - start).toStdString());
        start = next;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

std::string elide_text(std::string_view utf8, const Font& font, int width) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return cached_metrics(font).elidedText(text, Qt::ElideRight, width).toStdString();
}

}  // namespace quill::platform
