#include "view/report_list.h"

#include <array>
#include <utility>

#include "platform/text_codec.h"

namespace quill {

using platform::Color;

Color ReportTagColour(const std::string& message) {
    static const std::array<std::pair<const char*, uint32_t>, 10> kTags = {{
        {"<降臨", 0xCCCC00},
        {"<入島", 0x009933},
        {"<LVUP", 0x0099CC},
        {"<PET>", 0xCC9900},
        {"<死亡", 0xFF5A5A},  // the red of blood, light enough to read on black
        {"<撃破", 0xCC0099},
        {"<進行", 0x557799},
        {"<距離", 0x559977},
        {"<技修", 0x9900CC},
        {"<ホー", 0x663399},
    }};
    const std::string bytes = platform::to_cp932_lossy(message);
    if (bytes.size() < 7) return platform::colors::kWhite;
    const std::string tag = bytes.substr(2, 5);
    for (const auto& [text, colour] : kTags) {
        if (tag == platform::to_cp932_lossy(text)) return Color::rgb(colour);
    }
    return platform::colors::kWhite;
}

void DrawReportList(Game& g) {
    platform::Bitmap& picture = g.form.world_cg.picture;
    picture.fill_rect(0, 0, picture.width(), picture.height(), platform::colors::kBlack);
    platform::Font font =
        platform::font_pt(platform::FontFace::Gothic, 10, true, platform::colors::kWhite);
    for (int r = 0; r < kReportEntries; ++r) {
        const ReportEntry& e = g.report_entries[r];
        const int y = 14 * r + 4;
        int x = 0;
        auto put = [&](const std::string& text, Color colour) {
            font.color = colour;
            x += picture.text(x, y, text, font);
        };
        put(e.name + " ", e.race_sex % 2 != 0 ? Color::rgb(0xFF00FF) : Color::rgb(0x00FFFF));
        put(e.message + " ", ReportTagColour(e.message));
        put(TimeWithTwoDigitMinutes(e.time) + " ", Color::rgb(0x444444));
    }
}

std::string TimeWithTwoDigitMinutes(const std::string& time) {
    const size_t colon = time.rfind(':');
    if (colon == std::string::npos || colon + 2 != time.size()) return time;
    const char minute = time[colon + 1];
    if (minute < '0' || minute > '9') return time;
    return time.substr(0, colon + 1) + "0" + minute;
}

}  // namespace quill
