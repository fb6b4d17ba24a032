// The game's one random number generator.
#pragma once

#include <cstdint>

namespace platform {

// A uniform integer in 0..n-1; 0 when n <= 0.
int32_t random(int32_t n);

// Seeds the generator: with a fixed number for tests and replays, or from the clock.
void seed_random(uint64_t seed);
void seed_random_from_clock();

}  // namespace platform
