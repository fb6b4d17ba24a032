// quillmoor-soak [--ticks N] [--seed N] DIR   (or DIR [TICKS] [SEED]; --help)
//
// A long unattended game: a simple player walks out, fights, opens chests, cures its
// sickness, goes home, sleeps at the inn, shops at the tool shop, names and raises a pet once
// it may, and dies now and then, for TICKS tick steps (200000 by default) with a fixed seed,
// in the program folder DIR (its dat/ is written). Every 10000 steps it prints the pace and
// the memory, and checks that my.dat and its backups read as whole saves; at the end it
// prints the growth of the resident memory from step 10000 on.
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/save_backups.h"
#include "state/save_files.h"
#include "state/static_tables.h"

#include "simple_player.h"

namespace {

using namespace quill;
using soak::play;
using soak::QuietDialogs;
using soak::Tally;

long memory_kb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    }
    return -1;
}

// my.dat and every backup read as whole saves (read only: nothing is written).
bool saves_whole(const std::string& dir) {
    auto g = std::make_unique<Game>();  // only where its files are
    g->folders = platform::Folders(dir);
    if (!read_whole_save(g->folders.dat_file("my.dat"))) return false;
    for (int n = 1; n <= kBackupGenerations; ++n) {
        const auto file = backup_file(*g, n);
        if (std::filesystem::exists(file) && !read_whole_save(file)) return false;
    }
    return true;
}

constexpr const char* kUsage =
    "usage: quillmoor-soak [--ticks N] [--seed N] DIR\n"
    "       quillmoor-soak DIR [TICKS] [SEED]\n"
    "Plays an unattended game for TICKS tick steps (default 200000) with the seed SEED\n"
    "(default 1) in the program folder DIR, whose dat/ it writes; prints the pace, the\n"
    "memory, the level reached and the state of the saves every 10000 steps.\n";

// A whole number of at least `least`, or nothing.
std::optional<long> whole_number(const std::string& text, long least) {
    if (text.empty() || text.size() > 12) return std::nullopt;
    for (char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    const long n = std::stol(text);
    if (n < least) return std::nullopt;
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::vector<std::string> positional;
    std::optional<long> ticks_option, seed_option;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (a == "--ticks" || a == "--seed") {
            const auto n = i + 1 < args.size() ? whole_number(args[i + 1], a == "--ticks" ? 1 : 0)
                                               : std::nullopt;
            if (!n) {
                std::fprintf(stderr, "quillmoor-soak: %s needs a whole number\n%s", a.c_str(),
                             kUsage);
                return 2;
            }
            (a == "--ticks" ? ticks_option : seed_option) = n;
            ++i;
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "quillmoor-soak: unknown option %s\n%s", a.c_str(), kUsage);
            return 2;
        } else {
            positional.push_back(a);
        }
    }
    if (positional.empty() || positional.size() > 3) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::optional<long> ticks_arg = ticks_option, seed_arg = seed_option;
    if (positional.size() > 1) ticks_arg = whole_number(positional[1], 1);
    if (positional.size() > 2) seed_arg = whole_number(positional[2], 0);
    if ((positional.size() > 1 && !ticks_arg) || (positional.size() > 2 && !seed_arg)) {
        std::fprintf(stderr, "quillmoor-soak: TICKS and SEED are whole numbers\n%s", kUsage);
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    QGuiApplication app(argc, argv);
    const std::string dir = positional[0];
    const long ticks = ticks_arg.value_or(200000);
    const long seed = seed_arg.value_or(1);

    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    QuietDialogs dialogs;
    g.dialogs = &dialogs;
    g.folders = platform::Folders(dir);
    WireHandlers(g);
    FormCreate(g, static_cast<uint64_t>(seed));
    g.server_url = "http://127.0.0.1:1";  // no server: every report fails at once
    std::printf("start: rss %ld kB, peak %ld kB\n", memory_kb("VmRSS:"), memory_kb("VmHWM:"));

    Tally tally;
    int bad_saves = 0;
    long rss_at_10000 = 0;
    bool raised = false;
    const auto t0 = std::chrono::steady_clock::now();
    auto mark = t0;
    for (long step = 1; step <= ticks; ++step) {
        Timer1Timer(g);
        // Halfway, an adventurer the simple player could not raise to the pet house's level
        // is raised by hand (with money and BP), so the second half plays the pet too.
        if (step >= ticks / 2 && !raised && g.adventurer().level < 22 && g.map_shown == 1) {
            raised = true;
            g.adventurer().level = 22;
            g.state.money += 5000;
            g.state.bonus_points += 20;
            save_game(g);
            std::printf("%7ld steps: the adventurer is raised to level 22 for the pet house\n",
                        step);
        }
        if (step % 3 == 0) play(g, tally);
        if (std::getenv("SOAK_TRACE") && step >= std::atol(std::getenv("SOAK_TRACE")) &&
            step < std::atol(std::getenv("SOAK_TRACE")) +
                       std::atol(std::getenv("SOAK_TRACE_STEPS") ? std::getenv("SOAK_TRACE_STEPS")
                                                                 : "60")) {
            std::printf(
                "%ld map %d battle %d seq %d act %d wait %d cm %d go %d hp %d/%d enemy %s %d mode "
                "%d battles %d exp %d errand %d item %d pet %d\n",
                step, g.map_shown, g.in_battle, g.sequence_step, g.action_step, g.awaiting_click,
                g.command_mode, g.game_over, g.adventurer().hp, g.adventurer().max_hp,
                g.enemy().name.c_str(), g.enemy().hp, g.screen_mode, g.state.battle_count,
                g.adventurer().exp, tally.errand, g.form.item_box.visible, g.form.pet_box.visible);
        }
        if (step % 10000 == 0) {
            const auto now = std::chrono::steady_clock::now();
            const double s = std::chrono::duration<double>(now - mark).count();
            mark = now;
            const bool ok = saves_whole(dir);
            bad_saves += ok ? 0 : 1;
            if (step == 10000) rss_at_10000 = memory_kb("VmRSS:");
            std::printf(
                "%7ld steps: %7.0f steps/s, rss %ld kB, level %d, battles %d, deaths %d, "
                "outings %d, inn stays %d, shop visits %d (items %d), weapons worn %d, "
                "BP spendings %d, pet %s (visits %d), saves %s\n",
                step, 10000 / s, memory_kb("VmRSS:"), g.adventurer().level, g.state.battle_count,
                g.state.death_count, tally.outings, tally.inns, tally.shop_visits,
                g.state.item_count[1], tally.equips, tally.strengthenings,
                g.pet().name.empty() ? "none" : "named", tally.pet_visits,
                ok ? "whole" : "DAMAGED");
            std::fflush(stdout);
        }
    }
    const double total =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "end: %ld steps in %.1f s (%.0f steps/s), level reached %d, rss %ld kB, peak %ld kB, "
        "messages and questions %d%s%s, bad saves %d\n",
        ticks, total, ticks / total, g.adventurer().level, memory_kb("VmRSS:"), memory_kb("VmHWM:"),
        dialogs.messages + dialogs.questions,
        dialogs.messages + dialogs.questions ? ", last: " : "", dialogs.last.c_str(), bad_saves);
    const long growth = rss_at_10000 > 0 ? memory_kb("VmRSS:") - rss_at_10000 : 0;
    std::printf("resident memory growth from step 10000 to the end: %ld kB (limit 5120 kB)\n",
                growth);
    FormDestroy(g);
    return bad_saves == 0 && growth < 5120 && dialogs.messages + dialogs.questions == 0 ? 0 : 1;
}
