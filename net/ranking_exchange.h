// The island's ranking at the ranking server: sending the adventurer's line, fetching the
// list, and finding the adventurer in it.
#pragma once

#include <cstdint>
#include <string>

#include "net/protocol_codec.h"
#include "state/game.h"

namespace quill {

// The 28 fields of the adventurer's ranking line, in code page 932 (the name
// "hostap7741" goes as "GM").
net::RankFields RankLineFields(Game& g);

// Uploads the ranking line; 0 when the server took it (its answer is the new ranking, read
// into rank_entries), -1 otherwise.
int32_t send_rank(Game& g);
// Downloads the ranking into rank_entries.
void fetch_rank(Game& g);
// The index in rank_entries of the adventurer (same name and player id; the last of
// several), or -1.
int32_t own_rank(const Game& g);

// Reads a ranking answer into the game: the entries, the server's notices (logged in
// "pink2"), the people on the island and a newer version.
void ApplyRankingAnswer(Game& g, std::string_view body);

}  // namespace quill
