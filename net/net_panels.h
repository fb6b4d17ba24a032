// The ranking panel net_box and the world-site panel world_box: what the server sent,
// opened from the island map, one fetch of each kind in six minutes at most.
#pragma once

#include <cstdint>
#include <string>

#include "state/game.h"

namespace quill {

// True while the last fetch (or upload) of the ranking lies less than six minutes back on
// the clock's minute hand; otherwise remembers the current minute and gives false.
bool rank_too_soon(Game& g);
// The same for the report list.
bool report_too_soon(Game& g);

// The world-site picture of the island map: opens the world site.
void Image15MouseDown(Game& g);
// ">ランキング": the ranking panel, fetched when allowed, the adventurer's own row chosen.
void l_btn70MouseDown(Game& g);
// ">ワールドサイト": back to the world site (no fetch).
void l_btn71MouseDown(Game& g);
// A press, release or key on net_list: the details of the chosen row.
void net_listMouseDown(Game& g);
// ">CLOSE" of either panel: the log cleared and the game shown again.
void l_btn68MouseDown(Game& g);
void l_btn69MouseDown(Game& g);

// What the details say while nobody is ranked.
inline constexpr const char* kNobodyRanked =
    "まだ誰も\nランキングに載っていません。\n\nネットワークモードで宿に泊まると、得点が送られます"
    "。";

// Fills net_list from rank_entries: one row per entry with a name.
void FillRankList(Game& g);
// The details of one entry as net_l shows them.
std::string RankDetails(const RankEntry& e);

}  // namespace quill
