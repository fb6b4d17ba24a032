#include "net/protocol_codec.h"

#include <cstddef>
#include <string>

#include "platform/text_codec.h"

namespace quill::net {
namespace {

// Code page 932 bytes of the few full-width characters the exchanges use.
constexpr std::string_view kIdeographicSpace = "\x81\x40";  // "　"
constexpr std::string_view kAsterisk = "\x81\x96";          // "＊"
constexpr std::string_view kA = "\x82\xA0";                 // "あ"
// "[hいk[]kあ#{", the head of every ranking line.
constexpr std::string_view kRankHead = "[h\x82\xA2k[]k\x82\xA0#{";
constexpr std::string_view kFieldEnd = "#{";

// True for a code page 932 lead byte, the first of a two-byte character.
bool is_lead_byte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Byte length of the code page 932 character at `pos` (a lead byte at the very end counts as
// one byte, so that walking hostile bytes always ends).
size_t char_length(std::string_view text, size_t pos) {
    return is_lead_byte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// True when `text` ends with `suffix` and the suffix starts on a character boundary.
bool ends_with_text(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    const size_t start = text.size() - suffix.size();
    size_t pos = 0;
    while (pos < start) pos += char_length(text, pos);
    return pos == start && text.substr(start) == suffix;
}

// True when the bytes are code page 932 text on their own (a lead byte at the end of one text
// would otherwise pair with the first byte of the next).
bool is_cp932(std::string_view text) {
    return platform::from_cp932(text).has_value();
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int32_t> parse_int(std::string_view text) {
    return parse_rank_integer(text);
}

// A number of the report time, 1 or 2 digits without a leading zero, in [low, high].
bool time_number_ok(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 2) return false;
    auto value = parse_int(text);
    return value && *value >= low && *value <= high;
}

// month "/" day " " hour ":" minute.
bool time_ok(std::string_view time) {
    const size_t slash = time.find('/');
    const size_t space = time.find(' ');
    const size_t colon = time.find(':');
    if (slash == std::string_view::npos || space == std::string_view::npos ||
        colon == std::string_view::npos || !(slash < space && space < colon)) {
        return false;
    }
    return time_number_ok(time.substr(0, slash), 1, 12) &&
           time_number_ok(time.substr(slash + 1, space - slash - 1), 1, 31) &&
           time_number_ok(time.substr(space + 1, colon - space - 1), 0, 23) &&
           time_number_ok(time.substr(colon + 1), 0, 59);
}

bool is_base64(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || is_digit(c) || c == '+' || c == '/';
}

// The characters a UTF-7 text may hold: the direct and optional direct characters, space,
// tab, CR, LF and "+" (everything printable in ASCII except "\" and "~").
bool is_utf7_char(char c) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') return true;
    return c > ' ' && c < 0x7F && c != '\\' && c != '~';
}

// Checks what the converter lets through: only UTF-7 characters, and a "+" is followed by a
// base64 character or "-" (a "+" directly before anything else is ill-formed). The converter
// itself rejects bad padding bits, cut-off characters and lone surrogates.
bool utf7_shape_ok(std::string_view utf7) {
    for (size_t i = 0; i < utf7.size(); ++i) {
        if (!is_utf7_char(utf7[i])) return false;
        if (utf7[i] != '+') continue;
        if (i + 1 == utf7.size()) return false;
        const char next = utf7[i + 1];
        if (next == '-') {
            ++i;  // "+-" is a plain "+"
            continue;
        }
        if (!is_base64(next)) return false;
        while (i + 1 < utf7.size() && is_base64(utf7[i + 1])) ++i;
    }
    return true;
}

int hex_value(char c) {
    if (is_digit(c)) return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// An upload body as the game sends it: nothing but "%" and two upper-case hexadecimal digits.
std::optional<std::string> decode_all_percent(std::string_view body) {
    if (body.size() % 3 != 0) return std::nullopt;
    for (size_t i = 0; i < body.size(); i += 3) {
        if (body[i] != '%') return std::nullopt;
        for (char c : body.substr(i + 1, 2)) {
            if (!is_digit(c) && !(c >= 'A' && c <= 'F')) return std::nullopt;
        }
    }
    return percent_decode(body);
}

// The text of a report run: utf7_unrun, then the ideographic spaces around it taken off.
std::optional<std::string> unrun_spaced(std::string_view run) {
    auto text = utf7_unrun(run);
    if (!text || text->size() < 2 * kIdeographicSpace.size()) return std::nullopt;
    if (text->compare(0, kIdeographicSpace.size(), kIdeographicSpace) != 0) return std::nullopt;
    if (!ends_with_text(*text, kIdeographicSpace)) return std::nullopt;
    return text->substr(kIdeographicSpace.size(), text->size() - 2 * kIdeographicSpace.size());
}

// The report line's head, utf7_run("　＊").
const std::string& report_head() {
    static const std::string head =
        utf7_run(std::string(kIdeographicSpace) + std::string(kAsterisk)).value();
    return head;
}

// Reads `open` value `close` at `pos` of `line` and moves `pos` past it.
std::optional<std::string_view> take_part(std::string_view line, size_t& pos, std::string_view open,
                                          std::string_view close) {
    if (line.compare(pos, open.size(), open) != 0) return std::nullopt;
    const size_t start = pos + open.size();
    const size_t end = find_text(line, close, start);
    if (end == std::string_view::npos) return std::nullopt;
    pos = end + close.size();
    return line.substr(start, end - start);
}

}  // namespace

size_t find_text(std::string_view text, std::string_view needle, size_t from) {
    for (size_t pos = from; pos < text.size(); pos += char_length(text, pos)) {
        if (text.compare(pos, needle.size(), needle) == 0) return pos;
    }
    return std::string_view::npos;
}

std::string time_text(int month, int day, int hour, int minute) {
    return std::to_string(month) + "/" + std::to_string(day) + " " + std::to_string(hour) + ":" +
           std::to_string(minute);
}

std::optional<int32_t> parse_rank_integer(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    if (text.empty() || text.size() > 10) return std::nullopt;
    if (text.size() > 1 && text.front() == '0') return std::nullopt;
    if (negative && text == "0") return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (!is_digit(c)) return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

bool rank_field_is_integer(int field) {
    return field >= 1 && field <= kRankFields && field != 1 && field != 7 && field != 23 &&
           field != 24;
}

std::optional<std::string> utf7_run(std::string_view cp932) {
    auto utf8 = platform::from_cp932(cp932);
    if (!utf8) return std::nullopt;
    auto utf7 = platform::to_utf7(*utf8);
    // Only an encoding that opens with "+" and closes with "-" gives a run that utf7_unrun
    // reads back; the game's texts begin and end with full-width characters, so theirs do.
    if (!utf7 || utf7->size() < 2 || utf7->front() != '+' || utf7->back() != '-') {
        return std::nullopt;
    }
    return utf7->substr(1, utf7->size() - 2);
}

std::optional<std::string> utf7_unrun(std::string_view run) {
    std::string utf7;
    utf7.reserve(run.size() + 2);
    utf7 += '+';
    utf7 += run;
    utf7 += '-';
    if (!utf7_shape_ok(utf7)) return std::nullopt;
    auto utf8 = platform::from_utf7(utf7);
    if (!utf8) return std::nullopt;
    return platform::to_cp932(*utf8);
}

std::string percent_all(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += '%';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

std::optional<std::string> percent_decode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hex_value(text[i + 1]);
        const int low = hex_value(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string build_rank_line(const RankFields& fields) {
    std::string line(kRankHead);
    for (const std::string& field : fields) {
        line += field;
        line += kFieldEnd;
    }
    return line;
}

std::optional<RankFields> parse_rank_line(std::string_view line) {
    // Field n lies between the n-th and the (n+1)-th "#{"; the first one closes the head,
    // which must hold "k[" and "]k". Text before the head and after the last "#{" (such as
    // the frame of an upload) is not part of any field.
    const size_t first = find_text(line, kFieldEnd);
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view head = line.substr(0, first);
    if (find_text(head, "k[") == std::string_view::npos ||
        find_text(head, "]k") == std::string_view::npos) {
        return std::nullopt;
    }
    RankFields fields;
    size_t start = first + kFieldEnd.size();
    for (int i = 0; i < kRankFields; ++i) {
        const size_t end = find_text(line, kFieldEnd, start);
        if (end == std::string_view::npos) return std::nullopt;
        fields[i] = std::string(line.substr(start, end - start));
        start = end + kFieldEnd.size();
    }
    if (find_text(line, kFieldEnd, start) != std::string_view::npos) return std::nullopt;
    return fields;
}

std::optional<std::string> rank_upload_body(std::string_view rank_line, int n) {
    if (n < 0 || n >= 99 || !is_cp932(rank_line)) return std::nullopt;
    std::string framed;
    framed.reserve(rank_line.size() + 8);
    framed += kAsterisk;
    framed += kIdeographicSpace;
    framed += rank_line;
    framed += kIdeographicSpace;
    framed += kAsterisk;
    auto run = utf7_run(framed);
    if (!run) return std::nullopt;
    *run += kA;
    *run += std::to_string(n);
    return percent_all(*run);
}

std::optional<std::string> decode_rank_upload(std::string_view body) {
    auto text = decode_all_percent(body);
    if (!text) return std::nullopt;
    std::string_view t = *text;

    // "あ" and the number in [0, 99): one or two digits, no leading zero.
    size_t digits = 0;
    while (digits < t.size() && is_digit(t[t.size() - 1 - digits])) ++digits;
    if (digits < 1 || digits > 2) return std::nullopt;
    const std::string_view number = t.substr(t.size() - digits);
    if (digits == 2 && (number[0] == '0' || number == "99")) return std::nullopt;
    t.remove_suffix(digits);
    if (t.size() < kA.size() || t.substr(t.size() - kA.size()) != kA) return std::nullopt;
    t.remove_suffix(kA.size());

    auto framed = utf7_unrun(t);
    if (!framed) return std::nullopt;
    const std::string open = std::string(kAsterisk) + std::string(kIdeographicSpace);
    const std::string close = std::string(kIdeographicSpace) + std::string(kAsterisk);
    if (framed->size() < open.size() + close.size() || framed->compare(0, open.size(), open) != 0 ||
        !ends_with_text(*framed, close)) {
        return std::nullopt;
    }
    std::string line = framed->substr(open.size(), framed->size() - open.size() - close.size());

    auto fields = parse_rank_line(line);
    if (!fields) return std::nullopt;
    for (int field = 1; field <= kRankFields; ++field) {
        if (rank_field_is_integer(field) && !parse_int((*fields)[field - 1])) return std::nullopt;
    }
    // Exactly the line the game builds: the head first, nothing after the last field.
    if (build_rank_line(*fields) != line) return std::nullopt;
    return line;
}

std::optional<std::string> build_report_line(const Report& report) {
    auto spaced = [](const std::string& text) {
        return std::string(kIdeographicSpace) + text + std::string(kIdeographicSpace);
    };
    if (!is_cp932(report.message) || !is_cp932(report.name) || !is_cp932(report.time)) {
        return std::nullopt;
    }
    auto message = utf7_run(spaced(report.message));
    auto name = utf7_run(spaced(report.name));
    if (!message || !name) return std::nullopt;
    std::string line = report_head();
    line += "{m" + *message + "}m";
    line += "{n" + *name + "}n";
    line += "{p" + std::to_string(report.player_id) + "}p";
    line += "{s" + std::to_string(report.race_sex) + "}s";
    line += "{t" + report.time + "}t";
    return line;
}

std::optional<Report> parse_report_line(std::string_view line) {
    const std::string& head = report_head();
    if (line.compare(0, head.size(), head) != 0) return std::nullopt;
    size_t pos = head.size();
    auto message_run = take_part(line, pos, "{m", "}m");
    if (!message_run) return std::nullopt;
    auto name_run = take_part(line, pos, "{n", "}n");
    if (!name_run) return std::nullopt;
    auto id = take_part(line, pos, "{p", "}p");
    if (!id) return std::nullopt;
    auto race_sex = take_part(line, pos, "{s", "}s");
    if (!race_sex) return std::nullopt;
    auto time = take_part(line, pos, "{t", "}t");
    if (!time || pos != line.size()) return std::nullopt;

    Report report;
    auto message = unrun_spaced(*message_run);
    auto name = unrun_spaced(*name_run);
    auto id_value = parse_int(*id);
    auto race_sex_value = parse_int(*race_sex);
    if (!message || !name || !id_value || !race_sex_value || !time_ok(*time)) {
        return std::nullopt;
    }
    report.message = std::move(*message);
    report.name = std::move(*name);
    report.player_id = *id_value;
    report.race_sex = *race_sex_value;
    report.time = std::string(*time);
    return report;
}

std::string report_upload_body(std::string_view report_line) {
    return percent_all(report_line);
}

std::optional<Report> decode_report_upload(std::string_view body) {
    auto line = decode_all_percent(body);
    if (!line) return std::nullopt;
    return parse_report_line(*line);
}

}  // namespace quill::net
