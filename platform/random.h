// The game's one random number generator.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quill::platform {

// A uniform integer in 0..n-1; 0 when n <= 0.
int32_t random(int32_t n);

// Seeds the generator: with a fixed number for tests and replays, or from the clock.
void seed_random(uint64_t seed);
void seed_random_from_clock();

// For tests: the next draws return these values (each cut to n - 1) before the generator
// goes on; the same one source, so a rule cannot tell a scripted draw from a real one.
void script_random(const std::vector<int32_t>& draws);
// How many scripted draws are still waiting.
size_t scripted_draws_left();

}  // namespace quill::platform
