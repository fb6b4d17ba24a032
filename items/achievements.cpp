#include "items/achievements.h"

#include <string>

#include "audio/sound.h"
#include "items/score.h"
#include "view/message_log.h"

namespace quill {

void GrantAchievement(Game& g, int32_t id) {
    if (id < 0 || id >= kItemTableSize) return;
    const ItemRecord& item = g.items[id];
    if (g.state.item_count[id] >= 1 || item.category != kItemAchievement) return;
    g.state.item_count[id] = 1;
    PlaySound(g, "new.wav");
    const int32_t points = 2 * item.price;
    LogColouredLine(g, "戦績『" + item.name + "』を入手!! > +" + std::to_string(points) + "点",
                    "rainbow");
    AddScore(g, points);
}

}  // namespace quill
