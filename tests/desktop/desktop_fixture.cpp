#include "desktop_fixture.h"

#include <fstream>
#include <thread>

#include "platform/dialogs.h"
#include "shell/startup.h"
#include "state/game.h"
#include "state/save_files.h"

namespace quill::desktop {
namespace {

// Questions and messages of the game that writes a save: nobody is asked.
class Quiet final : public platform::Dialogs {
  public:
    void message(const std::string&) override {}
    bool ask_yes_no(const std::string&) override { return false; }
};

}  // namespace

DesktopProgramFolder::DesktopProgramFolder() {
    const std::filesystem::path build(QUILLMOOR_BUILD_DIR);
    std::filesystem::create_directory_symlink(build / "cg", folder.path() / "cg");
    std::filesystem::create_directory(folder.path() / "dat");
    for (const auto& entry : std::filesystem::directory_iterator(build / "dat")) {
        const auto name = entry.path().filename().string();
        const auto ext = entry.path().extension().string();
        if (name == "name.dat" || ext == ".wav" || ext == ".mp3")
            std::filesystem::create_symlink(entry.path(), folder.path() / "dat" / name);
    }
    // The network goes nowhere unless a test says otherwise.
    std::ofstream(folder.path() / "dat" / "server.txt") << "http://127.0.0.1:1\r\n";
}

void DesktopTest::start(std::vector<std::string> args) {
    game = std::make_unique<GameProcess>(desktop, program.path(), config.path(), std::move(args));
    ASSERT_TRUE(game->wait_for_window()) << game->output();
    // The window manager gives the new window the keys; wait until it has them.
    std::this_thread::sleep_for(300ms);
}

void DesktopTest::write_save(int level, int bonus_points) {
    auto owned = std::make_unique<Game>();
    Game& g = *owned;
    g.folders = platform::Folders(program.path());
    Quiet quiet;
    g.dialogs = &quiet;
    FormCreate(g, 2);
    g.state.event_flags[0] = g.state.event_flags[1] = 1;
    for (int flag = 30; flag <= 39; ++flag) g.state.event_flags[flag] = 1;
    g.adventurer().name = "ルカ";
    g.adventurer().level = level;
    g.state.bonus_points = bonus_points;
    save_game(g);
    FormDestroy(g);
}

QRect DesktopTest::board_rect(const platform::Widget& w, QPoint panel_origin) {
    QRect r(w.left, w.top, w.width, w.height);
    for (const platform::Widget* p = w.parent; p; p = p->parent) {
        r.translate(p->parent ? QPoint(p->left, p->top) : panel_origin);
    }
    return r;
}

void DesktopTest::pass_title() {
    std::this_thread::sleep_for(500ms);
    desktop.key("Return");
    std::this_thread::sleep_for(700ms);
    desktop.key("Return");
    std::this_thread::sleep_for(700ms);
}

bool DesktopTest::wait_for_colour(QPoint board, QRgb colour, std::chrono::milliseconds limit) {
    return wait_until(
        [&] {
            const QImage px = game->grab_board(QRect(board, QSize(1, 1)));
            return !px.isNull() && (px.pixel(0, 0) & 0xFFFFFF) == (colour & 0xFFFFFF);
        },
        limit);
}

}  // namespace quill::desktop
