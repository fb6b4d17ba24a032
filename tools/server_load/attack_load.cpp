// quillmoor-server-attacks: attacks on a ranking server on this machine, each for a while, one
// after another, while a player's game fetches the ranking as usual: clients that never read
// their answers, hundreds of unfinished requests from one address, floods of long request
// targets, forged and mass-made entries, writes posted through web pages, and half-sent huge
// uploads. For each it prints how the player fared (answers that came, the slowest), the
// server's largest memory, how fast its log grew and what was stored that should not be.
// Talks to 127.0.0.0/8 only (other addresses of this machine stand for other attackers).

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"
#include "tools/server_load/load_tools.h"

namespace {

constexpr const char* kUsage = R"(Usage: quillmoor-server-attacks --port PORT [OPTION]...
  --seconds S         how long each attack lasts (default 10)
  --server-pid PID    the server's process, to read its memory
  --server-log FILE   the server's log, to see how fast it grows
  --only NAME         one attack only (slow-readers, slowloris, long-targets, forged-entries,
                      cross-site, huge-bodies)
The server should run with --max-body 1048576 for the huge-bodies attack to mean anything.
Exit status 0 when the player kept 99 % of the answers within a second, the memory stayed
under 100 MiB, the log grew under 1 MB a minute and nothing was stored that the rules refuse.
)";

using namespace quill;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr const char* kRank = "/zkv/zkv_rank.exe";
constexpr const char* kRankWrite = "/zkv/zkv_rank.exe?write";
constexpr const char* kReportWrite = "/zkv/zkv_report.exe?write";

struct Settings {
    int port = 0;
    int seconds = 10;
    int server_pid = 0;
    std::string server_log;
    std::string only;
};

// A connection from one of this machine's loopback addresses (127.0.0.N); -1 when refused.
int connect_from(int n, int port, int receive_buffer = 0) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    if (receive_buffer > 0) {
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receive_buffer, sizeof receive_buffer);
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(0x7F000000u | static_cast<uint32_t>(n & 0xFFFFFF));
    ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Reads and drops what has come, without waiting.
void drop_incoming(int fd) {
    char buffer[16384];
    while (::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT) > 0) {
    }
}

// One request on a connection of its own from 127.0.0.N: sent, its answer waited for a
// moment and dropped unread, the connection closed.
void send_and_forget(int n, int port, std::string_view request, std::chrono::milliseconds wait) {
    const int fd = connect_from(n, port);
    if (fd < 0) return;
    server_load::send_within(fd, request, 500ms);
    pollfd p{fd, POLLIN, 0};
    ::poll(&p, 1, static_cast<int>(wait.count()));
    drop_incoming(fd);
    ::close(fd);
}

std::string rank_body(const net::RankFields& fields) {
    return net::rank_upload_body(net::build_rank_line(fields), 42).value_or(std::string());
}

long file_size(const std::string& path) {
    std::error_code ec;
    if (path.empty()) return -1;
    const auto size = std::filesystem::file_size(path, ec);
    return ec ? -1 : static_cast<long>(size);
}

// The adventurers stored, as the host's page counts them.
long ranking_entries(int port) {
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(20);
    const auto res = client.Get("/");
    if (!res || res->status != 200) return -1;
    constexpr std::string_view kLabel = "登録された冒険者 ";
    const size_t at = res->body.find(kLabel);
    if (at == std::string::npos) return -1;
    return std::strtol(res->body.c_str() + at + kLabel.size(), nullptr, 10);
}

// The player: fetches the ranking as the game does, a new connection every 100 ms.
struct Player {
    std::atomic<bool> stop{false};
    long tried = 0;
    long ok = 0;
    long late = 0;  // answered, but after a second
    std::vector<double> waits;

    void run(int port) {
        while (!stop) {
            httplib::Client client("127.0.0.1", port);
            client.set_connection_timeout(5);
            client.set_read_timeout(5);
            const auto started = Clock::now();
            const auto res = client.Get(kRank);
            const double wait = std::chrono::duration<double>(Clock::now() - started).count();
            ++tried;
            if (res && res->status == 200) {
                ++ok;
                waits.push_back(wait);
                if (wait >= 1.0) ++late;
            }
            std::this_thread::sleep_for(100ms);
        }
    }
};

struct Attack {
    const char* name;
    const char* what;
    // Runs until `stop`.
    std::function<void(int port, const std::atomic<bool>& stop)> run;
    // The new entries it may make at most (the day's new entries of one address); -1: it
    // writes nothing.
    long may_store = -1;
};

// Eight new connections a second, each asking for the page a thousand times in one write and
// never reading an answer.
void slow_readers(int port, const std::atomic<bool>& stop) {
    std::string burst;
    for (int i = 0; i < 1000; ++i) burst += "GET / HTTP/1.1\r\nHost: a\r\n\r\n";
    std::vector<int> open;
    for (int n = 0; !stop; ++n) {
        const int fd = connect_from(100 + n % 50, port, 4096);
        if (fd >= 0) {
            server_load::send_within(fd, burst, 100ms);
            open.push_back(fd);
        }
        std::this_thread::sleep_for(125ms);
    }
    for (int fd : open) ::close(fd);
}

// 600 connections from one address, each a request head that never ends: a byte every few
// seconds.
void slowloris(int port, const std::atomic<bool>& stop) {
    std::vector<int> open;
    const std::string head = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: a\r\n";
    auto last_byte = Clock::now();
    while (!stop) {
        while (open.size() < 600 && !stop) {
            const int fd = connect_from(66, port);
            if (fd < 0) break;
            server_load::send_within(fd, head, 50ms);
            open.push_back(fd);
        }
        if (Clock::now() - last_byte > 3s) {
            for (int fd : open) server_load::send_within(fd, "X", 10ms);
            last_byte = Clock::now();
        }
        // The ones the server closed (or refused) are opened again.
        std::vector<int> alive;
        for (int fd : open) {
            char c;
            const ssize_t n = ::recv(fd, &c, 1, MSG_DONTWAIT | MSG_PEEK);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) || n > 0) {
                ::close(fd);
            } else {
                alive.push_back(fd);
            }
        }
        open.swap(alive);
        std::this_thread::sleep_for(20ms);
    }
    for (int fd : open) ::close(fd);
}

// Four connections sending request targets of 8 KB as fast as they are answered.
void long_targets(int port, const std::atomic<bool>& stop) {
    std::vector<std::thread> senders;
    for (int t = 0; t < 4; ++t) {
        senders.emplace_back([port, t, &stop] {
            std::string target = "/" + std::string(8000, 'A');
            for (size_t i = 1; i < target.size(); i += 97) target[i] = '\x1b';  // raw bytes too
            const std::string request = "GET " + target + " HTTP/1.1\r\nHost: a\r\n\r\n";
            while (!stop) {
                send_and_forget(70 + t, port, request, 500ms);
            }
        });
    }
    for (auto& s : senders) s.join();
}

// Uploads the game cannot make (a level of 500, a negative score, an unknown version), and
// four addresses making new entries by the hundred: each may make its day's ten.
void forged_entries(int port, const std::atomic<bool>& stop) {
    for (long n = 0; !stop; ++n) {
        const std::string name = platform::to_cp932_lossy("偽者" + std::to_string(n));
        net::RankFields fields = server_load::plausible_adventurer(
            name, 900000 + n, 5000, 1, platform::to_cp932_lossy("称号"),
            platform::to_cp932_lossy("ポチ"));
        switch (n % 4) {
            case 0:
                fields[7] = "500";  // level
                break;
            case 1:
                fields[2] = "-5";  // score
                break;
            case 2:
                fields[27] = "999";  // version
                break;
            case 3:  // plausible: only the new entries of the day hold it back
                break;
        }
        // From four addresses in turn, each allowed its new entries of the day.
        send_and_forget(80 + static_cast<int>(n % 4), port,
                        server_load::post_request(kRankWrite, rank_body(fields)), 1000ms);
    }
}

// Writes as a web page elsewhere makes its visitors' browsers send them.
void cross_site(int port, const std::atomic<bool>& stop) {
    for (long n = 0; !stop; ++n) {
        const std::string name = platform::to_cp932_lossy("訪問者" + std::to_string(n));
        const std::string body =
            n % 2 == 0 ? rank_body(server_load::plausible_adventurer(
                             name, 800000 + n, 5000, 1, platform::to_cp932_lossy("称号"),
                             platform::to_cp932_lossy("ポチ")))
                       : std::string("%41%42");
        send_and_forget(200 + static_cast<int>(n % 50), port,
                        server_load::post_request(
                            n % 2 == 0 ? kRankWrite : kReportWrite, body,
                            "Origin: https://elsewhere.example\r\nSec-Fetch-Mode: no-cors\r\n"
                            "Sec-Fetch-Site: cross-site\r\n"),
                        500ms);
    }
}

// 500 uploads of a million bytes each, sent in part and then held.
void huge_bodies(int port, const std::atomic<bool>& stop) {
    std::vector<int> open;
    const std::string start =
        "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: a\r\n"
        "Content-Length: 1000000\r\n\r\n" +
        std::string(256 * 1024, '%');
    while (!stop) {
        while (open.size() < 500 && !stop) {
            const int fd = connect_from(1000 + static_cast<int>(open.size()), port);
            if (fd < 0) break;
            server_load::send_within(fd, start, 50ms);
            open.push_back(fd);
        }
        std::vector<int> alive;
        for (int fd : open) {
            char c;
            const ssize_t n = ::recv(fd, &c, 1, MSG_DONTWAIT | MSG_PEEK);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                alive.push_back(fd);
            } else {
                ::close(fd);
            }
        }
        open.swap(alive);
        std::this_thread::sleep_for(50ms);
    }
    for (int fd : open) ::close(fd);
}

int run(const Settings& s) {
    signal(SIGPIPE, SIG_IGN);
    const std::vector<Attack> attacks = {
        {"slow-readers", "8 connections a second, 1000 requests each, never reading", slow_readers},
        {"slowloris", "600 unfinished requests from one address", slowloris},
        {"long-targets", "4 connections of 8 KB targets with raw bytes, as fast as answered",
         long_targets},
        {"forged-entries", "impossible values, and four addresses making entries by the hundred",
         forged_entries, 40},
        {"cross-site", "writes with a browser's Origin and Sec-Fetch-* headers", cross_site, 0},
        {"huge-bodies", "500 half-sent uploads of a million bytes", huge_bodies},
    };
    bool all_good = true;
    for (const Attack& attack : attacks) {
        if (!s.only.empty() && s.only != attack.name) continue;
        const long entries_before = ranking_entries(s.port);
        const long log_before = file_size(s.server_log);
        const long rss_before = server_load::rss_kib(s.server_pid);
        long rss_peak = rss_before;

        Player player;
        std::atomic<bool> stop{false};
        std::thread attacker([&] { attack.run(s.port, stop); });
        std::this_thread::sleep_for(1s);  // the attack under way
        std::thread playing([&] { player.run(s.port); });
        const auto started = Clock::now();
        while (Clock::now() - started < std::chrono::seconds(s.seconds)) {
            std::this_thread::sleep_for(100ms);
            rss_peak = std::max(rss_peak, server_load::rss_kib(s.server_pid));
        }
        player.stop = true;
        playing.join();
        const double minutes =
            std::chrono::duration<double>(Clock::now() - started + 1s).count() / 60.0;
        stop = true;
        attacker.join();
        const long log_after = file_size(s.server_log);
        std::this_thread::sleep_for(500ms);
        const long entries_after = ranking_entries(s.port);

        std::sort(player.waits.begin(), player.waits.end());
        const double slowest = player.waits.empty() ? 0.0 : player.waits.back();
        const double p99 = player.waits.empty()
                               ? 0.0
                               : player.waits[(player.waits.size() * 99) / 100 == 0
                                                  ? 0
                                                  : (player.waits.size() * 99) / 100 - 1];
        const double success = player.tried == 0
                                   ? 0.0
                                   : 100.0 * static_cast<double>(player.ok - player.late) /
                                         static_cast<double>(player.tried);
        const double log_per_minute =
            log_before < 0 ? -1.0 : static_cast<double>(log_after - log_before) / minutes;
        const long stored = entries_after - entries_before;
        const bool stored_ok = attack.may_store < 0 || stored <= attack.may_store;
        const bool good = success >= 99.0 && (rss_peak < 0 || rss_peak < 100 * 1024) &&
                          (log_per_minute < 0 || log_per_minute < 1e6) && stored_ok;
        all_good &= good;
        std::printf("%-15s %s\n", attack.name, attack.what);
        std::printf(
            "                player %ld of %ld answered within 1 s (%.1f %%), median %.3f s, "
            "p99 %.3f s, slowest %.3f s\n",
            player.ok - player.late, player.tried, success,
            player.waits.empty() ? 0.0 : player.waits[player.waits.size() / 2], p99, slowest);
        std::printf("                server memory %.1f MiB before, %.1f MiB at most; log %s",
                    rss_before / 1024.0, rss_peak / 1024.0, log_per_minute < 0 ? "not read" : "");
        if (log_per_minute >= 0) {
            std::printf("+%ld bytes (%.0f KB a minute)", log_after - log_before,
                        log_per_minute / 1000.0);
        }
        std::printf("; ranking %+ld entries%s\n", stored, good ? "" : "  <-- short of the goal");
        std::fflush(stdout);
        std::this_thread::sleep_for(2s);  // the server lets go of what the attack left
    }
    return all_good ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    Settings s;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help") {
            std::cout << kUsage;
            return 0;
        }
        if (i + 1 >= argc) {
            std::cerr << kUsage;
            return 2;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (arg == "--port") {
            ok = server_load::parse_bounded(value, 1, 65535, s.port);
        } else if (arg == "--seconds") {
            ok = server_load::parse_bounded(value, 1, 3600, s.seconds);
        } else if (arg == "--server-pid") {
            ok = server_load::parse_bounded(value, 1, 1 << 30, s.server_pid);
        } else if (arg == "--server-log") {
            s.server_log = std::string(value);
        } else if (arg == "--only") {
            s.only = std::string(value);
        } else {
            ok = false;
        }
        if (!ok) {
            std::cerr << "quillmoor-server-attacks: bad option " << arg << '\n' << kUsage;
            return 2;
        }
    }
    if (s.port == 0) {
        std::cerr << kUsage;
        return 2;
    }
    return run(s);
}
