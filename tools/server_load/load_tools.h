// What the load tools (quillmoor-server-load, -hostile and -attacks) share.
#pragma once

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "net/protocol_codec.h"
#include "state/net_records.h"

namespace quill::server_load {

// A plausible adventurer's ranking fields (texts in code page 932): values the game can send,
// so the server's checks take them. The id is kept to the game's four digits, the score to at
// least 1; the level is one the score can hold (every level-up earns about 100 to 130
// points), and the pet (level 1) comes only from level 22, when the pet house opens.
inline net::RankFields plausible_adventurer(std::string name, long long id, long long score,
                                            int race_sex, std::string title, std::string pet) {
    score = std::max(1LL, score);
    const long long level = std::min(30LL, score / 130);
    const bool has_pet = level >= 22;
    return {std::move(name),
            std::to_string(id % 10000),
            std::to_string(score),
            std::to_string(race_sex % 10),
            "1",
            "3",
            "5/12 9:7",
            std::to_string(level),
            "55",
            "12",
            "4",
            "20",
            "30",
            "28",
            "20",
            "18",
            "25",
            "22",
            "3",
            "4",
            "300",
            "0",
            std::move(title),
            has_pet ? std::move(pet) : std::string(),
            has_pet ? "1" : "0",
            "12",
            has_pet ? "2" : "0",
            std::to_string(kProgramVersion)};
}

// A whole number of the command line within [low, high]; false when it is not one.
template <class T>
bool parse_bounded(std::string_view text, T low, T high, T& out) {
    T value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return false;
    }
    out = value;
    return true;
}

// A raw upload request with the body and any extra header lines.
inline std::string post_request(const char* path, std::string_view body,
                                std::string_view extra = {}) {
    return "POST " + std::string(path) + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + std::string(extra) +
           "Content-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + std::string(body);
}

// Sends the bytes as the socket takes them within `patience`; false when it could not send
// them all.
inline bool send_within(int fd, std::string_view bytes, std::chrono::milliseconds patience) {
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (!bytes.empty()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd p{fd, POLLOUT, 0};
        if (left.count() <= 0 || ::poll(&p, 1, static_cast<int>(left.count())) <= 0) return false;
        const ssize_t n = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// The resident memory of a process in KiB (VmRSS); -1 when it cannot be read.
inline long rss_kib(int pid) {
    if (pid <= 0) return -1;
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.starts_with("VmRSS:")) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

}  // namespace quill::server_load
