// Reading the ranking server's answers into the game's tables. The server may be anything
// at all, so every reading is bounded and forgiving: a broken line is passed over, a broken
// field reads as empty (or 0), and nothing a server sends can make the game fail.
// Plain functions over the answer's code page 932 bytes; the texts come out in UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "state/net_records.h"

namespace quill::net {

// The lines of an answer, split at CR LF, LF or a lone CR.
std::vector<std::string_view> AnswerLines(std::string_view body);

struct RankingAnswer {
    std::vector<RankEntry> entries;    // at most kRankEntries, in the answer's order
    std::vector<std::string> notices;  // the server's "[m" lines, newest last
};
// Every line that decodes to a ranking line (both "k[" and "]k" in it) is an entry, even
// when its fields stop early; "[m" lines are notices for the log.
RankingAnswer ParseRankingAnswer(std::string_view body);

struct ReportAnswer {
    std::vector<ReportEntry> entries;  // at most kReportsKept, newest first
    bool duplicate_refused = false;    // the server refused a report it already had
};
// A line is a report when it has its "{t" … "}t" part; "TENKI" lines are not reports.
ReportAnswer ParseReportAnswer(std::string_view body);

// The entries dated within the hour before (month, day, hour).
int32_t CountRecentPlayers(const std::vector<RankEntry>& entries, int month, int day, int hour);
// The highest version among the dated entries when it is above `program_version`, else 0.
int32_t NewerVersion(const std::vector<RankEntry>& entries, int32_t program_version);

// The longest text field kept, in code page 932 bytes; a longer one reads as empty.
constexpr size_t kLongestField = 256;
// The most notices kept from one answer (the log shows no more).
constexpr size_t kNoticesKept = 21;

}  // namespace quill::net
