#include "character/arrival_scene.h"
#include "explore/story_chapters.h"
#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include "test_support.h"

#include <string>
#include <vector>

namespace quill {
namespace {

const std::string kName = "テスト丸";

TEST(StoryArrival, HasThirtySixLinesWithTheFixedOnes) {
    const std::vector<std::string> lines = ArrivalSceneLines(kName);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], "ようこそ。島へ");
    EXPECT_EQ(lines[33], "....テスト丸は目を覚ました");
    EXPECT_EQ(lines[35], " ");
}

TEST(StoryArrival, NamesTheAdventurer) {
    const std::vector<std::string> lines = ArrivalSceneLines(kName);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_NE(lines[16].find(kName), std::string::npos);  // thrown into the sea
    EXPECT_NE(lines[29].find(kName), std::string::npos);  // carried ashore
    EXPECT_GE(testing_support::CountLinesWith(lines, kName), 3);
    EXPECT_EQ(testing_support::CountLinesWith(ArrivalSceneLines(""), kName), 0);
}

TEST(StoryArrival, EveryLineShowsInTheLog) {
    const std::vector<std::string> lines = ArrivalSceneLines(kName);
    testing_support::ExpectShowableLogLines(lines, "arrival", true);  // its last line is a space
    for (size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_NE(lines[i].find_first_not_of(' '), std::string::npos) << "line " << i + 1;
    }
}

TEST(StoryChapters, HaveTheirLineCounts) {
    const size_t counts[] = {33, 17, 18, 18, 10, 10, 9, 9, 25, 12};
    for (int flag = 30; flag <= 39; ++flag) {
        EXPECT_EQ(StoryChapterLines(flag, kName).size(), counts[flag - 30]) << "flag " << flag;
    }
}

TEST(StoryChapters, OtherFlagsHaveNoChapter) {
    for (int flag : {-1, 0, 1, 29, 40, 41, 100}) {
        EXPECT_TRUE(StoryChapterLines(flag, kName).empty()) << "flag " << flag;
    }
}

TEST(StoryChapters, EveryChapterNamesTheAdventurer) {
    for (int flag = 30; flag <= 39; ++flag) {
        EXPECT_GE(testing_support::CountLinesWith(StoryChapterLines(flag, kName), kName), 1)
            << "flag " << flag;
    }
    // The opening chapter speaks of the newcomer by name on its second line.
    EXPECT_EQ(StoryChapterLines(30, kName)[1].rfind(kName, 0), 0u);
    // A name that looks like the mark itself is put in as it is, once.
    EXPECT_EQ(StoryChapterLines(31, "{name}")[0], "その夜、{name}は不思議な夢を見た。");
}

TEST(StoryChapters, EveryLineShowsInTheLog) {
    for (int flag = 30; flag <= 39; ++flag) {
        const std::vector<std::string> lines = StoryChapterLines(flag, kName);
        testing_support::ExpectShowableLogLines(lines, "chapter " + std::to_string(flag));
        for (const std::string& line : lines) {
            EXPECT_NE(line.find_first_not_of(' '), std::string::npos) << "flag " << flag;
        }
    }
}

}  // namespace
}  // namespace quill
