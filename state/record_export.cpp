#include "state/record_export.h"

#include <filesystem>
#include <system_error>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "state/name_tables.h"

namespace quill {
namespace {

using std::to_string;

const ItemRecord& item_in(const Game& g, int32_t id) {
    return ItemAt(g.items, id);
}

// Kinds of items held whose category passes `of`.
template <typename Of>
int32_t kinds_held(const Game& g, Of of) {
    int32_t n = 0;
    for (int32_t id = 0; id < kItemTableSize; ++id) {
        const ItemRecord& item = g.items[id];
        if (g.state.item_count[id] >= 1 && !item.name.empty() && of(item.category)) ++n;
    }
    return n;
}

}  // namespace

EquipmentTotals TotalEquipmentStats(const Game& g) {
    const Combatant& a = g.combatants[0];
    auto item = [&g](int32_t id) -> const ItemRecord& { return item_in(g, id); };
    EquipmentTotals t;
    t.attack = a.attack + item(a.weapon).attack + item(a.arm).attack;
    t.defence = a.defence + item(a.armour).defence + item(a.shield).defence + item(a.waist).defence;
    t.hit = a.hit + item(a.weapon).hit_evasion + item(a.right_ring).accessory_hit +
            item(a.left_ring).accessory_hit;
    t.evasion = a.evasion + item(a.armour).hit_evasion + item(a.right_ring).hit_evasion +
                item(a.left_ring).hit_evasion;
    t.helmet_critical = item(a.helmet).critical;
    t.critical = t.helmet_critical + item(a.weapon).critical;
    t.guard = item(a.shield).guard;
    return t;
}

std::string RecordText(Game& g) {
    const GameState& s = g.state;
    const Combatant& a = g.combatants[0];
    const EquipmentTotals t = TotalEquipmentStats(g);
    std::string out;
    auto line = [&out](const std::string& text) { out += text + "\r\n"; };
    line("～クイルモア～ ");
    line("");
    line("名前: " + a.name + " Lv: " + to_string(a.level));
    line("(タイプ: " + char_type_name(s.char_type) + " / 種族: " + race_sex_name(s.race_sex) + ")");
    line("攻: " + to_string(t.attack));
    line("防: " + to_string(t.defence));
    line("命: " + to_string(t.hit) + "%");
    line("回: " + to_string(t.evasion) + "%");
    line("ｸﾘ: " + to_string(t.critical) + "%");
    line("ガ: " + to_string(t.guard) + "%");
    line("ロード回数: " + to_string(s.load_count) + " / 戦闘回数: " + to_string(s.battle_count) +
         " / 逃亡回数: " + to_string(s.escape_count) +
         " / 最高距離: " + to_string(s.max_distance_m) + "m地点");
    Game::RecordCounts& c = g.record_counts;
    c.equipment_kinds =
        kinds_held(g, [](int32_t k) { return (k >= 1 && k <= 9) || k == kItemPendant; });
    c.rare_item_kinds = kinds_held(g, [](int32_t k) { return k == kItemRare; });
    c.record_kinds = kinds_held(g, [](int32_t k) { return k == kItemAchievement; });
    c.learned_technique_kinds = 0;
    for (int32_t id = 0; id < 100; ++id) {
        if (s.skill_level[id] >= 1 && !g.skills[id].name.empty()) ++c.learned_technique_kinds;
    }
    line("所持装備品数: " + to_string(c.equipment_kinds) + "種 / 所持ﾚｱｱｲﾃﾑ数: " +
         to_string(c.rare_item_kinds) + "種 / 所持戦績数: " + to_string(c.record_kinds) +
         "種 / 修得技数: " + to_string(c.learned_technique_kinds) + "種");
    line("");
    line("得点: " + to_string(s.score) + " 点 " + score_rank_word(s.score));
    const std::string title = title_text(s);
    if (!title.empty()) line("称号: " + title);
    return out;
}

void export_record(Game& g) {
    const std::string text = platform::to_cp932_lossy(RecordText(g));
    std::error_code ec;
    std::filesystem::create_directories(g.folders.record_folder(), ec);
    const auto path = g.folders.record_folder() / "記録.txt";
    if (platform::write_file_atomically(path, text)) return;
    if (g.record_failure_told) return;
    g.record_failure_told = true;
    g.dialogs->message("記録.txt を書き込めませんでした。" + g.folders.record_folder().string() +
                       " に書き込めるか確かめてください(セーブはできています)");
}

}  // namespace quill
