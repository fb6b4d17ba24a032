// The database as the first server made it, before entries kept their addresses and the
// values they lost: a test makes one with this to see that a newer server opens it.
#pragma once

namespace quill::server_test {

constexpr const char* kFirstSchema =
    "PRAGMA journal_mode = WAL;"
    "CREATE TABLE ranking (name BLOB NOT NULL, player_id INTEGER NOT NULL,"
    " score INTEGER NOT NULL, upload_seq INTEGER NOT NULL,"
    " uploaded_at INTEGER NOT NULL, plain BLOB NOT NULL, wire BLOB NOT NULL,"
    " UNIQUE (name, player_id));"
    "CREATE INDEX ranking_order ON ranking (score DESC, upload_seq ASC);"
    "CREATE INDEX ranking_seq ON ranking (upload_seq);"
    "CREATE TABLE reports (id INTEGER PRIMARY KEY AUTOINCREMENT, message BLOB NOT NULL,"
    " name BLOB NOT NULL, player_id INTEGER NOT NULL, race_sex INTEGER NOT NULL,"
    " time TEXT NOT NULL, posted_at INTEGER NOT NULL, wire BLOB NOT NULL);";

}  // namespace quill::server_test
