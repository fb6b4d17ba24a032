#include "state/save_files.h"

#include <algorithm>
#include <iostream>

#include "platform/file_io.h"
#include "platform/text_file.h"
#include "state/record_export.h"
#include "state/save_backups.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace quill {
namespace {

const char kDamagedMessage[] = "データが壊れています。初期化してプレーしなおしてください";

// Visits every line of my.dat in file order; the readers and the writer share this map.
template <class Visitor>
void walk_save_lines(Game& g, Visitor& v) {
    GameState& s = g.state;
    Combatant& a = g.combatants[0];
    Combatant& p = g.combatants[2];
    for (auto& x : s.event_flags) v.num(x);     // 1-100
    for (auto& x : s.reserved_block) v.num(x);  // 101-200
    for (auto& x : s.item_count) v.num(x);      // 201-1200
    for (auto& x : s.story_flags) v.num(x);     // 1201-1300
    v.num(s.money);
    v.num(s.bonus_points);
    for (int i = 0; i <= 5; ++i) v.num(s.reserved_ints[i]);  // 1303-1308
    v.num(s.load_count);
    v.num(s.reserved_ints[6]);
    v.num(s.reserved_ints[7]);
    v.num(s.death_count);  // 1312
    v.num(s.escape_count);
    v.num(s.battle_count);
    for (auto& pair : s.reserved_pairs) {  // 1315-1354
        v.num(pair[0]);
        v.num(pair[1]);
    }
    for (auto& x : s.item_seen) v.num(x);                     // 1355-2354
    for (int i = 8; i <= 14; ++i) v.num(s.reserved_ints[i]);  // 2355-2361
    v.num(s.game_speed);
    for (auto& table : s.reserved_tables) {  // 2363-2406
        for (auto& x : table) v.num(x);
    }
    for (auto& x : s.reserved_list) v.num(x);    // 2407-3406
    for (auto& x : s.skill_level) v.num(x);      // 3407-4406
    for (auto& x : s.skill_use_count) v.num(x);  // 4407-5406
    for (auto& x : s.hoshio_slots) v.num(x);     // 5407-5426
    v.text(a.name);                              // 5427
    for (int32_t* x : {&a.reserved36, &a.weapon, &a.level, &a.exp, &a.max_hp, &a.max_mp, &a.hp,
                       &a.mp, &a.tp, &a.defence, &a.spirit, &a.attack, &a.intellect, &a.hit,
                       &a.evasion, &a.shield, &a.helmet, &a.armour}) {
        v.num(*x);  // 5428-5445
    }
    for (int i = 15; i <= 18; ++i) v.num(s.reserved_ints[i]);  // 5446-5449
    v.text(s.reserved_text);                                   // 5450
    v.step();                                                  // 5451
    for (int32_t* x : {&s.char_type, &s.raised_attribute, &s.score, &s.max_distance_m, &s.race_sex,
                       &a.right_ring, &a.left_ring, &a.waist, &a.arm, &s.reserved_ints[19],
                       &a.max_tp, &a.pendant, &a.earring}) {
        v.num(*x);  // 5452-5464
    }
    v.checksum();  // 5465
    v.num(s.player_id);
    v.num(s.last_rank_send_minute);
    for (auto& x : s.skill_order) v.num(x);  // 5468-5567
    for (auto& x : s.skill_seen) v.num(x);   // 5568-6567
    for (int32_t* x : {&s.miss_count, &s.combo_count, &s.guard_count, &s.kills_vomact,
                       &s.kills_henteko, &s.kills_yowakko, &s.kills_extra}) {
        v.num(*x);  // 6568-6574
    }
    v.text(p.name);  // 6575
    for (int32_t* x : {&p.hp, &p.max_hp, &p.mp, &p.max_mp, &p.attack}) v.num(*x);
    for (auto& m : p.moods) v.num(m);  // 6581-6585
    for (int32_t* x : {&p.intellect, &p.evasion, &p.exp, &p.level, &s.pet_knockout_count, &p.hit,
                       &p.defence, &s.last_report_minute}) {
        v.num(*x);  // 6586-6593
    }
    for (auto& x : s.combo_discovered) v.num(x);  // 6594-7593
    for (int32_t* x : {&p.look, &s.death_count, &s.kills_ghost, &s.kills_tsuyokko, &s.kills_dragon,
                       &s.chest_open_count, &s.cure_count, &s.format_upgrade_done}) {
        v.num(*x);  // 7594-7601; this later death count is the one that stays
    }
}

struct SaveWriter {
    Game& g;
    platform::TextWriter out;
    void num(int32_t& x) { out.write_int(x); }
    void text(std::string& x) { out.write_text(x); }
    void step() {
        g.state.saved_scene_step = g.sequence_step;
        out.write_int(g.sequence_step);
    }
    void checksum() { out.write_int(save_checksum(g)); }
};

struct SaveReader {
    Game& g;
    platform::TextReader in;
    bool failed = false;
    int failed_line = 0;
    bool checksum_ok = true;

    void num(int32_t& x) {
        if (failed) return;
        if (!in.read_int(x)) {
            failed = true;
            failed_line = in.line();
        }
    }
    void text(std::string& x) {
        if (!failed) x = in.read_text();
    }
    void step() { num(g.state.saved_scene_step); }
    void checksum() {
        if (failed) return;
        const int32_t computed = save_checksum(g);
        int32_t stored = 0;
        num(stored);
        if (!failed) checksum_ok = stored == computed;
    }
};

void read_names(Game& g) {
    g.encounter_names.fill(std::string());
    // The player's own list (beside the saves) before the one the game came with.
    std::error_code ec;
    std::filesystem::path path = g.folders.dat_file("name.dat");
    if (!std::filesystem::exists(path, ec)) path = g.folders.asset_file("name.dat");
    auto bytes = platform::read_file(path, 1u << 20);
    if (!bytes) {
        std::cerr << "Quillmoor: the name list " << path
                  << " could not be read; the island's strangers stay nameless\n";
        return;
    }
    read_name_list(g, std::move(*bytes));
}

// A save from before the technique list kept its order: list the learned, named ones.
void rebuild_skill_order(Game& g) {
    GameState& s = g.state;
    for (int32_t id : s.skill_order) {
        if (id != 0) return;
    }
    s.skill_order.fill(-1);
    int n = 0;
    for (int id = 0; id < kSkillIds && n < kSkillOrderSize; ++id) {
        if (s.skill_level[id] >= 1 && !g.skills[id].name.empty()) s.skill_order[n++] = id;
    }
}

// Offers the newest good backup in place of a damaged my.dat; true when the player took it
// and it is now my.dat (the damaged file kept aside). Without a backup the problem is only
// told.
bool restore_offered(Game& g, const std::string& problem) {
    auto backup = newest_good_backup(g);
    if (!backup) {
        g.dialogs->message(problem);
        return false;
    }
    const std::string when = platform::file_time_text(backup->file);
    const std::string question = problem + "\n\nひとつ前の正しいセーブ" +
                                 (when.empty() ? "" : "（" + when + "）") +
                                 "がバックアップに残っています。復元しますか？";
    if (!g.dialogs->ask_yes_no(question)) return false;
    const auto path = g.folders.dat_file("my.dat");
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !platform::keep_aside(path, backup_folder(g))) {
        g.dialogs->message("壊れたセーブを残しておけなかったので、復元をやめました。" +
                           g.folders.dat().string() + " に書き込めるか確かめてください");
        return false;
    }
    if (!platform::write_file_atomically(path, backup->bytes)) {
        g.dialogs->message("復元できませんでした。" + g.folders.dat().string() +
                           " に書き込めるか確かめてください");
        return false;
    }
    g.dialogs->message("バックアップから復元しました。壊れていたセーブは " +
                       backup_folder(g).string() + " に残してあります");
    return true;
}

}  // namespace

void read_name_list(Game& g, std::string bytes) {
    platform::TextReader in(std::move(bytes));
    for (auto& name : g.encounter_names) name = in.read_text();
}

bool read_net_bookkeeping_bytes(GameState& s, std::string bytes) {
    platform::TextReader in(std::move(bytes));
    for (int32_t* x : {&s.last_rank_send_minute, &s.last_report_minute, &s.last_rank, &s.net_off}) {
        int32_t value = 0;
        if (!in.read_int(value)) return false;
        *x = value;
    }
    return true;
}

std::unique_ptr<Game> read_whole_save(const std::filesystem::path& file) {
    auto bytes = platform::read_file(file, kMaxSaveBytes);
    if (!bytes) return nullptr;
    auto g = std::make_unique<Game>();
    if (!read_save_bytes(*g, std::move(*bytes)).ok()) return nullptr;
    return g;
}

namespace {

// A value the game uses to look something up (a table row, an item, a technique, a picture)
// is brought into its range as the save is read: a hand-edited or damaged file may hold any
// number there, and a number out of range would read outside the tables later in play.
void keep_lookups_in_range(Game& g) {
    GameState& s = g.state;
    const auto within = [](int32_t& x, int32_t low, int32_t high, int32_t otherwise) {
        if (x < low || x > high) x = otherwise;
    };
    within(s.race_sex, 0, 9, 0);
    within(s.char_type, 0, 5, 0);
    within(s.raised_attribute, 0, 5, 0);
    within(s.game_speed, 0, 2, 0);
    for (Combatant* c : {&g.combatants[0], &g.combatants[2]}) {
        for (int32_t* id : {&c->weapon, &c->shield, &c->helmet, &c->armour, &c->right_ring,
                            &c->left_ring, &c->waist, &c->arm, &c->pendant, &c->earring}) {
            within(*id, 0, kItemTableSize - 1, 0);
        }
    }
    for (int32_t& id : s.hoshio_slots) within(id, 0, kItemTableSize - 1, 0);
    for (int32_t& level : s.skill_level) level = std::clamp(level, 0, 10);
    for (int32_t& id : s.skill_order) within(id, -1, kSkillIds - 1, -1);
    within(g.combatants[2].look, 0, 19, 0);
    for (int32_t& mood : g.combatants[2].moods) mood = std::clamp(mood, 0, 10);
}

}  // namespace

SaveReading read_save_bytes(Game& g, std::string bytes) {
    SaveReader reader{g, platform::TextReader(std::move(bytes))};
    walk_save_lines(g, reader);
    SaveReading result;
    if (reader.failed) {
        result.failed_line = reader.failed_line > 0 ? reader.failed_line : 1;
    } else {
        result.checksum_ok = reader.checksum_ok;
    }
    return result;
}

int32_t save_checksum(const Game& g) {
    const GameState& s = g.state;
    const Combatant& a = g.combatants[0];
    uint32_t sum = 0;
    for (int32_t x : s.item_count) sum += static_cast<uint32_t>(x);
    for (int id = 0; id < 100; ++id) sum += static_cast<uint32_t>(s.skill_level[id]);
    for (int32_t x : {s.money, s.bonus_points, s.score, a.attack, a.defence, a.hit, a.evasion,
                      a.max_hp, a.max_mp, a.max_tp, a.level, a.exp}) {
        sum += static_cast<uint32_t>(x);
    }
    return static_cast<int32_t>(sum);
}

std::string save_file_bytes(Game& g) {
    SaveWriter w{g, {}};
    walk_save_lines(g, w);
    return w.out.bytes();
}

void save_game(Game& g) {
    if (g.state.save_damaged == 1) return;
    std::error_code ec;
    std::filesystem::create_directories(g.folders.dat(), ec);
    std::string bytes = save_file_bytes(g);
    if (!platform::write_file_atomically(g.folders.dat_file("my.dat"), bytes)) {
        g.dialogs->message("セーブできませんでした。" + g.folders.dat().string() +
                           " に書き込めるか確かめてください");
        return;
    }
    // The save just replaced becomes the newest backup (a save written again unchanged
    // pushes no older one out).
    if (!g.saved_bytes.empty() && g.saved_bytes != bytes && !keep_backup(g, g.saved_bytes)) {
        std::cerr << "Quillmoor: the backup of the save could not be written to "
                  << backup_folder(g) << '\n';
    }
    g.saved_bytes = std::move(bytes);
    export_record(g);
}

namespace {

void load_save(Game& g, bool may_restore);

// A damaged save: restored from a backup and loaded again when the player says so (once),
// else marked, so nothing is written over it.
bool restored(Game& g, const std::string& problem, bool may_restore) {
    if (may_restore && restore_offered(g, problem)) {
        load_save(g, false);
        return true;
    }
    if (!may_restore) g.dialogs->message(problem);
    g.state.save_damaged = 1;
    return false;
}

void load_save(Game& g, bool may_restore) {
    const auto path = g.folders.dat_file("my.dat");
    std::error_code ec;
    g.saved_bytes.clear();
    if (!std::filesystem::exists(path, ec)) {
        new_game(g);
        save_game(g);
    }
    auto bytes = platform::read_file(path, kMaxSaveBytes);
    if (!bytes) {
        restored(g, "セーブデータ (my.dat) を読み込めませんでした。" + std::string(kDamagedMessage),
                 may_restore);
        return;
    }
    const SaveReading reading = read_save_bytes(g, *bytes);
    if (reading.failed_line > 0) {
        restored(g,
                 "セーブデータ (my.dat) の " + std::to_string(reading.failed_line) +
                     " 行目が数字ではありません。" + kDamagedMessage,
                 may_restore);
        return;
    }
    if (!reading.checksum_ok) {
        // A save whose checksum fails is still read on (as it always was), only never saved.
        if (restored(g, kDamagedMessage, may_restore)) return;
    } else {
        g.saved_bytes = std::move(*bytes);
    }

    keep_lookups_in_range(g);
    read_names(g);
    g.state.load_count += 1;
    save_game(g);
    fill_static_tables(g);
    rebuild_skill_order(g);
    if (g.state.format_upgrade_done == 0) {
        g.state.format_upgrade_done = 1;
        for (int id = 680; id <= 688; ++id) g.state.item_count[id] = 0;
    }
}

}  // namespace

void load_game(Game& g) {
    load_save(g, true);
}

void load_net_bookkeeping(Game& g) {
    const auto path = g.folders.dat_file("kousin.dat");
    auto bytes = platform::read_file(path, 1u << 16);
    if (!bytes) {
        // Only a fresh install starts over here; a save that loaded keeps its adventurer.
        if (g.state.load_count <= 1 && !adventurer_exists(g)) new_game(g);
        save_net_bookkeeping(g);
        bytes = platform::read_file(path, 1u << 16);
        if (!bytes) return;
    }
    // A damaged line leaves the rest as it was; the file is kept aside and written again whole.
    if (!read_net_bookkeeping_bytes(g.state, std::move(*bytes)) &&
        platform::keep_aside(path, backup_folder(g))) {
        save_net_bookkeeping(g);
    }
}

void save_net_bookkeeping(Game& g) {
    platform::TextWriter out;
    const GameState& s = g.state;
    out.write_int(s.last_rank_send_minute);
    out.write_int(s.last_report_minute);
    out.write_int(s.last_rank);
    out.write_int(s.net_off);
    std::error_code ec;
    std::filesystem::create_directories(g.folders.dat(), ec);
    if (!platform::write_file_atomically(g.folders.dat_file("kousin.dat"), out.bytes())) {
        g.dialogs->message("ネットワークの記録（kousin.dat）をセーブできませんでした。" +
                           g.folders.dat().string() + " に書き込めるか確かめてください");
    }
}

void reset_game(Game& g) {
    new_game(g);
    fill_static_tables(g);
    g.state.save_damaged = 0;
    save_game(g);
    g.dialogs->message("初期化完了....");
}

}  // namespace quill
