// One frame of a busy battle scene, against a plain copy of a whole picture.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "tools/fixtures/busy_frame.h"
#include "view/frame.h"

namespace quill {
namespace {

void BM_ComposeBusyBattleFrame(benchmark::State& state) {
    auto g = std::make_unique<Game>();
    testing_support::MakeBusyBattleFrame(*g);
    for (auto _ : state) {
        // Keep the scene busy: the pop-ups and the rolling numbers start over each frame.
        if (g->popups[1].age == 0 || g->popups[1].age > 15) {
            testing_support::MakeBusyBattleFrame(*g);
        }
        ComposeFrame(*g);
        benchmark::DoNotOptimize(g->cg().pixel(320, 240));
    }
}
BENCHMARK(BM_ComposeBusyBattleFrame)->Unit(benchmark::kMicrosecond);

void BM_ComposeBusyBattleFrameWithCards(benchmark::State& state) {
    auto g = std::make_unique<Game>();
    testing_support::MakeBusyBattleFrameWithCards(*g);
    for (auto _ : state) {
        if (g->popups[1].age == 0 || g->popups[1].age > 15) {
            testing_support::MakeBusyBattleFrameWithCards(*g);
        }
        ComposeFrame(*g);
        benchmark::DoNotOptimize(g->cg().pixel(320, 240));
    }
}
BENCHMARK(BM_ComposeBusyBattleFrameWithCards)->Unit(benchmark::kMicrosecond);

// The busy frame with twenty live effects, reported also as a multiple of one whole-picture
// copy timed in the same run. With `flash` set, a special move's flash is kept in the frames
// where its light washes the whole picture, the dearest frames an effect can make.
void compose_busy_frame_with_effects(benchmark::State& state, bool flash) {
    auto g = std::make_unique<Game>();
    testing_support::MakeBusyBattleFrameWithEffects(*g);
    Popup& special = g->popups[kPopupSlots - 1];
    platform::Bitmap from(kBoardWidth, kBoardHeight, platform::Color::rgb(0x336699));
    platform::Bitmap to(kBoardWidth, kBoardHeight);
    using Clock = std::chrono::steady_clock;
    const auto copies_start = Clock::now();
    for (int i = 0; i < 2000; ++i) {
        to.draw(from, 0, 0);
        benchmark::DoNotOptimize(to.pixel(320, 240));
    }
    const double copy_us =
        std::chrono::duration<double, std::micro>(Clock::now() - copies_start).count() / 2000;
    double frames_us = 0;
    for (auto _ : state) {
        if (g->popups[1].age == 0 || g->popups[1].age > 15) {
            // The numbers and pop-ups start over; the effects keep their ages.
            testing_support::MakeBusyBattleFrame(*g);
        }
        testing_support::KeepEffectsAlive(*g);
        if (flash && (special.age == 0 || special.age > 6)) {
            special = Popup{};
            special.type = 156;
            special.age = 1;
            special.x = special.start_x = 320;
            special.y = special.start_y = 200;
        }
        const auto start = Clock::now();
        ComposeFrame(*g);
        frames_us += std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        benchmark::DoNotOptimize(g->cg().pixel(320, 240));
    }
    state.counters["copy_us"] = copy_us;
    state.counters["times_one_copy"] =
        frames_us / static_cast<double>(state.iterations()) / copy_us;
}
void BM_ComposeBusyBattleFrameWithEffects(benchmark::State& state) {
    compose_busy_frame_with_effects(state, false);
}
BENCHMARK(BM_ComposeBusyBattleFrameWithEffects)->Unit(benchmark::kMicrosecond);

void BM_ComposeBusyBattleFrameWithEffectsAndFlash(benchmark::State& state) {
    compose_busy_frame_with_effects(state, true);
}
BENCHMARK(BM_ComposeBusyBattleFrameWithEffectsAndFlash)->Unit(benchmark::kMicrosecond);

void BM_CopyWholePicture(benchmark::State& state) {
    platform::Bitmap from(kBoardWidth, kBoardHeight, platform::Color::rgb(0x336699));
    platform::Bitmap to(kBoardWidth, kBoardHeight);
    for (auto _ : state) {
        to.draw(from, 0, 0);
        benchmark::DoNotOptimize(to.pixel(320, 240));
    }
}
BENCHMARK(BM_CopyWholePicture)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quill
