// my.dat line by line, held against the save's line map written out here by line number,
// apart from the game's own walk (which the reader and the writer share, so a round trip
// alone cannot see a field on the wrong line).
#include <gtest/gtest.h>

#include <fstream>
#include <optional>

#include "platform/file_io.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "state/static_tables.h"
#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// Calls f(line, field) for every number of my.dat. Left out: the texts (5427 the name, 5450
// the reserved text, 6575 the pet's name), 5451 the sequencer's step, 5465 the checksum, and
// 1312, the first copy of the death count (line 7595 holds the one that stays).
template <class F>
void by_line(Game& g, F f) {
    GameState& s = g.state;
    Combatant& a = g.combatants[0];
    Combatant& p = g.combatants[2];
    auto range = [&f](int first, auto& values) {
        for (size_t i = 0; i < values.size(); ++i) f(first + static_cast<int>(i), values[i]);
    };
    range(1, s.event_flags);
    range(101, s.reserved_block);
    range(201, s.item_count);
    range(1201, s.story_flags);
    f(1301, s.money);
    f(1302, s.bonus_points);
    for (int i = 0; i <= 5; ++i) f(1303 + i, s.reserved_ints[i]);
    f(1309, s.load_count);
    f(1310, s.reserved_ints[6]);
    f(1311, s.reserved_ints[7]);
    f(1313, s.escape_count);
    f(1314, s.battle_count);
    for (int i = 0; i < 20; ++i) {
        f(1315 + 2 * i, s.reserved_pairs[i][0]);
        f(1316 + 2 * i, s.reserved_pairs[i][1]);
    }
    range(1355, s.item_seen);
    for (int i = 8; i <= 14; ++i) f(2355 + i - 8, s.reserved_ints[i]);
    f(2362, s.game_speed);
    for (int t = 0; t < 4; ++t) range(2363 + 11 * t, s.reserved_tables[t]);
    range(2407, s.reserved_list);
    range(3407, s.skill_level);
    range(4407, s.skill_use_count);
    range(5407, s.hoshio_slots);
    f(5428, a.reserved36);
    f(5429, a.weapon);
    f(5430, a.level);
    f(5431, a.exp);
    f(5432, a.max_hp);
    f(5433, a.max_mp);
    f(5434, a.hp);
    f(5435, a.mp);
    f(5436, a.tp);
    f(5437, a.defence);
    f(5438, a.spirit);
    f(5439, a.attack);
    f(5440, a.intellect);
    f(5441, a.hit);
    f(5442, a.evasion);
    f(5443, a.shield);
    f(5444, a.helmet);
    f(5445, a.armour);
    for (int i = 15; i <= 18; ++i) f(5446 + i - 15, s.reserved_ints[i]);
    f(5452, s.char_type);
    f(5453, s.raised_attribute);
    f(5454, s.score);
    f(5455, s.max_distance_m);
    f(5456, s.race_sex);
    f(5457, a.right_ring);
    f(5458, a.left_ring);
    f(5459, a.waist);
    f(5460, a.arm);
    f(5461, s.reserved_ints[19]);
    f(5462, a.max_tp);
    f(5463, a.pendant);
    f(5464, a.earring);
    f(5466, s.player_id);
    f(5467, s.last_rank_send_minute);
    range(5468, s.skill_order);
    range(5568, s.skill_seen);
    f(6568, s.miss_count);
    f(6569, s.combo_count);
    f(6570, s.guard_count);
    f(6571, s.kills_vomact);
    f(6572, s.kills_henteko);
    f(6573, s.kills_yowakko);
    f(6574, s.kills_extra);
    f(6576, p.hp);
    f(6577, p.max_hp);
    f(6578, p.mp);
    f(6579, p.max_mp);
    f(6580, p.attack);
    range(6581, p.moods);
    f(6586, p.intellect);
    f(6587, p.evasion);
    f(6588, p.exp);
    f(6589, p.level);
    f(6590, s.pet_knockout_count);
    f(6591, p.hit);
    f(6592, p.defence);
    f(6593, s.last_report_minute);
    range(6594, s.combo_discovered);
    f(7594, p.look);
    f(7595, s.death_count);
    f(7596, s.kills_ghost);
    f(7597, s.kills_tsuyokko);
    f(7598, s.kills_dragon);
    f(7599, s.chest_open_count);
    f(7600, s.cure_count);
    f(7601, s.format_upgrade_done);
}

// The committed fixture: every number holds its own line number (the death count 7595 on
// both of its lines), the texts below, and the checksum of those values, 1103154: the sum of
// lines 201..1200 (items), 3407..3506 (techniques 0..99), and 1301, 1302, 5454, 5439, 5437,
// 5441, 5442, 5432, 5433, 5462, 5430 and 5431.
constexpr const char* kFixture = QUILLMOOR_TEST_DATA "/line_numbers_my.dat";
constexpr int32_t kFixtureChecksum = 1103154;
const char kFixtureName[] = "ルカ　の 旅";
const char kFixtureReserved[] = "予約 text";
const char kFixturePetName[] = "ﾀﾏ～";

std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> lines;
    for (size_t start = 0; start < bytes.size();) {
        size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The state the fixture was written from.
void fill_as_fixture(Game& g) {
    by_line(g, [](int line, int32_t& x) { x = line; });
    g.adventurer().name = kFixtureName;
    g.state.reserved_text = kFixtureReserved;
    g.pet().name = kFixturePetName;
    g.sequence_step = 5451;
}

TEST(SaveFormat, EveryFieldIsWrittenOnItsOwnLine) {
    GameFixture f;
    Game& g = f.game;
    fill_as_fixture(g);
    EXPECT_EQ(save_checksum(g), kFixtureChecksum);

    const auto want = lines_of(platform::read_file(kFixture).value());
    const auto got = lines_of(save_file_bytes(g));
    ASSERT_EQ(want.size(), 7601u);
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) ASSERT_EQ(got[i], want[i]) << "line " << i + 1;
    EXPECT_EQ(save_file_bytes(g), platform::read_file(kFixture).value());
}

// The reader itself (a load then brings the values the game looks things up with into
// their ranges, and counts itself).
TEST(SaveFormat, EveryFieldIsReadFromItsOwnLine) {
    GameFixture f;
    Game& g = f.game;
    fill_static_tables(g);
    auto bytes = platform::read_file(kFixture);
    ASSERT_TRUE(bytes);
    EXPECT_TRUE(read_save_bytes(g, std::move(*bytes)).ok());
    by_line(g, [](int line, int32_t& x) { EXPECT_EQ(x, line) << "line " << line; });
    EXPECT_EQ(g.adventurer().name, kFixtureName);
    EXPECT_EQ(g.state.reserved_text, kFixtureReserved);
    EXPECT_EQ(g.pet().name, kFixturePetName);
}

// my.dat of all zeros but the lines given.
std::string hand_made(const std::vector<std::pair<int, int64_t>>& values) {
    std::vector<std::string> lines(7601, "0");
    for (auto [line, value] : values) lines[line - 1] = std::to_string(value);
    std::string bytes;
    for (const auto& l : lines) bytes += l + "\r\n";
    return bytes;
}

TEST(SaveFormat, TheChecksumIsTheSumOfItsInputsWrapping) {
    struct Case {
        std::vector<std::pair<int, int64_t>> lines;
        int64_t checksum;
    };
    const Case cases[] = {
        // items 0 and 999, technique 99 (technique 100 is no input), money, BP, score,
        // attack, defence, hit, evasion, max HP, max MP, max TP, level, exp; the battle
        // count is no input either.
        {{{201, 5},
          {1200, 7},
          {3506, 3},
          {3507, 1000},
          {1301, 100},
          {1302, 2},
          {5454, 1000},
          {5439, 1},
          {5437, 2},
          {5441, 3},
          {5442, 4},
          {5432, 20},
          {5433, 1},
          {5462, 100},
          {5430, 9},
          {5431, 8},
          {1314, 77}},
         1265},
        // The sum wraps as 32-bit integers do.
        {{{201, 2147483647}, {1301, 1}}, -2147483648LL},
    };
    for (const Case& c : cases) {
        for (int64_t stored : {c.checksum, c.checksum + 1}) {
            GameFixture f;
            auto lines = c.lines;
            lines.push_back({5465, stored});
            lines.push_back({7601, 1});
            std::ofstream(f.game.folders.dat_file("my.dat"), std::ios::binary) << hand_made(lines);
            fill_static_tables(f.game);
            load_game(f.game);
            const bool good = stored == c.checksum;
            EXPECT_EQ(f.game.state.save_damaged, good ? 0 : 1) << stored;
            EXPECT_EQ(f.dialogs.messages.empty(), good) << stored;
            EXPECT_EQ(save_checksum(f.game), static_cast<int32_t>(c.checksum));
        }
    }
}

// What new_game() gives the number on each line; nothing where it keeps the value.
std::optional<int32_t> new_game_value(int line) {
    const bool kept = (line >= 1303 && line <= 1305)     // reserved integers 0..2
                      || (line >= 1315 && line <= 1354)  // the reserved pairs
                      || (line >= 2356 && line <= 2360)  // reserved integers 9..13
                      || line == 2362                    // the game speed
                      || line == 5436                    // TP
                      || line == 5438                    // spirit
                      || line == 5440                    // intellect
                      || line == 6593                    // the minute of the last report
                      || line == 7594                    // the pet's look
                      || line == 7601;                   // the format upgrade
    if (kept) return std::nullopt;
    switch (line) {
        case 1301:  // money
            return 50;
        case 3407:  // technique 0
        case 3429:  // technique 22
            return 1;
        case 5432:  // max HP and HP
        case 5434:
            return 20;
        case 5433:  // max MP and MP
        case 5435:
            return 1;
        case 5461:  // reserved integer 19
            return 10;
        case 5462:  // max TP
            return 100;
        case 5468:  // the technique list: 0, 22, then empty
            return 0;
        case 5469:
            return 22;
        default:
            break;
    }
    if (line >= 5470 && line <= 5567) return -1;
    return 0;
}

TEST(SaveFormat, ANewGameGivesEveryFieldItsNewGameValue) {
    GameFixture f;
    Game& g = f.game;
    fill_as_fixture(g);
    g.pet().pet_type() = 3;
    g.state.distance_m = 40;
    g.state.last_rank = 7;
    g.state.net_off = 1;
    g.state.save_damaged = 1;
    for (Combatant& c : g.combatants) c.status.fill(2);
    g.in_battle = 1;
    g.game_over = 1;

    new_game(g);
    by_line(g, [](int line, int32_t& x) {
        if (line == 5466) {  // the player id is drawn anew
            EXPECT_GE(x, 0);
            EXPECT_LT(x, 10000);
            return;
        }
        EXPECT_EQ(x, new_game_value(line).value_or(line)) << "line " << line;
    });
    EXPECT_EQ(g.adventurer().name, "しすみ");
    EXPECT_EQ(g.pet().name, "");
    EXPECT_EQ(g.state.reserved_text, kFixtureReserved);
    EXPECT_EQ(g.pet().pet_type(), 0);
    EXPECT_EQ(g.state.distance_m, 0);
    EXPECT_EQ(g.state.last_rank, 0);
    EXPECT_EQ(g.state.net_off, 1);
    EXPECT_EQ(g.state.save_damaged, 1);
    for (const Combatant& c : g.combatants) {
        EXPECT_EQ(c.status, (std::array<int32_t, kStatusCount>{}));
    }
    EXPECT_EQ(g.in_battle, 0);
    EXPECT_EQ(g.game_over, 0);
}

}  // namespace
}  // namespace quill
