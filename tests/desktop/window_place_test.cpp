// The window's size and place on the desktop: full screen and back, the sizes the settings
// offer, a remembered size on a smaller screen.
#include <fstream>
#include <thread>

#include "desktop_fixture.h"

namespace quill::desktop {
namespace {

// The whole window, frame and all, lies on the screen (the frame's title bar above the
// inside, where the window is dragged).
void expect_on_screen(const QRect& inside, const QRect& screen) {
    EXPECT_TRUE(screen.contains(inside))
        << inside.x() << "," << inside.y() << " " << inside.width() << "×" << inside.height();
    EXPECT_GT(inside.top(), screen.top()) << "no room for the title bar";
}

class WindowPlace : public DesktopTest {};

TEST_F(WindowPlace, FullScreenTwiceComesBackToTheSameSizeAndPlace) {
    start({"--scale", "1"});
    const QRect before = game->geometry();
    ASSERT_EQ(before.size(), QSize(640, 480));
    expect_on_screen(before, desktop.screen());
    desktop.key("F11");
    ASSERT_TRUE(wait_until([&] { return game->geometry() == desktop.screen(); }, 10s))
        << "full screen: " << game->geometry().width() << "×" << game->geometry().height();
    // The picture fills the screen at the largest whole factor, on black.
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(desktop.grab(QRect(0, 0, 1, 1)).pixel(0, 0) & 0xFFFFFF, 0u);
    desktop.key("F11");
    EXPECT_TRUE(wait_until([&] { return game->geometry() == before; }, 10s))
        << "came back at " << game->geometry().x() << "," << game->geometry().y() << " "
        << game->geometry().width() << "×" << game->geometry().height() << ", was at " << before.x()
        << "," << before.y();
}

TEST_F(WindowPlace, TheSettingsTakeOnlySizesThatFitAndKeepTheWindowOnScreen) {
    start({"--scale", "1"});
    desktop.key("F2");
    ASSERT_TRUE(wait_until(
        [&] {
            for (const auto& [w, title] : desktop.windows_of(game->pid()))
                if (title == "設定") return true;
            return false;
        },
        10s));
    std::this_thread::sleep_for(300ms);
    // The size box has the keys: End goes to the largest size it lets the player choose.
    desktop.key("End");
    // On 1920 × 1080 that is ×2 (1280 × 960); ×3 and ×4 would run off the screen.
    EXPECT_TRUE(wait_until([&] { return game->geometry().size() == QSize(1280, 960); }, 10s))
        << game->geometry().width() << "×" << game->geometry().height();
    std::this_thread::sleep_for(300ms);
    expect_on_screen(game->geometry(), desktop.screen());
    desktop.key("Escape");
    std::this_thread::sleep_for(300ms);
    // The size chosen is remembered.
    std::ifstream ini(config.path() / "Quillmoor" / "quillmoor.ini");
    std::string text((std::istreambuf_iterator<char>(ini)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("scale=2"), std::string::npos) << text;
}

class SmallScreen : public DesktopTest {
  protected:
    SmallScreen() : DesktopTest(1024, 768) {}
};

TEST_F(SmallScreen, ARememberedLargeSizeOpensAtOneThatFits) {
    std::filesystem::create_directories(config.path() / "Quillmoor");
    std::ofstream(config.path() / "Quillmoor" / "quillmoor.ini")
        << "[display]\nscale=4\nfullscreen=false\n";
    start();
    EXPECT_EQ(game->geometry().size(), QSize(640, 480));
    expect_on_screen(game->geometry(), desktop.screen());
}

}  // namespace
}  // namespace quill::desktop
