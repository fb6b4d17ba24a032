// Ranking uploads whose values the game cannot produce are refused: one row per rule, the
// value on the bound taken and the value just past it refused with its reason.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "server/uploads.h"
#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

// A line the game could send: level 30 without a pet, a score far above what its level-ups
// brought; each row changes what it tests.
net::RankFields base() {
    return {sj("ミナト"),
            "1234",
            "1000000",
            "3",
            "1",
            "6",
            "5/12 9:7",
            "30",
            "40",
            "5",
            "2",
            "9",
            "31",
            "22",
            "0",
            "0",
            "18",
            "16",
            "3",
            "4",
            "88",
            "0",
            sj("見習い冒険者"),
            "",
            "0",
            "5",
            "2",
            "229"};
}

using Changes = std::vector<std::pair<int, std::string>>;  // field (from 1), value

net::RankFields with(Changes changes) {
    net::RankFields f = base();
    for (auto& [field, value] : changes) f[field - 1] = value;
    return f;
}

struct Row {
    const char* rule;
    Changes context;      // what the row needs besides the field tested
    int field;            // from 1
    std::string taken;    // on the bound
    std::string refused;  // just past it
    const char* reason;   // a part of the refusal
};

const std::string kPet = "タマ";

std::vector<Row> rows() {
    const std::string pet = sj(kPet);
    return {
        {"player id, top", {}, 2, "9999", "10000", "player id 10000 is outside 0..9999"},
        {"player id, bottom", {}, 2, "0", "-1", "player id -1"},
        {"score at least 1", {{8, "0"}}, 3, "1", "0", "score 0 is below 1"},
        {"race and sex, top", {}, 4, "9", "10", "race and sex 10 is outside 0..9"},
        {"race and sex, bottom", {}, 4, "0", "-1", "race and sex -1"},
        {"personality type, top", {}, 5, "5", "6", "personality type 6 is outside 0..5"},
        {"personality type, bottom", {}, 5, "0", "-1", "personality type -1"},
        {"load count", {}, 6, "-1", "-2", "load count -2 is below -1"},
        {"level, top", {}, 8, "99", "100", "level 100 is outside 0..99"},
        {"level, bottom", {}, 8, "0", "-1", "level -1"},
        {"greatest distance", {}, 9, "0", "-1", "greatest distance -1 is below 0"},
        {"equipment kinds, top", {}, 10, "167", "168", "equipment kinds 168 is outside 0..167"},
        {"equipment kinds, bottom", {}, 10, "0", "-1", "equipment kinds -1"},
        {"rare item kinds", {}, 11, "64", "65", "rare item kinds 65 is outside 0..64"},
        {"learned techniques", {}, 12, "72", "73", "learned techniques 73 is outside 0..72"},
        {"attack, top", {}, 13, "32", "33", "attack 33 is outside 0..32"},
        {"attack, bottom", {}, 13, "0", "-1", "attack -1"},
        {"defence", {}, 14, "31", "32", "defence 32 is outside 0..31"},
        {"intellect, top", {}, 15, "999", "1000", "intellect 1000 is outside 0..999"},
        {"intellect, bottom", {}, 15, "0", "-1", "intellect -1"},
        {"spirit", {}, 16, "999", "1000", "spirit 1000 is outside 0..999"},
        {"hit", {}, 17, "112", "113", "hit 113 is outside 0..112"},
        {"evasion", {}, 18, "66", "67", "evasion 67 is outside 0..66"},
        {"critical", {}, 19, "23", "24", "critical 24 is outside 0..23"},
        {"guard", {}, 20, "31", "32", "guard 32 is outside 0..31"},
        {"battle count", {}, 21, "0", "-1", "battle count -1 is below 0"},
        {"spare field", {}, 22, "0", "1", "spare field 1 is outside 0..0"},
        {"pet level, top", {{24, pet}}, 25, "99", "100", "pet level 100 is outside 0..99"},
        {"pet level of a named pet", {{24, pet}}, 25, "1", "0", "a named pet at level 0"},
        {"pet level without a pet", {}, 25, "0", "1", "a pet level without a pet"},
        {"pet from the pet house's level",
         {{24, pet}, {25, "1"}},
         8,
         "22",
         "21",
         "a pet at adventurer level 21"},
        {"record kinds", {}, 26, "100", "101", "record kinds 101 is outside 0..100"},
        {"pet look, top", {}, 27, "19", "20", "pet look 20 is outside 0..19"},
        {"pet look, bottom", {}, 27, "0", "-1", "pet look -1"},
        {"version, above", {}, 28, "229", "230", "version 230 is not one of the game's (229)"},
        {"version, below", {}, 28, "229", "228", "version 228"},
        {"date, month", {}, 7, "12/31 23:59", "13/1 0:0", "the date"},
        {"date, day", {}, 7, "1/1 0:0", "1/0 0:0", "the date"},
        {"date, hour", {}, 7, "1/1 23:0", "1/1 24:0", "the date"},
        {"date, minute", {}, 7, "1/1 0:59", "1/1 0:60", "the date"},
        {"date, leading zero", {}, 7, "1/1 0:5", "1/1 0:05", "the date"},
        {"date, shape", {}, 7, "1/1 0:5", "1/1 0:5 x", "the date"},
        {"score after level 99",
         {{8, "99"}},
         3,
         "14400",
         "14399",
         "score 14399 is below the 14400 points its level-ups alone bring"},
        {"score after level 99 and a pet at 99",
         {{8, "99"}, {24, pet}, {25, "99"}},
         3,
         "28700",
         "28699",
         "below the 28700 points"},
        {"score after level 12", {{8, "12"}}, 3, "1230", "1229", "below the 1230 points"},
    };
}

TEST(Plausibility, EachRuleTakesItsBoundAndRefusesThePastIt) {
    for (const Row& row : rows()) {
        Changes taken = row.context;
        taken.emplace_back(row.field, row.taken);
        const auto ok = server::check_rank_upload(rank_body(with(taken)));
        EXPECT_TRUE(ok.value) << row.rule << ": " << ok.reason;
        if (ok.value) {
            EXPECT_EQ(ok.value->fields[row.field - 1], row.taken) << row.rule;
        }

        Changes refused = row.context;
        refused.emplace_back(row.field, row.refused);
        const auto no = server::check_rank_upload(rank_body(with(refused)));
        EXPECT_FALSE(no.value) << row.rule;
        EXPECT_TRUE(no.reason.starts_with("ranking upload: ")) << row.rule << ": " << no.reason;
        EXPECT_NE(no.reason.find(row.reason), std::string::npos) << row.rule << ": " << no.reason;
        for (const char c : no.reason) {
            EXPECT_TRUE(c >= 0x20 && c < 0x7F) << row.rule << ": not one line of ASCII";
            if (!(c >= 0x20 && c < 0x7F)) break;
        }
    }
}

// Over the wire: the 400 answer says why in one line, and nothing of it is kept.
TEST(Plausibility, ImpossibleUploadsAreRefusedAndNotStored) {
    TempFolder folder;
    ServerProcess server(folder.path() / "island.db", {"--writes-per-minute", "0"});
    ASSERT_TRUE(server.running()) << server.log();
    httplib::Client client = server.client();
    for (const Changes& changes :
         {Changes{{3, "-5"}}, Changes{{8, "100"}}, Changes{{13, "9999"}}, Changes{{28, "1"}}}) {
        auto res = client.Post("/zkv/zkv_rank.exe?write", rank_body(with(changes)), "text/plain");
        ASSERT_TRUE(res);
        EXPECT_EQ(res->status, 400) << res->body;
        const auto lines = answer_lines(res->body);
        ASSERT_TRUE(lines);
        EXPECT_EQ(lines->size(), 1u);
        EXPECT_TRUE(res->body.starts_with("ranking upload: ")) << res->body;
    }
    auto res = client.Get("/zkv/zkv_rank.exe");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body, "");
    // The plausible line itself goes in.
    res = client.Post("/zkv/zkv_rank.exe?write", rank_body(base()), "text/plain");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200) << res->body;
    EXPECT_EQ(ranking_names(res->body), std::vector<std::string>{"ミナト"});
}

}  // namespace
}  // namespace quill::server_test
