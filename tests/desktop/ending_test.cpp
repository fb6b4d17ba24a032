// Ending the game from outside: SIGTERM from the desktop, Ctrl+C (SIGINT) in the terminal of
// `make play`, a closed terminal (SIGHUP).
#include <sys/wait.h>

#include <csignal>
#include <fstream>
#include <thread>

#include "desktop_fixture.h"
#include "state/game.h"
#include "state/save_files.h"

namespace quill::desktop {
namespace {

class Ending : public DesktopTest {};

TEST_F(Ending, ASignalEndsTheGameWithinASecondAndTheSaveReadsWhole) {
    program.write_island_save(5);
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        start();
        pass_title();  // on the island
        std::this_thread::sleep_for(500ms);
        const auto asked = std::chrono::steady_clock::now();
        game->signal(sig);
        int status = 0;
        ASSERT_TRUE(game->wait_exit(1000ms, &status)) << "still running a second later";
        EXPECT_LT(std::chrono::steady_clock::now() - asked, 1000ms);
        EXPECT_TRUE(WIFEXITED(status)) << "ended by the signal itself";
        EXPECT_EQ(WEXITSTATUS(status), 0);
        auto saved = read_whole_save(program.save());
        ASSERT_TRUE(saved) << "the save does not read whole";
        EXPECT_EQ(saved->adventurer().name, "ルカ");
        EXPECT_EQ(saved->adventurer().level, 5);
    }
}

TEST_F(Ending, ASignalWhileAQuestionIsOpenAnswersNoAndEnds) {
    program.write_island_save(5);
    start();
    std::this_thread::sleep_for(500ms);
    desktop.key("F1");  // on the credit picture: the question whether to start anew
    ASSERT_TRUE(wait_until([&] { return desktop.windows_of(game->pid()).size() >= 2; }, 10s))
        << "no question was asked";
    game->signal(SIGTERM);
    int status = 0;
    ASSERT_TRUE(game->wait_exit(1000ms, &status));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    // Not answered "yes": the adventurer is still there.
    auto saved = read_whole_save(program.save());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->state.event_flags[0], 1);
    EXPECT_EQ(saved->adventurer().name, "ルカ");
    EXPECT_EQ(saved->adventurer().level, 5);
}

}  // namespace
}  // namespace quill::desktop
