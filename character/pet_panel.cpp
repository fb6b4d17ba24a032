#include "character/pet_panel.h"

#include <array>
#include <string>

namespace quill {

void RefreshPetPanelTexts(Game& g) {
    const Combatant& p = g.combatants[2];
    Form& f = g.form;
    using std::to_string;
    static constexpr std::array<const char*, 5> kElements = {"無", "光", "闇", "火", "水"};

    std::string text = p.name + " Lv" + to_string(p.level) + " (exp " + to_string(p.exp) + "/" +
                       to_string(p.level * 10 + 100) + ")\n\n";
    text += "HP " + to_string(p.hp) + " / " + to_string(p.max_hp) + "\n";
    text += "MP " + to_string(p.mp) + " / " + to_string(p.max_mp) + "\n";
    text += "強さ " + to_string(p.attack) + "\n";
    text += "賢さ " + to_string(p.intellect) + "\n";
    text += "丈夫 " + to_string(p.defence) + "\n";
    text += "器用 " + to_string(p.hit) + "\n";
    text += "速さ " + to_string(p.evasion) + "\n\n";
    for (int i = 0; i < 5; ++i)
        text += std::string(kElements[i]) + " " + to_string(p.moods[i]) + "\n";
    text += "\n";
    if (p.pet_type() >= 0 && p.pet_type() < 5) {
        text += std::string("<") + kElements[p.pet_type()] + ">の傾向";
    }
    f.pet_l.caption = text;

    if (p.attack >= 20) f.l_btn63.caption = "強さ MAX";
    if (p.intellect >= 20) f.l_btn65.caption = "賢さ MAX";
    if (p.max_mp >= 20) f.l_btn62.caption = "MAX MP MAX";
    if (p.evasion >= 10) f.l_btn61.caption = "素早さ MAX";
    if (p.hit >= 10) f.l_btn67.caption = "器用さ MAX";
    if (p.defence >= 10) f.l_btn66.caption = "丈夫さ MAX";

    f.pet_bp_l.caption = "BP: " + to_string(g.state.bonus_points) +
                         "ポイント / 所持金: " + to_string(g.state.money) + "円";
}

}  // namespace quill
