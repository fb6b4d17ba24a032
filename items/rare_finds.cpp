#include "items/rare_finds.h"

#include <string>

#include "audio/sound.h"
#include "items/score.h"
#include "platform/random.h"
#include "view/message_log.h"

namespace quill {

void GainItem(Game& g, int32_t id) {
    if (id <= 0 || id >= kItemTableSize || g.items[id].name.empty()) return;
    const ItemRecord& item = g.items[id];
    PlaySound(g, "rare.wav");
    const int32_t points = 2 * item.price;
    g.state.item_count[id] += 1;
    LogColouredLine(
        g, "なんとレアItem【" + item.name + "】を入手した!! > 得点 +" + std::to_string(points),
        "rainbow");
    AddScore(g, points);
}

bool FindRareItem(Game& g) {
    for (int draw = 0; draw < 901; ++draw) {
        const int32_t id = platform::random(kItemTableSize);
        const ItemRecord& item = g.items[id];
        if (!item.name.empty() && item.category == kItemRare && item.one_only == 0 &&
            g.state.item_count[id] < 1) {
            GainItem(g, id);
            return true;
        }
    }
    return false;
}

}  // namespace quill
