#include "net/answer_parsers.h"

#include <algorithm>
#include <optional>

#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace quill::net {
namespace {

constexpr std::string_view kFieldEnd = "#{";
constexpr std::string_view kIdeographicSpace = "\x81\x40";  // "　"
// "二重投稿は禁止しています", the server's refusal of a report it already has.
constexpr std::string_view kDuplicateRefusal =
    "\x93\xF1\x8F\x64\x93\x8A\x8D\x65\x82\xCD\x8B\xD6\x8E\x7E\x82\xB5\x82\xC4\x82\xA2\x82\xDC"
    "\x82\xB7";

// A number as the game writes one (the codec's rule), forgiving leading zeros.
std::optional<int32_t> read_number(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    while (text.size() > 1 && text.front() == '0') text.remove_prefix(1);
    if (text == "0") return 0;
    return parse_rank_integer(negative ? "-" + std::string(text) : std::string(text));
}

// A text field in UTF-8; nothing when it is too long or not code page 932.
std::optional<std::string> read_text(std::string_view cp932) {
    if (cp932.size() > kLongestField) return std::nullopt;
    return platform::from_cp932(cp932);
}

// The text between the first `open` and the first `close` after it; empty when either is
// missing.
std::string_view between(std::string_view line, std::string_view open, std::string_view close) {
    const size_t start = find_text(line, open);
    if (start == std::string_view::npos) return {};
    const size_t from = start + open.size();
    const size_t end = find_text(line, close, from);
    if (end == std::string_view::npos) return {};
    return line.substr(from, end - from);
}

bool has_part(std::string_view line, std::string_view open, std::string_view close) {
    const size_t start = find_text(line, open);
    return start != std::string_view::npos &&
           find_text(line, close, start + open.size()) != std::string_view::npos;
}

// Fills the entry field by field; the first field that is missing or unreadable ends it.
void fill_entry(RankEntry& e, std::string_view d) {
    size_t at = find_text(d, kFieldEnd);
    if (at == std::string_view::npos) return;
    at += kFieldEnd.size();
    std::string* texts[] = {&e.name, &e.date, &e.title, &e.pet_name};
    int32_t* numbers[] = {&e.player_id,
                          &e.score,
                          &e.race_sex,
                          &e.char_type,
                          &e.load_count,
                          &e.level,
                          &e.max_distance_m,
                          &e.equipment_kinds,
                          &e.rare_item_kinds,
                          &e.learned_techniques,
                          &e.attack,
                          &e.defence,
                          &e.intellect,
                          &e.spirit,
                          &e.hit,
                          &e.evasion,
                          &e.critical,
                          &e.guard,
                          &e.battle_count,
                          &e.spare,
                          &e.pet_level,
                          &e.record_kinds,
                          &e.pet_look,
                          &e.version};
    int text_index = 0, number_index = 0;
    for (int field = 1; field <= kRankFields; ++field) {
        const size_t end = find_text(d, kFieldEnd, at);
        if (end == std::string_view::npos) return;
        const std::string_view value = d.substr(at, end - at);
        at = end + kFieldEnd.size();
        if (rank_field_is_integer(field)) {
            auto n = read_number(value);
            if (!n) return;
            *numbers[number_index++] = *n;
        } else {
            auto text = read_text(value);
            if (!text) return;
            *texts[text_index++] = std::move(*text);
        }
    }
}

// The byte position where the last code page 932 character of `text` begins.
size_t last_char_start(std::string_view text) {
    size_t pos = 0, last = 0;
    while (pos < text.size()) {
        last = pos;
        const auto c = static_cast<unsigned char>(text[pos]);
        const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        pos += lead && pos + 1 < text.size() ? 2 : 1;
    }
    return last;
}

// A report text: UTF-7 decoded, then (for the name) the ideographic spaces around it taken
// off where they are. A run that does not decode, or is too long, reads as empty.
std::string report_text(std::string_view run, bool strip_spaces) {
    if (run.empty() || run.size() > 4 * kLongestField) return {};
    auto cp932 = utf7_unrun(run);
    if (!cp932) return {};
    std::string_view t = *cp932;
    if (strip_spaces) {
        if (t.starts_with(kIdeographicSpace)) t.remove_prefix(kIdeographicSpace.size());
        if (t.ends_with(kIdeographicSpace) &&
            last_char_start(t) == t.size() - kIdeographicSpace.size()) {
            t.remove_suffix(kIdeographicSpace.size());
        }
    }
    auto text = read_text(t);
    return text ? std::move(*text) : std::string();
}

}  // namespace

std::vector<std::string_view> AnswerLines(std::string_view body) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '\r' && body[i] != '\n') continue;
        lines.push_back(body.substr(start, i - start));
        if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < body.size()) lines.push_back(body.substr(start));
    return lines;
}

RankingAnswer ParseRankingAnswer(std::string_view body) {
    RankingAnswer answer;
    for (std::string_view line : AnswerLines(body)) {
        if (answer.entries.size() >= static_cast<size_t>(kRankEntries)) break;
        if (line.starts_with("[m")) {
            answer.notices.push_back(
                platform::from_cp932_lossy(line.substr(0, std::min(line.size(), kLongestField))));
            if (answer.notices.size() > kNoticesKept) answer.notices.erase(answer.notices.begin());
        }
        auto d = utf7_unrun(line);
        if (!d || find_text(*d, "k[") == std::string::npos ||
            find_text(*d, "]k") == std::string::npos) {
            continue;
        }
        fill_entry(answer.entries.emplace_back(), *d);
    }
    return answer;
}

ReportAnswer ParseReportAnswer(std::string_view body) {
    ReportAnswer answer;
    for (std::string_view line : AnswerLines(body)) {
        if (find_text(line, kDuplicateRefusal) != std::string_view::npos) {
            answer.entries.clear();
            answer.duplicate_refused = true;
            return answer;
        }
        if (line.starts_with("TENKI")) continue;
        if (answer.entries.size() >= static_cast<size_t>(kReportsKept)) continue;
        if (!has_part(line, "{t", "}t")) continue;
        ReportEntry& e = answer.entries.emplace_back();
        e.message = report_text(between(line, "{m", "}m"), false);
        e.name = report_text(between(line, "{n", "}n"), true);
        e.player_id = read_number(between(line, "{p", "}p")).value_or(0);
        e.race_sex = read_number(between(line, "{s", "}s")).value_or(0);
        auto time = read_text(between(line, "{t", "}t"));
        if (time) e.time = std::move(*time);
    }
    return answer;
}

int32_t CountRecentPlayers(const std::vector<RankEntry>& entries, int month, int day, int hour) {
    const int64_t now = int64_t{day} * 24 + hour + int64_t{month} * 31 * 24;
    int32_t count = 0;
    for (const RankEntry& e : entries) {
        if (e.date.empty()) continue;
        // month "/" day " " hour ":" minute; a date that does not read counts as 0, 0, 0.
        int m = 0, d = 0, h = 0;
        const size_t slash = e.date.find('/');
        const size_t space = e.date.find(' ', slash == std::string::npos ? 0 : slash);
        const size_t colon = e.date.find(':', space == std::string::npos ? 0 : space);
        if (slash != std::string::npos && space != std::string::npos &&
            colon != std::string::npos) {
            auto mm = read_number(std::string_view(e.date).substr(0, slash));
            auto dd = read_number(std::string_view(e.date).substr(slash + 1, space - slash - 1));
            auto hh = read_number(std::string_view(e.date).substr(space + 1, colon - space - 1));
            if (mm && dd && hh) {
                m = *mm;
                d = *dd;
                h = *hh;
            }
        }
        const int64_t then = int64_t{d} * 24 + h + int64_t{m} * 31 * 24;
        if (now - then <= 1) ++count;
    }
    return count;
}

int32_t NewerVersion(const std::vector<RankEntry>& entries, int32_t program_version) {
    int32_t highest = 0;
    bool any = false;
    for (const RankEntry& e : entries) {
        if (e.date.empty()) continue;
        if (!any || e.version > highest) highest = e.version;
        any = true;
    }
    return any && program_version < highest ? highest : 0;
}

}  // namespace quill::net
