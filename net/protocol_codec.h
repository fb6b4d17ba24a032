// The texts the game and the ranking server exchange, and their encodings. Everything
// here works on code page 932 bytes (std::string holding Shift-JIS), as the exchanges do.
// No Qt, no network: the game and the server both use it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill::net {

constexpr int kRankFields = 28;
using RankFields = std::array<std::string, kRankFields>;  // each field as text (code page 932)

// The fields of the ranking line that hold integers (1-based): all but 1 (name), 7 (date),
// 23 (title) and 24 (pet name).
bool rank_field_is_integer(int field);
// An integer as the game writes one: "0", or an optional "-" and digits without a leading
// zero, within 32 bits. The one rule for every integer of the protocol.
std::optional<int32_t> parse_rank_integer(std::string_view text);

// The first occurrence of `needle` in code page 932 `text` at or after `from` that starts on a
// character boundary, or npos (an ASCII marker such as "k[" can otherwise be found inside a
// two-byte character). `from` must be a boundary.
size_t find_text(std::string_view text, std::string_view needle, size_t from = 0);

// A point in time as both sides write it: month "/" day " " hour ":" minute, without
// leading zeros ("12/1 9:05" is written "12/1 9:5"). The ranking line's date and a report's
// stamp.
std::string time_text(int month, int day, int hour, int minute);

// UTF-7 run of a text that begins and ends with a full-width character: the RFC 2152
// encoding of the text without its leading "+" and trailing "-". Nothing when the bytes are
// not code page 932, or when the text does not begin and end with a character that UTF-7
// writes in base64 (so that utf7_unrun could not read the run back).
std::optional<std::string> utf7_run(std::string_view cp932);
// Decodes "+" + run + "-" as UTF-7 into code page 932. Nothing when the run is malformed
// (bad base64, a cut-off character) or holds characters without a code page 932 form.
std::optional<std::string> utf7_unrun(std::string_view run);

// Every byte as "%" and two upper-case hexadecimal digits.
std::string percent_all(std::string_view bytes);
// The inverse: "%XX" triples (either case) become bytes, other bytes stay as they are.
// Nothing when a "%" is not followed by two hexadecimal digits.
std::optional<std::string> percent_decode(std::string_view text);

// The ranking line: "[hいk[]kあ#{" followed by the 28 fields, each followed by "#{".
std::string build_rank_line(const RankFields& fields);
// The 28 fields of a (decoded) ranking line; nothing without "k[" and "]k" or without 28
// fields.
std::optional<RankFields> parse_rank_line(std::string_view line);

// The body of a ranking upload: percent_all(utf7_run("＊　" + line + "　＊") + "あ" + n),
// n in [0, 99).
std::optional<std::string> rank_upload_body(std::string_view rank_line, int n);
// The ranking line inside an upload body; nothing when any part of the frame is wrong.
std::optional<std::string> decode_rank_upload(std::string_view body);

// One report of the shared list. message and name are plain (without the ideographic
// spaces the line puts around them).
struct Report {
    std::string message;
    std::string name;
    int32_t player_id = 0;
    int32_t race_sex = 0;
    std::string time;  // month "/" day " " hour ":" minute, the "{t" part
};
// utf7_run("　＊") "{m" utf7_run("　" message "　") "}m{n" utf7_run("　" name "　") "}n{p"
// id "}p{s" race_sex "}s{t" time "}t". Nothing when a text is not code page 932.
std::optional<std::string> build_report_line(const Report& report);
// Nothing when a part is missing or malformed.
std::optional<Report> parse_report_line(std::string_view line);
// The body of a report upload: percent_all of the report line (whose time part the server
// replaces with its own).
std::string report_upload_body(std::string_view report_line);
std::optional<Report> decode_report_upload(std::string_view body);

}  // namespace quill::net
