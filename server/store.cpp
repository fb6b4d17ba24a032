#include "server/store.h"

#include <algorithm>
#include <ctime>
#include <map>
#include <set>
#include <utility>

namespace quill::server {

namespace {

// Run at every start, in one transaction; each statement is idempotent.
constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS ranking ("
    " name BLOB NOT NULL,"
    " player_id INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " upload_seq INTEGER NOT NULL,"   // order of the latest upload, for equal scores
    " uploaded_at INTEGER NOT NULL,"  // seconds since 1970
    " plain BLOB NOT NULL,"
    " wire BLOB NOT NULL,"
    " address TEXT NOT NULL DEFAULT '',"  // of the upload ('' in entries older than the column)
    " UNIQUE (name, player_id))",
    "CREATE INDEX IF NOT EXISTS ranking_order ON ranking (score DESC, upload_seq ASC)",
    "CREATE INDEX IF NOT EXISTS ranking_seq ON ranking (upload_seq)",
    "CREATE TABLE IF NOT EXISTS reports ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " message BLOB NOT NULL,"
    " name BLOB NOT NULL,"
    " player_id INTEGER NOT NULL,"
    " race_sex INTEGER NOT NULL,"
    " time TEXT NOT NULL,"
    " posted_at INTEGER NOT NULL,"
    " wire BLOB NOT NULL,"
    " address TEXT NOT NULL DEFAULT '')",
    // Every value that left the ranking: the entry's columns, then when, by whom (an address,
    // "host" or "expiry") and why ("replaced", "deleted", "restored", "expired"); put_back_at
    // once a restore made it the entry's value again.
    "CREATE TABLE IF NOT EXISTS ranking_history ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " name BLOB NOT NULL,"
    " player_id INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " upload_seq INTEGER NOT NULL,"
    " uploaded_at INTEGER NOT NULL,"
    " address TEXT NOT NULL,"
    " plain BLOB NOT NULL,"
    " wire BLOB NOT NULL,"
    " left_at INTEGER NOT NULL,"
    " left_by TEXT NOT NULL,"
    " reason TEXT NOT NULL,"
    " put_back_at INTEGER)",
    "CREATE INDEX IF NOT EXISTS ranking_history_entry ON ranking_history (name, player_id, id)",
    "CREATE INDEX IF NOT EXISTS ranking_history_time ON ranking_history (left_at)",
    // The entries each address made (the name and player id were not stored yet), for the
    // limit of new entries a day and the host's look at who makes many.
    "CREATE TABLE IF NOT EXISTS new_entries ("
    " address TEXT NOT NULL,"
    " name BLOB NOT NULL,"
    " player_id INTEGER NOT NULL,"
    " made_at INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS new_entries_address ON new_entries (address, made_at)",
};

// Columns added since the first version of the server: a database made before gets them
// (with their default) when opened.
struct AddedColumn {
    const char* table;
    const char* column;
    const char* definition;
};
constexpr AddedColumn kAddedColumns[] = {
    {"ranking", "address", "TEXT NOT NULL DEFAULT ''"},
    {"reports", "address", "TEXT NOT NULL DEFAULT ''"},
};

constexpr int64_t kDay = 24 * 60 * 60;

}  // namespace

// A prepared statement; reset and unbound after every use.
class Store::Statement {
  public:
    explicit Statement(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind_blob(int index, std::string_view bytes) {
        // An empty text stays an empty blob, not NULL.
        if (bytes.empty()) {
            sqlite3_bind_zeroblob(stmt_, index, 0);
        } else {
            sqlite3_bind_blob(stmt_, index, bytes.data(), static_cast<int>(bytes.size()),
                              SQLITE_TRANSIENT);
        }
    }
    void bind_text(int index, std::string_view text) {
        // An empty text stays an empty text, not NULL.
        sqlite3_bind_text(stmt_, index, text.data() != nullptr ? text.data() : "",
                          static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bind_int(int index, int64_t value) { sqlite3_bind_int64(stmt_, index, value); }

    int step() { return sqlite3_step(stmt_); }
    void reset() {
        sqlite3_reset(stmt_);
        sqlite3_clear_bindings(stmt_);
    }

    std::string column_bytes(int column) {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        if (data == nullptr || size <= 0) return {};
        return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
    }
    int64_t column_int(int column) { return sqlite3_column_int64(stmt_, column); }
    sqlite3_stmt* get() { return stmt_; }

  private:
    sqlite3_stmt* stmt_;
};

namespace {

// Resets a statement when leaving the scope that used it.
template <class S>
struct Using {
    S& st;
    ~Using() { st.reset(); }
};

// Runs one constant statement to its end; the first row's first column goes to `out`.
bool run_constant(sqlite3* db, const char* sql, std::string& error, std::string* out = nullptr) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return false;
    }
    int rc;
    bool first = true;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (first && out != nullptr) {
            const unsigned char* text = sqlite3_column_text(stmt, 0);
            *out = text != nullptr ? reinterpret_cast<const char*>(text) : "";
        }
        first = false;
    }
    if (rc != SQLITE_DONE) error = sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}

int64_t now_seconds() {
    return static_cast<int64_t>(std::time(nullptr));
}

int64_t or_clock(int64_t now) {
    return now != 0 ? now : now_seconds();
}

bool has_column(sqlite3* db, const char* table, const char* column, std::string& error, bool& has) {
    sqlite3_stmt* stmt = nullptr;
    const std::string sql = std::string("PRAGMA table_info(") + table + ")";
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return false;
    }
    has = false;
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        const unsigned char* name = sqlite3_column_text(stmt, 1);
        if (name != nullptr && std::string_view(reinterpret_cast<const char*>(name)) == column) {
            has = true;
        }
    }
    if (rc != SQLITE_DONE) error = sqlite3_errmsg(db);
    sqlite3_finalize(stmt);
    return rc == SQLITE_DONE;
}

// The tables, indexes and columns of this version, in one transaction (a tool and the server
// may open the same file at once).
bool bring_schema_up_to_date(sqlite3* db, std::string& error) {
    if (!run_constant(db, "BEGIN IMMEDIATE", error)) return false;
    bool ok = true;
    for (const char* sql : kSchema) {
        if (ok) ok = run_constant(db, sql, error);
    }
    for (const AddedColumn& c : kAddedColumns) {
        bool has = false;
        if (ok) ok = has_column(db, c.table, c.column, error, has);
        if (ok && !has) {
            const std::string sql = std::string("ALTER TABLE ") + c.table + " ADD COLUMN " +
                                    c.column + " " + c.definition;
            ok = run_constant(db, sql.c_str(), error);
        }
    }
    std::string ignored;
    if (ok) return run_constant(db, "COMMIT", error);
    run_constant(db, "ROLLBACK", ignored);
    return false;
}

}  // namespace

Store::Store(sqlite3* db) : db_(db) {}

Store::~Store() {
    // The statements go before the connection.
    begin_.reset();
    commit_.reset();
    rollback_.reset();
    put_rank_.reset();
    top_ranks_.reset();
    rank_count_.reset();
    double_send_.reset();
    add_report_.reset();
    newest_reports_.reset();
    report_count_.reset();
    data_version_.reset();
    for (auto* st : {&current_, &to_history_, &new_entries_, &note_new_entry_, &delete_entry_,
                     &last_value_, &put_back_, &mark_put_back_, &history_}) {
        st->reset();
    }
    sqlite3_close(db_);
}

std::unique_ptr<Store> Store::open(const std::string& path, std::string& error) {
    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        error = db != nullptr ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<Store> store(new Store(db));
    // Another process (a backup, a second look with the sqlite3 tool) may hold a lock briefly.
    sqlite3_busy_timeout(db, 5000);
    std::string mode;
    if (!run_constant(db, "PRAGMA journal_mode = WAL", error, &mode)) return nullptr;
    if (mode != "wal") {
        error = "the database cannot use write-ahead logging (journal mode " + mode + ")";
        return nullptr;
    }
    if (!run_constant(db, "PRAGMA synchronous = NORMAL", error)) return nullptr;
    if (!bring_schema_up_to_date(db, error)) return nullptr;
    if (!store->prepare_all(error)) return nullptr;
    return store;
}

bool Store::prepare_all(std::string& error) {
    auto prepare = [&](std::unique_ptr<Statement>& into, const char* sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) !=
            SQLITE_OK) {
            error = std::string(sqlite3_errmsg(db_)) + " in: " + sql;
            return false;
        }
        into = std::make_unique<Statement>(stmt);
        return true;
    };
    return prepare(begin_, "BEGIN IMMEDIATE") && prepare(commit_, "COMMIT") &&
           prepare(rollback_, "ROLLBACK") &&
           prepare(put_rank_,
                   "INSERT INTO ranking (name, player_id, score, upload_seq, uploaded_at, plain,"
                   " wire, address) VALUES (?1, ?2, ?3,"
                   " (SELECT COALESCE(MAX(upload_seq), 0) + 1 FROM ranking), ?4, ?5, ?6, ?7)"
                   " ON CONFLICT (name, player_id) DO UPDATE SET score = excluded.score,"
                   " upload_seq = excluded.upload_seq, uploaded_at = excluded.uploaded_at,"
                   " plain = excluded.plain, wire = excluded.wire,"
                   " address = excluded.address") &&
           prepare(top_ranks_,
                   "SELECT plain, wire FROM ranking ORDER BY score DESC, upload_seq ASC"
                   " LIMIT ?1") &&
           prepare(rank_count_, "SELECT COUNT(*) FROM ranking") &&
           prepare(double_send_,
                   "SELECT EXISTS (SELECT 1 FROM (SELECT message, name, player_id FROM reports"
                   " ORDER BY id DESC LIMIT 1) WHERE message = ?1 AND name = ?2"
                   " AND player_id = ?3)") &&
           prepare(add_report_,
                   "INSERT INTO reports (message, name, player_id, race_sex, time, posted_at,"
                   " wire, address) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)") &&
           prepare(newest_reports_,
                   "SELECT message, name, player_id, race_sex, time, wire FROM reports"
                   " ORDER BY id DESC LIMIT ?1") &&
           prepare(report_count_, "SELECT COUNT(*) FROM reports") &&
           prepare(data_version_, "PRAGMA data_version") &&
           prepare(current_,
                   "SELECT name, player_id, score, uploaded_at, address, plain FROM ranking"
                   " WHERE name = ?1 AND player_id = ?2") &&
           prepare(to_history_,
                   "INSERT INTO ranking_history (name, player_id, score, upload_seq,"
                   " uploaded_at, address, plain, wire, left_at, left_by, reason)"
                   " SELECT name, player_id, score, upload_seq, uploaded_at, address, plain,"
                   " wire, ?3, ?4, ?5 FROM ranking WHERE name = ?1 AND player_id = ?2") &&
           prepare(new_entries_,
                   "SELECT COUNT(*) FROM new_entries WHERE address = ?1 AND made_at > ?2") &&
           prepare(note_new_entry_,
                   "INSERT INTO new_entries (address, name, player_id, made_at)"
                   " VALUES (?1, ?2, ?3, ?4)") &&
           prepare(delete_entry_, "DELETE FROM ranking WHERE name = ?1 AND player_id = ?2") &&
           prepare(last_value_,
                   "SELECT id, name, player_id, score, uploaded_at, address, plain"
                   " FROM ranking_history WHERE name = ?1 AND player_id = ?2"
                   " AND reason <> 'restored' AND put_back_at IS NULL ORDER BY id DESC LIMIT 1") &&
           prepare(put_back_,
                   "INSERT INTO ranking (name, player_id, score, upload_seq, uploaded_at,"
                   " address, plain, wire) SELECT name, player_id, score, upload_seq,"
                   " uploaded_at, address, plain, wire FROM ranking_history WHERE id = ?1") &&
           prepare(mark_put_back_, "UPDATE ranking_history SET put_back_at = ?2 WHERE id = ?1") &&
           prepare(history_,
                   "SELECT name, player_id, score, uploaded_at, address, plain, left_at,"
                   " left_by, reason, put_back_at IS NOT NULL FROM ranking_history"
                   " WHERE name = ?1 AND player_id = ?2 ORDER BY id DESC");
}

bool Store::exec_step(Statement& st) {
    Using<Statement> use{st};
    return st.step() == SQLITE_DONE;
}

bool Store::finish(bool ok) {
    if (ok && exec_step(*commit_)) {
        own_writes_.fetch_add(1, std::memory_order_release);
        return true;
    }
    exec_step(*rollback_);
    return false;
}

bool Store::to_history(std::string_view name, int64_t player_id, int64_t now, std::string_view by,
                       std::string_view reason, bool& failed) {
    Using<Statement> use{*to_history_};
    to_history_->bind_blob(1, name);
    to_history_->bind_int(2, player_id);
    to_history_->bind_int(3, now);
    to_history_->bind_text(4, by);
    to_history_->bind_text(5, reason);
    if (to_history_->step() != SQLITE_DONE) {
        failed = true;
        return false;
    }
    return sqlite3_changes(db_) > 0;
}

Store::PutResult Store::put_rank(const RankWrite& w, int new_per_day, int64_t now) {
    now = or_clock(now);
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) return PutResult::kFailed;
    bool failed = false;
    // The value replaced goes to the history; an entry that was not there is a new one.
    const bool replaced = to_history(w.name, w.player_id, now, w.address, "replaced", failed);
    if (!failed && !replaced) {
        if (new_per_day > 0) {
            Using<Statement> use{*new_entries_};
            new_entries_->bind_text(1, w.address);
            new_entries_->bind_int(2, now - kDay);
            if (new_entries_->step() != SQLITE_ROW) {
                failed = true;
            } else if (new_entries_->column_int(0) >= new_per_day) {
                exec_step(*rollback_);
                return PutResult::kTooManyNew;
            }
        }
        Using<Statement> use{*note_new_entry_};
        note_new_entry_->bind_text(1, w.address);
        note_new_entry_->bind_blob(2, w.name);
        note_new_entry_->bind_int(3, w.player_id);
        note_new_entry_->bind_int(4, now);
        if (!failed) failed = note_new_entry_->step() != SQLITE_DONE;
    }
    if (!failed) {
        Using<Statement> use{*put_rank_};
        put_rank_->bind_blob(1, w.name);
        put_rank_->bind_int(2, w.player_id);
        put_rank_->bind_int(3, w.score);
        put_rank_->bind_int(4, now);
        put_rank_->bind_blob(5, w.plain);
        put_rank_->bind_blob(6, w.wire);
        put_rank_->bind_text(7, w.address);
        failed = put_rank_->step() != SQLITE_DONE;
    }
    return finish(!failed) ? PutResult::kStored : PutResult::kFailed;
}

std::vector<StoredRank> Store::top_ranks(int limit) {
    std::lock_guard lock(mutex_);
    std::vector<StoredRank> out;
    Using<Statement> use{*top_ranks_};
    top_ranks_->bind_int(1, limit);
    while (top_ranks_->step() == SQLITE_ROW) {
        out.push_back({top_ranks_->column_bytes(0), top_ranks_->column_bytes(1)});
    }
    return out;
}

int64_t Store::rank_count() {
    std::lock_guard lock(mutex_);
    Using<Statement> use{*rank_count_};
    return rank_count_->step() == SQLITE_ROW ? rank_count_->column_int(0) : 0;
}

Store::PostResult Store::add_report(const net::Report& report, std::string_view wire,
                                    std::string_view address, int64_t now) {
    now = or_clock(now);
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) return PostResult::kFailed;
    PostResult result = PostResult::kFailed;
    {
        Using<Statement> use{*double_send_};
        double_send_->bind_blob(1, report.message);
        double_send_->bind_blob(2, report.name);
        double_send_->bind_int(3, report.player_id);
        if (double_send_->step() == SQLITE_ROW) {
            result =
                double_send_->column_int(0) != 0 ? PostResult::kDuplicate : PostResult::kStored;
        }
    }
    if (result == PostResult::kStored) {
        Using<Statement> use{*add_report_};
        add_report_->bind_blob(1, report.message);
        add_report_->bind_blob(2, report.name);
        add_report_->bind_int(3, report.player_id);
        add_report_->bind_int(4, report.race_sex);
        add_report_->bind_text(5, report.time);
        add_report_->bind_int(6, now);
        add_report_->bind_blob(7, wire);
        add_report_->bind_text(8, address);
        if (add_report_->step() != SQLITE_DONE) result = PostResult::kFailed;
    }
    if (result == PostResult::kStored && exec_step(*commit_)) {
        own_writes_.fetch_add(1, std::memory_order_release);
        return result;
    }
    exec_step(*rollback_);
    return result == PostResult::kDuplicate ? result : PostResult::kFailed;
}

std::vector<StoredReport> Store::newest_reports(int limit) {
    std::lock_guard lock(mutex_);
    std::vector<StoredReport> out;
    Using<Statement> use{*newest_reports_};
    newest_reports_->bind_int(1, limit);
    while (newest_reports_->step() == SQLITE_ROW) {
        StoredReport r;
        r.report.message = newest_reports_->column_bytes(0);
        r.report.name = newest_reports_->column_bytes(1);
        r.report.player_id = static_cast<int32_t>(newest_reports_->column_int(2));
        r.report.race_sex = static_cast<int32_t>(newest_reports_->column_int(3));
        r.report.time = newest_reports_->column_bytes(4);
        r.wire = newest_reports_->column_bytes(5);
        out.push_back(std::move(r));
    }
    return out;
}

int64_t Store::report_count() {
    std::lock_guard lock(mutex_);
    Using<Statement> use{*report_count_};
    return report_count_->step() == SQLITE_ROW ? report_count_->column_int(0) : 0;
}

std::optional<EntryValue> Store::current_locked(std::string_view name, int64_t player_id) {
    Using<Statement> use{*current_};
    current_->bind_blob(1, name);
    current_->bind_int(2, player_id);
    if (current_->step() != SQLITE_ROW) return std::nullopt;
    EntryValue v;
    v.name = current_->column_bytes(0);
    v.player_id = current_->column_int(1);
    v.score = current_->column_int(2);
    v.uploaded_at = current_->column_int(3);
    v.address = current_->column_bytes(4);
    v.plain = current_->column_bytes(5);
    return v;
}

std::optional<EntryValue> Store::current(std::string_view name, int64_t player_id) {
    std::lock_guard lock(mutex_);
    return current_locked(name, player_id);
}

bool Store::remove_current(std::string_view name, int64_t player_id) {
    Using<Statement> use{*delete_entry_};
    delete_entry_->bind_blob(1, name);
    delete_entry_->bind_int(2, player_id);
    return delete_entry_->step() == SQLITE_DONE;
}

std::optional<EntryValue> Store::delete_entry(std::string_view name, int64_t player_id,
                                              std::string& error, int64_t now) {
    now = or_clock(now);
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) {
        error = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    std::optional<EntryValue> value = current_locked(name, player_id);
    if (!value) {
        exec_step(*rollback_);
        return std::nullopt;
    }
    bool failed = false;
    if (!to_history(name, player_id, now, "host", "deleted", failed)) failed = true;
    if (!failed) failed = !remove_current(name, player_id);
    if (failed) error = sqlite3_errmsg(db_);
    if (!finish(!failed)) {
        if (error.empty()) error = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    return value;
}

std::optional<EntryValue> Store::restore_entry(std::string_view name, int64_t player_id,
                                               std::string& error, int64_t now) {
    now = or_clock(now);
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) {
        error = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    int64_t id = 0;
    EntryValue value;
    {
        Using<Statement> use{*last_value_};
        last_value_->bind_blob(1, name);
        last_value_->bind_int(2, player_id);
        if (last_value_->step() == SQLITE_ROW) {
            id = last_value_->column_int(0);
            value.name = last_value_->column_bytes(1);
            value.player_id = last_value_->column_int(2);
            value.score = last_value_->column_int(3);
            value.uploaded_at = last_value_->column_int(4);
            value.address = last_value_->column_bytes(5);
            value.plain = last_value_->column_bytes(6);
        }
    }
    if (id == 0) {
        exec_step(*rollback_);
        return std::nullopt;
    }
    // The current value (if any) goes to the history, the kept one takes its place.
    bool failed = false;
    if (to_history(name, player_id, now, "host", "restored", failed)) {
        failed = !remove_current(name, player_id);
    }
    if (!failed) {
        Using<Statement> use{*put_back_};
        put_back_->bind_int(1, id);
        failed = put_back_->step() != SQLITE_DONE;
    }
    if (!failed) {
        Using<Statement> use{*mark_put_back_};
        mark_put_back_->bind_int(1, id);
        mark_put_back_->bind_int(2, now);
        failed = mark_put_back_->step() != SQLITE_DONE;
    }
    if (failed) error = sqlite3_errmsg(db_);
    if (!finish(!failed)) {
        if (error.empty()) error = sqlite3_errmsg(db_);
        return std::nullopt;
    }
    return value;
}

std::vector<HistoryValue> Store::history(std::string_view name, int64_t player_id) {
    std::lock_guard lock(mutex_);
    std::vector<HistoryValue> out;
    Using<Statement> use{*history_};
    history_->bind_blob(1, name);
    history_->bind_int(2, player_id);
    while (history_->step() == SQLITE_ROW) {
        HistoryValue h;
        h.value.name = history_->column_bytes(0);
        h.value.player_id = history_->column_int(1);
        h.value.score = history_->column_int(2);
        h.value.uploaded_at = history_->column_int(3);
        h.value.address = history_->column_bytes(4);
        h.value.plain = history_->column_bytes(5);
        h.left_at = history_->column_int(6);
        h.left_by = history_->column_bytes(7);
        h.reason = history_->column_bytes(8);
        h.put_back = history_->column_int(9) != 0;
        out.push_back(std::move(h));
    }
    return out;
}

namespace {

// A statement run once (the host's tools and the upkeep): prepared, bound with integers,
// stepped; nothing when it cannot be prepared.
class OneOff {
  public:
    OneOff(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) != SQLITE_OK) stmt_ = nullptr;
    }
    ~OneOff() { sqlite3_finalize(stmt_); }
    OneOff(const OneOff&) = delete;
    OneOff& operator=(const OneOff&) = delete;
    bool ok() const { return stmt_ != nullptr; }
    OneOff& bind(int index, int64_t value) {
        if (stmt_) sqlite3_bind_int64(stmt_, index, value);
        return *this;
    }
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    int64_t integer(int column) { return sqlite3_column_int64(stmt_, column); }
    std::string bytes(int column) {
        const void* data = sqlite3_column_blob(stmt_, column);
        const int size = sqlite3_column_bytes(stmt_, column);
        if (data == nullptr || size <= 0) return {};
        return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
    }

  private:
    sqlite3_stmt* stmt_ = nullptr;
};

}  // namespace

std::optional<Store::Dropped> Store::upkeep(int expire_days, int64_t now) {
    now = or_clock(now);
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) return std::nullopt;
    Dropped dropped;
    bool ok = true;
    if (expire_days > 0) {
        const int64_t before = now - static_cast<int64_t>(expire_days) * kDay;
        OneOff keep(db_,
                    "INSERT INTO ranking_history (name, player_id, score, upload_seq,"
                    " uploaded_at, address, plain, wire, left_at, left_by, reason)"
                    " SELECT name, player_id, score, upload_seq, uploaded_at, address, plain,"
                    " wire, ?2, 'expiry', 'expired' FROM ranking WHERE uploaded_at < ?1");
        ok = keep.bind(1, before).bind(2, now).step() == SQLITE_DONE;
        OneOff drop(db_, "DELETE FROM ranking WHERE uploaded_at < ?1");
        ok = ok && drop.bind(1, before).step() == SQLITE_DONE;
        dropped.entries = ok ? sqlite3_changes(db_) : 0;
        OneOff reports(db_, "DELETE FROM reports WHERE posted_at < ?1");
        ok = ok && reports.bind(1, before).step() == SQLITE_DONE;
        dropped.reports = ok ? sqlite3_changes(db_) : 0;
    }
    OneOff forget(db_, "DELETE FROM new_entries WHERE made_at < ?1");
    ok = ok && forget.bind(1, now - kLookBackDays * kDay).step() == SQLITE_DONE;
    if (!ok) {
        exec_step(*rollback_);
        return std::nullopt;
    }
    if (dropped.entries == 0 && dropped.reports == 0) {
        // Nothing the answers show changed.
        if (!exec_step(*commit_)) {
            exec_step(*rollback_);
            return std::nullopt;
        }
        return dropped;
    }
    if (!finish(true)) return std::nullopt;
    return dropped;
}

std::vector<Suspicion> Store::suspicious(int64_t now) {
    now = or_clock(now);
    const int64_t since = now - kLookBackDays * kDay;
    std::lock_guard lock(mutex_);
    std::vector<Suspicion> out;

    // The values of every entry whose value changed within the week, oldest first.
    struct Value {
        int64_t score, uploaded_at, left_at;
        std::string address, reason;
    };
    std::map<std::pair<std::string, int64_t>, std::vector<Value>> entries;
    {
        OneOff rows(db_,
                    "SELECT name, player_id, score, uploaded_at, address, reason, left_at"
                    " FROM ranking_history WHERE (name, player_id) IN (SELECT name, player_id"
                    " FROM ranking_history WHERE left_at >= ?1) ORDER BY name, player_id, id");
        rows.bind(1, since);
        while (rows.step() == SQLITE_ROW) {
            entries[{rows.bytes(0), rows.integer(1)}].push_back(
                {rows.integer(2), rows.integer(3), rows.integer(6), rows.bytes(4), rows.bytes(5)});
        }
    }
    for (auto& [key, values] : entries) {
        if (std::optional<EntryValue> now_value = current_locked(key.first, key.second)) {
            values.push_back(
                {now_value->score, now_value->uploaded_at, 0, now_value->address, "current"});
        }
        std::vector<std::string> odd;
        int replaced_today = 0;
        std::set<std::string> addresses;
        int falls = 0;
        std::string last_fall, fastest_rise;
        double fastest = 0;
        for (size_t i = 0; i < values.size(); ++i) {
            const Value& v = values[i];
            const bool recent = v.reason == "current" || v.left_at >= since;
            if (recent && !v.address.empty()) addresses.insert(v.address);
            if (v.reason != "replaced" || v.left_at < since || i + 1 >= values.size()) continue;
            if (v.left_at >= now - kDay) ++replaced_today;
            // The upload that replaced it came next.
            const Value& next = values[i + 1];
            if (next.score < v.score) {
                ++falls;
                last_fall = std::to_string(v.score) + " to " + std::to_string(next.score);
            }
            const int64_t minutes = std::max<int64_t>(1, (next.uploaded_at - v.uploaded_at) / 60);
            const int64_t gain = next.score - v.score;
            if (gain > kMostPointsPerMinute * minutes &&
                static_cast<double>(gain) / static_cast<double>(minutes) > fastest) {
                fastest = static_cast<double>(gain) / static_cast<double>(minutes);
                fastest_rise = std::to_string(v.score) + " to " + std::to_string(next.score) +
                               " in " + std::to_string(minutes) + " min";
            }
        }
        if (replaced_today > kBusyReplacements) {
            odd.push_back("replaced " + std::to_string(replaced_today) +
                          " times in the last 24 hours");
        }
        if (addresses.size() > 1) {
            odd.push_back("sent from " + std::to_string(addresses.size()) + " addresses");
        }
        if (falls > 0) {
            const std::string times =
                falls > 1 ? std::to_string(falls) + " times, last " : std::string();
            odd.push_back("score fell " + times + "from " + last_fall);
        }
        if (!fastest_rise.empty()) odd.push_back("score rose from " + fastest_rise);
        if (odd.empty()) continue;
        Suspicion s;
        s.name = key.first;
        s.player_id = key.second;
        for (size_t i = 0; i < odd.size(); ++i) s.what += (i ? "; " : "") + odd[i];
        s.addresses.assign(addresses.begin(), addresses.end());
        out.push_back(std::move(s));
    }

    OneOff makers(db_,
                  "SELECT address, COUNT(*) FROM new_entries WHERE made_at >= ?1"
                  " GROUP BY address HAVING COUNT(*) > ?2 ORDER BY COUNT(*) DESC");
    makers.bind(1, since).bind(2, kManyNewEntries);
    while (makers.step() == SQLITE_ROW) {
        Suspicion s;
        s.entry = false;
        s.address = makers.bytes(0);
        s.what = "made " + std::to_string(makers.integer(1)) + " new entries in the last " +
                 std::to_string(kLookBackDays) + " days";
        s.addresses = {s.address};
        out.push_back(std::move(s));
    }
    return out;
}

uint64_t Store::generation() {
    std::lock_guard lock(mutex_);
    return generation_locked();
}

std::optional<uint64_t> Store::generation_if_free() {
    std::unique_lock lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock()) return std::nullopt;
    return generation_locked();
}

uint64_t Store::generation_locked() {
    Using<Statement> use{*data_version_};
    const uint64_t outside = data_version_->step() == SQLITE_ROW
                                 ? static_cast<uint64_t>(data_version_->column_int(0))
                                 : 0;
    return (own_writes() << 32) ^ outside;
}

}  // namespace quill::server
