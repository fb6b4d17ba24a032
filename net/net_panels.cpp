#include "net/net_panels.h"

#include "audio/sound.h"
#include "net/ranking_exchange.h"
#include "net/report_exchange.h"
#include "platform/text_layout.h"
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

// One line of the details, and where a line too long for the box may be broken in two: after
// the name, before its version and level; after the pet's name, before its level.
struct DetailLine {
    std::string text;
    size_t break_at = std::string::npos;
};

std::vector<DetailLine> detail_lines(const RankEntry& e) {
    const std::string title = e.title.empty() ? "" : "称号: " + e.title;
    DetailLine pet;
    if (!e.pet_name.empty()) {
        pet.text = "ペット: " + e.pet_name;
        pet.break_at = pet.text.size() + 1;  // the level's line leaves out the space
        pet.text += " Lv" + to_string(e.pet_level);
    }
    return {
        {e.name + "(ver" + to_string(e.version) + ") Lv" + to_string(e.level), e.name.size()},
        {"(タイプ: " + char_type_name(e.char_type) + " / 種族: " + race_sex_name(e.race_sex) + ")"},
        {""},
        {"攻: " + to_string(e.attack)},
        {"防: " + to_string(e.defence)},
        {"命: " + to_string(e.hit)},
        {"回: " + to_string(e.evasion)},
        {"ｸﾘ: " + to_string(e.critical) + "％"},
        {"ガ: " + to_string(e.guard) + "％"},
        {""},
        {"ロード: " + to_string(e.load_count)},
        {"戦闘: " + to_string(e.battle_count)},
        {"最高距離: " + to_string(e.max_distance_m) + "m地点"},
        {""},
        {"装備: " + to_string(e.equipment_kinds)},
        {"レア: " + to_string(e.rare_item_kinds)},
        {"戦績: " + to_string(e.record_kinds)},
        {"　技: " + to_string(e.learned_techniques)},
        {""},
        pet,
        {""},
        {""},
        {"得点: " + to_string(e.score) + " 点 " + score_rank_word(e.score)},
        {title},
        {TimeWithTwoDigitMinutes(e.date)}};
}

// The details as their box shows them: each line on one line of the box, cut with "…" where
// it is too long, except that a name too long to share its line with what follows it takes
// that line alone, and what followed goes on the next.
std::string details_for_box(const platform::Label& box, const RankEntry& e) {
    const int width = box.width - 2;  // two pixels kept for the box's own rounding
    std::string shown;
    for (const DetailLine& line : detail_lines(e)) {
        const bool breaks = line.break_at < line.text.size() &&
                            platform::Bitmap::text_width(line.text, box.font) > width;
        if (breaks) {
            shown += platform::elide_text(line.text.substr(0, line.break_at), box.font, width) +
                     "\n" + platform::elide_text(line.text.substr(line.break_at), box.font, width);
        } else {
            shown += platform::elide_text(line.text, box.font, width);
        }
        shown += "\n";
    }
    shown.pop_back();
    return shown;
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
    f.net_l.caption = details_for_box(f.net_l, e);
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
    std::string text;
    for (const DetailLine& line : detail_lines(e)) text += line.text + "\n";
    text.pop_back();
    return text;
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
    // An empty list says why it is empty.
    if (g.net_rows.empty()) f.net_l.caption = kNobodyRanked;
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
