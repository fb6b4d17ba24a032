#include "x_desktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>

#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace quill::desktop {
namespace {

constexpr int kBoardWidth = 640;
constexpr int kBoardHeight = 480;

// Starts a program with the environment given (added to this one's); its output goes to `log`.
pid_t spawn(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
            const std::string& log = "/dev/null", int keep_fd = -1, int stdin_fd = -1) {
    const pid_t pid = fork();
    if (pid != 0) return pid;
    setpgid(0, 0);
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    const int out = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (out >= 0) {
        dup2(out, 1);
        dup2(out, 2);
    }
    if (stdin_fd >= 0) {
        dup2(stdin_fd, 0);
    } else {
        const int in = open("/dev/null", O_RDONLY);
        dup2(in, 0);
    }
    for (int fd = 3; fd < 1024; ++fd) {
        if (fd != keep_fd) close(fd);
    }
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
}

void stop(pid_t& pid) {
    if (pid <= 0) return;
    kill(-pid, SIGTERM);
    kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            pid = -1;
            return;
        }
        std::this_thread::sleep_for(25ms);
    }
    kill(-pid, SIGKILL);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

int ignore_errors(Display*, XErrorEvent*) {
    return 0;
}

// Decodes UTF-8 into code points (bad bytes skipped).
std::vector<char32_t> code_points(const std::string& s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char c = s[i];
        int n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) {
            ++i;
            continue;
        }
        char32_t cp = n == 1 ? c : c & (0x7F >> n);
        for (int k = 1; k < n; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

KeySym keysym_of(char32_t cp) {
    if (cp == '\n') return XK_Return;
    if (cp >= 0x20 && cp <= 0x7E) return cp;  // Latin-1's keysyms are the code points
    return 0x01000000 | cp;                   // every other character's keysym
}

}  // namespace

bool wait_until(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (true) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(50ms);
    }
}

double difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    long differ = 0;
    for (int r = 0; r < x.height(); ++r) {
        const auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c) differ += (p[c] & 0xFFFFFF) != (q[c] & 0xFFFFFF);
    }
    return double(differ) / (double(x.width()) * x.height());
}

// ---- the desktop ----

XDesktop::XDesktop(int width, int height) {
    int fds[2];
    if (pipe(fds) != 0) return;
    const std::string geometry = std::to_string(width) + "x" + std::to_string(height) + "x24";
    server_ = spawn({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", geometry,
                     "-nolisten", "tcp", "-noreset", "+extension", "XTEST"},
                    {}, "/dev/null", fds[1]);
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (number.empty()) return;
    name_ = ":" + number;
    XSetErrorHandler(ignore_errors);
    display_ = XOpenDisplay(name_.c_str());
    if (!display_) return;
    manager_ = spawn({"openbox", "--sm-disable"}, {{"DISPLAY", name_}});
    // The manager is ready when it has put its mark on the root window.
    const Atom check = XInternAtom(display_, "_NET_SUPPORTING_WM_CHECK", False);
    wait_until(
        [&] {
            Atom type;
            int format;
            unsigned long n = 0, after;
            unsigned char* data = nullptr;
            XGetWindowProperty(display_, DefaultRootWindow(display_), check, 0, 1, False, XA_WINDOW,
                               &type, &format, &n, &after, &data);
            if (data) XFree(data);
            return n == 1;
        },
        10s);
}

XDesktop::~XDesktop() {
    stop(clipboard_);
    stop(manager_);
    if (display_) XCloseDisplay(display_);
    stop(server_);
}

QRect XDesktop::screen() const {
    return QRect(0, 0, DisplayWidth(display_, 0), DisplayHeight(display_, 0));
}

std::vector<std::pair<XWindow, std::string>> XDesktop::windows_of(pid_t pid) const {
    std::vector<std::pair<XWindow, std::string>> out;
    const Atom list = XInternAtom(display_, "_NET_CLIENT_LIST", False);
    const Atom pid_atom = XInternAtom(display_, "_NET_WM_PID", False);
    const Atom name_atom = XInternAtom(display_, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display_, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long n = 0, after;
    unsigned char* data = nullptr;
    XGetWindowProperty(display_, DefaultRootWindow(display_), list, 0, 1024, False, XA_WINDOW,
                       &type, &format, &n, &after, &data);
    if (!data) return out;
    const auto* windows = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long i = 0; i < n; ++i) {
        unsigned char* p = nullptr;
        unsigned long pn = 0;
        XGetWindowProperty(display_, windows[i], pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &pn, &after, &p);
        const bool ours =
            p && pn == 1 && *reinterpret_cast<unsigned long*>(p) == (unsigned long)pid;
        if (p) XFree(p);
        if (!ours) continue;
        unsigned char* t = nullptr;
        unsigned long tn = 0;
        XGetWindowProperty(display_, windows[i], name_atom, 0, 256, False, utf8, &type, &format,
                           &tn, &after, &t);
        out.emplace_back(windows[i], t ? std::string(reinterpret_cast<char*>(t), tn) : "");
        if (t) XFree(t);
    }
    XFree(data);
    return out;
}

QRect XDesktop::geometry(XWindow w) const {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(display_, w, &a)) return {};
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return QRect(x, y, a.width, a.height);
}

QImage XDesktop::grab(QRect area) const {
    area &= screen();
    if (area.isEmpty()) return {};
    XImage* image = XGetImage(display_, DefaultRootWindow(display_), area.x(), area.y(),
                              area.width(), area.height(), AllPlanes, ZPixmap);
    if (!image) return {};
    QImage out(area.width(), area.height(), QImage::Format_RGB32);
    for (int y = 0; y < area.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < area.width(); ++x) row[x] = 0xFF000000u | XGetPixel(image, x, y);
    }
    XDestroyImage(image);
    return out;
}

void XDesktop::sync() const {
    XSync(display_, False);
}

void XDesktop::move_to(QPoint p) {
    XTestFakeMotionEvent(display_, 0, p.x(), p.y(), CurrentTime);
    sync();
}

void XDesktop::click(QPoint p, int button) {
    move_to(p);
    std::this_thread::sleep_for(30ms);
    XTestFakeButtonEvent(display_, button, True, CurrentTime);
    sync();
    std::this_thread::sleep_for(30ms);
    XTestFakeButtonEvent(display_, button, False, CurrentTime);
    sync();
}

void XDesktop::button(int button, bool down) {
    XTestFakeButtonEvent(display_, button, down ? True : False, CurrentTime);
    sync();
}

void XDesktop::key_code(unsigned code, bool down) {
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    sync();
}

void XDesktop::key(const std::string& keysym_name, const std::vector<std::string>& held) {
    std::vector<unsigned> mods;
    for (const auto& h : held) {
        mods.push_back(XKeysymToKeycode(display_, XStringToKeysym(h.c_str())));
        key_code(mods.back(), true);
    }
    const unsigned code = XKeysymToKeycode(display_, XStringToKeysym(keysym_name.c_str()));
    key_code(code, true);
    std::this_thread::sleep_for(20ms);
    key_code(code, false);
    for (auto it = mods.rbegin(); it != mods.rend(); ++it) key_code(*it, false);
    std::this_thread::sleep_for(30ms);
}

void XDesktop::type(const std::string& utf8) {
    int min_code = 0, max_code = 0;
    XDisplayKeycodes(display_, &min_code, &max_code);
    int per = 0;
    KeySym* map = XGetKeyboardMapping(display_, min_code, max_code - min_code + 1, &per);
    std::vector<int> spare;
    for (int code = max_code; code >= min_code && spare.size() < 64; --code) {
        bool empty = true;
        for (int k = 0; k < per; ++k) empty = empty && map[(code - min_code) * per + k] == NoSymbol;
        if (empty) spare.push_back(code);
    }
    XFree(map);
    const unsigned shift = XKeysymToKeycode(display_, XK_Shift_L);
    for (char32_t cp : code_points(utf8)) {
        const KeySym sym = keysym_of(cp);
        unsigned code = XKeysymToKeycode(display_, sym);
        bool shifted = false;
        if (code != 0 && sym < 0x100) {
            // A Latin key: shifted when its first keysym is not this one.
            shifted = XkbKeycodeToKeysym(display_, code, 0, 0) != sym &&
                      XkbKeycodeToKeysym(display_, code, 0, 1) == sym;
        }
        if (code == 0 || (sym >= 0x100 && sym != XK_Return)) {
            if (!borrowed_.count(sym)) {
                if (spare.empty()) continue;
                const int c = spare.back();
                spare.pop_back();
                KeySym syms[2] = {sym, sym};
                XChangeKeyboardMapping(display_, c, 2, syms, 1);
                sync();
                borrowed_[sym] = c;
                // The client reads the new keyboard map before the key arrives.
                std::this_thread::sleep_for(150ms);
            }
            code = borrowed_[sym];
        }
        if (shifted) key_code(shift, true);
        key_code(code, true);
        std::this_thread::sleep_for(15ms);
        key_code(code, false);
        if (shifted) key_code(shift, false);
        std::this_thread::sleep_for(25ms);
    }
    sync();
}

void XDesktop::set_clipboard(const std::string& utf8) {
    stop(clipboard_);
    int fds[2];
    if (pipe(fds) != 0) return;
    clipboard_ = spawn({"xclip", "-quiet", "-selection", "clipboard", "-t", "UTF8_STRING", "-i"},
                       {{"DISPLAY", name_}}, "/dev/null", -1, fds[0]);
    close(fds[0]);
    [[maybe_unused]] const ssize_t written = write(fds[1], utf8.data(), utf8.size());
    close(fds[1]);
    // xclip owns the selection once it has read its input.
    const Atom clipboard = XInternAtom(display_, "CLIPBOARD", False);
    wait_until([&] { return XGetSelectionOwner(display_, clipboard) != None; }, 5s);
}

// ---- the game ----

GameProcess::GameProcess(XDesktop& desktop, const std::filesystem::path& folder,
                         const std::filesystem::path& config, std::vector<std::string> args)
    : desktop_(desktop) {
    log_ = folder / "game-output.txt";
    std::vector<std::string> argv{QUILLMOOR_BINARY, "--folder", folder.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    pid_ = spawn(argv,
                 {{"DISPLAY", desktop.name()},
                  {"QT_QPA_PLATFORM", "xcb"},
                  {"SDL_AUDIODRIVER", "dummy"},
                  {"XDG_CONFIG_HOME", config.string()},
                  {"QT_IM_MODULE", ""},
                  {"QT_ACCESSIBILITY", "0"},
                  {"NO_AT_BRIDGE", "1"},
                  // The sanitized build's leak check at the end would be counted in the time
                  // the game takes to end; the other tests look for leaks.
                  {"ASAN_OPTIONS", "detect_leaks=0"}},
                 log_.string());
}

GameProcess::~GameProcess() {
    if (!exited_ && pid_ > 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

bool GameProcess::wait_for_window(std::chrono::milliseconds limit) {
    return wait_until(
        [&] {
            for (const auto& [w, title] : desktop_.windows_of(pid_)) {
                if (title.rfind("Quillmoor", 0) != 0) continue;
                XWindowAttributes a{};
                if (XGetWindowAttributes(desktop_.display(), w, &a) && a.map_state == IsViewable &&
                    a.width >= kBoardWidth) {
                    window_ = w;
                    return true;
                }
            }
            return false;
        },
        limit);
}

QRect GameProcess::geometry() const {
    return desktop_.geometry(window_);
}

int GameProcess::scale() const {
    return std::max(1, geometry().width() / kBoardWidth);
}

QPoint GameProcess::on_screen(QPoint board) const {
    const QRect g = geometry();
    const int s = std::min(g.width() / kBoardWidth, g.height() / kBoardHeight);
    const QPoint origin((g.width() - kBoardWidth * s) / 2, (g.height() - kBoardHeight * s) / 2);
    return g.topLeft() + origin + board * s + QPoint(s / 2, s / 2);
}

void GameProcess::click_board(QPoint board, int button) {
    desktop_.click(on_screen(board), button);
}

void GameProcess::move_to_board(QPoint board) {
    desktop_.move_to(on_screen(board));
}

QImage GameProcess::grab_board(QRect area) const {
    const QRect g = geometry();
    const int s = std::max(1, std::min(g.width() / kBoardWidth, g.height() / kBoardHeight));
    const QPoint origin((g.width() - kBoardWidth * s) / 2, (g.height() - kBoardHeight * s) / 2);
    const QImage shot =
        desktop_.grab(QRect(g.topLeft() + origin + area.topLeft() * s, area.size() * s));
    return s == 1 ? shot : shot.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QImage GameProcess::grab_window() const {
    return desktop_.grab(geometry());
}

void GameProcess::signal(int sig) {
    kill(pid_, sig);
}

bool GameProcess::wait_exit(std::chrono::milliseconds limit, int* status) {
    int st = 0;
    const bool ended = wait_until(
        [&] {
            if (exited_) return true;
            if (waitpid(pid_, &st, WNOHANG) == pid_) exited_ = true;
            return exited_;
        },
        limit);
    if (ended && status) *status = st;
    return ended;
}

bool GameProcess::running() {
    return !wait_exit(0ms);
}

std::string GameProcess::output() const {
    std::ifstream in(log_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace quill::desktop
