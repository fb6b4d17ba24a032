#include "items/item_panel.h"

#include <string>

#include "audio/sound.h"
#include "items/shop_stock.h"
#include "items/worn_items.h"
#include "platform/text_layout.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::Color;
using std::to_string;

constexpr Color kWhite = platform::colors::kWhite;
constexpr Color kYellow = Color::rgb(0xFFFF00);
constexpr Color kLime = Color::rgb(0x00FF00);
constexpr Color kAqua = Color::rgb(0x00FFFF);
constexpr Color kFuchsia = Color::rgb(0xFF00FF);

void add_row(Game& g, int32_t id, const std::string& text, Color colour) {
    g.form.item_list.items.push_back(text);
    g.form.item_list.item_colors.push_back(colour);
    g.panel_rows.push_back(id);
}

bool is_shop(ItemScreen screen) {
    return screen == ItemScreen::kShop || screen == ItemScreen::kArtificer ||
           screen == ItemScreen::kFatma;
}

const char* shop_title(ItemScreen screen) {
    if (screen == ItemScreen::kShop) return "ショッピング";
    if (screen == ItemScreen::kArtificer) return "人工屋";
    return "ファトマ号市";
}

bool worn(const Game& g, int32_t id) {
    for (int32_t Combatant::*slot : kEquipmentSlots) {
        if (g.combatants[0].*slot == id) return true;
    }
    return false;
}

std::string level_text(int32_t level) {
    if (level >= 10) return " MAX";
    return "Lv" + std::string(level < 10 ? " " : "") + to_string(level);
}

void held_of_category(Game& g, int32_t category, Color unseen) {
    for (int32_t id = 1; id < kItemTableSize; ++id) {
        const ItemRecord& item = g.items[id];
        if (g.state.item_count[id] < 1 || item.name.empty() || item.category != category) continue;
        add_row(g, id, item.name, g.state.item_seen[id] == 99 ? kWhite : unseen);
    }
}

// The hoshio slots as the ホーシオ screen lists them: one line a slot, so that all thirteen
// a player can have fit the box; a description too long for its line ends in "…" (the
// list's detail gives it whole).
std::string hoshio_slots_text(const Game& g) {
    const platform::Label& box = g.form.item_l3;
    const int line_width = box.width - 2;  // two pixels kept for the box's own rounding
    std::string text = "セット中のホーシオ";
    const int32_t usable = UsableHoshioSlots(g);
    for (int32_t i = 0; i < usable && i < kHoshioSlots; ++i) {
        const int32_t id = g.state.hoshio_slots[i];
        const ItemRecord& item = ItemAt(g.items, id);
        text += "\n";
        text += id == 0 ? "【――――】"
                        : platform::elide_text("【" + item.name + "】　" + item.description,
                                               box.font, line_width);
    }
    return text;
}

const char* slot_label(int32_t category) {
    switch (category) {
        case kItemWeapon:
            return " ≪武器≫";
        case kItemArmour:
            return " ≪防具≫";
        case kItemHelmet:
            return " ≪兜≫";
        case kItemShield:
            return " ≪盾≫";
        case kItemRightRing:
            return " ≪右指輪≫";
        case kItemLeftRing:
            return " ≪左指輪≫";
        case kItemWaist:
            return " ≪腰≫";
        case kItemArm:
            return " ≪腕≫";
        case kItemEarring:
            return " ≪イヤリング≫";
        case kItemPendant:
            return " ≪ペンダント≫";
        default:
            return "";
    }
}

std::string stat_line(const ItemRecord& i) {
    std::string s = slot_label(i.category);
    auto put = [&s](const char* what, int32_t n) { s += std::string(" ") + what + to_string(n); };
    switch (i.category) {
        case kItemWeapon:
            put("攻撃力 ", i.attack);
            put("命中率 ", i.hit_evasion);
            if (i.critical > 0) put("ｸﾘﾃｨｶﾙ率 ", i.critical);
            break;
        case kItemArmour:
            put("防御力 ", i.defence);
            put("回避率 ", i.hit_evasion);
            break;
        case kItemHelmet:
            put("防御力 ", i.defence);
            put("ｸﾘﾃｨｶﾙ率 ", i.critical);
            break;
        case kItemShield:
            put("防御力 ", i.defence);
            put("ガード率 ", i.guard);
            break;
        case kItemRightRing:
        case kItemLeftRing:
            put("命中率 ", i.accessory_hit);
            put("回避率 ", i.hit_evasion);
            break;
        case kItemWaist:
            put("防御力 ", i.defence);
            break;
        case kItemArm:
            put("攻撃力 ", i.attack);
            break;
        default:
            break;
    }
    return s;
}

void show_detail(Game& g, int32_t id) {
    Form& f = g.form;
    const ItemScreen screen = g.item_screen;
    if (id != g.panel_selection) PlaySound(g, "key2.wav");
    g.panel_selection = id;
    if (id < 0 || (id == 0 && screen != ItemScreen::kTechniques)) {  // a header, or nothing
        f.item_l.caption.clear();
        g.panel_selection = -1;
        return;
    }
    if (screen == ItemScreen::kTechniques) {
        const SkillRecord& t = g.skills[id];
        g.state.skill_seen[id] = 99;
        const int32_t level = g.state.skill_level[id];
        std::string text = t.name + "\nLV " +
                           (level >= 10 ? std::string("MAX") : to_string(level)) +
                           "  発動: " + to_string(g.state.skill_use_count[id]) + "回";
        if (t.mp_cost != 0) text += "\n MP -" + to_string(t.mp_cost);
        if (t.tp_cost != 0) text += "\n TP -" + to_string(t.tp_cost);
        text += "\n" + t.description + "\n" + t.level_note;
        f.item_l.caption = text;
        return;
    }
    const ItemRecord& item = g.items[id];
    g.state.item_seen[id] = 99;
    if (screen == ItemScreen::kRareItems || screen == ItemScreen::kAchievements) {
        f.item_l.caption =
            item.name + "\n" + item.description + "\nレア度: " + to_string(2 * item.price) + "Pt.";
    } else if (screen == ItemScreen::kHoshio) {
        f.item_l.caption = item.name + "\n" + item.description +
                           (FindSetHoshio(g, item.name) >= 0 ? "\n　　>>セット中<<" : "");
    } else if (is_shop(screen)) {
        f.item_l.caption = stat_line(item) + "\n" + item.description +
                           "\n(所持: " + to_string(g.state.item_count[id]) +
                           "個)\n値段: " + to_string(item.price) + "円";
        f.gold_l.caption = "所持金: " + to_string(g.state.money) + "円";
    } else {
        std::string text = worn(g, id) ? ">>装備中<<\n" : "";
        text += stat_line(item) + "\n" + item.name + "\n" + item.description +
                "\n(所持: " + to_string(g.state.item_count[id]) + "個)";
        f.item_l.caption = text;
    }
}

// The row that stands for the id, or -1.
int row_of(const Game& g, int32_t id) {
    for (size_t i = 0; i < g.panel_rows.size(); ++i) {
        if (g.panel_rows[i] == id) return static_cast<int>(i);
    }
    return -1;
}

// Rebuilds the list keeping the chosen item (not the row) chosen, with its detail.
void refresh_keeping(Game& g, int32_t id) {
    RefreshItemPanel(g);
    g.form.item_list.keep_view = true;  // the same list, changed under the player's pointer
    const int row = row_of(g, id);
    g.form.item_list.item_index = row;
    if (row >= 0) {
        show_detail(g, id);  // the same item as before: no second sound
    }
}

// Buys the chosen item; a permanent raise takes effect at once and says so.
void buy(Game& g, int32_t id) {
    const ItemRecord& item = g.items[id];
    GameState& s = g.state;
    if (s.money < item.price) {
        PlaySound(g, "no.wav");
        return;
    }
    PlaySound(g, "buy.wav");
    s.money -= item.price;
    s.item_count[id] += 1;
    Combatant& a = g.adventurer();
    const std::string amount = to_string(item.amount);
    std::string said;
    switch (item.category) {
        case kItemMaxHpRaise:
            a.max_hp += item.amount;
            said = "最大HPが " + amount + "上昇!! → " + to_string(a.max_hp);
            break;
        case kItemMaxMpRaise:
            a.max_mp += item.amount;
            said = "最大MPが " + amount + "上昇!! → " + to_string(a.max_mp);
            break;
        case kItemMaxTpRaise:
            a.max_tp += item.amount;
            said = "最大TPが " + amount + "上昇!! → " + to_string(a.max_tp);
            break;
        case kItemComboRaise:
            said = "連携ダメージが " + amount + "上昇!!";
            break;
        default:
            break;
    }
    if (!said.empty()) g.dialogs->message(said);
    // The list may change under the player (one-only items leave, the next of a series
    // comes, the 人工屋 draws afresh): the choice follows the item, not the row.
    refresh_keeping(g, id);
    if (g.form.item_list.item_index < 0) {
        g.panel_selection = -1;
        g.form.gold_l.caption = "所持金: " + to_string(s.money) + "円";
    }
}

void switch_to(Game& g, ItemScreen screen) {
    g.item_screen = screen;
    PlaySound(g, "key3.wav");
    g.panel_selection = -1;
    RefreshItemPanel(g);
}

}  // namespace

void RefreshItemPanel(Game& g) {
    Form& f = g.form;
    f.l_btn40.visible = f.l_btn41.visible = false;
    f.l_btn22.visible = false;
    f.item_box.left = 0;
    f.item_box.top = 0;
    f.item_box.visible = true;
    f.item_l.caption.clear();
    f.gold_l.caption = "BP: " + to_string(g.state.bonus_points) +
                       "ポイント / 所持金: " + to_string(g.state.money) + "円";
    f.item_list.items.clear();
    f.item_list.item_colors.clear();
    f.item_list.item_index = -1;
    f.item_list.keep_view = false;  // a new list starts at its top
    g.panel_rows.clear();
    f.item_l3.visible = false;
    f.l_btn11.visible = false;
    f.item_l4.visible = false;
    f.l_btn10.visible = true;
    const ItemScreen screen = g.item_screen;
    f.l_btn10.caption = ItemScreenCaption(screen);
    if (screen == ItemScreen::kRareItems || screen == ItemScreen::kAchievements) {
        const bool rare = screen == ItemScreen::kRareItems;
        f.item_l2.caption = ItemScreenCaption(screen);
        held_of_category(g, rare ? kItemRare : kItemAchievement, rare ? kYellow : kLime);
        f.l_btn10.visible = false;
        f.l_btn11.caption = ">技画面へ";
        f.l_btn11.visible = true;
        f.l_btn22.caption = rare ? ">戦績" : ">アイテム一覧";
        f.l_btn22.visible = true;
    } else if (screen == ItemScreen::kTechniques) {
        f.item_l2.caption = "技一覧";
        for (int32_t id : g.state.skill_order) {
            if (id < 0 || id >= kSkillIds || g.skills[id].name.empty()) continue;
            const int32_t level = g.state.skill_level[id];
            if (level <= 0) continue;
            add_row(g, id, level_text(level) + " " + g.skills[id].name,
                    g.state.skill_seen[id] == 99 ? kWhite : kFuchsia);
        }
        f.item_l.caption = "どの技を強化しますか？";
        f.l_btn40.visible = f.l_btn41.visible = true;
        f.l_btn11.caption = ">アイテム画面へ";
        f.l_btn11.visible = true;
    } else if (screen == ItemScreen::kHoshio) {
        f.item_l2.caption = "ホーシオ一覧";
        for (int32_t id = 1; id < kItemTableSize; ++id) {
            const ItemRecord& item = g.items[id];
            if (g.state.item_count[id] < 1 || item.category != kItemHoshio) continue;
            add_row(g, id, (FindSetHoshio(g, item.name) >= 0 ? " ＞" : "   ") + item.name,
                    g.state.item_seen[id] == 99 ? kWhite : kAqua);
        }
        f.item_l3.caption = hoshio_slots_text(g);
        f.item_l3.visible = true;
        f.item_l.caption = "ホーシオをセットして下さい。";
        f.l_btn11.caption = ">装備画面へ";
        f.l_btn11.visible = true;
    } else if (screen == ItemScreen::kEquipment) {
        f.item_l2.caption = "装備モード";
        for (int32_t id = 1; id < kItemTableSize; ++id) {
            const ItemRecord& item = g.items[id];
            const bool equipment =
                (item.category >= kItemWeapon && item.category <= kItemEarring) ||
                item.category == kItemPendant;
            if (g.state.item_count[id] < 1 || item.name.empty() || !equipment) continue;
            add_row(g, id, (worn(g, id) ? " ＞" : "　 ") + item.name,
                    g.state.item_seen[id] == 99 ? kWhite : kAqua);
        }
        f.item_l3.visible = true;
        f.l_btn11.caption = ">ホーシオ画面へ";
        f.l_btn11.visible = true;
    } else if (is_shop(screen)) {
        f.item_l2.caption = shop_title(screen);
        int32_t held_back = 0;
        const std::vector<ShopLine> stock = ShopStock(g, screen, &held_back);
        // The shelf shows only what the adventurer could buy soon; the rest is told in a line.
        if (held_back > 0) {
            f.item_l4.caption =
                "お金かレベルが足りない品物（" + to_string(held_back) + "品）は並んでいません";
            f.item_l4.visible = true;
        }
        for (const ShopLine& line : stock) {
            if (line.id == 0) {
                add_row(g, 0, ShopPrefix(0) + std::string(line.header), kWhite);
            } else {
                add_row(g, line.id, ShopPrefix(g.state.item_count[line.id]) + g.items[line.id].name,
                        kWhite);
            }
        }
    } else {
        f.item_l2.caption = ItemScreenCaption(screen);
        f.l_btn10.visible = false;
    }
}

void item_listMouseDown(Game& g) {
    const int row = g.form.item_list.item_index;
    if (row < 0 || row >= static_cast<int>(g.panel_rows.size())) return;
    show_detail(g, g.panel_rows[row]);
    // The row turns white once its detail was seen.
    if (row < static_cast<int>(g.form.item_list.item_colors.size()) && g.panel_rows[row] >= 0) {
        g.form.item_list.item_colors[row] = kWhite;
    }
}

void l_btn10MouseDown(Game& g) {
    Form& f = g.form;
    const int row = f.item_list.item_index;
    const int32_t id = g.panel_selection;
    if (row < 0 || row >= static_cast<int>(f.item_list.items.size()) ||
        f.item_list.items[row].empty() || id == -1) {
        return;
    }
    const ItemScreen screen = g.item_screen;
    if (screen == ItemScreen::kTechniques) {
        const std::string said = g.strengthen ? g.strengthen(g, id) : "";
        if (!said.empty()) {
            f.item_l.caption = said;
            return;
        }
        refresh_keeping(g, id);
        return;
    }
    if (id <= 0 || id >= kItemTableSize || g.items[id].name.empty()) return;
    if (is_shop(screen)) {
        buy(g, id);
        return;
    }
    if (g.state.item_count[id] < 1) return;
    const ItemRecord& item = g.items[id];
    if (screen == ItemScreen::kHoshio) {
        const int32_t set = FindSetHoshio(g, item.name);
        if (set >= 0) {
            g.state.hoshio_slots[set] = 0;
            PlaySound(g, "koyasi.wav");
        } else {
            const int32_t usable = std::min(UsableHoshioSlots(g), kHoshioSlots);
            int32_t free = -1;
            for (int32_t i = 0; i < usable && free < 0; ++i) {
                if (g.state.hoshio_slots[i] == 0) free = i;
            }
            if (free < 0) {
                f.item_l.caption =
                    "セットできる枠がありません。同名ホーシオをセットすると外す事ができます。";
                PlaySound(g, "no.wav");
                return;
            }
            g.state.hoshio_slots[free] = id;
            PlaySound(g, "in.wav");
        }
        refresh_keeping(g, id);
    } else if (screen == ItemScreen::kEquipment) {
        Combatant& a = g.adventurer();
        bool taken_off = false;
        for (int32_t Combatant::*slot : kEquipmentSlots) {
            if (a.*slot == id) {
                a.*slot = 0;
                taken_off = true;
                break;
            }
        }
        if (taken_off) {
            PlaySound(g, "koyasi.wav");
        } else if (int32_t* slot = EquipmentSlot(a, item.category)) {
            *slot = id;
            PlaySound(g, "in.wav");
        }
        refresh_keeping(g, id);
    }
}

void l_btn11MouseDown(Game& g) {
    const std::string& caption = g.form.l_btn11.caption;
    if (caption == ">技画面へ") return switch_to(g, ItemScreen::kTechniques);
    if (caption == ">アイテム画面へ") return switch_to(g, ItemScreen::kRareItems);
    if (caption == ">装備画面へ") return switch_to(g, ItemScreen::kEquipment);
    if (caption == ">ホーシオ画面へ") return switch_to(g, ItemScreen::kHoshio);
}

void l_btn22MouseDown(Game& g) {
    switch_to(
        g, g.form.l_btn22.caption == ">戦績" ? ItemScreen::kAchievements : ItemScreen::kRareItems);
}

namespace {

// Swaps the chosen technique with its neighbour in the technique order.
void move_technique(Game& g, int direction) {
    const int32_t id = g.panel_selection;
    auto& order = g.state.skill_order;
    int at = -1;
    for (int i = 0; i < kSkillOrderSize; ++i) {
        if (order[i] == id && id >= 0) at = i;
    }
    if (at < 0) return;
    // The neighbour is the next listed technique that way (empty entries are not listed).
    int other = at + direction;
    while (other >= 0 && other < kSkillOrderSize &&
           (order[other] < 0 || g.state.skill_level[order[other]] <= 0)) {
        other += direction;
    }
    if (other < 0 || other >= kSkillOrderSize) return;
    std::swap(order[at], order[other]);
    PlaySound(g, "pi.wav");
    refresh_keeping(g, id);
}

}  // namespace

void l_btn40MouseDown(Game& g) {
    move_technique(g, -1);
}

void l_btn41MouseDown(Game& g) {
    move_technique(g, +1);
}

void l_btn9MouseDown(Game& g) {
    Form& f = g.form;
    const ItemScreen screen = g.item_screen;
    PlaySound(g, "d.wav");
    f.item_box.visible = false;
    f.net_box.visible = false;
    f.world_box.visible = false;
    // A travelling merchant who was visited does not come back until the next won battle.
    if (screen == ItemScreen::kArtificer) g.merchant_visited[0] = 1;
    if (screen == ItemScreen::kFatma) g.merchant_visited[1] = 1;
    // The shops and the technique screen return to the island; the equipment and item
    // screens were opened over the map, which is still there.
    if (screen == ItemScreen::kShop || screen == ItemScreen::kTechniques ||
        screen == ItemScreen::kHoshio || screen == ItemScreen::kArtificer ||
        screen == ItemScreen::kFatma) {
        if (g.enter_area) g.enter_area(g);
    }
}

}  // namespace quill
