// The game's exchanges with the ranking server: against the real server program, and
// against small servers that fail in every way a server can.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>

#include "character/creation.h"
#include "explore/island.h"
#include "loopback_server.h"
#include "net/exchange.h"
#include "net/ranking_exchange.h"
#include "net/report_exchange.h"
#include "net_fixtures.h"
#include "server/server_process.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "test_support.h"
#include "view/message_log.h"

namespace quill {
namespace {

using testing_support::answer;
using testing_support::GameFixture;
using testing_support::LandedGame;
using testing_support::LoopbackServer;
using testing_support::rank_answer_line;
using testing_support::rank_fields;
using testing_support::report_answer_line;
using testing_support::sj;

constexpr const char* kTimeout = "タイムアウトエラー しばらく待ってみましょう";

// The real ranking server on a free loopback port, with a database of its own.
struct RealServer {
    testing_support::TempFolder folder;
    server_test::ServerProcess process{folder.path() / "island.db", {"--writes-per-minute", "0"}};
    std::string url() const { return "http://127.0.0.1:" + std::to_string(process.port()); }
    // Another adventurer's upload, as another game would send it.
    void upload(const net::RankFields& fields) {
        auto body = net::rank_upload_body(net::build_rank_line(fields), 5);
        auto res = process.client().Post("/zkv/zkv_rank.exe?write", *body, "text/plain");
        ASSERT_TRUE(res && res->status == 200);
    }
};

// A server that answers every exchange with what the test sets, and counts and keeps what
// the game sent.
struct ScriptedServer : LoopbackServer {
    std::mutex mutex;
    std::vector<std::string> requests;  // method and path
    std::string last_body;
    std::string rank_answer, report_answer;
    ScriptedServer() {
        auto handle = [this](const httplib::Request& req, httplib::Response& res, bool rank) {
            std::lock_guard lock(mutex);
            requests.push_back(req.method + " " + req.target);
            last_body = req.body;
            res.set_content(rank ? rank_answer : report_answer, "text/plain");
        };
        server.Get("/zkv/zkv_rank.exe",
                   [=](const auto& req, auto& res) { handle(req, res, true); });
        server.Post("/zkv/zkv_rank.exe",
                    [=](const auto& req, auto& res) { handle(req, res, true); });
        server.Get("/zkv/zkv_report.exe",
                   [=](const auto& req, auto& res) { handle(req, res, false); });
        server.Post("/zkv/zkv_report.exe",
                    [=](const auto& req, auto& res) { handle(req, res, false); });
        start();
    }
    size_t count() {
        std::lock_guard lock(mutex);
        return requests.size();
    }
};

bool logged(const Game& g, const std::string& line) {
    for (const LogEntry& e : g.message_log) {
        if (e.text == line) return true;
    }
    return false;
}

// An inn stay paid and slept: the greeting, then the click that pays (the next click leaves
// the inn).
void stay_at_inn(Game& g) {
    g.state.money = 1000;
    g.form.map_b0.on_mouse_down({platform::MouseButton::Left, 1, 1});
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
}

TEST(NetExchange, ANewAdventurersArrivalComesBackInTheList) {
    RealServer server;
    ASSERT_TRUE(server.process.running()) << server.process.log();
    GameFixture f;
    Game& g = f.game;
    g.server_url = server.url();
    WireHandlers(g);
    FormCreate(g, 5);
    g.screen_mode = kGame;
    ShowCreationPanel(g);
    g.form.name_l.text = "ミナト";
    g.form.l_btn8.on_mouse_down({platform::MouseButton::Left, 3, 3});
    ASSERT_EQ(g.reports_sent.size(), 1u);
    EXPECT_EQ(g.reports_sent[0], "<降臨>ミナトという名の冒険者が現れた");
    EXPECT_EQ(g.net_status_text, "レポートデータ送信完了");
    EXPECT_TRUE(g.reports_loaded);
    EXPECT_EQ(g.report_entries[0].message, "　<降臨>ミナトという名の冒険者が現れた　");
    EXPECT_EQ(g.report_entries[0].name, "ミナト");
    EXPECT_EQ(g.report_entries[0].player_id, g.state.player_id);
    EXPECT_EQ(g.report_entries[0].race_sex, g.state.race_sex);

    // A fresh fetch, then the same line again: the game does not post it.
    fetch_reports(g);
    EXPECT_EQ(g.net_status_text, "レポートデータ受信完了");
    post_report(g, "<降臨>ミナトという名の冒険者が現れた");
    EXPECT_EQ(g.reports_sent.size(), 1u);
    EXPECT_EQ(g.net_status_text, "レポートデータ受信完了");  // no exchange ran
    // Another line goes, and comes back first.
    post_report(g, "<LVUP>ミナトはLV 2になった");
    EXPECT_EQ(g.report_entries[0].message, "　<LVUP>ミナトはLV 2になった　");
    EXPECT_EQ(g.report_entries[1].message, "　<降臨>ミナトという名の冒険者が現れた　");
}

TEST(NetExchange, TheInnSendsTheRankingAndTellsTheBetterPlace) {
    RealServer server;
    ASSERT_TRUE(server.process.running()) << server.process.log();
    // Others' entries as their games would send them: a level their score can hold.
    auto other = [](const char* name, int id, int score) {
        net::RankFields f = rank_fields(name, id, score);
        f[7] = "1";
        f[12] = "30";
        return f;
    };
    server.upload(other("ハル", 11, 900));
    server.upload(other("ソラ", 12, 500));
    server.upload(other("ナギ", 13, 100));
    LandedGame f(3);
    Game& g = f.game;
    g.server_url = server.url();
    f.clock.set_days(45000.0 + 30.0 / 1440.0);  // minute 30
    g.state.last_rank_send_minute = 0;
    g.state.last_rank = 3;
    g.state.score = 600;
    stay_at_inn(g);
    EXPECT_EQ(g.net_status_text, "RANK情報 送信完了");
    ASSERT_EQ(g.rank_entries.size(), 4u);
    EXPECT_EQ(own_rank(g), 1);
    EXPECT_EQ(g.state.last_rank, 1);
    EXPECT_EQ(g.state.last_rank_send_minute, 30);
    EXPECT_EQ(g.message_log[0].text, "2位にランクインしました!!(2位上昇)");
    EXPECT_EQ(g.message_log[0].kind, ColourKind("blue"));
    EXPECT_TRUE(logged(g, "RANK情報を送信中...."));  // the inn's log shows the exchange
    EXPECT_EQ(g.rank_entries[1].name, "ルカ");
    EXPECT_EQ(g.rank_entries[1].score, 600);
    EXPECT_EQ(g.rank_entries[1].version, kProgramVersion);

    // Leaving the inn opens the ranking with the adventurer's row chosen, from memory.
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_EQ(g.map_shown, 1);
    EXPECT_TRUE(g.form.net_box.visible);
    EXPECT_FALSE(g.form.world_box.visible);
    ASSERT_EQ(g.form.net_list.items.size(), 4u);
    EXPECT_EQ(g.form.net_list.items[1], "2位 600点 -- ルカ");
    EXPECT_EQ(g.form.net_list.item_index, 1);
    EXPECT_EQ(g.form.net_l.caption.rfind("ルカ(ver229) Lv", 0), 0u);

    // The same place next time: no line, the place kept.
    f.clock.set_days(45000.0 + 40.0 / 1440.0);
    stay_at_inn(g);
    EXPECT_FALSE(logged(g, "2位にランクインしました!!(0位上昇)"));
    EXPECT_EQ(g.state.last_rank, 1);
}

TEST(NetExchange, NoPlaceIsToldWithoutASuccessfulUploadThatListsTheAdventurer) {
    LandedGame f(3);
    Game& g = f.game;
    g.state.score = 600;
    g.state.last_rank = 3;
    f.clock.set_days(45000.0 + 30.0 / 1440.0);
    stay_at_inn(g);  // nobody listens
    EXPECT_EQ(g.net_status_text, "RANK情報 送信失敗");
    EXPECT_TRUE(logged(g, kTimeout));
    EXPECT_TRUE(logged(g, "RANK情報 送信失敗"));
    EXPECT_EQ(g.state.last_rank, 3);
    EXPECT_FALSE(g.ranking_panel_marked);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);

    // The server answers, but the adventurer is not in its list (own_rank -1).
    ScriptedServer s;
    s.rank_answer = answer({rank_answer_line(rank_fields("ハル", 11, 900))});
    g.server_url = s.base();
    f.clock.set_days(45000.0 + 40.0 / 1440.0);
    stay_at_inn(g);
    EXPECT_EQ(g.net_status_text, "RANK情報 送信完了");
    EXPECT_EQ(own_rank(g), -1);
    EXPECT_EQ(g.state.last_rank, 3);
    EXPECT_FALSE(g.ranking_panel_marked);
    for (const LogEntry& e : g.message_log)
        EXPECT_EQ(e.text.find("位にランクイン"), std::string::npos);
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    EXPECT_FALSE(g.form.net_box.visible);

    // Within six minutes of the last try nothing is sent at all.
    const size_t sent = s.count();
    f.clock.set_days(45000.0 + 45.0 / 1440.0);
    stay_at_inn(g);
    EXPECT_EQ(s.count(), sent);
}

TEST(NetExchange, TheUploadIsPercentTriplesOfTheFramedLine) {
    ScriptedServer s;
    LandedGame f(3);
    Game& g = f.game;
    g.server_url = s.base();
    for (const char* name : {"hostap7741", "ミナト"}) {
        g.adventurer().name = name;
        ASSERT_EQ(send_rank(g), 0);
        const std::string body = s.last_body;
        ASSERT_EQ(body.size() % 3, 0u);
        for (size_t i = 0; i < body.size(); i += 3) {
            ASSERT_EQ(body[i], '%');
            for (char c : body.substr(i + 1, 2)) ASSERT_TRUE(isdigit(c) || (c >= 'A' && c <= 'F'));
        }
        const std::string text = net::percent_decode(body).value();
        const size_t a = text.rfind(sj("あ"));
        ASSERT_NE(a, std::string::npos);
        const std::string number = text.substr(a + 2);
        EXPECT_TRUE(number.size() == 1 || number.size() == 2) << number;
        EXPECT_LT(std::stoi(number), 99);
        const auto line = net::decode_rank_upload(body);
        ASSERT_TRUE(line);
        const auto fields = net::parse_rank_line(*line).value();
        EXPECT_EQ(fields[0], std::string(name) == "hostap7741" ? "GM" : sj(name));
        EXPECT_EQ(fields[6], "3/15 0:0");  // the clock's date, without leading zeros
        EXPECT_EQ(fields[21], "0");
        EXPECT_EQ(fields[27], "229");
    }
    EXPECT_EQ(s.requests.back(), "POST /zkv/zkv_rank.exe?write");
}

TEST(NetExchange, TheOfflineModeSendsNothing) {
    ScriptedServer s;
    LandedGame f(3);
    Game& g = f.game;
    g.server_url = s.base();
    g.state.net_off = 1;
    g.reports_sent.clear();
    EXPECT_EQ(send_rank(g), -1);
    fetch_rank(g);
    post_report(g, "<LVUP>ルカはLV 2になった");
    fetch_reports(g);
    EXPECT_EQ(s.count(), 0u);
    EXPECT_TRUE(g.reports_sent.empty());
    EXPECT_EQ(g.net_status_text, "ネット非対応です。ﾀｲﾄﾙ画面でF10で切り替え");
    EXPECT_EQ(g.form.rank_l.caption, g.net_status_text);
    EXPECT_EQ(g.form.world_l.caption, g.net_status_text);
}

// Every way a server can fail: the status says so at once (within the limits), the lists
// and their times stay as they were.
TEST(NetExchange, FailingServersAreToldAndLeaveTheListsAsTheyWere) {
    LoopbackServer bad;
    bad.server.Get("/zkv/zkv_report.exe", [](const auto&, auto& res) {
        res.status = 500;
        res.set_content("oops", "text/plain");
    });
    bad.server.Get("/zkv/zkv_rank.exe", [](const auto&, auto& res) {
        res.set_chunked_content_provider("text/plain", [](size_t, httplib::DataSink& sink) {
            static const std::string block(4096, 'x');
            return sink.write(block.data(), block.size());
        });
    });
    bad.start();
    testing_support::SilentServer silent;

    struct Case {
        const char* what;
        std::string url;
    };
    const Case cases[] = {
        {"nobody listening", testing_support::kNoServer},
        {"a server that never answers", silent.base()},
        {"a 500 for reports, an endless ranking", bad.base()},
    };
    for (const Case& c : cases) {
        LandedGame f(3);
        Game& g = f.game;
        g.server_url = c.url;
        g.http_limits.connect_ms = g.http_limits.total_ms = 400;
        g.http_limits.max_bytes = 64 * 1024;
        g.report_entries[0] = {"ハル", "　<入島>ハルがワールドに降り立った....　", "1/1 1:1", 1, 9};
        g.reports_loaded = true;
        g.state.last_report_minute = 7;
        g.rank_entries.assign(2, RankEntry{.name = "ハル", .score = 5});
        g.state.last_rank_send_minute = 8;

        const auto before = std::chrono::steady_clock::now();
        fetch_reports(g);
        EXPECT_EQ(g.net_status_text, kTimeout) << c.what;
        post_report(g, "<LVUP>ルカはLV 2になった");
        EXPECT_EQ(g.net_status_text, kTimeout) << c.what;
        fetch_rank(g);
        EXPECT_EQ(g.net_status_text, kTimeout) << c.what;
        EXPECT_EQ(send_rank(g), -1) << c.what;
        EXPECT_EQ(g.net_status_text, "RANK情報 送信失敗") << c.what;
        EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(4)) << c.what;

        EXPECT_EQ(g.report_entries[0].name, "ハル") << c.what;
        EXPECT_EQ(g.state.last_report_minute, 7) << c.what;
        EXPECT_EQ(g.rank_entries.size(), 2u) << c.what;
        EXPECT_EQ(g.state.last_rank_send_minute, 8) << c.what;
        EXPECT_FALSE(g.net_busy) << c.what;
    }
    // The game's own limits are those of the network mode.
    Game fresh;
    EXPECT_EQ(fresh.http_limits.connect_ms, 10000);
    EXPECT_EQ(fresh.http_limits.total_ms, 10000);
    EXPECT_EQ(fresh.http_limits.max_bytes, 4u * 1024 * 1024);
}

TEST(NetExchange, GarbageAndNoticesFromAServerThatAnswers) {
    ScriptedServer s;
    std::string junk;
    for (int i = 0; i < 5000; ++i) junk += static_cast<char>((i * 7919) % 256);
    s.rank_answer = junk + "\r\n" + sj("[mお知らせ: 今夜は祭りです") + "\r\n" +
                    rank_answer_line(rank_fields("ハル", 11, 900, 0, "3/14 23:10")) + "\r\n";
    s.report_answer = junk;
    LandedGame f(3);
    Game& g = f.game;
    g.server_url = s.base();
    fetch_rank(g);
    EXPECT_EQ(g.net_status_text, "RANK情報 受信完了");
    ASSERT_EQ(g.rank_entries.size(), 1u);
    EXPECT_EQ(g.recent_players, 1);
    EXPECT_TRUE(logged(g, "[mお知らせ: 今夜は祭りです"));
    for (const LogEntry& e : g.message_log) {
        if (e.text == "[mお知らせ: 今夜は祭りです") EXPECT_EQ(e.kind, ColourKind("pink2"));
    }
    fetch_reports(g);
    EXPECT_EQ(g.net_status_text, "レポートデータ受信完了");
    EXPECT_TRUE(g.report_entries[0].message.empty());

    // The refusal of a repeated report empties the list and says so.
    g.report_entries[0].name = "ハル";
    s.report_answer = answer({sj("二重投稿は禁止しています")});
    post_report(g, "<LVUP>ルカはLV 2になった");
    EXPECT_EQ(g.net_status_text, "チャットデータ受信エラー");
    EXPECT_TRUE(g.report_entries[0].name.empty());
}

TEST(NetExchange, TheWindowIsRepaintedAndNothingElseRuns) {
    ScriptedServer s;
    s.report_answer = answer({report_answer_line("ハル", "<LVUP>ハルはLV 5になった")});
    LandedGame f(3);
    Game& g = f.game;
    g.server_url = s.base();
    std::vector<std::string> seen;
    std::vector<bool> busy;
    const int32_t ticks = g.tick_count;
    g.repaint_window = [&] {
        seen.push_back(g.form.world_l.caption);
        busy.push_back(g.net_busy);
    };
    fetch_reports(g);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"レポートデータ受信中....", "レポートデータ受信完了"}));
    EXPECT_EQ(busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(g.tick_count, ticks);
    EXPECT_EQ(g.report_entries[0].name, "ハル");
}

}  // namespace
}  // namespace quill
