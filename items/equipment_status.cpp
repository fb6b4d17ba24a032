#include "items/equipment_status.h"

#include <string>

namespace quill {

void RefreshEquipmentStatusText(Game& g) {
    const Combatant& a = g.combatants[0];
    auto item = [&g](int32_t id) -> const ItemRecord& {
        return g.items[id >= 0 && id < kItemTableSize ? id : 0];
    };
    const int32_t attack = a.attack + item(a.weapon).attack + item(a.arm).attack;
    const int32_t defence =
        a.defence + item(a.armour).defence + item(a.shield).defence + item(a.waist).defence;
    const int32_t hit = a.hit + item(a.weapon).hit_evasion + item(a.right_ring).accessory_hit +
                        item(a.left_ring).accessory_hit;
    const int32_t evasion = a.evasion + item(a.armour).hit_evasion +
                            item(a.right_ring).hit_evasion + item(a.left_ring).hit_evasion;
    const int32_t critical = item(a.helmet).critical + item(a.weapon).critical;
    const int32_t guard = item(a.shield).guard;
    using std::to_string;
    g.form.item_l3.caption = a.name + "のステータス\n\n" + "攻撃力: " + to_string(attack) + "\n" +
                             "防御力: " + to_string(defence) + "\n" + "命中率: " + to_string(hit) +
                             "\n" + "回避率: " + to_string(evasion) + "\n" +
                             "ｸﾘﾃｨｶﾙ率: " + to_string(critical) + "\n" +
                             "ガード率: " + to_string(guard) + "\n\n";
}

}  // namespace quill
