#include "net/report_exchange.h"

#include "net/answer_parsers.h"
#include "net/exchange.h"
#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace quill {
namespace {

// The adventurer's own newest report, or (second in the list) the same line about the
// enemy now fought, is not posted again.
bool repeats_newest(const Game& g, const std::string& message) {
    const std::string spaced = "　" + message + "　";
    const ReportEntry& newest = g.report_entries[0];
    const ReportEntry& second = g.report_entries[1];
    return (spaced == newest.message && newest.name == g.combatants[0].name) ||
           (spaced == second.message && second.name == g.combatants[1].name);
}

std::string report_body(const Game& g, const std::string& message) {
    net::Report report;
    report.message = platform::to_cp932_lossy(message);
    report.name = platform::to_cp932_lossy(g.combatants[0].name);
    report.player_id = g.state.player_id;
    report.race_sex = g.state.race_sex;
    const platform::Clock& c = *g.clock;
    report.time = net::time_text(c.month(), c.day(), c.hour(), c.minute_of_hour());
    const auto line = net::build_report_line(report);
    return line ? net::report_upload_body(*line) : std::string();
}

void finish(Game& g, const std::optional<std::string>& answer, const char* done) {
    // A failed exchange keeps the list that was there and its time.
    if (!answer) return;
    SetNetStatus(g, done);
    ApplyReportAnswer(g, *answer);
}

}  // namespace

void ApplyReportAnswer(Game& g, std::string_view body) {
    const net::ReportAnswer answer = net::ParseReportAnswer(body);
    g.report_entries = {};
    if (answer.duplicate_refused) {
        SetNetStatus(g, "チャットデータ受信エラー");
        return;
    }
    for (size_t i = 0; i < answer.entries.size() && i < g.report_entries.size(); ++i) {
        g.report_entries[i] = answer.entries[i];
    }
    g.reports_loaded = true;
    g.state.last_report_minute = g.clock->minute_of_hour();
}

void post_report(Game& g, const std::string& message) {
    if (!NetworkOn(g)) return;
    if (repeats_newest(g, message)) return;
    g.reports_sent.push_back(message);
    const std::string body = report_body(g, message);
    if (body.empty()) return;
    finish(g, RunExchange(g, Exchange::PostReport, body), "レポートデータ送信完了");
}

void fetch_reports(Game& g) {
    if (!NetworkOn(g)) return;
    finish(g, RunExchange(g, Exchange::FetchReports), "レポートデータ受信完了");
}

}  // namespace quill
