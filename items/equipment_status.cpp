#include "items/equipment_status.h"

#include <string>

#include "state/record_export.h"

namespace quill {

void RefreshEquipmentStatusText(Game& g) {
    const EquipmentTotals t = TotalEquipmentStats(g);
    using std::to_string;
    g.form.item_l3.caption =
        g.combatants[0].name + "のステータス\n\n" + "攻撃力: " + to_string(t.attack) + "\n" +
        "防御力: " + to_string(t.defence) + "\n" + "命中率: " + to_string(t.hit) + "\n" +
        "回避率: " + to_string(t.evasion) + "\n" + "ｸﾘﾃｨｶﾙ率: " + to_string(t.critical) + "\n" +
        "ガード率: " + to_string(t.guard) + "\n\n";
}

}  // namespace quill
