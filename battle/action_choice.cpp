#include "battle/action_choice.h"

#include <algorithm>

#include "audio/sound.h"
#include "platform/random.h"
#include "view/command_cards.h"
#include "view/frame.h"

namespace quill {
namespace {

using platform::random;

// Draws a slot until it names a technique (999 redraws at most, then the empty slot is
// taken as it is).
int32_t draw_slot_technique(const Game& g) {
    const Combatant& e = g.combatants[1];
    int32_t id = e.technique_slots[random(5)];
    for (int redraw = 0; redraw < 999; ++redraw) {
        if (id >= 0 && id < kSkillIds && !g.skills[id].name.empty()) break;
        id = e.technique_slots[random(5)];
    }
    return id;
}

int32_t tp_cost(const Game& g, int32_t id) {
    return id >= 0 && id < kSkillIds ? g.skills[id].tp_cost : 0;
}

void choose_enemy_action(Game& g) {
    g.action_technique = EnemyTechnique(g);
    g.action_step = 1;
}

void fill_battle_list(Game& g) {
    platform::ListBox& list = g.form.battle_list;
    list.items.clear();
    for (int id = 0; id < 100; ++id) {
        if (g.state.skill_level[id] > 0 && !g.skills[id].name.empty()) {
            list.items.push_back(g.skills[id].name);
        }
    }
    // The last row chosen, kept within the rows there are.
    const int32_t rows = static_cast<int32_t>(list.items.size());
    int32_t row = g.battle_list_last_index < 0 ? 0 : g.battle_list_last_index;
    if (row >= rows) row = rows - 1;
    list.item_index = row;
    list.item_height = rows > 24 ? 15 : 16;
}

void choose_player_action(Game& g) {
    fill_battle_list(g);
    Form& f = g.form;
    f.battle_box.left = kBattleBoxLeft;
    f.battle_box.top = kBattleBoxTop;
    f.battle_box.visible = true;
    g.action_technique = -1;
    battle_listMouseDown(g);
    ShowCards(g, kTechniqueCards);
}

}  // namespace

int32_t EnemyTechnique(Game& g) {
    const Combatant& e = g.combatants[1];
    // A technique the enemy can pay TP for; an enemy that can pay for none keeps the last
    // draw after many tries, and the performer tells that its TP fell short.
    int32_t id = draw_slot_technique(g);
    for (int tries = 0; tries < 10000 && e.tp < tp_cost(g, id); ++tries) {
        id = draw_slot_technique(g);
    }
    const std::string& name = e.name;
    const int32_t t = g.turn_count;
    if (name == "奥博士・MAYDAY MODE" && t % 2 == 1 && e.status[kSpecial] == 0) id = 59;
    if (name == "島・MAYDAY MODE" && t == 1) id = 202;
    if (name == "帰って来た毒蛾博士" && t == 1) id = 204;
    if ((name == "マジカル" || name == "マジカルアゲイン" || name == "マジカル・MAYDAY MODE") &&
        t == 1)
        id = 28;
    if ((name == "サニー・レイニーアゲイン" || name == "サニー・レイニー・MAYDAY MODE") &&
        t % 10 == 1)
        id = 38;
    if (name == "天界からの使者再び" && t % 5 == 1) id = 229;
    return id;
}

void ChooseActionStep(Game& g) {
    if (g.active_side == 1) {
        choose_enemy_action(g);
    } else {
        choose_player_action(g);
    }
}

void battle_listMouseDown(Game& g) {
    const platform::ListBox& list = g.form.battle_list;
    const int32_t before = g.battle_list_last_index;
    const int32_t row = list.item_index;
    g.battle_list_last_index = row;
    if (row >= 0 && row < static_cast<int32_t>(list.items.size())) {
        // The row's technique by its exact name; where two share a name the higher id wins.
        for (int id = 99; id >= 0; --id) {
            if (g.skills[id].name == list.items[row]) {
                g.action_technique = id;
                break;
            }
        }
    }
    if (row != before) {
        PlaySound(g, "key2.wav");
        ComposeFrame(g);
    }
}

void Button1Click(Game& g) {
    const platform::ListBox& list = g.form.battle_list;
    const int32_t row = list.item_index;
    if (g.action_technique == -1 || row < 0 || row >= static_cast<int32_t>(list.items.size()) ||
        list.items[row].empty() || !g.form.battle_box.visible) {
        return;
    }
    g.form.battle_box.visible = false;
    HideCards(g);  // one way to choose: the cards go with the list
    g.action_step = 1;
    g.button_held = 1;
}

}  // namespace quill
