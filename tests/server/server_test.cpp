// The ranking server as the game and a host's browser meet it: real HTTP on loopback.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "raw_connection.h"
#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

constexpr const char* kGameText = "text/plain; charset=Shift_JIS";

using Clock = std::chrono::steady_clock;

std::string raw_post(const char* path, const std::string& body) {
    return std::string("POST ") + path +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

class ServerTest : public ServerFixture {
  protected:
    httplib::Result get(const std::string& path) { return server_->client().Get(path.c_str()); }
    httplib::Result post(const std::string& path, const std::string& body) {
        return server_->client().Post(path.c_str(), body, "text/plain");
    }

    // Uploads and expects the game's kind of answer.
    std::string upload(const net::RankFields& fields) {
        auto res = post(kRankWrite, rank_body(fields));
        EXPECT_TRUE(res);
        if (!res) return {};
        EXPECT_EQ(res->status, 200) << res->body;
        return res->body;
    }
    std::string post_report(std::string_view name, std::string_view message) {
        auto res = post(kReportWrite, report_body(name, message));
        EXPECT_TRUE(res);
        if (!res) return {};
        EXPECT_EQ(res->status, 200) << res->body;
        return res->body;
    }
    std::string fetch(const char* path) {
        auto res = get(path);
        EXPECT_TRUE(res);
        if (!res) return {};
        EXPECT_EQ(res->status, 200);
        return res->body;
    }
};

TEST_F(ServerTest, UploadIsAnsweredWithTheRankingAsTheGameReadsIt) {
    start();
    const net::RankFields sent = adventurer("ミナト", 1234, 5678);
    auto res = post(kRankWrite, rank_body(sent));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), kGameText);
    const auto lines = answer_lines(res->body);
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 1u);
    EXPECT_TRUE(res->body.ends_with("\r\n"));

    // The line is the UTF-7 run of the framed ranking line, re-encoded by the server.
    const std::string framed = sj("＊　") + net::build_rank_line(sent) + sj("　＊");
    EXPECT_EQ((*lines)[0], net::utf7_run(framed).value());
    const auto entries = ranking_entries(res->body);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], sent);

    // The fetch answers the same text.
    EXPECT_EQ(fetch(kRank), res->body);
}

TEST_F(ServerTest, EmptyIslandAnswersEmptyLists) {
    start();
    auto rank = get(kRank);
    ASSERT_TRUE(rank);
    EXPECT_EQ(rank->status, 200);
    EXPECT_EQ(rank->body, "");
    EXPECT_EQ(rank->get_header_value("Content-Type"), kGameText);
    EXPECT_EQ(fetch(kReport), "");
}

TEST_F(ServerTest, NewUploadReplacesTheAdventurersEntry) {
    start();
    upload(adventurer("ミナト", 1, 100));
    upload(adventurer("ミナト", 2, 50));  // same name, another player: another adventurer
    const std::string answer = upload(adventurer("ミナト", 1, 30));
    const auto entries = ranking_entries(answer);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0][1], "2");
    EXPECT_EQ(entries[0][2], "50");
    EXPECT_EQ(entries[1][1], "1");
    EXPECT_EQ(entries[1][2], "30");
}

TEST_F(ServerTest, RankingIsOrderedByScoreAndTiesByUploadOrder) {
    start();
    upload(adventurer("B", 1, 500));
    upload(adventurer("A", 2, 900));
    upload(adventurer("C", 3, 500));
    upload(adventurer("D", 4, 10));
    upload(adventurer("E", 5, 500));
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"A", "B", "C", "E", "D"}));
    // A new upload is the latest among equal scores.
    upload(adventurer("B", 1, 500));
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"A", "C", "E", "B", "D"}));
}

TEST_F(ServerTest, AnswersKeptInMemoryFollowEveryWriteAtOnce) {
    start();
    const std::string after_first = upload(adventurer("ハル", 1, 300));
    EXPECT_EQ(fetch(kRank), after_first);
    EXPECT_EQ(fetch(kRank), after_first);  // the same bytes from memory
    const std::string after_second = upload(adventurer("ルカ", 2, 400));
    EXPECT_NE(after_second, after_first);
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"ルカ", "ハル"}));
    EXPECT_EQ(fetch(kRank), after_second);
}

TEST_F(ServerTest, RankingAnswersTheBestThousandAndKeepsEveryEntry) {
    start();
    constexpr int kAdventurers = 1003;
    httplib::Client client = server_->client();
    client.set_keep_alive(true);
    for (int i = 0; i < kAdventurers; ++i) {
        // Scores 1..1003 in a scrambled order; the three lowest fall off the answer.
        const int score = (i * 397) % kAdventurers + 1;
        auto res =
            client.Post(kRankWrite, rank_body(adventurer("冒険者" + std::to_string(i), i, score)),
                        "text/plain");
        ASSERT_TRUE(res);
        ASSERT_EQ(res->status, 200);
    }
    const auto entries = ranking_entries(fetch(kRank));
    ASSERT_EQ(entries.size(), 1000u);
    EXPECT_EQ(entries.front()[2], std::to_string(kAdventurers));
    EXPECT_EQ(entries.back()[2], "4");
    for (size_t i = 1; i < entries.size(); ++i) {
        EXPECT_GT(std::stoll(entries[i - 1][2]), std::stoll(entries[i][2]));
    }
    // All 1003 are kept: the page counts them.
    EXPECT_NE(fetch("/").find("登録された冒険者 1003人"), std::string::npos);
}

TEST_F(ServerTest, NoticeLineComesFirst) {
    start({"--notice", "ようこそ、クイルムーアへ！"});
    const std::string notice = "[m" + sj("ようこそ、クイルムーアへ！");
    EXPECT_EQ(answer_lines(fetch(kRank)).value(), std::vector<std::string>{notice});
    const std::string answer = upload(adventurer("ミナト", 1, 10));
    const auto lines = answer_lines(answer).value();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], notice);
    EXPECT_EQ(ranking_names(answer), std::vector<std::string>{"ミナト"});
    EXPECT_NE(fetch("/").find("ようこそ、クイルムーアへ！"), std::string::npos);
}

TEST_F(ServerTest, ReportsAreNewestFirstThirtyAtMostAndStampedByTheServer) {
    start();
    std::string answer;
    for (int i = 0; i < 35; ++i) {
        answer = post_report("ミナト", "<撃破>ミナトは、スライム" + std::to_string(i) + "を倒した");
    }
    EXPECT_EQ(answer, fetch(kReport));
    EXPECT_TRUE(answer.ends_with("\r\n"));
    const auto reports = report_entries(answer);
    ASSERT_EQ(reports.size(), 30u);
    ASSERT_EQ(answer_lines(answer)->size(), 30u);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(utf8(reports[i].message),
                  "<撃破>ミナトは、スライム" + std::to_string(34 - i) + "を倒した");
        EXPECT_EQ(utf8(reports[i].name), "ミナト");
        EXPECT_EQ(reports[i].player_id, 7);
        EXPECT_EQ(reports[i].race_sex, 1);
    }
    // The server's own clock: month/day hour:minute of now, without leading zeros.
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    int month = 0, day = 0, hour = 0, minute = 0;
    ASSERT_EQ(std::sscanf(reports[0].time.c_str(), "%d/%d %d:%d", &month, &day, &hour, &minute), 4)
        << reports[0].time;
    EXPECT_EQ(reports[0].time, std::to_string(month) + "/" + std::to_string(day) + " " +
                                   std::to_string(hour) + ":" + std::to_string(minute));
    EXPECT_EQ(month, local.tm_mon + 1);
    EXPECT_EQ(day, local.tm_mday);
}

TEST_F(ServerTest, OnlyADoubleSendIsRefused) {
    start();
    const std::string landing = "<入島>ミナトがワールドに降り立った....";
    post_report("ミナト", landing);
    // The same report sent again at once is a double send.
    const std::string refusal = post_report("ミナト", landing);
    EXPECT_NE(refusal.find(sj("二重投稿は禁止しています")), std::string::npos);
    EXPECT_EQ(answer_lines(refusal)->size(), 1u);
    EXPECT_EQ(report_entries(fetch(kReport)).size(), 1u);

    // A player who dies twice with a level-up between: every line is news.
    post_report("ミナト", "<死亡>ミナトは力尽きた");
    post_report("ミナト", "<LVUP>ミナトはLV 3になった");
    const std::string second_death = post_report("ミナト", "<死亡>ミナトは力尽きた");
    EXPECT_EQ(second_death.find(sj("二重投稿は禁止しています")), std::string::npos);
    EXPECT_EQ(utf8(report_entries(second_death).at(0).message), "<死亡>ミナトは力尽きた");

    // The same name and message from another player id is another adventurer's news.
    auto res = post(kReportWrite, report_body("ミナト", "<死亡>ミナトは力尽きた", 8));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->body.find(sj("二重投稿は禁止しています")), std::string::npos);
    // Another name with the same message likewise.
    const std::string other = post_report("ハル", "<死亡>ミナトは力尽きた");
    EXPECT_EQ(other.find(sj("二重投稿は禁止しています")), std::string::npos);

    // A landing line repeated after others on a quiet server is stored too.
    const std::string again = post_report("ミナト", landing);
    EXPECT_EQ(again.find(sj("二重投稿は禁止しています")), std::string::npos);
    EXPECT_EQ(utf8(report_entries(again).at(0).message), landing);
    EXPECT_EQ(report_entries(fetch(kReport)).size(), 7u);
}

TEST_F(ServerTest, MalformedUploadsAreRefusedAndNothingIsStored) {
    start();
    auto expect_400 = [&](const char* path, const std::string& body, const char* what) {
        auto res = post(path, body);
        ASSERT_TRUE(res) << what;
        EXPECT_EQ(res->status, 400) << what;
        const auto lines = answer_lines(res->body);
        ASSERT_TRUE(lines) << what;
        EXPECT_EQ(lines->size(), 1u) << what << ": " << res->body;
    };
    const std::string good = net::build_rank_line(adventurer("ミナト", 1, 10));
    auto body_of = [](const std::string& line, const std::string& tail) {
        return net::percent_all(net::utf7_run(sj("＊　") + line + sj("　＊")).value() + tail);
    };
    expect_400(kRankWrite, "", "empty body");
    expect_400(kRankWrite, "%8", "cut-off percent triple");
    expect_400(kRankWrite, "%ZZ%41", "bad hexadecimal");
    expect_400(kRankWrite, body_of(good, ""), "no trailing あ and number");
    expect_400(kRankWrite, body_of(good, sj("あ")), "no trailing number");
    expect_400(kRankWrite, body_of(good, sj("あ") + "100"), "number out of range");
    expect_400(kRankWrite, net::percent_all(net::utf7_run(good).value() + sj("あ") + "5"),
               "no frame");
    expect_400(kRankWrite, net::percent_all("+!!!" + sj("あ") + "5"), "not a UTF-7 run");
    expect_400(kRankWrite, body_of(good.substr(0, good.size() - 3), sj("あ") + "1"), "27 fields");
    expect_400(kRankWrite, body_of(good + "9#{", sj("あ") + "1"), "29 fields");
    net::RankFields bad = adventurer("ミナト", 1, 10);
    bad[2] = "1O0";
    expect_400(kRankWrite, rank_body(bad), "score not an integer");
    bad = adventurer("ミナト", 1, 10);
    bad[27] = "";
    expect_400(kRankWrite, rank_body(bad), "version empty");
    expect_400(kRankWrite, rank_body(adventurer("", 1, 10)), "empty name");
    expect_400(kRankWrite, rank_body(adventurer(std::string(33, 'x'), 1, 10)), "long name");
    expect_400(kRankWrite, rank_body(adventurer("タ" + std::string(31, 'x') + "タ", 1, 10)),
               "long name in full-width characters");
    bad = adventurer("ミナト", 1, 10);
    bad[22] = "\x01";
    expect_400(kRankWrite, rank_body(bad), "control character in the title");

    expect_400(kReportWrite, "", "empty report");
    expect_400(kReportWrite, net::percent_all("{mabc}m"), "not a report line");
    expect_400(kReportWrite, report_body("ミナト", "a#{b"), "#{ in the message");
    expect_400(kReportWrite, report_body(std::string(33, 'x'), "hi"), "long report name");
    expect_400(kReportWrite, report_body("", "hi"), "empty report name");
    expect_400(kReportWrite, report_body("ミナト", std::string(300, 'x')), "long message");

    // A write needs ?write.
    expect_400(kRank, rank_body(adventurer("ミナト", 1, 10)), "upload without ?write");
    expect_400(kReport, report_body("ミナト", "hi"), "report without ?write");

    EXPECT_EQ(fetch(kRank), "");
    EXPECT_EQ(fetch(kReport), "");
    // The length limit counts characters, not bytes: 32 full-width characters pass.
    std::string name;
    for (int i = 0; i < 32; ++i) name += "タ";
    EXPECT_EQ(ranking_names(upload(adventurer(name, 1, 10))), std::vector<std::string>{name});
}

TEST_F(ServerTest, OtherPathsAreNotFound) {
    start();
    for (const char* path : {"/nothing", "/zkv/", "/zkv/zkv_rank.exe/x", "/zkv/zkv_rankXexe",
                             "/zkv/zkv_rank.exe2", "/index.html"}) {
        auto res = get(path);
        ASSERT_TRUE(res) << path;
        EXPECT_EQ(res->status, 404) << path;
        EXPECT_EQ(answer_lines(res->body)->size(), 1u) << path;
    }
    auto res = post("/zkv/zkv_other.exe?write", rank_body(adventurer("ミナト", 1, 10)));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 404);
    EXPECT_EQ(fetch(kRank), "");
}

TEST_F(ServerTest, BodiesOverTheLimitAreRefused) {
    start();
    auto res = post(kRankWrite, std::string(16 * 1024 + 1, '%'));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 413);
    res = post(kReportWrite, std::string(20000, 'A'));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 413);
    // Just at the limit the body is read (and refused for what it says).
    res = post(kRankWrite, std::string(16 * 1024, 'A'));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 400);

    start({"--max-body", "500"});
    res = post(kRankWrite, rank_body(adventurer("ミナト", 1, 10)));  // about 700 bytes
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 413);
    EXPECT_EQ(fetch(kRank), "");
}

TEST_F(ServerTest, TooManyWritesFromOneAddressAreRefused) {
    start({"--writes-per-minute", "3"});
    upload(adventurer("A", 1, 10));
    post_report("A", "<降臨>Aという名の冒険者が現れた");
    upload(adventurer("B", 2, 20));
    auto res = post(kRankWrite, rank_body(adventurer("C", 3, 30)));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 429);
    res = post(kReportWrite, report_body("C", "<降臨>Cという名の冒険者が現れた"));
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 429);
    // Reading goes on, and nothing of the refused writes was kept.
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(report_entries(fetch(kReport)).size(), 1u);
}

TEST_F(ServerTest, PageShowsTheIslandWithEveryTextEscaped) {
    start();
    net::RankFields f = adventurer("<script>", 1, 4321);
    f[22] = "\"&'";
    upload(f);
    upload(adventurer("ミナト", 2, 99));
    post_report("<b>", "<img src=x onerror=alert(1)>");
    auto res = get("/");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(res->get_header_value("Content-Type"), "text/html; charset=utf-8");
    const std::string& page = res->body;
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    EXPECT_EQ(page.find("<img"), std::string::npos);
    EXPECT_NE(page.find("&lt;script&gt;"), std::string::npos);
    EXPECT_NE(page.find("&quot;&amp;&#39;"), std::string::npos);
    EXPECT_NE(page.find("&lt;img src=x onerror=alert(1)&gt;"), std::string::npos);
    EXPECT_NE(page.find("ランキング"), std::string::npos);
    EXPECT_NE(page.find("ミナト"), std::string::npos);
    EXPECT_NE(page.find("4321"), std::string::npos);
    EXPECT_LT(page.find("&lt;script&gt;"), page.find("ミナト"));  // the better score first
}

// A page elsewhere cannot post through its visitors' browsers: a browser marks every request
// with Origin or Sec-Fetch-*, which the game never sends. The page itself loads and runs
// nothing from elsewhere.
TEST_F(ServerTest, WritesFromWebPagesAreRefusedAndThePageLocksItselfDown) {
    start();
    const httplib::Headers marks[] = {{{"Origin", "https://elsewhere.example"}},
                                      {{"origin", "null"}},
                                      {{"Sec-Fetch-Mode", "no-cors"}},
                                      {{"sec-fetch-site", "cross-site"}}};
    for (const httplib::Headers& headers : marks) {
        for (const auto& [path, body] :
             {std::pair{std::string(kRankWrite), rank_body(adventurer("Web", 7, 70))},
              std::pair{std::string(kReportWrite),
                        report_body("Web", "<降臨>Webという名の冒険者が現れた")}}) {
            auto res = server_->client().Post(path.c_str(), headers, body, "text/plain");
            ASSERT_TRUE(res);
            EXPECT_EQ(res->status, 403) << headers.begin()->first << " " << path;
        }
    }
    EXPECT_TRUE(ranking_names(fetch(kRank)).empty());
    EXPECT_TRUE(report_entries(fetch(kReport)).empty());
    upload(adventurer("Game", 1, 10));  // the game's own write still goes in
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"Game"}));

    auto page = get("/");
    ASSERT_TRUE(page);
    const std::string policy = page->get_header_value("Content-Security-Policy");
    EXPECT_NE(policy.find("default-src 'none'"), std::string::npos) << policy;
    EXPECT_EQ(policy.find("script-src"), std::string::npos) << policy;
    EXPECT_EQ(page->get_header_value("X-Content-Type-Options"), "nosniff");
    EXPECT_EQ(page->get_header_value("Referrer-Policy"), "no-referrer");
}

// Bad requests with long targets of raw bytes, many of them: the log grows by a short,
// escaped line and a count, not by what was sent.
TEST_F(ServerTest, AFloodOfBadRequestsLeavesAShortCleanLog) {
    start();
    const std::string target = "/\x1b]0;owned\x07" + std::string(6000, '\xE3');
    for (int i = 0; i < 40; ++i) {
        RawConnection c(server_->port());
        ASSERT_TRUE(c.send_bytes("GET " + target + " HTTP/1.1\r\nHost: x\r\n\r\n"));
        c.answer(5000);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::string log = server_->log();
    EXPECT_LT(log.size(), 2000u) << log.size();
    for (const char ch : log) {
        const auto c = static_cast<unsigned char>(ch);
        EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7F)) << "a raw byte in the log: " << int(c);
        if (!(c == '\n' || (c >= 0x20 && c < 0x7F))) break;
    }
}

TEST_F(ServerTest, RestartKeepsEverything) {
    start();
    upload(adventurer("ミナト", 1, 300));
    upload(adventurer("ハル", 2, 200));
    post_report("ミナト", "<入島>ミナトがワールドに降り立った....");
    post_report("ハル", "<入島>ハルがワールドに降り立った....");
    const std::string ranking = fetch(kRank);
    const std::string reports = fetch(kReport);
    EXPECT_EQ(server_->stop(), 0);

    start();
    EXPECT_EQ(fetch(kRank), ranking);
    EXPECT_EQ(fetch(kReport), reports);
    // The duplicate check remembers across the restart too.
    const std::string refusal = post_report("ハル", "<入島>ハルがワールドに降り立った....");
    EXPECT_NE(refusal.find(sj("二重投稿は禁止しています")), std::string::npos);
    upload(adventurer("ソラ", 3, 250));
    EXPECT_EQ(ranking_names(fetch(kRank)), (std::vector<std::string>{"ミナト", "ソラ", "ハル"}));
}

TEST_F(ServerTest, StopsCleanlyOnSigtermAndSigint) {
    ServerProcess& s = start();
    upload(adventurer("ミナト", 1, 300));
    EXPECT_EQ(s.stop(), 0);
    // Stopping right after the start works too.
    ServerProcess quick(db(), {"--writes-per-minute", "0"});
    ASSERT_TRUE(quick.running());
    EXPECT_EQ(quick.stop(SIGINT), 0);
}

TEST_F(ServerTest, FormEncodedUploadsAreReadTheSame) {
    // The game's HTTP object may label its body as a form; the body is read as it is.
    start();
    auto res = server_->client().Post(kRankWrite, rank_body(adventurer("ミナト", 1, 10)),
                                      "application/x-www-form-urlencoded");
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 200);
    EXPECT_EQ(ranking_names(res->body), std::vector<std::string>{"ミナト"});
}

TEST_F(ServerTest, FetchAfterAnUploadShowsItAndRepeatedFetchesAreTheSameBytes) {
    start();
    for (int i = 0; i < 20; ++i) upload(adventurer("冒険者" + std::to_string(i), i, 100 + i));
    // Readers keep fetching while the uploads go on: an answer built during a write must not
    // be served as if it were newer than that write.
    std::atomic<bool> stop{false};
    std::vector<std::thread> readers;
    for (int r = 0; r < 3; ++r) {
        readers.emplace_back([&] {
            httplib::Client client = server_->client();
            client.set_keep_alive(true);
            while (!stop) client.Get(kRank);
        });
    }
    httplib::Client reader = server_->client();
    reader.set_keep_alive(true);
    for (int i = 0; i < 30; ++i) {
        const std::string name = "新顔" + std::to_string(i);
        const std::string answer = upload(adventurer(name, 1000 + i, 5000 + i));
        ASSERT_EQ(ranking_names(answer).at(0), name);
        auto first = reader.Get(kRank);
        auto second = reader.Get(kRank);
        ASSERT_TRUE(first);
        ASSERT_TRUE(second);
        EXPECT_EQ(ranking_names(first->body).at(0), name) << "fetch " << i;
        EXPECT_EQ(first->body, answer);
        EXPECT_EQ(second->body, first->body);
    }
    stop = true;
    for (std::thread& t : readers) t.join();
    // The host's page is kept too, and follows the writes as well.
    EXPECT_NE(fetch("/").find("登録された冒険者 50人"), std::string::npos);
    EXPECT_EQ(fetch("/"), fetch("/"));
    upload(adventurer("最後", 9999, 1));
    EXPECT_NE(fetch("/").find("登録された冒険者 51人"), std::string::npos);
    post_report("最後", "<入島>最後がワールドに降り立った....");
    const std::string reports = fetch(kReport);
    EXPECT_EQ(report_entries(reports).size(), 1u);
    EXPECT_EQ(fetch(kReport), reports);
}

TEST_F(ServerTest, UploadsWithoutALengthOrPackedAreRefusedUnread) {
    start();
    const std::string body = rank_body(adventurer("ミナト", 1, 10));
    {
        // Without a length the body would run until the client stops sending.
        RawConnection c(server_->port());
        ASSERT_TRUE(c.send_bytes("POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: x\r\n\r\n" + body +
                                 std::string(1 << 20, 'A')));
        const auto a = c.answer();
        EXPECT_EQ(a.status, 411);
        EXPECT_EQ(answer_lines(a.body)->size(), 1u);
        EXPECT_TRUE(c.closed_by_server(5000));
    }
    {
        RawConnection c(server_->port());
        ASSERT_TRUE(c.send_bytes(
            "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: x\r\nTransfer-Encoding: chunked\r\n"
            "\r\n10\r\n0123456789abcdef\r\n0\r\n\r\n"));
        EXPECT_EQ(c.answer().status, 411);
    }
    {
        // A packed body could unpack to far more than the limit.
        RawConnection c(server_->port());
        ASSERT_TRUE(c.send_bytes(
            "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: x\r\nContent-Encoding: gzip\r\n"
            "Content-Length: 4\r\n\r\nabcd"));
        EXPECT_EQ(c.answer().status, 415);
    }
    {
        // A length far over the limit is refused at once, not read to its end.
        RawConnection c(server_->port());
        const auto started = Clock::now();
        ASSERT_TRUE(
            c.send_bytes("POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: x\r\n"
                         "Content-Length: 1000000000000\r\n\r\n" +
                         std::string(65536, 'A')));
        EXPECT_EQ(c.answer().status, 413);
        EXPECT_LT(Clock::now() - started, std::chrono::seconds(3));
    }
    EXPECT_EQ(fetch(kRank), "");
}

TEST_F(ServerTest, HeadsOverTheLimitsAndGarbageAreRefused) {
    start();
    struct Case {
        std::string bytes;
        int status;
    };
    std::string many_headers = "GET /zkv/zkv_rank.exe HTTP/1.1\r\n";
    for (int i = 0; i < 300; ++i) many_headers += "X-" + std::to_string(i) + ": y\r\n";
    const Case cases[] = {
        {"GET /" + std::string(20000, 'a') + " HTTP/1.1\r\n\r\n", 414},
        {"GET /" + std::string(1 << 20, 'a'), 414},  // a line that never ends
        {"GET / HTTP/1.1\r\nX: " + std::string(1 << 20, 'y'), 431},
        {many_headers + "\r\n", 431},
        {"HELLO\r\n\r\n", 400},
        {std::string("\x16\x03\x01\x02\x00\x01\x00", 7), 400},  // another protocol
        {"GET /zkv/zkv_rank.exe HTTP/2.0\r\n\r\n", 400},
        {"GET /zkv/zkv_rank.exe HTTP/1.1\r\nno colon\r\n\r\n", 400},
        {"POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nContent-Length: 12x\r\n\r\n", 400},
    };
    for (const Case& c : cases) {
        RawConnection raw(server_->port());
        raw.send_bytes(c.bytes);
        const auto a = raw.answer();
        EXPECT_EQ(a.status, c.status) << c.bytes.substr(0, 40);
        EXPECT_EQ(answer_lines(a.body).value_or(std::vector<std::string>{}).size(), 1u);
        EXPECT_TRUE(raw.closed_by_server(5000)) << c.bytes.substr(0, 40);
    }
    EXPECT_EQ(fetch(kRank), "");
}

TEST_F(ServerTest, RequestsSentTogetherAreAnsweredInOrder) {
    start();
    RawConnection c(server_->port());
    const std::string get = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: x\r\n\r\n";
    ASSERT_TRUE(c.send_bytes(raw_post(kRankWrite, rank_body(adventurer("ミナト", 1, 10))) + get +
                             raw_post(kRankWrite, rank_body(adventurer("ハル", 2, 20))) + get));
    const auto first = c.answer();
    const auto second = c.answer();
    const auto third = c.answer();
    const auto fourth = c.answer();
    EXPECT_EQ(first.status, 200);
    EXPECT_EQ(second.body, first.body);
    EXPECT_EQ(ranking_names(third.body), (std::vector<std::string>{"ハル", "ミナト"}));
    EXPECT_EQ(fourth.body, third.body);
    EXPECT_EQ(fourth.head.find("Connection: close"), std::string::npos);
}

TEST_F(ServerTest, SlowAndSilentClientsAreCutOffWithoutHoldingTheOthers) {
    start();
    upload(adventurer("ミナト", 1, 10));
    const std::string expected = fetch(kRank);
    // More silent, half-sent requests than the server has workers, from many addresses.
    auto address = [](int i) { return "127.0.0." + std::to_string(2 + i); };
    std::vector<std::unique_ptr<RawConnection>> silent;
    for (int i = 0; i < 40; ++i) {
        silent.push_back(std::make_unique<RawConnection>(server_->port(), address(i).c_str()));
        silent.back()->send_bytes("POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nContent-Le");
    }
    std::vector<std::unique_ptr<RawConnection>> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(std::make_unique<RawConnection>(server_->port(), address(40 + i).c_str()));
    }

    // Meanwhile a trickle of a byte a second: each within the read timeout, all of them far
    // beyond the time a request may take.
    std::atomic<int> trickle_status{-2};
    std::thread trickle([&] {
        RawConnection c(server_->port());
        const std::string get = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        for (char ch : get) {
            if (c.answer_waiting() || !c.send_bytes(std::string_view(&ch, 1))) break;
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        trickle_status = c.answer(15000).status;
    });

    // The others are answered as usual, at once.
    for (int i = 0; i < 20; ++i) {
        const auto started = Clock::now();
        EXPECT_EQ(fetch(kRank), expected);
        EXPECT_LT(Clock::now() - started, std::chrono::seconds(1));
    }
    // After the read timeout the half-sent requests are told so and closed; the idle
    // connections are closed.
    for (auto& c : silent) {
        const auto a = c->answer(15000);
        EXPECT_EQ(a.status, 408);
        EXPECT_TRUE(c->closed_by_server(3000));
    }
    for (auto& c : idle) EXPECT_TRUE(c->closed_by_server(15000));
    trickle.join();
    EXPECT_EQ(trickle_status, 408);
    EXPECT_EQ(ranking_names(fetch(kRank)), std::vector<std::string>{"ミナト"});
}

TEST_F(ServerTest, ClientWaitingToSendItsBodyIsToldToGoOnOnce) {
    start();
    const std::string body = rank_body(adventurer("ミナト", 1, 10));
    RawConnection c(server_->port());
    ASSERT_TRUE(
        c.send_bytes("POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: x\r\nExpect: 100-continue\r\n"
                     "Content-Length: " +
                     std::to_string(body.size()) + "\r\n\r\n"));
    EXPECT_EQ(c.answer(5000).status, 100);
    ASSERT_TRUE(c.send_bytes(body));
    const auto a = c.answer();
    EXPECT_EQ(a.status, 200);
    EXPECT_EQ(ranking_names(a.body), std::vector<std::string>{"ミナト"});
    EXPECT_FALSE(c.answer_waiting());
}

}  // namespace
}  // namespace quill::server_test
