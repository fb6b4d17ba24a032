// The shared report list of the world-site panel, one coloured line per report.
#pragma once

#include <string>

#include "state/game.h"

namespace quill {

// The colour of a report message by its tag (the five code-page bytes from the third on);
// white when it carries none.
platform::Color ReportTagColour(const std::string& message);

void DrawReportList(Game& g);

// A time as the panels show it: the server sends "1:9" for nine past one; the minutes get
// their two digits ("1:09"). Any other text is left as it is.
std::string TimeWithTwoDigitMinutes(const std::string& time);

}  // namespace quill
