#include "state/state_ops.h"

#include "platform/random.h"

namespace quill {

void new_game(Game& g) {
    GameState& s = g.state;
    Combatant& a = g.adventurer();

    a.name = "しすみ";
    s.race_sex = 0;
    s.char_type = 0;
    s.raised_attribute = 0;
    s.player_id = platform::random(10000);

    // The adventurer's TP, spirit and intellect are kept.
    a.level = 0;
    a.exp = 0;
    a.max_hp = 20;
    a.hp = 20;
    a.max_mp = 1;
    a.mp = 1;
    a.max_tp = 100;
    a.defence = 0;
    a.attack = 0;
    a.hit = 0;
    a.evasion = 0;
    a.reserved36 = 0;
    a.weapon = a.armour = a.helmet = a.shield = a.right_ring = a.left_ring = a.waist = a.arm =
        a.earring = a.pendant = 0;

    s.money = 50;
    s.bonus_points = 0;
    s.item_count.fill(0);
    s.item_seen.fill(0);
    s.hoshio_slots.fill(0);

    s.skill_level.fill(0);
    s.skill_level[0] = 1;
    s.skill_level[22] = 1;
    s.skill_use_count.fill(0);
    s.skill_seen.fill(0);
    s.skill_order.fill(-1);
    s.skill_order[0] = 0;
    s.skill_order[1] = 22;
    s.combo_discovered.fill(0);

    s.event_flags.fill(0);
    s.story_flags.fill(0);
    s.score = 0;
    s.max_distance_m = 0;
    s.distance_m = 0;

    s.load_count = s.death_count = s.battle_count = s.escape_count = s.miss_count = s.guard_count =
        s.combo_count = s.pet_knockout_count = s.chest_open_count = s.cure_count = 0;
    s.kills_vomact = s.kills_henteko = s.kills_yowakko = s.kills_extra = s.kills_ghost =
        s.kills_tsuyokko = s.kills_dragon = 0;

    // game_speed, format_upgrade_done, save_damaged, last_report_minute and net_off stay.
    s.last_rank_send_minute = 0;
    s.last_rank = 0;

    // reserved_pairs, reserved_text and the other reserved integers stay.
    s.reserved_block.fill(0);
    for (auto& table : s.reserved_tables) table.fill(0);
    s.reserved_list.fill(0);
    for (int i = 3; i <= 8; ++i) s.reserved_ints[i] = 0;
    for (int i = 14; i <= 18; ++i) s.reserved_ints[i] = 0;
    s.reserved_ints[19] = 10;

    // No pet; its look stays.
    Combatant& p = g.pet();
    p.name.clear();
    p.level = p.exp = p.max_hp = p.hp = p.max_mp = p.mp = 0;
    p.attack = p.defence = p.intellect = p.hit = p.evasion = 0;
    p.moods.fill(0);
    p.pet_type() = 0;

    restore_all(g);
}

void restore_all(Game& g) {
    for (Combatant& c : g.combatants) c.status.fill(0);
    Combatant& a = g.adventurer();
    a.hp = a.max_hp;
    a.mp = a.max_mp;
    Combatant& p = g.pet();
    p.hp = p.max_hp;
    p.mp = p.max_mp;
    g.game_over = 0;
    g.in_battle = 0;
    g.turn_pending = 0;
}

void ResetRunState(Game& g) {
    for (Popup& p : g.popups) p = Popup{};
    g.popup_position = 0;
    g.enemy() = Combatant{};
    g.action_step = 0;
    g.action_technique = 0;
    g.game_over = 0;
    g.button_held = 0;
}

bool has_pet(const Game& g) {
    return !g.combatants[2].name.empty();
}

bool adventurer_exists(const Game& g) {
    return g.state.event_flags[0] != 0;
}

}  // namespace quill
