// The shared report list at the ranking server: posting a line and fetching the list.
#pragma once

#include <string>
#include <string_view>

#include "state/game.h"

namespace quill {

// Posts one report line (in the network mode) unless it repeats the adventurer's own newest
// report; the answer becomes the report list.
void post_report(Game& g, const std::string& message);
// Fetches the shared report list (in the network mode).
void fetch_reports(Game& g);

// Reads a report answer into report_entries. A refusal of a repeated report empties the
// list and says so ("チャットデータ受信エラー").
void ApplyReportAnswer(Game& g, std::string_view body);

}  // namespace quill
