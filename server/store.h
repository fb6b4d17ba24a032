// The island's ranking and report list on disk: one SQLite database, written by the server
// and by the host's tools (quillmoor-server --delete-entry and the like, run while it serves).
// Every text is kept as the code page 932 bytes the game sent (validated), next to the line
// the server answers with, so a fetch only concatenates stored lines. Every write keeps the
// address it came from, and every ranking value that leaves the list (replaced by a newer
// upload, deleted or restored by the host, expired) is kept in its history.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
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

// A ranking upload to store.
struct RankWrite {
    std::string_view name;
    int64_t player_id = 0;
    int64_t score = 0;
    std::string_view plain;
    std::string_view wire;
    std::string_view address;  // the client's
};

// One value an entry held: what it was, who sent it and when.
struct EntryValue {
    std::string name;  // code page 932
    int64_t player_id = 0;
    int64_t score = 0;
    int64_t uploaded_at = 0;  // seconds since 1970
    std::string address;
    std::string plain;
};

// A value of the history: an entry's value and how it left the ranking.
struct HistoryValue {
    EntryValue value;
    int64_t left_at = 0;  // seconds since 1970
    std::string left_by;  // the address of the upload that replaced it, or "host", "expiry"
    std::string reason;   // "replaced", "deleted", "restored" (taken away by a restore), "expired"
    bool put_back = false;  // a restore made it the entry's value again
};

// An entry or an address worth a look (see Store::suspicious).
struct Suspicion {
    bool entry = true;  // an entry (name, player_id) or an address (address)
    std::string name;   // code page 932
    int64_t player_id = 0;
    std::string address;
    std::string what;                    // what is odd, ASCII
    std::vector<std::string> addresses;  // where the entry's values came from
};

class Store {
  public:
    // Opens (creating when needed) the database at path, and brings a database of an older
    // version of the server up to this one. Nothing and a reason on failure.
    static std::unique_ptr<Store> open(const std::string& path, std::string& error);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    enum class PutResult { kStored, kTooManyNew, kFailed };
    // Stores the adventurer's entry (name and player id), replacing an older one, whose value
    // goes to the history; the upload becomes the newest for the order among equal scores.
    // An entry not stored yet is new: one address may make `new_per_day` of them within 24
    // hours (0: any number), beyond that kTooManyNew. `now` (seconds since 1970): 0 for the
    // clock.
    PutResult put_rank(const RankWrite& write, int new_per_day = 0, int64_t now = 0);
    // The best entries, highest score first, equal scores by upload order.
    std::vector<StoredRank> top_ranks(int limit);
    int64_t rank_count();

    enum class PostResult { kStored, kDuplicate, kFailed };
    // Stores the report unless it is a double send: the newest stored report has the same
    // name, player id and message. Anything else is news, even a line seen before.
    PostResult add_report(const net::Report& report, std::string_view wire,
                          std::string_view address = {}, int64_t now = 0);
    // The newest reports, newest first.
    std::vector<StoredReport> newest_reports(int limit);
    int64_t report_count();

    // The host's tools. The entry's current value goes to the history and leaves the ranking:
    // the value, or nothing when there is no such entry (or on failure: `error` says).
    std::optional<EntryValue> delete_entry(std::string_view name, int64_t player_id,
                                           std::string& error, int64_t now = 0);
    // Puts back the value the entry held before its current one (or before it was deleted):
    // the newest value of its history that no restore took away or put back already. The
    // current value, if any, goes to the history. Repeated, it goes further back. The value
    // put back, or nothing when the history holds none (or on failure: `error` says).
    std::optional<EntryValue> restore_entry(std::string_view name, int64_t player_id,
                                            std::string& error, int64_t now = 0);
    // The entry's history, newest first, and its current value (if any).
    std::vector<HistoryValue> history(std::string_view name, int64_t player_id);
    std::optional<EntryValue> current(std::string_view name, int64_t player_id);
    // Entries and addresses worth a look, from the last week: entries replaced more than
    // kBusyReplacements times within a day or sent from more than one address, entries whose
    // score fell or rose faster than the game can earn, addresses that made more than
    // kManyNewEntries new entries.
    std::vector<Suspicion> suspicious(int64_t now = 0);
    static constexpr int kBusyReplacements = 20;
    static constexpr int kManyNewEntries = 5;
    static constexpr int64_t kMostPointsPerMinute = 30000;
    static constexpr int kLookBackDays = 7;

    // The hourly upkeep: with expire_days > 0, entries not uploaded for that many days leave
    // the ranking (their values kept in the history) and older reports are dropped; the
    // record of new entries is kept for kLookBackDays. The entries and reports dropped, or
    // nothing on failure.
    struct Dropped {
        int64_t entries = 0;
        int64_t reports = 0;
    };
    std::optional<Dropped> upkeep(int expire_days, int64_t now = 0);

    // Changes whenever the stored data may have changed, by this server or by anyone else
    // writing the same database file; answers built from the data can be kept until then.
    // Asks the database (it has to, for the other writers).
    uint64_t generation();
    // The same, or nothing at once when a write holds the database (a reader need not wait
    // for it: the write has not changed anything yet that it could see).
    std::optional<uint64_t> generation_if_free();
    // The writes this server made: changes at each of them, without asking the database.
    uint64_t own_writes() const { return own_writes_.load(std::memory_order_acquire); }

  private:
    class Statement;
    explicit Store(sqlite3* db);
    bool prepare_all(std::string& error);
    bool exec_step(Statement& st);
    // Ends the transaction begun: commits when `ok` (and counts the write), else rolls back.
    bool finish(bool ok);
    // Moves the entry's current value to the history; false when there is none.
    bool to_history(std::string_view name, int64_t player_id, int64_t now, std::string_view by,
                    std::string_view reason, bool& failed);
    std::optional<EntryValue> current_locked(std::string_view name, int64_t player_id);
    uint64_t generation_locked();
    // Takes the current entry away, within a transaction held; false when the database failed.
    bool remove_current(std::string_view name, int64_t player_id);

    sqlite3* db_;
    std::mutex mutex_;
    std::atomic<uint64_t> own_writes_{0};
    std::unique_ptr<Statement> begin_, commit_, rollback_;
    std::unique_ptr<Statement> put_rank_, top_ranks_, rank_count_;
    std::unique_ptr<Statement> double_send_, add_report_, newest_reports_, report_count_;
    std::unique_ptr<Statement> data_version_;
    std::unique_ptr<Statement> current_, to_history_, new_entries_, note_new_entry_;
    std::unique_ptr<Statement> delete_entry_, last_value_, put_back_, mark_put_back_;
    std::unique_ptr<Statement> history_;
};

}  // namespace quill::server
