// The save files in dat/: my.dat (the whole game, with a checksum), kousin.dat (network
// bookkeeping) and the read-only name list name.dat. All are code page 932 with CR LF.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "state/game.h"

namespace quill {

constexpr int kSaveLines = 7601;
constexpr int kChecksumLine = 5465;
constexpr size_t kMaxSaveBytes = 4u << 20;  // a real save is about 20 KB

// What reading my.dat's bytes found.
struct SaveReading {
    int failed_line = 0;  // the first line that is not a number where one belongs, else 0
    bool checksum_ok = true;
    bool ok() const { return failed_line == 0 && checksum_ok; }
};
// Reads my.dat's bytes into the game's state (the tables are not filled, nothing is written).
SaveReading read_save_bytes(Game& g, std::string bytes);
// A save file read into a game of its own, when it is a whole save with its checksum
// (nothing is written); nothing otherwise.
std::unique_ptr<Game> read_whole_save(const std::filesystem::path& file);
// Reads kousin.dat's four numbers in order; false at the first line that is not one (the
// ones before it are taken, the rest stay as they were).
bool read_net_bookkeeping_bytes(GameState& s, std::string bytes);
// Reads name.dat's lines into the strangers' names (missing lines are empty names).
void read_name_list(Game& g, std::string bytes);

// The load at start-up (and after a death): a missing save becomes a new game; a save that
// cannot be read, fails its checksum, or holds a line that is not a number where one belongs
// is reported; when a good backup exists the report asks whether to restore it (the damaged
// file is then kept aside and the backup loaded), else the save is marked damaged, so
// nothing is written over it in this run.
void load_game(Game& g);
// Writes my.dat whole (or not at all), keeps the save it replaced as a backup, and writes
// the record; nothing while the save is damaged.
void save_game(Game& g);
void load_net_bookkeeping(Game& g);
void save_net_bookkeeping(Game& g);
// The reset after the player's three answers: a new game, saved.
void reset_game(Game& g);

// The checksum of the values in memory.
int32_t save_checksum(const Game& g);
// my.dat as it would be written now (code page 932, CR LF).
std::string save_file_bytes(Game& g);

}  // namespace quill
