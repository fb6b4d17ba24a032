#include "server/routes.h"

#include <cctype>
#include <ctime>
#include <iostream>
#include <optional>
#include <string_view>
#include <vector>

#include "server/answers.h"
#include "server/html_page.h"
#include "server/uploads.h"

namespace quill::server {

namespace {

constexpr const char* kGameText = "text/plain; charset=Shift_JIS";

// A refusal: one line saying why (ASCII, so readable in any code page).
void refuse(httplib::Response& res, int status, std::string_view reason) {
    res.status = status;
    res.set_content(std::string(reason) + "\r\n", kGameText);
}

constexpr const char* kPageType = "text/html; charset=utf-8";

// Sends an answer kept in memory as it is: the response holds a share of it, no copy.
void send_shared(httplib::Response& res, std::shared_ptr<const std::string> text,
                 const char* type = kGameText) {
    const size_t size = text->size();
    if (size == 0) return res.set_content(std::string(), type);  // a provider needs bytes
    res.set_content_provider(
        size, type,
        [text = std::move(text)](size_t offset, size_t length, httplib::DataSink& sink) {
            return sink.write(text->data() + offset, length);
        });
}

std::tm local_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

bool sent_by_a_browser(const httplib::Request& req) {
    if (req.has_header("Origin")) return true;  // the library's header names ignore case
    constexpr std::string_view kFetch = "sec-fetch-";
    for (const auto& header : req.headers) {
        const std::string& name = header.first;
        if (name.size() <= kFetch.size()) continue;
        bool same = true;
        for (size_t i = 0; i < kFetch.size() && same; ++i) {
            same = std::tolower(static_cast<unsigned char>(name[i])) == kFetch[i];
        }
        if (same) return true;
    }
    return false;
}

Routes::Routes(Store& store, ServerSettings settings)
    : store_(store),
      settings_(std::move(settings)),
      rate_limit_(settings_.writes_per_minute),
      report_limit_(settings_.reports_per_minute) {}

void Routes::install(httplib::Server& server) {
    // The paths are regular expressions to the HTTP library.
    const std::string rank = R"(^/zkv/zkv_rank\.exe$)";
    const std::string report = R"(^/zkv/zkv_report\.exe$)";
    server.Get(rank, [this](const httplib::Request& req, httplib::Response& res) {
        fetch_rank(req, res);
    });
    server.Post(rank, [this](const httplib::Request& req, httplib::Response& res) {
        write_rank(req, res);
    });
    server.Get(report, [this](const httplib::Request& req, httplib::Response& res) {
        fetch_reports(req, res);
    });
    server.Post(report, [this](const httplib::Request& req, httplib::Response& res) {
        write_report(req, res);
    });
    server.Get("^/$",
               [this](const httplib::Request& req, httplib::Response& res) { page(req, res); });

    server.set_payload_max_length(settings_.max_body);
    // The answers are ready before the first player asks.
    answer(ranking_, &Routes::build_ranking);
    answer(reports_, &Routes::build_reports);
    answer(page_, &Routes::build_page);
    // Answers without a text of their own (unknown paths, bodies over the limit, requests
    // that do not parse) still say in one line what happened.
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (!res.body.empty()) return;
        switch (res.status) {
            case 404:
                refuse(res, 404, "no such page");
                break;
            case 413:
                refuse(res, 413, "request body too large");
                break;
            case 400:
                refuse(res, 400, "bad request");
                break;
            default:
                refuse(res, res.status, "error " + std::to_string(res.status));
        }
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& res,
                                    std::exception_ptr) { refuse(res, 500, "internal error"); });
    // Writes and refusals go to the log; the many fetches do not.
    server.set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        if (req.method != "POST" && res.status < 400) return;
        if (log_) log_->request(req.remote_addr, req.method, req.target, res.status);
    });
}

bool Routes::admit_write(const httplib::Request& req, httplib::Response& res,
                         WriteRateLimit* kind_limit) {
    if (!req.has_param("write")) {
        refuse(res, 400, "an upload goes to the path with ?write");
        return false;
    }
    // The game never says where a request comes from; a browser always does. A write that
    // carries Origin or Sec-Fetch-* came from a web page, posting through its visitor.
    if (sent_by_a_browser(req)) {
        refuse(res, 403, "writes come from the game, not from web pages");
        return false;
    }
    // The host's block list: such an address may still read, but no longer write.
    if (block_list_ != nullptr) {
        block_list_->reload_if_changed();
        if (block_list_->blocked(req.remote_addr)) {
            refuse(res, 403, "writes from this address are blocked by the host");
            return false;
        }
    }
    // A write refused by one limit is counted by none.
    if (kind_limit != nullptr && !kind_limit->would_allow(req.remote_addr)) {
        refuse(res, 429, "too many reports from this address; wait a minute");
        return false;
    }
    if (!rate_limit_.allow(req.remote_addr)) {
        refuse(res, 429, "too many writes from this address; wait a minute");
        return false;
    }
    if (kind_limit != nullptr) kind_limit->allow(req.remote_addr);
    return true;
}

void Routes::fetch_rank(const httplib::Request&, httplib::Response& res) {
    send_shared(res, answer(ranking_, &Routes::build_ranking));
}

void Routes::write_rank(const httplib::Request& req, httplib::Response& res) {
    if (!admit_write(req, res)) return;
    Checked<RankUpload> upload = check_rank_upload(req.body);
    if (!upload.value) return refuse(res, 400, upload.reason);
    const net::RankFields& fields = upload.value->fields;
    const std::optional<std::string> wire = rank_answer_line(fields);
    if (!wire) return refuse(res, 400, "ranking upload: the line cannot be encoded again");
    const std::string plain = net::build_rank_line(fields);
    RankWrite write;
    write.name = fields[0];
    write.player_id = upload.value->player_id;
    write.score = upload.value->score;
    write.plain = plain;
    write.wire = *wire;
    write.address = req.remote_addr;
    switch (store_.put_rank(write, settings_.entries_per_day)) {
        case Store::PutResult::kStored:
            break;
        case Store::PutResult::kTooManyNew:
            return refuse(res, 429,
                          "ranking upload: this address made " +
                              std::to_string(settings_.entries_per_day) +
                              " new entries within 24 hours; only those can be updated now");
        case Store::PutResult::kFailed:
            return refuse(res, 500, "the ranking could not be stored");
    }
    send_shared(res, answer(ranking_, &Routes::build_ranking));
}

void Routes::fetch_reports(const httplib::Request&, httplib::Response& res) {
    send_shared(res, answer(reports_, &Routes::build_reports));
}

void Routes::write_report(const httplib::Request& req, httplib::Response& res) {
    if (!admit_write(req, res, &report_limit_)) return;
    Checked<net::Report> checked = check_report_upload(req.body);
    if (!checked.value) return refuse(res, 400, checked.reason);
    net::Report& report = *checked.value;
    report.time = report_time(local_now());
    const std::optional<std::string> wire = net::build_report_line(report);
    if (!wire) return refuse(res, 400, "report upload: the line cannot be encoded again");
    switch (store_.add_report(report, *wire, req.remote_addr)) {
        case Store::PostResult::kDuplicate:
            res.set_content(join_lines({duplicate_refusal()}), kGameText);
            return;
        case Store::PostResult::kFailed:
            return refuse(res, 500, "the report could not be stored");
        case Store::PostResult::kStored:
            break;
    }
    send_shared(res, answer(reports_, &Routes::build_reports));
}

void Routes::page(const httplib::Request&, httplib::Response& res) {
    // The page runs nothing, loads nothing from elsewhere and tells nobody where it was read.
    res.set_header("Content-Security-Policy",
                   "default-src 'none'; style-src 'unsafe-inline'; img-src 'self'; "
                   "base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
    res.set_header("X-Content-Type-Options", "nosniff");
    res.set_header("Referrer-Policy", "no-referrer");
    send_shared(res, answer(page_, &Routes::build_page), kPageType);
}

std::shared_ptr<const std::string> Routes::answer(Cached& cached, Build build) {
    using namespace std::chrono_literals;
    // This server's own writes are seen at once: the count is read before anything is built, so
    // an answer built while a write goes on is taken for older than that write.
    const uint64_t own = store_.own_writes();
    const auto now = std::chrono::steady_clock::now();
    std::shared_ptr<const std::string> kept;
    {
        std::lock_guard lock(cache_mutex_);
        if (cached.text && cached.own_writes == own) {
            if (now - cached.checked < 1s) return cached.text;
            kept = cached.text;
        }
    }
    // One request at a time asks the database. While it does, or while a write holds the
    // database (another program's lock can keep a write waiting for seconds), the others
    // are answered with what is kept: nothing this server wrote is missing from it.
    std::unique_lock rebuild(rebuild_mutex_, std::defer_lock);
    if (kept) {
        if (!rebuild.try_lock()) return kept;
    } else {
        rebuild.lock();
    }
    const uint64_t own_now = store_.own_writes();
    const auto asked = std::chrono::steady_clock::now();
    {
        std::lock_guard lock(cache_mutex_);
        if (cached.text && cached.own_writes == own_now && asked - cached.checked < 1s) {
            return cached.text;
        }
    }
    // Another program's writes (a second look with the sqlite3 tool) show within a second.
    std::optional<uint64_t> generation;
    if (kept && own_now == own) {
        generation = store_.generation_if_free();
        if (!generation) return kept;
    } else {
        generation = store_.generation();
    }
    {
        std::lock_guard lock(cache_mutex_);
        if (cached.text && cached.generation == *generation) {
            cached.own_writes = own_now;
            cached.checked = asked;
            return cached.text;
        }
    }
    auto text = std::make_shared<const std::string>((this->*build)());
    std::lock_guard lock(cache_mutex_);
    cached.text = text;
    cached.generation = *generation;
    cached.own_writes = own_now;
    cached.checked = asked;
    return text;
}

std::string Routes::build_ranking() {
    std::vector<std::string> lines;
    if (!settings_.notice_cp932.empty()) lines.push_back(notice_line(settings_.notice_cp932));
    for (StoredRank& rank : store_.top_ranks(kRankingShown)) lines.push_back(std::move(rank.wire));
    return join_lines(lines);
}

std::string Routes::build_page() {
    PageContent content;
    content.notice_utf8 = settings_.notice_utf8;
    content.ranks = store_.top_ranks(kRankingShown);
    content.reports = store_.newest_reports(kReportsShown);
    content.adventurers = store_.rank_count();
    content.all_reports = store_.report_count();
    return render_page(content);
}

std::string Routes::build_reports() {
    std::vector<std::string> lines;
    for (StoredReport& report : store_.newest_reports(kReportsShown)) {
        lines.push_back(std::move(report.wire));
    }
    return join_lines(lines);
}

}  // namespace quill::server
