#include "server/html_page.h"

#include <charconv>

#include "platform/text_codec.h"

namespace quill::server {

namespace {

constexpr const char* kStyle = R"(
body { margin: 0; background: #10101a; color: #e6e6ee;
  font-family: "IPAGothic", "Noto Sans CJK JP", "Hiragino Sans", "Meiryo", sans-serif; }
header { padding: 1.2em 2em; background: #1b1b2e; border-bottom: 2px solid #3a3a66; }
header h1 { margin: 0; font-size: 1.6em; letter-spacing: 0.1em; }
header p { margin: 0.3em 0 0; color: #a0a0c0; }
main { padding: 1em 2em 3em; max-width: 80em; }
h2 { border-left: 6px solid #6a6acf; padding-left: 0.5em; margin-top: 1.6em; }
.notice { background: #3a1a3a; color: #ffb0ff; padding: 0.6em 1em; border-radius: 4px; }
table { border-collapse: collapse; width: 100%; font-size: 0.92em; }
th, td { padding: 0.3em 0.6em; border-bottom: 1px solid #2a2a44; text-align: left;
  white-space: nowrap; }
td.text { white-space: normal; overflow-wrap: anywhere; min-width: 8em; }
.scroll { overflow-x: auto; }
th { background: #20203a; color: #c0c0e0; position: sticky; top: 0; }
td.num { text-align: right; font-variant-numeric: tabular-nums; }
tr:nth-child(even) td { background: #15152a; }
.male { color: #00ffff; font-weight: bold; }
.female { color: #ff00ff; font-weight: bold; }
.empty { color: #808090; font-style: italic; }
.time { color: #a0a0c0; }
@media (max-width: 40em) {
  header, main { padding-left: 0.8em; padding-right: 0.8em; }
  header h1 { font-size: 1.35em; }
  h2 { font-size: 1.2em; }
  th, td { padding: 0.25em 0.4em; }
  /* Each report as a block: time and name on one line, the text under them in full width. */
  #reports table, #reports tbody, #reports tr, #reports td { display: block; }
  #reports tr:first-child { display: none; }
  #reports tr { padding: 0.3em 0; border-bottom: 1px solid #2a2a44; }
  #reports tr:nth-child(even) { background: #15152a; }
  #reports td { border: 0; padding: 0.1em 0.4em; }
  #reports td.time { display: inline-block; }
  #reports td.male, #reports td.female { display: inline-block; min-width: 0; }
}
)";

std::string text(std::string_view cp932) {
    return html_escape(platform::from_cp932_lossy(cp932));
}

// Field n (1-based) of the ranking.
const std::string& field(const net::RankFields& fields, int n) {
    return fields[n - 1];
}

bool is_odd(std::string_view number) {
    long value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value % 2 != 0;
}

void ranking_table(std::string& out, const std::vector<StoredRank>& ranks) {
    if (ranks.empty()) {
        out += "<p class=\"empty\">まだ誰もランキングに載っていません。</p>\n";
        return;
    }
    out +=
        "<div class=\"scroll\" id=\"ranking\"><table>\n"
        "<tr><th>順位</th><th>名前</th><th>得点</th><th>Lv</th><th>称号</th>"
        "<th>最高距離</th><th>戦闘</th><th>ペット</th><th>更新</th><th>ver</th></tr>\n";
    int place = 0;
    for (const StoredRank& rank : ranks) {
        ++place;
        const std::optional<net::RankFields> parsed = net::parse_rank_line(rank.plain);
        if (!parsed) continue;
        const net::RankFields& f = *parsed;
        out += "<tr><td class=\"num\">" + std::to_string(place) + "位</td>";
        out += std::string("<td class=\"") + (is_odd(field(f, 4)) ? "female" : "male") +
               " text\">" + text(field(f, 1)) + "</td>";
        out += "<td class=\"num\">" + text(field(f, 3)) + "点</td>";
        out += "<td class=\"num\">" + text(field(f, 8)) + "</td>";
        out += "<td>" + text(field(f, 23)) + "</td>";
        out += "<td class=\"num\">" + text(field(f, 9)) + "m</td>";
        out += "<td class=\"num\">" + text(field(f, 21)) + "</td>";
        out += "<td>";
        if (!field(f, 24).empty()) out += text(field(f, 24)) + " Lv" + text(field(f, 25));
        out += "</td>";
        out += "<td class=\"time\">" + text(field(f, 7)) + "</td>";
        out += "<td class=\"num\">" + text(field(f, 28)) + "</td></tr>\n";
    }
    out += "</table></div>\n";
}

void report_table(std::string& out, const std::vector<StoredReport>& reports) {
    if (reports.empty()) {
        out += "<p class=\"empty\">レポートはまだありません。</p>\n";
        return;
    }
    out +=
        "<div class=\"scroll\" id=\"reports\"><table>\n"
        "<tr><th>時刻</th><th>名前</th><th>できごと</th></tr>\n";
    for (const StoredReport& stored : reports) {
        const net::Report& r = stored.report;
        out += "<tr><td class=\"time\">" + text(r.time) + "</td>";
        out += std::string("<td class=\"") + (r.race_sex % 2 != 0 ? "female" : "male") +
               " text\">" + text(r.name) + "</td>";
        out += "<td class=\"text\">" + text(r.message) + "</td></tr>\n";
    }
    out += "</table></div>\n";
}

}  // namespace

std::string html_escape(std::string_view in) {
    std::string out;
    out.reserve(in.size() + in.size() / 8);
    for (char c : in) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string render_page(const PageContent& content) {
    std::string out;
    out.reserve(4096 + content.ranks.size() * 400);
    out +=
        "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "<title>Quillmoor ランキングサーバー</title>\n<style>";
    out += kStyle;
    out += "</style>\n</head>\n<body>\n<header>\n<h1>Quillmoor ワールド</h1>\n<p>登録された冒険者 ";
    out += std::to_string(content.adventurers) + "人 ・ レポート " +
           std::to_string(content.all_reports) + "件</p>\n</header>\n<main>\n";
    if (!content.notice_utf8.empty()) {
        out += "<p class=\"notice\">" + html_escape(content.notice_utf8) + "</p>\n";
    }
    out += "<h2>ワールドサイト（最新のレポート）</h2>\n";
    report_table(out, content.reports);
    out += "<h2>ランキング";
    if (content.adventurers > static_cast<int64_t>(content.ranks.size())) {
        out += "（上位" + std::to_string(content.ranks.size()) + "人）";
    }
    out += "</h2>\n";
    ranking_table(out, content.ranks);
    out += "</main>\n</body>\n</html>\n";
    return out;
}

}  // namespace quill::server
