#include "state/rare_item_lore.h"
#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace quill {
namespace {

constexpr int32_t kFirst = 500;
constexpr int32_t kLast = 563;

bool IsSnack(int32_t id) {
    return id >= 540 && id <= 543;
}

TEST(RareItemLore, EveryRareItemHasAText) {
    for (int32_t id = kFirst; id <= kLast; ++id) {
        EXPECT_FALSE(RareItemLore(id).empty()) << "id " << id;
    }
}

TEST(RareItemLore, TheSnacksAreSimplyGood) {
    for (int32_t id = 540; id <= 543; ++id) EXPECT_EQ(RareItemLore(id), "おいしい") << "id " << id;
}

TEST(RareItemLore, EveryOtherTextIsItsOwn) {
    std::set<std::string_view> seen;
    for (int32_t id = kFirst; id <= kLast; ++id) {
        if (IsSnack(id)) continue;
        const std::string_view text = RareItemLore(id);
        EXPECT_NE(text, "おいしい") << "id " << id;
        EXPECT_TRUE(seen.insert(text).second) << "id " << id << " repeats: " << text;
    }
    EXPECT_EQ(seen.size(), 60u);
}

TEST(RareItemLore, EveryTextFitsOneLineOfTheDetailBox) {
    for (int32_t id = kFirst; id <= kLast; ++id) {
        const std::string_view text = RareItemLore(id);
        const std::optional<std::string> cp932 = platform::to_cp932(text);
        ASSERT_TRUE(cp932.has_value()) << "id " << id << " has a character outside code page 932";
        EXPECT_LE(platform::cp932_length(text), 72) << "id " << id;
        EXPECT_EQ(static_cast<int>(cp932->size()), platform::cp932_length(text)) << "id " << id;
        EXPECT_EQ(text.find('\n'), std::string_view::npos) << "id " << id;
        EXPECT_EQ(text.find('\r'), std::string_view::npos) << "id " << id;
        if (!IsSnack(id)) {
            EXPECT_GE(platform::cp932_length(text), 24) << "id " << id;
        }
    }
}

TEST(RareItemLore, OtherIdsHaveNone) {
    EXPECT_TRUE(RareItemLore(kFirst - 1).empty());
    EXPECT_TRUE(RareItemLore(kLast + 1).empty());
    EXPECT_TRUE(RareItemLore(0).empty());
    EXPECT_TRUE(RareItemLore(-1).empty());
}

}  // namespace
}  // namespace quill
