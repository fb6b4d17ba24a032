// libFuzzer target for everything the ranking server reads from a player: the two upload
// bodies, the ranking and report lines, UTF-7 runs and percent triples. Besides not crashing,
// whatever decodes must encode and decode again to the same thing.
//
// Built and run by scripts/fuzz.sh uploads, never by the default build.
//   upload-fuzzer --write-seeds DIR   writes valid bodies and lines to DIR and exits.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_seeds.h"
#include "net/protocol_codec.h"
#include "platform/text_codec.h"

namespace {

using namespace quill::net;

void check(bool ok, const char* what) {
    quill::fuzz::check(ok, "upload", what);
}

std::string sj(std::string_view utf8) {
    auto text = quill::platform::to_cp932(utf8);
    check(text.has_value(), "a seed text has no code page 932 form");
    return *text;
}

std::vector<std::string> seeds() {
    RankFields fields;
    for (int i = 0; i < kRankFields; ++i) fields[i] = std::to_string(i * 13 - 20);
    fields[0] = sj("ﾎｰｼｵ～");
    fields[6] = sj("12/31 23:5");
    fields[22] = sj("　見習い　");
    fields[23] = sj("ポチ");
    const std::string rank_line = build_rank_line(fields);
    fields[0] = "GM";
    const std::string gm_line = build_rank_line(fields);

    Report report;
    report.message = sj("<降臨>しすみという名の冒険者が現れた");
    report.name = sj("しすみ");
    report.player_id = 1234567;
    report.race_sex = 3;
    report.time = "1/2 3:4";
    const std::string report_line = build_report_line(report).value_or("");

    return {
        rank_upload_body(rank_line, 42).value_or(""),
        rank_upload_body(gm_line, 0).value_or(""),
        report_upload_body(report_line),
        rank_line,
        sj("＊　") + rank_line + sj("　＊"),
        report_line,
        utf7_run(sj("　ﾎｰｼｵ　")).value_or(""),
        "A+ImIDkQ.",
        "%82%a0%41",
    };
}

bool same(const Report& a, const Report& b) {
    return a.message == b.message && a.name == b.name && a.player_id == b.player_id &&
           a.race_sex == b.race_sex && a.time == b.time;
}

void rank_upload(std::string_view body) {
    auto line = decode_rank_upload(body);
    if (!line) return;
    check(parse_rank_line(*line).has_value(), "an uploaded line does not parse");
    auto again = rank_upload_body(*line, 98);
    check(again.has_value(), "an uploaded line makes no body");
    check(decode_rank_upload(*again) == line, "an uploaded line does not come back");
}

void report_line(std::string_view line) {
    auto report = parse_report_line(line);
    if (!report) return;
    auto rebuilt = build_report_line(*report);
    check(rebuilt.has_value(), "a parsed report does not build");
    auto again = parse_report_line(*rebuilt);
    check(again.has_value() && same(*again, *report), "a parsed report does not come back");
    auto uploaded = decode_report_upload(report_upload_body(*rebuilt));
    check(uploaded.has_value() && same(*uploaded, *report), "a report upload does not come back");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    quill::fuzz::write_seeds_if_asked(*argc, *argv, seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // The bodies as they arrive, and as percent triples so that the fuzzer reaches the runs.
    rank_upload(input);
    rank_upload(percent_all(input));
    // And as the plain framed line, so that mutations reach the frame and the fields.
    if (auto run = utf7_run(input)) rank_upload(percent_all(*run + "\x82\xA0" + "7"));
    report_line(input);
    if (decode_report_upload(input)) report_line(*percent_decode(input));
    const auto direct = parse_report_line(input);
    const auto uploaded = decode_report_upload(percent_all(input));
    check(direct.has_value() == uploaded.has_value() && (!direct || same(*direct, *uploaded)),
          "a report upload differs from its line");

    if (auto fields = parse_rank_line(input)) {
        check(parse_rank_line(build_rank_line(*fields)) == fields,
              "a ranking line does not come back");
    }

    if (auto text = utf7_unrun(input)) {
        if (auto run = utf7_run(*text)) check(utf7_unrun(*run) == text, "a run does not come back");
    }

    auto decoded = percent_decode(input);
    if (decoded)
        check(percent_decode(percent_all(*decoded)) == decoded, "triples do not come back");
    check(percent_decode(percent_all(input)) == input, "percent_all does not come back");
    return 0;
}
