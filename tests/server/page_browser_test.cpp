// The host's page at / in a real browser: headless Chromium driven through chromedriver
// (WebDriver over HTTP on loopback). The ranking and the reports show in Japanese, a stored
// "<script>" is text that never runs, and a phone's width reads without sideways scrolling.
#include <gtest/gtest.h>

#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>

#include "server_process.h"
#include "wire.h"

namespace quill::server_test {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";
constexpr const char* kDriver = "/usr/bin/chromedriver";

int free_port() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
    close(fd);
    return ntohs(addr.sin_port);
}

// A JSON text as a JSON string literal.
std::string json_string(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// The string value after `"key":` in a WebDriver answer (escapes undone; \uXXXX of the
// basic plane as UTF-8).
std::string string_value(const std::string& json, const std::string& key) {
    size_t at = json.find("\"" + key + "\"");
    if (at == std::string::npos) return {};
    at = json.find('"', json.find(':', at) + 1);
    if (at == std::string::npos) return {};
    std::string out;
    for (size_t i = at + 1; i < json.size() && json[i] != '"'; ++i) {
        if (json[i] != '\\' || i + 1 >= json.size()) {
            out += json[i];
            continue;
        }
        const char e = json[++i];
        if (e == 'n') {
            out += '\n';
        } else if (e == 't') {
            out += '\t';
        } else if (e == 'u' && i + 4 < json.size()) {
            const unsigned cp = std::stoul(json.substr(i + 1, 4), nullptr, 16);
            i += 4;
            if (cp < 0x80) {
                out += static_cast<char>(cp);
            } else if (cp < 0x800) {
                out += static_cast<char>(0xC0 | (cp >> 6));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (cp >> 12));
                out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (cp & 0x3F));
            }
        } else {
            out += e;
        }
    }
    return out;
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
    int bits = 0, buffer = 0;
    for (char c : text) {
        const int v = value(c);
        if (v < 0) continue;
        buffer = (buffer << 6) | v;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return out;
}

// chromedriver on a loopback port of its own, and one headless Chromium session.
class Browser {
  public:
    // A phone (390 × 844 CSS pixels, as the device's own viewport) or a desktop window.
    explicit Browser(bool phone) : port_(free_port()) {
        pid_ = fork();
        if (pid_ == 0) {
            const std::string port = "--port=" + std::to_string(port_);
            execl(kDriver, kDriver, port.c_str(), "--allowed-ips=127.0.0.1",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        httplib::Client c = client();
        for (int i = 0; i < 100; ++i) {
            auto res = c.Get("/status");
            if (res && res->body.find("\"ready\":true") != std::string::npos) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        const std::string capabilities =
            R"({"capabilities":{"alwaysMatch":{"browserName":"chrome","goog:chromeOptions":)"
            R"({"binary":")" +
            std::string(kChromium) +
            R"(","args":["--headless=new","--no-sandbox","--disable-gpu",)"
            R"("--disable-dev-shm-usage","--window-size=1280,900","--lang=ja"])" +
            std::string(phone ? R"(,"mobileEmulation":{"deviceMetrics":)"
                                R"({"width":390,"height":844,"pixelRatio":2}})"
                              : "") +
            "}}}}";
        auto res = c.Post("/session", capabilities, "application/json");
        if (res) session_ = string_value(res->body, "sessionId");
        if (session_.empty() && res) std::cerr << "chromedriver: " << res->body << '\n';
    }
    ~Browser() {
        if (!session_.empty()) client().Delete("/session/" + session_);
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool ready() const { return !session_.empty(); }

    void go(const std::string& url) { command("/url", "{\"url\":" + json_string(url) + "}"); }
    // Runs the script in the page; its answer as a string.
    std::string run(const std::string& script) {
        return string_value(
            command("/execute/sync", "{\"script\":" + json_string(script) + ",\"args\":[]}"),
            "value");
    }
    bool screenshot(const std::filesystem::path& png) {
        auto res = client().Get("/session/" + session_ + "/screenshot");
        if (!res) return false;
        std::ofstream(png, std::ios::binary) << from_base64(string_value(res->body, "value"));
        return true;
    }

  private:
    httplib::Client client() const {
        httplib::Client c("127.0.0.1", port_);
        c.set_read_timeout(30);
        c.set_connection_timeout(5);
        return c;
    }
    std::string command(const std::string& path, const std::string& body) {
        auto res = client().Post("/session/" + session_ + path, body, "application/json");
        return res ? res->body : std::string();
    }

    int port_;
    pid_t pid_ = -1;
    std::string session_;
};

TEST(PageInABrowser, ShowsTheIslandInJapaneseRunsNoStoredScriptAndFitsAPhone) {
    ASSERT_TRUE(std::filesystem::exists(kChromium) && std::filesystem::exists(kDriver))
        << "Chromium and chromedriver are needed (scripts/install-deps.sh installs them)";
    testing_support::TempFolder folder;
    ServerProcess server(folder.path() / "island.db", {"--notice", "ようこそ、嵐の島へ"});
    ASSERT_TRUE(server.running());
    httplib::Client c = server.client();
    auto post = [&c](const char* path, const std::string& body) {
        auto res = c.Post(path, body, "text/plain");
        return res && res->status == 200;
    };
    ASSERT_TRUE(post("/zkv/zkv_rank.exe?write", rank_body(adventurer("ミナト", 1, 900))));
    ASSERT_TRUE(post("/zkv/zkv_rank.exe?write", rank_body(adventurer("<script>", 2, 500))));
    ASSERT_TRUE(post("/zkv/zkv_rank.exe?write",
                     rank_body(adventurer("とても長い名前の冒険者ですよ本当に長いのです", 3, 10))));
    ASSERT_TRUE(post("/zkv/zkv_report.exe?write",
                     report_body("ミナト", "<入島>ミナトがワールドに降り立った....")));
    const std::string attack =
        "<script>document.title='pwned';document.body.dataset.pwned='1'</script>";
    ASSERT_TRUE(post("/zkv/zkv_report.exe?write", report_body("ハル", attack, 8)));

    Browser browser(true);
    ASSERT_TRUE(browser.ready()) << "no WebDriver session";
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/";
    browser.go(url);
    const std::string title = browser.run("return document.title;");
    const std::string text = browser.run("return document.body.innerText;");
    EXPECT_EQ(browser.run("return document.body.dataset.pwned || 'no';"), "no");
    EXPECT_NE(title, "pwned");
    for (const char* shown : {"ミナト", "ハル", "<入島>ミナトがワールドに降り立った....",
                              "<script>", "ようこそ、嵐の島へ"}) {
        EXPECT_NE(text.find(shown), std::string::npos) << shown << " is not on the page:\n" << text;
    }
    EXPECT_NE(text.find(attack), std::string::npos) << "the stored script shows as text";
    // A phone's width: nothing sticks out sideways (the tables scroll in their own boxes),
    // and the text is not tiny.
    EXPECT_EQ(browser.run("return String(window.innerWidth);"), "390");
    EXPECT_EQ(browser.run("return String(document.documentElement.scrollWidth <= "
                          "window.innerWidth + 1);"),
              "true")
        << browser.run(
               "return document.documentElement.scrollWidth + ' > ' + "
               "window.innerWidth;");
    EXPECT_EQ(browser.run("return String([...document.querySelectorAll('body *')].every(e => "
                          "!e.innerText || parseFloat(getComputedStyle(e).fontSize) >= 12));"),
              "true");
    const auto phone = folder.path() / "page-phone.png";
    ASSERT_TRUE(browser.screenshot(phone));
    Browser wide(false);
    ASSERT_TRUE(wide.ready());
    wide.go(url);
    EXPECT_EQ(wide.run("return document.body.dataset.pwned || 'no';"), "no");
    const auto desktop = folder.path() / "page-desktop.png";
    ASSERT_TRUE(wide.screenshot(desktop));
    EXPECT_GT(std::filesystem::file_size(phone), 1000u);
    // To look at them: QUILLMOOR_KEEP_SHOTS=DIR keeps the pictures there.
    if (const char* keep = std::getenv("QUILLMOOR_KEEP_SHOTS")) {
        std::filesystem::copy_file(phone, std::filesystem::path(keep) / "page-phone.png",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::copy_file(desktop, std::filesystem::path(keep) / "page-desktop.png",
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

}  // namespace
}  // namespace quill::server_test
