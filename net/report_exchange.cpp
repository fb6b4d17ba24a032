#include "net/report_exchange.h"

namespace quill {

void post_report(Game& g, const std::string& message) {
    if (g.state.net_off == 1) return;
    g.reports_sent.push_back(message);
    // The line goes to the ranking server here.
}

void fetch_reports(Game& g) {
    if (g.state.net_off == 1) return;
    // The list comes from the ranking server here.
}

}  // namespace quill
