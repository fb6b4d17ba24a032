// The title screen's tick step and the start-up, on the generated assets of the build.
#include <benchmark/benchmark.h>

#include <memory>

#include "frontend/main_window.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"

namespace quill {
namespace {

std::unique_ptr<Game> started_game() {
    auto g = std::make_unique<Game>();
    g->folders = platform::Folders(QUILLMOOR_BUILD_DIR);
    FormCreate(*g, 1);
    return g;
}

void BM_TitleTickStep(benchmark::State& state) {
    auto g = started_game();
    LeaveBoot(*g);
    for (int i = 0; i < 100; ++i) TickStep(*g);  // let the star field fill up
    for (auto _ : state) {
        TickStep(*g);
        benchmark::DoNotOptimize(g->cg().pixel(320, 240));
    }
}
BENCHMARK(BM_TitleTickStep)->Unit(benchmark::kMicrosecond);

// From nothing to the credit picture shown in the window.
void BM_StartUpToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto g = started_game();
        WireHandlers(*g);
        frontend::MainWindow window(*g, false);
        window.show();
        window.repaint();
        benchmark::DoNotOptimize(g->cg().pixel(0, 0));
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
}  // namespace quill
