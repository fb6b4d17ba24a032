#include "net/net_panels.h"

#include "audio/sound.h"
#include "net/ranking_exchange.h"
#include "net/report_exchange.h"
#include "state/name_tables.h"
#include "view/adventurer_pictures.h"
#include "view/message_log.h"
#include "view/report_list.h"

namespace quill {
namespace {

using std::to_string;

constexpr platform::Color kAqua = platform::Color::rgb(0x00FFFF);
constexpr platform::Color kFuchsia = platform::Color::rgb(0xFF00FF);
constexpr platform::Color kPictureGround = platform::Color::rgb(0x15151E);  // 21, 21, 30

// Six minutes on the minute hand, or a new hour.
bool too_soon(Game& g, int32_t& last_minute) {
    const int32_t m = g.clock->minute_of_hour();
    if (m - last_minute > 5 || m - last_minute < 0) {
        last_minute = m;
        return false;
    }
    return true;
}

void show_panel(platform::Panel& p) {
    p.left = 0;
    p.top = 0;
    p.visible = true;
}

// The chosen adventurer and pet, drawn from their own files; the player's sprites stay.
void draw_entry_picture(Game& g, const RankEntry& e) {
    platform::Bitmap& picture = g.form.rank_Cg.picture;
    picture.fill_rect(0, 0, picture.width(), picture.height(), kPictureGround);
    platform::Bitmap sprite;
    if (sprite.load(g.folders.cg_file(AdventurerPictureFile(e.race_sex, e.level)))) {
        picture.draw_transparent(sprite, 0, 0);
    }
    if (e.pet_name.empty()) return;
    platform::Bitmap pet;
    if (LoadPetPicture(g, e.pet_look, pet))
        picture.draw_transparent(pet, 0, picture.height() - 100);
}

void show_details(Game& g) {
    Form& f = g.form;
    const int row = f.net_list.item_index;
    if (row < 0) return;
    if (row >= static_cast<int>(f.net_list.items.size()) || f.net_list.items[row].empty()) {
        g.rank_selected = -1;
        f.net_l.caption.clear();
        return;
    }
    if (row == g.rank_selected) return;
    PlaySound(g, "key2.wav");
    g.rank_selected = row;
    const int32_t index = row < static_cast<int>(g.net_rows.size()) ? g.net_rows[row] : -1;
    if (index < 0 || index >= static_cast<int32_t>(g.rank_entries.size())) return;
    const RankEntry& e = g.rank_entries[index];
    f.net_l.caption = RankDetails(e);
    draw_entry_picture(g, e);
}

void close_panels(Game& g) {
    ClearLog(g);
    PlaySound(g, "d.wav");
    g.form.item_box.visible = false;
    g.form.net_box.visible = false;
    g.form.world_box.visible = false;
}

}  // namespace

bool rank_too_soon(Game& g) {
    return too_soon(g, g.state.last_rank_send_minute);
}

bool report_too_soon(Game& g) {
    return too_soon(g, g.state.last_report_minute);
}

std::string RankDetails(const RankEntry& e) {
    const std::string title = e.title.empty() ? "" : "称号: " + e.title;
    const std::string pet =
        e.pet_name.empty() ? "" : "ペット: " + e.pet_name + " Lv" + to_string(e.pet_level);
    return e.name + "(ver" + to_string(e.version) + ") Lv" + to_string(e.level) + "\n" +
           "(タイプ: " + char_type_name(e.char_type) + " / 種族: " + race_sex_name(e.race_sex) +
           ")\n\n" + "攻: " + to_string(e.attack) + "\n" + "防: " + to_string(e.defence) + "\n" +
           "命: " + to_string(e.hit) + "\n" + "回: " + to_string(e.evasion) + "\n" +
           "ｸﾘ: " + to_string(e.critical) + "％\n" + "ガ: " + to_string(e.guard) + "％\n\n" +
           "ロード: " + to_string(e.load_count) + "\n" + "戦闘: " + to_string(e.battle_count) +
           "\n" + "最高距離: " + to_string(e.max_distance_m) + "m地点\n\n" +
           "装備: " + to_string(e.equipment_kinds) + "\n" +
           "レア: " + to_string(e.rare_item_kinds) + "\n" + "戦績: " + to_string(e.record_kinds) +
           "\n" + "　技: " + to_string(e.learned_techniques) + "\n\n" + pet + "\n\n\n" +
           "得点: " + to_string(e.score) + " 点 " + score_rank_word(e.score) + "\n" + title + "\n" +
           e.date;
}

void FillRankList(Game& g) {
    platform::ListBox& list = g.form.net_list;
    list.items.clear();
    list.item_colors.clear();
    list.item_index = -1;
    g.net_rows.clear();
    for (size_t k = 0; k < g.rank_entries.size(); ++k) {
        const RankEntry& e = g.rank_entries[k];
        if (e.name.empty()) continue;
        list.items.push_back(to_string(k + 1) + "位 " + to_string(e.score) + "点 -- " + e.name);
        list.item_colors.push_back(e.race_sex % 2 == 0 ? kAqua : kFuchsia);
        g.net_rows.push_back(static_cast<int32_t>(k));
    }
}

void Image15MouseDown(Game& g) {
    if (g.net_busy || g.map_shown == 0 || g.in_battle == 1) return;
    PlaySound(g, "a.wav");
    show_panel(g.form.world_box);
    const bool too_soon_now = report_too_soon(g);
    if (!(too_soon_now && g.reports_loaded)) fetch_reports(g);
    DrawReportList(g);
}

void l_btn70MouseDown(Game& g) {
    if (g.map_shown == 0 || g.in_battle == 1) return;
    Form& f = g.form;
    PlaySound(g, "key3.wav");
    f.world_box.visible = false;
    g.rank_selected = -1;
    f.net_l.caption.clear();
    f.rank_Cg.picture.fill_rect(0, 0, f.rank_Cg.picture.width(), f.rank_Cg.picture.height(),
                                kPictureGround);
    show_panel(f.net_box);
    const bool too_soon_now = rank_too_soon(g);
    if (!(too_soon_now && g.ranking_loaded)) fetch_rank(g);
    FillRankList(g);
    const int32_t own = own_rank(g);
    for (size_t row = 0; row < g.net_rows.size(); ++row) {
        if (g.net_rows[row] == own) f.net_list.item_index = static_cast<int>(row);
    }
    show_details(g);
}

void l_btn71MouseDown(Game& g) {
    PlaySound(g, "key3.wav");
    show_panel(g.form.world_box);
    g.form.net_box.visible = false;
    DrawReportList(g);
}

void net_listMouseDown(Game& g) {
    show_details(g);
}

void l_btn68MouseDown(Game& g) {
    close_panels(g);
}

void l_btn69MouseDown(Game& g) {
    close_panels(g);
}

}  // namespace quill
