#include "server/uploads.h"

#include <charconv>

#include "platform/text_codec.h"
#include "server/plausibility.h"

namespace quill::server {

namespace {

// Why a text field cannot be stored, or nothing when it can.
std::optional<std::string> text_problem(std::string_view text, int max_chars,
                                        std::string_view what) {
    const std::optional<int> chars = cp932_chars(text);
    if (!chars) return std::string(what) + " is not code page 932 text";
    if (*chars > max_chars) {
        return std::string(what) + " is longer than " + std::to_string(max_chars) + " characters";
    }
    if (text.find("#{") != std::string_view::npos) return std::string(what) + " contains \"#{\"";
    for (unsigned char c : text) {
        if (c < 0x20 || c == 0x7F) return std::string(what) + " contains a control character";
    }
    return std::nullopt;
}

// A body made only of "%XX" triples decodes; anything else is not the game's encoding.
std::optional<std::string> body_problem(std::string_view body) {
    if (body.empty()) return "empty body";
    if (!net::percent_decode(body)) return "bad percent-encoding";
    return std::nullopt;
}

}  // namespace

std::optional<int> cp932_chars(std::string_view cp932) {
    const std::optional<std::string> utf8 = platform::from_cp932(cp932);
    if (!utf8) return std::nullopt;
    int chars = 0;
    for (unsigned char c : *utf8) {
        if ((c & 0xC0) != 0x80) ++chars;
    }
    return chars;
}

Checked<RankUpload> check_rank_upload(std::string_view body) {
    Checked<RankUpload> out;
    if (auto problem = body_problem(body)) {
        out.reason = "ranking upload: " + *problem;
        return out;
    }
    const std::optional<std::string> line = net::decode_rank_upload(body);
    if (!line) {
        out.reason = "ranking upload: not a framed ranking line with its trailing number";
        return out;
    }
    std::optional<net::RankFields> fields = net::parse_rank_line(*line);
    // Exactly the marker and 28 fields: the line must be what the fields build again.
    if (!fields || net::build_rank_line(*fields) != *line) {
        out.reason = "ranking upload: the line does not hold exactly 28 fields";
        return out;
    }
    RankUpload upload;
    for (int n = 1; n <= net::kRankFields; ++n) {
        std::string& field = (*fields)[n - 1];
        if (net::rank_field_is_integer(n)) {
            const std::optional<int32_t> value = net::parse_rank_integer(field);
            if (!value) {
                out.reason = "ranking upload: field " + std::to_string(n) + " is not an integer";
                return out;
            }
            field = std::to_string(*value);
            if (n == 2) upload.player_id = *value;
            if (n == 3) upload.score = *value;
        } else {
            const int max_chars = n == 1 || n == 24 ? kMaxNameChars : kMaxOtherTextChars;
            const std::string what = n == 1 ? "the name" : "field " + std::to_string(n);
            if (auto problem = text_problem(field, max_chars, what)) {
                out.reason = "ranking upload: " + *problem;
                return out;
            }
        }
    }
    if ((*fields)[0].empty()) {
        out.reason = "ranking upload: empty name";
        return out;
    }
    // Values the game cannot reach are not the game's.
    if (auto problem = plausible::problem(*fields)) {
        out.reason = "ranking upload: " + *problem;
        return out;
    }
    upload.fields = std::move(*fields);
    out.value = std::move(upload);
    return out;
}

Checked<net::Report> check_report_upload(std::string_view body) {
    Checked<net::Report> out;
    if (auto problem = body_problem(body)) {
        out.reason = "report upload: " + *problem;
        return out;
    }
    std::optional<net::Report> report = net::decode_report_upload(body);
    if (!report) {
        out.reason = "report upload: not a report line";
        return out;
    }
    if (report->name.empty()) {
        out.reason = "report upload: empty name";
        return out;
    }
    if (report->message.empty()) {
        out.reason = "report upload: empty message";
        return out;
    }
    if (auto problem = text_problem(report->name, kMaxNameChars, "the name")) {
        out.reason = "report upload: " + *problem;
        return out;
    }
    if (auto problem = text_problem(report->message, kMaxMessageChars, "the message")) {
        out.reason = "report upload: " + *problem;
        return out;
    }
    out.value = std::move(report);
    return out;
}

}  // namespace quill::server
