#include "explore/battle_dialogue.h"
#include "platform/text_codec.h"

#include <gtest/gtest.h>

#include "test_support.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {
namespace {

const std::string kName = "テスト丸";

// How much a form says: the final battle and the island's cry say more before the fight,
// and the final battle's after-lines are the ending of the story.
enum class Kind { kPlain, kMayday, kFinal };

struct Form {
    std::string_view name;
    Kind kind;
};

constexpr Form kForms[] = {
    {"山男", Kind::kPlain},
    {"ヤマオ再び", Kind::kPlain},
    {"ヤマオ・MAYDAY MODE", Kind::kMayday},
    {"奥博士", Kind::kPlain},
    {"奥博士再び", Kind::kPlain},
    {"奥博士・MAYDAY MODE", Kind::kMayday},
    {"サニー・レイニー", Kind::kPlain},
    {"サニー・レイニーアゲイン", Kind::kPlain},
    {"サニー・レイニー・MAYDAY MODE", Kind::kMayday},
    {"光", Kind::kPlain},
    {"繰り返す光", Kind::kPlain},
    {"光・MAYDAY MODE", Kind::kMayday},
    {"マジカル", Kind::kPlain},
    {"マジカルアゲイン", Kind::kPlain},
    {"マジカル・MAYDAY MODE", Kind::kMayday},
    {"緑", Kind::kPlain},
    {"更に濃き緑", Kind::kPlain},
    {"毒蛾博士", Kind::kPlain},
    {"帰って来た毒蛾博士", Kind::kPlain},
    {"ボウケンロボット", Kind::kPlain},
    {"再起動ボウケンロボット", Kind::kPlain},
    {"暗黒剣士ヨイヤミ", Kind::kPlain},
    {"ファトマ", Kind::kPlain},
    {"島", Kind::kPlain},
    {"島・MAYDAY MODE", Kind::kMayday},
    {"天界からの使者", Kind::kFinal},
    {"天界からの使者再び", Kind::kPlain},
    {"海神・魔獣・時数露不", Kind::kPlain},
    {"返ってきた海神・魔獣・時数露不", Kind::kPlain},
    {"空神・雲丸ドン", Kind::kPlain},
    {"返ってきた空神・雲丸ドン", Kind::kPlain},
    {"地天・ｌｕｋａ", Kind::kPlain},
    {"返ってきた地天・ｌｕｋａ", Kind::kPlain},
    {"飛翔する緑", Kind::kPlain},
    {"聳えるヤマオ", Kind::kPlain},
    {"今、光", Kind::kPlain},
    {"ファンタジスタ", Kind::kPlain},
    {"執着するファンタジスタ", Kind::kPlain},
};

TEST(BattleDialogue, EveryFormSaysEnoughAndNotTooMuch) {
    for (const Form& form : kForms) {
        SCOPED_TRACE(std::string(form.name));
        const BattleDialogue d = BattleDialogueFor(form.name, kName);
        const size_t most_before = form.kind == Kind::kPlain ? 8 : 14;
        EXPECT_GE(d.before.size(), 3u);
        EXPECT_LE(d.before.size(), most_before);
        if (form.kind == Kind::kFinal) {
            EXPECT_GE(d.after.size(), 20u);
            EXPECT_LE(d.after.size(), 35u);
        } else {
            EXPECT_GE(d.after.size(), 2u);
            EXPECT_LE(d.after.size(), 6u);
        }
    }
}

TEST(BattleDialogue, EveryLineShowsInTheLog) {
    for (const Form& form : kForms) {
        const BattleDialogue d = BattleDialogueFor(form.name, kName);
        testing_support::ExpectShowableLogLines(d.before, std::string(form.name) + " before");
        testing_support::ExpectShowableLogLines(d.after, std::string(form.name) + " after");
    }
}

TEST(BattleDialogue, OtherNamesSayNothing) {
    for (std::string_view name : {"", "ヤマオ", "山男 ", "スライム", "島・MAYDAY",
                                  "天界からの使者再び再び", "暗黒剣士", "MAYDAY MODE"}) {
        const BattleDialogue d = BattleDialogueFor(name, kName);
        EXPECT_TRUE(d.before.empty()) << name;
        EXPECT_TRUE(d.after.empty()) << name;
    }
}

TEST(BattleDialogue, TheIslandsCryNamesTheAdventurer) {
    for (const Form& form : kForms) {
        if (form.kind != Kind::kMayday) continue;
        const BattleDialogue d = BattleDialogueFor(form.name, kName);
        EXPECT_GE(testing_support::CountLinesWith(d.before, kName) +
                      testing_support::CountLinesWith(d.after, kName),
                  1)
            << form.name;
    }
}

TEST(BattleDialogue, TheEndingNamesTheAdventurerAndEndsQuietly) {
    const BattleDialogue d = BattleDialogueFor("天界からの使者", kName);
    EXPECT_GE(testing_support::CountLinesWith(d.before, kName), 1);
    EXPECT_GE(testing_support::CountLinesWith(d.after, kName), 3);
    ASSERT_FALSE(d.after.empty());
    // The last line is told, not spoken.
    EXPECT_EQ(d.after.back().find("「"), std::string::npos);
    // The same text without a name has no trace of the mark.
    const BattleDialogue unnamed = BattleDialogueFor("天界からの使者", "");
    EXPECT_EQ(testing_support::CountLinesWith(unnamed.after, kName), 0);
    EXPECT_EQ(unnamed.after.size(), d.after.size());
}

TEST(BattleDialogue, NamesArePutInAsTheyAre) {
    const BattleDialogue d = BattleDialogueFor("ヤマオ再び", "{name}");
    ASSERT_GE(d.before.size(), 2u);
    EXPECT_EQ(d.before[1], "ヤマオ「おう、{name}。また来やがったな」");
}

TEST(BattleDialogue, TheInnkeeperHasFiveGreetings) {
    for (int r = 0; r <= 4; ++r) {
        const std::vector<std::string> lines = InnGreeting(r, kName);
        SCOPED_TRACE("greeting " + std::to_string(r));
        ASSERT_GE(lines.size(), 1u);
        EXPECT_LE(lines.size(), 2u);
        testing_support::ExpectShowableLogLines(lines, "greeting " + std::to_string(r));
        // The greeting opens the innkeeper's words; the line with the price closes them.
        EXPECT_EQ(lines[0].rfind("「", 0), 0u);
        for (size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].rfind("　", 0), 0u);
        for (const std::string& line : lines) EXPECT_EQ(line.find("」"), std::string::npos);
    }
    for (int r : {-1, 5, 6, 100}) EXPECT_TRUE(InnGreeting(r, kName).empty()) << r;
}

TEST(BattleDialogue, TheInnkeeperTellsWhatTheStayGives) {
    std::string all;
    for (int r = 0; r <= 4; ++r) {
        for (const std::string& line : InnGreeting(r, kName)) all += line;
    }
    // A stay saves the game; the price follows the loads and rises with the level.
    EXPECT_TRUE(all.find("記録") != std::string::npos || all.find("セーブ") != std::string::npos);
    EXPECT_NE(all.find("ロード"), std::string::npos);
    EXPECT_NE(all.find("レベル"), std::string::npos);
    EXPECT_NE(all.find(kName), std::string::npos);
}

}  // namespace
}  // namespace quill
