// The save files in dat/: my.dat (the whole game, with a checksum), kousin.dat (network
// bookkeeping) and the read-only name list name.dat. All are code page 932 with CR LF.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

constexpr int kSaveLines = 7601;
constexpr int kChecksumLine = 5465;

// The load at start-up (and after a death): a missing save becomes a new game; a save that
// fails its checksum, or holds a line that is not a number where one belongs, is reported
// and marks the save damaged, so nothing is written over it in this run.
void load_game(Game& g);
// Writes my.dat whole (or not at all) and then the record; nothing while the save is damaged.
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
