// The texts the server answers the game with: code page 932, one line per entry, each line
// ended by CR LF.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "net/protocol_codec.h"

namespace quill::server {

// The ranking line as the game reads it: the UTF-7 run of "＊　" + line + "　＊".
std::optional<std::string> rank_answer_line(const net::RankFields& fields);

// The notice line the game shows in its log: "[m" and the notice (code page 932).
std::string notice_line(std::string_view notice_cp932);

// The refusal of a report already among the newest (the game stops reading the list there).
std::string duplicate_refusal();

// The stamp of a report: month "/" day " " hour ":" minute, without leading zeros.
std::string report_time(const std::tm& local);

// Lines joined, each ended by CR LF.
std::string join_lines(const std::vector<std::string>& lines);

}  // namespace quill::server
