// Reading the ranking server's answers: what a good server sends, and what a broken or
// hostile one may send instead.
#include "net/answer_parsers.h"

#include <gtest/gtest.h>

#include "net_fixtures.h"

namespace quill::net {
namespace {

using testing_support::answer;
using testing_support::rank_answer_line;
using testing_support::rank_fields;
using testing_support::report_answer_line;
using testing_support::sj;

TEST(RankingAnswer, FifteenHundredLinesFillExactlyAThousandEntries) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1500; ++i) {
        lines.push_back(rank_answer_line(rank_fields("冒険者" + std::to_string(i), i, 5000 - i)));
    }
    const RankingAnswer a = ParseRankingAnswer(answer(lines));
    ASSERT_EQ(a.entries.size(), 1000u);
    EXPECT_EQ(a.entries[0].name, "冒険者0");
    EXPECT_EQ(a.entries[999].name, "冒険者999");
    EXPECT_EQ(a.entries[999].score, 4001);
    EXPECT_EQ(a.entries[999].version, 229);
}

TEST(RankingAnswer, EntriesNoticesAndBrokenLines) {
    net::RankFields broken = rank_fields("ハル", 8, 300, 1, "3/4 5:6", "タマ");
    broken[7] = "1x";  // the level: the entry stops there
    const std::string good = rank_answer_line(rank_fields("ミナト", 7, 900, 0, "3/4 5:6", "タマ"));
    const RankingAnswer a = ParseRankingAnswer(
        answer({sj("[mお知らせ: 島の祭りは今夜です"), good, "garbage+/-line", "",
                rank_answer_line(broken), good.substr(0, good.size() / 2), "\xFF\xFE\x81"}) +
        good);  // the last line without its line end
    // The half line still holds the head with both markers: an entry, cut where it ends.
    ASSERT_EQ(a.entries.size(), 4u);
    const RankEntry& e = a.entries[0];
    EXPECT_EQ(e.name, "ミナト");
    EXPECT_EQ(e.player_id, 7);
    EXPECT_EQ(e.score, 900);
    EXPECT_EQ(e.date, "3/4 5:6");
    EXPECT_EQ(e.level, 12);
    EXPECT_EQ(e.attack, 40);
    EXPECT_EQ(e.guard, 5);
    EXPECT_EQ(e.battle_count, 77);
    EXPECT_EQ(e.pet_name, "タマ");
    EXPECT_EQ(e.pet_level, 3);
    EXPECT_EQ(e.pet_look, 4);
    EXPECT_EQ(e.version, 229);
    // The broken entry keeps what came before its bad field, and nothing after it.
    EXPECT_EQ(a.entries[1].name, "ハル");
    EXPECT_EQ(a.entries[1].date, "3/4 5:6");
    EXPECT_EQ(a.entries[1].level, 0);
    EXPECT_EQ(a.entries[1].pet_name, "");
    EXPECT_EQ(a.entries[1].version, 0);
    EXPECT_EQ(a.entries[2].name, "ミナト");
    EXPECT_EQ(a.entries[2].version, 0);
    EXPECT_EQ(a.entries[3].version, 229);
    ASSERT_EQ(a.notices.size(), 1u);
    EXPECT_EQ(a.notices[0], "[mお知らせ: 島の祭りは今夜です");

    // A line with both markers but no fields is an entry without a name; an overlong name
    // reads as empty.
    const std::string bare = utf7_run(sj("＊　k[]k　＊")).value();
    net::RankFields longname = rank_fields(std::string(300, 'a'), 1, 1);
    const RankingAnswer b = ParseRankingAnswer(answer({bare, rank_answer_line(longname)}));
    ASSERT_EQ(b.entries.size(), 2u);
    EXPECT_EQ(b.entries[0].name, "");
    EXPECT_EQ(b.entries[1].name, "");
    EXPECT_EQ(b.entries[1].score, 0);
}

TEST(RankingAnswer, RecentPlayersAndANewerVersion) {
    std::vector<RankEntry> entries(5);
    entries[0].date = "12/10 14:50";  // the previous hour
    entries[1].date = "12/10 15:02";  // this hour
    entries[2].date = "12/10 13:59";  // two hours back
    entries[3].date = "12/9 15:00";   // yesterday
    entries[4].date = "";             // undated: not counted at all
    EXPECT_EQ(CountRecentPlayers(entries, 12, 10, 15), 2);
    // Across midnight: 23 o'clock of the day before is the previous hour.
    EXPECT_EQ(CountRecentPlayers({RankEntry{.date = "12/9 23:40"}}, 12, 10, 0), 1);
    // A date that does not read counts as month, day and hour 0.
    EXPECT_EQ(CountRecentPlayers({RankEntry{.date = "昨日"}}, 12, 10, 15), 0);

    entries[0].version = 231;
    entries[4].version = 300;  // undated entries do not count
    EXPECT_EQ(NewerVersion(entries, 229), 231);
    EXPECT_EQ(NewerVersion(entries, 231), 0);
    EXPECT_EQ(NewerVersion({}, 229), 0);
}

TEST(ReportAnswer, ReportsTheirLimitAndTheRefusal) {
    std::vector<std::string> lines = {"TENKI 晴れ{t1/1 1:1}t"};
    for (int i = 0; i < 35; ++i) {
        lines.push_back(report_answer_line(
            "ミナト", "<撃破>ミナトは、スライム" + std::to_string(i) + "を倒した", 42, 1,
            "12/1 9:" + std::to_string(i)));
    }
    const ReportAnswer a = ParseReportAnswer(answer(lines));
    ASSERT_EQ(a.entries.size(), 29u);
    EXPECT_FALSE(a.duplicate_refused);
    EXPECT_EQ(a.entries[0].message, "　<撃破>ミナトは、スライム0を倒した　");
    EXPECT_EQ(a.entries[0].name, "ミナト");
    EXPECT_EQ(a.entries[0].player_id, 42);
    EXPECT_EQ(a.entries[0].race_sex, 1);
    EXPECT_EQ(a.entries[28].time, "12/1 9:28");

    const ReportAnswer refused =
        ParseReportAnswer(answer({lines[1], sj("二重投稿は禁止しています"), lines[2]}));
    EXPECT_TRUE(refused.duplicate_refused);
    EXPECT_TRUE(refused.entries.empty());
}

TEST(ReportAnswer, BrokenFieldsReadAsEmpty) {
    const std::string run = utf7_run(sj("　ミナト　")).value();
    const std::string space = utf7_run(sj("　")).value();
    struct Case {
        const char* what;
        std::string line;
        std::string message, name, time;
        int32_t id;
    };
    const Case cases[] = {
        {"markers reversed", "}m" + run + "{m}n" + run + "{n{t1/2 3:4}t", "", "", "1/2 3:4", 0},
        {"closing marker missing", "{m" + run + "{n" + run + "}n{p12{t5}t", "", "ミナト", "5", 0},
        {"a name of one space", "{n" + space + "}n{p-3}p{t}t", "", "", "", -3},
        {"a number too long", "{p99999999999}p{tx}t", "", "", "x", 0},
        {"not UTF-7", "{m+++}m{n\xFF\xFF}n{t\xFF}t", "", "", "", 0},
        // A lead byte takes the "}" of "}t" as its second byte: there is no "}t" then.
        {"a cut-off character before }t", "{m" + run + "}m{t\x81}t", "-", "-", "-", 0},
        {"no {t} part: not a report", "{m" + run + "}m", "-", "-", "-", 0},
    };
    for (const Case& c : cases) {
        const ReportAnswer a = ParseReportAnswer(answer({c.line}));
        if (c.message == "-") {
            EXPECT_TRUE(a.entries.empty()) << c.what;
            continue;
        }
        ASSERT_EQ(a.entries.size(), 1u) << c.what;
        EXPECT_EQ(a.entries[0].message, c.message) << c.what;
        EXPECT_EQ(a.entries[0].name, c.name) << c.what;
        EXPECT_EQ(a.entries[0].time, c.time) << c.what;
        EXPECT_EQ(a.entries[0].player_id, c.id) << c.what;
    }
}

TEST(AnswerLines, EveryKindOfLineEnd) {
    const auto lines = AnswerLines("a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[3], "d");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "e");
    EXPECT_TRUE(AnswerLines("").empty());
}

}  // namespace
}  // namespace quill::net
