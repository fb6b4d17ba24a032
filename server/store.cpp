#include "server/store.h"

#include <ctime>

namespace quill::server {

namespace {

// Run once at every start; each statement is idempotent.
constexpr const char* kSchema[] = {
    "CREATE TABLE IF NOT EXISTS ranking ("
    " name BLOB NOT NULL,"
    " player_id INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " upload_seq INTEGER NOT NULL,"   // order of the latest upload, for equal scores
    " uploaded_at INTEGER NOT NULL,"  // seconds since 1970
    " plain BLOB NOT NULL,"
    " wire BLOB NOT NULL,"
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
    " wire BLOB NOT NULL)",
};

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
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
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
    for (const char* sql : kSchema) {
        if (!run_constant(db, sql, error)) return nullptr;
    }
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
                   " wire) VALUES (?1, ?2, ?3,"
                   " (SELECT COALESCE(MAX(upload_seq), 0) + 1 FROM ranking), ?4, ?5, ?6)"
                   " ON CONFLICT (name, player_id) DO UPDATE SET score = excluded.score,"
                   " upload_seq = excluded.upload_seq, uploaded_at = excluded.uploaded_at,"
                   " plain = excluded.plain, wire = excluded.wire") &&
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
                   " wire) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)") &&
           prepare(newest_reports_,
                   "SELECT message, name, player_id, race_sex, time, wire FROM reports"
                   " ORDER BY id DESC LIMIT ?1") &&
           prepare(report_count_, "SELECT COUNT(*) FROM reports") &&
           prepare(data_version_, "PRAGMA data_version");
}

bool Store::exec_step(Statement& st) {
    Using<Statement> use{st};
    return st.step() == SQLITE_DONE;
}

bool Store::put_rank(std::string_view name, int64_t player_id, int64_t score,
                     std::string_view plain, std::string_view wire) {
    std::lock_guard lock(mutex_);
    if (!exec_step(*begin_)) return false;
    bool ok;
    {
        Using<Statement> use{*put_rank_};
        put_rank_->bind_blob(1, name);
        put_rank_->bind_int(2, player_id);
        put_rank_->bind_int(3, score);
        put_rank_->bind_int(4, now_seconds());
        put_rank_->bind_blob(5, plain);
        put_rank_->bind_blob(6, wire);
        ok = put_rank_->step() == SQLITE_DONE;
    }
    if (ok && exec_step(*commit_)) {
        own_writes_.fetch_add(1, std::memory_order_release);
        return true;
    }
    exec_step(*rollback_);
    return false;
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

Store::PostResult Store::add_report(const net::Report& report, std::string_view wire) {
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
        add_report_->bind_int(6, now_seconds());
        add_report_->bind_blob(7, wire);
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

uint64_t Store::generation() {
    std::lock_guard lock(mutex_);
    Using<Statement> use{*data_version_};
    const uint64_t outside = data_version_->step() == SQLITE_ROW
                                 ? static_cast<uint64_t>(data_version_->column_int(0))
                                 : 0;
    return (own_writes() << 32) ^ outside;
}

}  // namespace quill::server
