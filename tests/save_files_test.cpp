#include "state/save_files.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "state/save_backups.h"
#include "state/state_ops.h"
#include "state/static_tables.h"
#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The first line where two files differ, 0 when they are the same.
int first_difference(const std::string& a, const std::string& b) {
    const auto la = lines_of(a), lb = lines_of(b);
    for (size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        if (i >= la.size() || i >= lb.size() || la[i] != lb[i]) return static_cast<int>(i) + 1;
    }
    return 0;
}

struct SaveFixture : GameFixture {
    std::filesystem::path my_dat() const { return game.folders.dat_file("my.dat"); }
    std::string file() const { return platform::read_file(my_dat()).value_or(""); }
    std::vector<std::string> file_lines() const { return lines_of(file()); }
    void write_lines(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const auto& l : lines) bytes += l + "\r\n";
        std::ofstream(my_dat(), std::ios::binary) << bytes;
    }
    // A fresh start: restore, tables, load, bookkeeping, as the program does.
    void start() {
        restore_all(game);
        fill_static_tables(game);
        load_game(game);
        load_net_bookkeeping(game);
    }
};

// Gives every stored field its own value, so a shifted line shows up.
void fill_distinct(Game& g) {
    int32_t next = 1;
    auto v = [&next] { return next++; };
    GameState& s = g.state;
    for (auto* arr : {&s.event_flags, &s.story_flags, &s.reserved_block}) {
        for (auto& x : *arr) x = v();
    }
    for (auto* arr : {&s.item_count, &s.item_seen, &s.skill_level, &s.skill_use_count,
                      &s.skill_seen, &s.combo_discovered, &s.reserved_list}) {
        for (auto& x : *arr) x = v();
    }
    for (auto& x : s.hoshio_slots) x = v();
    for (auto& x : s.skill_order) x = v();
    for (auto& pair : s.reserved_pairs) pair = {v(), v()};
    for (auto& t : s.reserved_tables)
        for (auto& x : t) x = v();
    for (auto& x : s.reserved_ints) x = v();
    s.reserved_text = "予約 text";
    for (int32_t* x : {&s.money,
                       &s.bonus_points,
                       &s.load_count,
                       &s.death_count,
                       &s.escape_count,
                       &s.battle_count,
                       &s.game_speed,
                       &s.char_type,
                       &s.raised_attribute,
                       &s.score,
                       &s.max_distance_m,
                       &s.race_sex,
                       &s.player_id,
                       &s.last_rank_send_minute,
                       &s.miss_count,
                       &s.combo_count,
                       &s.guard_count,
                       &s.kills_vomact,
                       &s.kills_henteko,
                       &s.kills_yowakko,
                       &s.kills_extra,
                       &s.pet_knockout_count,
                       &s.last_report_minute,
                       &s.kills_ghost,
                       &s.kills_tsuyokko,
                       &s.kills_dragon,
                       &s.chest_open_count,
                       &s.cure_count}) {
        *x = v();
    }
    s.format_upgrade_done = 1;
    Combatant& a = g.adventurer();
    a.name = "全角　と 半角 space";
    for (int32_t* x :
         {&a.reserved36, &a.weapon, &a.level,   &a.exp,    &a.max_hp,     &a.max_mp,    &a.hp,
          &a.mp,         &a.tp,     &a.defence, &a.spirit, &a.attack,     &a.intellect, &a.hit,
          &a.evasion,    &a.shield, &a.helmet,  &a.armour, &a.right_ring, &a.left_ring, &a.waist,
          &a.arm,        &a.max_tp, &a.pendant, &a.earring}) {
        *x = v();
    }
    Combatant& p = g.pet();
    p.name = "ﾀﾏ～";
    for (int32_t* x : {&p.hp, &p.max_hp, &p.mp, &p.max_mp, &p.attack, &p.intellect, &p.evasion,
                       &p.exp, &p.level, &p.hit, &p.defence, &p.look}) {
        *x = v();
    }
    for (auto& m : p.moods) m = v();
    g.sequence_step = v();
    // The values the game looks things up with stay in their ranges (a load brings any other
    // back into them), each still unlike its neighbours.
    s.race_sex = 7;
    s.char_type = 3;
    s.raised_attribute = 4;
    s.game_speed = 1;
    int32_t id = 101;
    for (int32_t* x : {&a.weapon, &a.shield, &a.helmet, &a.armour, &a.right_ring, &a.left_ring,
                       &a.waist, &a.arm, &a.pendant, &a.earring}) {
        *x = id;
        id += 37;
    }
    for (auto& x : s.hoshio_slots) x = (id += 7) % kItemTableSize;
    for (size_t i = 0; i < s.skill_level.size(); ++i)
        s.skill_level[i] = static_cast<int32_t>(i % 11);
    for (size_t i = 0; i < s.skill_order.size(); ++i)
        s.skill_order[i] = i % 9 == 8 ? -1 : static_cast<int32_t>(i * 9 + 4);
    p.look = 13;
    for (size_t i = 0; i < p.moods.size(); ++i) p.moods[i] = static_cast<int32_t>(2 * i + 1);
}

TEST(SaveFile, AFreshInstallCreatesTheSaveAndCountsTheLoad) {
    SaveFixture f;
    f.start();
    auto lines = f.file_lines();
    ASSERT_EQ(lines.size(), static_cast<size_t>(kSaveLines));
    EXPECT_EQ(lines[1309 - 1], "1");                         // load count 1 in the written file
    EXPECT_EQ(lines[7601 - 1], "0");                         // the upgrade not yet written...
    EXPECT_EQ(lines[5427 - 1], "\x82\xb5\x82\xb7\x82\xdd");  // しすみ in code page 932
    EXPECT_EQ(f.game.state.format_upgrade_done, 1);          // ...but done in memory
    EXPECT_TRUE(std::filesystem::exists(f.game.folders.dat_file("kousin.dat")));
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(f.game.state.save_damaged, 0);
}

// Three starts, each with a death before any other save: the file counts three loads more
// and three deaths (both copies), as if each reload after a death had not happened.
TEST(SaveFile, ADeathIsCountedInTheFileAndItsReloadIsNot) {
    SaveFixture f;
    WireHandlers(f.game);
    FormCreate(f.game, 5);  // a fresh install: load count 1 in the file
    const auto count = [&f](int line) { return std::stoi(f.file_lines().at(line - 1)); };
    const int loads = count(1309);
    ASSERT_EQ(count(1312), 0);
    for (int run = 1; run <= 3; ++run) {
        if (run > 1) f.start();  // the next start counts its load
        f.game.state.money = 999;  // not saved: the reload takes it back
        f.game.game_over = 1;
        ReturnToTitleAfterDeath(f.game);
        EXPECT_EQ(count(1309), loads + run - 1) << run;
        EXPECT_EQ(count(1312), run) << run;
        EXPECT_EQ(count(7595), run) << run;
        EXPECT_EQ(f.game.state.load_count, loads + run - 1);
        EXPECT_EQ(f.game.state.death_count, run);
        EXPECT_NE(f.game.state.money, 999);
    }
    EXPECT_TRUE(f.dialogs.messages.empty());
}

// Values the game looks things up with, edited by hand out of their range, come back in it:
// the race (outside the checksum) that picks a special move, the technique order after the
// checksum line, the weapon, a ホーシオ slot, a technique's level, the pet's look and mood.
TEST(SaveFile, HandEditedLookupsAreBroughtIntoTheirRange) {
    SaveFixture f;
    f.start();
    auto lines = f.file_lines();
    const std::pair<int, const char*> edits[] = {
        {5456, "-3"},    {5452, "77"},   {5453, "-1"},   {5468, "2000000000"}, {5469, "-5"},
        {5429, "5000"},  {5407, "-7"},   {3907, "50"},   {7594, "99"},         {6581, "-4"},
        {2362, "9"},
    };
    for (const auto& [line, value] : edits) lines[line - 1] = value;
    f.write_lines(lines);
    f.start();
    const GameState& s = f.game.state;
    EXPECT_EQ(s.race_sex, 0);
    EXPECT_EQ(s.char_type, 0);
    EXPECT_EQ(s.raised_attribute, 0);
    EXPECT_EQ(s.skill_order[0], -1);
    EXPECT_EQ(s.skill_order[1], -1);
    EXPECT_EQ(f.game.adventurer().weapon, 0);
    EXPECT_EQ(s.hoshio_slots[0], 0);
    EXPECT_EQ(s.skill_level[500], 10);
    EXPECT_EQ(f.game.pet().look, 0);
    EXPECT_EQ(f.game.pet().moods[0], 0);
    EXPECT_EQ(s.game_speed, 0);
    // What is in range stays as it was written.
    lines[5456 - 1] = "7";
    lines[5468 - 1] = "22";
    f.write_lines(lines);
    f.start();
    EXPECT_EQ(f.game.state.race_sex, 7);
    EXPECT_EQ(f.game.state.skill_order[0], 22);
}

TEST(SaveFile, EveryFieldSurvivesARoundTrip) {
    SaveFixture f;
    fill_distinct(f.game);
    const std::string written = save_file_bytes(f.game);
    ASSERT_EQ(lines_of(written).size(), static_cast<size_t>(kSaveLines));
    std::ofstream(f.my_dat(), std::ios::binary) << written;

    SaveFixture g2;
    std::filesystem::copy_file(f.my_dat(), g2.my_dat());
    fill_static_tables(g2.game);
    load_game(g2.game);
    EXPECT_TRUE(g2.dialogs.messages.empty()) << g2.dialogs.messages[0];
    // Loading counted one more load; put it back, and with the sequencer where it was the
    // save is the same line for line.
    g2.game.state.load_count -= 1;
    g2.game.sequence_step = f.game.sequence_step;
    EXPECT_EQ(first_difference(save_file_bytes(g2.game), written), 0);
    EXPECT_EQ(g2.game.adventurer().name, "全角　と 半角 space");
    EXPECT_EQ(g2.game.pet().name, "ﾀﾏ～");
    EXPECT_EQ(g2.game.state.reserved_text, "予約 text");
}

TEST(SaveFile, LoadingAndSavingWithoutPlayChangesOnlyTheLoadCount) {
    SaveFixture f;
    fill_distinct(f.game);
    std::ofstream(f.my_dat(), std::ios::binary) << save_file_bytes(f.game);
    const auto before = f.file_lines();
    fill_static_tables(f.game);
    load_game(f.game);
    const auto after = f.file_lines();
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        if (i + 1 == 1309) {
            EXPECT_EQ(std::stoi(after[i]), std::stoi(before[i]) + 1);
        } else if (i + 1 == static_cast<size_t>(kChecksumLine)) {
            continue;  // the load count is not among its inputs, so it stays too
        } else {
            EXPECT_EQ(after[i], before[i]) << "line " << i + 1;
        }
    }
}

TEST(SaveFile, TheChecksumCatchesChangedInputsOnly) {
    struct Case {
        int line;
        bool detected;
    };
    const Case cases[] = {{1301, true},         // money
                          {201, true},          // an item count
                          {3407 + 99, true},    // skill level of id 99
                          {5454, true},         // score
                          {5431, true},         // experience
                          {1314, false},        // battle count
                          {3407 + 100, false},  // skill level of id 100 is not an input
                          {1309, false}};       // load count
    for (const Case& c : cases) {
        SaveFixture f;
        f.start();
        auto lines = f.file_lines();
        lines[c.line - 1] = std::to_string(std::stoi(lines[c.line - 1]) + 7);
        f.write_lines(lines);
        const std::string before = f.file();
        restore_all(f.game);
        load_game(f.game);
        EXPECT_EQ(f.game.state.save_damaged, c.detected ? 1 : 0) << c.line;
        if (c.detected) {
            // The start's backup is offered; "no" leaves the damaged save as it is.
            ASSERT_EQ(f.dialogs.questions.size(), 1u);
            EXPECT_EQ(f.dialogs.questions[0].rfind(
                          "データが壊れています。初期化してプレーしなおしてください", 0),
                      0u);
            EXPECT_EQ(f.file(), before);  // nothing written over it
        }
    }
}

TEST(SaveFile, AnOlderShorterSaveLoadsAndIsUpgraded) {
    SaveFixture f;
    f.start();
    f.game.state.item_count[680] = 3;
    f.game.state.item_count[688] = 1;
    f.game.state.item_count[689] = 2;
    f.game.state.money = 777;
    auto lines = lines_of(save_file_bytes(f.game));
    lines.pop_back();  // no upgrade line: 7600 lines
    f.write_lines(lines);
    restore_all(f.game);
    load_game(f.game);
    EXPECT_EQ(f.game.state.save_damaged, 0);
    EXPECT_EQ(f.game.state.money, 777);
    EXPECT_EQ(f.game.state.item_count[680], 0);
    EXPECT_EQ(f.game.state.item_count[688], 0);
    EXPECT_EQ(f.game.state.item_count[689], 2);
    // The checksum held the old counts; the next save is consistent again.
    save_game(f.game);
    EXPECT_EQ(f.file_lines().size(), static_cast<size_t>(kSaveLines));
    EXPECT_EQ(f.file_lines().back(), "1");
}

TEST(SaveFile, AnEmptyTechniqueOrderIsRebuilt) {
    SaveFixture f;
    f.start();
    f.game.state.skill_level.fill(0);
    for (int id : {3, 9, 22, 72, 150}) f.game.state.skill_level[id] = 2;  // 72 and 150: no name
    f.game.state.skill_order.fill(0);
    save_game(f.game);
    restore_all(f.game);
    load_game(f.game);
    const auto& order = f.game.state.skill_order;
    EXPECT_EQ(order[0], 3);
    EXPECT_EQ(order[1], 9);
    EXPECT_EQ(order[2], 22);
    for (int i = 3; i < kSkillOrderSize; ++i) EXPECT_EQ(order[i], -1) << i;
}

TEST(SaveFile, ADamagedSaveIsNeverWrittenOver) {
    SaveFixture f;
    f.start();
    f.game.state.save_damaged = 1;
    std::filesystem::remove(f.game.folders.program() / "記録.txt");  // the start's own record
    const std::string before = f.file();
    f.game.state.money = 4321;
    save_game(f.game);
    EXPECT_EQ(f.file(), before);
    EXPECT_FALSE(std::filesystem::exists(f.game.folders.program() / "記録.txt"));
}

TEST(SaveFile, DamagedFilesNeverCrashTheLoader) {
    std::string binary;
    for (int i = 0; i < 40000; ++i) binary += static_cast<char>((i * 7919) % 256);
    std::string long_line(300000, '7');
    std::string many_lines;
    for (int i = 0; i < 20000; ++i) many_lines += "1\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        bool damaged;
    };
    // An empty or cut-off file is an older save whose missing lines read as 0: it loads as
    // long as its checksum holds. The others are damaged and stay as they are.
    const Case cases[] = {
        {"empty", "", false},
        {"one line", "5\r\n", false},
        {"cut in a line", std::string("0\r", 2), false},
        {"cut before the checksum", "1\r\n2\r\n3\r\n", false},
        {"binary", binary, true},
        {"a word where a number belongs", "0\r\n0\r\nfoo\r\n", true},
        {"over-long line", long_line, true},
        {"too many lines", many_lines, true},
        {"a NUL byte", std::string("0\r\n\0\r\n", 6), true},
    };
    for (const Case& c : cases) {
        SaveFixture f;
        std::ofstream(f.my_dat(), std::ios::binary) << c.bytes;
        fill_static_tables(f.game);
        load_game(f.game);
        EXPECT_EQ(f.game.state.save_damaged, c.damaged ? 1 : 0) << c.what;
        EXPECT_EQ(f.dialogs.messages.size(), c.damaged ? 1u : 0u) << c.what;
        if (c.damaged) {
            EXPECT_TRUE(platform::read_file(f.my_dat()).value_or("?") == c.bytes) << c.what;
        } else {
            EXPECT_EQ(lines_of(f.file()).size(), static_cast<size_t>(kSaveLines)) << c.what;
        }
    }
}

TEST(SaveFile, AWordWhereANumberBelongsNamesTheLine) {
    SaveFixture f;
    f.start();
    auto lines = f.file_lines();
    lines[1313 - 1] = "十三";
    f.write_lines(lines);
    restore_all(f.game);
    load_game(f.game);
    EXPECT_EQ(f.game.state.save_damaged, 1);
    // The start left a backup, so the report comes as the offer to restore it.
    ASSERT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_NE(f.dialogs.questions[0].find("1313 行目"), std::string::npos)
        << f.dialogs.questions[0];
}

std::vector<std::filesystem::path> damaged_files_in(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        if (e.path().filename().string().find(".damaged-") != std::string::npos)
            found.push_back(e.path());
    }
    return found;
}

TEST(SaveBackup, ThreeGenerationsRollAfterEverySave) {
    SaveFixture f;
    f.start();  // the fresh save, then the start's own save: the fresh one is backup 1
    std::vector<std::string> saved{f.file()};
    for (int money : {100, 200, 300, 400}) {
        f.game.state.money = money;
        save_game(f.game);
        EXPECT_EQ(platform::read_file(backup_file(f.game, 1)).value_or(""), saved.back())
            << "after the save of " << money;
        saved.push_back(f.file());
    }
    // The last three saves before the newest, newest first; the older ones are gone.
    for (int n = 1; n <= 3; ++n) {
        EXPECT_TRUE(platform::read_file(backup_file(f.game, n)).value_or("") ==
                    saved[saved.size() - 1 - n])
            << n;
    }
    EXPECT_FALSE(std::filesystem::exists(backup_file(f.game, 4)));
    // A save that changes nothing pushes no backup out.
    const std::string oldest = platform::read_file(backup_file(f.game, 3)).value_or("");
    save_game(f.game);
    EXPECT_EQ(platform::read_file(backup_file(f.game, 3)).value_or(""), oldest);
    EXPECT_EQ(platform::read_file(backup_file(f.game, 1)).value_or(""), saved[saved.size() - 2]);
}

TEST(SaveBackup, ADamagedSaveOffersTheNewestGoodBackup) {
    for (bool yes : {true, false}) {
        SaveFixture f;
        f.start();
        f.game.state.money = 777;
        save_game(f.game);
        f.game.state.money = 888;
        save_game(f.game);  // backup 1 now holds the save with 777
        auto lines = f.file_lines();
        lines[1300] = "たくさん";
        f.write_lines(lines);
        const std::string damaged = f.file();

        f.dialogs.answers = {yes};
        restore_all(f.game);
        load_game(f.game);
        ASSERT_EQ(f.dialogs.questions.size(), 1u) << yes;
        const std::string& question = f.dialogs.questions[0];
        EXPECT_NE(question.find("1301 行目が数字ではありません。"), std::string::npos) << question;
        EXPECT_NE(question.find("がバックアップに残っています。復元しますか？"), std::string::npos)
            << question;
        const auto aside = damaged_files_in(backup_folder(f.game));
        if (yes) {
            EXPECT_EQ(f.game.state.save_damaged, 0);
            EXPECT_EQ(f.game.state.money, 777);
            ASSERT_EQ(f.dialogs.messages.size(), 1u);
            EXPECT_EQ(f.dialogs.messages[0].rfind("バックアップから復元しました。", 0), 0u);
            ASSERT_EQ(aside.size(), 1u);  // the damaged file is kept, byte for byte
            EXPECT_TRUE(platform::read_file(aside[0]).value_or("") == damaged);
            // The game plays on from the backup: the start's save is good and is saved again.
            SaveFixture check;
            std::filesystem::copy_file(f.my_dat(), check.my_dat());
            check.start();
            EXPECT_EQ(check.game.state.save_damaged, 0);
            EXPECT_EQ(check.game.state.money, 777);
        } else {
            EXPECT_EQ(f.game.state.save_damaged, 1);
            EXPECT_TRUE(f.dialogs.messages.empty());
            EXPECT_TRUE(aside.empty());
            EXPECT_TRUE(f.file() == damaged) << "nothing written over the damaged save";
        }
    }
}

TEST(SaveBackup, OnlyAGoodBackupIsOfferedAndWithoutOneTheDamageIsOnlyTold) {
    SaveFixture f;
    f.start();
    for (int money : {10, 20, 30}) {
        f.game.state.money = money;
        save_game(f.game);
    }
    // Backup 1 (money 20) damaged: backup 2 (money 10) is offered.
    std::ofstream(backup_file(f.game, 1), std::ios::binary) << "1\r\nzwei\r\n";
    std::ofstream(f.my_dat(), std::ios::binary) << "\xff\xfe garbage";
    f.dialogs.answers = {true};
    restore_all(f.game);
    load_game(f.game);
    EXPECT_EQ(f.dialogs.questions.size(), 1u);
    EXPECT_EQ(f.game.state.save_damaged, 0);
    EXPECT_EQ(f.game.state.money, 10);

    // Every backup damaged (or gone): the damage is told, nothing asked, nothing written.
    SaveFixture g;
    g.start();
    g.game.state.money = 5;
    save_game(g.game);
    for (int n = 1; n <= kBackupGenerations; ++n) {
        std::error_code ec;
        if (std::filesystem::exists(backup_file(g.game, n)))
            std::ofstream(backup_file(g.game, n), std::ios::binary) << "x";
    }
    std::ofstream(g.my_dat(), std::ios::binary) << "1\r\nzwei\r\n";
    restore_all(g.game);
    load_game(g.game);
    EXPECT_TRUE(g.dialogs.questions.empty());
    EXPECT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.game.state.save_damaged, 1);
    EXPECT_EQ(g.file(), "1\r\nzwei\r\n");
}

TEST(NetBookkeeping, FourLinesWrittenAndReadBack) {
    SaveFixture f;
    f.start();
    f.game.state.last_rank_send_minute = 12;
    f.game.state.last_report_minute = 34;
    f.game.state.last_rank = 56;
    f.game.state.net_off = 1;
    save_net_bookkeeping(f.game);
    EXPECT_EQ(platform::read_file(f.game.folders.dat_file("kousin.dat")).value(),
              "12\r\n34\r\n56\r\n1\r\n");
    f.game.state.net_off = 0;
    load_net_bookkeeping(f.game);
    EXPECT_EQ(f.game.state.net_off, 1);
    EXPECT_EQ(f.game.state.last_rank, 56);
}

TEST(NetBookkeeping, AFailedWriteIsToldLikeAFailedSave) {
    SaveFixture f;
    f.start();
    f.dialogs.messages.clear();
    // A folder where the file belongs: the rename over it fails.
    const auto path = f.game.folders.dat_file("kousin.dat");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    std::ofstream(path / "keep") << "x";
    save_net_bookkeeping(f.game);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].rfind("ネットワークの記録（kousin.dat）をセーブできませんでした。", 0), 0u)
        << f.dialogs.messages[0];
    // my.dat's failure says the same of its folder.
    std::filesystem::remove(f.my_dat());
    std::filesystem::create_directory(f.my_dat());
    std::ofstream(f.my_dat() / "keep") << "x";
    save_game(f.game);
    ASSERT_EQ(f.dialogs.messages.size(), 2u);
    EXPECT_EQ(f.dialogs.messages[1].rfind("セーブできませんでした。", 0), 0u);
    // Nothing was left half written beside them.
    for (const auto& entry : std::filesystem::directory_iterator(f.game.folders.dat()))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST(NetBookkeeping, ADamagedFileIsKeptAsideAndWrittenAgainWhole) {
    SaveFixture f;
    f.start();
    const auto path = f.game.folders.dat_file("kousin.dat");
    std::ofstream(path, std::ios::binary) << "12\r\nmany\r\n";
    f.game.state.last_rank = 9;
    load_net_bookkeeping(f.game);
    EXPECT_EQ(f.game.state.last_rank_send_minute, 12);
    EXPECT_EQ(f.game.state.last_rank, 9);
    const auto aside = damaged_files_in(backup_folder(f.game));
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(platform::read_file(aside[0]).value_or(""), "12\r\nmany\r\n");
    EXPECT_EQ(lines_of(platform::read_file(path).value_or("")).size(), 4u);
}

TEST(NetBookkeeping, AMissingFileDoesNotCostAnAdventurer) {
    SaveFixture f;
    f.start();
    f.game.state.event_flags[0] = 1;
    f.game.adventurer().name = "ゆうしゃ";
    f.game.state.score = 900;
    save_game(f.game);
    std::filesystem::remove(f.game.folders.dat_file("kousin.dat"));
    restore_all(f.game);
    load_game(f.game);
    load_net_bookkeeping(f.game);
    EXPECT_EQ(f.game.adventurer().name, "ゆうしゃ");
    EXPECT_EQ(f.game.state.score, 900);
    EXPECT_TRUE(std::filesystem::exists(f.game.folders.dat_file("kousin.dat")));
}

TEST(NameList, TheBuildsListHas226Names) {
    SaveFixture f;
    std::filesystem::copy_file(QUILLMOOR_BUILD_DIR "/dat/name.dat",
                               f.game.folders.dat_file("name.dat"));
    f.start();
    int named = 0;
    for (const auto& n : f.game.encounter_names) named += !n.empty();
    EXPECT_EQ(named, kEncounterNames);
    auto bytes = platform::read_file(QUILLMOOR_BUILD_DIR "/dat/name.dat").value();
    EXPECT_EQ(lines_of(bytes).size(), 226u);
    EXPECT_TRUE(platform::from_cp932(bytes));
}

}  // namespace
}  // namespace quill
