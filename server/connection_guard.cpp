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

// One client connection, owned by the waiting room or by the worker answering it.
struct GuardedServer::Connection {
    Connection(int socket, uint64_t number, std::atomic<size_t>& open_count)
        : fd(socket), id(number), open(open_count) {
        open.fetch_add(1);
    }
    ~Connection() {
        ::close(fd);
        open.fetch_sub(1);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const int fd;
    const uint64_t id;
    std::atomic<size_t>& open;
    std::string address;
    int port = 0;
    std::string local_address;
    int local_port = 0;

    std::string received;         // not yet answered
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

    // Reads what the client has sent, without waiting, up to the most one request may hold.
    // False when the connection failed.
    bool read_available(const ConnectionLimits& limits) {
        const size_t cap = limits.max_head + limits.max_body + 1;
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

    // "100 Continue" once to a client that waits for it before sending its body.
    void continue_if_asked(const Framing& f) {
        if (!f.wants_continue || continue_sent) return;
        continue_sent = true;
        send_quietly("HTTP/1.1 100 Continue\r\n\r\n");
    }

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
// Answers go out with as few sends as can be: short pieces (the status line and headers) wait
// for the next long one or the end of the answer.
class RequestStream final : public httplib::Stream {
  public:
    RequestStream(int fd, std::string_view request, const std::string& address, int port,
                  const std::string& local_address, int local_port, const ConnectionLimits& limits,
                  const std::atomic<socket_t>& listening)
        : fd_(fd),
          request_(request),
          address_(address),
          port_(port),
          local_address_(local_address),
          local_port_(local_port),
          write_silence_(limits.write_silence),
          deadline_(Clock::now() + limits.whole_answer),
          listening_(listening) {}

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
        if (!send_all(ptr, size)) return -1;
        return static_cast<ssize_t>(size);
    }

    void get_remote_ip_and_port(std::string& ip, int& port) const override {
        ip = address_;
        port = port_;
    }
    void get_local_ip_and_port(std::string& ip, int& port) const override {
        ip = local_address_;
        port = local_port_;
    }
    socket_t socket() const override { return fd_; }

    // Sends what is still held back; false when the answer could not be sent whole.
    bool flush() { return !failed_ && (pending_.empty() || send_all(nullptr, 0)); }
    size_t position() const { return position_; }

  private:
    static constexpr size_t kShort = 4096;
    static constexpr size_t kPendingMax = 16384;
    static constexpr int kWriteSlice = 250;  // ms between looks at whether the server stops

    // The held-back bytes, then `size` bytes at `ptr`, within the answer's time.
    bool send_all(const char* ptr, size_t size) {
        iovec parts[2] = {{pending_.data(), pending_.size()}, {const_cast<char*>(ptr), size}};
        int first = pending_.empty() ? 1 : 0;
        auto last_progress = Clock::now();
        while (first < 2) {
            msghdr message{};
            message.msg_iov = parts + first;
            message.msg_iovlen = static_cast<size_t>(2 - first);
            const ssize_t n = ::sendmsg(fd_, &message, MSG_NOSIGNAL);
            if (n > 0) last_progress = Clock::now();
            if (n >= 0) {
                size_t sent = static_cast<size_t>(n);
                while (first < 2 && sent >= parts[first].iov_len) {
                    sent -= parts[first].iov_len;
                    ++first;
                }
                if (first < 2) {
                    parts[first].iov_base = static_cast<char*>(parts[first].iov_base) + sent;
                    parts[first].iov_len -= sent;
                }
                continue;
            }
            if (errno == EINTR) continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) return fail();
            // The client reads slowly: wait for room, but not forever, and not past the
            // server's end.
            const auto now = Clock::now();
            if (now >= deadline_ || now - last_progress >= write_silence_) return fail();
            if (listening_ == INVALID_SOCKET) return fail();
            pollfd p{fd_, POLLOUT, 0};
            const int wait =
                std::min({milliseconds_until(deadline_, now),
                          milliseconds_until(last_progress + write_silence_, now), kWriteSlice});
            const int ready = ::poll(&p, 1, wait);
            if (ready < 0 && errno != EINTR) return fail();
        }
        pending_.clear();
        return true;
    }
    bool fail() {
        failed_ = true;
        pending_.clear();
        return false;
    }

    const int fd_;
    const std::string_view request_;
    size_t position_ = 0;
    const std::string& address_;
    const int port_;
    const std::string& local_address_;
    const int local_port_;
    const std::chrono::milliseconds write_silence_;
    const Clock::time_point deadline_;
    const std::atomic<socket_t>& listening_;
    std::string pending_;
    bool failed_ = false;
};

}  // namespace

// The waiting room: every connection that is not being answered, watched by one thread until
// its next request is complete, its time is up or it goes away.
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
        arm(*c);
        const uint64_t id = c->id;
        waiting_.emplace(id, std::move(c));
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

    // Closes the connection idle the longest, to make room for a new one; false when every
    // waiting connection is in the middle of a request.
    bool make_room() {
        std::lock_guard lock(mutex_);
        auto oldest = waiting_.end();
        for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
            const Connection& c = *it->second;
            if (!c.draining && !c.received.empty()) continue;
            if (oldest == waiting_.end() || c.draining > oldest->second->draining ||
                (c.draining == oldest->second->draining &&
                 c.idle_since < oldest->second->idle_since)) {
                oldest = it;
            }
        }
        if (oldest == waiting_.end()) return false;
        waiting_.erase(oldest);
        return true;
    }

  private:
    static constexpr uint64_t kWake = 0;

    void arm(Connection& c) {
        epoll_event event{};
        event.events = EPOLLIN | EPOLLRDHUP | EPOLLONESHOT;
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
                if (it != waiting_.end()) readable(it);
            }
            const auto now = Clock::now();
            if (now >= next_sweep) {
                sweep(now);
                next_sweep = now + kSweep;
            }
        }
    }

    using Entry = std::unordered_map<uint64_t, std::unique_ptr<Connection>>::iterator;

    // Called with the lock held.
    void readable(Entry it) {
        Connection& c = *it->second;
        if (c.draining) {
            char buffer[16384];
            for (;;) {
                const ssize_t n = ::recv(c.fd, buffer, sizeof buffer, 0);
                if (n > 0) {
                    c.drained += static_cast<size_t>(n);
                    if (c.drained > kDrainBytes) return void(waiting_.erase(it));
                    continue;
                }
                if (n < 0 && errno == EINTR) continue;
                if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return arm(c);
                return void(waiting_.erase(it));  // gone
            }
        }
        if (!c.read_available(server_.limits_)) return void(waiting_.erase(it));
        Framing f = frame_request(c.received, server_.limits_);
        switch (f.kind) {
            case Framing::Kind::kComplete: {
                std::unique_ptr<Connection> taken = std::move(it->second);
                waiting_.erase(it);
                hand_on(std::move(taken));
                return;
            }
            case Framing::Kind::kRefused: {
                std::unique_ptr<Connection> taken = std::move(it->second);
                waiting_.erase(it);
                refuse_locked(std::move(taken), f.status, f.reason);
                return;
            }
            case Framing::Kind::kMore:
                if (c.peer_closed) return void(waiting_.erase(it));  // cut off: nothing to answer
                c.continue_if_asked(f);
                arm(c);
                return;
        }
    }

    void hand_on(std::unique_ptr<Connection> c);

    // With the lock held (the waiting room's own thread holds it already).
    void refuse_locked(std::unique_ptr<Connection> c, int status, std::string_view reason) {
        server_.log_refusal(*c, status, reason);
        c->send_quietly(refusal_answer(status, reason));
        drain_locked(std::move(c));
    }
    void drain_locked(std::unique_ptr<Connection> c) {
        ::shutdown(c->fd, SHUT_WR);
        if (c->peer_closed || !running_) return;
        c->draining = true;
        c->drain_until = Clock::now() + kDrainTime;
        arm(*c);
        const uint64_t id = c->id;
        waiting_.emplace(id, std::move(c));
    }

    void sweep(Clock::time_point now) {
        const ConnectionLimits& limits = server_.limits_;
        std::vector<uint64_t> late;
        for (auto& [id, c] : waiting_) {
            if (c->draining) {
                if (now >= c->drain_until) late.push_back(id);
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
            if (!c->draining && !c->received.empty()) {
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

// The library's worker threads, with the waiting room started and stopped alongside.
class GuardedServer::Workers : public httplib::TaskQueue {
  public:
    Workers(Lobby& lobby, int count) : lobby_(lobby), pool_(static_cast<size_t>(count)) {
        lobby_.start(this);
    }
    void enqueue(std::function<void()> fn) override { pool_.enqueue(std::move(fn)); }
    void shutdown() override {
        lobby_.stop();
        pool_.shutdown();
    }

  private:
    Lobby& lobby_;
    httplib::ThreadPool pool_;
};

void GuardedServer::Lobby::hand_on(std::unique_ptr<Connection> c) {
    if (workers_ == nullptr) return;
    Connection* raw = c.release();
    workers_->enqueue([this, raw] { server_.serve(std::unique_ptr<Connection>(raw)); });
}

GuardedServer::GuardedServer(ConnectionLimits limits)
    : limits_(limits), lobby_(std::make_unique<Lobby>(*this)) {
    new_task_queue = [this] { return new Workers(*lobby_, limits_.workers); };
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

bool GuardedServer::process_and_close_socket(socket_t sock) {
    auto c = std::make_unique<Connection>(sock, next_id_.fetch_add(1), open_);
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
    c->idle_since = Clock::now();
    if (open_.load() > limits_.max_connections && !lobby_->make_room()) {
        constexpr std::string_view kBusy = "too many connections; try again shortly";
        log_refusal(*c, 503, kBusy);
        c->send_quietly(refusal_answer(503, kBusy));
        return true;
    }
    serve(std::move(c));
    return true;
}

void GuardedServer::serve(std::unique_ptr<Connection> c) {
    bool answered_here = false;
    for (;;) {
        if (stopping()) return;
        Framing f = frame_request(c->received, limits_);
        if (f.kind == Framing::Kind::kMore) {
            // A client that asks again at once is answered on this thread; the others wait in
            // the waiting room.
            if (c->peer_closed) return;
            if (answered_here) {
                pollfd p{c->fd, POLLIN, 0};
                ::poll(&p, 1, kNextRequestWait);
            }
            if (!c->read_available(limits_)) return;
            f = frame_request(c->received, limits_);
            if (f.kind == Framing::Kind::kMore) {
                if (c->peer_closed) return;
                c->continue_if_asked(f);
                return lobby_->wait(std::move(c));
            }
        }
        if (f.kind == Framing::Kind::kRefused)
            return lobby_->refuse(std::move(c), f.status, f.reason);

        // The interim answer is the waiting room's business, not the handlers'.
        hide_expect(c->received, f.head);
        RequestStream stream(c->fd, std::string_view(c->received).substr(0, f.length), c->address,
                             c->port, c->local_address, c->local_port, limits_, svr_sock_);
        const bool last =
            f.body_too_large || c->peer_closed || ++c->answered >= limits_.requests_per_connection;
        bool closed = false;
        bool ok = false;
        try {
            ok = process_request(stream, last, closed, {});
        } catch (...) {
            ok = false;
        }
        ok = stream.flush() && ok;
        // Bytes the library left unread mean the request was not what it looked like.
        if (!ok || stream.position() != f.length) return;
        if (f.body_too_large) return lobby_->drain(std::move(c));
        if (closed || last) {
            ::shutdown(c->fd, SHUT_WR);
            return;
        }
        answered_here = true;
        c->received.erase(0, f.length);
        c->continue_sent = false;
        if (c->received.capacity() > 4096 && c->received.empty()) c->received.shrink_to_fit();
        const auto now = Clock::now();
        c->started = c->last_byte = now;
    }
}

}  // namespace quill::server
