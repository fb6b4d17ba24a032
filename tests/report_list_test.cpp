#include "view/report_list.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quill {
namespace {

using platform::Color;

TEST(ReportList, TagsColourTheMessageByTheirCodePageBytes) {
    struct Case {
        const char* message;
        uint32_t colour;
    };
    const Case cases[] = {
        {"　<降臨>しすみが島に降り立った", 0xCCCC00},
        {"　<入島>しすみがワールドに降り立った....", 0x009933},
        {"  <LVUP>LV10", 0x0099CC},  // two half-width blanks are two bytes too
        {"　<PET>タマに出会った", 0xCC9900},
        {"　<死亡>", 0xFF5A5A},
        {"　<撃破>山男", 0xCC0099},
        {"　<進行１>", 0x557799},
        {"　<距離>最高距離 10mを達成", 0x559977},
        {"　<技修得>", 0x9900CC},
        {"　<ホーシオ>", 0x663399},
        {"<降臨>が先頭", 0xFFFFFF},  // the tag must start at the third byte
        {"　<LV", 0xFFFFFF},
        {"", 0xFFFFFF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReportTagColour(c.message), Color::rgb(c.colour)) << c.message;
    }
}

TEST(ReportList, TimesShowTheirMinutesWithTwoDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"1:9", "1:09"},
        {"3/15 0:0", "3/15 0:00"},
        {"12/11 23:59", "12/11 23:59"},
        {"10:05", "10:05"},
        {"", ""},
        {"1:x", "1:x"},
        {"abc", "abc"},
        {"1:", "1:"},
    };
    for (const auto& [sent, shown] : cases) EXPECT_EQ(TimeWithTwoDigitMinutes(sent), shown) << sent;
}

TEST(ReportList, DrawsOneLinePerReportWithTheNameColouredBySex) {
    testing_support::GameFixture f;
    Game& g = f.game;
    g.report_entries[0] = {"しすみ", "　<降臨>しすみが島に降り立った", "12/1 9:05", 0, 1};
    g.report_entries[1] = {"タマコ", "　<撃破>山男を倒した", "12/1 9:07", 1, 2};
    DrawReportList(g);
    const platform::Bitmap& p = g.form.world_cg.picture;
    auto has = [&](int y0, Color c) {
        for (int y = y0; y < y0 + 14; ++y)
            for (int x = 0; x < 400; ++x)
                if (p.pixel(x, y) == c) return true;
        return false;
    };
    EXPECT_TRUE(has(4, Color::rgb(0x00FFFF)));
    EXPECT_TRUE(has(4, Color::rgb(0xCCCC00)));
    EXPECT_TRUE(has(4, Color::rgb(0x444444)));
    EXPECT_TRUE(has(18, Color::rgb(0xFF00FF)));
    EXPECT_TRUE(has(18, Color::rgb(0xCC0099)));
    EXPECT_FALSE(has(32, Color::rgb(0x00FFFF)) && has(32, Color::rgb(0xCCCC00)));
}

}  // namespace
}  // namespace quill
