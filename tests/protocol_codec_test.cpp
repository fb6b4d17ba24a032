#include "net/protocol_codec.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/text_codec.h"

namespace quill::net {
namespace {

// UTF-8 test text in code page 932, as the exchanges carry it.
std::string sj(std::string_view utf8) {
    return platform::to_cp932(utf8).value();
}

// A ranking line's fields as the game fills them, with the given texts.
RankFields sample_fields(std::string_view name, std::string_view title, std::string_view pet) {
    RankFields f;
    for (int i = 0; i < kRankFields; ++i) f[i] = std::to_string(i * 7);
    f[0] = sj(name);
    f[1] = "1234567";
    f[3] = "-1";
    f[6] = sj("12/31 23:5");
    f[21] = "0";
    f[22] = sj(title);
    f[23] = sj(pet);
    f[27] = "229";
    return f;
}

// The tests build broken upload bodies from their pieces.
std::string body_of(std::string_view cp932) {
    return percent_all(cp932);
}

// utf7_run of a text the test knows to have a run.
std::string run_of(std::string_view cp932) {
    return utf7_run(cp932).value();
}

// The run of a framed ranking line, as rank_upload_body puts it before "あ" and the number.
std::string framed_run(std::string_view line) {
    return run_of(sj("＊　") + std::string(line) + sj("　＊"));
}

// The body with its first hexadecimal letter in lower case.
std::string lower_first_hex_letter(std::string body) {
    for (size_t i = 0; i < body.size(); ++i) {
        if (body[i] >= 'A' && body[i] <= 'F') {
            body[i] = static_cast<char>(body[i] - 'A' + 'a');
            break;
        }
    }
    return body;
}

// ---------------------------------------------------------------------------------------
// UTF-7 runs

TEST(ProtocolUtf7, RunsRoundTripTheGamesTexts) {
    const char* samples[] = {
        "＊　",
        "　＊",
        "　しすみ　",
        "　ﾎｰｼｵ　",                              // half-width katakana
        "　最高距離 10mを達成～　",              // the wave dash of code page 932
        "＊　[hいk[]kあ#{GM#{12#{-3#{　＊",      // ASCII in between, "-" and digits
        "　<降臨>GMという名の冒険者が現れた　",  // optional direct characters
        "　a+b-c~d\\e　",                        // "+", "-", and characters never direct
        "ﾎ",
        "　",
    };
    for (const char* utf8 : samples) {
        SCOPED_TRACE(utf8);
        auto run = utf7_run(sj(utf8));
        ASSERT_TRUE(run);
        // The run is the standard encoding without its "+" and "-".
        EXPECT_EQ("+" + *run + "-", platform::to_utf7(utf8).value());
        EXPECT_EQ(utf7_unrun(*run), sj(utf8));
    }
}

TEST(ProtocolUtf7, RunOfKnownTexts) {
    EXPECT_EQ(utf7_run(sj("　＊")), "MAD/Cg");
    EXPECT_EQ(utf7_run(sj("日本語")), "ZeVnLIqe");
    EXPECT_EQ(utf7_run(sj("あ")), "MEI");
}

TEST(ProtocolTime, MonthDayHourMinuteWithoutLeadingZeros) {
    EXPECT_EQ(time_text(12, 1, 9, 5), "12/1 9:5");
    EXPECT_EQ(time_text(1, 31, 0, 0), "1/31 0:0");
    EXPECT_EQ(time_text(10, 10, 23, 59), "10/10 23:59");
}

TEST(ProtocolUtf7, RunNeedsCodePage932AndAFullWidthCharacterAtEachEnd) {
    const std::string samples[] = {
        "\x82",      // a lead byte alone
        "\x85\x40",  // an unassigned pair
        "",          // nothing to run
        "GM",        // no full-width character at either end
        sj("GM　"),  // begins with a direct character
        sj("　GM"),  // ends with a direct character
    };
    for (const std::string& s : samples) EXPECT_FALSE(utf7_run(s)) << s;
}

TEST(ProtocolUtf7, UnrunReadsTheExamplesOfRfc2152) {
    struct Case {
        const char* run;                   // the example without its "+" and "-"
        std::optional<std::string> cp932;  // nothing when a character has no code page 932 form
    };
    const Case cases[] = {
        {"ZeVnLIqe", sj("日本語")},  // "+ZeVnLIqe-"
        {"AKM-1.", sj("£1.-")},      // "Item 3 is +AKM-1.", and the "-" put after it
        {"ImIDkQ.", std::nullopt},   // "A+ImIDkQ.": U+2262 has no code page 932 form
        {"Jjo--!", std::nullopt},    // "Hi Mom -+Jjo--!": nor has U+263A
        {"", "+"},                   // "+-" is a plain "+"
    };
    for (const Case& c : cases) EXPECT_EQ(utf7_unrun(c.run), c.cp932) << c.run;
}

TEST(ProtocolUtf7, UnrunRejectsMalformedRuns) {
    const char* runs[] = {
        "MA",            // a character cut off after 12 bits
        "MAAw",          // a second character cut off
        "MAB",           // padding bits that are not zero
        "MA!",           // base64 cut off by another character
        "2D0",           // a lone high surrogate
        "MAA-+!",        // "+" followed by neither base64 nor "-"
        "MAA-a~b",       // "~" is never part of a UTF-7 text
        "MAA-a\\b",      // nor is "\"
        "MAA-\x82\xA0",  // nor are 8-bit bytes
        "MAA-\x01",      // nor control characters
        "2D3cAA",        // U+1F600 decodes, but has no code page 932 form
    };
    for (const char* run : runs) EXPECT_FALSE(utf7_unrun(run)) << run;
}

// ---------------------------------------------------------------------------------------
// Percent triples

TEST(ProtocolPercent, EncodesEveryByte) {
    EXPECT_EQ(percent_all(""), "");
    EXPECT_EQ(percent_all("A z%"), "%41%20%7A%25");
    EXPECT_EQ(percent_all(sj("あ")), "%82%A0");
    EXPECT_EQ(percent_all(std::string("\x00\xFF", 2)), "%00%FF");
}

TEST(ProtocolPercent, DecodesEitherCaseAndKeepsOtherBytes) {
    EXPECT_EQ(percent_decode("%82%a0%41"), sj("あA"));
    EXPECT_EQ(percent_decode("a+b%20c"), "a+b c");
    EXPECT_EQ(percent_decode(""), "");
    EXPECT_EQ(percent_decode("%00"), std::string(1, '\0'));
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(percent_decode(percent_all(all)), all);
}

TEST(ProtocolPercent, RejectsPercentWithoutTwoHexDigits) {
    const char* texts[] = {"%", "%4", "abc%4", "%G0", "%0g", "%%41", "% 41", "%41%"};
    for (const char* t : texts) EXPECT_FALSE(percent_decode(t)) << t;
}

// ---------------------------------------------------------------------------------------
// The ranking line

TEST(ProtocolRankLine, IntegerFields) {
    for (int field = 1; field <= kRankFields; ++field) {
        const bool text = field == 1 || field == 7 || field == 23 || field == 24;
        EXPECT_EQ(rank_field_is_integer(field), !text) << field;
    }
    EXPECT_FALSE(rank_field_is_integer(0));
    EXPECT_FALSE(rank_field_is_integer(kRankFields + 1));
}

TEST(ProtocolRankLine, BuildsHeadAndFields) {
    RankFields f;
    for (int i = 0; i < kRankFields; ++i) f[i] = std::to_string(i + 1);
    std::string expected = sj("[hいk[]kあ#{");
    for (int i = 1; i <= kRankFields; ++i) expected += std::to_string(i) + "#{";
    EXPECT_EQ(build_rank_line(f), expected);
}

TEST(ProtocolRankLine, RoundTrips) {
    struct Case {
        const char* name;
        const char* title;
        const char* pet;
    };
    const Case cases[] = {
        {"GM", "", ""},          // what the game sends for "hostap7741"
        {"hostap7741", "", ""},  // to the codec just a name
        {"しすみ", "ホーシオの達人", "ポチ"},
        {"ﾎｰｼｵ", "～見習い～", "ﾀﾛｳ"},
        {"　空白　名", "　", "　"},  // ideographic spaces
        {"[k]k", "k[", "]k"},        // markers inside the text fields
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RankFields fields = sample_fields(c.name, c.title, c.pet);
        EXPECT_EQ(parse_rank_line(build_rank_line(fields)), fields);
    }
}

TEST(ProtocolRankLine, ParsesAroundTheFrame) {
    const RankFields fields = sample_fields("しすみ", "称号", "");
    EXPECT_EQ(parse_rank_line(sj("＊　") + build_rank_line(fields) + sj("　＊")), fields);
}

TEST(ProtocolRankLine, RejectsMissingMarkersAndWrongFieldCounts) {
    const std::string line = build_rank_line(sample_fields("しすみ", "", ""));
    const std::string head = sj("[hいk[]kあ#{");
    const std::string fields = line.substr(head.size());
    const std::string texts[] = {
        "",
        fields,                           // no head at all
        "#{" + fields,                    // a head without the markers
        sj("[hいk[]あ#{") + fields,       // "]k" missing
        sj("[hい[]kあ#{") + fields,       // "k[" missing
        line.substr(0, line.size() - 2),  // 27 fields and the start of the 28th
        line.substr(0, line.size() / 2),  // cut inside the fields
        line + "1#{",                     // 29 fields
        head + "a#{b#{",                  // 2 fields
        // a "k" that is the second byte of a katakana does not make a marker:
        "\x83k[]\x83k#{" + fields,
    };
    for (const std::string& t : texts) EXPECT_FALSE(parse_rank_line(t)) << t;
}

// ---------------------------------------------------------------------------------------
// The ranking upload

TEST(ProtocolRankUpload, BodyIsOnlyUpperCaseTriplesEndingInAAndANumber) {
    const std::string line = build_rank_line(sample_fields("ﾎｰｼｵ", "～", "ポチ"));
    for (int n : {0, 5, 42, 98}) {
        SCOPED_TRACE(n);
        auto body = rank_upload_body(line, n);
        ASSERT_TRUE(body);
        ASSERT_EQ(body->size() % 3, 0u);
        for (size_t i = 0; i < body->size(); i += 3) {
            EXPECT_EQ((*body)[i], '%');
            for (char c : body->substr(i + 1, 2)) {
                EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << c;
            }
        }
        const std::string text = percent_decode(*body).value();
        const std::string tail = sj("あ") + std::to_string(n);
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
        EXPECT_EQ(text.substr(0, text.size() - tail.size()), framed_run(line));
        EXPECT_EQ(decode_rank_upload(*body), line);
    }
}

TEST(ProtocolRankUpload, RoundTripsNames) {
    for (const char* name : {"GM", "hostap7741", "しすみ", "ﾎｰｼｵ", "～", "　名　"}) {
        const std::string line = build_rank_line(sample_fields(name, "称号", "ﾀﾛｳ"));
        EXPECT_EQ(decode_rank_upload(rank_upload_body(line, 17).value()), line) << name;
    }
}

TEST(ProtocolRankUpload, NumberOutsideItsRangeOrTextOutsideTheCodePageMakesNoBody) {
    const std::string line = build_rank_line(sample_fields("GM", "", ""));
    EXPECT_FALSE(rank_upload_body(line, -1));
    EXPECT_FALSE(rank_upload_body(line, 99));
    EXPECT_FALSE(rank_upload_body("\x82", 1));
    EXPECT_FALSE(rank_upload_body(line + "\x82", 1));  // would pair with the frame's space
}

TEST(ProtocolRankUpload, DecodingRejectsEveryBrokenPartOfTheFrame) {
    RankFields fields = sample_fields("しすみ", "称号", "");
    const std::string line = build_rank_line(fields);
    const std::string run = framed_run(line);
    const std::string a = sj("あ");
    const std::string good = body_of(run + a + "42");
    ASSERT_TRUE(decode_rank_upload(good));

    RankFields non_integer = fields;
    non_integer[2] = "12x";
    RankFields leading_zero = fields;
    leading_zero[2] = "012";
    RankFields too_big = fields;
    too_big[2] = "2147483648";
    std::vector<std::string> wrong_count(fields.begin(), fields.end() - 1);
    std::string short_line = sj("[hいk[]kあ#{");
    for (const std::string& f : wrong_count) short_line += f + "#{";

    struct Case {
        const char* why;
        std::string body;
    };
    const Case cases[] = {
        {"empty", ""},
        {"a bare byte", "x" + good},
        {"a lower-case triple", lower_first_hex_letter(good)},
        {"a triple left as its byte", std::string(1, run[0]) + body_of(run.substr(1) + a + "42")},
        {"a triple with a non-hex digit", "%G" + good.substr(2)},
        {"a % without two hex digits", good.substr(0, good.size() - 1)},
        {"a % at the end", good + "%"},
        {"no number after あ", body_of(run + a)},
        {"99 after あ", body_of(run + a + "99")},
        {"three digits after あ", body_of(run + a + "100")},
        {"a leading zero", body_of(run + a + "07")},
        {"a sign", body_of(run + a + "-1")},
        {"no あ", body_of(run + "42")},
        {"い in place of あ", body_of(run + sj("い") + "42")},
        {"a run cut off", body_of(run.substr(0, run.size() - 1) + a + "42")},
        {"a run cut in half", body_of(run.substr(0, run.size() / 2) + a + "42")},
        {"bad base64 at the start", body_of("!" + run.substr(1) + a + "42")},
        {"a character never in UTF-7", body_of(run + "~" + a + "42")},
        {"a base64 digit too many", body_of(run + "/" + a + "42")},
        {"no run", body_of(a + "42")},
        {"no frame", body_of(run_of(line + sj("　")) + a + "42")},
        {"frame open only", body_of(run_of(sj("＊　") + line + sj("＊")) + a + "4")},
        {"frame close only", body_of(run_of(sj("　") + line + sj("　＊")) + a + "4")},
        {"a half frame", body_of(run_of(sj("＊") + line + sj("＊")) + a + "4")},
        {"a head without markers",
         body_of(framed_run(line.substr(sj("[hいk[]kあ").size())) + a + "4")},
        {"text before the head", body_of(framed_run("x" + line) + a + "4")},
        {"text after the last field", body_of(framed_run(line + "x") + a + "4")},
        {"27 fields", body_of(framed_run(short_line) + a + "4")},
        {"29 fields", body_of(framed_run(line + "0#{") + a + "4")},
        {"a non-integer score", body_of(framed_run(build_rank_line(non_integer)) + a + "4")},
        {"a leading zero in a score", body_of(framed_run(build_rank_line(leading_zero)) + a + "4")},
        {"a score beyond 32 bits", body_of(framed_run(build_rank_line(too_big)) + a + "4")},
    };
    for (const Case& c : cases) EXPECT_FALSE(decode_rank_upload(c.body)) << c.why;
}

TEST(ProtocolRankUpload, TextFieldsNeedNotBeNumbers) {
    RankFields fields = sample_fields("12", "-", "");
    fields[6] = "";
    const std::string line = build_rank_line(fields);
    EXPECT_EQ(decode_rank_upload(rank_upload_body(line, 0).value()), line);
}

// ---------------------------------------------------------------------------------------
// Reports

Report sample_report(std::string_view message, std::string_view name) {
    Report r;
    r.message = sj(message);
    r.name = sj(name);
    r.player_id = 1234567;
    r.race_sex = 3;
    r.time = "12/31 23:59";
    return r;
}

void expect_same(const Report& a, const Report& b) {
    EXPECT_EQ(a.message, b.message);
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.player_id, b.player_id);
    EXPECT_EQ(a.race_sex, b.race_sex);
    EXPECT_EQ(a.time, b.time);
}

TEST(ProtocolReport, LineHasItsPartsInOrder) {
    const Report r = sample_report("<死亡>GMは死んだ....", "GM");
    const std::string line = build_report_line(r).value();
    const std::string expected = "MAD/Cg{m" + utf7_run(sj("　<死亡>GMは死んだ....　")).value() +
                                 "}m{n" + utf7_run(sj("　GM　")).value() +
                                 "}n{p1234567}p{s3}s{t12/31 23:59}t";
    EXPECT_EQ(line, expected);
}

TEST(ProtocolReport, RoundTrips) {
    struct Case {
        const char* message;
        const char* name;
    };
    const Case cases[] = {
        {"<降臨>GMという名の冒険者が現れた", "GM"},
        {"<入島>hostap7741がワールドに降り立った....", "hostap7741"},
        {"<ホーシオ>ﾎｰｼｵは、ホーシオ【炎の剣】を修得した", "ﾎｰｼｵ"},
        {"<距離>最高距離 100mを達成～", "しすみ"},
        {"<LVUP>　空　はLV 12になった", "　空　"},
        {"", "名"},
        {"+-{m}m#{", "a-b"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Report r = sample_report(c.message, c.name);
        r.player_id = -5;
        r.race_sex = 0;
        r.time = "1/2 0:0";
        const std::string line = build_report_line(r).value();
        auto parsed = parse_report_line(line);
        ASSERT_TRUE(parsed);
        expect_same(*parsed, r);

        const std::string body = report_upload_body(line);
        EXPECT_EQ(body, percent_all(line));
        auto uploaded = decode_report_upload(body);
        ASSERT_TRUE(uploaded);
        expect_same(*uploaded, r);
    }
}

TEST(ProtocolReport, BuildNeedsCodePage932) {
    EXPECT_FALSE(build_report_line(Report{"\x82", "GM", 1, 1, "1/1 1:1"}));
    EXPECT_FALSE(build_report_line(Report{"a", "\x85\x40", 1, 1, "1/1 1:1"}));
    EXPECT_FALSE(build_report_line(Report{"a", "GM", 1, 1, "\x82"}));
    // A lead byte at the end of a text does not pair with the space the line puts after it.
    EXPECT_FALSE(build_report_line(Report{"a\x82", "GM", 1, 1, "1/1 1:1"}));
    EXPECT_FALSE(build_report_line(Report{"a", "\x82", 1, 1, "1/1 1:1"}));
}

TEST(ProtocolReport, ParseRejectsMissingOrMalformedParts) {
    const std::string m = utf7_run(sj("　メッセージ　")).value();
    const std::string n = utf7_run(sj("　GM　")).value();
    const std::string rest = "}n{p1}p{s2}s{t3/4 5:6}t";
    const std::string good = "MAD/Cg{m" + m + "}m{n" + n + rest;
    ASSERT_TRUE(parse_report_line(good));

    struct Case {
        const char* why;
        std::string line;
    };
    const Case cases[] = {
        {"empty", ""},
        {"no head", "{m" + m + "}m{n" + n + rest},
        {"another head", "MAD/Cw{m" + m + "}m{n" + n + rest},
        {"no message", "MAD/Cg{n" + n + rest},
        {"message not closed", "MAD/Cg{m" + m + "{n" + n + rest},
        {"no name", "MAD/Cg{m" + m + "}m{p1}p{s2}s{t3/4 5:6}t"},
        {"no id", "MAD/Cg{m" + m + "}m{n" + n + "}n{s2}s{t3/4 5:6}t"},
        {"no race", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{t3/4 5:6}t"},
        {"no time", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s"},
        {"time not closed", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s{t3/4 5:6"},
        {"parts swapped", "MAD/Cg{n" + n + "}n{m" + m + "}m{p1}p{s2}s{t3/4 5:6}t"},
        {"text after the time", good + "x"},
        {"a message without its spaces",
         "MAD/Cg{m" + utf7_run(sj("メッセージ")).value() + "}m{n" + n + rest},
        {"a name with one space", "MAD/Cg{m" + m + "}m{n" + utf7_run(sj("　")).value() + rest},
        {"a message cut off", "MAD/Cg{m" + m.substr(0, m.size() - 1) + "}m{n" + n + rest},
        {"bad base64 in the name", "MAD/Cg{m" + m + "}m{n" + n + "~" + rest},
        {"an empty message run", "MAD/Cg{m}m{n" + n + rest},
        {"an id that is no number", "MAD/Cg{m" + m + "}m{n" + n + "}n{px}p{s2}s{t3/4 5:6}t"},
        {"an empty id", "MAD/Cg{m" + m + "}m{n" + n + "}n{p}p{s2}s{t3/4 5:6}t"},
        {"an id beyond 32 bits", "MAD/Cg{m" + m + "}m{n" + n + "}n{p2147483648}p{s2}s{t3/4 5:6}t"},
        {"a race with a sign", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s+2}s{t3/4 5:6}t"},
        {"a time without minutes", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s{t3/4 5}t"},
        {"month 13", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s{t13/4 5:6}t"},
        {"a leading zero in the time", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s{t03/4 5:6}t"},
        {"an hour of 24", "MAD/Cg{m" + m + "}m{n" + n + "}n{p1}p{s2}s{t3/4 24:6}t"},
        {"a weather line", "TENKI" + good},
    };
    for (const Case& c : cases) EXPECT_FALSE(parse_report_line(c.line)) << c.why;
}

TEST(ProtocolReport, UploadDecodingNeedsUpperCaseTriplesOnly) {
    const std::string line = build_report_line(sample_report("<死亡>GMは死んだ....", "GM")).value();
    const std::string body = report_upload_body(line);
    ASSERT_TRUE(decode_report_upload(body));
    EXPECT_FALSE(decode_report_upload(line));                             // not encoded at all
    EXPECT_FALSE(decode_report_upload(body.substr(0, body.size() - 1)));  // a cut-off triple
    EXPECT_FALSE(decode_report_upload(body + "%"));
    EXPECT_FALSE(decode_report_upload(lower_first_hex_letter(body)));
    EXPECT_FALSE(decode_report_upload(body.substr(0, body.size() - 3)));  // "}t" cut
}

// ---------------------------------------------------------------------------------------
// Hostile input takes time in proportion to its size.

TEST(ProtocolHostileInput, LongInputsAreReadInLinearTime) {
    const size_t size = 1 << 20;
    std::string markers;
    while (markers.size() < size) markers += "k[]k#{";
    std::string leads(size, '\x81');
    std::string pluses(size, '+');
    std::string percents(size, '%');
    std::string triples;
    while (triples.size() < size) triples += "%81";

    const auto start = std::chrono::steady_clock::now();
    for (const std::string* s : {&markers, &leads, &pluses, &percents, &triples}) {
        EXPECT_FALSE(parse_rank_line(*s));
        EXPECT_FALSE(parse_report_line(*s));
        EXPECT_FALSE(decode_rank_upload(*s));
        EXPECT_FALSE(decode_report_upload(*s));
        EXPECT_FALSE(utf7_unrun(*s));
        percent_decode(*s);
    }
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    EXPECT_LT(seconds.count(), 20.0);  // generous for sanitizer builds; quadratic work takes hours
}

}  // namespace
}  // namespace quill::net
