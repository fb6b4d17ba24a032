// A desktop for the real-window tests: an X server of its own (Xvfb) with a window manager
// (openbox), the game started on it as a player starts it, and input made by the X server
// itself (XTest): key presses and pointer motion arrive at the game exactly as a keyboard's
// and a mouse's do, through the window manager, focus and all.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

typedef struct _XDisplay Display;
typedef unsigned long XWindow;

namespace quill::desktop {

using namespace std::chrono_literals;

// An X server with a window manager, for as long as the object lives.
class XDesktop {
  public:
    XDesktop(int width, int height);
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool ok() const { return display_ != nullptr; }
    const std::string& name() const { return name_; }  // ":N"
    Display* display() const { return display_; }
    QRect screen() const;

    // The managed top-level windows of a process (by _NET_WM_PID), with their titles.
    std::vector<std::pair<XWindow, std::string>> windows_of(pid_t pid) const;
    // A window's inside (no frame) in screen coordinates.
    QRect geometry(XWindow w) const;
    // What the screen shows inside the rectangle.
    QImage grab(QRect area) const;

    // Input through the X server.
    void move_to(QPoint screen_point);
    void click(QPoint screen_point, int button = 1);
    void button(int button, bool down);
    void key(const std::string& keysym_name, const std::vector<std::string>& held = {});
    // Types UTF-8 text key by key; characters the keyboard has no key for (kana, kanji) get a
    // spare key mapped to their keysym, as a kana keyboard or a typing tool does. The spare keys
    // keep their characters for the rest of the session: a slow client translates a key with
    // the keyboard map it has when it reads the key, so a map taken back too soon would lose it.
    void type(const std::string& utf8);
    // Puts UTF-8 text on the clipboard (a small owner process holds it until the next call
    // or the end).
    void set_clipboard(const std::string& utf8);
    void sync() const;

  private:
    void key_code(unsigned code, bool down);
    void start_clipboard_owner(const std::string& utf8);

    std::string name_;
    Display* display_ = nullptr;
    pid_t server_ = -1;
    pid_t manager_ = -1;
    pid_t clipboard_ = -1;
    std::map<unsigned long, int> borrowed_;  // keysym → spare keycode, kept for the session
};

// The game binary of the build, running on a desktop.
class GameProcess {
  public:
    // `folder` is the program folder (cg/ and dat/), `config` the XDG configuration home.
    GameProcess(XDesktop& desktop, const std::filesystem::path& folder,
                const std::filesystem::path& config, std::vector<std::string> args = {});
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t pid() const { return pid_; }
    // Waits for the game's own window ("Quillmoor ver…") to be shown and managed.
    bool wait_for_window(std::chrono::milliseconds limit = 60s);
    XWindow window() const { return window_; }
    QRect geometry() const;
    int scale() const;  // the window's width over the board's
    // The screen point of a board point: the middle of its square.
    QPoint on_screen(QPoint board) const;
    void click_board(QPoint board, int button = 1);
    void move_to_board(QPoint board);
    QImage grab_board(QRect board_area) const;  // at the board's own size
    QImage grab_window() const;

    // Sends a signal; waits for the end, true with the exit status when it came in time.
    void signal(int sig);
    bool wait_exit(std::chrono::milliseconds limit, int* status = nullptr);
    bool running();
    std::string output() const;  // what the game printed

  private:
    XDesktop& desktop_;
    pid_t pid_ = -1;
    XWindow window_ = 0;
    std::filesystem::path log_;
    bool exited_ = false;
};

// Polls `done` every 50 ms until it holds or the time is up.
bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit);

// The share of pixels that differ between two pictures of the same size (1 when the sizes
// differ).
double difference(const QImage& a, const QImage& b);

}  // namespace quill::desktop
