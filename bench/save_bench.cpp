// Writing and reading the save file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "state/save_files.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace quill {
namespace {

struct SaveBench {
    SaveBench() {
        folder = std::filesystem::temp_directory_path() / "quillmoor-bench-save";
        std::filesystem::create_directories(folder / "dat");
        g->folders = platform::Folders(folder);
        fill_static_tables(*g);
        new_game(*g);
        g->state.money = 12345;
        for (int i = 0; i < 1000; i += 3) g->state.item_count[i] = i % 7;
        save_game(*g);
    }
    ~SaveBench() { std::filesystem::remove_all(folder); }
    std::filesystem::path folder;
    std::unique_ptr<Game> g = std::make_unique<Game>();
};

void BM_SaveGame(benchmark::State& state) {
    SaveBench b;
    for (auto _ : state) save_game(*b.g);
}
BENCHMARK(BM_SaveGame)->Unit(benchmark::kMicrosecond);

void BM_LoadGame(benchmark::State& state) {
    SaveBench b;
    for (auto _ : state) load_game(*b.g);  // reads, counts the load and saves, as at start-up
}
BENCHMARK(BM_LoadGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quill
