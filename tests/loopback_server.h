// Small HTTP servers for tests, on free loopback ports: one that answers as the test says,
// on its own thread for the test's life, and one that takes connections and never answers.
#pragma once

#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

namespace quill::testing_support {

struct LoopbackServer {
    httplib::Server server;
    int port = 0;
    std::thread thread;
    void start() {
        port = server.bind_to_any_port("127.0.0.1");
        thread = std::thread([this] { server.listen_after_bind(); });
        while (!server.is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~LoopbackServer() {
        server.stop();
        if (thread.joinable()) thread.join();
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port); }
    std::string url(const std::string& path) const { return base() + path; }
};

// Listens and lets the kernel take connections, but never reads nor answers.
struct SilentServer {
    int fd = -1;
    int port = 0;
    SilentServer() {
        fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(fd, 8);
        socklen_t n = sizeof a;
        getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
        port = ntohs(a.sin_port);
    }
    ~SilentServer() { close(fd); }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port); }
};

}  // namespace quill::testing_support
