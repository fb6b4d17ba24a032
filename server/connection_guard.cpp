#include "server/connection_guard.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quill::server {

static_assert(std::string_view(CPPHTTPLIB_VERSION) == "0.11.4",
              "the connection guard relies on how cpp-httplib 0.11.4 accepts a connection and "
              "answers a request (see connection_guard.h): check it against this version");

namespace {

using Clock = std::chrono::steady_clock;

// The request line the library takes at most (its own limit; longer ones are answered 414).
constexpr size_t kMaxRequestLine = 8192;
// The methods the library knows; anything else is refused before it is read to its end.
constexpr std::string_view kMethods[] = {"GET",     "HEAD",    "POST",  "PUT",  "DELETE",
                                         "CONNECT", "OPTIONS", "TRACE", "PATCH"};
// How often the waiting room looks for connections past their time.
constexpr auto kSweep = std::chrono::milliseconds(100);
// After a refusal the client may still be sending: its bytes are read and dropped for a
// while, so that it sees the answer instead of a reset connection.
constexpr auto kDrainTime = std::chrono::seconds(1);
constexpr size_t kDrainBytes = 1 << 20;
// A client on a kept connection that asks again at once (a game reading the ranking, then the
// reports) is answered by the worker that answered it last, which waits this long (ms) for
// it before handing the connection to the waiting room.
constexpr int kNextRequestWait = 2;
// Refusals answered beyond the connection limit (each is kept a moment to be read); past
// these a connection is closed unanswered.
constexpr size_t kRefusingRoom = 64;

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] >= 'A' && a[i] <= 'Z' ? static_cast<char>(a[i] + 32) : a[i];
        const char y = b[i] >= 'A' && b[i] <= 'Z' ? static_cast<char>(b[i] + 32) : b[i];
        if (x != y) return false;
    }
    return true;
}

bool is_token_char(unsigned char c) {
    if (c >= '0' && c <= '9') return true;
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
    return std::string_view("!#$%&'*+-.^_`|~").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Whether the bytes of an unfinished request line can still become a request.
bool could_be_request_line(std::string_view partial) {
    const size_t space = partial.find(' ');
    const std::string_view method = partial.substr(0, space);
    for (std::string_view known : kMethods) {
        if (space == std::string_view::npos ? known.starts_with(method) : known == method) {
            return true;
        }
    }
    return false;
}

// METHOD SP target SP HTTP/1.0 or HTTP/1.1 CR LF, nothing else.
bool valid_request_line(std::string_view line, std::string_view& method) {
    if (!line.ends_with("\r\n")) return false;
    line.remove_suffix(2);
    const size_t first = line.find(' ');
    const size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
    if (second == std::string_view::npos) return false;
    method = line.substr(0, first);
    const std::string_view target = line.substr(first + 1, second - first - 1);
    const std::string_view version = line.substr(second + 1);
    if (std::find(std::begin(kMethods), std::end(kMethods), method) == std::end(kMethods)) {
        return false;
    }
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return false;
    if (target.empty()) return false;
    for (unsigned char c : target) {
        if (c <= 0x20 || c == 0x7F) return false;
    }
    return true;
}

std::optional<uint64_t> parse_length(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value;
}

const char* status_text(int status) {
    switch (status) {
        case 400:
            return "Bad Request";
        case 408:
            return "Request Timeout";
        case 411:
            return "Length Required";
        case 414:
            return "URI Too Long";
        case 415:
            return "Unsupported Media Type";
        case 431:
            return "Request Header Fields Too Large";
        case 503:
            return "Service Unavailable";
        default:
            return "Error";
    }
}

// A refusal in the server's one-line style; the connection closes after it.
std::string refusal_answer(int status, std::string_view reason) {
    const std::string body = std::string(reason) + "\r\n";
    return "HTTP/1.1 " + std::to_string(status) + " " + status_text(status) +
           "\r\nConnection: close\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nContent-Type: text/plain; charset=Shift_JIS\r\n\r\n" + body;
}

void address_of(const sockaddr_storage& addr, socklen_t len, std::string& ip, int& port) {
    char host[NI_MAXHOST];
    char service[NI_MAXSERV];
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&addr), len, host, sizeof host, service,
                    sizeof service, NI_NUMERICHOST | NI_NUMERICSERV) == 0) {
        ip = host;
        port = std::atoi(service);
    }
}

int milliseconds_until(Clock::time_point when, Clock::time_point now) {
    if (when <= now) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(when - now).count());
}

}  // namespace

Framing frame_request(const std::string& in, const ConnectionLimits& limits) {
    Framing f;
    auto refuse = [&f](int status, std::string reason) {
        f.kind = Framing::Kind::kRefused;
        f.status = status;
        f.reason = std::move(reason);
        return f;
    };
    const size_t max_line = std::min(kMaxRequestLine, limits.max_head);
    const size_t line_end = in.find('\n');
    if (line_end == std::string::npos) {
        if (!could_be_request_line(in)) return refuse(400, "bad request");
        if (in.size() > max_line) return refuse(414, "request line too long");
        return f;
    }
    if (line_end + 1 > max_line) return refuse(414, "request line too long");
    std::string_view method;
    if (!valid_request_line(std::string_view(in).substr(0, line_end + 1), method)) {
        return refuse(400, "bad request");
    }

    size_t pos = line_end + 1;
    size_t headers = 0;
    std::optional<uint64_t> length;
    bool chunked = false;
    bool encoded = false;
    bool expects_continue = false;
    for (;;) {
        const size_t end = in.find('\n', pos);
        if (end == std::string::npos) {
            if (in.size() > limits.max_head) return refuse(431, "request head too large");
            return f;
        }
        if (end + 1 > limits.max_head) return refuse(431, "request head too large");
        std::string_view line = std::string_view(in).substr(pos, end + 1 - pos);
        pos = end + 1;
        if (line == "\r\n") break;
        if (line.size() < 3 || line[line.size() - 2] != '\r') return refuse(400, "bad request");
        if (++headers > limits.max_headers) return refuse(431, "too many headers");
        line.remove_suffix(2);
        const size_t colon = line.find(':');
        if (colon == 0 || colon == std::string_view::npos) return refuse(400, "bad request");
        const std::string_view name = line.substr(0, colon);
        for (unsigned char c : name) {
            if (!is_token_char(c)) return refuse(400, "bad request");
        }
        const std::string_view value = trim(line.substr(colon + 1));
        for (unsigned char c : value) {
            if ((c < 0x20 && c != '\t') || c == 0x7F) return refuse(400, "bad request");
        }
        if (iequals(name, "Content-Length")) {
            const std::optional<uint64_t> n = parse_length(value);
            if (!n || (length && *length != *n)) return refuse(400, "bad Content-Length");
            length = n;
        } else if (iequals(name, "Transfer-Encoding")) {
            chunked = true;
        } else if (iequals(name, "Content-Encoding")) {
            encoded |= !iequals(value, "identity");
        } else if (iequals(name, "Expect")) {
            expects_continue |= iequals(value, "100-continue");
        }
    }
    const size_t head = pos;
    f.head = head;

    if (chunked) return refuse(411, "an upload needs a Content-Length");
    if (!length) {
        if (method == "POST" || method == "PUT" || method == "PATCH") {
            return refuse(411, "an upload needs a Content-Length");
        }
        length = 0;
    }
    if (*length > 0 && encoded) return refuse(415, "compressed uploads are not accepted");
    f.body = static_cast<size_t>(std::min<uint64_t>(*length, SIZE_MAX));
    if (*length > limits.max_body) {
        f.kind = Framing::Kind::kComplete;
        f.length = head;
        f.body_too_large = true;
        return f;
    }
    if (in.size() - head < *length) {
        f.wants_continue = expects_continue;
        return f;
    }
    f.kind = Framing::Kind::kComplete;
    f.length = head + static_cast<size_t>(*length);
    return f;
}

void hide_expect(std::string& received, size_t head) {
    for (size_t pos = received.find('\n'); pos != std::string::npos && pos + 1 < head;
         pos = received.find('\n', pos + 1)) {
        if (iequals(std::string_view(received).substr(pos + 1, 7), "expect:")) {
            received[pos + 1] = 'X';
        }
    }
}

// What every connection counts against: the connections open, those of each address, and
// the memory the uploads' bodies and the waiting answers hold.
struct GuardedServer::Tally {
    std::atomic<size_t> open{0};
    std::atomic<size_t> body_bytes{0};
    std::atomic<size_t> answer_bytes{0};
    std::mutex addresses_mutex;
    std::unordered_map<std::string, size_t> by_address;

    // Takes `n` of a budget; false, taking nothing, when they do not fit.
    static bool take(std::atomic<size_t>& used, size_t n, size_t budget) {
        size_t now = used.load();
        do {
            if (n > budget || now > budget - n) return false;
        } while (!used.compare_exchange_weak(now, now + n));
        return true;
    }

    // Counts one more connection of the address; false when it holds `limit` already.
    bool join(const std::string& address, size_t limit) {
        std::lock_guard lock(addresses_mutex);
        size_t& held = by_address[address];
        if (held >= limit) {
            if (held == 0) by_address.erase(address);
            return false;
        }
        ++held;
        return true;
    }
    void leave(const std::string& address) {
        std::lock_guard lock(addresses_mutex);
        auto it = by_address.find(address);
        if (it != by_address.end() && --it->second == 0) by_address.erase(it);
    }
    size_t held_by(const std::string& address) {
        std::lock_guard lock(addresses_mutex);
        auto it = by_address.find(address);
        return it == by_address.end() ? 0 : it->second;
    }
};

// One client connection, owned by the waiting room or by the worker answering it.
struct GuardedServer::Connection {
    Connection(int socket, uint64_t number, Tally& counts) : fd(socket), id(number), tally(counts) {
        tally.open.fetch_add(1);
    }
    ~Connection() {
        ::close(fd);
        release_body();
        release_answer();
        if (counted) tally.leave(address);
        tally.open.fetch_sub(1);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const int fd;
    const uint64_t id;
    Tally& tally;
    std::string address;
    int port = 0;
    std::string local_address;
    int local_port = 0;
    bool counted = false;  // among its address's connections

    std::string received;         // not yet answered
    size_t body_held = 0;         // of the body budget, for the request at the front
    Clock::time_point started;    // the first byte of the request being received
    Clock::time_point last_byte;  // the latest byte received
    Clock::time_point idle_since;
    size_t answered = 0;
    bool registered = false;   // in the waiting room's epoll set
    bool peer_closed = false;  // the client sent all it will send
    bool continue_sent = false;
    bool draining = false;  // refused: reading and dropping until the client goes
    Clock::time_point drain_until;
    size_t drained = 0;

    // The part of an answer the client has not taken yet, and what follows once it has.
    enum class After { kNextRequest, kClose, kDrain };
    std::string outgoing;
    size_t outgoing_sent = 0;
    size_t answer_held = 0;  // of the answers' budget
    After after = After::kNextRequest;
    bool writing = false;  // in the waiting room until the client takes the rest
    Clock::time_point answer_started;
    Clock::time_point write_progress;

    size_t outgoing_left() const { return outgoing.size() - outgoing_sent; }

    void release_body() {
        tally.body_bytes.fetch_sub(body_held);
        body_held = 0;
    }
    void release_answer() {
        tally.answer_bytes.fetch_sub(answer_held);
        answer_held = 0;
    }

    // Reads what the client has sent, without waiting, up to `cap` bytes in all. False when
    // the connection failed.
    bool read_available(size_t cap) {
        char buffer[16384];
        while (received.size() < cap && !peer_closed) {
            const size_t want = std::min(sizeof buffer, cap - received.size());
            const ssize_t n = ::recv(fd, buffer, want, 0);
            if (n > 0) {
                const auto now = Clock::now();
                if (received.empty()) started = now;
                last_byte = now;
                received.append(buffer, static_cast<size_t>(n));
                if (static_cast<size_t>(n) < want) break;
            } else if (n == 0) {
                peer_closed = true;
            } else if (errno == EINTR) {
                continue;
            } else {
                return errno == EAGAIN || errno == EWOULDBLOCK;
            }
        }
        return true;
    }

    // Reads what has come and frames the request at the front. Only a head is read before its
    // request is known; the body's room is taken from the budget as soon as its length is,
    // and only then is the body read. Nothing when the connection failed.
    std::optional<Framing> take_in(const ConnectionLimits& limits) {
        for (;;) {
            Framing f = frame_request(received, limits);
            if (f.kind != Framing::Kind::kMore) return f;
            if (f.head > 0 && body_held < f.body) {
                if (!Tally::take(tally.body_bytes, f.body - body_held, limits.body_memory)) {
                    f.kind = Framing::Kind::kRefused;
                    f.status = 503;
                    f.reason = "the server is busy receiving other uploads; try again shortly";
                    return f;
                }
                body_held = f.body;
            }
            const size_t cap = f.head > 0 ? f.head + f.body : limits.max_head + 1;
            const size_t before = received.size();
            if (!read_available(cap)) return std::nullopt;
            if (received.size() == before) return f;
        }
    }

    // The request at the front is answered: its bytes and its room go.
    void drop_request(size_t length) {
        received.erase(0, length);
        release_body();
        continue_sent = false;
        if (received.capacity() > 4096 && received.empty()) received.shrink_to_fit();
    }

    // Keeps bytes of the answer for later; false when they do not fit the connection's share
    // or the budget of all answers.
    bool hold_answer(const char* data, size_t size, const ConnectionLimits& limits) {
        if (size == 0) return true;
        if (outgoing_left() + size > limits.answer_per_connection) return false;
        if (!Tally::take(tally.answer_bytes, size, limits.answer_memory)) return false;
        answer_held += size;
        outgoing.append(data, size);
        return true;
    }

    // Sends what the client will take now of the held answer. False when the connection
    // failed.
    bool send_held() {
        while (outgoing_left() > 0) {
            const ssize_t n =
                ::send(fd, outgoing.data() + outgoing_sent, outgoing_left(), MSG_NOSIGNAL);
            if (n > 0) {
                outgoing_sent += static_cast<size_t>(n);
                write_progress = Clock::now();
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
            return false;
        }
        outgoing.clear();
        outgoing_sent = 0;
        release_answer();
        if (outgoing.capacity() > 65536) outgoing.shrink_to_fit();
        return true;
    }

    // "100 Continue" once to a client that waits for it before sending its body.
    void continue_if_asked(const Framing& f) {
        if (!f.wants_continue || continue_sent) return;
        continue_sent = true;
        send_quietly("HTTP/1.1 100 Continue\r\n\r\n");
    }

    // Sends what the socket takes at once; the rest is dropped (short refusals only).
    void send_quietly(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
    }
};

namespace {

// One request as the library reads it: the bytes the waiting room gathered, nothing more.
// The answer goes out as far as the client takes it at once; the rest is held by the
// connection for the waiting room to send. Short pieces (the status line and headers) wait
// for the next long one or the end of the answer, so that an answer leaves in few sends.
template <class Connection>
class RequestStream final : public httplib::Stream {
  public:
    RequestStream(Connection& c, std::string_view request, const ConnectionLimits& limits)
        : c_(c), request_(request), limits_(limits) {}

    bool is_readable() const override { return position_ < request_.size(); }
    bool is_writable() const override { return !failed_; }

    ssize_t read(char* ptr, size_t size) override {
        const size_t n = std::min(size, request_.size() - position_);
        std::memcpy(ptr, request_.data() + position_, n);
        position_ += n;
        return static_cast<ssize_t>(n);
    }

    ssize_t write(const char* ptr, size_t size) override {
        if (failed_) return -1;
        if (size < kShort && pending_.size() + size <= kPendingMax) {
            pending_.append(ptr, size);
            return static_cast<ssize_t>(size);
        }
        if (!push(ptr, size)) return -1;
        return static_cast<ssize_t>(size);
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = c_.address;
        port = c_.port;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = c_.local_address;
        port = c_.local_port;
    }
    socket_t socket() const override { return c_.fd; }

    // Sends or holds what is still held back; false when the answer could not be kept whole.
    bool flush() { return !failed_ && (pending_.empty() || push(nullptr, 0)); }
    size_t position() const { return position_; }

  private:
    static constexpr size_t kShort = 4096;
    static constexpr size_t kPendingMax = 16384;

    // The held-back bytes, then `size` bytes at `ptr`: sent while the socket takes them,
    // held after (and held at once when part of the answer is held already, to keep the order).
    bool push(const char* ptr, size_t size) {
        iovec parts[2] = {{pending_.data(), pending_.size()}, {const_cast<char*>(ptr), size}};
        int first = pending_.empty() ? 1 : 0;
        while (first < 2 && c_.outgoing_left() == 0) {
            msghdr message{};
            message.msg_iov = parts + first;
            message.msg_iovlen = static_cast<size_t>(2 - first);
            const ssize_t n = ::sendmsg(c_.fd, &message, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return fail();
            if (n < 0) break;  // the client reads slowly: the rest is held
            size_t sent = static_cast<size_t>(n);
            while (first < 2 && sent >= parts[first].iov_len) {
                sent -= parts[first].iov_len;
                ++first;
            }
            if (first < 2) {
                parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + sent;
                parts[first].iov_len -= sent;
            }
        }
        for (; first < 2; ++first) {
            if (!c_.hold_answer(static_cast<const char*>(parts[first].iov_base),
                                parts[first].iov_len, limits_)) {
                return fail();
            }
        }
        pending_.clear();
        return true;
    }
    bool fail() {
        failed_ = true;
        pending_.clear();
        return false;
    }

    Connection& c_;
    const std::string_view request_;
    size_t position_ = 0;
    const ConnectionLimits& limits_;
    std::string pending_;
    bool failed_ = false;
};

}  // namespace

// The waiting room: every connection that is not being answered, watched by one thread until
// its next request is complete, its client has taken its answer, its time is up or it goes
// away.
class GuardedServer::Lobby {
  public:
    explicit Lobby(GuardedServer& server) : server_(server) {
        epoll_ = ::epoll_create1(EPOLL_CLOEXEC);
        wake_ = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (epoll_ < 0 || wake_ < 0) {
            throw std::system_error(errno, std::generic_category(), "waiting room");
        }
        epoll_event event{};
        event.events = EPOLLIN;
        event.data.u64 = kWake;
        ::epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &event);
    }
    ~Lobby() {
        stop();
        ::close(epoll_);
        ::close(wake_);
    }

    void start(Workers* workers) {
        std::lock_guard lock(mutex_);
        if (running_) return;
        running_ = true;
        workers_ = workers;
        thread_ = std::thread([this] { run(); });
    }

    void stop() {
        {
            std::lock_guard lock(mutex_);
            if (!running_) return;
            running_ = false;
            workers_ = nullptr;
            waiting_.clear();
        }
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = ::write(wake_, &one, sizeof one);
        thread_.join();
    }

    // Keeps the connection until its next request (or the rest of this one) is complete.
    void wait(std::unique_ptr<Connection> c) {
        std::lock_guard lock(mutex_);
        if (!running_) return;
        if (c->received.empty()) c->idle_since = Clock::now();
        arm(*c, EPOLLIN | EPOLLRDHUP);
        keep(std::move(c));
    }

    // Sends the rest of the connection's answer as its client takes it, then goes on as
    // the connection's `after` says.
    void write(std::unique_ptr<Connection> c) {
        std::lock_guard lock(mutex_);
        if (!running_) return;
        c->writing = true;
        c->write_progress = Clock::now();
        arm(*c, EPOLLOUT);
        keep(std::move(c));
    }

    // Answers the refusal, then reads and drops what the client still sends for a while.
    void refuse(std::unique_ptr<Connection> c, int status, std::string_view reason) {
        std::lock_guard lock(mutex_);
        refuse_locked(std::move(c), status, reason);
    }

    // Reads and drops what the client still sends for a while, then closes.
    void drain(std::unique_ptr<Connection> c) {
        std::lock_guard lock(mutex_);
        drain_locked(std::move(c));
    }

    // Closes a waiting connection to make room for a new one: one being refused, else the one
    // idle the longest after an answer, else the oldest unfinished request or untaken answer of the
    // address holding the most connections. False when no connection waits.
    bool make_room() {
        std::lock_guard lock(mutex_);
        auto chosen = waiting_.end();
        int chosen_rank = 0;
        size_t chosen_weight = 0;
        Clock::time_point chosen_since;
        for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
            const Connection& c = *it->second;
            // Idle: kept open after an answer. A connection just taken in that has not sent
            // yet is at the start of its first request.
            const bool idle = !c.writing && c.received.empty() && c.answered > 0;
            const int rank = c.draining ? 3 : idle ? 2 : 1;
            const Clock::time_point since = c.draining  ? c.drain_until
                                            : idle      ? c.idle_since
                                            : c.writing ? c.answer_started
                                                        : c.started;
            const size_t weight = rank == 1 ? server_.tally_->held_by(c.address) : 0;
            const bool better =
                chosen == waiting_.end() || rank > chosen_rank ||
                (rank == chosen_rank &&
                 (weight > chosen_weight || (weight == chosen_weight && since < chosen_since)));
            if (better) {
                chosen = it;
                chosen_rank = rank;
                chosen_weight = weight;
                chosen_since = since;
            }
        }
        if (chosen == waiting_.end()) return false;
        waiting_.erase(chosen);
        return true;
    }

  private:
    static constexpr uint64_t kWake = 0;

    using Entry = std::unordered_map<uint64_t, std::unique_ptr<Connection>>::iterator;

    void keep(std::unique_ptr<Connection> c) {
        const uint64_t id = c->id;
        waiting_.emplace(id, std::move(c));
    }

    void arm(Connection& c, uint32_t events) {
        epoll_event event{};
        event.events = events | EPOLLONESHOT;
        event.data.u64 = c.id;
        ::epoll_ctl(epoll_, c.registered ? EPOLL_CTL_MOD : EPOLL_CTL_ADD, c.fd, &event);
        c.registered = true;
    }

    void run() {
        epoll_event events[64];
        auto next_sweep = Clock::now() + kSweep;
        for (;;) {
            const int n =
                ::epoll_wait(epoll_, events, 64, milliseconds_until(next_sweep, Clock::now()));
            std::lock_guard lock(mutex_);
            if (!running_) return;
            for (int i = 0; i < n; ++i) {
                if (events[i].data.u64 == kWake) {
                    uint64_t count;
                    [[maybe_unused]] ssize_t r = ::read(wake_, &count, sizeof count);
                    continue;
                }
                auto it = waiting_.find(events[i].data.u64);
                if (it == waiting_.end()) continue;
                if (it->second->draining) {
                    drop_incoming(it);
                } else if (it->second->writing) {
                    writable(it);
                } else {
                    readable(it);
                }
            }
            const auto now = Clock::now();
            if (now >= next_sweep) {
                sweep(now);
                next_sweep = now + kSweep;
            }
        }
    }

    // Called with the lock held, as are all below.
    void drop_incoming(Entry it) {
        Connection& c = *it->second;
        char buffer[16384];
        for (;;) {
            const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                c.drained += static_cast<size_t>(n);
                if (c.drained > kDrainBytes) return void(waiting_.erase(it));
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return arm(c, EPOLLIN | EPOLLRDHUP);
            }
            return void(waiting_.erase(it));  // gone
        }
    }

    void writable(Entry it) {
        Connection& c = *it->second;
        if (!c.send_held()) return void(waiting_.erase(it));
        if (c.outgoing_left() > 0) return arm(c, EPOLLOUT);
        c.writing = false;
        std::unique_ptr<Connection> taken;
        switch (c.after) {
            case Connection::After::kClose:
            case Connection::After::kDrain:
                taken = std::move(it->second);
                waiting_.erase(it);
                return drain_locked(std::move(taken));
            case Connection::After::kNextRequest:
                // Only now is the next request read: a client that sends many at once is
                // answered as fast as it reads.
                c.idle_since = Clock::now();
                return readable(it);
        }
    }

    void readable(Entry it) {
        Connection& c = *it->second;
        const std::optional<Framing> f = c.take_in(server_.limits_);
        if (!f) return void(waiting_.erase(it));
        switch (f->kind) {
            case Framing::Kind::kComplete: {
                std::unique_ptr<Connection> taken = std::move(it->second);
                waiting_.erase(it);
                hand_on(std::move(taken));
                return;
            }
            case Framing::Kind::kRefused: {
                std::unique_ptr<Connection> taken = std::move(it->second);
                waiting_.erase(it);
                refuse_locked(std::move(taken), f->status, f->reason);
                return;
            }
            case Framing::Kind::kMore:
                if (c.peer_closed) return void(waiting_.erase(it));  // cut off: nothing to answer
                c.continue_if_asked(*f);
                arm(c, EPOLLIN | EPOLLRDHUP);
                return;
        }
    }

    void hand_on(std::unique_ptr<Connection> c);

    void refuse_locked(std::unique_ptr<Connection> c, int status, std::string_view reason) {
        server_.log_refusal(*c, status, reason);
        c->send_quietly(refusal_answer(status, reason));
        drain_locked(std::move(c));
    }
    // The client reads what it was sent, and what it still sends is dropped for a while, so
    // that closing does not reset the connection under its answer.
    void drain_locked(std::unique_ptr<Connection> c) {
        ::shutdown(c->fd, SHUT_WR);
        if (c->peer_closed || !running_) return;
        c->release_body();
        c->received.clear();
        c->received.shrink_to_fit();
        c->draining = true;
        c->drain_until = Clock::now() + kDrainTime;
        arm(*c, EPOLLIN | EPOLLRDHUP);
        keep(std::move(c));
    }

    void sweep(Clock::time_point now) {
        const ConnectionLimits& limits = server_.limits_;
        std::vector<uint64_t> late;
        for (auto& [id, c] : waiting_) {
            if (c->draining) {
                if (now >= c->drain_until) late.push_back(id);
            } else if (c->writing) {
                // A client that stops taking its answer is let go.
                if (now - c->write_progress >= limits.write_silence ||
                    now - c->answer_started >= limits.whole_answer) {
                    late.push_back(id);
                }
            } else if (c->received.empty()) {
                if (now - c->idle_since >= limits.idle) late.push_back(id);
            } else if (now - c->last_byte >= limits.silence ||
                       now - c->started >= limits.whole_request) {
                late.push_back(id);
            }
        }
        for (uint64_t id : late) {
            auto it = waiting_.find(id);
            std::unique_ptr<Connection> c = std::move(it->second);
            waiting_.erase(it);
            // A request begun and not finished in time is told so; the rest just close.
            if (!c->draining && !c->writing && !c->received.empty()) {
                refuse_locked(std::move(c), 408, "request timed out");
            }
        }
    }

    GuardedServer& server_;
    int epoll_ = -1;
    int wake_ = -1;
    std::thread thread_;
    std::mutex mutex_;
    bool running_ = false;
    Workers* workers_ = nullptr;
    std::unordered_map<uint64_t, std::unique_ptr<Connection>> waiting_;
};

// The library's worker threads, with the waiting room started and stopped alongside. The
// library hands each accepted connection to `enqueue`: it is taken in at once on the
// accepting thread (so that every accepted connection counts against the limits at once)
// and goes to the waiting room; only complete requests wait for a worker.
class GuardedServer::Workers : public httplib::TaskQueue {
  public:
    Workers(Lobby& lobby, int count, std::atomic<bool>& server_stopping)
        : lobby_(lobby), pool_(static_cast<size_t>(count)), server_stopping_(server_stopping) {
        server_stopping_ = false;
        lobby_.start(this);
    }
    void enqueue(std::function<void()> fn) override { fn(); }
    void answer(std::function<void()> fn) { pool_.enqueue(std::move(fn)); }
    void shutdown() override {
        server_stopping_ = true;
        lobby_.stop();
        pool_.shutdown();
    }

  private:
    Lobby& lobby_;
    httplib::ThreadPool pool_;
    std::atomic<bool>& server_stopping_;
};

void GuardedServer::Lobby::hand_on(std::unique_ptr<Connection> c) {
    if (workers_ == nullptr) return;
    Connection* raw = c.release();
    workers_->answer([this, raw] { server_.serve(std::unique_ptr<Connection>(raw)); });
}

GuardedServer::GuardedServer(ConnectionLimits limits)
    : limits_(limits), tally_(std::make_unique<Tally>()), lobby_(std::make_unique<Lobby>(*this)) {
    new_task_queue = [this] { return new Workers(*lobby_, limits_.workers, stopping_); };
}

GuardedServer::~GuardedServer() {
    lobby_->stop();
}

void GuardedServer::widen_backlog(int backlog) {
    const socket_t sock = svr_sock_;
    if (sock != INVALID_SOCKET) ::listen(sock, backlog);
}

void GuardedServer::log_refusal(const Connection& c, int status, std::string_view reason) {
    if (refusal_log_) refusal_log_(c.address, status, reason);
}

// Runs on the accepting thread: takes the connection in, or refuses it with an answer the
// client can read.
bool GuardedServer::process_and_close_socket(socket_t sock) {
    auto c = std::make_unique<Connection>(sock, next_id_.fetch_add(1), *tally_);
    ::fcntl(sock, F_SETFL, ::fcntl(sock, F_GETFL) | O_NONBLOCK);
    const int one = 1;
    ::setsockopt(sock, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (::getpeername(sock, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
        address_of(addr, len, c->address, c->port);
    }
    len = sizeof addr;
    if (::getsockname(sock, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
        address_of(addr, len, c->local_address, c->local_port);
    }
    c->idle_since = c->started = Clock::now();
    std::string_view refusal;
    if (!tally_->join(c->address, limits_.per_address)) {
        refusal = "too many connections from your address; try again shortly";
    } else {
        c->counted = true;
        if (tally_->open.load() > limits_.max_connections && !lobby_->make_room()) {
            refusal = "too many connections; try again shortly";
        }
    }
    if (refusal.empty()) {
        lobby_->wait(std::move(c));
    } else if (tally_->open.load() > limits_.max_connections + kRefusingRoom) {
        // Even the refusals are too many to answer politely.
        log_refusal(*c, 503, refusal);
    } else {
        lobby_->refuse(std::move(c), 503, refusal);
    }
    return true;
}

void GuardedServer::serve(std::unique_ptr<Connection> c) {
    bool answered_here = false;
    for (;;) {
        if (stopping()) return;
        std::optional<Framing> f = c->take_in(limits_);
        if (!f) return;
        if (f->kind == Framing::Kind::kMore) {
            // A client that asks again at once is answered on this thread; the others wait in
            // the waiting room.
            if (c->peer_closed) return;
            if (answered_here) {
                pollfd p{c->fd, POLLIN, 0};
                ::poll(&p, 1, kNextRequestWait);
                f = c->take_in(limits_);
                if (!f) return;
            }
            if (f->kind == Framing::Kind::kMore) {
                if (c->peer_closed) return;
                c->continue_if_asked(*f);
                return lobby_->wait(std::move(c));
            }
        }
        if (f->kind == Framing::Kind::kRefused) {
            return lobby_->refuse(std::move(c), f->status, f->reason);
        }

        // The interim answer is the waiting room's business, not the handlers'.
        hide_expect(c->received, f->head);
        c->answer_started = c->write_progress = Clock::now();
        RequestStream<Connection> stream(*c, std::string_view(c->received).substr(0, f->length),
                                         limits_);
        const bool last =
            f->body_too_large || c->peer_closed || ++c->answered >= limits_.requests_per_connection;
        bool closed = false;
        bool ok = false;
        try {
            ok = process_request(stream, last, closed, {});
        } catch (...) {
            ok = false;
        }
        ok = stream.flush() && ok;
        // Bytes the library left unread mean the request was not what it looked like.
        if (!ok || stream.position() != f->length) return;
        c->drop_request(f->length);
        c->after = f->body_too_large  ? Connection::After::kDrain
                   : (closed || last) ? Connection::After::kClose
                                      : Connection::After::kNextRequest;
        // A client that does not take its answer at once gets the rest from the waiting room;
        // its next request waits until it has.
        if (c->outgoing_left() > 0) return lobby_->write(std::move(c));
        if (c->after != Connection::After::kNextRequest) return lobby_->drain(std::move(c));
        answered_here = true;
        const auto now = Clock::now();
        c->started = c->last_byte = now;
    }
}

}  // namespace quill::server
