// The Qt font of one of the game's fonts (for platform code and the front end only).
#pragma once

#include <QFont>

#include "platform/font.h"

namespace platform {

QFont to_qfont(const Font& font);

}  // namespace platform
