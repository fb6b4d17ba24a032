// What the real-window tests share: a desktop, a program folder, a configuration folder of
// their own, the game started on them, and the board places of the game's widgets.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/widgets.h"
#include "state/form.h"
#include "temp_folder.h"
#include "test_support.h"
#include "x_desktop.h"

namespace quill::desktop {

// A program folder of the build's pictures and a dat/ of its own, whose network goes nowhere
// unless a test says otherwise.
struct DesktopProgramFolder : testing_support::ProgramFolder {
    DesktopProgramFolder();
    std::filesystem::path save() const { return dat("my.dat"); }
};

class DesktopTest : public ::testing::Test {
  protected:
    // A screen of this size; the game starts with start().
    explicit DesktopTest(int width = 1920, int height = 1080) : desktop(width, height) {}

    void SetUp() override { ASSERT_TRUE(desktop.ok()) << "Xvfb or openbox did not start"; }
    // Starts the game and waits for its window; the network goes nowhere unless `args` says.
    void start(std::vector<std::string> args = {});
    // The board rectangle of a widget of the form (its panels' places added).
    static QRect board_rect(const platform::Widget& w, QPoint panel_origin = {});
    // The credit picture and the title, passed as a player does: Enter twice.
    void pass_title();
    // Waits until an edit box shows, by its white.
    bool wait_for_box(const QRect& box);
    // A new game started and its title passed: the creation panel, whose name box is
    // returned once it shows (empty when it never does).
    QRect open_creation_panel();
    // Clicks into an edit box and waits until it shows that it has the keys (its focus
    // frame); false when it never does.
    bool click_into_box(const QRect& box);
    // Waits until what the board shows in the area stops changing (a blinking caret aside),
    // so that the keys sent so far have been taken in.
    bool wait_until_settled(const QRect& area, std::chrono::milliseconds limit = 10s);
    // Waits until the board's pixel has the colour.
    bool wait_for_colour(QPoint board, QRgb colour, std::chrono::milliseconds limit = 20s);

    XDesktop desktop;
    DesktopProgramFolder program;
    testing_support::TempFolder config;
    std::unique_ptr<GameProcess> game;
    Form form;  // the form as the game makes it: the widgets' places
};

}  // namespace quill::desktop
