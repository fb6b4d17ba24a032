// One frame of a busy battle scene, against a plain copy of a whole picture.
#include <benchmark/benchmark.h>

#include <memory>

#include "busy_frame.h"
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
