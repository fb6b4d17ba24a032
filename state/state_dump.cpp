#include "state/state_dump.h"

#include <cstdio>
#include <string_view>

namespace quill {
namespace {

// Writes one JSON object; keys are added in the order given.
class Json {
  public:
    void open(char bracket) {
        comma();
        out_ += bracket;
        first_ = true;
    }
    void close(char bracket) {
        out_ += bracket;
        first_ = false;
    }
    void key(std::string_view k) {
        comma();
        string(k);
        out_ += ':';
        first_ = true;  // the value follows without a comma
    }
    void value(int32_t v) {
        comma();
        out_ += std::to_string(v);
    }
    void value(std::string_view s) {
        comma();
        string(s);
    }
    template <class Array>
    void array(const Array& a) {
        open('[');
        for (const auto& x : a) value(x);
        close(']');
    }
    template <class Nested>
    void arrays(const Nested& rows) {
        open('[');
        for (const auto& row : rows) array(row);
        close(']');
    }
    void field(std::string_view k, int32_t v) {
        key(k);
        value(v);
    }
    void field(std::string_view k, std::string_view v) {
        key(k);
        value(v);
    }
    template <class Array>
    void field_array(std::string_view k, const Array& a) {
        key(k);
        array(a);
    }
    std::string take() { return std::move(out_); }

  private:
    void comma() {
        if (!first_) out_ += ',';
        first_ = false;
    }
    void string(std::string_view s) {
        out_ += '"';
        for (char c : s) {
            const auto u = static_cast<unsigned char>(c);
            if (c == '"' || c == '\\') {
                out_ += '\\';
                out_ += c;
            } else if (u < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", u);
                out_ += esc;
            } else {
                out_ += c;
            }
        }
        out_ += '"';
    }
    std::string out_;
    bool first_ = true;
};

void dump_combatant(Json& j, const Combatant& c) {
    j.open('{');
    j.field("element", c.element);
    j.field("name", c.name);
    j.field("pendant", c.pendant);
    j.field("earring", c.earring);
    j.field("helmet", c.helmet);
    j.field("shield", c.shield);
    j.field("armour", c.armour);
    j.field("right_ring", c.right_ring);
    j.field("left_ring", c.left_ring);
    j.field("waist", c.waist);
    j.field("arm", c.arm);
    j.field("weapon", c.weapon);
    j.field("level", c.level);
    j.field("gold_reward", c.gold_reward);
    j.field("exp", c.exp);
    j.field("max_hp", c.max_hp);
    j.field("hp", c.hp);
    j.field("mp", c.mp);
    j.field("max_mp", c.max_mp);
    j.field("tp", c.tp);
    j.field("max_tp", c.max_tp);
    j.field("present", c.present);
    j.field("defence", c.defence);
    j.field("spirit", c.spirit);
    j.field("attack", c.attack);
    j.field("intellect", c.intellect);
    j.field("hit", c.hit);
    j.field("evasion", c.evasion);
    j.field_array("technique_slots", c.technique_slots);
    j.field("magic_affinity", c.magic_affinity);
    j.field("light_weakness", c.light_weakness);
    j.field("element_guard", c.element_guard);
    j.key("status");
    j.open('{');
    for (int s = 0; s < kStatusCount; ++s) j.field(status_name(Status(s)), c.status[s]);
    j.close('}');
    j.field("mp_regen_kind", c.mp_regen_kind);
    j.field("reward_rank", c.reward_rank);
    j.field("guard_rate", c.guard_rate);
    j.field("critical_rate", c.critical_rate);
    j.field("reserved36", c.reserved36);
    j.field("look", c.look);
    j.field_array("moods", c.moods);
    j.close('}');
}

void dump_game_state(Json& j, const GameState& s) {
    j.open('{');
    j.field("race_sex", s.race_sex);
    j.field("char_type", s.char_type);
    j.field("raised_attribute", s.raised_attribute);
    j.field("player_id", s.player_id);
    j.field("money", s.money);
    j.field("bonus_points", s.bonus_points);
    j.field_array("item_count", s.item_count);
    j.field_array("item_seen", s.item_seen);
    j.field_array("hoshio_slots", s.hoshio_slots);
    j.field_array("skill_level", s.skill_level);
    j.field_array("skill_use_count", s.skill_use_count);
    j.field_array("skill_seen", s.skill_seen);
    j.field_array("skill_order", s.skill_order);
    j.field_array("combo_discovered", s.combo_discovered);
    j.field_array("event_flags", s.event_flags);
    j.field_array("story_flags", s.story_flags);
    j.field("score", s.score);
    j.field("max_distance_m", s.max_distance_m);
    j.field("distance_m", s.distance_m);
    j.field("load_count", s.load_count);
    j.field("death_count", s.death_count);
    j.field("battle_count", s.battle_count);
    j.field("escape_count", s.escape_count);
    j.field("miss_count", s.miss_count);
    j.field("guard_count", s.guard_count);
    j.field("combo_count", s.combo_count);
    j.field("pet_knockout_count", s.pet_knockout_count);
    j.field("chest_open_count", s.chest_open_count);
    j.field("cure_count", s.cure_count);
    j.field("kills_vomact", s.kills_vomact);
    j.field("kills_henteko", s.kills_henteko);
    j.field("kills_yowakko", s.kills_yowakko);
    j.field("kills_extra", s.kills_extra);
    j.field("kills_ghost", s.kills_ghost);
    j.field("kills_tsuyokko", s.kills_tsuyokko);
    j.field("kills_dragon", s.kills_dragon);
    j.field("game_speed", s.game_speed);
    j.field("format_upgrade_done", s.format_upgrade_done);
    j.field("saved_scene_step", s.saved_scene_step);
    j.field("save_damaged", s.save_damaged);
    j.field("last_rank_send_minute", s.last_rank_send_minute);
    j.field("last_report_minute", s.last_report_minute);
    j.field("last_rank", s.last_rank);
    j.field("net_off", s.net_off);
    j.field_array("reserved_block", s.reserved_block);
    j.key("reserved_pairs");
    j.arrays(s.reserved_pairs);
    j.key("reserved_tables");
    j.arrays(s.reserved_tables);
    j.field_array("reserved_list", s.reserved_list);
    j.field_array("reserved_ints", s.reserved_ints);
    j.field("reserved_text", s.reserved_text);
    j.close('}');
}

void dump_items(Json& j, const ItemTable& items) {
    j.open('[');
    for (const ItemRecord& r : items) {
        j.open('{');
        j.field("name", r.name);
        j.field("description", r.description);
        j.field("one_only", r.one_only);
        j.field("price", r.price);
        j.field("category", r.category);
        j.field("amount", r.amount);
        j.field("requires_item", r.requires_item);
        j.field("combo_power", r.combo_power);
        j.field("magic_power", r.magic_power);
        j.field("mp_on_miss", r.mp_on_miss);
        j.field("accessory_hit", r.accessory_hit);
        j.field("guard", r.guard);
        j.field("critical", r.critical);
        j.field("defence", r.defence);
        j.field("hit_evasion", r.hit_evasion);
        j.field("attack", r.attack);
        j.close('}');
    }
    j.close(']');
}

void dump_run(Json& j, const Game& g) {
    j.open('{');
    j.field("screen_mode", g.screen_mode);
    j.field("scene_kind", g.scene_kind);
    j.field("sequence_step", g.sequence_step);
    j.field("action_step", g.action_step);
    j.field("action_technique", g.action_technique);
    j.field("active_side", g.active_side);
    j.field("turn_count", g.turn_count);
    j.field("command_mode", g.command_mode);
    j.field("in_battle", g.in_battle);
    j.field("map_shown", g.map_shown);
    j.field("awaiting_click", g.awaiting_click);
    j.field("game_over", g.game_over);
    j.field("distance_m", g.state.distance_m);
    j.field("walks_since_inn", g.walks_since_inn);
    j.field("button_held", g.button_held);
    j.field("turn_pending", g.turn_pending);
    j.field("tick_count", g.tick_count);
    j.field("milestone_suppressed", g.milestone_suppressed);
    j.close('}');
}

}  // namespace

std::string StateDump(const Game& g) {
    Json j;
    j.open('{');
    j.key("combatants");
    j.open('[');
    for (const Combatant& c : g.combatants) dump_combatant(j, c);
    j.close(']');
    j.key("game_state");
    dump_game_state(j, g.state);
    j.key("run");
    dump_run(j, g);
    j.key("items");
    dump_items(j, g.items);
    j.close('}');
    return j.take() + "\n";
}

}  // namespace quill
