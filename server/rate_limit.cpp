#include "server/rate_limit.h"

namespace quill::server {

namespace {
constexpr auto kWindow = std::chrono::seconds(60);
}

bool WriteRateLimit::allow(const std::string& address, Clock::time_point now) {
    if (per_minute_ <= 0) return true;
    std::lock_guard lock(mutex_);
    forget_idle(now);
    std::deque<Clock::time_point>& times = writes_[address];
    while (!times.empty() && now - times.front() >= kWindow) times.pop_front();
    if (static_cast<int>(times.size()) >= per_minute_) return false;
    times.push_back(now);
    return true;
}

bool WriteRateLimit::would_allow(const std::string& address, Clock::time_point now) const {
    if (per_minute_ <= 0) return true;
    std::lock_guard lock(mutex_);
    const auto it = writes_.find(address);
    if (it == writes_.end()) return true;
    int recent = 0;
    for (const Clock::time_point t : it->second) recent += now - t < kWindow ? 1 : 0;
    return recent < per_minute_;
}

size_t WriteRateLimit::tracked() const {
    std::lock_guard lock(mutex_);
    return writes_.size();
}

// Once a minute, addresses without a write in the last minute are dropped, so the table
// holds only the clients of the last two minutes or so.
void WriteRateLimit::forget_idle(Clock::time_point now) {
    if (now - last_sweep_ < kWindow) return;
    last_sweep_ = now;
    for (auto it = writes_.begin(); it != writes_.end();) {
        if (it->second.empty() || now - it->second.back() >= kWindow) {
            it = writes_.erase(it);
        } else {
            ++it;
        }
    }
}

}  // namespace quill::server
