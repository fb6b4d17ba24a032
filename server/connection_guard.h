// The server's connections: who may hold what, and for how long. The HTTP library reads a
// request on the thread that answers it, writes the answer on that thread however slowly the
// client reads, and keeps whatever a client sends; here a request is first gathered in a
// waiting room (one thread watching every open connection), checked against the limits as it
// arrives, and handed to a worker only once it is complete. The worker's answer goes out as
// far as the client takes it at once; the rest waits in the connection's own bounded buffer,
// which the waiting room sends on, and the connection's next request is read only when its
// answer is gone. A worker then never waits for a slow, silent or non-reading client, no
// client can make the server keep more than one bounded request and one answer per
// connection, and one address cannot hold more than its share of the connections.
#pragma once

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

namespace quill::server {

struct ConnectionLimits {
    size_t max_head = 16 * 1024;  // the request line and the headers together
    size_t max_body = 16384;      // the largest upload; larger ones are answered 413
    size_t max_headers = 100;
    // A kept connection may stay idle this long between two requests.
    std::chrono::milliseconds idle{5000};
    // Within a request: the longest silence, and the time from its first byte to its last.
    std::chrono::milliseconds silence{5000};
    std::chrono::milliseconds whole_request{10000};
    // Writing one answer: the longest wait for the client to read, and the whole answer.
    std::chrono::milliseconds write_silence{5000};
    std::chrono::milliseconds whole_answer{20000};
    // Open at once, counting those just accepted; beyond, a connection is closed to make room:
    // one being refused, else the one idle the longest, else the oldest unfinished request (or
    // answer) of the address that holds the most connections.
    size_t max_connections = 512;
    size_t per_address = 32;  // connections one client address may hold at once; beyond, 503
    // Upload bodies held in memory at once, all connections together; beyond, 503.
    size_t body_memory = 32 * 1024 * 1024;
    // Answers waiting for their clients to read them: all connections together, and one.
    // A connection whose answer does not fit is closed.
    size_t answer_memory = 48 * 1024 * 1024;
    size_t answer_per_connection = 4 * 1024 * 1024;
    size_t requests_per_connection = 1000;
    int workers = 16;
};

// How the bytes received so far on a connection stand: a complete request (its length), more
// to wait for, or a request refused before any handler sees it.
struct Framing {
    enum class Kind { kMore, kComplete, kRefused };
    Kind kind = Kind::kMore;
    size_t head = 0;              // the request line and headers, once complete
    size_t body = 0;              // the body's length, once the head is complete
    size_t length = 0;            // kComplete: the bytes of the request (head and body)
    bool body_too_large = false;  // kComplete: only the head is handed on (the answer is 413)
    bool wants_continue = false;  // kMore: the client waits for "100 Continue" to send its body
    int status = 0;               // kRefused
    std::string reason;           // kRefused: one line, ASCII
};

// Reads the front of `received` as one HTTP/1.x request under the limits.
Framing frame_request(const std::string& received, const ConnectionLimits& limits);

// Renames the "Expect" headers of the request head (`head` bytes): the waiting room answers
// "100 Continue" itself, the library must not again once the body is there.
void hide_expect(std::string& received, size_t head);

// Written against cpp-httplib 0.11.4: it takes each accepted socket through the library's
// process_and_close_socket (called on the accepting thread through new_task_queue's enqueue),
// answers a gathered request with process_request and widens the listening socket's queue
// (svr_sock_). Another version must be checked
// against that before it is built (see the static_assert in connection_guard.cpp), and the
// server's tests run.
class GuardedServer : public httplib::Server {
  public:
    explicit GuardedServer(ConnectionLimits limits);
    ~GuardedServer() override;
    GuardedServer(const GuardedServer&) = delete;
    GuardedServer& operator=(const GuardedServer&) = delete;

    // A longer queue of connections waiting to be accepted than the library's own (5, built
    // into the library); call after binding.
    void widen_backlog(int backlog);

    // Refusals made before a request reached the handlers (timeouts, heads too large, ...).
    using RefusalLog =
        std::function<void(const std::string& address, int status, std::string_view reason)>;
    void set_refusal_log(RefusalLog log) { refusal_log_ = std::move(log); }

  private:
    struct Connection;
    struct Tally;
    class Lobby;
    class Workers;

    bool process_and_close_socket(socket_t sock) override;
    // Answers the complete requests at the front of the connection's bytes, then gives the
    // connection back to the waiting room (to wait for its next request or for its client to
    // take the rest of the answer) or closes it.
    void serve(std::unique_ptr<Connection> connection);
    bool stopping() const { return stopping_.load(); }
    void log_refusal(const Connection& c, int status, std::string_view reason);

    const ConnectionLimits limits_;
    RefusalLog refusal_log_;
    std::unique_ptr<Tally> tally_;
    std::atomic<bool> stopping_{false};  // the server ends: workers answer nothing more
    std::atomic<uint64_t> next_id_{1};  // 0 stands for the waiting room's own wake-up
    std::unique_ptr<Lobby> lobby_;
};

}  // namespace quill::server
