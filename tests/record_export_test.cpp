// 記録.txt: the adventurer's record beside the program, rewritten at every save.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_io.h"
#include "platform/text_codec.h"
#include "state/record_export.h"
#include "state/save_files.h"
#include "test_support.h"

namespace quill {
namespace {

struct RecordFixture : testing_support::LandedGame {
    RecordFixture() : LandedGame(8) {}
    std::filesystem::path path() const { return game.folders.program() / "記録.txt"; }
    // The file as UTF-8 lines; each must have ended with CR LF.
    std::vector<std::string> lines() const {
        const std::string bytes = platform::read_file(path()).value_or("");
        const std::string text = platform::from_cp932(bytes).value_or("");
        std::vector<std::string> out;
        size_t start = 0;
        for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
            out.push_back(text.substr(start, end - start));
        }
        EXPECT_EQ(start, text.size()) << "a line without CR LF";
        return out;
    }
};

TEST(RecordExport, ANewAdventurersRecordHasFourteenLinesAndATitleMakesFifteen) {
    RecordFixture f;
    Game& g = f.game;
    g.state.char_type = 0;
    g.state.race_sex = 0;
    g.state.score = 0;
    g.state.load_count = 3;
    g.state.battle_count = 12;
    g.state.escape_count = 1;
    g.state.max_distance_m = 41;
    save_game(g);
    std::vector<std::string> lines = f.lines();
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], "～クイルモア～ ");
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "名前: ルカ Lv: " + std::to_string(g.adventurer().level));
    EXPECT_EQ(lines[3], "(タイプ: お金持ち / 種族: 人間♂)");
    EXPECT_EQ(lines[10], "ロード回数: 3 / 戦闘回数: 12 / 逃亡回数: 1 / 最高距離: 41m地点");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], "得点: 0 点 ");  // the rank word is empty below 50000

    g.state.story_flags[13] = 1;
    save_game(g);
    lines = f.lines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[14], "称号: 【ｸﾘｱ】");
}

TEST(RecordExport, TotalsAddWhatIsWornAndCountsSkipCombinations) {
    RecordFixture f;
    Game& g = f.game;
    Combatant& a = g.adventurer();
    a.attack = 2;
    a.hit = 10;
    a.weapon = 50;   // 干乾びた弓: critical 5
    a.helmet = 150;  // 冒険素人の兜: critical 3
    a.right_ring = 250;
    a.shield = 200;
    const int32_t critical = g.items[150].critical + g.items[50].critical;
    ASSERT_GT(g.items[150].critical, 0);
    ASSERT_GT(g.items[50].critical, 0);
    g.state.item_count = {};
    for (int32_t id : {50, 150, 250, 200}) g.state.item_count[id] = 1;
    g.state.item_count[400] = 2;  // a rare item, if the catalogue names one there
    g.state.skill_level = {};
    g.state.skill_level[0] = 1;
    g.state.skill_level[22] = 4;
    g.state.skill_level[100] = 1;  // a combination: never counted
    save_game(g);
    const std::vector<std::string> lines = f.lines();
    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(lines[4], "攻: " + std::to_string(2 + g.items[50].attack));
    EXPECT_EQ(
        lines[6],
        "命: " + std::to_string(10 + g.items[50].hit_evasion + g.items[250].accessory_hit) + "%");
    EXPECT_EQ(lines[8], "ｸﾘ: " + std::to_string(critical) + "%");
    EXPECT_EQ(lines[9], "ガ: " + std::to_string(g.items[200].guard) + "%");
    EXPECT_EQ(g.record_counts.equipment_kinds, 4);
    EXPECT_EQ(g.record_counts.learned_technique_kinds, 2);
    EXPECT_NE(lines[11].find("所持装備品数: 4種 / "), std::string::npos) << lines[11];
    EXPECT_NE(lines[11].find(" / 修得技数: 2種"), std::string::npos) << lines[11];
}

TEST(RecordExport, ARecordThatCannotBeWrittenIsToldOnceAndTheSaveStays) {
    RecordFixture f;
    Game& g = f.game;
    std::filesystem::remove(f.path());
    std::filesystem::create_directories(f.path());  // a folder where the file should go
    g.state.money = 4321;
    save_game(g);
    save_game(g);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].rfind("記録.txt を書き込めませんでした。", 0), 0u);
    const std::string saved = platform::read_file(g.folders.dat_file("my.dat")).value();
    EXPECT_NE(saved.find("\r\n4321\r\n"), std::string::npos);
}

}  // namespace
}  // namespace quill
