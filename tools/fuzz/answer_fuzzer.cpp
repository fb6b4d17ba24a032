// libFuzzer target for everything the game reads from a ranking server: the ranking and
// report answers. Whatever a server sends, reading it ends, keeps within the lists' limits
// and never fails; a ranking line the server's own codec reads is read to the same values.
//
// Built and run by scripts/fuzz.sh answers, never by the default build.
//   answer-fuzzer --write-seeds DIR   writes good and broken answers to DIR and exits.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_seeds.h"
#include "net/answer_parsers.h"
#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace {

using namespace quill;
using namespace quill::net;

void check(bool ok, const char* what) {
    quill::fuzz::check(ok, "answer", what);
}

std::string sj(std::string_view utf8) {
    return platform::to_cp932_lossy(utf8);
}

RankFields fields_of(const char* name, int score) {
    RankFields f;
    for (int i = 0; i < kRankFields; ++i) f[i] = std::to_string(i * 7);
    f[0] = sj(name);
    f[2] = std::to_string(score);
    f[6] = "12/10 15:40";
    f[22] = sj("【ｸﾘｱ】");
    f[23] = sj("モコ");
    return f;
}

std::string rank_line(const RankFields& f) {
    return utf7_run(sj("＊　") + build_rank_line(f) + sj("　＊")).value_or("");
}

std::string report_line(const char* name, const char* message) {
    Report r;
    r.name = sj(name);
    r.message = sj(message);
    r.player_id = 42;
    r.race_sex = 3;
    r.time = "12/10 15:40";
    return build_report_line(r).value_or("");
}

std::vector<std::string> seeds() {
    const std::string a = rank_line(fields_of("ハル", 900));
    const std::string b = rank_line(fields_of("ソラ", 300));
    const std::string r1 = report_line("ハル", "<降臨>ハルという名の冒険者が現れた");
    const std::string r2 = report_line("ソラ", "<LVUP>ソラはLV 5になった");
    return {
        a + "\r\n" + b + "\r\n",
        sj("[mお知らせ") + "\r\n" + a + "\n" + a.substr(0, a.size() / 2),
        r1 + "\r\n" + r2 + "\r\n",
        "TENKI\r\n" + r1 + "\r" + sj("二重投稿は禁止しています"),
        "}m{m{n}n{p-1}p{s99999999999}s{t}t",
    };
}

// The longest UTF-8 form of a kept text field (a code page 932 byte becomes at most three).
constexpr size_t kLongestUtf8 = 3 * kLongestField;

void ranking(std::string_view body) {
    const RankingAnswer a = ParseRankingAnswer(body);
    check(a.entries.size() <= static_cast<size_t>(kRankEntries), "too many entries");
    check(a.notices.size() <= kNoticesKept, "too many notices");
    for (const RankEntry& e : a.entries) {
        check(e.name.size() <= kLongestUtf8 && e.date.size() <= kLongestUtf8 &&
                  e.title.size() <= kLongestUtf8 && e.pet_name.size() <= kLongestUtf8,
              "an overlong text field");
    }
    CountRecentPlayers(a.entries, 12, 10, 15);
    NewerVersion(a.entries, kProgramVersion);

    // A line the server's strict reader takes is read to the same values.
    const auto lines = AnswerLines(body);
    if (lines.size() != 1 || a.entries.size() != 1) return;
    auto framed = utf7_unrun(lines[0]);
    if (!framed) return;
    const std::string open = sj("＊　"), close = sj("　＊");
    if (!framed->starts_with(open) || !framed->ends_with(close)) return;
    auto fields = parse_rank_line(
        std::string_view(*framed).substr(open.size(), framed->size() - open.size() - close.size()));
    if (!fields) return;
    for (int f = 1; f <= kRankFields; ++f) {
        if (rank_field_is_integer(f) && !parse_rank_integer((*fields)[f - 1])) return;
        if (!rank_field_is_integer(f) && (*fields)[f - 1].size() > kLongestField) return;
    }
    const RankEntry& e = a.entries[0];
    check(sj(e.name) == (*fields)[0] || !platform::from_cp932((*fields)[0]),
          "a strict line reads another name");
    check(std::to_string(e.score) == (*fields)[2], "a strict line reads another score");
    check(std::to_string(e.version) == (*fields)[27], "a strict line reads another version");
}

void reports(std::string_view body) {
    const ReportAnswer a = ParseReportAnswer(body);
    check(a.entries.size() <= static_cast<size_t>(kReportsKept), "too many reports");
    check(!a.duplicate_refused || a.entries.empty(), "a refusal kept reports");
    for (const ReportEntry& e : a.entries) {
        check(e.name.size() <= kLongestUtf8 && e.message.size() <= kLongestUtf8 &&
                  e.time.size() <= kLongestUtf8,
              "an overlong report field");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quill::fuzz::write_seeds_if_asked(*argc, *argv, seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    ranking(input);
    reports(input);
    // The input as one UTF-7 line, so that mutations reach the decoded ranking fields.
    if (auto run = utf7_run(input)) ranking(*run);
    return 0;
}
