#include "items/score.h"

#include <algorithm>
#include <string>

#include "items/worn_items.h"
#include "view/popups.h"

namespace quill {

void AddScore(Game& g, int32_t n) {
    n = std::min(n, 9999);
    struct Bonus {
        const char* hoshio;
        int32_t points;
    };
    static constexpr Bonus kHoshio[] = {{"ホーシオの冒険", 10},   {"人工ﾎｰｼｵの冒険", 5},
                                        {"人工ﾎｰｼｵの大冒険", 10}, {"人工ﾎｰｼｵの超冒険", 20},
                                        {"人工ﾎｰｼｵの極冒険", 30}, {"人工ﾎｰｼｵの神冒険", 40}};
    for (const Bonus& b : kHoshio) {
        if (HoshioSet(g, b.hoshio)) n += b.points;
    }
    const Combatant& a = g.combatants[0];
    if (Wears(g, a.waist, "返ってきたﾎｰｼｵのﾍﾞﾙﾄ") || Wears(g, a.waist, "ホーシオのベルト")) n += 50;
    if (Wears(g, a.arm, "ホーシオの腕当て") || Wears(g, a.arm, "返ってきたホーシオの腕当て"))
        n += 50;
    if (Wears(g, a.earring, "星昇のイヤリング")) n += 50;
    if (Wears(g, a.pendant, "星昇のペンダント")) n += 50;
    if (Wears(g, a.weapon, "ホーシオのぼう") || Wears(g, a.weapon, "返ってきたホーシオのぼう"))
        n += 50;
    AddPopup(g, 240, 20, "+" + std::to_string(n) + "pt.", 20);
    g.state.score += n;
}

}  // namespace quill
