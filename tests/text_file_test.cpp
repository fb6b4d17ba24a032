#include "platform/text_file.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "test_support.h"

namespace quill::platform {
namespace {

TEST(TextReader, ReadsIntegersAndTextsLineByLine) {
    TextReader r(to_cp932("12\r\n-7\r\nしすみ\r\n0\r\n").value());
    int32_t v = 99;
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(v, 12);
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(v, -7);
    EXPECT_EQ(r.read_text(), "しすみ");
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(r.at_end());
}

TEST(TextReader, IntegersSkipBlanksAndLineEndsBeforeThem) {
    TextReader r("  5\r\n\r\n\r\n   6  \r\n7");
    int32_t a = 0, b = 0, c = 0;
    ASSERT_TRUE(r.read_int(a));
    ASSERT_TRUE(r.read_int(b));
    ASSERT_TRUE(r.read_int(c));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 6);
    EXPECT_EQ(c, 7);
}

TEST(TextReader, ReadingPastTheEndGivesZeroAndEmptyText) {
    TextReader r("3\r\n");
    int32_t v = 0;
    ASSERT_TRUE(r.read_int(v));
    v = 42;
    EXPECT_TRUE(r.read_int(v));
    EXPECT_EQ(v, 0);
    EXPECT_EQ(r.read_text(), "");
    TextReader empty("");
    EXPECT_TRUE(empty.read_int(v));
    EXPECT_EQ(v, 0);
}

TEST(TextReader, TextKeepsSpacesAndFullWidthCharacters) {
    TextWriter w;
    w.write_text(" 名前 with  spaces　全角 ");
    w.write_int(-2147483647 - 1);
    TextReader r(w.bytes());
    EXPECT_EQ(r.read_text(), " 名前 with  spaces　全角 ");
    int32_t v = 0;
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(v, INT32_MIN);
}

TEST(TextReader, ALineThatIsNoIntegerIsReportedWithItsLine) {
    struct Case {
        const char* file;
        int good_values;  // integers read before the bad one
        int bad_line;
    };
    const Case cases[] = {
        {"1\r\n2\r\nabc\r\n4\r\n", 2, 3},
        {"1\r\n2x\r\n", 1, 2},
        {"99999999999\r\n", 0, 1},  // beyond 32 bits
        {"--1\r\n", 0, 1},
        {"1\r\n\r\n\x82\xa0\r\n", 1, 3},
        {"+\r\n", 0, 1},
    };
    for (const Case& c : cases) {
        TextReader r(c.file);
        int32_t v = 0;
        for (int i = 0; i < c.good_values; ++i) ASSERT_TRUE(r.read_int(v)) << c.file;
        EXPECT_FALSE(r.read_int(v)) << c.file;
        EXPECT_EQ(v, 0);
        EXPECT_EQ(r.line(), c.bad_line) << c.file;
    }
}

TEST(TextReader, AcceptsBareLineFeeds) {
    TextReader r(to_cp932("1\n名\n2").value());
    int32_t v = 0;
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(r.read_text(), "名");
    ASSERT_TRUE(r.read_int(v));
    EXPECT_EQ(v, 2);
}

TEST(TextWriter, WritesCodePage932WithCrLf) {
    TextWriter w;
    w.write_int(-5);
    w.write_text("あ");
    w.write_text("two\nlines");
    EXPECT_EQ(w.bytes(), "-5\r\n\x82\xa0\r\ntwo lines\r\n");
}

TEST(AtomicWrite, ReplacesTheFileWholeAndLeavesNoTemporary) {
    quill::testing_support::TempFolder folder;
    auto path = folder.path() / "my.dat";
    ASSERT_TRUE(write_file_atomically(path, "old"));
    ASSERT_TRUE(write_file_atomically(path, "new contents"));
    EXPECT_EQ(read_file(path).value(), "new contents");
    int files = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder.path())) ++files;
    EXPECT_EQ(files, 1);
    // A folder that does not exist: the write fails and says so.
    EXPECT_FALSE(write_file_atomically(folder.path() / "missing" / "my.dat", "x"));
    EXPECT_FALSE(read_file(folder.path() / "missing" / "my.dat"));
}

}  // namespace
}  // namespace quill::platform
