#include "view/message_log.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace quill {
namespace {

using platform::Color;
using testing_support::GameFixture;

struct LogFixture : GameFixture {
    LogFixture() { game.closing = 1; }
    std::string text(int i) const { return game.message_log[i].text; }
    int32_t kind(int i) const { return game.message_log[i].kind; }
};

TEST(MessageLog, KeepsTheNewestTwentyOneLines) {
    LogFixture f;
    for (int i = 1; i <= 22; ++i) LogLine(f.game, "line " + std::to_string(i));
    EXPECT_EQ(f.text(0), "line 22");
    EXPECT_EQ(f.text(20), "line 2");  // line 1 is gone
}

TEST(MessageLog, ColourNamesGiveKinds) {
    struct Case {
        const char* name;
        int32_t kind;
    };
    const Case cases[] = {{"green", 301},  {"yellow", 302}, {"blue", 303},  {"pink", 304},
                          {"purple", 305}, {"aqua", 306},   {"red", 307},   {"yellow2", 308},
                          {"orange", 309}, {"pink2", 310},  {"blue2", 312}, {"rainbow", 313},
                          {"Green", 4},    {"", 4},         {"white", 4}};
    for (const Case& c : cases) EXPECT_EQ(ColourKind(c.name), c.kind) << c.name;
    LogFixture f;
    LogColouredLine(f.game, "新しい連携技を発見!! > +200pt.", "rainbow");
    EXPECT_EQ(f.kind(0), 313);
    LogLine(f.game, "plain");
    EXPECT_EQ(f.kind(0), 0);
}

TEST(MessageLog, LongTextsKeepTwoPlainLines) {
    LogFixture f;
    const std::string one_line = "短い行";
    EXPECT_EQ(WrapLogText(one_line).size(), 1u);
    std::string three_lines;
    for (int i = 0; i < 90; ++i) three_lines += "島";  // about 34 full-width per line
    ASSERT_GE(WrapLogText(three_lines).size(), 3u);
    LogColouredLine(f.game, three_lines, "pink2");
    const auto lines = WrapLogText(three_lines);
    EXPECT_EQ(f.text(1), lines[0]);
    EXPECT_EQ(f.text(0), "　" + lines[1]);
    EXPECT_EQ(f.kind(0), 0);
    EXPECT_EQ(f.kind(1), 0);
    EXPECT_TRUE(f.text(2).empty());
    // Each stored line fits the box (the second with its leading blank, near enough).
    EXPECT_GE(lines[0].size() / 3, 30u);
    EXPECT_LE(lines[0].size() / 3, 36u);
}

TEST(MessageLog, WaitingLinesAskForAClickAfterBothHalves) {
    LogFixture f;
    LogLineAndWait(f.game, "ようこそ。島へ");
    EXPECT_EQ(f.game.awaiting_click, 1);
    EXPECT_EQ(f.text(0), "ようこそ。島へ");
}

TEST(MessageLog, ClearLeavesTheOldestEntryAndClosingStopsEverything) {
    LogFixture f;
    for (int i = 0; i < 21; ++i) LogLine(f.game, "x" + std::to_string(i));
    ClearLog(f.game);
    for (int i = 0; i < 20; ++i) EXPECT_TRUE(f.text(i).empty());
    EXPECT_EQ(f.text(20), "x0");

    LogLine(f.game, "kept");
    f.game.closing = -1;
    LogLine(f.game, "lost");
    LogLineAndWait(f.game, "lost");
    LogColouredLine(f.game, "lost", "red");
    ClearLog(f.game);
    EXPECT_EQ(f.text(0), "kept");
    EXPECT_EQ(f.game.awaiting_click, 0);
}

TEST(MessageLog, PalettesWalkForthAndBack) {
    auto red = [](int32_t kind, int32_t f) { return LogTextColour(kind, f, Color{}).value(); };
    // Six-colour palettes: phases 0 1 2 3 4 5 4 3 2 1, then again.
    const uint32_t green[] = {0x00EA12, 0x00DB10, 0x00BF0F, 0x00B50E, 0x00B50D, 0x00B50C,
                              0x00B50D, 0x00B50E, 0x00BF0F, 0x00DB10, 0x00EA12};
    for (int f = 0; f <= 10; ++f) EXPECT_EQ(red(301, f), green[f]) << f;
    EXPECT_EQ(red(2, 5), 0x550000u);
    EXPECT_EQ(red(306, 3), red(303, 3));
    // pink2: five colours over eight phases.
    const uint32_t pink2[] = {0xFFCCDD, 0xFFBBCC, 0xEEAABB, 0xDD99AA, 0xCC8899,
                              0xDD99AA, 0xEEAABB, 0xFFBBCC, 0xFFCCDD};
    for (int f = 0; f <= 8; ++f) EXPECT_EQ(red(310, f), pink2[f]) << f;
    // Rainbow: twelve steps round.
    EXPECT_EQ(red(313, 0), 0xFF0000u);
    EXPECT_EQ(red(312, 11), 0xFF0099u);
    EXPECT_EQ(red(313, 12), 0xFF0000u);
    // Plain is white; an unknown kind keeps the colour it is given.
    EXPECT_EQ(red(0, 3), 0xFFFFFFu);
    EXPECT_EQ(LogTextColour(4, 3, Color::rgb(0x123456)), Color::rgb(0x123456));
}

TEST(MessageLog, ShowsSevenLinesOrTwoOnTheMap) {
    for (int map : {0, 1}) {
        LogFixture f;
        Game& g = f.game;
        g.cg().resize(kBoardWidth, kBoardHeight);
        for (int i = 0; i < 21; ++i) LogLine(g, "行" + std::to_string(i));
        g.map_shown = map;
        DrawMessageLog(g);
        // The pill of line i lies at y = 310 - step * i; count the pills drawn.
        const int step = map ? 21 : 25;
        int pills = 0;
        for (int i = 0; i < 12; ++i) {
            const int y = 310 - step * i + 4;
            if (y >= 0 && g.cg().pixel(0, y) == Color::rgb(0x555555)) ++pills;
        }
        EXPECT_EQ(pills, map ? 2 : 7);
    }
}

TEST(MessageLog, TheItemNoticeIsALabel) {
    LogFixture f;
    SetItemNotice(f.game, "お金が足りません");
    EXPECT_EQ(f.game.form.item_l4.caption, "お金が足りません");
}

}  // namespace
}  // namespace quill
