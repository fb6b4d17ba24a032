// The server's log of writes and refusals: one short line each, the request target cut to a
// few hundred bytes and every byte a terminal could take for a command written as \xNN, and
// refusals from one address held to one line a minute, the rest counted in a summary line.
// A client that sends thousands of bad requests fills the log by a line a minute, not by the
// size of what it sent.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quill::server {

class RefusalLog {
  public:
    // Writes to `out`; `now` gives the time in seconds (the clock, unless a test says).
    explicit RefusalLog(std::ostream& out, std::function<int64_t()> now = {});

    // A write that went in (status below 400), or a refusal, from the address.
    void request(const std::string& address, std::string_view method, std::string_view target,
                 int status);
    // A connection refused before its request was read.
    void refusal(const std::string& address, int status, std::string_view reason);

    // The target as the log shows it: printable ASCII kept, everything else \xNN, at most
    // kTargetBytes of it and then how long it was.
    static std::string shown_target(std::string_view target);
    static constexpr size_t kTargetBytes = 200;

  private:
    // True when the address may have a line now; counts the refusal otherwise.
    bool admit(const std::string& address, int64_t minute);
    void summarize_before(int64_t minute);
    std::string stamp(int64_t seconds) const;

    std::ostream& out_;
    std::function<int64_t()> now_;
    std::mutex mutex_;
    struct Quota {
        int64_t minute = -1;
        uint64_t held_back = 0;  // refusals not written in that minute
    };
    std::unordered_map<std::string, Quota> quotas_;
};

}  // namespace quill::server
