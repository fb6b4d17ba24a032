#include "platform/qt_font.h"

#include <algorithm>

namespace platform {

QFont to_qfont(const Font& font) {
    QFont f(font.face == FontFace::Gothic ? QStringLiteral("IPAGothic")
                                          : QStringLiteral("IPAPGothic"));
    f.setPixelSize(std::max(1, font.pixel_size));
    f.setBold(font.bold);
    return f;
}

}  // namespace platform
