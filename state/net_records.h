// What the ranking server sends back, as the game keeps it.
#pragma once

#include <cstdint>
#include <string>

namespace quill {

// One line of the shared report list.
struct ReportEntry {
    std::string name;
    std::string message;
    std::string time;
    int32_t race_sex = 0;
    int32_t player_id = 0;
};
constexpr int kReportEntries = 30;

}  // namespace quill
