// quillmoor-server: the ranking server of Quillmoor's network mode. Players point their game
// at it; it keeps the island's ranking and report list in one SQLite file.

#include <httplib.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/text_codec.h"
#include "server/block_list.h"
#include "server/connection_guard.h"
#include "server/host_tools.h"
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
  --max-connections N       connections open at once (default 512); beyond, a connection
                            being refused or the longest idle one is closed, else the
                            oldest unfinished request of the address holding the most
  --connections-per-address N
                            connections one address may hold at once (default 32);
                            beyond, it is answered 503
  --body-memory BYTES       upload bodies held in memory at once, all clients together
                            (default 33554432); beyond, 503
  --writes-per-minute N     uploads and reports one address may send per minute
                            (default 30; 0: no limit)
  --reports-per-minute N    reports one address may send per minute, within the writes
                            above (default 10; 0: no limit)
  --entries-per-day N       new ranking entries (a name and player id not stored yet) one
                            address may make within 24 hours (default 10; 0: no limit);
                            uploads to entries already stored are not counted
  --expire-days N           entries not uploaded for N days leave the ranking (their values
                            are kept in its history) and older reports are dropped, at
                            start and then hourly (default 0: kept for ever)
  --block-list FILE         addresses that may read but not write, one a line (default: the
                            database file with ".blocked" added); read at start, on SIGHUP
                            and whenever it changes
  --help                    this text

Host tools: each works on the database of --db (also while a server serves it), prints
what it found or did, and exits without serving. NAME is UTF-8.
  --list-suspicious         entries worth a look: replaced more than 20 times within 24
                            hours, sent from more than one address, or whose score fell or
                            rose faster than the game earns it; and addresses that made
                            more than 5 new entries; all within the last 7 days, one line
                            each with the addresses
  --delete-entry NAME PLAYER_ID
                            takes the entry off the ranking (its value goes to the history)
  --restore-entry NAME PLAYER_ID
                            puts back the entry's value before its current one (which goes
                            to the history); again, and it goes further back
  --history NAME PLAYER_ID  the entry's values, newest first
  --block ADDRESS           adds the address to the block list (see --block-list)
A running server answers with the change within a second.

On start the server prints "listening on HOST:PORT". SIGINT or SIGTERM stops it; SIGHUP
makes it read the block list again.
)";

struct Options {
    std::string host = "127.0.0.1";
    int port = 8229;
    std::string db = "quillmoor-server.db";
    std::string notice;
    long long max_body = 16384;
    long long max_connections = 512;
    long long per_address = 32;
    long long body_memory = 32 * 1024 * 1024;
    long long writes_per_minute = 30;
    long long reports_per_minute = 10;
    long long entries_per_day = 10;
    long long expire_days = 0;
    std::string block_list;  // empty: beside the database
    // A host tool instead of serving: its option and its values.
    std::string tool;
    std::vector<std::string> tool_values;
};

// The host tools and how many values each takes.
struct Tool {
    std::string_view option;
    int values;
};
constexpr Tool kTools[] = {{"--list-suspicious", 0},
                           {"--delete-entry", 2},
                           {"--restore-entry", 2},
                           {"--history", 2},
                           {"--block", 1}};

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
        const Tool* tool = nullptr;
        for (const Tool& t : kTools) {
            if (arg == t.option) tool = &t;
        }
        if (tool != nullptr) {
            if (!options.tool.empty()) {
                std::cerr << "quillmoor-server: one host tool at a time (" << options.tool
                          << " and " << arg << ")\n";
                return std::nullopt;
            }
            if (i + tool->values >= argc) {
                std::cerr << "quillmoor-server: " << arg << " needs "
                          << (tool->values == 1 ? "a value" : "NAME and PLAYER_ID") << '\n';
                return std::nullopt;
            }
            options.tool = std::string(arg);
            for (int k = 0; k < tool->values; ++k) options.tool_values.push_back(argv[++i]);
            continue;
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
        } else if (arg == "--connections-per-address") {
            const auto n = parse_count(value);
            ok = n && *n >= 1 && *n <= 100000;
            if (ok) options.per_address = *n;
        } else if (arg == "--body-memory") {
            const auto n = parse_count(value);
            ok = n && *n >= 1024 && *n <= (1LL << 40);
            if (ok) options.body_memory = *n;
        } else if (arg == "--writes-per-minute") {
            const auto n = parse_count(value);
            ok = n && *n <= 1000000;
            if (ok) options.writes_per_minute = *n;
        } else if (arg == "--reports-per-minute") {
            const auto n = parse_count(value);
            ok = n && *n <= 1000000;
            if (ok) options.reports_per_minute = *n;
        } else if (arg == "--entries-per-day") {
            const auto n = parse_count(value);
            ok = n && *n <= 1000000;
            if (ok) options.entries_per_day = *n;
        } else if (arg == "--expire-days") {
            const auto n = parse_count(value);
            ok = n && *n <= 100000;
            if (ok) options.expire_days = *n;
        } else if (arg == "--block-list") {
            options.block_list = std::string(value);
            ok = !value.empty();
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
    settings.reports_per_minute = static_cast<int>(options->reports_per_minute);
    settings.entries_per_day = static_cast<int>(options->entries_per_day);
    if (!options->notice.empty()) {
        const std::optional<std::string> notice = quill::platform::to_cp932(options->notice);
        if (!notice || notice->find_first_of("\r\n") != std::string::npos) {
            std::cerr << "quillmoor-server: the notice must be one line of text the game can "
                         "show (code page 932)\n";
            return 2;
        }
        settings.notice_utf8 = options->notice;
        settings.notice_cp932 = *notice;
    }

    const std::filesystem::path block_file =
        options->block_list.empty() ? options->db + ".blocked" : options->block_list;
    if (options->tool == "--block") {
        return quill::server::block_address(block_file, options->tool_values[0], std::cout,
                                            std::cerr);
    }
    std::error_code ec;
    if (!options->tool.empty() && !std::filesystem::exists(options->db, ec)) {
        std::cerr << "quillmoor-server: there is no database " << options->db << '\n';
        return 1;
    }

    std::string error;
    std::unique_ptr<quill::server::Store> store = quill::server::Store::open(options->db, error);
    if (!store) {
        std::cerr << "quillmoor-server: cannot open the database " << options->db << ": " << error
                  << '\n';
        return 1;
    }
    if (!options->tool.empty()) {
        const std::vector<std::string>& v = options->tool_values;
        if (options->tool == "--list-suspicious") {
            return quill::server::list_suspicious(*store, std::cout);
        }
        if (options->tool == "--delete-entry") {
            return quill::server::delete_entry(*store, v[0], v[1], std::cout, std::cerr);
        }
        if (options->tool == "--restore-entry") {
            return quill::server::restore_entry(*store, v[0], v[1], std::cout, std::cerr);
        }
        return quill::server::show_history(*store, v[0], v[1], std::cout, std::cerr);
    }

    // SIGINT and SIGTERM are taken by one thread of their own, which stops the server, and
    // SIGHUP, which has the block list read again; every other thread (the request workers
    // included) inherits the blocked mask. Blocked from here on, a signal that comes while
    // the server gets ready waits for that thread.
    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGINT);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr);
    // A client that goes away mid-answer must not end the server.
    signal(SIGPIPE, SIG_IGN);

    // The block list and the upkeep log their news on the server's log.
    std::mutex news_mutex;
    auto news = [&news_mutex](const std::string& line) {
        std::lock_guard lock(news_mutex);
        std::cerr << "quillmoor-server: " << line << std::endl;
    };
    quill::server::BlockList block_list(block_file, news);
    block_list.reload();
    // Old entries and reports go at start, then about hourly (below).
    const int expire_days = static_cast<int>(options->expire_days);
    auto upkeep = [&store, &news, expire_days] {
        const std::optional<quill::server::Store::Dropped> dropped = store->upkeep(expire_days);
        if (!dropped) {
            news("the hourly upkeep of the database failed; it is tried again in an hour");
        } else if (dropped->entries > 0 || dropped->reports > 0) {
            auto count = [](int64_t n, const char* one, const char* many) {
                return std::to_string(n) + " " + (n == 1 ? one : many);
            };
            news("expired " + count(dropped->entries, "entry", "entries") + " and " +
                 count(dropped->reports, "report", "reports") + " (not written for " +
                 count(expire_days, "day", "days") + ")");
        }
    };
    upkeep();

    // Requests are gathered in a waiting room and answered by the workers only once complete,
    // so a slow or silent client holds no worker; what one client can make the server keep
    // is bounded (see connection_guard.h).
    quill::server::ConnectionLimits limits;
    limits.max_body = settings.max_body;
    limits.max_connections = static_cast<size_t>(options->max_connections);
    limits.per_address = static_cast<size_t>(options->per_address);
    limits.body_memory = static_cast<size_t>(options->body_memory);
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
    routes.set_block_list(&block_list);
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
        while (sigwait(&stop_signals, &signal_number) == 0 && signal_number == SIGHUP &&
               !finished) {
            news("SIGHUP: reading the block list " + block_list.file().string() + " again");
            block_list.reload();
        }
        if (!finished) std::cerr << "quillmoor-server: stopping\n";
        // A signal right at the start can come before the server runs, when stopping it
        // would do nothing yet: keep asking until it has ended.
        while (!finished) {
            server.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    // The upkeep, about hourly while the server runs.
    std::mutex upkeep_mutex;
    std::condition_variable upkeep_wake;
    bool upkeep_over = false;
    std::thread upkeeper([&] {
        std::unique_lock lock(upkeep_mutex);
        while (!upkeep_wake.wait_for(lock, std::chrono::hours(1), [&] { return upkeep_over; })) {
            lock.unlock();
            upkeep();
            lock.lock();
        }
    });

    const bool listened = server.listen_after_bind();
    finished = true;
    {
        std::lock_guard lock(upkeep_mutex);
        upkeep_over = true;
    }
    upkeep_wake.notify_all();
    upkeeper.join();
    // Wakes the stopper when the server ended on its own.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return listened ? 0 : 1;
}
