// The island's ranking and report list on disk: one SQLite database, written by the server
// alone. Every text is kept as the code page 932 bytes the game sent (validated), next to the
// line the server answers with, so a fetch only concatenates stored lines.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "net/protocol_codec.h"

namespace quill::server {

// One adventurer's place in the ranking, as stored.
struct StoredRank {
    std::string plain;  // the ranking line (build_rank_line of the 28 fields)
    std::string wire;   // the answer line: utf7_run of the framed ranking line
};

// One stored report.
struct StoredReport {
    net::Report report;
    std::string wire;  // the answer line (build_report_line)
};

class Store {
  public:
    // Opens (creating when needed) the database at path. Nothing and a reason on failure.
    static std::unique_ptr<Store> open(const std::string& path, std::string& error);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Stores the adventurer's entry (name and player id), replacing an older one; the upload
    // becomes the newest for the order among equal scores.
    bool put_rank(std::string_view name, int64_t player_id, int64_t score, std::string_view plain,
                  std::string_view wire);
    // The best entries, highest score first, equal scores by upload order.
    std::vector<StoredRank> top_ranks(int limit);
    int64_t rank_count();

    enum class PostResult { kStored, kDuplicate, kFailed };
    // Stores the report unless it is a double send: the newest stored report has the same
    // name, player id and message. Anything else is news, even a line seen before.
    PostResult add_report(const net::Report& report, std::string_view wire);
    // The newest reports, newest first.
    std::vector<StoredReport> newest_reports(int limit);
    int64_t report_count();

    // Changes whenever the stored data may have changed, by this server or by anyone else
    // writing the same database file; answers built from the data can be kept until then.
    // Asks the database (it has to, for the other writers).
    uint64_t generation();
    // The writes this server made: changes at each of them, without asking the database.
    uint64_t own_writes() const { return own_writes_.load(std::memory_order_acquire); }

  private:
    class Statement;
    explicit Store(sqlite3* db);
    bool prepare_all(std::string& error);
    bool exec_step(Statement& st);

    sqlite3* db_;
    std::mutex mutex_;
    std::atomic<uint64_t> own_writes_{0};
    std::unique_ptr<Statement> begin_, commit_, rollback_;
    std::unique_ptr<Statement> put_rank_, top_ranks_, rank_count_;
    std::unique_ptr<Statement> double_send_, add_report_, newest_reports_, report_count_;
    std::unique_ptr<Statement> data_version_;
};

}  // namespace quill::server
