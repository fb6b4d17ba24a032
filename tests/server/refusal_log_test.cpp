// The server's log: a short, escaped line per write or refusal, a flood of refusals from one
// address held to a line a minute and a count.
#include "server/refusal_log.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace quill::server {
namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(RefusalLog, TargetsAreCutShortAndNothingATerminalObeysGetsThrough) {
    struct Case {
        std::string target;
        std::string shown;
    };
    const Case cases[] = {
        {"/zkv/zkv_rank.exe?write", "/zkv/zkv_rank.exe?write"},
        {"/\x1b[2J\x1b]0;owned\x07", "/\\x1B[2J\\x1B]0;owned\\x07"},
        {"/\xE3\x81\x82", "/\\xE3\\x81\\x82"},
        {std::string("/a\0b", 4), "/a\\x00b"},
        {"/back\\slash\r\n", "/back\\x5Cslash\\x0D\\x0A"},
        {std::string(8192, 'x'), std::string(200, 'x') + "...(8192 bytes)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RefusalLog::shown_target(c.target), c.shown);
        for (const char ch : RefusalLog::shown_target(c.target)) {
            EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << c.shown;
        }
    }
}

TEST(RefusalLog, AFloodFromOneAddressIsALineAMinuteAndACount) {
    std::ostringstream out;
    int64_t now = 1'000'000'020;  // 20 s into a minute
    RefusalLog log(out, [&now] { return now; });
    for (int i = 0; i < 500; ++i) log.request("10.0.0.9", "GET", "/" + std::string(8000, 'a'), 404);
    log.request("10.0.0.7", "GET", "/other", 404);  // another address has its own line
    log.request("10.0.0.9", "POST", "/zkv/zkv_rank.exe?write", 200);  // writes always show
    now += 60;
    log.refusal("10.0.0.9", 503, "too many connections");
    const std::vector<std::string> lines = lines_of(out.str());
    ASSERT_EQ(lines.size(), 5u) << out.str();
    EXPECT_NE(lines[0].find("10.0.0.9 GET /aaaa"), std::string::npos);
    EXPECT_NE(lines[0].find("...(8001 bytes) 404"), std::string::npos);
    EXPECT_NE(lines[1].find("10.0.0.7 GET /other 404"), std::string::npos);
    EXPECT_NE(lines[2].find("10.0.0.9 POST /zkv/zkv_rank.exe?write 200"), std::string::npos);
    EXPECT_NE(lines[3].find("10.0.0.9 and 499 more refused in that minute"), std::string::npos);
    EXPECT_NE(lines[4].find("10.0.0.9 - - 503 too many connections"), std::string::npos);
    for (const std::string& line : lines) EXPECT_LT(line.size(), 300u) << line;
}

}  // namespace
}  // namespace quill::server
