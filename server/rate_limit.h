// How many writes one client address may make per minute: all writes (ranking uploads and
// reports) together, and reports alone. The game itself uploads at most once in six minutes
// and posts a few reports per battle; the limits keep a runaway or hostile client from
// filling the island's lists.
#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <mutex>
#include <string>
#include <unordered_map>

namespace quill::server {

class WriteRateLimit {
  public:
    using Clock = std::chrono::steady_clock;

    // per_minute 0: no limit.
    explicit WriteRateLimit(int per_minute) : per_minute_(per_minute) {}

    // Counts one write from the address at `now`; false when the address already made
    // per_minute writes within the last 60 seconds (the refused write is not counted).
    bool allow(const std::string& address, Clock::time_point now = Clock::now());
    // Whether allow() would say yes, without counting anything.
    bool would_allow(const std::string& address, Clock::time_point now = Clock::now()) const;

    // Addresses currently remembered (for the tests of forgetting).
    size_t tracked() const;

  private:
    void forget_idle(Clock::time_point now);

    const int per_minute_;
    mutable std::mutex mutex_;
    std::unordered_map<std::string, std::deque<Clock::time_point>> writes_;
    Clock::time_point last_sweep_{};
};

}  // namespace quill::server
