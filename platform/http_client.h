// HTTP for the network mode: one blocking exchange at a time on the game's thread, with
// hard limits, so that no server (absent, silent, broken or hostile) can hang the game or
// fill its memory. Nothing throws: every failure comes back as a kind.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quill::platform {

struct HttpLimits {
    long connect_ms = 10000;                  // to reach the server
    long total_ms = 10000;                    // for the whole exchange
    std::size_t max_bytes = 4 * 1024 * 1024;  // a longer answer is cut off and fails
};

enum class HttpFailure {
    None,         // status 200, the whole body
    Unreachable,  // nobody listening, refused, no such host, a bad address
    TimedOut,     // a limit ran out
    BadStatus,    // answered, but not 200 (redirects are not followed)
    TooLarge,     // the answer passed max_bytes
    Other,        // anything else the transfer reports
    Cancelled,    // the one waiting gave up (the program is ending)
};

// Called again and again (about fifty times a second) while an exchange waits for the
// server, so the window can be kept painted; returning false gives the exchange up.
using HttpWaiting = std::function<bool()>;

struct HttpAnswer {
    HttpFailure failure = HttpFailure::Other;
    long status = 0;   // the HTTP status when the server answered
    std::string body;  // the answer (empty on every failure)
    bool ok() const { return failure == HttpFailure::None; }
};

// POSTs `body` (application/x-www-form-urlencoded) to `url`.
HttpAnswer http_post(const std::string& url, const std::string& body, HttpLimits limits = {},
                     const HttpWaiting& waiting = {});
// GETs `url`.
HttpAnswer http_get(const std::string& url, HttpLimits limits = {},
                    const HttpWaiting& waiting = {});

}  // namespace quill::platform
