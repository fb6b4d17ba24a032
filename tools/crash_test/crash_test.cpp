// quillmoor-crash-test [KILLS] [SEED] [DIR]
//
// Saves are never half written: a child process loads the game from DIR/dat and saves it
// again and again, each time with one more yen, and is killed with SIGKILL at a random
// moment (0 to 20 ms after it was started); KILLS times (1000 by default). After every kill
// my.dat must load with a valid checksum and hold either the last save that was finished or
// the one that was being written, and every backup in dat/backup/ must load too, each older
// than the save. The child tells the parent through a pipe which save it begins and which it
// finished. Without DIR a temporary folder is used and removed again. Exit code 0 when every
// kill left whole files, 1 otherwise.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "platform/dialogs.h"
#include "platform/file_io.h"
#include "state/save_backups.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "state/static_tables.h"

namespace {

using namespace quill;

class QuietDialogs final : public platform::Dialogs {
  public:
    void message(const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool ask_yes_no(const std::string&) override { return false; }
};

std::unique_ptr<Game> started_game(const std::filesystem::path& dir, platform::Dialogs& dialogs) {
    auto g = std::make_unique<Game>();
    g->folders = platform::Folders(dir);
    g->dialogs = &dialogs;
    restore_all(*g);
    fill_static_tables(*g);
    load_game(*g);
    return g;
}

// The child: saves for ever, telling the parent "B n" before and "D n" after each save.
[[noreturn]] void save_for_ever(const std::filesystem::path& dir, int out) {
    QuietDialogs dialogs;
    auto g = started_game(dir, dialogs);
    for (;;) {
        const int32_t next = g->state.money + 1;
        std::string line = "B " + std::to_string(next) + "\n";
        if (write(out, line.data(), line.size()) < 0) _exit(3);
        g->state.money = next;
        save_game(*g);
        line = "D " + std::to_string(next) + "\n";
        if (write(out, line.data(), line.size()) < 0) _exit(3);
    }
}

// The money of a whole save in the file, or nothing when the file is not one.
std::optional<int32_t> money_of(const std::filesystem::path& file) {
    const auto g = read_whole_save(file);
    if (!g) return std::nullopt;
    return g->state.money;
}

}  // namespace

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    std::filesystem::path dir;
    bool temporary = false;
    if (argc > 3) {
        dir = argv[3];
    } else {
        char name[] = "/tmp/quillmoor-crash-test-XXXXXX";
        if (!mkdtemp(name)) return 1;
        dir = name;
        temporary = true;
    }
    std::filesystem::create_directories(dir / "dat");
    if (!std::filesystem::exists(dir / "dat" / "name.dat"))
        platform::write_file_atomically(dir / "dat" / "name.dat", "");  // nameless strangers
    {
        QuietDialogs dialogs;
        started_game(dir, dialogs);  // a fresh save to start from
    }
    std::optional<int32_t> before = money_of(dir / "dat" / "my.dat");
    if (!before) {
        std::fprintf(stderr, "crash-test: the first save does not load\n");
        return 1;
    }

    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delay_us(0, 20000);
    const auto start = std::chrono::steady_clock::now();
    long finished_saves = 0, cut_saves = 0;
    int failures = 0;
    for (int kill_no = 1; kill_no <= kills && failures < 5; ++kill_no) {
        int fds[2];
        if (pipe(fds) != 0) return 1;
        const pid_t child = fork();
        if (child < 0) return 1;
        if (child == 0) {
            close(fds[0]);
            save_for_ever(dir, fds[1]);
        }
        close(fds[1]);
        usleep(static_cast<useconds_t>(delay_us(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        std::string said;
        char buf[4096];
        for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;)
            said.append(buf, static_cast<size_t>(n));
        close(fds[0]);

        // The last save begun and the last one finished before the kill.
        std::optional<int32_t> begun, done;
        for (size_t at = 0; at < said.size();) {
            const size_t end = said.find('\n', at);
            if (end == std::string::npos) break;  // a line cut by the kill
            const std::string line = said.substr(at, end - at);
            at = end + 1;
            if (line.size() < 3) continue;
            const int32_t n = std::atoi(line.c_str() + 2);
            if (line[0] == 'B') begun = n;
            if (line[0] == 'D') {
                done = n;
                ++finished_saves;
            }
        }
        if (begun && begun != done) ++cut_saves;
        const std::optional<int32_t> now = money_of(dir / "dat" / "my.dat");
        const int32_t old = done ? *done : *before;
        const bool whole = now.has_value();
        const bool old_or_new = now && (*now == old || (begun && *now == *begun));
        bool backups_whole = true;
        std::optional<int32_t> newer = now;
        for (int n = 1; n <= kBackupGenerations; ++n) {
            const auto file = dir / "dat" / "backup" / ("my.dat." + std::to_string(n));
            if (!std::filesystem::exists(file)) continue;
            const auto money = money_of(file);
            if (!money || (newer && *money > *newer)) backups_whole = false;
            newer = money;
        }
        if (!whole || !old_or_new || !backups_whole) {
            ++failures;
            std::fprintf(stderr,
                         "crash-test: kill %d: my.dat %s (money %d; old %d, begun %d), backups "
                         "%s\n",
                         kill_no, whole ? "loads" : "DOES NOT LOAD", now.value_or(-1), old,
                         begun.value_or(-1), backups_whole ? "whole" : "BROKEN");
        }
        if (now) before = now;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("crash-test: %d kills in %.1f s, %ld saves finished, %ld cut by the kill, %s\n",
                kills, seconds, finished_saves, cut_saves,
                failures == 0 ? "every kill left my.dat and its backups whole" : "FAILED");
    if (temporary && failures == 0) std::filesystem::remove_all(dir);
    return failures == 0 ? 0 : 1;
}
