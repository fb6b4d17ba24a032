// The host's page at / in a real browser: headless Chromium driven through chromedriver
// (WebDriver's JSON over HTTP, on loopback). The ranking and the reports show in Japanese,
// stored markup is text that never runs, and a phone's width reads without sideways
// scrolling. Screenshots of a phone and a desktop go to the test's temporary folder; with
// QUILLMOOR_KEEP_SHOTS=DIR they are copied there to look at.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr const char* kChromium = "/usr/bin/chromium";
constexpr const char* kDriver = "/usr/bin/chromedriver";
constexpr const char* kPageTitle = "Quillmoor ランキングサーバー";

// Would leave a mark on the page if the browser ran it.
constexpr const char* kScriptAttack =
    "<script>document.title='pwned';document.body.setAttribute('data-pwned','1')</script>";
constexpr const char* kImageAttack = "<img src=x onerror=\"document.body.dataset.pwned='2'\">";
constexpr const char* kMarkupName = "<b id=pwned>ハル</b>";
constexpr const char* kLongName = "とても長い名前の冒険者ですよ本当に長いのです";
constexpr const char* kUnbrokenName = "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";  // 32, no break
constexpr const char* kLongReport =
    "<発見>ミナトは霧の森の奥で古びた石碑を見つけた。そこには読めない文字がびっしりと刻まれて"
    "いて、手でなぞると遠くで鐘の音がした。誰が何のために建てたのだろうか。";

int free_port() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return 0;
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    int port = 0;
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
        port = ntohs(addr.sin_port);
    }
    close(fd);
    return port;
}

// A text as a JSON string.
std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void append_utf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The JSON string that starts at json[at] (a quote), escapes undone; `at` ends past it.
std::string read_json_string(const std::string& json, size_t& at) {
    std::string out;
    for (++at; at < json.size() && json[at] != '"'; ++at) {
        if (json[at] != '\\' || at + 1 >= json.size()) {
            out += json[at];
            continue;
        }
        const char e = json[++at];
        if (e == 'n') {
            out += '\n';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'r') {
            out += '\r';
        } else if (e == 'b' || e == 'f') {
        } else if (e == 'u' && at + 4 < json.size()) {
            unsigned cp = std::stoul(json.substr(at + 1, 4), nullptr, 16);
            at += 4;
            if (cp >= 0xD800 && cp < 0xDC00 && at + 6 < json.size() && json[at + 1] == '\\' &&
                json[at + 2] == 'u') {
                const unsigned low = std::stoul(json.substr(at + 3, 4), nullptr, 16);
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                at += 6;
            }
            append_utf8(out, cp);
        } else {
            out += e;
        }
    }
    ++at;
    return out;
}

// The string after the first `"key":` of a WebDriver answer; nothing when the key is missing
// or its value is not a string.
std::optional<std::string> string_field(const std::string& json, const std::string& key) {
    size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return std::nullopt;
    at = json.find(':', at);
    if (at == std::string::npos) return std::nullopt;
    at = json.find_first_not_of(" \t\r\n", at + 1);
    if (at == std::string::npos || json[at] != '"') return std::nullopt;
    return read_json_string(json, at);
}

std::string from_base64(const std::string& text) {
    auto value = [](char c) -> int {
        if (c >= 'A' && c <= 'Z') return c - 'A';
        if (c >= 'a' && c <= 'z') return c - 'a' + 26;
        if (c >= '0' && c <= '9') return c - '0' + 52;
        if (c == '+') return 62;
        if (c == '/') return 63;
        return -1;
    };
    std::string out;
    out.reserve(text.size() * 3 / 4);
    int bits = 0, buffer = 0;
    for (char c : text) {
        const int v = value(c);
        if (v < 0) continue;
        buffer = ((buffer << 6) | v) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

std::string file_text(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// chromedriver on a loopback port of its own, in a process group of its own so that the
// browser it starts goes with it.
class Driver {
  public:
    explicit Driver(const fs::path& folder) : log_(folder / "chromedriver.log") {
        for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) start();
    }
    ~Driver() { stop(); }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    bool running() const { return port_ != 0; }
    std::string log() const { return file_text(log_); }

    // One request; the answer's body, or a failure that says what went wrong.
    std::string send(const std::string& method, const std::string& path,
                     const std::string& body = {}) {
        httplib::Client c("127.0.0.1", port_);
        c.set_connection_timeout(5);
        c.set_read_timeout(30);
        httplib::Result res = method == "GET"    ? c.Get(path)
                              : method == "POST" ? c.Post(path, body, "application/json")
                                                 : c.Delete(path);
        if (!res) {
            ADD_FAILURE() << method << " " << path << ": no answer from chromedriver ("
                          << httplib::to_string(res.error()) << ")";
            return {};
        }
        if (res->status != 200) {
            ADD_FAILURE() << method << " " << path << ": " << res->status << " "
                          << res->body.substr(0, 600);
        }
        return res->body;
    }

  private:
    void start() {
        const int port = free_port();
        if (port == 0) return;
        const std::string port_arg = "--port=" + std::to_string(port);
        const pid_t test = getpid();
        const pid_t pid = fork();
        if (pid < 0) return;
        if (pid == 0) {
            // The group's leader, there only to end the whole group (chromedriver and the
            // browser it started) when chromedriver stops, when told to (SIGTERM) or when the
            // test itself dies, even killed.
            setpgid(0, 0);
            sigset_t wake;
            sigemptyset(&wake);
            sigaddset(&wake, SIGTERM);
            sigaddset(&wake, SIGCHLD);
            sigprocmask(SIG_BLOCK, &wake, nullptr);
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != test) _exit(0);
            const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
            if (log >= 0) {
                dup2(log, STDOUT_FILENO);
                dup2(log, STDERR_FILENO);
            }
            const pid_t driver = fork();
            if (driver == 0) {
                sigprocmask(SIG_UNBLOCK, &wake, nullptr);
                execl(kDriver, kDriver, port_arg.c_str(), "--allowed-ips=127.0.0.1",
                      static_cast<char*>(nullptr));
                _exit(127);
            }
            int signal_number = 0;
            if (driver > 0) sigwait(&wake, &signal_number);
            kill(0, SIGKILL);
            _exit(0);
        }
        setpgid(pid, pid);
        pid_ = pid;
        port_ = port;
        httplib::Client c("127.0.0.1", port);
        c.set_connection_timeout(1);
        c.set_read_timeout(5);
        const auto deadline = Clock::now() + std::chrono::seconds(15);
        while (Clock::now() < deadline) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) {  // gone: the port was taken, maybe
                pid_ = -1;
                port_ = 0;
                return;
            }
            auto res = c.Get("/status");
            if (res && res->body.find("\"ready\":true") != std::string::npos) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stop();
    }

    void stop() {
        port_ = 0;
        if (pid_ <= 0) return;
        const pid_t pid = pid_;
        pid_ = -1;
        kill(-pid, SIGTERM);
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < deadline) {
            if (waitpid(pid, nullptr, WNOHANG) == pid) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        kill(-pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    fs::path log_;
    pid_t pid_ = -1;
    int port_ = 0;
};

// One headless Chromium window, quit when the object goes.
class Browser {
  public:
    // phone: a phone's screen (390 × 844 CSS pixels, twice as many device pixels), where the
    // page's viewport tag counts as on a real phone; otherwise a desktop window of that size.
    Browser(Driver& driver, const fs::path& profile, bool phone, int width, int height)
        : driver_(driver) {
        const std::string size = std::to_string(width) + "," + std::to_string(height);
        std::string options = "{\"binary\":" + json_string(kChromium) +
                              ",\"args\":[\"--headless=new\",\"--no-sandbox\",\"--disable-gpu\","
                              "\"--disable-dev-shm-usage\",\"--lang=ja\",\"--window-size=" +
                              size + "\",\"--user-data-dir=" + profile.string() + "\"]";
        if (phone) {
            options +=
                ",\"mobileEmulation\":{\"deviceMetrics\":{\"width\":" + std::to_string(width) +
                ",\"height\":" + std::to_string(height) +
                ",\"pixelRatio\":2,\"mobile\":true,\"touch\":true}}";
        }
        options += "}";
        const std::string capabilities =
            "{\"capabilities\":{\"alwaysMatch\":{\"browserName\":\"chrome\","
            "\"timeouts\":{\"pageLoad\":15000,\"script\":5000,\"implicit\":0},"
            "\"goog:chromeOptions\":" +
            options + "}}}";
        session_ = string_field(driver_.send("POST", "/session", capabilities), "sessionId")
                       .value_or(std::string());
    }
    ~Browser() {
        if (!session_.empty()) driver_.send("DELETE", "/session/" + session_);
    }
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    bool ready() const { return !session_.empty(); }

    void go(const std::string& url) { command("/url", "{\"url\":" + json_string(url) + "}"); }
    // Runs the script in the page; its answer, which must be a string.
    std::string run(const std::string& script) {
        const std::string answer =
            command("/execute/sync", "{\"script\":" + json_string(script) + ",\"args\":[]}");
        std::optional<std::string> value = string_field(answer, "value");
        if (!value) ADD_FAILURE() << "no text from: " << script << "\n" << answer.substr(0, 600);
        return value.value_or(std::string());
    }
    void resize(int width, int height) {
        command("/window/rect", "{\"width\":" + std::to_string(width) +
                                    ",\"height\":" + std::to_string(height) + "}");
    }
    // What the window shows of the page, as a PNG file.
    bool screenshot(const fs::path& png) {
        const std::optional<std::string> data =
            string_field(driver_.send("GET", "/session/" + session_ + "/screenshot"), "value");
        if (!data) return false;
        std::ofstream(png, std::ios::binary) << from_base64(*data);
        return fs::file_size(png) > 1000;
    }

  private:
    std::string command(const std::string& path, const std::string& body) {
        return driver_.send("POST", "/session/" + session_ + path, body);
    }

    Driver& driver_;
    std::string session_;
};

// None of the stored markup became markup of the page.
void expect_nothing_ran(Browser& browser, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(browser.run("return document.title;"), kPageTitle);
    EXPECT_EQ(browser.run("return String(document.body.hasAttribute('data-pwned'));"), "false");
    EXPECT_EQ(browser.run("return String(document.getElementById('pwned'));"), "null");
    EXPECT_EQ(browser.run("return String(document.scripts.length + document.images.length);"), "0");
}

// At a narrow width: nothing sticks out sideways (the tables scroll in boxes of their own)
// and no text is smaller than 12 CSS pixels.
void expect_fits(Browser& browser, const std::string& width, const std::string& where) {
    SCOPED_TRACE(where);
    EXPECT_EQ(browser.run("return String(window.innerWidth);"), width);
    EXPECT_EQ(browser.run("return String(document.documentElement.scrollWidth <= "
                          "window.innerWidth + 1);"),
              "true")
        << "the page scrolls sideways: "
        << browser.run("return document.documentElement.scrollWidth + ' > ' + innerWidth;");
    EXPECT_EQ(browser.run("return [...document.querySelectorAll('body *')]"
                          ".filter(e => [...e.childNodes].some(n => n.nodeType == 3 && "
                          "n.textContent.trim()) && parseFloat(getComputedStyle(e).fontSize) < 12)"
                          ".map(e => e.tagName + ' ' + getComputedStyle(e).fontSize).join(', ');"),
              "")
        << "text smaller than 12 px";
    const std::string cell = browser.run(
        "return getComputedStyle(document.querySelector('#reports td.text')).fontSize;");
    EXPECT_GE(std::atof(cell.c_str()), 12.0) << "the reports' text is " << cell;
}

void keep(const fs::path& png) {
    std::cout << "screenshot: " << png.string() << '\n';
    const char* dir = std::getenv("QUILLMOOR_KEEP_SHOTS");
    if (dir == nullptr || *dir == '\0') return;
    std::error_code error;
    fs::create_directories(dir, error);
    const fs::path kept = fs::path(dir) / png.filename();
    fs::copy_file(png, kept, fs::copy_options::overwrite_existing, error);
    if (error) {
        ADD_FAILURE() << "cannot copy " << png << " to " << kept << ": " << error.message();
    } else {
        std::cout << "kept: " << kept.string() << '\n';
    }
}

TEST(PageInABrowser, ShowsTheIslandInJapaneseRunsNoStoredMarkupAndFitsAPhone) {
    ASSERT_TRUE(fs::exists(kChromium) && fs::exists(kDriver))
        << "this test needs Chromium and chromedriver (" << kChromium << ", " << kDriver
        << "): scripts/install-deps.sh installs them, make test runs it first";
    testing_support::TempFolder folder;
    ServerProcess server(folder.path() / "island.db", {"--notice", "ようこそ、嵐の島へ"});
    ASSERT_TRUE(server.running()) << server.log();

    // The island, filled as the game fills it.
    httplib::Client c = server.client();
    auto post = [&c](const char* path, const std::string& body) {
        auto res = c.Post(path, body, "text/plain; charset=Shift_JIS");
        return res && res->status == 200;
    };
    const char* rank = "/zkv/zkv_rank.exe?write";
    const char* report = "/zkv/zkv_report.exe?write";
    net::RankFields minato = adventurer("ミナト", 1, 900);
    minato[3] = "2";
    net::RankFields haru = adventurer(kMarkupName, 2, 500);
    haru[22] = sj(kImageAttack);
    ASSERT_TRUE(post(rank, rank_body(minato)));
    ASSERT_TRUE(post(rank, rank_body(haru)));
    ASSERT_TRUE(post(rank, rank_body(adventurer(kLongName, 3, 40))));
    ASSERT_TRUE(post(rank, rank_body(adventurer(kUnbrokenName, 4, 10))));
    ASSERT_TRUE(
        post(report, report_body("ミナト", "<入島>ミナトがワールドに降り立った....", 1, 2)));
    ASSERT_TRUE(post(report, report_body(kMarkupName, kScriptAttack, 2)));
    ASSERT_TRUE(post(report, report_body("ミナト", kLongReport, 1, 2)));
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/";

    Driver driver(folder.path());
    ASSERT_TRUE(driver.running()) << "chromedriver did not start:\n" << driver.log();

    // A phone.
    {
        Browser phone(driver, folder.path() / "phone-profile", true, 390, 844);
        ASSERT_TRUE(phone.ready()) << "no browser session:\n" << driver.log();
        phone.go(url);
        expect_nothing_ran(phone, "phone");
        const std::string text = phone.run("return document.body.innerText;");
        for (const char* shown : {"ようこそ、嵐の島へ", "ランキング", "ワールドサイト",
                                  "見習い冒険者", kScriptAttack, kImageAttack, kMarkupName}) {
            EXPECT_NE(text.find(shown), std::string::npos) << shown << " is not on the page:\n"
                                                           << text;
        }
        // The reports, newest first, and the ranking, best first, each in its own list.
        EXPECT_EQ(phone.run("return [...document.querySelectorAll('#reports td.text')]"
                            ".map(e => e.innerText).join('|');"),
                  std::string("ミナト|") + kLongReport + "|" + kMarkupName + "|" + kScriptAttack +
                      "|ミナト|<入島>ミナトがワールドに降り立った....");
        EXPECT_EQ(phone.run("return [...document.querySelectorAll('#ranking td.text')]"
                            ".map(e => e.innerText).join('|');"),
                  std::string("ミナト|") + kMarkupName + "|" + kLongName + "|" + kUnbrokenName);
        expect_fits(phone, "390", "phone");
        const fs::path png = folder.path() / "page-phone.png";
        EXPECT_TRUE(phone.screenshot(png));
        keep(png);
    }

    // A desktop window, then the same window made as narrow as a phone.
    {
        Browser desktop(driver, folder.path() / "desktop-profile", false, 1280, 900);
        ASSERT_TRUE(desktop.ready()) << "no browser session:\n" << driver.log();
        desktop.go(url);
        expect_nothing_ran(desktop, "desktop");
        EXPECT_EQ(desktop.run("return String(document.documentElement.scrollWidth <= "
                              "window.innerWidth + 1);"),
                  "true");
        const fs::path png = folder.path() / "page-desktop.png";
        EXPECT_TRUE(desktop.screenshot(png));
        keep(png);
        desktop.resize(390, 844);
        desktop.go(url);
        expect_fits(desktop, "390", "narrow window");
    }
}

}  // namespace
}  // namespace quill::server_test
