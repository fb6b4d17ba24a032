// quillmoor-server: the ranking server of Quillmoor's network mode. Players point their game
// at it; it keeps the island's ranking and report list in one SQLite file.

#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "platform/text_codec.h"
#include "server/connection_guard.h"
#include "server/routes.h"
#include "server/store.h"

namespace {

constexpr const char* kUsage = R"(Usage: quillmoor-server [OPTION]...
The ranking server of Quillmoor's network mode: the ranking, the shared reports, and a page
to look at both in a browser (http://HOST:PORT/).

  --listen HOST:PORT        where to listen (default 127.0.0.1:8229; port 0 picks a free one;
                            0.0.0.0:8229 lets other computers in)
  --db FILE                 the database file (default quillmoor-server.db)
  --notice TEXT             a notice line every player sees in the game's log
  --max-body BYTES          the largest upload accepted (default 16384, at most 1048576)
  --max-connections N       connections open at once (default 512); beyond, the longest
                            idle ones are closed
  --writes-per-minute N     uploads and reports one address may send per minute
                            (default 30; 0: no limit)
  --help                    this text

On start the server prints "listening on HOST:PORT". SIGINT or SIGTERM stops it.
)";

struct Options {
    std::string host = "127.0.0.1";
    int port = 8229;
    std::string db = "quillmoor-server.db";
    std::string notice;
    long long max_body = 16384;
    long long max_connections = 512;
    long long writes_per_minute = 30;
};

std::optional<long long> parse_count(std::string_view text) {
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// "HOST:PORT" or "[v6 address]:PORT".
bool parse_listen(std::string_view text, Options& options) {
    const size_t colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    std::string_view host = text.substr(0, colon);
    if (host.starts_with('[') && host.ends_with(']')) host = host.substr(1, host.size() - 2);
    const std::optional<long long> port = parse_count(text.substr(colon + 1));
    if (host.empty() || !port || *port > 65535) return false;
    options.host = std::string(host);
    options.port = static_cast<int>(*port);
    return true;
}

// Nothing and a message on standard error when the command line is wrong.
std::optional<Options> parse_options(int argc, char** argv, bool& help) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return options;
        }
        if (i + 1 >= argc) {
            std::cerr << "quillmoor-server: " << arg
                      << (arg.starts_with("--") ? " needs a value" : ": unknown option") << '\n';
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bool ok = true;
        if (arg == "--listen") {
            ok = parse_listen(value, options);
        } else if (arg == "--db") {
            options.db = std::string(value);
            ok = !value.empty();
        } else if (arg == "--notice") {
            options.notice = std::string(value);
        } else if (arg == "--max-body") {
            const auto n = parse_count(value);
            ok = n && *n > 0 && *n <= 1048576;
            if (ok) options.max_body = *n;
        } else if (arg == "--max-connections") {
            const auto n = parse_count(value);
            ok = n && *n >= 1 && *n <= 100000;
            if (ok) options.max_connections = *n;
        } else if (arg == "--writes-per-minute") {
            const auto n = parse_count(value);
            ok = n && *n <= 1000000;
            if (ok) options.writes_per_minute = *n;
        } else {
            std::cerr << "quillmoor-server: unknown option " << arg << " (see --help)\n";
            return std::nullopt;
        }
        if (!ok) {
            std::cerr << "quillmoor-server: bad value for " << arg << ": " << value << '\n';
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    bool help = false;
    const std::optional<Options> options = parse_options(argc, argv, help);
    if (help) {
        std::cout << kUsage;
        return 0;
    }
    if (!options) return 2;

    quill::server::ServerSettings settings;
    settings.max_body = static_cast<size_t>(options->max_body);
    settings.writes_per_minute = static_cast<int>(options->writes_per_minute);
    if (!options->notice.empty()) {
        const std::optional<std::string> notice = platform::to_cp932(options->notice);
        if (!notice || notice->find_first_of("\r\n") != std::string::npos) {
            std::cerr << "quillmoor-server: the notice must be one line of text the game can "
                         "show (code page 932)\n";
            return 2;
        }
        settings.notice_utf8 = options->notice;
        settings.notice_cp932 = *notice;
    }

    std::string error;
    std::unique_ptr<quill::server::Store> store = quill::server::Store::open(options->db, error);
    if (!store) {
        std::cerr << "quillmoor-server: cannot open the database " << options->db << ": " << error
                  << '\n';
        return 1;
    }

    // SIGINT and SIGTERM are taken by one thread of their own, which stops the server; every
    // other thread (the request workers included) inherits the blocked mask.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    // A client that goes away mid-answer must not end the server.
    signal(SIGPIPE, SIG_IGN);

    // Requests are gathered in a waiting room and answered by the workers only once complete,
    // so a slow or silent client holds no worker; what one client can make the server keep
    // is bounded (see connection_guard.h).
    quill::server::ConnectionLimits limits;
    limits.max_body = settings.max_body;
    limits.max_connections = static_cast<size_t>(options->max_connections);
    // Writes and refusals, a short escaped line each, a flood held to a line a minute (made
    // before the server, so that it outlives the server's workers).
    quill::server::RefusalLog log(std::cerr);
    quill::server::GuardedServer server(limits);
    // The answers' Keep-Alive header says what the waiting room keeps to.
    server.set_keep_alive_timeout(5);
    server.set_keep_alive_max_count(limits.requests_per_connection);
    server.set_refusal_log([&log](const std::string& address, int status, std::string_view reason) {
        log.refusal(address, status, reason);
    });
    quill::server::Routes routes(*store, settings);
    routes.set_log(&log);
    routes.install(server);

    int port = options->port;
    if (port == 0) {
        port = server.bind_to_any_port(options->host);
        if (port < 0) port = 0;
    } else if (!server.bind_to_port(options->host, port)) {
        port = 0;
    }
    if (port == 0) {
        std::cerr << "quillmoor-server: cannot listen on " << options->host << ':' << options->port
                  << '\n';
        return 1;
    }
    // Many players connecting at once wait in the queue instead of being turned away.
    server.widen_backlog(511);
    const bool v6 = options->host.find(':') != std::string::npos;
    std::cout << "listening on " << (v6 ? "[" : "") << options->host << (v6 ? "]" : "") << ':'
              << port << std::endl;

    std::atomic<bool> finished{false};
    std::thread stopper([&] {
        int signal_number = 0;
        sigwait(&stop_signals, &signal_number);
        if (!finished) std::cerr << "quillmoor-server: stopping\n";
        // A signal right at the start can come before the server runs, when stopping it
        // would do nothing yet: keep asking until it has ended.
        while (!finished) {
            server.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    const bool listened = server.listen_after_bind();
    finished = true;
    // Wakes the stopper when the server ended on its own.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return listened ? 0 : 1;
}
