#include "state/command_table.h"

namespace quill {

void fill_command_table(CommandTable& commands, const SkillTable& skills) {
    for (int i = 0; i <= 500; ++i) {
        commands[i].text = skills[i].name;
        commands[i].width = 165;
        commands[i].height = 26;
        commands[i].group = 1;
    }
    struct Fixed {
        const char* text;
        int32_t group;
    };
    static constexpr Fixed kFixed[] = {
        {"進む", 2},
        {"休憩", 2},
        {"帰る", 2},
        {"宝箱:こじ開ける", 3},
        {"宝箱:知恵を使う", 3},
        {"宝箱:諦める", 3},
        {"治療:体操する", 4},
        {"治療:精神統一", 4},
        {"治療:休む", 4},
    };
    int i = kCommandAdvance;
    for (const Fixed& f : kFixed) {
        commands[i].text = f.text;
        commands[i].width = 200;
        commands[i].height = 30;
        commands[i].group = f.group;
        ++i;
    }
}

}  // namespace quill
