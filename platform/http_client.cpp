#include "platform/http_client.h"

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace quill::platform {
namespace {

struct Sink {
    std::string body;
    std::size_t max_bytes = 0;
    bool too_large = false;
};

// Collects the answer; returning less than was given stops the transfer at the cap.
size_t collect(char* data, size_t size, size_t count, void* user) {
    auto* sink = static_cast<Sink*>(user);
    const size_t n = size * count;
    if (sink->body.size() + n > sink->max_bytes) {
        sink->too_large = true;
        return 0;
    }
    sink->body.append(data, n);
    return n;
}

// Runs the transfer; with `waiting`, in slices of at most 20 ms with `waiting` asked between
// them. The limits hold either way.
CURLcode perform(CURL* c, const HttpWaiting& waiting, bool& cancelled) {
    if (!waiting) return curl_easy_perform(c);
    std::unique_ptr<CURLM, decltype(&curl_multi_cleanup)> multi(curl_multi_init(),
                                                                  curl_multi_cleanup);
    if (!multi || curl_multi_add_handle(multi.get(), c) != CURLM_OK) return CURLE_FAILED_INIT;
    CURLcode rc = CURLE_OK;
    int running = 1;
    while (running > 0) {
        if (curl_multi_perform(multi.get(), &running) != CURLM_OK) {
            rc = CURLE_FAILED_INIT;
            break;
        }
        if (running == 0) break;
        curl_multi_poll(multi.get(), nullptr, 0, 20, nullptr);
        if (!waiting()) {
            cancelled = true;
            break;
        }
    }
    int left = 0;
    while (CURLMsg* m = curl_multi_info_read(multi.get(), &left)) {
        if (m->msg == CURLMSG_DONE) rc = m->data.result;
    }
    curl_multi_remove_handle(multi.get(), c);
    return rc;
}

HttpAnswer exchange(const std::string& url, const std::string* post_body, HttpLimits limits,
                    const HttpWaiting& waiting) {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
    HttpAnswer answer;
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return answer;
    CURL* c = curl.get();
    Sink sink;
    sink.max_bytes = limits.max_bytes;
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, limits.connect_ms);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, limits.total_ms);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_USERAGENT, "Quillmoor");
    // An announced length over the cap fails before a byte is read.
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.max_bytes));
    if (post_body) {
        curl_easy_setopt(c, CURLOPT_POST, 1L);
        curl_easy_setopt(c, CURLOPT_POSTFIELDS, post_body->data());
        curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE,
                         static_cast<curl_off_t>(post_body->size()));
    }
    bool cancelled = false;
    const CURLcode rc = perform(c, waiting, cancelled);
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &answer.status);
    if (cancelled) {
        answer.failure = HttpFailure::Cancelled;
    } else if (sink.too_large || rc == CURLE_FILESIZE_EXCEEDED) {
        answer.failure = HttpFailure::TooLarge;
    } else if (rc == CURLE_OPERATION_TIMEDOUT) {
        answer.failure = HttpFailure::TimedOut;
    } else if (rc == CURLE_COULDNT_CONNECT || rc == CURLE_COULDNT_RESOLVE_HOST ||
               rc == CURLE_URL_MALFORMAT || rc == CURLE_UNSUPPORTED_PROTOCOL) {
        answer.failure = HttpFailure::Unreachable;
    } else if (rc != CURLE_OK) {
        answer.failure = HttpFailure::Other;
    } else if (answer.status != 200) {
        answer.failure = HttpFailure::BadStatus;
    } else {
        answer.failure = HttpFailure::None;
        answer.body = std::move(sink.body);
    }
    return answer;
}

}  // namespace

HttpAnswer http_post(const std::string& url, const std::string& body, HttpLimits limits,
                     const HttpWaiting& waiting) {
    return exchange(url, &body, limits, waiting);
}

HttpAnswer http_get(const std::string& url, HttpLimits limits, const HttpWaiting& waiting) {
    return exchange(url, nullptr, limits, waiting);
}

}  // namespace quill::platform
