// quillmoor-server-load: measures a ranking server on this machine. Fills the ranking with
// adventurers, then counts, for a fixed time each, fetches of the whole ranking and uploads
// per second from a few parallel connections. Talks to 127.0.0.1 only.

#include <httplib.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"
#include "tools/server_load/load_tools.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kUsage = R"(Usage: quillmoor-server-load --port PORT [OPTION]...
  --fill N          adventurers uploaded before measuring (default 1000)
  --seconds S       length of each measurement (default 5, at most 60)
  --connections C   parallel connections (default 4, at most 64)
)";

struct Settings {
    int port = 0;
    int fill = 1000;
    int seconds = 5;
    int connections = 4;
};

std::string cp932(std::string_view utf8) {
    return quill::platform::to_cp932_lossy(utf8);
}

// A plausible adventurer; `n` makes the name and the score.
std::string upload_body(int n, int64_t score) {
    const quill::net::RankFields f = quill::server_load::plausible_adventurer(
        cp932("冒険者") + std::to_string(n), 100000 + n, score, n % 10, cp932("熟練の冒険者"),
        cp932("ポチ"));
    return quill::net::rank_upload_body(quill::net::build_rank_line(f), n % 99).value();
}

httplib::Client connect(int port) {
    httplib::Client client("127.0.0.1", port);
    client.set_keep_alive(true);
    client.set_tcp_nodelay(true);
    client.set_connection_timeout(5);
    client.set_read_timeout(10);
    return client;
}

struct Outcome {
    long ok = 0;
    long failed = 0;
    long bytes = 0;
};

// Runs `request` on `connections` threads for `seconds`; request numbers are handed out in
// order so uploads never collide.
template <class Request>
Outcome measure(const Settings& s, Request request) {
    std::atomic<long> next{0}, ok{0}, failed{0}, bytes{0};
    const auto end = Clock::now() + std::chrono::seconds(s.seconds);
    std::vector<std::thread> threads;
    for (int c = 0; c < s.connections; ++c) {
        threads.emplace_back([&] {
            httplib::Client client = connect(s.port);
            while (Clock::now() < end) {
                const httplib::Result res = request(client, next++);
                if (res && res->status == 200) {
                    ++ok;
                    bytes += static_cast<long>(res->body.size());
                } else {
                    ++failed;
                }
            }
        });
    }
    for (std::thread& t : threads) t.join();
    return {ok, failed, bytes};
}

void report(const char* what, const Outcome& o, const Settings& s) {
    std::printf("%-28s %9.1f per second  (%ld in %d s, %ld failed, %.1f KiB per answer)\n", what,
                static_cast<double>(o.ok) / s.seconds, o.ok, s.seconds, o.failed,
                o.ok > 0 ? static_cast<double>(o.bytes) / o.ok / 1024.0 : 0.0);
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view value = i + 1 < argc ? argv[i + 1] : "";
        bool ok = false;
        if (arg == "--port") ok = quill::server_load::parse_bounded(value, 1, 65535, s.port);
        if (arg == "--fill") ok = quill::server_load::parse_bounded(value, 0, 100000, s.fill);
        if (arg == "--seconds") ok = quill::server_load::parse_bounded(value, 1, 60, s.seconds);
        if (arg == "--connections")
            ok = quill::server_load::parse_bounded(value, 1, 64, s.connections);
        if (!ok) {
            std::cerr << kUsage;
            return arg == "--help" ? 0 : 2;
        }
        ++i;
    }
    if (s.port == 0) {
        std::cerr << kUsage;
        return 2;
    }

    // The fill: one connection, one adventurer after the other.
    const auto fill_start = Clock::now();
    {
        httplib::Client client = connect(s.port);
        for (int n = 0; n < s.fill; ++n) {
            const auto res =
                client.Post("/zkv/zkv_rank.exe?write", upload_body(n, n * 37 % 5003), "text/plain");
            if (!res || res->status != 200) {
                std::cerr << "quillmoor-server-load: upload " << n << " failed\n";
                return 1;
            }
        }
    }
    {
        // A full report list, as the world site shows it.
        httplib::Client client = connect(s.port);
        for (int n = 0; n < 30; ++n) {
            quill::net::Report r;
            r.name = cp932("冒険者") + std::to_string(n);
            r.message = cp932("<撃破>") + r.name + cp932("は、スライムを倒した");
            r.player_id = 100000 + n;
            r.race_sex = n % 10;
            r.time = "5/12 9:7";
            const auto res = client.Post(
                "/zkv/zkv_report.exe?write",
                quill::net::report_upload_body(quill::net::build_report_line(r).value()),
                "text/plain");
            if (!res || res->status != 200) {
                std::cerr << "quillmoor-server-load: report " << n << " failed\n";
                return 1;
            }
        }
    }
    const double fill_seconds = std::chrono::duration<double>(Clock::now() - fill_start).count();
    std::printf(
        "filled %d adventurers and 30 reports in %.2f s (one connection, %.1f writes"
        " per second)\n",
        s.fill, fill_seconds, fill_seconds > 0 ? (s.fill + 30) / fill_seconds : 0.0);
    std::printf("%d connections, %d s each:\n", s.connections, s.seconds);

    report("ranking fetches",
           measure(s, [](httplib::Client& c, long) { return c.Get("/zkv/zkv_rank.exe"); }), s);
    report("report list fetches",
           measure(s, [](httplib::Client& c, long) { return c.Get("/zkv/zkv_report.exe"); }), s);
    // Uploads replace the filled adventurers' entries in turn (the ranking stays at its size).
    const int fill = s.fill > 0 ? s.fill : 1;
    report("ranking uploads",
           measure(s,
                   [fill](httplib::Client& c, long n) {
                       const int who = static_cast<int>(n % fill);
                       return c.Post("/zkv/zkv_rank.exe?write", upload_body(who, n % 7919),
                                     "text/plain");
                   }),
           s);
    return 0;
}
