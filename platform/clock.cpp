#include "platform/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace quill::platform {
namespace {

// Days between 30 December 1899 and 1 January 1970.
constexpr double kUnixEpochInDays = 25569.0;

// The broken-down time of a days value (treated as local time already).
std::tm split(double days) {
    double seconds = std::floor((days - kUnixEpochInDays) * 86400.0 + 0.5);
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm out{};
    gmtime_r(&t, &out);
    return out;
}

}  // namespace

int Clock::minute_of_hour() const {
    return split(now_days()).tm_min;
}
int Clock::month() const {
    return split(now_days()).tm_mon + 1;
}
int Clock::day() const {
    return split(now_days()).tm_mday;
}
int Clock::hour() const {
    return split(now_days()).tm_hour;
}

double SystemClock::now_days() const {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    double unix_seconds =
        duration_cast<duration<double>>(now.time_since_epoch()).count() + local.tm_gmtoff;
    return kUnixEpochInDays + unix_seconds / 86400.0;
}

Clock& system_clock() {
    static SystemClock clock;
    return clock;
}

}  // namespace quill::platform
