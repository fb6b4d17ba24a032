#include "simple_player.h"

#include "battle/action_choice.h"
#include "character/creation.h"
#include "character/pet_panel.h"
#include "explore/field_commands.h"
#include "explore/island.h"
#include "explore/rest_and_inn.h"
#include "items/item_panel.h"
#include "shell/input.h"
#include "state/item_table.h"
#include "view/command_cards.h"

namespace quill::soak {
namespace {

void click(Game& g) {
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    cgMouseUp(g, {platform::MouseButton::Left, 5, 5});
}

void click_card(Game& g, int32_t card) {
    const CommandEntry& c = g.commands[card];
    g.pointer_x = c.target_x + 4;
    g.pointer_y = c.target_y + 4;
    ClickMainPicture(g, g.pointer_x, g.pointer_y, platform::MouseButton::Left);
    cgMouseUp(g, {platform::MouseButton::Left, g.pointer_x, g.pointer_y});
}

// The visits: the tool shop (a purchase of the first weapon when there is money) and the
// pet house (naming the pet once, then a raise of its strength when there are BP).
void run_errand(Game& g, Tally& t) {
    switch (t.errand++) {
        case 1:  // the keeper's greeting, or the pet house's
            return click(g);
        case 2:
            if (g.form.item_box.visible) {
                g.form.item_list.item_index = 1;
                item_listMouseDown(g);
                if (g.state.money >= 600 && g.state.item_count[1] < 5) l_btn10MouseDown(g);
                return;
            }
            if (g.form.pet_box.visible) {
                if (g.pet().name.empty()) {
                    g.form.pet_name_l.text = "モコ";
                    pet_name_lChange(g);
                    l_btn60MouseDown(g);
                } else {
                    l_btn63MouseDown(g);
                }
            }
            return;
        default:
            if (g.form.item_box.visible) l_btn9MouseDown(g);
            if (g.form.pet_box.visible) l_btn64MouseDown(g);
            if (g.map_shown == 1 || t.errand > 6) t.errand = 0;
            return;
    }
}

// The row of the open item panel that shows `id`, or -1.
int row_of(const Game& g, int32_t id) {
    for (size_t row = 0; row < g.panel_rows.size(); ++row) {
        if (g.panel_rows[row] == id) return static_cast<int>(row);
    }
    return -1;
}

// The strongest weapon held that is not worn yet (0 when the one worn is the strongest).
int32_t better_weapon(const Game& g) {
    const Combatant& a = g.combatants[0];
    int32_t best = 0;
    int32_t best_attack = a.weapon > 0 ? g.items[a.weapon].attack : -1;
    for (int32_t id = 1; id < kItemTableSize; ++id) {
        const ItemRecord& item = g.items[id];
        if (g.state.item_count[id] < 1 || item.name.empty() || item.category != kItemWeapon)
            continue;
        if (item.attack > best_attack) {
            best = id;
            best_attack = item.attack;
        }
    }
    return best;
}

// The equipment screen: the better weapon chosen and worn, the screen closed again.
void wear(Game& g, int32_t id) {
    Image7MouseDown(g);
    const int row = row_of(g, id);
    if (row >= 0) {
        g.form.item_list.item_index = row;
        item_listMouseDown(g);
        l_btn10MouseDown(g);
    }
    l_btn9MouseDown(g);
}

// The strengthening screen: BP spent on the first learned technique that still grows.
void spend_bonus_points(Game& g) {
    Image8MouseDown(g);
    for (size_t row = 0; row < g.panel_rows.size() && g.state.bonus_points > 0; ++row) {
        const int32_t id = g.panel_rows[row];
        if (id < 0 || id >= kSkillIds || g.state.skill_level[id] < 1 ||
            g.state.skill_level[id] >= 10) {
            continue;
        }
        const int32_t before = g.state.bonus_points;
        g.form.item_list.item_index = static_cast<int>(row);
        item_listMouseDown(g);
        l_btn10MouseDown(g);
        if (g.state.bonus_points == before) continue;  // refused: the next one
        break;
    }
    l_btn9MouseDown(g);
}

}  // namespace

void play(Game& g, Tally& t) {
    const Combatant& a = g.adventurer();
    if (g.game_over == 1 || g.awaiting_click == 1 || g.screen_mode != kGame) return click(g);
    if (g.form.bp_box.visible) return l_btn8MouseDown(g);
    if (t.errand > 0) return run_errand(g, t);
    if (g.map_shown == 1) {
        if (a.hp * 5 < a.max_hp * 4 && g.state.money >= InnPrice(g)) {
            ++t.inns;
            return map_b0MouseDown(g);
        }
        // What was bought is worn, and BP are spent on the techniques.
        if (const int32_t id = better_weapon(g)) {
            ++t.equips;
            return wear(g, id);
        }
        if (g.state.bonus_points > 0 && t.outings % 3 == 1) {
            ++t.strengthenings;
            ++t.outings;
            return spend_bonus_points(g);
        }
        if (t.outings % 9 == 4) {
            ++t.outings;
            ++t.shop_visits;
            t.errand = 1;
            return Image6MouseDown(g);
        }
        if (t.outings % 13 == 6 && a.level >= 22) {
            ++t.outings;
            ++t.pet_visits;
            t.errand = 1;
            return map_b20MouseDown(g);
        }
        ++t.outings;
        return map_b1MouseDown(g);
    }
    if (g.form.battle_box.visible) {
        g.form.battle_list.item_index = 0;
        battle_listMouseDown(g);
        return Button1Click(g);
    }
    switch (g.command_mode) {
        case kFieldCards:
            // Hurt: a rest while there is MP for it, else the way home.
            if (a.hp * 5 >= a.max_hp * 4) return click_card(g, 501);
            return click_card(g, a.mp >= RestCost(g) ? 502 : 503);
        case kChestCards:
            return click_card(g, 504);
        case kSicknessCards:
            return click_card(g, 507);
        default:
            return click(g);
    }
}

}  // namespace quill::soak
