#include "server/refusal_log.h"

#include <ctime>
#include <vector>

namespace quill::server {

namespace {

// How many addresses are remembered at once; beyond, the quiet ones are summarized and
// forgotten (a flood from many addresses cannot grow the table without bound).
constexpr size_t kMaxAddresses = 4096;

}  // namespace

RefusalLog::RefusalLog(std::ostream& out, std::function<int64_t()> now)
    : out_(out), now_(std::move(now)) {
    if (!now_) now_ = [] { return static_cast<int64_t>(std::time(nullptr)); };
}

std::string RefusalLog::shown_target(std::string_view target) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string shown;
    size_t taken = 0;
    for (; taken < target.size() && shown.size() < kTargetBytes; ++taken) {
        const auto c = static_cast<unsigned char>(target[taken]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            shown += "\\x";
            shown += kHex[c >> 4];
            shown += kHex[c & 0xF];
        }
    }
    if (taken < target.size()) shown += "...(" + std::to_string(target.size()) + " bytes)";
    return shown;
}

std::string RefusalLog::stamp(int64_t seconds) const {
    const auto t = static_cast<std::time_t>(seconds);
    std::tm local{};
    localtime_r(&t, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

void RefusalLog::summarize_before(int64_t minute) {
    std::vector<std::string> done;
    for (auto& [address, quota] : quotas_) {
        if (quota.minute >= minute) continue;
        if (quota.held_back > 0) {
            out_ << stamp(quota.minute * 60) << ' ' << address << " and " << quota.held_back
                 << " more refused in that minute\n";
        }
        done.push_back(address);
    }
    for (const std::string& address : done) quotas_.erase(address);
}

bool RefusalLog::admit(const std::string& address, int64_t minute) {
    summarize_before(minute);
    if (quotas_.size() >= kMaxAddresses && !quotas_.count(address)) {
        summarize_before(minute + 1);  // all quiet for this minute's sake: make room
    }
    Quota& quota = quotas_[address];
    if (quota.minute == minute) {
        quota.held_back += 1;
        return false;
    }
    quota.minute = minute;
    quota.held_back = 0;
    return true;
}

void RefusalLog::request(const std::string& address, std::string_view method,
                         std::string_view target, int status) {
    const int64_t now = now_();
    std::lock_guard lock(mutex_);
    if (status >= 400 && !admit(address, now / 60)) return;
    out_ << stamp(now) << ' ' << shown_target(address) << ' ' << shown_target(method) << ' '
         << shown_target(target) << ' ' << status << '\n';
    out_.flush();
}

void RefusalLog::refusal(const std::string& address, int status, std::string_view reason) {
    const int64_t now = now_();
    std::lock_guard lock(mutex_);
    if (!admit(address, now / 60)) return;
    out_ << stamp(now) << ' ' << shown_target(address) << " - - " << status << ' '
         << shown_target(reason) << '\n';
    out_.flush();
}

}  // namespace quill::server
