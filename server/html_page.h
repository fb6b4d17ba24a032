// The read-only page a host opens in a browser to look at the island: the newest reports and
// the ranking, in UTF-8 HTML with every stored text escaped.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "server/store.h"

namespace quill::server {

struct PageContent {
    std::string notice_utf8;  // empty: no notice
    std::vector<StoredRank> ranks;
    std::vector<StoredReport> reports;
    int64_t adventurers = 0;  // every stored ranking entry, shown or not
    int64_t all_reports = 0;
};

std::string render_page(const PageContent& content);

// &, <, >, " and ' as entities.
std::string html_escape(std::string_view text);

}  // namespace quill::server
