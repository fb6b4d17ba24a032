#include "state/name_tables.h"

#include <array>

namespace quill {

std::string race_sex_name(int32_t race_sex) {
    static constexpr std::array<const char*, 10> kNames = {
        "人間♂", "人間♀", "ＫＲＶＯ♂", "ＫＲＶＯ♀", "魔族♂",
        "魔族♀", "獣人♂", "獣人♀",     "仮面♂",     "仮面♀"};
    return race_sex >= 0 && race_sex < 10 ? kNames[race_sex] : "";
}

std::string char_type_name(int32_t char_type) {
    static constexpr std::array<const char*, 6> kNames = {"お金持ち", "冒険者", "臆病者",
                                                          "反社会者", "賢者",   "狂人"};
    return char_type >= 0 && char_type < 6 ? kNames[char_type] : "";
}

std::string score_rank_word(int32_t score) {
    static constexpr std::array<const char*, 10> kWords = {"激", "乱", "超", "極", "幻",
                                                           "神", "天", "魔", "聖", "無"};
    if (score < 50000 || score >= 10000000) return "";
    if (score >= 550000) return "<離別>";
    return std::string("<") + kWords[score / 50000 - 1] + ">";
}

std::string title_text(const GameState& s) {
    const auto& f = s.story_flags;
    std::string t;
    struct Mark {
        int flag;
        const char* text;
    };
    static constexpr Mark kCleared[] = {{13, "ｸﾘｱ"}, {16, "陸"}, {14, "海"}, {15, "空"},
                                        {17, "緑"},  {18, "山"}, {19, "光"}};
    for (const Mark& m : kCleared) {
        if (f[m.flag] == 1) t += m.text;
    }
    if (f[12] == 2) t = "裏STAGE";
    if (f[13] == 2) t = "裏ｸﾘｱ";
    static constexpr Mark kSecond[] = {{16, "陸"}, {14, "海"}, {15, "空"}};
    for (const Mark& m : kSecond) {
        if (f[m.flag] == 2) t += m.text;
    }
    if (!t.empty()) t = "【" + t + "】";
    return t;
}

}  // namespace quill
