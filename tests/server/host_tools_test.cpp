// The host's side against the real program: the tools of the command line run on the
// database a running server uses (and its answers show the change within a second), the
// block list (read again on SIGHUP and when it changes), the limits of new entries and
// reports per address, the expiry, and a database made by the first version of the server.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "first_schema.h"
#include "raw_connection.h"
#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

std::string read_file(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void write_file(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// One run of a host tool: quillmoor-server with the arguments, to its end.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

class HostTools : public ServerFixture {
  protected:
    // The tool on the test's database, or on `other`.
    ToolRun tool(std::vector<std::string> args, const std::filesystem::path& other = {}) {
        args.insert(args.begin(),
                    {QUILLMOOR_SERVER_BINARY, "--db", (other.empty() ? db() : other).string()});
        const std::filesystem::path out = folder_.path() / "tool.out";
        const std::filesystem::path err = folder_.path() / "tool.err";
        const pid_t pid = fork();
        if (pid == 0) {
            const int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int e = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            dup2(o, STDOUT_FILENO);
            dup2(e, STDERR_FILENO);
            std::vector<char*> argv;
            for (std::string& a : args) argv.push_back(a.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        ToolRun run;
        int status = 0;
        if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
            run.status = WEXITSTATUS(status);
        }
        run.out = read_file(out);
        run.err = read_file(err);
        return run;
    }

    // A write sent from one of the loopback addresses (127.0.0.0/8 is all this machine).
    RawConnection::Answer post_from(const char* from, const char* path, const std::string& body) {
        RawConnection c(server_->port(), from);
        EXPECT_TRUE(c.connected()) << from;
        c.send_bytes(std::string("POST ") + path + " HTTP/1.1\r\nHost: x\r\nContent-Length: " +
                     std::to_string(body.size()) + "\r\n\r\n" + body);
        return c.answer();
    }
    int upload_from(const char* from, const net::RankFields& fields) {
        return post_from(from, kRankWrite, rank_body(fields)).status;
    }
    // Whether the address may write, asked with a body that is never stored (400 when it may).
    bool blocked(const char* from) { return post_from(from, kRankWrite, "").status == 403; }

    std::string fetch(const char* path = kRank) {
        auto res = server_->client().Get(path);
        return res && res->status == 200 ? res->body : std::string("(no answer)");
    }
    std::vector<std::string> scores() {
        std::vector<std::string> out;
        for (const net::RankFields& f : ranking_entries(fetch())) out.push_back(f[2]);
        return out;
    }

    // How long until the condition holds, polling; nothing after two seconds.
    std::optional<Clock::duration> time_until(const std::function<bool()>& holds) {
        const auto started = Clock::now();
        while (Clock::now() - started < 2s) {
            if (holds()) return Clock::now() - started;
            std::this_thread::sleep_for(20ms);
        }
        return std::nullopt;
    }
    // The server's answers show the change within a second (and a little for the machine).
    void expect_soon(const std::function<bool()>& holds, const char* what) {
        const auto took = time_until(holds);
        ASSERT_TRUE(took) << what << ": not within two seconds";
        EXPECT_LT(*took, 1300ms) << what;
    }
};

TEST_F(HostTools, RestoreDeleteAndBlockWorkOnARunningServerAndShowWithinASecond) {
    start();
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ミナト", 1234, 5000)), 200);
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ハル", 77, 3000)), 200);
    // Someone else overwrites ミナト's entry (name and id are public).
    ASSERT_EQ(upload_from("127.0.0.3", adventurer("ミナト", 1234, 10)), 200);
    EXPECT_EQ(scores(), (std::vector<std::string>{"3000", "10"}));

    ToolRun run = tool({"--list-suspicious"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "\"ミナト\" 1234: sent from 2 addresses; score fell from 5000 to 10; addresses: "
              "127.0.0.2, 127.0.0.3\n");

    run = tool({"--restore-entry", "ミナト", "1234"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("restored \"ミナト\" 1234 to its earlier value (score 5000"))
        << run.out;
    EXPECT_NE(run.out.find("from 127.0.0.2"), std::string::npos) << run.out;
    expect_soon(
        [&] {
            return scores() == std::vector<std::string>{"5000", "3000"};
        },
        "the restored entry");

    run = tool({"--block", "127.0.0.3"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read_file(db().string() + ".blocked"), "127.0.0.3\n");
    expect_soon([&] { return blocked("127.0.0.3"); }, "the block");
    const auto refused = post_from("127.0.0.3", kRankWrite, rank_body(adventurer("X", 5, 50)));
    EXPECT_EQ(refused.status, 403);
    EXPECT_EQ(answer_lines(refused.body)->size(), 1u);
    EXPECT_EQ(post_from("127.0.0.3", kReportWrite, report_body("X", "<入島>X")).status, 403);
    // The blocked address still reads; others still write.
    RawConnection reader(server_->port(), "127.0.0.3");
    reader.send_bytes("GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(reader.answer().status, 200);
    EXPECT_EQ(upload_from("127.0.0.2", adventurer("ハル", 77, 3100)), 200);
    EXPECT_EQ(scores(), (std::vector<std::string>{"5000", "3100"}));
    run = tool({"--block", "127.0.0.3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("already blocked"), std::string::npos) << run.out;

    run = tool({"--delete-entry", "ハル", "77"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("deleted \"ハル\" 77 (score 3100")) << run.out;
    expect_soon([&] { return scores() == std::vector<std::string>{"5000"}; }, "the deletion");
    run = tool({"--restore-entry", "ハル", "77"});
    EXPECT_EQ(run.status, 0) << run.err;
    expect_soon(
        [&] {
            return scores() == std::vector<std::string>{"5000", "3100"};
        },
        "the entry deleted and restored");

    run = tool({"--history", "ミナト", "1234"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("now:     score 5000"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("earlier: score 10, uploaded "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("from 127.0.0.3; restored "), std::string::npos) << run.out;
}

TEST_F(HostTools, ToolsSayWhenThereIsNothingToDo) {
    start();
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ミナト", 1234, 5000)), 200);
    server_->stop();
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* said;  // on standard error, or on standard output for a success
    };
    const Case cases[] = {
        {{"--restore-entry", "ミナト", "1234"},
         1,
         "nothing to restore for \"ミナト\" 1234: its history holds no earlier value"},
        {{"--delete-entry", "ミナト", "999"}, 1, "no entry \"ミナト\" 999 in the ranking"},
        {{"--delete-entry", "ミナト", "x1"}, 1, "the player id must be a whole number"},
        {{"--restore-entry", "\xff", "1"}, 1, "the name must be UTF-8 text"},
        {{"--history", "ソラ", "1"}, 1, "nothing kept of \"ソラ\" 1"},
        {{"--block", "not-an-address"}, 1, "not-an-address is not an IPv4 or IPv6 address"},
        {{"--delete-entry", "ミナト"}, 2, "--delete-entry needs NAME and PLAYER_ID"},
        {{"--list-suspicious", "--block", "1.2.3.4"}, 2, "one host tool at a time"},
        {{"--list-suspicious"}, 0, "nothing looks odd in the last 7 days"},
        {{"--block", "::ffff:10.1.2.3"}, 0, "blocked 10.1.2.3"},
    };
    for (const Case& c : cases) {
        const ToolRun run = tool(c.args);
        EXPECT_EQ(run.status, c.status) << c.args[0] << ": " << run.out << run.err;
        const std::string& said = c.status == 0 ? run.out : run.err;
        EXPECT_NE(said.find(c.said), std::string::npos) << c.args[0] << ": " << said;
    }
    // The entry is still there; no tool made a database where there was none.
    start();
    EXPECT_EQ(scores(), std::vector<std::string>{"5000"});
    const std::filesystem::path elsewhere = folder_.path() / "none.db";
    const ToolRun run = tool({"--list-suspicious"}, elsewhere);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("there is no database " + elsewhere.string()), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(elsewhere));
}

TEST_F(HostTools, SighupReadsTheBlockListAgainAndADamagedListKeepsTheOneBefore) {
    const std::filesystem::path list = folder_.path() / "blocked.txt";
    write_file(list, "# the host's list\n127.0.0.9\n");
    start({"--block-list", list.string()});
    EXPECT_EQ(upload_from("127.0.0.9", adventurer("A", 1, 10)), 403);
    EXPECT_EQ(upload_from("127.0.0.4", adventurer("B", 2, 10)), 200);

    // The same bytes but for one address, and the same time of change: only a SIGHUP tells.
    struct stat before {};
    ASSERT_EQ(stat(list.c_str(), &before), 0);
    {
        std::fstream f(list, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(static_cast<std::streamoff>(std::string("# the host's list\n127.0.0.").size()));
        f << '4';
    }
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, list.c_str(), times, 0), 0);
    std::this_thread::sleep_for(1200ms);
    EXPECT_EQ(upload_from("127.0.0.4", adventurer("B", 2, 20)), 200);  // not read yet

    ASSERT_EQ(kill(server_->pid(), SIGHUP), 0);
    expect_soon([&] { return blocked("127.0.0.4"); }, "the list read on SIGHUP");
    EXPECT_EQ(upload_from("127.0.0.9", adventurer("A", 1, 10)), 200);

    // A damaged list: the one before stays, with one line in the log.
    write_file(list, "127.0.0.5\nnot an address\n");
    ASSERT_EQ(kill(server_->pid(), SIGHUP), 0);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(upload_from("127.0.0.4", adventurer("B", 2, 40)), 403);
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("C", 3, 40)), 200);
    const std::string log = server_->log();
    const std::string damaged = "the block list " + list.string() +
                                " cannot be used (line 2 is not an address); the list read "
                                "before stays (1 address)";
    const size_t at = log.find(damaged);
    EXPECT_NE(at, std::string::npos) << log;
    EXPECT_EQ(log.find("cannot be used", at + damaged.size()), std::string::npos) << log;
    // Mended, it is taken within a second (it changed).
    write_file(list, "127.0.0.5\n");
    expect_soon([&] { return blocked("127.0.0.5"); }, "the mended list");
    EXPECT_EQ(upload_from("127.0.0.4", adventurer("B", 2, 50)), 200);
    // The server goes on serving after all this.
    EXPECT_EQ(server_->stop(), 0);
}

TEST_F(HostTools, NewEntriesPerDayArePerAddressAndSurviveARestart) {
    start({"--entries-per-day", "2"});
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("A", 1, 10)), 200);
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("B", 2, 10)), 200);
    const auto refused = post_from("127.0.0.5", kRankWrite, rank_body(adventurer("C", 3, 10)));
    EXPECT_EQ(refused.status, 429);
    EXPECT_EQ(refused.body,
              "ranking upload: this address made 2 new entries within 24 hours; only those can "
              "be updated now\r\n");
    // Its own entries still take uploads; another address makes its own.
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("A", 1, 20)), 200);
    EXPECT_EQ(upload_from("127.0.0.6", adventurer("C", 3, 10)), 200);
    EXPECT_EQ(ranking_names(fetch()), (std::vector<std::string>{"A", "B", "C"}));
    // The count is kept with the data: a restart does not clear it.
    start({"--entries-per-day", "2"});
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("D", 4, 10)), 429);
    // 0: no limit.
    start({"--entries-per-day", "0"});
    EXPECT_EQ(upload_from("127.0.0.5", adventurer("D", 4, 10)), 200);
}

TEST_F(HostTools, ReportsPerMinuteIsALimitOfItsOwnWithinTheWrites) {
    start({"--reports-per-minute", "2", "--writes-per-minute", "4"});
    const char* from = "127.0.0.7";
    EXPECT_EQ(post_from(from, kReportWrite, report_body("A", "<入島>A1")).status, 200);
    EXPECT_EQ(post_from(from, kReportWrite, report_body("A", "<入島>A2")).status, 200);
    const auto refused = post_from(from, kReportWrite, report_body("A", "<入島>A3"));
    EXPECT_EQ(refused.status, 429);
    EXPECT_EQ(refused.body, "too many reports from this address; wait a minute\r\n");
    // The refused report was not counted among the writes: two uploads still go in.
    EXPECT_EQ(upload_from(from, adventurer("A", 1, 10)), 200);
    EXPECT_EQ(upload_from(from, adventurer("A", 1, 20)), 200);
    EXPECT_EQ(upload_from(from, adventurer("A", 1, 30)), 429);
    // Another address has its own count.
    EXPECT_EQ(post_from("127.0.0.8", kReportWrite, report_body("B", "<入島>B1")).status, 200);
    EXPECT_EQ(report_entries(fetch(kReport)).size(), 3u);
}

// Ages what the database holds by `days` (the test cannot wait for days to pass).
void age(const std::filesystem::path& db, const char* table, const char* column,
         const std::string& name, int days) {
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &handle), SQLITE_OK);
    sqlite3_busy_timeout(handle, 5000);
    const std::string sql = std::string("UPDATE ") + table + " SET " + column + " = " + column +
                            " - " + std::to_string(days * 86400) + " WHERE name = ?1";
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(handle, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK);
    sqlite3_bind_blob(stmt, 1, name.data(), static_cast<int>(name.size()), SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
    EXPECT_EQ(sqlite3_changes(handle), 1);
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
}

TEST_F(HostTools, OldEntriesAndReportsExpireAtStartAndTheirValuesAreKept) {
    start();
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ミナト", 1, 500)), 200);
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ハル", 2, 300)), 200);
    ASSERT_EQ(post_from("127.0.0.2", kReportWrite, report_body("ミナト", "<入島>old")).status, 200);
    ASSERT_EQ(post_from("127.0.0.2", kReportWrite, report_body("ハル", "<入島>new")).status, 200);
    server_->stop();
    age(db(), "ranking", "uploaded_at", sj("ミナト"), 3);
    age(db(), "reports", "posted_at", sj("ミナト"), 3);

    // Off by default: everything stays.
    start();
    EXPECT_EQ(ranking_names(fetch()), (std::vector<std::string>{"ミナト", "ハル"}));
    start({"--expire-days", "4"});
    EXPECT_EQ(ranking_names(fetch()), (std::vector<std::string>{"ミナト", "ハル"}));
    start({"--expire-days", "2"});
    EXPECT_EQ(ranking_names(fetch()), std::vector<std::string>{"ハル"});
    const auto reports = report_entries(fetch(kReport));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(utf8(reports[0].name), "ハル");
    EXPECT_NE(server_->log().find("expired 1 entry and 1 report (not written for 2 days)"),
              std::string::npos)
        << server_->log();
    const ToolRun run = tool({"--history", "ミナト", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("earlier: score 500"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("; expired "), std::string::npos) << run.out;
}

// A database of the first version of the server, its tables written here as it made them.
TEST_F(HostTools, ADatabaseOfTheFirstVersionServesItsEntriesAndTakesNewOnes) {
    const net::RankFields minato = adventurer("ミナト", 1, 700);
    const std::string plain = net::build_rank_line(minato);
    const std::string wire = net::utf7_run(sj("＊　") + plain + sj("　＊")).value();
    net::Report report;
    report.name = sj("ミナト");
    report.message = sj("<入島>ミナトがワールドに降り立った....");
    report.player_id = 1;
    report.race_sex = 3;
    report.time = "5/12 9:7";
    const std::string report_wire = net::build_report_line(report).value();
    {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(db().c_str(), &handle), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(handle, kFirstSchema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle, "INSERT INTO ranking VALUES (?1, 1, 700, 1, 1700000000, ?2, ?3)",
                           -1, &stmt, nullptr);
        sqlite3_bind_blob(stmt, 1, minato[0].data(), int(minato[0].size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(stmt, 2, plain.data(), int(plain.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(stmt, 3, wire.data(), int(wire.size()), SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_finalize(stmt);
        sqlite3_prepare_v2(handle,
                           "INSERT INTO reports (message, name, player_id, race_sex, time,"
                           " posted_at, wire) VALUES (?1, ?2, 1, 3, '5/12 9:7', 1700000000, ?3)",
                           -1, &stmt, nullptr);
        sqlite3_bind_blob(stmt, 1, report.message.data(), int(report.message.size()),
                          SQLITE_TRANSIENT);
        sqlite3_bind_blob(stmt, 2, report.name.data(), int(report.name.size()), SQLITE_TRANSIENT);
        sqlite3_bind_blob(stmt, 3, report_wire.data(), int(report_wire.size()), SQLITE_TRANSIENT);
        EXPECT_EQ(sqlite3_step(stmt), SQLITE_DONE);
        sqlite3_finalize(stmt);
        sqlite3_close(handle);
    }
    start();
    const auto entries = ranking_entries(fetch());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0], minato);
    const auto reports = report_entries(fetch(kReport));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].message, report.message);
    // New uploads and reports go in, the old value is kept, the tools work on it.
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ミナト", 1, 900)), 200);
    ASSERT_EQ(upload_from("127.0.0.2", adventurer("ハル", 2, 800)), 200);
    EXPECT_EQ(scores(), (std::vector<std::string>{"900", "800"}));
    EXPECT_EQ(post_from("127.0.0.2", kReportWrite, report_body("ハル", "<入島>ハル")).status, 200);
    EXPECT_EQ(report_entries(fetch(kReport)).size(), 2u);
    const ToolRun run = tool({"--restore-entry", "ミナト", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("score 700"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(address not kept)"), std::string::npos) << run.out;
    expect_soon(
        [&] {
            return scores() == std::vector<std::string>{"800", "700"};
        },
        "the old value restored");
}

}  // namespace
}  // namespace quill::server_test
