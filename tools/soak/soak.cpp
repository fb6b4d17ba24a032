// quillmoor-soak DIR [TICKS] [SEED]
//
// A long unattended game: a simple player walks out, fights, opens chests, cures its
// sickness, goes home, sleeps at the inn and dies now and then, for TICKS tick steps
// (200000 by default) with a fixed seed, in the program folder DIR (its dat/ is written).
// Every 10000 steps it prints the pace and the memory, and checks that my.dat loads.
#include <QGuiApplication>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "battle/action_choice.h"
#include "character/creation.h"
#include "explore/field_commands.h"
#include "explore/island.h"
#include "explore/rest_and_inn.h"
#include "platform/dialogs.h"
#include "shell/input.h"
#include "shell/startup.h"
#include "shell/tick.h"
#include "shell/wiring.h"
#include "state/save_files.h"
#include "state/static_tables.h"
#include "view/command_cards.h"

namespace {

using namespace quill;

// Messages are counted, questions answered "no".
class QuietDialogs final : public platform::Dialogs {
  public:
    void message(const std::string& text) override {
        ++messages;
        last = text;
    }
    bool ask_yes_no(const std::string&) override { return false; }
    int messages = 0;
    std::string last;
};

long memory_kb(const char* field) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
    }
    return -1;
}

void click(Game& g) {
    ClickMainPicture(g, 5, 5, platform::MouseButton::Left);
    cgMouseUp(g, {platform::MouseButton::Left, 5, 5});
}

void click_card(Game& g, int32_t card) {
    const CommandEntry& c = g.commands[card];
    g.pointer_x = c.target_x + 4;
    g.pointer_y = c.target_y + 4;
    ClickMainPicture(g, g.pointer_x, g.pointer_y, platform::MouseButton::Left);
    cgMouseUp(g, {platform::MouseButton::Left, g.pointer_x, g.pointer_y});
}

// One decision of the simple player.
void play(Game& g, int& outings, int& inns) {
    const Combatant& a = g.adventurer();
    if (g.game_over == 1 || g.awaiting_click == 1 || g.screen_mode != kGame) return click(g);
    if (g.form.bp_box.visible) return l_btn8MouseDown(g);
    if (g.map_shown == 1) {
        if (a.hp * 2 < a.max_hp && g.state.money >= InnPrice(g)) {
            ++inns;
            return map_b0MouseDown(g);
        }
        ++outings;
        return map_b1MouseDown(g);
    }
    if (g.form.battle_box.visible) {
        g.form.battle_list.item_index = 0;
        battle_listMouseDown(g);
        return Button1Click(g);
    }
    switch (g.command_mode) {
        case kFieldCards:
            return click_card(g, a.hp * 3 < a.max_hp ? 503 : 501);
        case kChestCards:
            return click_card(g, 504);
        case kSicknessCards:
            return click_card(g, 507);
        default:
            return click(g);
    }
}

bool save_loads(const std::string& dir) {
    auto g = std::make_unique<Game>();
    QuietDialogs dialogs;
    g->dialogs = &dialogs;
    g->folders = platform::Folders(dir);
    fill_static_tables(*g);
    load_game(*g);
    return g->state.save_damaged == 0 && dialogs.messages == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillmoor-soak DIR [TICKS] [SEED]\n");
        return 2;
    }
    const std::string dir = argv[1];
    const long ticks = argc > 2 ? std::atol(argv[2]) : 200000;
    const long seed = argc > 3 ? std::atol(argv[3]) : 1;

    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    QuietDialogs dialogs;
    g.dialogs = &dialogs;
    g.folders = platform::Folders(dir);
    WireHandlers(g);
    FormCreate(g, static_cast<uint64_t>(seed));
    g.server_url = "http://127.0.0.1:1";  // no server: every report fails at once
    std::printf("start: rss %ld kB, peak %ld kB\n", memory_kb("VmRSS:"), memory_kb("VmHWM:"));

    int outings = 0, inns = 0, bad_saves = 0;
    const auto t0 = std::chrono::steady_clock::now();
    auto mark = t0;
    for (long step = 1; step <= ticks; ++step) {
        Timer1Timer(g);
        if (step % 3 == 0) play(g, outings, inns);
        if (std::getenv("SOAK_TRACE") && step >= std::atol(std::getenv("SOAK_TRACE")) &&
            step < std::atol(std::getenv("SOAK_TRACE")) + 60) {
            std::printf(
                "%ld map %d battle %d seq %d act %d wait %d cm %d go %d hp %d/%d enemy %s %d mode "
                "%d\n",
                step, g.map_shown, g.in_battle, g.sequence_step, g.action_step, g.awaiting_click,
                g.command_mode, g.game_over, g.adventurer().hp, g.adventurer().max_hp,
                g.enemy().name.c_str(), g.enemy().hp, g.screen_mode);
        }
        if (step % 10000 == 0) {
            const auto now = std::chrono::steady_clock::now();
            const double s = std::chrono::duration<double>(now - mark).count();
            mark = now;
            const bool ok = save_loads(dir);
            bad_saves += ok ? 0 : 1;
            std::printf(
                "%7ld steps: %7.0f steps/s, rss %ld kB, level %d, battles %d, deaths %d, "
                "outings %d, inn stays %d, save %s\n",
                step, 10000 / s, memory_kb("VmRSS:"), g.adventurer().level, g.state.battle_count,
                g.state.death_count, outings, inns, ok ? "ok" : "DAMAGED");
            std::fflush(stdout);
        }
    }
    const double total =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "end: %ld steps in %.1f s (%.0f steps/s), rss %ld kB, peak %ld kB, messages %d%s%s, bad "
        "saves %d\n",
        ticks, total, ticks / total, memory_kb("VmRSS:"), memory_kb("VmHWM:"), dialogs.messages,
        dialogs.messages ? ", last: " : "", dialogs.last.c_str(), bad_saves);
    FormDestroy(g);
    return bad_saves == 0 ? 0 : 1;
}
