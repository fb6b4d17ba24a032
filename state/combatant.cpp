#include "state/combatant.h"

namespace quill {

std::string_view status_tag(Status s) {
    static constexpr std::array<std::string_view, kStatusCount> kTags = {
        "<気絶>",   "<TP↓>",  "<毒>",    "<猛毒>", "<劇毒>", "<謎毒>", "<麻痺>", "<攻↓>",  "<防↓>",
        "<避↓>",    "<命↓>",  "<火傷>",  "<蛇毒>", "<血剣>", "<癒>",   "<魔>",   "<水>",   "<フォ>",
        "<魔紋>",   "<約束>", "<必中>",  "<防>",   "<ガ↑>",  "<力>",   "<追加>", "<炎壁>", "<回避>",
        "<魔回避>", "<命↑>",  "<魔命↑>", "<攻↑>",  "<守↑>",  "<鉄壁>", "<避↑>",  "<ｸﾘ↑>",  "<固↑>",
        "<水耐>",   "<火耐>", "<光耐>",  "<闇耐>", "<無耐>", "<水力>", "<火力>", "<光力>", "<闇力>",
        "<無力>",   "<毒吸>", "<吸収>",  "<反射>", "<魔吸>", "<棘>",   "",       ""};
    if (s < 0 || s >= kStatusCount) return {};
    return kTags[s];
}

std::string_view status_name(Status s) {
    static constexpr std::array<std::string_view, kStatusCount> kNames = {
        "faint",          "tp_down",        "poison",       "strong_poison", "deadly_poison",
        "mystery_poison", "paralysis",      "attack_down",  "defence_down",  "evasion_down",
        "hit_down",       "burn",           "snake_poison", "blood_sword",   "regeneration",
        "mana",           "water",          "fo",           "magic_seal",    "promise",
        "sure_hit",       "guard_stance",   "guard_up",     "power",         "extra_damage",
        "fire_wall",      "dodge",          "magic_dodge",  "hit_up",        "magic_hit_up",
        "attack_up",      "defence_up",     "iron_wall",    "evasion_up",    "critical_up",
        "firm",           "resist_water",   "resist_fire",  "resist_light",  "resist_dark",
        "resist_none",    "power_water",    "power_fire",   "power_light",   "power_dark",
        "power_none",     "poison_absorb",  "absorb",       "reflect",       "magic_absorb",
        "thorns",         "kinnara_arrows", "special"};
    if (s < 0 || s >= kStatusCount) return {};
    return kNames[s];
}

}  // namespace quill
