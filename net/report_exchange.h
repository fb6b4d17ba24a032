// The shared report list at the ranking server: posting a line and fetching the list.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

// Posts one report line (in network mode); the answer becomes the report list.
void post_report(Game& g, const std::string& message);
// Fetches the shared report list (in network mode).
void fetch_reports(Game& g);

}  // namespace quill
