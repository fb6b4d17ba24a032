// libFuzzer target for the save files the game reads at start: my.dat, kousin.dat and
// name.dat. Whatever the bytes, reading ends and never fails; a my.dat that reads as a whole
// save is written out and read back to the very same bytes. Every my.dat is then loaded as at
// start-up and played for a few hundred ticks by the soak's simple player (the island, its
// battles, the inn, the tool shop, the pet house), so that a value that reads well but breaks
// the game later in play is found too.
//
// Built and run by scripts/fuzz.sh saves, never by the default build.
//   save-fuzzer --write-seeds DIR   writes good and broken files to DIR and exits.
// The first byte of an input chooses the file: 0 my.dat, 1 kousin.dat, 2 name.dat (taken
// modulo 3); the rest are its bytes.

#include <QGuiApplication>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../soak/simple_player.h"
#include "fuzz_seeds.h"
#include "platform/file_io.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace {

using namespace quill;

void check(bool ok, const char* what) {
    quill::fuzz::check(ok, "save", what);
}

Game& first() {
    static auto g = std::make_unique<Game>();
    return *g;
}

Game& second() {
    static auto g = std::make_unique<Game>();
    return *g;
}

std::vector<std::string> seeds() {
    Game& g = first();
    new_game(g);
    fill_static_tables(g);
    g.adventurer().name = "ルカ";
    g.state.money = 1234;
    const std::string save = save_file_bytes(g);
    return {
        std::string(1, '\0') + save,
        std::string(1, '\0') + save.substr(0, save.size() / 2),
        std::string(1, '\0') + "0\r\n0\r\nfoo\r\n",
        std::string(1, '\1') + "12\r\n34\r\n56\r\n1\r\n",
        std::string(1, '\1') + "12\r\n\xff\r\n",
        std::string(1, '\2') + "\x83\x8b\x83\x4a\r\nHana\r\n\r\n\x82\xa0",
    };
}

// A program folder of its own (no pictures: the game runs on without them).
const std::filesystem::path& play_folder() {
    static const std::filesystem::path dir = [] {
        std::string name =
            (std::filesystem::temp_directory_path() / "quillmoor-fuzz-XXXXXX").string();
        const char* made = mkdtemp(name.data());
        std::filesystem::path d = made ? made : "quillmoor-fuzz-play";
        std::filesystem::create_directories(d / "dat");
        return d;
    }();
    return dir;
}

// The bytes as my.dat, loaded as at start-up and played for three hundred ticks.
void play_after_loading(const std::string& bytes) {
    const auto& dir = play_folder();
    std::error_code ec;
    std::filesystem::remove_all(dir / "dat", ec);
    std::filesystem::create_directories(dir / "dat", ec);
    if (!platform::write_file_atomically(dir / "dat" / "my.dat", bytes)) return;
    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    soak::QuietDialogs dialogs;
    g.dialogs = &dialogs;
    g.folders = platform::Folders(dir);
    g.server_url = "http://127.0.0.1:1";  // no server: every exchange fails at once
    WireHandlers(g);
    FormCreate(g, 1);
    g.server_url = "http://127.0.0.1:1";
    soak::Tally tally;
    for (int step = 1; step <= 300 && !g.quit_requested; ++step) {
        Timer1Timer(g);
        if (step % 3 == 0) soak::play(g, tally);
    }
    FormDestroy(g);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quill::fuzz::write_seeds_if_asked(*argc, *argv, seeds);
    // Text is drawn into the game's pictures: a GUI application without a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    static QGuiApplication* app = new QGuiApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
        case 0: {
            Game& g = first();
            if (read_save_bytes(g, bytes).ok()) {
                const std::string written = save_file_bytes(g);
                Game& again = second();
                check(read_save_bytes(again, written).ok(),
                      "a save written from a good one is bad");
                check(save_file_bytes(again) == written, "a save read back writes other bytes");
            }
            play_after_loading(bytes);
            break;
        }
        case 1: {
            GameState s;
            if (!read_net_bookkeeping_bytes(s, bytes)) break;
            // What was read, written as the game writes it, reads back the same.
            std::string again;
            for (int32_t x :
                 {s.last_rank_send_minute, s.last_report_minute, s.last_rank, s.net_off})
                again += std::to_string(x) + "\r\n";
            GameState t;
            check(read_net_bookkeeping_bytes(t, again), "written bookkeeping does not read");
            check(t.last_rank_send_minute == s.last_rank_send_minute &&
                      t.last_report_minute == s.last_report_minute && t.last_rank == s.last_rank &&
                      t.net_off == s.net_off,
                  "bookkeeping read back differs");
            break;
        }
        default: {
            Game& g = first();
            read_name_list(g, bytes);
            size_t total = 0;
            for (const auto& name : g.encounter_names) total += name.size();
            // Code page 932 turns into UTF-8 of at most three bytes a byte.
            check(total <= 3 * bytes.size(), "names far longer than the list");
            break;
        }
    }
    return 0;
}
