// quillmoor-server-hostile: a hostile load on a ranking server on this machine. Many requests,
// one in ten malformed (bad encodings, bodies over the limit, slow and half-open connections,
// garbage), to see that the server stays up, refuses them, keeps its memory bounded and
// stores none of them. Talks to 127.0.0.1 only.

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
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"
#include "tools/server_load/load_tools.h"

namespace {

constexpr const char* kUsage = R"(Usage: quillmoor-server-hostile --port PORT [OPTION]...
  --requests N          requests in all, one in ten malformed (default 100000)
  --connections C       connections for the well-formed requests (default 4)
  --slow-connections S  slow and half-open clients at once (default 200)
  --server-pid PID      the server's process, to read its memory (VmRSS) before and after
  --gap-ms MS           a slow sender's pause, longer than the server's read timeout
                        (default 5500)
Exit status 0 when the server came through: up and answering, every malformed request
refused, nothing of them stored.
)";

struct HostileSettings {
    int port = 0;
    long requests = 100000;
    int connections = 4;
    int slow_connections = 200;
    int server_pid = 0;  // 0: the server's memory is not read
    int gap_ms = 5500;
};

using namespace quill;
using Clock = std::chrono::steady_clock;

constexpr const char* kRank = "/zkv/zkv_rank.exe";
constexpr const char* kRankWrite = "/zkv/zkv_rank.exe?write";
constexpr const char* kReport = "/zkv/zkv_report.exe";
constexpr const char* kReportWrite = "/zkv/zkv_report.exe?write";

// What became of one request, as the client saw it.
constexpr int kClosed = 0;    // the connection closed without an answer
constexpr int kReset = -1;    // the connection failed (reset, refused, cut off)
constexpr int kTimeout = -2;  // no answer within the client's patience

std::string cp932(std::string_view utf8) {
    return platform::to_cp932_lossy(utf8);
}

// Every run's visitors are new adventurers (names of their own), so each well-formed upload
// adds one entry and the counts before and after can be compared.
const std::string& run_tag() {
    static const std::string tag =
        std::to_string(std::chrono::system_clock::now().time_since_epoch().count() / 1000 %
                       1000000000) +
        "-";
    return tag;
}

std::string visitor_name(long n) {
    return cp932("来訪者") + run_tag() + std::to_string(n);
}

net::RankFields visitor(long n) {
    return quill::server_load::plausible_adventurer(visitor_name(n), 200000 + n, n * 7 % 4999,
                                                    static_cast<int>(n % 10), cp932("放浪の来訪者"),
                                                    cp932("ポチ"));
}

std::string rank_body(long n) {
    return net::rank_upload_body(net::build_rank_line(visitor(n)), static_cast<int>(n % 99))
        .value();
}

net::Report visitor_report(long n) {
    net::Report r;
    r.name = visitor_name(n);
    r.message = cp932("<撃破>") + r.name + cp932("は、スライムを倒した");
    r.player_id = static_cast<int32_t>(200000 + n);
    r.race_sex = static_cast<int32_t>(n % 10);
    r.time = "5/12 9:7";
    return r;
}

std::string report_body(long n) {
    return net::report_upload_body(net::build_report_line(visitor_report(n)).value());
}

// UTF-7 written the long way: the whole text as one base64 run of its UTF-16 (what the
// server's codec must read like any other run). Lets a character without a code page 932
// form into an upload.
std::string utf7_run_of_utf8(std::string_view utf8) {
    std::vector<uint16_t> units;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp = c;
        size_t len = 1;
        if (c >= 0xF0) {
            cp = c & 0x07;
            len = 4;
        } else if (c >= 0xE0) {
            cp = c & 0x0F;
            len = 3;
        } else if (c >= 0xC0) {
            cp = c & 0x1F;
            len = 2;
        }
        for (size_t k = 1; k < len && i + k < utf8.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units.push_back(static_cast<uint16_t>(0xD800 + (cp >> 10)));
            units.push_back(static_cast<uint16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            units.push_back(static_cast<uint16_t>(cp));
        }
    }
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (uint16_t u : units) {
        bits = (bits << 16) | u;
        count += 16;
        while (count >= 6) {
            count -= 6;
            out += kDigits[(bits >> count) & 0x3F];
        }
        bits &= (1u << count) - 1;
    }
    if (count > 0) out += kDigits[(bits << (6 - count)) & 0x3F];
    return out;
}

std::string post(const char* path, std::string_view body, std::string_view extra = {}) {
    return quill::server_load::post_request(path, body, extra);
}

// ---- raw connections ------------------------------------------------------------------------

int connect_to(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool send_bytes(int fd, std::string_view bytes) {
    return quill::server_load::send_within(fd, bytes, std::chrono::seconds(20));
}

bool readable_now(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0;
}

// Reads one answer (skipping "100 Continue"): its status, kClosed, kReset or kTimeout.
int read_answer(int fd, int patience_ms) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(patience_ms);
    std::string in;
    char buffer[65536];
    for (;;) {
        size_t head_end = in.find("\r\n\r\n");
        while (head_end != std::string::npos && in.starts_with("HTTP/1.1 100")) {
            in.erase(0, head_end + 4);
            head_end = in.find("\r\n\r\n");
        }
        if (head_end != std::string::npos) {
            int status = 0;
            if (std::sscanf(in.c_str(), "HTTP/1.%*d %d", &status) != 1) return kReset;
            // The body as long as it says (the refusals are one line; the ranking is long).
            size_t length = 0;
            const size_t at = in.find("Content-Length: ");
            if (at != std::string::npos && at < head_end) {
                length = std::strtoul(in.c_str() + at + 16, nullptr, 10);
            }
            while (in.size() < head_end + 4 + length) {
                const int wait = static_cast<int>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                        .count());
                pollfd p{fd, POLLIN, 0};
                if (wait <= 0 || ::poll(&p, 1, wait) <= 0) break;
                const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                in.append(buffer, static_cast<size_t>(n));
            }
            return status;
        }
        const int wait = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count());
        if (wait <= 0) return kTimeout;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, wait);
        if (ready == 0) return kTimeout;
        if (ready < 0 && errno != EINTR) return kReset;
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n == 0) return in.empty() ? kClosed : kReset;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN) continue;
            return kReset;
        }
        in.append(buffer, static_cast<size_t>(n));
    }
}

// One raw exchange: send it all, read the answer. A send the server cut short (it refuses
// before reading everything) still counts the answer it had sent.
int raw_exchange(int port, std::string_view bytes, int patience_ms = 15000) {
    const int fd = connect_to(port);
    if (fd < 0) return kReset;
    const bool sent = send_bytes(fd, bytes);
    int status = read_answer(fd, patience_ms);
    if (!sent && status == kClosed) status = kReset;
    ::close(fd);
    return status;
}

// ---- the malformed requests -----------------------------------------------------------------

enum Kind {
    kBadPercent,
    kBadUtf7,
    kNotShiftJis,
    kHugeBody,
    kNoLength,
    kSlowSender,
    kHalfOpen,
    kGarbage,
    kKinds
};

constexpr const char* kKindNames[kKinds] = {
    "bad percent-escapes", "bad UTF-7",    "not Shift-JIS",      "body over the limit",
    "no length / packed",  "slow senders", "half-open requests", "garbage request lines"};

// How often each kind comes among the malformed requests (of 12).
constexpr int kWeights[kKinds] = {2, 2, 2, 1, 1, 1, 1, 2};

Kind kind_of(long malformed_index) {
    int slot = static_cast<int>(malformed_index % 12);
    for (int k = 0; k < kKinds; ++k) {
        if (slot < kWeights[k]) return static_cast<Kind>(k);
        slot -= kWeights[k];
    }
    return kGarbage;
}

bool is_slow(Kind kind) {
    return kind == kSlowSender || kind == kHalfOpen;
}

struct Malformed {
    std::string bytes;
    std::vector<int> expected;  // the outcomes that show the server enforcing its limits
};

// The fast malformed requests; `variant` picks among the forms of each kind.
Malformed malformed_request(Kind kind, long variant, long n) {
    const std::string good = rank_body(n);
    switch (kind) {
        case kBadPercent: {
            std::string body = good;
            switch (variant % 4) {
                case 0:
                    body.replace(body.size() / 2, 3, "%ZZ");
                    break;
                case 1:
                    body.resize(body.size() - 1);  // a cut-off triple
                    break;
                case 2:
                    body = "%%41" + body;
                    break;
                default:
                    body[body.size() / 3 / 3 * 3 + 1] = 'G';  // "%G?": not hexadecimal
                    break;
            }
            return {post(kRankWrite, body), {400}};
        }
        case kBadUtf7: {
            const std::string framed =
                cp932("＊　") + net::build_rank_line(visitor(n)) + cp932("　＊");
            std::string run = net::utf7_run(framed).value();
            switch (variant % 3) {
                case 0:
                    run.resize(run.size() - 2);  // a cut-off character
                    break;
                case 1:
                    run = "!!!" + run;  // not base64
                    break;
                default:
                    run.insert(run.size() / 2, "-+");  // a run broken in two
                    break;
            }
            return {post(kRankWrite, net::percent_all(run + cp932("あ") + "5")), {400}};
        }
        case kNotShiftJis: {
            switch (variant % 3) {
                case 0: {
                    // A character without a code page 932 form inside the name.
                    const std::string text =
                        "＊　" + platform::from_cp932_lossy(net::build_rank_line(visitor(n))) +
                        "　＊";
                    std::string odd = text;
                    const size_t at = odd.find("来訪者");  // the name's first characters
                    if (at != std::string::npos) odd.insert(at + 3, "ก");
                    return {post(kRankWrite,
                                 net::percent_all(utf7_run_of_utf8(odd) + cp932("あ") + "5")),
                            {400}};
                }
                case 1: {
                    // Bytes that are no code page 932 where "あ" belongs.
                    const std::string framed =
                        cp932("＊　") + net::build_rank_line(visitor(n)) + cp932("　＊");
                    return {post(kRankWrite, net::percent_all(net::utf7_run(framed).value() +
                                                              "\x82\xFF" + "5")),
                            {400}};
                }
                default: {
                    // A report whose player number is no text at all.
                    std::string line = net::build_report_line(visitor_report(n)).value();
                    const size_t at = line.find("{p");
                    line.insert(at + 2, "\x82\xFF\xFD");
                    return {post(kReportWrite, net::percent_all(line)), {400}};
                }
            }
        }
        case kHugeBody:
            switch (variant % 3) {
                case 0:
                    return {post(kRankWrite, std::string(1 << 20, '%')), {413}};
                case 1:
                    return {
                        "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                        "Content-Length: 1000000000000\r\n\r\n" +
                            std::string(65536, 'A'),
                        {413}};
                default:
                    return {post(kReportWrite, std::string(20000, 'A')), {413}};
            }
        case kNoLength:
            switch (variant % 3) {
                case 0:
                    return {
                        "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n" + good,
                        {411}};
                case 1:
                    return {
                        "POST /zkv/zkv_rank.exe?write HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                        "Transfer-Encoding: chunked\r\n\r\n4000\r\n" +
                            std::string(0x4000, 'A') + "\r\n4000\r\n" + std::string(0x4000, 'A') +
                            "\r\n0\r\n\r\n",
                        {411}};
                default:
                    // A body that would unpack to far beyond the limit.
                    return {post(kRankWrite, std::string(4096, '\0'), "Content-Encoding: gzip\r\n"),
                            {415}};
            }
        case kGarbage:
            switch (variant % 10) {
                case 0:
                    return {"HELLO WORLD\r\n\r\n", {400}};
                case 1: {
                    std::string junk;
                    for (int i = 0; i < 64; ++i) junk += static_cast<char>((n * 31 + i * 97) % 256);
                    return {junk + "\r\n\r\n", {400}};
                }
                case 2:
                    return {std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11) +
                                std::string(500, '\x5a'),
                            {400}};
                case 3:
                    return {"GET /" + std::string(20000, 'A') + " HTTP/1.1\r\n\r\n", {414}};
                case 4:
                    return {"GET /zkv/zkv_rank.exe HTTP/2.0\r\n\r\n", {400}};
                case 5:
                    return {"GET  /zkv/zkv_rank.exe HTTP/1.1\r\n\r\n", {400}};
                case 6:
                    return {"GET /zkv/zkv_rank.exe HTTP/1.1\r\nno colon here\r\n\r\n", {400}};
                case 7: {
                    std::string head = "GET /zkv/zkv_rank.exe HTTP/1.1\r\n";
                    for (int i = 0; i < 300; ++i) head += "X-" + std::to_string(i) + ": y\r\n";
                    return {head + "\r\n", {431}};
                }
                case 8:
                    return {"GET /zkv/zkv_rank.exe HTTP/1.1\r\nX: " + std::string(20000, 'y') +
                                "\r\n\r\n",
                            {431}};
                default:
                    return {std::string("GET /zkv/\0rank HTTP/1.1\r\n\r\n", 27), {400}};
            }
        default:
            return {"", {}};
    }
}

// The slow and half-open clients: each holds a connection for seconds.
int slow_exchange(Kind kind, long variant, long n, int port, int gap_ms) {
    const std::string upload = post(kRankWrite, rank_body(n));
    const int fd = connect_to(port);
    if (fd < 0) return kReset;
    int status = kClosed;
    if (kind == kSlowSender) {
        if (variant % 2 == 0) {
            // A first byte, then a pause longer than the server waits.
            send_bytes(fd, upload.substr(0, 1));
            std::this_thread::sleep_for(std::chrono::milliseconds(gap_ms));
            if (!readable_now(fd)) send_bytes(fd, upload.substr(1));
            status = read_answer(fd, 15000);
        } else {
            // A byte a second, each within the server's read timeout: the whole request still
            // takes too long.
            const std::string get = "GET /zkv/zkv_rank.exe HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
            for (char c : get) {
                if (readable_now(fd)) break;
                if (!send_bytes(fd, std::string_view(&c, 1))) break;
                std::this_thread::sleep_for(std::chrono::seconds(1));
            }
            status = read_answer(fd, 15000);
        }
    } else {
        switch (variant % 3) {
            case 0:
                // Half a request, then gone.
                send_bytes(fd, upload.substr(0, upload.size() / 2));
                break;
            case 1:
                // Half a request, then silence with the connection open.
                send_bytes(fd, upload.substr(0, upload.size() / 2));
                status = read_answer(fd, gap_ms + 10000);
                break;
            default:
                // Connected, nothing sent.
                status = read_answer(fd, gap_ms + 10000);
                break;
        }
    }
    ::close(fd);
    return status;
}

std::vector<int> slow_expected(Kind kind, long variant) {
    if (kind == kSlowSender) return {408};
    switch (variant % 3) {
        case 0:
            return {kClosed};  // nothing read back: the client left
        case 1:
            return {408};
        default:
            return {kClosed};  // an idle connection is closed without a word
    }
}

// ---- figures --------------------------------------------------------------------------------

struct Tally {
    std::mutex mutex;
    std::map<int, long> by_status;
    long sent = 0;
    long unexpected = 0;
    long accepted = 0;  // 2xx answers to a malformed request: a fault

    void add(int status, const std::vector<int>& expected) {
        std::lock_guard lock(mutex);
        ++sent;
        ++by_status[status];
        if (!expected.empty() &&
            std::find(expected.begin(), expected.end(), status) == expected.end()) {
            ++unexpected;
        }
        if (status >= 200 && status < 300) ++accepted;
    }
};

std::string outcome_name(int status) {
    switch (status) {
        case kClosed:
            return "closed";
        case kReset:
            return "failed";
        case kTimeout:
            return "no answer";
        default:
            return std::to_string(status);
    }
}

std::string describe(const std::map<int, long>& by_status) {
    std::string out;
    for (const auto& [status, count] : by_status) {
        if (!out.empty()) out += ", ";
        out += outcome_name(status) + ": " + std::to_string(count);
    }
    return out;
}

// The island's counts as the host's page shows them: adventurers and reports.
struct Counts {
    long adventurers = -1;
    long reports = -1;
};

long number_after(const std::string& page, std::string_view label) {
    const size_t at = page.find(label);
    if (at == std::string::npos) return -1;
    return std::strtol(page.c_str() + at + label.size(), nullptr, 10);
}

Counts island_counts(int port) {
    httplib::Client client("127.0.0.1", port);
    client.set_read_timeout(20);
    const httplib::Result res = client.Get("/");
    Counts c;
    if (!res || res->status != 200) return c;
    c.adventurers = number_after(res->body, "登録された冒険者 ");
    c.reports = number_after(res->body, "レポート ");
    return c;
}

std::string mib(long kib) {
    if (kib < 0) return "unknown";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", static_cast<double>(kib) / 1024.0);
    return text;
}

// Runs the load and prints the figures; 0 when the server came through, 1 otherwise.
int run_hostile(const HostileSettings& s) {
    // The server may cut a refused client off while it still sends.
    signal(SIGPIPE, SIG_IGN);

    const Counts before = island_counts(s.port);
    const long rss_before = quill::server_load::rss_kib(s.server_pid);
    std::atomic<long> rss_peak{rss_before};
    std::atomic<bool> done{false};
    std::thread watcher([&] {
        while (!done) {
            const long now = quill::server_load::rss_kib(s.server_pid);
            long peak = rss_peak.load();
            while (now > peak && !rss_peak.compare_exchange_weak(peak, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });

    Tally valid;
    std::atomic<long> rank_stored{0}, reports_stored{0};
    std::atomic<long> valid_errors{0};
    Tally malformed[kKinds];

    // Slow and half-open clients wait in a queue of their own, many at once.
    std::mutex slow_mutex;
    std::condition_variable slow_ready;
    std::deque<std::pair<Kind, long>> slow_jobs;
    bool slow_closed = false;
    std::vector<std::thread> slow_threads;
    for (int t = 0; t < s.slow_connections; ++t) {
        slow_threads.emplace_back([&] {
            for (;;) {
                std::pair<Kind, long> job;
                {
                    std::unique_lock lock(slow_mutex);
                    slow_ready.wait(lock, [&] { return !slow_jobs.empty() || slow_closed; });
                    if (slow_jobs.empty()) return;
                    job = slow_jobs.front();
                    slow_jobs.pop_front();
                }
                const long variant = job.second / 12;
                const int status = slow_exchange(job.first, variant, job.second, s.port, s.gap_ms);
                malformed[job.first].add(status, slow_expected(job.first, variant));
            }
        });
    }

    const auto start = Clock::now();
    std::atomic<long> next{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < s.connections; ++t) {
        threads.emplace_back([&] {
            httplib::Client client("127.0.0.1", s.port);
            client.set_keep_alive(true);
            client.set_tcp_nodelay(true);
            client.set_connection_timeout(5);
            client.set_read_timeout(20);
            for (long i = next++; i < s.requests; i = next++) {
                if (i % 10 == 9) {
                    const long m = i / 10;
                    const Kind kind = kind_of(m);
                    if (is_slow(kind)) {
                        std::lock_guard lock(slow_mutex);
                        slow_jobs.emplace_back(kind, m);
                        slow_ready.notify_one();
                        continue;
                    }
                    const Malformed request = malformed_request(kind, m / 12, m);
                    malformed[kind].add(raw_exchange(s.port, request.bytes), request.expected);
                    continue;
                }
                const int what = static_cast<int>(i % 10);
                const httplib::Result res = [&] {
                    if (what <= 3) return client.Get(kRank);
                    if (what <= 5) return client.Get(kReport);
                    if (what <= 7) return client.Post(kRankWrite, rank_body(i), "text/plain");
                    return client.Post(kReportWrite, report_body(i), "text/plain");
                }();
                if (res && res->status == 200 && what >= 6)
                    ++(what <= 7 ? rank_stored : reports_stored);
                if (!res) ++valid_errors;
                valid.add(res ? res->status : kReset, {200});
            }
        });
    }
    for (std::thread& t : threads) t.join();
    {
        std::lock_guard lock(slow_mutex);
        slow_closed = true;
    }
    slow_ready.notify_all();
    for (std::thread& t : slow_threads) t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    // A moment for the server to let go of what the last clients left behind.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const long rss_after = quill::server_load::rss_kib(s.server_pid);
    done = true;
    watcher.join();
    const Counts after = island_counts(s.port);
    bool alive = after.adventurers >= 0;
    if (s.server_pid > 0) alive = alive && ::kill(s.server_pid, 0) == 0;

    long malformed_sent = 0, unexpected = 0, accepted = 0;
    std::map<int, long> all = valid.by_status;
    for (Tally& t : malformed) {
        malformed_sent += t.sent;
        unexpected += t.unexpected;
        accepted += t.accepted;
        for (const auto& [status, count] : t.by_status) all[status] += count;
    }
    long failed_connections = 0;
    for (const auto& [status, count] : all) {
        if (status == kReset || status == kTimeout) failed_connections += count;
    }

    std::printf("hostile load: %ld requests, %ld malformed, %d + %d connections\n",
                valid.sent + malformed_sent, malformed_sent, s.connections, s.slow_connections);
    std::printf("  took %.1f s\n", seconds);
    std::printf("  answers by status: %s\n", describe(all).c_str());
    std::printf("  well-formed: %ld sent: %s (%ld connection errors)\n", valid.sent,
                describe(valid.by_status).c_str(), valid_errors.load());
    for (int k = 0; k < kKinds; ++k) {
        std::printf(
            "  %-22s %6ld sent: %s%s\n", kKindNames[k], malformed[k].sent,
            describe(malformed[k].by_status).c_str(),
            malformed[k].unexpected > 0
                ? (" (" + std::to_string(malformed[k].unexpected) + " not as expected)").c_str()
                : "");
    }
    std::printf("  connection errors: %ld (failed or unanswered exchanges)\n", failed_connections);
    std::printf("  server memory (VmRSS): before %s, peak %s, after %s\n", mib(rss_before).c_str(),
                mib(rss_peak.load()).c_str(), mib(rss_after).c_str());

    const bool counts_known = before.adventurers >= 0 && after.adventurers >= 0 &&
                              before.reports >= 0 && after.reports >= 0;
    const bool counts_right = counts_known &&
                              after.adventurers - before.adventurers == rank_stored.load() &&
                              after.reports - before.reports == reports_stored.load();
    if (counts_known) {
        std::printf(
            "  stored: adventurers %ld -> %ld (+%ld; well-formed uploads answered 200: %ld),"
            " reports %ld -> %ld (+%ld; well-formed reports answered 200: %ld): %s\n",
            before.adventurers, after.adventurers, after.adventurers - before.adventurers,
            rank_stored.load(), before.reports, after.reports, after.reports - before.reports,
            reports_stored.load(),
            counts_right ? "nothing stored from a malformed request" : "MISMATCH");
    } else {
        std::printf("  stored: the counts could not be read from the host's page\n");
    }
    std::printf("  server %s\n", alive ? "still up and answering" : "NOT ANSWERING");
    if (accepted > 0) std::printf("  %ld malformed requests were answered 2xx\n", accepted);

    const bool ok =
        alive && counts_right && accepted == 0 && unexpected == 0 && valid_errors.load() == 0;
    std::printf("  %s\n", ok ? "the server came through" : "the server did NOT come through");
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    HostileSettings s;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::string_view value = i + 1 < argc ? argv[i + 1] : "";
        bool ok = false;
        if (arg == "--port") ok = quill::server_load::parse_bounded(value, 1, 65535, s.port);
        if (arg == "--requests")
            ok = quill::server_load::parse_bounded(value, 10L, 100000000L, s.requests);
        if (arg == "--connections")
            ok = quill::server_load::parse_bounded(value, 1, 64, s.connections);
        if (arg == "--slow-connections")
            ok = quill::server_load::parse_bounded(value, 1, 400, s.slow_connections);
        if (arg == "--server-pid")
            ok = quill::server_load::parse_bounded(value, 1, 1 << 30, s.server_pid);
        if (arg == "--gap-ms") ok = quill::server_load::parse_bounded(value, 100, 60000, s.gap_ms);
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
    return run_hostile(s);
}
