#include "platform/random.h"

#include <chrono>
#include <deque>
#include <random>

namespace quill::platform {
namespace {

std::mt19937_64& generator() {
    static std::mt19937_64 engine(0x5eed);
    return engine;
}

std::deque<int32_t>& scripted() {
    static std::deque<int32_t> draws;
    return draws;
}

}  // namespace

int32_t random(int32_t n) {
    if (n <= 0) return 0;
    if (!scripted().empty()) {
        const int32_t v = scripted().front();
        scripted().pop_front();
        return v < 0 ? 0 : (v >= n ? n - 1 : v);
    }
    // Rejection keeps every value equally likely.
    const uint64_t range = static_cast<uint64_t>(n);
    const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
    uint64_t r;
    do {
        r = generator()();
    } while (r >= limit);
    return static_cast<int32_t>(r % range);
}

void seed_random(uint64_t seed) {
    generator().seed(seed);
    scripted().clear();
}

void script_random(const std::vector<int32_t>& draws) {
    scripted().assign(draws.begin(), draws.end());
}

size_t scripted_draws_left() {
    return scripted().size();
}

void seed_random_from_clock() {
    seed_random(static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

}  // namespace quill::platform
