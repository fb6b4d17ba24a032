#include <gtest/gtest.h>

#include <sstream>

#include "state/command_table.h"
#include "state/name_tables.h"
#include "state/skill_table.h"

namespace quill {
namespace {

// Every technique as the game describes it: id|name|TP|MP|magic|elements|score|description|note
// (elements as 無,水,火,光,闇 letters; "-" for none).
const char* const kTechniques[] = {
    R"(0|踏みつぶす|0|0|0|-|0|攻撃 LVが上がると威力上昇|)",
    R"(1|山ぼうぎょ|30|0|0|-|50|次に受ける一部の攻撃を半減させる|LV 5,10で効果時間上昇)",
    R"(2|虫ヒール|0|2|0|-|50|回復魔法|LVが上がると効果上昇)",
    R"(3|山落とし|50|0|0|-|100|物理攻撃|LVが上がると威力上昇)",
    R"(4|アフィニティ|30|0|0|無|200|攻撃値 1～15|LVが上がると威力上昇)",
    R"(5|ｲﾚｲｻｰｽｸﾘｰﾑ|20|0|0|-|500|自分のHPを半減させ、その分だけダメージを与える|LVが上がると威力上昇)",
    R"(6|粘液|0|1|0|-|500|相手を毒化させる <水属性>|LVが上がると効果時間上昇)",
    R"(7|パワー|0|3|0|-|50|次の攻撃ダメージを上昇させる|LV 5,10で効果時間上昇)",
    R"(8|でこぴん|70|0|0|-|100|相手の最大HPの1/10絶対ダメージ|)",
    R"(9|ほのお|0|1|1|火|200|魔法攻撃 <炎属性>|LVが上がると威力上昇)",
    R"(10|詠唱|60|0|0|-|100|呪文を唱える MP回復|LVが上がると効果上昇)",
    R"(11|龍言語魔法|80|0|1|-|50|ダメージ分のダメージを与える|<魔法属性> LVが上がれば威力上昇)",
    R"(12|体当たり|40|0|0|-|100|相手を気絶させる|LVが上がれば威力上昇)",
    R"(13|弓矢狼|25|0|0|無|300|弓矢攻撃 命中率は低いが、当たれば 2倍ダメージ|LVが上がれば威力上昇)",
    R"(14|月光|0|2|1|光|200|MPを削る魔法攻撃 <光属性>|LVが上がれば威力上)",
    R"(15|吸血|0|3|0|闇|50|HPを吸収する <闇属性>|LVが上がれば威力上)",
    R"(16|暗黒剣|30|1|0|闇|200|攻撃値 +自分のMAXHP10% HP-10% <闇属性>|LVが上がれば威力上昇)",
    R"(17|二刀|25|0|0|-|50|攻撃x2|LVが上がれば威力上昇)",
    R"(18|手裏剣|0|0|0|-|1000|装備中の武器を相手に投げつける 装備中の武器を失う|LVが上がれば威力上昇)",
    R"(19|Ｍ法|100|20|1|-|100|相手のHPを半減させる <光>属性無効|魔法攻撃 LV上昇に変化なし)",
    R"(20|真言|0|5|0|-|50|相手を麻痺状態にさせる|LVが上がると効果時間上昇)",
    R"(21|トロッコ銃|15|0|0|無|100|命中率が高い攻撃|LVが上がると命中率上昇)",
    R"(22|逃げる|0|0|0|-|0|戦闘離脱。ボスから逃げられない|LV上昇に変化なし)",
    R"(23|降りしきる雨|30|0|0|-|200|相手の【攻撃力】を弱体させる <水属性>|LVが上がると効果時間上昇)",
    R"(24|閃光|30|0|0|光|100|相手の【命中率】を低下させる <光属性>|LVが上がると効果時間上昇)",
    R"(25|ライトベール|0|3|0|-|200|<癒>状態になる <光属性>攻撃に対する防御UP|LVが上がると効果時間上昇)",
    R"(26|いかづち|0|3|1|無|200|魔法攻撃 時々<麻痺>させる|LVが上がると威力上昇)",
    R"(27|魔のとりこ|100|10|0|闇|500|相手のMPx2分のダメージを与える <闇属性>|LVが上がると発動後MP回復)",
    R"(28|マジカル|0|10|0|-|200|相手のMP値に比例して回復する|LV上昇に変化なし)",
    R"(29|ウイルス|40|0|0|闇|100|相手の【防御力】を弱体させる <闇属性>|LVが上がると効果時間上昇)",
    R"(30|足枷|20|0|0|-|100|相手の【回避率】を低下させる|LVが上がると効果時間上昇)",
    R"(31|ライトソード|0|4|0|-|100|<追加>状態になる|LVが上がると効果時間上昇)",
    R"(32|哀古解放|0|20|0|-|300|TPに比例したダメージを与える TP=0|LVが上がると威力上昇)",
    R"(33|ビンタ|60|0|0|-|200|伝説の技。それは愚かな男の物語....ランダム回数攻撃|LVが上がると回数上昇)",
    R"(34|魔法剣|40|5|1|光|100|現MPに比例して攻撃Dmg上昇 <光、魔法属性>|LVが上がると威力上昇)",
    R"(35|ﾎﾟｲｽﾞﾝﾊﾞﾀﾌﾗｲ|0|5|0|水|300|相手を<猛毒>化させる <水属性>|LVが上がると効果時間上昇)",
    R"(36|ダークネス|0|2|0|闇|200|魔法攻撃 時々<命中率>を下げさせる <闇属性>|LVが上がると威力上昇)",
    R"(37|しゃくねつ|0|4|1|火|200|魔法攻撃 <炎属性>|LVが上がると威力上昇)",
    R"(38|ファイヤーウォール|0|4|0|-|50|<炎壁>化する（被攻撃時に被Dmg の半分を与える）|<炎属性>攻撃に対する防御UP LVが上がると効果時間上昇)",
    R"(39|ヴォマクトアタック|30|0|0|光|100|トドメをさせば、入手金x2 <光属性>|LVが上がると威力上昇)",
    R"(40|魔力解放|15|0|1|-|500|MP分のダメージを相手に与える 発動後 MP=0|魔法攻撃 LVが上がると威力上昇)",
    R"(41|劉言語魔法|25|0|1|-|200|HP分のダメージを与える 発動後 HP=1|魔法攻撃 LVUPで発動後のHP値が上昇)",
    R"(42|ダークベール|50|0|0|-|400|<魔>状態になる(毎ターンMP+1) <闇属性>攻撃に対する防御UP|LVが上がると効果時間上昇)",
    R"(43|ウォータベール|0|5|0|-|400|<水>状態になる(毎ターンTP+5) <水属性>攻撃に対する防御UP|LVが上がると効果時間上昇)",
    R"(44|時代の風|0|20|1|-|400|魔法攻撃|LVが上がると威力上昇)",
    R"(45|SAYONARAの風|0|40|1|-|800|魔法攻撃|LVが上がると威力上昇)",
    R"(46|魔紋の力|25|0|0|-|50|<魔紋>状態になる(魔法攻撃力UP 魔法攻撃に対する防御UP)|LVが上がると効果時間上昇)",
    R"(47|ヴァイスクロイツ|25|0|0|無|100|<無属性>に対して大ダメージ 相手のTPを削る|<無属性>以外無効  LVが上がると威力上昇)",
    R"(48|ウォータレーザー|15|6|1|水|100|防御無視攻撃 <水、魔法属性>|LVが上がると威力上昇)",
    R"(49|占星術|0|6|1|光|200|伝説の技。それは星となって昇った戦士達の物語..|ﾗﾝﾀﾞﾑ回数攻撃 <光、魔法属性> LVUPで回数上昇)",
    R"(50|ミサイル|45|0|0|無|50|LV分ダメージ <無属性>には弱い|LVが上がると発動後HP回復)",
    R"(51|離島一本流|40|5|0|光|50|<光属性>|LVが上がると威力上昇)",
    R"(52|ＭＲＬ|0|7|1|-|50|？？？？|LV上昇に変化なし)",
    R"(53|何もせず|0|0|0|-|1000|何もしない|LV上昇に変化なし)",
    R"(54|聖剣|0|2|0|光|30|攻撃時HP回復 <光属性>|LVが上がると威力上昇)",
    R"(55|フォース|0|6|0|-|30|物理攻撃の威力を+10する|LVが上がると効果時間UP)",
    R"(56|吸心|40|0|0|闇|30|MPを吸収する|LVが上がると威力上昇)",
    R"(57|投げる|30|0|0|火|130|威力に自分の防御力を加算する <火属性>|LVが上がると威力上昇)",
    R"(58|スネイク|33|0|0|水|300|攻撃するほど威力が上がる <水属性>|LVが上がると威力上昇)",
    R"(59|ステファニア|0|20|0|-|200|<約束>化する(1度だけ復活できる)|LVが上がると効果時間上昇)",
    R"(60|鎌居達|50|0|0|無|200|威力に<回避>値が加算される <無属性>|LVが上がると威力上昇)",
    R"(61|トランス|0|5|0|-|200|TPが回復する|LVが上がると威力上昇)",
    R"(62|ナイトインナイツ|0|7|0|闇|200|攻撃回数が弱体状態1つに付き+1| <闇属性> LVが上がると威力上昇)",
    R"(63|魔セル|0|6|0|-|30|次の魔法攻撃を1回だけ吸収する|LVが上がると効果時間UP)",
    R"(64|セブンガード|0|7|0|-|50|ガード発生率を上げる|LVが上がると効果時間UP)",
    R"(65|プチバキューム|0|2|0|-|50|TPを僅かに吸収する|LVが上がると威力UP)",
    R"(66|えっちな妄想|0|0|0|-|50|ただ妄想をします|LVが上がると、妄想が豊かになるかもしれませんね)",
    R"(67|ＦＭＡＫ-47|30|0|0|無|200|ﾎﾞﾛﾈｼｺﾌが開発した銃技 <無属性>|稀に相手の回避率を下げる LVUPで威力上昇)",
    R"(68|熱波|0|1|0|-|200|HP-10% TP回復|LVが上がると回復率上昇)",
    R"(69|石を投げる|5|0|0|無|200|たまに当たる <無属性>|LVが上がると威力上昇)",
    R"(70|口笛を吹く|5|0|0|-|500|うまく吹けるといいね|LVが上がると、いい音色になるかもしれませんね)",
    R"(71|ボケッとする|0|0|0|-|1000|何もしない|LV上昇に変化なし)",
    R"(200|バキューム|0|5|0|-|0|敵のTPをHPとして全て吸収する|)",
    R"(201|奥ヒール|0|2|0|-|0|回復魔法|)",
    R"(202|大地震|0|0|0|-|0|4回攻撃|)",
    R"(203|ビッグバンインフレーション|0|100|0|-|0|80Dmg|)",
    R"(204|恐ろしい悪臭|0|10|0|-|0|永久に毒ダメージを負わせ続ける|)",
    R"(225|MAYDAY砲|0|0|0|-|0|10%吸収|)",
    R"(226|奥ヒール・改|0|2|0|-|0|回復魔法|)",
    R"(227|真・山落とし|50|0|0|-|100|物理攻撃|LVが上がると威力上昇)",
    R"(229|ディグニティ|0|0|0|-|100|？？？？|LVが上がると威力上昇)",
    R"(230|雲丸・山落とし|0|0|0|-|100|？？？？|LVが上がると威力上昇)",
    R"(231|大泥棒・ミルネ|0|0|0|-|100|？？？？|LVが上がると威力上昇)",
};

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(s);
    while (std::getline(in, part, sep)) parts.push_back(part);
    if (!s.empty() && s.back() == sep) parts.emplace_back();
    return parts;
}

std::string elements_of(const SkillRecord& r) {
    std::string e;
    auto add = [&e](int flag, const char* name) {
        if (!flag) return;
        if (!e.empty()) e += ",";
        e += name;
    };
    add(r.element_none, "無");
    add(r.element_water, "水");
    add(r.element_fire, "火");
    add(r.element_light, "光");
    add(r.element_dark, "闇");
    return e.empty() ? "-" : e;
}

TEST(SkillTable, EveryTechniqueRowIsAsTheGameDescribesIt) {
    SkillTable table;
    fill_skill_table(table);
    std::vector<bool> listed(kSkillTableSize, false);
    for (const char* row : kTechniques) {
        const auto f = split(row, '|');
        ASSERT_EQ(f.size(), 9u) << row;
        const int id = std::stoi(f[0]);
        listed[id] = true;
        const SkillRecord& r = table[id];
        EXPECT_EQ(r.name, f[1]) << id;
        EXPECT_EQ(r.tp_cost, std::stoi(f[2])) << id;
        EXPECT_EQ(r.mp_cost, std::stoi(f[3])) << id;
        EXPECT_EQ(r.is_magic, std::stoi(f[4])) << id;
        EXPECT_EQ(elements_of(r), f[5]) << id;
        EXPECT_EQ(r.score_value, std::stoi(f[6])) << id;
        EXPECT_EQ(r.description, f[7]) << id;
        EXPECT_EQ(r.level_note, f[8]) << id;
    }
    int named = 0;
    for (int id = 0; id < kSkillTableSize; ++id) {
        if (!listed[id]) {
            EXPECT_TRUE(table[id].name.empty()) << id;
        }
        named += !table[id].name.empty();
    }
    EXPECT_EQ(named, 83);
    // Filling again gives the same table.
    table[5].name = "changed";
    fill_skill_table(table);
    EXPECT_EQ(table[5].name, "ｲﾚｲｻｰｽｸﾘｰﾑ");
}

TEST(CommandTable, TechniquesFirstThenTheFieldCommands) {
    SkillTable skills;
    fill_skill_table(skills);
    CommandTable commands;
    fill_command_table(commands, skills);
    EXPECT_EQ(commands[22].text, "逃げる");
    EXPECT_EQ(commands[22].width, 165);
    EXPECT_EQ(commands[22].height, 26);
    EXPECT_EQ(commands[22].group, 1);
    EXPECT_EQ(commands[100].text, "");
    EXPECT_EQ(commands[227].text, "真・山落とし");
    EXPECT_EQ(commands[501].text, "進む");
    EXPECT_EQ(commands[503].text, "帰る");
    EXPECT_EQ(commands[505].text, "宝箱:知恵を使う");
    EXPECT_EQ(commands[505].group, 3);
    EXPECT_EQ(commands[509].text, "治療:休む");
    EXPECT_EQ(commands[509].group, 4);
    EXPECT_EQ(commands[509].width, 200);
    EXPECT_EQ(commands[510].text, "");
    EXPECT_EQ(commands[510].group, 0);
}

TEST(CommandTable, EveryCardWhole) {
    SkillTable skills;
    fill_skill_table(skills);
    CommandTable commands;
    fill_command_table(commands, skills);
    // The technique cards repeat the technique names.
    for (int id = 0; id <= 500; ++id) {
        const CommandEntry& c = commands[id];
        EXPECT_EQ(c.text, skills[id].name) << id;
        EXPECT_EQ(c.width, 165) << id;
        EXPECT_EQ(c.height, 26) << id;
        EXPECT_EQ(c.group, 1) << id;
    }
    struct Card {
        const char* text;
        int32_t group;
    };
    const Card fixed[] = {{"進む", 2},
                          {"休憩", 2},
                          {"帰る", 2},
                          {"宝箱:こじ開ける", 3},
                          {"宝箱:知恵を使う", 3},
                          {"宝箱:諦める", 3},
                          {"治療:体操する", 4},
                          {"治療:精神統一", 4},
                          {"治療:休む", 4}};
    for (int i = 0; i < 9; ++i) {
        const CommandEntry& c = commands[501 + i];
        EXPECT_EQ(c.text, fixed[i].text) << 501 + i;
        EXPECT_EQ(c.group, fixed[i].group) << 501 + i;
        EXPECT_EQ(c.width, 200) << 501 + i;
        EXPECT_EQ(c.height, 30) << 501 + i;
    }
    for (int id = 510; id < 1000; ++id) {
        const CommandEntry& c = commands[id];
        EXPECT_TRUE(c.text.empty() && c.width == 0 && c.height == 0 && c.group == 0) << id;
    }
}

TEST(NameTables, EveryNameWhole) {
    const char* races[] = {"人間♂", "人間♀", "ＫＲＶＯ♂", "ＫＲＶＯ♀", "魔族♂",
                           "魔族♀", "獣人♂", "獣人♀",     "仮面♂",     "仮面♀"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(race_sex_name(i), races[i]) << i;
    const char* types[] = {"お金持ち", "冒険者", "臆病者", "反社会者", "賢者", "狂人"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(char_type_name(i), types[i]) << i;
    const char* words[] = {"激", "乱", "超", "極", "幻", "神", "天", "魔", "聖", "無"};
    for (int i = 0; i < 10; ++i) {
        const std::string want = std::string("<") + words[i] + ">";
        EXPECT_EQ(score_rank_word(50000 * (i + 1)), want) << i;
        EXPECT_EQ(score_rank_word(50000 * (i + 2) - 1), want) << i;
    }
}

TEST(NameTables, RaceTypeAndRank) {
    EXPECT_EQ(race_sex_name(0), "人間♂");
    EXPECT_EQ(race_sex_name(3), "ＫＲＶＯ♀");
    EXPECT_EQ(race_sex_name(9), "仮面♀");
    EXPECT_EQ(race_sex_name(10), "");
    EXPECT_EQ(race_sex_name(-1), "");
    EXPECT_EQ(char_type_name(3), "反社会者");
    EXPECT_EQ(char_type_name(6), "");
    struct Case {
        int32_t score;
        const char* word;
    };
    const Case cases[] = {
        {49999, ""},         {50000, "<激>"},  {99999, "<激>"},  {100000, "<乱>"},
        {449999, "<魔>"},    {500000, "<無>"}, {549999, "<無>"}, {550000, "<離別>"},
        {9999999, "<離別>"}, {10000000, ""},   {-5, ""}};
    for (const Case& c : cases) EXPECT_EQ(score_rank_word(c.score), c.word) << c.score;
}

TEST(NameTables, TitleFromTheStory) {
    struct Case {
        std::vector<std::pair<int, int>> flags;
        const char* title;
    };
    const Case cases[] = {
        {{}, ""},
        {{{13, 1}, {14, 1}}, "【ｸﾘｱ海】"},
        {{{12, 2}, {13, 1}, {16, 2}}, "【裏STAGE陸】"},
        {{{13, 2}, {16, 1}}, "【裏ｸﾘｱ】"},
        {{{16, 1}, {15, 1}, {17, 1}, {18, 1}, {19, 1}}, "【陸空緑山光】"},
        {{{14, 2}, {15, 2}}, "【海空】"},
    };
    for (const Case& c : cases) {
        GameState s;
        for (auto [flag, value] : c.flags) s.story_flags[flag] = value;
        EXPECT_EQ(title_text(s), c.title);
    }
}

}  // namespace
}  // namespace quill
