// The ranking server against clients that try to take it away from everyone else: clients
// that never read their answers, one address opening hundreds of connections, uploads that
// hold memory, another program holding the database. Meanwhile a well-behaved client must be
// answered at once.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "raw_connection.h"
#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

std::string from(int n) {
    return "127.0.0." + std::to_string(n);
}

// Whether the server has ended the connection (sent its end or reset it), seen without
// reading a byte of what it sent.
bool ended_by_server(const RawConnection& c) {
    tcp_info info{};
    socklen_t len = sizeof info;
    if (getsockopt(c.fd(), IPPROTO_TCP, TCP_INFO, &info, &len) != 0) return true;
    return info.tcpi_state != TCP_ESTABLISHED;
}

class HostileClients : public ServerFixture {
  protected:
    // A ranking of `count` adventurers, so that every answer is a sizeable one.
    void fill_ranking(int count) {
        httplib::Client client = server_->client();
        for (int i = 1; i <= count; ++i) {
            auto res = client.Post(kRankWrite,
                                   rank_body(adventurer("ミナト" + std::to_string(i), i, 1000 + i)),
                                   "text/plain");
            ASSERT_TRUE(res);
            ASSERT_EQ(res->status, 200) << res->body;
        }
    }

    // A well-behaved client's fetches of the ranking meanwhile: every one answered with
    // `expected`, and the slowest wait.
    struct Fetches {
        int ok = 0;
        int tried = 0;
        Clock::duration slowest{};
        std::string failure;  // the last fetch that failed, how
    };
    Fetches fetch_meanwhile(int times, const std::string& expected) {
        Fetches f;
        for (int i = 0; i < times; ++i) {
            httplib::Client client = server_->client();
            client.set_read_timeout(5, 0);
            const auto started = Clock::now();
            auto res = client.Get(kRank);
            f.slowest = std::max(f.slowest, Clock::now() - started);
            ++f.tried;
            if (res && res->status == 200 && res->body == expected) {
                ++f.ok;
            } else {
                f.failure = res ? std::to_string(res->status) + " " + res->body
                                : httplib::to_string(res.error());
            }
            std::this_thread::sleep_for(50ms);
        }
        return f;
    }

    std::string fetch() {
        auto res = server_->client().Get(kRank);
        return res && res->status == 200 ? res->body : std::string();
    }
};

TEST_F(HostileClients, ClientsThatNeverReadHoldNoWorkerAndAreLetGo) {
    start();
    fill_ranking(120);
    const std::string expected = fetch();
    ASSERT_GT(expected.size(), 20000u);

    // More clients than the server has workers, each asking for the ranking a thousand times in
    // one write and never reading an answer.
    std::string burst;
    for (int i = 0; i < 1000; ++i) burst += "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: a\r\n\r\n";
    std::vector<std::unique_ptr<RawConnection>> deaf;
    for (int i = 0; i < 40; ++i) {
        deaf.push_back(std::make_unique<RawConnection>(server_->port(), from(2 + i).c_str(), 4096));
        ASSERT_TRUE(deaf.back()->connected());
        std::thread([c = deaf.back().get(), &burst] { c->send_bytes(burst); }).detach();
    }
    std::this_thread::sleep_for(300ms);

    // A player meanwhile is answered at once, every time.
    const Fetches f = fetch_meanwhile(40, expected);
    EXPECT_EQ(f.ok, f.tried) << f.failure;
    EXPECT_LT(f.slowest, 1s);

    // A client that takes nothing for the write timeout is let go, its thousand requests
    // unanswered.
    std::this_thread::sleep_for(6500ms);
    int ended = 0;
    for (auto& c : deaf) ended += ended_by_server(*c) ? 1 : 0;
    EXPECT_EQ(ended, static_cast<int>(deaf.size()));
    EXPECT_EQ(fetch(), expected);
}

TEST_F(HostileClients, ManyRequestsAtOnceAreAnsweredAsTheClientReadsThem) {
    start();
    fill_ranking(60);
    const std::string expected = fetch();
    // A slow but steady reader gets every answer in order and is not cut off.
    RawConnection c(server_->port(), nullptr, 4096);
    std::string burst;
    for (int i = 0; i < 300; ++i) burst += "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: a\r\n\r\n";
    std::thread sender([&] { c.send_bytes(burst); });
    std::this_thread::sleep_for(1500ms);
    int answered = 0;
    for (int i = 0; i < 300; ++i) {
        const auto a = c.answer(5000);
        if (a.status != 200 || a.body != expected) break;
        ++answered;
        if (i % 30 == 0) std::this_thread::sleep_for(100ms);
    }
    sender.join();
    EXPECT_EQ(answered, 300);
}

TEST_F(HostileClients, OneAddressHoldsItsShareOfConnectionsAndTheRestAreToldWhy) {
    start({"--max-connections", "34", "--connections-per-address", "10"});
    fill_ranking(1);
    const std::string expected = fetch();
    const std::string partial = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: a\r\nX-Wait: ";

    // Three addresses hold 8 unfinished requests each, opened first; a fourth holds its 10.
    std::vector<std::vector<std::unique_ptr<RawConnection>>> held(4);
    for (int a = 0; a < 4; ++a) {
        for (int i = 0; i < (a < 3 ? 8 : 10); ++i) {
            held[a].push_back(
                std::make_unique<RawConnection>(server_->port(), from(10 + a).c_str()));
            held[a].back()->send_bytes(partial);
            std::this_thread::sleep_for(5ms);
        }
    }
    // The fourth address's eleventh and later connections are refused with an answer they can
    // read (no reset), and with the reason.
    for (int i = 0; i < 20; ++i) {
        RawConnection extra(server_->port(), from(13).c_str());
        extra.send_bytes(partial);
        const auto a = extra.answer(3000);
        EXPECT_EQ(a.status, 503);
        EXPECT_EQ(a.body, "too many connections from your address; try again shortly\r\n");
    }
    std::this_thread::sleep_for(100ms);  // the refused ones are gone
    // The server is full (34): a player's connection makes room by closing the oldest
    // unfinished request of the address holding the most, though the others are older.
    EXPECT_EQ(fetch(), expected);
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(ended_by_server(*held[3][0]));
    for (int a = 0; a < 3; ++a) EXPECT_FALSE(ended_by_server(*held[a][0])) << a;
    for (size_t i = 1; i < held[3].size(); ++i) EXPECT_FALSE(ended_by_server(*held[3][i])) << i;

    // And a player keeps being answered at once while the address keeps trying.
    std::atomic<bool> done{false};
    std::thread flood([&] {
        while (!done) {
            RawConnection extra(server_->port(), from(13).c_str());
            extra.send_bytes(partial);
            std::this_thread::sleep_for(2ms);
        }
    });
    const Fetches f = fetch_meanwhile(30, expected);
    done = true;
    flood.join();
    EXPECT_EQ(f.ok, f.tried) << f.failure;
    EXPECT_LT(f.slowest, 1s);
}

TEST_F(HostileClients, UploadBodiesShareOneMemoryBudget) {
    start({"--max-body", "1048576", "--body-memory", "4194304"});
    fill_ranking(1);
    const std::string expected = fetch();
    auto half_upload = [&](int address) {
        auto c = std::make_unique<RawConnection>(server_->port(), from(address).c_str());
        c->send_bytes(std::string(kRankWrite).insert(0, "POST ") +
                      " HTTP/1.1\r\nHost: a\r\nContent-Length: 1000000\r\n\r\n" +
                      std::string(1000, '%'));
        return c;
    };
    // Four bodies of a million bytes fit 4 MiB; the fifth is refused while they are held.
    std::vector<std::unique_ptr<RawConnection>> uploads;
    for (int i = 0; i < 4; ++i) uploads.push_back(half_upload(20 + i));
    std::this_thread::sleep_for(200ms);
    for (auto& c : uploads) EXPECT_FALSE(c->answer_waiting());
    auto fifth = half_upload(30);
    const auto refused = fifth->answer(3000);
    EXPECT_EQ(refused.status, 503);
    EXPECT_EQ(refused.body, "the server is busy receiving other uploads; try again shortly\r\n");
    EXPECT_EQ(fetch(), expected);

    // One upload ends (its client goes): its room is free for the next.
    uploads[0].reset();
    std::this_thread::sleep_for(200ms);
    auto sixth = half_upload(31);
    std::this_thread::sleep_for(200ms);
    EXPECT_FALSE(sixth->answer_waiting());
}

TEST_F(HostileClients, ReadsDoNotWaitForAWriteThatWaitsForAnotherProgram) {
    start();
    fill_ranking(3);
    const std::string expected = fetch();

    // Another program takes the database's write lock and keeps it.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(db().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    // An upload waits for it...
    std::thread writer([&] {
        server_->client().Post(kRankWrite, rank_body(adventurer("ルカ", 99, 5)), "text/plain");
    });
    std::this_thread::sleep_for(1200ms);  // past the second the kept answers are trusted
    // ...and the reads meanwhile are answered at once with what is stored.
    const Fetches f = fetch_meanwhile(10, expected);
    EXPECT_EQ(f.ok, f.tried) << f.failure;
    EXPECT_LT(f.slowest, 300ms);

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    writer.join();
}

}  // namespace
}  // namespace quill::server_test
