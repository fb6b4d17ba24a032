#include "server_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

namespace quill::server_test {

std::vector<std::string> without_write_limits(std::vector<std::string> extra) {
    for (const char* limit : {"--writes-per-minute", "--reports-per-minute", "--entries-per-day"}) {
        bool given = false;
        for (const std::string& a : extra) given |= a == limit;
        if (!given) extra.insert(extra.end(), {limit, "0"});
    }
    return extra;
}

ServerProcess::ServerProcess(const std::filesystem::path& db, const std::vector<std::string>& extra)
    : log_(db.string() + ".log") {
    std::vector<std::string> args = {QUILLMOOR_SERVER_BINARY, "--listen", "127.0.0.1:0", "--db",
                                     db.string()};
    args.insert(args.end(), extra.begin(), extra.end());

    int out[2];
    if (pipe(out) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], STDOUT_FILENO);
        const int log = open(log_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        if (log >= 0) dup2(log, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    if (pid_ < 0) {
        close(out[0]);
        return;
    }
    // The first line on standard output names the port.
    std::string line;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < deadline) {
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, 200) <= 0) continue;
        char buffer[256];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    const std::string prefix = "listening on 127.0.0.1:";
    if (line.starts_with(prefix)) port_ = std::atoi(line.c_str() + prefix.size());
}

ServerProcess::~ServerProcess() {
    stop();
}

httplib::Client ServerProcess::client() const {
    httplib::Client client("127.0.0.1", port_);
    client.set_connection_timeout(5);
    client.set_read_timeout(20);
    client.set_tcp_nodelay(true);
    return client;
}

int ServerProcess::stop(int signal_number) {
    if (pid_ <= 0) return -1;
    const pid_t pid = pid_;
    pid_ = -1;
    kill(pid, signal_number);
    int status = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

std::string ServerProcess::log() const {
    std::ifstream in(log_);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ServerProcess& ServerFixture::start(std::vector<std::string> extra) {
    server_.reset();
    server_ = std::make_unique<ServerProcess>(db(), without_write_limits(std::move(extra)));
    EXPECT_TRUE(server_->running()) << server_->log();
    return *server_;
}

}  // namespace quill::server_test
