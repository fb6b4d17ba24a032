// What the game sends and reads, built and read with the game's own codec, so the tests
// speak to the server exactly as the game does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/protocol_codec.h"

namespace quill::server_test {

// Where the game fetches and uploads.
constexpr const char* kRank = "/zkv/zkv_rank.exe";
constexpr const char* kRankWrite = "/zkv/zkv_rank.exe?write";
constexpr const char* kReport = "/zkv/zkv_report.exe";
constexpr const char* kReportWrite = "/zkv/zkv_report.exe?write";

// UTF-8 source text in the game's code page, and back.
std::string sj(std::string_view utf8);
std::string utf8(std::string_view cp932);

// An adventurer's ranking fields (name in UTF-8), the rest values the game can send: the
// level the score allows (at most 12), no pet.
net::RankFields adventurer(std::string_view name, int64_t player_id, int64_t score);
// The body the game uploads for these fields.
std::string rank_body(const net::RankFields& fields, int n = 42);

// The body the game posts for a report (name and message in UTF-8).
std::string report_body(std::string_view name, std::string_view message, int32_t player_id = 7,
                        int32_t race_sex = 1);

// An answer split at CR LF (a last line without CR LF counts too); nothing when a line ends
// with a bare LF or CR.
std::optional<std::vector<std::string>> answer_lines(std::string_view body);

// The ranking fields of each line the game would take as an entry, in order.
std::vector<net::RankFields> ranking_entries(std::string_view body);
// Names (UTF-8) of the ranking entries, in order.
std::vector<std::string> ranking_names(std::string_view body);
// The reports of a report answer, in order.
std::vector<net::Report> report_entries(std::string_view body);

}  // namespace quill::server_test
