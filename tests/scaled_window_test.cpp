// The window on the desktop: the board enlarged by whole factors, windowed and full screen,
// the mouse mapped back exactly, F11 and F2, through the real Qt widgets.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

#include "character/creation.h"
#include "frontend/desktop_settings.h"
#include "frontend/main_window.h"
#include "frontend/scaled_window.h"
#include "frontend/settings_dialog.h"
#include "shell/startup.h"
#include "shell/wiring.h"
#include "test_support.h"

namespace quill {
namespace {

using frontend::ScaledWindow;
using testing_support::GameFixture;

TEST(ScaledWindow, MapsWindowPointsToBoardPointsAtEveryScaleAndInFullScreen) {
    struct Case {
        int scale;      // the windowed factor (0 in full screen)
        QSize screen;   // the full screen's size
        QPoint window;  // a pixel of the window
        std::optional<QPoint> board;
        int shown_scale;
    };
    const std::optional<QPoint> none;
    const Case cases[] = {
        {1, {}, {0, 0}, QPoint(0, 0), 1},
        {1, {}, {639, 479}, QPoint(639, 479), 1},
        {1, {}, {640, 0}, none, 1},
        {2, {}, {1, 1}, QPoint(0, 0), 2},
        {2, {}, {2, 1}, QPoint(1, 0), 2},
        {2, {}, {1279, 959}, QPoint(639, 479), 2},
        {2, {}, {1280, 959}, none, 2},
        {3, {}, {5, 8}, QPoint(1, 2), 3},
        {3, {}, {6, 9}, QPoint(2, 3), 3},
        {3, {}, {1919, 1439}, QPoint(639, 479), 3},
        {3, {}, {1919, 1440}, none, 3},
        {4, {}, {3, 3}, QPoint(0, 0), 4},
        {4, {}, {4, 7}, QPoint(1, 1), 4},
        {4, {}, {2559, 1919}, QPoint(639, 479), 4},
        // Full HD: ×2 centred, 320 black columns either side, 60 rows above and below.
        {0, {1920, 1080}, {319, 60}, none, 2},
        {0, {1920, 1080}, {320, 59}, none, 2},
        {0, {1920, 1080}, {320, 60}, QPoint(0, 0), 2},
        {0, {1920, 1080}, {321, 61}, QPoint(0, 0), 2},
        {0, {1920, 1080}, {322, 62}, QPoint(1, 1), 2},
        {0, {1920, 1080}, {1599, 1019}, QPoint(639, 479), 2},
        {0, {1920, 1080}, {1600, 500}, none, 2},
        {0, {1920, 1080}, {700, 1020}, none, 2},
        // 4K: ×4.
        {0, {3840, 2160}, {640, 120}, QPoint(0, 0), 4},
        {0, {3840, 2160}, {3199, 2039}, QPoint(639, 479), 4},
        {0, {3840, 2160}, {639, 2039}, none, 4},
        // 2560 × 1440: ×3 on an odd margin (the left one a pixel narrower).
        {0, {2560, 1440}, {320, 0}, QPoint(0, 0), 3},
        {0, {2560, 1440}, {2239, 1439}, QPoint(639, 479), 3},
        // Too small for ×2 in height: ×1 in the middle.
        {0, {1366, 768}, {363, 144}, QPoint(0, 0), 1},
        {0, {1366, 768}, {362, 144}, none, 1},
        {0, {1366, 768}, {1002, 623}, QPoint(639, 479), 1},
    };
    QWidget board;
    board.setFixedSize(kBoardWidth, kBoardHeight);
    ScaledWindow window(&board);
    for (const Case& c : cases) {
        if (c.scale > 0) {
            window.set_fullscreen(false);
            window.set_scale(c.scale);
        } else {
            window.set_fullscreen(true);
            window.resize(c.screen);
        }
        const auto at = window.to_board(c.window);
        EXPECT_EQ(window.scale(), c.shown_scale) << c.screen.width() << " " << c.scale;
        EXPECT_EQ(at.has_value(), c.board.has_value()) << c.window.x() << "," << c.window.y();
        if (at && c.board) {
            EXPECT_EQ(*at, *c.board)
                << c.window.x() << "," << c.window.y() << " at ×" << window.scale();
        }
    }
    // Every board pixel round trip, at its square's first and last window pixel.
    window.set_fullscreen(false);
    for (int s = 1; s <= 4; ++s) {
        window.set_scale(s);
        int wrong = 0;
        for (int y = 0; y < kBoardHeight; ++y) {
            for (int x = 0; x < kBoardWidth; ++x) {
                const QPoint last = window.from_board({x, y});
                wrong += window.to_board(last) != QPoint(x, y);
                wrong += window.to_board(last - QPoint(s - 1, s - 1)) != QPoint(x, y);
            }
        }
        EXPECT_EQ(wrong, 0) << "at ×" << s;
        EXPECT_EQ(window.size(), QSize(kBoardWidth * s, kBoardHeight * s));
    }
}

// The game's board shown in the scaled window.
struct ShownGame : GameFixture {
    std::unique_ptr<frontend::MainWindow> board;
    std::unique_ptr<ScaledWindow> shown;

    ShownGame() {
        WireHandlers(game);
        FormCreate(game, 1);
        board = std::make_unique<frontend::MainWindow>(game, false);
        shown = std::make_unique<ScaledWindow>(board.get());
        board->set_host(shown.get());
        shown->show();
        shown->activateWindow();
        QApplication::processEvents();
    }

    // A mouse event at a pixel of the window, where the desktop delivers it.
    void mouse(QEvent::Type type, QPoint window_pixel, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* surface = shown->mouse_surface();
        const QPointF at(window_pixel - shown->board_origin());
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
        QMouseEvent e(type, at, surface->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(surface, &e);
    }
    void click(QPoint window_pixel) {
        mouse(QEvent::MouseButtonPress, window_pixel);
        mouse(QEvent::MouseButtonRelease, window_pixel);
    }
    // A key where the desktop sends it: the widget with the keyboard's focus.
    void key(int k) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : shown.get();
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
};

TEST(ScaledWindow, AClickOnTheEdgePixelsOfAButtonHitsItAtEveryScale) {
    ShownGame t;
    ShowCreationPanel(t.game);
    t.board->sync();
    const auto& panel = t.game.form.bp_box;
    auto& ok = t.game.form.l_btn8;
    const QRect r(panel.left + ok.left, panel.top + ok.top, ok.width, ok.height);
    int hits = 0;
    ok.on_mouse_down = [&hits](const platform::MouseEvent&) { ++hits; };
    for (int s = 1; s <= 4; ++s) {
        t.shown->set_scale(s);
        QApplication::processEvents();
        const QPoint first = t.shown->from_board(r.topLeft()) - QPoint(s - 1, s - 1);
        const QPoint last = t.shown->from_board(r.bottomRight());
        hits = 0;
        t.click(first);
        t.click(last);
        EXPECT_EQ(hits, 2) << "the first and the last pixel at ×" << s;
        // The next pixel out, right and below, is not the button's.
        t.click(last + QPoint(1, 0));
        t.click(last + QPoint(0, 1));
        t.click(first - QPoint(1, 0));
        EXPECT_EQ(hits, 2) << "a pixel beside the button at ×" << s;
        // The pointer over its last pixel lights it.
        t.mouse(QEvent::MouseMove, last + QPoint(1, 1));
        t.mouse(QEvent::MouseMove, last);
        EXPECT_EQ(ok.color, platform::Color::rgb(0xC0C0C0)) << "at ×" << s;
    }
}

TEST(ScaledWindow, KeysReachTheGameAndF11AndF2BelongToTheWindow) {
    ShownGame t;
    t.shown->set_scale(2);
    ASSERT_EQ(t.game.screen_mode, kBoot);
    t.key(Qt::Key_Return);
    EXPECT_EQ(t.game.screen_mode, kTitle) << "Enter goes through the view to the game";

    // F11 while the name box has the keys: full screen and back; the box gets nothing.
    ShowCreationPanel(t.game);
    t.board->sync();
    auto* name_box = t.board->findChild<QLineEdit*>("name_l");
    ASSERT_NE(name_box, nullptr);
    name_box->setFocus();
    QApplication::processEvents();
    const QString before = name_box->text();
    t.key(Qt::Key_F11);
    EXPECT_TRUE(t.shown->fullscreen());
    t.key(Qt::Key_F11);
    EXPECT_FALSE(t.shown->fullscreen());
    EXPECT_EQ(t.shown->scale(), 2);
    EXPECT_EQ(name_box->text(), before);

    // F2 opens the real settings dialog; the volumes moved there reach the mixer at once
    // and are remembered.
    testing_support::TempFolder folder;
    frontend::SettingsStore store(QString::fromStdString((folder.path() / "q.ini").string()));
    frontend::DesktopSettings desktop(store, store.settings(), *t.shown, t.game.audio);
    desktop.apply();
    const bool device = t.game.audio.ready();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        seen = dialog != nullptr;
        if (!dialog) return;
        dialog->findChildren<QSlider*>()[0]->setValue(40);
        dialog->findChildren<QSlider*>()[1]->setValue(25);
        if (device) {
            EXPECT_EQ(t.game.audio.mixer_music_volume(), 51);
            EXPECT_EQ(t.game.audio.mixer_effects_volume(), 32);
        }
        for (QCheckBox* box : dialog->findChildren<QCheckBox*>()) {
            if (box->text().contains(QStringLiteral("音を消す"))) box->setChecked(true);
        }
        if (device) {
            EXPECT_EQ(t.game.audio.mixer_music_volume(), 0);
            EXPECT_EQ(t.game.audio.mixer_effects_volume(), 0);
        }
        dialog->accept();
    });
    t.key(Qt::Key_F2);
    EXPECT_TRUE(seen) << "F2 opened no dialog";
    EXPECT_EQ(store.settings().music_volume, 40);
    EXPECT_EQ(store.settings().effects_volume, 25);
    EXPECT_TRUE(store.settings().mute);
    EXPECT_EQ(frontend::SettingsStore(store.file()).settings(), store.settings());
}

}  // namespace
}  // namespace quill
