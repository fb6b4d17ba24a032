// A client connection that sends whatever a test says, as no well-behaved client would, and
// reads the answers byte for byte.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace quill::server_test {

class RawConnection {
  public:
    using Clock = std::chrono::steady_clock;

    // From `from` (any address of 127.0.0.0/8 is this machine) when given; a receive buffer of
    // `receive_buffer` bytes when given (a client that reads slowly fills it soon).
    explicit RawConnection(int port, const char* from = nullptr, int receive_buffer = 0) {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        if (receive_buffer > 0) {
            setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &receive_buffer, sizeof receive_buffer);
        }
        if (from != nullptr) {
            sockaddr_in local{};
            local.sin_family = AF_INET;
            inet_pton(AF_INET, from, &local.sin_addr);
            bind(fd_, reinterpret_cast<sockaddr*>(&local), sizeof local);
        }
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(static_cast<uint16_t>(port));
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            close(fd_);
            fd_ = -1;
        }
    }
    ~RawConnection() {
        if (fd_ >= 0) close(fd_);
    }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return fd_ >= 0; }
    int fd() const { return fd_; }
    bool answer_waiting() const {
        pollfd p{fd_, POLLIN, 0};
        return poll(&p, 1, 0) > 0;
    }
    bool send_bytes(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    struct Answer {
        int status = 0;  // 0: the server closed without answering; -1: no answer in time
        std::string head;
        std::string body;
    };
    // The next answer.
    Answer answer(int timeout_ms = 15000) {
        Answer a;
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
        size_t head_end;
        while ((head_end = in_.find("\r\n\r\n")) == std::string::npos) {
            if (!fill(deadline)) {
                a.status = timed_out_ ? -1 : 0;
                return a;
            }
        }
        a.head = in_.substr(0, head_end + 4);
        std::sscanf(a.head.c_str(), "HTTP/1.1 %d", &a.status);
        size_t length = 0;
        const size_t at = a.head.find("Content-Length: ");
        if (at != std::string::npos) length = std::stoul(a.head.substr(at + 16));
        while (in_.size() < head_end + 4 + length && fill(deadline)) {
        }
        a.body = in_.substr(head_end + 4, length);
        in_.erase(0, std::min(in_.size(), head_end + 4 + length));
        return a;
    }
    // Whether the server closes the connection within the time (all it sends is dropped).
    bool closed_by_server(int timeout_ms) {
        const auto deadline = Clock::now() + std::chrono::milliseconds(timeout_ms);
        while (fill(deadline)) in_.clear();
        return !timed_out_;
    }

  private:
    // More bytes; false at the end of the connection or of the time.
    bool fill(Clock::time_point deadline) {
        timed_out_ = false;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        pollfd p{fd_, POLLIN, 0};
        if (left <= 0 || poll(&p, 1, static_cast<int>(left)) <= 0) {
            timed_out_ = true;
            return false;
        }
        char buffer[65536];
        const ssize_t n = recv(fd_, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        in_.append(buffer, static_cast<size_t>(n));
        return true;
    }

    int fd_ = -1;
    std::string in_;
    bool timed_out_ = false;
};

}  // namespace quill::server_test
