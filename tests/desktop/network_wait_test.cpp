// A network exchange with a server that never answers: the game waits (at most its limit),
// the window stays painted with its sign, and what the player does meanwhile is dropped.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <thread>

#include "desktop_fixture.h"

namespace quill::desktop {
namespace {

// A server that takes connections and never says a word.
class SilentServer {
  public:
    SilentServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        listen(fd_, 16);
        socklen_t n = sizeof a;
        getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &n);
        port_ = ntohs(a.sin_port);
    }
    ~SilentServer() { close(fd_); }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

  private:
    int fd_ = -1;
    int port_ = 0;
};

class NetworkWait : public DesktopTest {};

TEST_F(NetworkWait, ClicksAndKeysDuringAStalledExchangeAreDropped) {
    SilentServer server;
    program.write_island_save(5);
    const auto recording = program.path() / "recording.txt";
    start({"--server", server.url(), "--record", recording.string()});
    // The sign's blue, inside its border, while the game waits for the server.
    const QPoint sign(568, 8);
    pass_title();  // continuing lands on the island, which tells the server
    ASSERT_TRUE(wait_for_colour(sign, qRgb(0, 0, 0x77), 15s)) << "no sign of the exchange";
    const auto waiting_since = std::chrono::steady_clock::now();
    // 冒険へ, clicked while the game waits, and a key.
    const QRect adventure = board_rect(form.map_b1);
    game->click_board(adventure.center());
    desktop.key("Return");
    // The window was painted during the wait (the sign is drawn only then), and the click
    // and the key have not ended it.
    EXPECT_TRUE(wait_for_colour(sign, qRgb(0, 0, 0x77), 2s));
    // The exchanges end within their limit (ten seconds each: the reports and the arrival).
    ASSERT_TRUE(wait_until(
        [&] {
            return !(game->grab_board(QRect(sign, QSize(1, 1))).pixel(0, 0) == qRgb(0, 0, 0x77));
        },
        45s));
    EXPECT_LT(std::chrono::steady_clock::now() - waiting_since, 25s);
    std::this_thread::sleep_for(1500ms);
    game->signal(SIGTERM);
    ASSERT_TRUE(game->wait_exit(2s));
    std::ifstream in(recording);
    const std::string recorded((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    // What reached the game: the two Enters of the title, nothing of the wait.
    EXPECT_EQ(recorded.find("map_b1"), std::string::npos) << recorded;
    size_t enters = 0;
    for (size_t at = recorded.find("key Enter"); at != std::string::npos;
         at = recorded.find("key Enter", at + 1))
        ++enters;
    EXPECT_EQ(enters, 2u) << recorded << game->output();
}

}  // namespace
}  // namespace quill::desktop
