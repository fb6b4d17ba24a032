// A ranking server started for one test: the real program on a free loopback port, with a
// database in a folder of its own, stopped (SIGTERM) when the test ends.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>

#include <httplib.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "../temp_folder.h"

namespace quill::server_test {

using testing_support::TempFolder;

// The arguments with every write limit turned off (writes, reports and new entries per
// address) unless they give it: a test speaks from one address, more often than players do.
std::vector<std::string> without_write_limits(std::vector<std::string> extra);

class ServerProcess {
  public:
    // Starts the server with --listen 127.0.0.1:0, --db `db` and the extra arguments, and
    // waits for its "listening on" line. The server's log goes to `db` + ".log".
    ServerProcess(const std::filesystem::path& db, const std::vector<std::string>& extra = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    bool running() const { return pid_ > 0 && port_ > 0; }
    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    // A client for this server (loopback only).
    httplib::Client client() const;
    // The signal (SIGTERM unless said), then waits; the exit status, or -1 when it had to be
    // killed or was not running.
    int stop(int signal_number = SIGTERM);
    std::string log() const;

  private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::filesystem::path log_;
};

// A test with a server of its own, its database in a fresh folder.
class ServerFixture : public ::testing::Test {
  protected:
    std::filesystem::path db() const { return folder_.path() / "island.db"; }
    // Starts the server (again, when it runs), every write limit off unless given.
    ServerProcess& start(std::vector<std::string> extra = {});

    TempFolder folder_;
    std::unique_ptr<ServerProcess> server_;
};

}  // namespace quill::server_test
