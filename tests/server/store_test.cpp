// The store on a database file of its own: the history of replaced values, the count of new
// entries per address, the host's delete and restore, the upkeep, the look for odd entries,
// and a database of the first version of the server.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "first_schema.h"
#include "server/store.h"
#include "server_process.h"

namespace quill::server_test {
namespace {

using server::EntryValue;
using server::HistoryValue;
using server::RankWrite;
using server::Store;

constexpr int64_t kDay = 24 * 60 * 60;
constexpr int64_t kT0 = 1'800'000'000;  // a fixed "now" (seconds since 1970)

class StoreTest : public ::testing::Test {
  protected:
    std::filesystem::path db() const { return folder_.path() / "island.db"; }

    Store& open() {
        store_.reset();
        std::string error;
        store_ = Store::open(db().string(), error);
        EXPECT_TRUE(store_) << error;
        return *store_;
    }

    // An upload of the entry (name, id) with `score`, from `address` at `now`.
    Store::PutResult put(const std::string& name, int64_t id, int64_t score,
                         const std::string& address, int64_t now, int per_day = 0) {
        const std::string plain = name + "#" + std::to_string(score);
        const std::string wire = "wire " + plain;
        RankWrite w;
        w.name = name;
        w.player_id = id;
        w.score = score;
        w.plain = plain;
        w.wire = wire;
        w.address = address;
        return store_->put_rank(w, per_day, now);
    }

    std::vector<int64_t> scores_shown() {
        std::vector<int64_t> out;
        for (const auto& r : store_->top_ranks(100)) {
            out.push_back(std::stoll(r.plain.substr(r.plain.find('#') + 1)));
        }
        return out;
    }

    TempFolder folder_;
    std::unique_ptr<Store> store_;
};

TEST_F(StoreTest, EveryReplacedValueIsKeptWithItsTimeAndAddresses) {
    open();
    ASSERT_EQ(put("ミナト", 1, 100, "10.0.0.1", kT0), Store::PutResult::kStored);
    ASSERT_EQ(put("ミナト", 1, 200, "10.0.0.2", kT0 + 60), Store::PutResult::kStored);
    ASSERT_EQ(put("ミナト", 1, 300, "10.0.0.3", kT0 + 120), Store::PutResult::kStored);
    ASSERT_EQ(put("ハル", 2, 50, "10.0.0.1", kT0 + 130), Store::PutResult::kStored);

    const std::optional<EntryValue> now = store_->current("ミナト", 1);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->score, 300);
    EXPECT_EQ(now->address, "10.0.0.3");
    EXPECT_EQ(now->uploaded_at, kT0 + 120);
    const std::vector<HistoryValue> h = store_->history("ミナト", 1);
    ASSERT_EQ(h.size(), 2u);
    EXPECT_EQ(h[0].value.score, 200);  // newest first
    EXPECT_EQ(h[0].value.address, "10.0.0.2");
    EXPECT_EQ(h[0].value.uploaded_at, kT0 + 60);
    EXPECT_EQ(h[0].value.plain, "ミナト#200");
    EXPECT_EQ(h[0].left_at, kT0 + 120);
    EXPECT_EQ(h[0].left_by, "10.0.0.3");
    EXPECT_EQ(h[0].reason, "replaced");
    EXPECT_EQ(h[1].value.score, 100);
    EXPECT_EQ(h[1].value.address, "10.0.0.1");
    EXPECT_EQ(h[1].left_by, "10.0.0.2");
    // Another adventurer's first upload replaced nothing.
    EXPECT_TRUE(store_->history("ハル", 2).empty());
    EXPECT_EQ(store_->rank_count(), 2);
}

TEST_F(StoreTest, NewEntriesAreCountedPerAddressForADayAndUpdatesAreFree) {
    open();
    const std::string a = "10.0.0.1", b = "10.0.0.2";
    EXPECT_EQ(put("A1", 1, 10, a, kT0, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("A2", 2, 10, a, kT0 + 10, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("A3", 3, 10, a, kT0 + 20, 2), Store::PutResult::kTooManyNew);
    EXPECT_FALSE(store_->current("A3", 3));
    // Updating its own entries, and another address's, counts as nothing.
    EXPECT_EQ(put("A1", 1, 20, a, kT0 + 30, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("B1", 9, 10, b, kT0 + 40, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("B1", 9, 30, a, kT0 + 50, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("A3", 3, 10, b, kT0 + 60, 2), Store::PutResult::kStored);
    // The same name with another player id is another entry.
    EXPECT_EQ(put("A1", 7, 10, a, kT0 + 70, 2), Store::PutResult::kTooManyNew);
    // A day after the first, one more; a day after the second, another.
    EXPECT_EQ(put("A4", 4, 10, a, kT0 + kDay - 1, 2), Store::PutResult::kTooManyNew);
    EXPECT_EQ(put("A4", 4, 10, a, kT0 + kDay + 1, 2), Store::PutResult::kStored);
    EXPECT_EQ(put("A5", 5, 10, a, kT0 + kDay + 2, 2), Store::PutResult::kTooManyNew);
    EXPECT_EQ(put("A5", 5, 10, a, kT0 + kDay + 11, 2), Store::PutResult::kStored);
    // Without a limit, any number; and the count survives reopening the file.
    EXPECT_EQ(put("A6", 6, 10, a, kT0 + kDay + 12, 0), Store::PutResult::kStored);
    open();
    EXPECT_EQ(put("A7", 7, 10, a, kT0 + kDay + 13, 2), Store::PutResult::kTooManyNew);
}

TEST_F(StoreTest, RestorePutsBackTheValueBeforeAndGoesFurtherBackEachTime) {
    open();
    put("ミナト", 1, 100, "10.0.0.1", kT0);
    put("ミナト", 1, 200, "10.0.0.1", kT0 + 60);
    put("ミナト", 1, 5, "10.6.6.6", kT0 + 120);  // someone else's overwrite
    put("ハル", 2, 150, "10.0.0.2", kT0 + 130);
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{150, 5}));

    std::string error;
    std::optional<EntryValue> back = store_->restore_entry("ミナト", 1, error, kT0 + 200);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->score, 200);
    EXPECT_EQ(back->address, "10.0.0.1");
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{200, 150}));
    const auto now = store_->current("ミナト", 1);
    ASSERT_TRUE(now);
    EXPECT_EQ(now->uploaded_at, kT0 + 60);  // the value as it was, with its time
    // The overwrite is kept, marked as taken away by the restore.
    std::vector<HistoryValue> h = store_->history("ミナト", 1);
    ASSERT_EQ(h.size(), 3u);
    EXPECT_EQ(h[0].value.score, 5);
    EXPECT_EQ(h[0].reason, "restored");
    EXPECT_EQ(h[0].left_by, "host");
    EXPECT_TRUE(h[1].put_back);  // 200
    // Again: further back.
    back = store_->restore_entry("ミナト", 1, error, kT0 + 210);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->score, 100);
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{150, 100}));
    // Nothing older: nothing changes and no error.
    back = store_->restore_entry("ミナト", 1, error, kT0 + 220);
    EXPECT_FALSE(back);
    EXPECT_EQ(error, "");
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{150, 100}));
    EXPECT_FALSE(store_->restore_entry("ソラ", 3, error));
    EXPECT_EQ(error, "");
}

TEST_F(StoreTest, DeleteKeepsTheValueAndRestoreBringsItBack) {
    open();
    put("ミナト", 1, 100, "10.0.0.1", kT0);
    put("ハル", 2, 150, "10.0.0.2", kT0 + 10);
    std::string error;
    std::optional<EntryValue> gone = store_->delete_entry("ミナト", 1, error, kT0 + 100);
    ASSERT_TRUE(gone) << error;
    EXPECT_EQ(gone->score, 100);
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{150}));
    EXPECT_FALSE(store_->current("ミナト", 1));
    const std::vector<HistoryValue> h = store_->history("ミナト", 1);
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].reason, "deleted");
    EXPECT_EQ(h[0].left_at, kT0 + 100);
    EXPECT_FALSE(store_->delete_entry("ミナト", 1, error));  // no such entry any more
    EXPECT_EQ(error, "");
    const std::optional<EntryValue> back = store_->restore_entry("ミナト", 1, error, kT0 + 200);
    ASSERT_TRUE(back);
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{150, 100}));
}

TEST_F(StoreTest, ReportsKeepTheAddressTheyCameFrom) {
    open();
    net::Report r;
    r.message = "hi";
    r.name = "A";
    r.time = "1/1 0:0";
    ASSERT_EQ(store_->add_report(r, "w1", "10.0.0.1", kT0), Store::PostResult::kStored);
    r.message = "again";
    ASSERT_EQ(store_->add_report(r, "w2", "2001:db8::1", kT0 + 1), Store::PostResult::kStored);
    store_.reset();
    sqlite3* handle = nullptr;
    ASSERT_EQ(sqlite3_open(db().c_str(), &handle), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(handle, "SELECT address FROM reports ORDER BY id", -1, &stmt, nullptr),
        SQLITE_OK);
    std::vector<std::string> addresses;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        addresses.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
    EXPECT_EQ(addresses, (std::vector<std::string>{"10.0.0.1", "2001:db8::1"}));
}

TEST_F(StoreTest, UpkeepDropsOldEntriesAndReportsAndKeepsTheirValues) {
    open();
    put("Old", 1, 100, "10.0.0.1", kT0 - 3 * kDay);
    put("Fresh", 2, 200, "10.0.0.1", kT0 - kDay);
    net::Report r;
    r.message = "old";
    r.name = "Old";
    r.time = "1/1 0:0";
    store_->add_report(r, "old report", "10.0.0.1", kT0 - 3 * kDay);
    r.message = "fresh";
    store_->add_report(r, "fresh report", "10.0.0.1", kT0 - kDay);

    // Off: nothing goes.
    auto dropped = store_->upkeep(0, kT0);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->entries, 0);
    EXPECT_EQ(store_->rank_count(), 2);
    EXPECT_EQ(store_->report_count(), 2);

    dropped = store_->upkeep(2, kT0);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->entries, 1);
    EXPECT_EQ(dropped->reports, 1);
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{200}));
    const auto reports = store_->newest_reports(10);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].wire, "fresh report");
    const std::vector<HistoryValue> h = store_->history("Old", 1);
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].reason, "expired");
    EXPECT_EQ(h[0].value.score, 100);
    // An entry exactly at the limit stays.
    dropped = store_->upkeep(1, kT0 - 1);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped->entries, 0);
}

TEST_F(StoreTest, TheOddEntriesAndAddressesAreListedAndTheOrdinaryOnesAreNot) {
    open();
    const int64_t t = kT0 - kDay / 2;
    // Ordinary: one address, a few uploads, the score growing at the game's pace.
    for (int i = 0; i < 5; ++i) put("Plain", 1, 1000 + 500 * i, "10.0.0.1", t + 600 * i);
    // Replaced 21 times within a day.
    for (int i = 0; i < 22; ++i) put("Busy", 2, 1000 + i, "10.0.0.2", t + 60 * i);
    // From two addresses.
    put("Shared", 3, 1000, "10.0.0.3", t);
    put("Shared", 3, 1100, "10.0.0.4", t + 600);
    // The score fell.
    put("Fallen", 4, 5000, "10.0.0.5", t);
    put("Fallen", 4, 30, "10.0.0.5", t + 600);
    // The score rose far faster than the game earns.
    put("Rocket", 5, 100, "10.0.0.6", t);
    put("Rocket", 5, 900100, "10.0.0.6", t + 120);
    // Six new entries from one address; five from another.
    for (int i = 0; i < 6; ++i) put("Many" + std::to_string(i), 10 + i, 10, "10.0.0.7", t + i);
    for (int i = 0; i < 5; ++i) put("Few" + std::to_string(i), 20 + i, 10, "10.0.0.8", t + i);
    // Odd, but more than a week ago.
    put("Ancient", 6, 5000, "10.0.0.9", kT0 - 9 * kDay);
    put("Ancient", 6, 1, "10.0.0.10", kT0 - 8 * kDay);

    struct Expect {
        std::string who;
        std::string what;
    };
    const Expect expected[] = {
        {"Busy", "replaced 21 times in the last 24 hours"},
        {"Fallen", "score fell from 5000 to 30"},
        {"Rocket", "score rose from 100 to 900100 in 2 min"},
        {"Shared", "sent from 2 addresses"},
        {"10.0.0.7", "made 6 new entries in the last 7 days"},
    };
    const std::vector<server::Suspicion> found = store_->suspicious(kT0);
    ASSERT_EQ(found.size(), std::size(expected));
    for (const Expect& e : expected) {
        bool seen = false;
        for (const server::Suspicion& s : found) {
            if ((s.entry ? s.name : s.address) != e.who) continue;
            seen = true;
            EXPECT_EQ(s.what, e.what) << e.who;
        }
        EXPECT_TRUE(seen) << e.who;
    }
    for (const server::Suspicion& s : found) {
        if (s.name == "Shared") {
            EXPECT_EQ(s.addresses, (std::vector<std::string>{"10.0.0.3", "10.0.0.4"}));
        }
    }
}

// The first version of the server made these tables; its database opens, keeps everything,
// and takes the new columns and tables.
TEST_F(StoreTest, ADatabaseOfTheFirstVersionOpensAndKeepsItsEntries) {
    {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(db().c_str(), &handle), SQLITE_OK);
        // Its texts went in as blobs, as it bound them.
        const char* old_entries =
            "INSERT INTO ranking VALUES (CAST('Old' AS BLOB), 1, 700, 1, 1700000000,"
            " CAST('Old#700' AS BLOB), CAST('w1' AS BLOB));"
            "INSERT INTO ranking VALUES (CAST('Older' AS BLOB), 2, 300, 2, 1700000000,"
            " CAST('Older#300' AS BLOB), CAST('w2' AS BLOB));"
            "INSERT INTO reports (message, name, player_id, race_sex, time, posted_at, wire)"
            " VALUES (CAST('hi' AS BLOB), CAST('Old' AS BLOB), 1, 0, '1/1 0:0', 1700000000,"
            " CAST('report wire' AS BLOB));";
        char* message = nullptr;
        ASSERT_EQ(sqlite3_exec(handle, kFirstSchema, nullptr, nullptr, &message), SQLITE_OK)
            << message;
        ASSERT_EQ(sqlite3_exec(handle, old_entries, nullptr, nullptr, &message), SQLITE_OK)
            << message;
        sqlite3_close(handle);
    }
    open();
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{700, 300}));
    EXPECT_EQ(store_->top_ranks(10)[0].wire, "w1");
    ASSERT_EQ(store_->newest_reports(10).size(), 1u);
    EXPECT_EQ(store_->newest_reports(10)[0].wire, "report wire");
    // An old entry's address was never kept.
    ASSERT_TRUE(store_->current("Old", 1));
    EXPECT_EQ(store_->current("Old", 1)->address, "");
    // It takes uploads, keeps the value replaced, and records addresses from now on.
    ASSERT_EQ(put("Old", 1, 800, "10.0.0.1", kT0), Store::PutResult::kStored);
    const auto h = store_->history("Old", 1);
    ASSERT_EQ(h.size(), 1u);
    EXPECT_EQ(h[0].value.score, 700);
    EXPECT_EQ(store_->current("Old", 1)->address, "10.0.0.1");
    net::Report r;
    r.message = "new";
    r.name = "Old";
    r.time = "1/1 0:0";
    EXPECT_EQ(store_->add_report(r, "new report", "10.0.0.1"), Store::PostResult::kStored);
    // And opens again as it is.
    open();
    EXPECT_EQ(scores_shown(), (std::vector<int64_t>{800, 300}));
    EXPECT_EQ(store_->report_count(), 2);
}

}  // namespace
}  // namespace quill::server_test
