// quillmoor-server-hostile: a hostile load on a ranking server on this machine. Sends N
// requests (100000 by default) from four connections at a time, one in ten of them
// malformed: upload bodies that do not decode, bodies far over the limit, request lines of
// garbage, connections closed half-way through a request, and requests trickled byte by byte;
// besides, a few connections stop in the middle of their headers and must be closed by the
// server. It prints the answers by status, the time, the server's memory before and after
// (with --server-pid) and the ranking's size before and after: only the valid uploads (which
// replace existing adventurers) may have been stored. Talks to 127.0.0.1 only.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kAdventurers = 500;  // filled first; valid uploads replace them in turn

long rss_kb(int pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

std::string upload_body(int n, int score) {
    quill::net::RankFields f;
    for (int i = 0; i < quill::net::kRankFields; ++i) f[i] = std::to_string(i);
    f[0] = platform::to_cp932_lossy("荒波") + std::to_string(n);
    f[1] = std::to_string(500000 + n);
    f[2] = std::to_string(score);
    f[6] = "5/12 9:7";
    f[22] = platform::to_cp932_lossy("嵐の冒険者");
    f[23] = "";
    f[27] = "229";
    return quill::net::rank_upload_body(quill::net::build_rank_line(f), n % 99).value();
}

// A raw connection to the server (-1 when it cannot be made), with a receive time limit.
int raw_connect(int port, int timeout_s) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return -1;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval tv{timeout_s, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The status of the answer on a raw connection: the number, 0 when the server closed the
// connection without one, -1 on a time-out.
int raw_status(int fd) {
    char buf[64];
    const ssize_t n = recv(fd, buf, sizeof buf - 1, 0);
    if (n < 0) return -1;
    if (n < 12) return 0;
    buf[n] = '\0';
    return std::atoi(buf + 9);
}

int ranking_size(int port) {
    httplib::Client client("127.0.0.1", port);
    auto res = client.Get("/zkv/zkv_rank.exe");
    if (!res || res->status != 200) return -1;
    int lines = 0;
    for (char c : res->body) lines += c == '\n';
    return lines;
}

struct Tally {
    std::mutex mutex;
    std::map<std::string, std::map<int, long>> by_kind;  // kind -> status -> count
    void add(const std::string& kind, int status) {
        std::lock_guard lock(mutex);
        ++by_kind[kind][status];
    }
};

}  // namespace

int main(int argc, char** argv) {
    int port = 0, pid = 0;
    long requests = 100000;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string arg = argv[i];
        if (arg == "--port") port = std::atoi(argv[i + 1]);
        if (arg == "--requests") requests = std::atol(argv[i + 1]);
        if (arg == "--server-pid") pid = std::atoi(argv[i + 1]);
    }
    if (port <= 0 || requests <= 0) {
        std::fprintf(stderr,
                     "Usage: quillmoor-server-hostile --port PORT [--requests N] "
                     "[--server-pid PID]\n");
        return 2;
    }
    {
        httplib::Client client("127.0.0.1", port);
        client.set_keep_alive(true);
        for (int n = 0; n < kAdventurers; ++n) {
            auto res = client.Post("/zkv/zkv_rank.exe?write", upload_body(n, n), "text/plain");
            if (!res || res->status != 200) {
                std::fprintf(stderr, "quillmoor-server-hostile: the fill failed at %d\n", n);
                return 1;
            }
        }
    }
    const int size_before = ranking_size(port);
    const long rss_before = pid ? rss_kb(pid) : -1;

    // Connections that stop in their headers: the server must close them itself.
    std::vector<int> stalled;
    for (int i = 0; i < 8; ++i) {
        const int fd = raw_connect(port, 12);
        if (fd < 0) continue;
        const char part[] = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: 127";
        send(fd, part, sizeof part - 1, MSG_NOSIGNAL);
        stalled.push_back(fd);
    }

    Tally tally;
    std::atomic<long> next{0};
    const auto start = Clock::now();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(true);
            client.set_connection_timeout(5);
            client.set_read_timeout(10);
            client.set_write_timeout(10);
            for (long i; (i = next++) < requests;) {
                if (i % 10 != 0) {  // a valid request
                    if (i % 3 == 0) {
                        auto res = client.Post("/zkv/zkv_rank.exe?write",
                                               upload_body(static_cast<int>(i % kAdventurers),
                                                           static_cast<int>(i % 9000)),
                                               "text/plain");
                        tally.add("valid upload", res ? res->status : -1);
                    } else {
                        auto res =
                            client.Get(i % 3 == 1 ? "/zkv/zkv_rank.exe" : "/zkv/zkv_report.exe");
                        tally.add("valid fetch", res ? res->status : -1);
                    }
                    continue;
                }
                switch ((i / 10) % 5) {
                    case 0: {  // bodies that do not decode, as new adventurers
                        static const char* const bad[] = {"%zz%82%a0", "%82%a0%2B%81%FF%FF",
                                                          "+AAAA-%82%a01", "\x82\xa0\xff\xfe"};
                        auto res =
                            client.Post("/zkv/zkv_rank.exe?write", bad[(i / 50) % 4], "text/plain");
                        tally.add("bad encoding", res ? res->status : -1);
                        break;
                    }
                    case 1: {  // a body far over the limit
                        auto res = client.Post("/zkv/zkv_report.exe?write",
                                               std::string(100000, '%'), "text/plain");
                        tally.add("huge body", res ? res->status : -1);
                        break;
                    }
                    case 2: {  // a request line of garbage
                        const int fd = raw_connect(port, 10);
                        const char garbage[] = "\x01\x02 GARBAGE\xff HTTP/9.9\r\n\r\n";
                        if (fd >= 0) send(fd, garbage, sizeof garbage - 1, MSG_NOSIGNAL);
                        tally.add("garbage line", fd >= 0 ? raw_status(fd) : -2);
                        if (fd >= 0) close(fd);
                        break;
                    }
                    case 3: {  // half a request, then the connection is closed
                        const int fd = raw_connect(port, 10);
                        const char half[] =
                            "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nContent-Length: "
                            "500\r\n\r\n%82";
                        if (fd >= 0) {
                            send(fd, half, sizeof half - 1, MSG_NOSIGNAL);
                            close(fd);
                        }
                        tally.add("half-open", fd >= 0 ? 0 : -2);
                        break;
                    }
                    default: {  // a request trickled byte by byte
                        const int fd = raw_connect(port, 10);
                        const std::string req =
                            "GET /zkv/zkv_report.exe HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                            "Connection: close\r\n\r\n";
                        if (fd >= 0) {
                            for (char c : req) {
                                send(fd, &c, 1, MSG_NOSIGNAL);
                                std::this_thread::sleep_for(std::chrono::microseconds(300));
                            }
                        }
                        tally.add("slow sender", fd >= 0 ? raw_status(fd) : -2);
                        if (fd >= 0) close(fd);
                        break;
                    }
                }
            }
        });
    }
    for (auto& t : threads) t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    // The stalled connections: closed by the server (0) rather than left open (-1).
    int cut = 0;
    for (int fd : stalled) {
        char buf[256];
        const ssize_t n = recv(fd, buf, sizeof buf, 0);
        cut += n >= 0;  // an answer or the close; -1 is our own 12 s time-out
        close(fd);
    }
    const int size_after = ranking_size(port);
    const long rss_after = pid ? rss_kb(pid) : -1;
    long malformed = 0;
    std::printf("%ld requests in %.1f s (%.0f per second), four connections:\n", requests, seconds,
                requests / seconds);
    for (const auto& [kind, statuses] : tally.by_kind) {
        std::printf("  %-14s", kind.c_str());
        long total = 0;
        for (const auto& [status, count] : statuses) {
            total += count;
            if (status == -1) {
                std::printf("  failed %ld", count);
            } else if (status == 0) {
                std::printf("  closed %ld", count);
            } else {
                std::printf("  %d: %ld", status, count);
            }
        }
        if (kind.rfind("valid", 0) != 0) malformed += total;
        std::printf("\n");
    }
    std::printf(
        "  malformed in all: %ld; connections stalled in their headers and closed by the "
        "server: %d of %zu\n",
        malformed, cut, stalled.size());
    std::printf("ranking entries before %d, after %d (valid uploads only replace)\n", size_before,
                size_after);
    if (pid) std::printf("server memory: %ld kB before, %ld kB after\n", rss_before, rss_after);
    bool ok = size_after == size_before && cut == static_cast<int>(stalled.size());
    for (const auto& [kind, statuses] : tally.by_kind) {
        if (kind.rfind("valid", 0) == 0) {
            for (const auto& [status, count] : statuses) ok = ok && status == 200;
        }
        if (kind == "bad encoding" || kind == "huge body") {
            for (const auto& [status, count] : statuses) ok = ok && status >= 400 && status < 500;
        }
    }
    std::printf("%s\n",
                ok ? "the server held: limits kept, nothing stored from a bad request" : "FAILED");
    return ok ? 0 : 1;
}
