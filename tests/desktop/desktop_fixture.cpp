#include "desktop_fixture.h"

#include <fstream>
#include <thread>

#include "shell/startup.h"
#include "state/game.h"
#include "state/save_files.h"

namespace quill::desktop {

DesktopProgramFolder::DesktopProgramFolder() {
    std::ofstream(dat("server.txt")) << "http://127.0.0.1:1\r\n";
}

void DesktopTest::start(std::vector<std::string> args) {
    game = std::make_unique<GameProcess>(desktop, program.path(), config.path(), std::move(args));
    ASSERT_TRUE(game->wait_for_window()) << game->output();
    // The window manager gives the new window the keys; wait until it has them.
    std::this_thread::sleep_for(300ms);
}

QRect DesktopTest::board_rect(const platform::Widget& w, QPoint panel_origin) {
    QRect r(w.left, w.top, w.width, w.height);
    for (const platform::Widget* p = w.parent; p; p = p->parent) {
        r.translate(p->parent ? QPoint(p->left, p->top) : panel_origin);
    }
    return r;
}

void DesktopTest::pass_title() {
    // Each Enter once the picture before it is up: a slow build may take its time.
    const QRect whole(0, 0, 640, 480);
    for (int i = 0; i < 2; ++i) {
        std::this_thread::sleep_for(400ms);
        const QImage before = game->grab_board(whole);
        desktop.key("Return");
        wait_until([&] { return difference(game->grab_board(whole), before) > 0.2; }, 15s);
    }
    std::this_thread::sleep_for(400ms);
}

bool DesktopTest::click_into_box(const QRect& box) {
    const QImage before = game->grab_board(box);
    for (int attempt = 0; attempt < 2; ++attempt) {
        game->click_board(box.center());
        if (wait_until([&] { return difference(game->grab_board(box), before) > 0; }, 5s))
            return true;
    }
    return false;
}

bool DesktopTest::wait_until_settled(const QRect& area, std::chrono::milliseconds limit) {
    QImage last = game->grab_board(area);
    return wait_until(
        [&] {
            std::this_thread::sleep_for(300ms);
            const QImage now = game->grab_board(area);
            const bool still = difference(now, last) < 0.01;
            last = now;
            return still;
        },
        limit);
}

bool DesktopTest::wait_for_box(const QRect& box) {
    return wait_for_colour(box.topLeft() + QPoint(box.width() - 6, box.height() / 2),
                           qRgb(255, 255, 255));
}

QRect DesktopTest::open_creation_panel() {
    start();
    if (!game || !game->window()) return {};
    pass_title();
    const QRect box = board_rect(form.name_l);
    return wait_for_box(box) ? box : QRect();
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
