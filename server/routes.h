// The HTTP side of the server: the game's four exchanges, the host's page and the answers
// to everything else.
#pragma once

#include <httplib.h>

#include <chrono>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include "server/refusal_log.h"

#include "server/block_list.h"
#include "server/rate_limit.h"
#include "server/store.h"

namespace quill::server {

// The request carries a browser's marks (Origin, Sec-Fetch-*), which the game never sends.
bool sent_by_a_browser(const httplib::Request& req);

constexpr int kRankingShown = 1000;  // the game reads at most this many entries
constexpr int kReportsShown = 30;    // the world site shows this many reports

struct ServerSettings {
    std::string notice_utf8;   // empty: no notice line
    std::string notice_cp932;  // the same in the game's code page
    size_t max_body = 16384;
    int writes_per_minute = 30;  // per client address; 0: no limit
    // Per client address (0: no limit): new ranking entries (a name and player id not stored
    // yet) within 24 hours, and reports a minute (on top of writes_per_minute).
    int entries_per_day = 10;
    int reports_per_minute = 10;
};

class Routes {
  public:
    Routes(Store& store, ServerSettings settings);
    void install(httplib::Server& server);
    // Where writes and refusals are logged (none: not logged). Must outlive the server.
    void set_log(RefusalLog* log) { log_ = log; }
    // The addresses that may not write (none: nobody is blocked). Must outlive the server.
    void set_block_list(BlockList* block_list) { block_list_ = block_list; }

  private:
    void fetch_rank(const httplib::Request& req, httplib::Response& res);
    void write_rank(const httplib::Request& req, httplib::Response& res);
    void fetch_reports(const httplib::Request& req, httplib::Response& res);
    void write_report(const httplib::Request& req, httplib::Response& res);
    void page(const httplib::Request& req, httplib::Response& res);
    // Whether a write may go on; answers the refusal itself when not. `kind_limit`: the
    // limit of this kind of write, counted with the limit of all writes.
    bool admit_write(const httplib::Request& req, httplib::Response& res,
                     WriteRateLimit* kind_limit = nullptr);

    struct Cached {
        uint64_t generation = UINT64_MAX;  // the store's, when the text was built
        uint64_t own_writes = UINT64_MAX;  // this server's writes, when built or last confirmed
        std::chrono::steady_clock::time_point checked;  // when the database was last asked
        std::shared_ptr<const std::string> text;
    };
    using Build = std::string (Routes::*)();

    // The answers, built once and kept in memory until the stored data changes: after this
    // server's own writes at once, after another program's (a second look with the sqlite3
    // tool) within a second. Served without copying, to any number of readers at once.
    std::shared_ptr<const std::string> answer(Cached& cached, Build build);
    std::string build_ranking();
    std::string build_reports();
    std::string build_page();

    Store& store_;
    RefusalLog* log_ = nullptr;
    BlockList* block_list_ = nullptr;
    const ServerSettings settings_;
    WriteRateLimit rate_limit_;
    WriteRateLimit report_limit_;
    std::mutex cache_mutex_;    // the cached answers
    std::mutex rebuild_mutex_;  // one rebuild at a time
    Cached ranking_;
    Cached reports_;
    Cached page_;
};

}  // namespace quill::server
