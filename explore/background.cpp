#include "explore/background.h"

#include <algorithm>
#include <array>

#include "explore/island.h"
#include "view/frame.h"

namespace quill {
namespace {

bool is_island_map(const std::string& name) {
    return name == "map.bmp" || name == "map2.bmp";
}

// The brightness factor of each column, 1 where the column is left as it is.
std::array<double, kBoardWidth> edge_factors() {
    std::array<double, kBoardWidth> q{};
    for (int x = 0; x < kBoardWidth; ++x) {
        q[x] = 1.0;
        if (x >= 320) {
            double f = 1 - (x - 320) * 0.005;
            q[x] = f <= 0.2 ? 0.2 : f;
        }
        if (x <= 150) q[x] = 1 - (150 - x) * 0.005;
    }
    return q;
}

}  // namespace

void ShadeBattleEdges(platform::Bitmap& picture) {
    static const std::array<double, kBoardWidth> q = edge_factors();
    const int w = std::min(picture.width(), kBoardWidth);
    for (int y = 0; y < picture.height(); ++y) {
        uint8_t* p = picture.scan_line(y);
        for (int x = 0; x < w; ++x, p += 3) {
            if (q[x] == 1.0) continue;
            p[0] = static_cast<uint8_t>(p[0] * q[x]);
            p[1] = static_cast<uint8_t>(p[1] * q[x]);
            p[2] = static_cast<uint8_t>(p[2] * q[x]);
        }
    }
}

void DarkenBackground(Game& g) {
    platform::Bitmap& b = g.background();
    for (int y = 0; y < b.height(); ++y) {
        uint8_t* p = b.scan_line(y);
        for (int x = 0; x < b.width() * 3; ++x) p[x] = static_cast<uint8_t>(p[x] / 2);
    }
    ComposeFrame(g);
}

void ShowBackground(Game& g, const std::string& requested) {
    std::string name = requested.empty() ? g.last_background : requested;
    g.last_background = name;
    name = IslandMapName(g, name);
    if (g.haikei.load(g.folders.cg_file(name))) {
        g.background().draw(g.haikei, 0, 0);
        if (is_island_map(name)) {
            DrawIslandOverlays(g);
        } else if (g.scene_kind >= 1 && g.scene_kind <= 99) {
            ShadeBattleEdges(g.background());
        }
    }
    ComposeFrame(g);
}

}  // namespace quill
