// libFuzzer target for the ranking server's checks of what clients upload: whatever a
// request body holds, the check ends with a value or a one-line ASCII reason, and what it
// lets through keeps the server's limits.
//
// Built and run by scripts/fuzz.sh requests, never by the default build.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_seeds.h"
#include "net/protocol_codec.h"
#include "server/uploads.h"

namespace {

using namespace quill;

void check(bool ok, const char* what) {
    quill::fuzz::check(ok, "request", what);
}

bool one_ascii_line(const std::string& reason) {
    if (reason.empty()) return false;
    for (unsigned char c : reason) {
        if (c < 0x20 || c > 0x7e) return false;
    }
    return true;
}

std::vector<std::string> seeds() {
    return {
        "%82%a0", "a=b&c=%zz", std::string(5000, '%'), "%2B%2B%2B", "+%82%60%82%60+ADAAMA-%82%a07",
    };
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quill::fuzz::write_seeds_if_asked(*argc, *argv, seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    const std::string escaped = net::percent_all(body);  // every byte reaches the decoders
    for (std::string_view b : {body, std::string_view(escaped)}) {
        const auto rank = server::check_rank_upload(b);
        check(rank.value.has_value() != !rank.reason.empty(), "a rank check with both or none");
        if (!rank.value) check(one_ascii_line(rank.reason), "a reason that is no ASCII line");
        if (rank.value) {
            const auto chars = server::cp932_chars(rank.value->fields[0]);
            check(chars && *chars <= server::kMaxNameChars, "a name over the limit let through");
        }
        const auto report = server::check_report_upload(b);
        check(report.value.has_value() != !report.reason.empty(),
              "a report check with both or none");
        if (!report.value) check(one_ascii_line(report.reason), "a reason that is no ASCII line");
    }
    return 0;
}
