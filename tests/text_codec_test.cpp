#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace quill::platform {
namespace {

TEST(Cp932, RoundTripsJapaneseText) {
    const std::string samples[] = {
        "しすみ",                // hiragana
        "ﾎｰｼｵの器量",            // half-width katakana and kanji
        "最高距離 10mを達成～",  // the wave dash that plain Shift-JIS cannot hold
        "①Ⅱ㈱",                  // the vendor extensions of code page 932
        "ABC abc 123 !\"#",
    };
    for (const std::string& s : samples) {
        auto encoded = to_cp932(s);
        ASSERT_TRUE(encoded) << s;
        auto decoded = from_cp932(*encoded);
        ASSERT_TRUE(decoded) << s;
        EXPECT_EQ(*decoded, s);
    }
}

TEST(Cp932, KnownBytes) {
    EXPECT_EQ(to_cp932("あ").value(), "\x82\xA0");
    EXPECT_EQ(to_cp932("～").value(), "\x81\x60");
    EXPECT_EQ(to_cp932("ｱ").value(), "\xB1");
    EXPECT_EQ(from_cp932("\x93\xfa\x96\x7b").value(), "日本");
}

TEST(Cp932, UnconvertibleInputGivesAnErrorNotACrash) {
    EXPECT_FALSE(to_cp932("emoji 😀"));
    EXPECT_FALSE(to_cp932("\xff\xfe broken utf-8"));
    EXPECT_FALSE(from_cp932("\x82"));      // a lead byte alone
    EXPECT_FALSE(from_cp932("\x85\x40"));  // an unassigned pair
    EXPECT_EQ(to_cp932_lossy("a😀b"), "a?b");
    EXPECT_EQ(from_cp932_lossy("a\x82"), "a?");
}

TEST(Cp932, ByteLengthCountsCodePageBytes) {
    EXPECT_EQ(cp932_length(""), 0);
    EXPECT_EQ(cp932_length("abc"), 3);
    EXPECT_EQ(cp932_length("あいう"), 6);
    EXPECT_EQ(cp932_length("ﾎｰｼｵ"), 4);
    EXPECT_EQ(cp932_length("ホーシオ"), 8);
    EXPECT_EQ(cp932_length("x😀"), 2);  // an unconvertible character counts as one byte
}

TEST(Utf7, DecodesTheExamplesOfItsStandard) {
    EXPECT_EQ(from_utf7("A+ImIDkQ.").value(), "A\u2262\u0391.");
    EXPECT_EQ(from_utf7("Hi Mom -+Jjo--!").value(), "Hi Mom -\u263A-!");
    EXPECT_EQ(from_utf7("+ZeVnLIqe-").value(), "日本語");
    EXPECT_EQ(from_utf7("Item 3 is +AKM-1.").value(), "Item 3 is \u00A31.");
}

TEST(Utf7, EncodesAndFlushesTheLastRun) {
    EXPECT_EQ(to_utf7("日本語").value(), "+ZeVnLIqe-");
    EXPECT_EQ(to_utf7("A\u2262\u0391.").value().substr(0, 8), "A+ImIDkQ");
    const std::string samples[] = {"しすみ", "ﾎｰｼｵ～", "＊　名前　＊", "plain", "a+b", ""};
    for (const std::string& s : samples) {
        auto encoded = to_utf7(s);
        ASSERT_TRUE(encoded) << s;
        for (char c : *encoded) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << s;
        EXPECT_EQ(from_utf7(*encoded).value(), s);
    }
}

TEST(Utf7, MalformedInputGivesAnError) {
    EXPECT_FALSE(from_utf7("caf\xC3\xA9"));  // eight-bit bytes are not UTF-7
    EXPECT_FALSE(to_utf7("\xC3"));           // truncated UTF-8
}

}  // namespace
}  // namespace quill::platform
