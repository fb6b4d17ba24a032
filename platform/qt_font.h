// The Qt font of one of the game's fonts (for platform code and the front end only).
#pragma once

#include <QFont>
#include <QFontMetrics>

#include "platform/font.h"

namespace quill::platform {

QFont to_qfont(const Font& font);

// The same, made once per face, size and weight and kept (drawing asks for the same few
// fonts every frame).
const QFont& cached_qfont(const Font& font);
const QFontMetrics& cached_metrics(const Font& font);

}  // namespace quill::platform
