// The shared report list of the world-site panel, one coloured line per report.
#pragma once

#include "state/game.h"

namespace quill {

// The colour of a report message by its tag (the five code-page bytes from the third on);
// white when it carries none.
platform::Color ReportTagColour(const std::string& message);

void DrawReportList(Game& g);

}  // namespace quill
