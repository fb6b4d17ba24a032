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

void GrantAchievementsAbove(Game& g, int32_t value, std::initializer_list<int32_t> above,
                            int32_t first_id) {
    int32_t id = first_id;
    for (int32_t threshold : above) {
        if (value > threshold) GrantAchievement(g, id);
        ++id;
    }
}

}  // namespace quill
