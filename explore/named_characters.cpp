#include "explore/named_characters.h"
#include "state/scene_kinds.h"
#include "state/sequence_steps.h"

#include <string_view>
#include <utility>

#include "battle/battle_start.h"
#include "battle/sequencer.h"
#include "explore/background.h"
#include "explore/battle_dialogue.h"
#include "explore/encounters.h"
#include "explore/island.h"
#include "platform/random.h"

namespace quill {
namespace {

using platform::random;

// clang-format off
// name, gold, element, HP, MP, attack, defence, hit, evasion, critical, guard,
// techniques, MP regeneration, element guard, light weakness, magic affinity, 100 TP
constexpr NamedForm kForms[] = {
    {"山男", 50, 3, 55, 10, 1, 2, 0, 5, 1, 25, {0, 1, 3, 1, 3}, 0, 0, 0, 0, false},
    {"ヤマオ再び", 300, 3, 300, 35, 9, 9, 40, 50, 60, 70, {0, 1, 3, 12, 7}, 1, 0, 0, 0, false},
    {"ヤマオ・MAYDAY MODE", 300, 3, 2900, 350, 22, 21, 80, 50, 80, 70, {37, 1, 227, 12, 51}, 1, 1, 0, 0, true},
    {"奥博士", 50, 0, 35, 5, 0, 0, 0, 10, 0, 0, {0, 2, 6, 0, 0}, 0, 0, 0, 0, false},
    {"奥博士再び", 300, 0, 200, 30, 8, 8, 30, 40, 10, 20, {0, 201, 35, 49, 29}, 1, 0, 0, 0, false},
    {"奥博士・MAYDAY MODE", 300, 1, 2700, 300, 18, 18, 100, 50, 20, 30, {225, 226, 35, 49, 29}, 2, 1, 0, 0, true},
    {"サニー・レイニー", 100, 4, 80, 15, 2, 2, 10, 30, 10, 5, {0, 9, 23, 10, 9}, 0, 0, 0, 0, false},
    {"サニー・レイニーアゲイン", 350, 4, 400, 30, 10, 10, 45, 60, 10, 5, {0, 37, 23, 38, 9}, 1, 0, 0, 0, false},
    {"サニー・レイニー・MAYDAY MODE", 350, 4, 3500, 300, 18, 18, 55, 70, 20, 15, {23, 37, 68, 58, 9}, 1, 1, 0, 0, true},
    {"光", 150, 1, 110, 15, 4, 4, 15, 25, 5, 5, {0, 14, 2, 24, 25}, 0, 0, 0, 0, false},
    {"繰り返す光", 500, 2, 650, 30, 12, 12, 70, 70, 10, 10, {15, 24, 25, 14, 36}, 2, 0, 1, 0, false},
    {"光・MAYDAY MODE", 500, 2, 3300, 300, 17, 17, 75, 75, 15, 15, {15, 24, 25, 14, 36}, 2, 1, 2, 0, true},
    {"マジカル", 120, 4, 105, 25, 3, 3, 30, 25, 10, 1, {0, 9, 26, 27, 10}, 0, 0, 0, 0, false},
    {"マジカルアゲイン", 400, 4, 540, 55, 11, 11, 75, 70, 10, 1, {44, 37, 40, 27, 10}, 1, 0, 0, 1, false},
    {"マジカル・MAYDAY MODE", 400, 4, 3100, 100, 13, 19, 75, 70, 10, 1, {44, 45, 40, 27, 10}, 1, 1, 0, 1, true},
    {"緑", 200, 2, 160, 20, 5, 5, 60, 60, 5, 5, {0, 18, 17, 13, 30}, 0, 0, 0, 0, false},
    {"更に濃き緑", 600, 2, 800, 25, 13, 13, 85, 100, 10, 1, {18, 17, 33, 13, 26}, 2, 0, 0, 0, false},
    {"毒蛾博士", 200, 0, 200, 100, 5, 5, 30, 20, 5, 5, {0, 6, 20, 35, 29}, 0, 0, 0, 0, false},
    {"帰って来た毒蛾博士", 600, 0, 700, 225, 13, 13, 45, 30, 10, 10, {0, 6, 20, 35, 29}, 2, 0, 0, 0, false},
    {"ボウケンロボット", 250, 0, 180, 30, 6, 6, 35, 15, 25, 25, {0, 47, 200, 200, 21}, 1, 0, 0, 0, false},
    {"再起動ボウケンロボット", 600, 0, 700, 225, 11, 13, 65, 5, 20, 20, {48, 50, 200, 64, 67}, 2, 0, 0, 0, false},
    {"暗黒剣士ヨイヤミ", 300, 2, 180, 30, 7, 7, 40, 30, 10, 3, {0, 15, 16, 27, 36}, 1, 0, 1, 0, false},
    {"ファトマ", 250, 4, 165, 40, 6, 6, 20, 20, 10, 10, {0, 48, 34, 31, 33}, 1, 0, 0, 0, false},
    {"島", 500, 0, 1000, 100, 14, 14, 110, 90, 10, 5, {3, 51, 52, 45, 8}, 2, 0, 0, 0, false},
    {"島・MAYDAY MODE", 500, 0, 2500, 200, 20, 20, 120, 100, 20, 15, {3, 51, 52, 45, 225}, 2, 1, 0, 0, true},
    {"天界からの使者", 700, 1, 1500, 200, 15, 15, 50, 50, 10, 5, {14, 26, 49, 31, 24}, 2, 0, 0, 0, false},
    {"天界からの使者再び", 700, 1, 3700, 300, 25, 25, 60, 60, 20, 10, {14, 26, 49, 31, 24}, 2, 1, 0, 0, true},
    {"海神・魔獣・時数露不", 800, 2, 2000, 200, 16, 16, 50, 50, 10, 5, {203, 12, 14, 36, 9}, 2, 0, 0, 0, false},
    {"返ってきた海神・魔獣・時数露不", 3000, 2, 4000, 400, 26, 26, 60, 60, 20, 10, {203, 12, 14, 36, 9}, 2, 2, 0, 0, true},
    {"空神・雲丸ドン", 800, 3, 2000, 50, 17, 17, 60, 40, 20, 15, {1, 12, 3, 51, 200}, 2, 0, 0, 0, false},
    {"返ってきた空神・雲丸ドン", 3000, 3, 4000, 400, 27, 27, 70, 50, 30, 25, {1, 12, 230, 51, 200}, 2, 2, 0, 0, true},
    {"地天・ｌｕｋａ", 900, 2, 2000, 20, 15, 15, 70, 70, 5, 5, {21, 13, 0, 0, 48}, 2, 0, 0, 0, false},
    {"返ってきた地天・ｌｕｋａ", 3000, 0, 4000, 400, 25, 25, 80, 80, 10, 10, {67, 0, 0, 0, 0}, 2, 2, 0, 0, true},
    {"飛翔する緑", 1000, 2, 2000, 0, 15, 15, 70, 200, 5, 5, {18, 13, 7, 17, 47}, 0, 0, 0, 0, false},
    {"聳えるヤマオ", 700, 3, 2000, 5, 20, 20, 30, 30, 25, 25, {51, 1, 3, 12, 7}, 1, 0, 0, 0, false},
    {"今、光", 700, 1, 2000, 5, 15, 15, 230, 30, 5, 5, {15, 24, 25, 14, 36}, 2, 0, 0, 0, false},
    {"ファンタジスタ", 100, 1, 120, 185, 3, 3, 30, 30, 15, 15, {1, 65, 64, 15, 56}, 0, 0, 0, 0, false},
    {"執着するファンタジスタ", 600, 1, 400, 450, 13, 13, 85, 30, 10, 15, {1, 65, 64, 15, 56}, 2, 0, 0, 0, false},
};
// clang-format on

int32_t S(const Game& g, int i) {
    return g.state.story_flags[i];
}

// Meets the form: the map goes, the enemy comes with its lines before and after.
void meet(Game& g, int32_t battle, const char* form_name, const char* picture) {
    const NamedForm* form = FindNamedForm(form_name);
    if (!form) return;
    g.scene_kind = battle;
    LeaveMap(g);
    g.enemy() = Combatant{};
    FillNamedForm(g, *form);
    ShowBackground(g, picture);
    // The final forms meet the adventurer in a darker scene.
    if (std::string_view(form_name).find("MAYDAY MODE") != std::string_view::npos) {
        DarkenBackground(g);
    }
    const BattleDialogue lines = BattleDialogueFor(form_name, g.adventurer().name);
    g.story_lines = lines.before;
    g.post_battle_lines = lines.after;
    BeginBattle(g);
}

// The map takes clicks only while it is shown, no battle is drawn and the network is idle.
bool map_open(const Game& g) {
    return g.map_shown == 1 && g.in_battle == 0 && !g.net_busy;
}

// The first form whose condition holds, or none.
struct Choice {
    bool holds;
    const char* form;
};
const char* first_of(std::initializer_list<Choice> choices) {
    for (const Choice& c : choices) {
        if (c.holds) return c.form;
    }
    return nullptr;
}

void say(Game& g, const char* message) {
    g.dialogs->message(message);
}

}  // namespace

const NamedForm* FindNamedForm(const std::string& name) {
    for (const NamedForm& f : kForms) {
        if (name == f.name) return &f;
    }
    return nullptr;
}

void FillNamedForm(Game& g, const NamedForm& f) {
    Combatant& e = g.enemy();
    e.name = f.name;
    e.present = 1;
    e.exp = random(5) + 5;
    e.gold_reward = random(5) + f.gold;
    e.element = f.element;
    e.max_hp = e.hp = f.max_hp;
    e.max_mp = e.mp = f.max_mp;
    e.tp = f.full_tp ? 100 : random(100);
    e.attack = f.attack;
    e.defence = f.defence;
    e.hit = f.hit;
    e.evasion = f.evasion;
    e.critical_rate = f.critical;
    e.guard_rate = f.guard;
    for (int i = 0; i < 5; ++i) e.technique_slots[i] = f.techniques[i];
    e.mp_regen_kind = f.mp_regen_kind;
    e.element_guard = f.element_guard;
    e.light_weakness = f.light_weakness;
    e.magic_affinity = f.magic_affinity;
}

namespace {

void meet_if(Game& g, int32_t battle, const char* picture, const char* form) {
    if (!map_open(g)) return;
    if (form) meet(g, battle, form, picture);
}

// The form each character's place holds now, or none: the click meets it, and the map
// shows the place as one to click.
const char* image2_form(const Game& g) {
    return first_of({{S(g, 12) == 2 && S(g, 3) == 2, "奥博士・MAYDAY MODE"},
                     {S(g, 9) >= 1 && S(g, 10) >= 1 && S(g, 3) == 1, "奥博士再び"},
                     {S(g, 3) == 0, "奥博士"}});
}

const char* map4_form(const Game& g) {
    return first_of({{S(g, 5) == 3 && S(g, 4) == 2, "サニー・レイニー・MAYDAY MODE"},
                     {S(g, 2) >= 2 && S(g, 4) == 1, "サニー・レイニーアゲイン"},
                     {S(g, 2) >= 1 && S(g, 4) == 0, "サニー・レイニー"}});
}

const char* map5_form(const Game& g) {
    return first_of({{S(g, 6) == 3 && S(g, 5) == 2, "光・MAYDAY MODE"},
                     {S(g, 6) >= 2 && S(g, 5) == 1, "繰り返す光"},
                     {S(g, 6) >= 1 && S(g, 5) == 0, "光"}});
}

const char* map6_form(const Game& g) {
    return first_of({{S(g, 2) == 3 && S(g, 6) == 2, "マジカル・MAYDAY MODE"},
                     {S(g, 4) >= 2 && S(g, 6) == 1, "マジカルアゲイン"},
                     {S(g, 4) >= 1 && S(g, 6) == 0, "マジカル"}});
}

const char* map7_form(const Game& g) {
    return first_of(
        {{S(g, 5) >= 2 && S(g, 7) == 1, "更に濃き緑"}, {S(g, 5) >= 1 && S(g, 7) == 0, "緑"}});
}

const char* map8_form(const Game& g) {
    return first_of({{S(g, 5) >= 2 && S(g, 8) == 1, "帰って来た毒蛾博士"},
                     {S(g, 5) >= 1 && S(g, 8) == 0, "毒蛾博士"}});
}

const char* map10_form(const Game& g) {
    return first_of({{S(g, 7) >= 1 && S(g, 8) >= 1 && S(g, 10) == 0, "暗黒剣士ヨイヤミ"}});
}

const char* image3_form(const Game& g) {
    const bool all_six = S(g, 14) == 1 && S(g, 15) == 1 && S(g, 16) == 1 && S(g, 17) == 1 &&
                         S(g, 18) == 1 && S(g, 19) == 1;
    return first_of({{all_six && S(g, 12) == 1, "島・MAYDAY MODE"},
                     {S(g, 7) >= 2 && g.combatants[0].level >= 40 && S(g, 12) == 0, "島"}});
}

const char* image4_form(const Game& g) {
    if (S(g, 12) < 1) return nullptr;
    return first_of(
        {{S(g, 4) == 3 && S(g, 13) == 1, "天界からの使者再び"}, {S(g, 13) == 0, "天界からの使者"}});
}

const char* map21_form(const Game& g) {
    return first_of({{S(g, 4) >= 2 && S(g, 21) == 1, "執着するファンタジスタ"},
                     {S(g, 4) >= 1 && S(g, 21) == 0, "ファンタジスタ"}});
}

// The mountain and the robot's workshop answer every click: a battle, or a word why not.
bool image1_answers(const Game& g) {
    return (S(g, 3) == 3 && S(g, 2) == 2) || (S(g, 3) >= 2 && S(g, 2) == 1) || S(g, 3) == 0 ||
           S(g, 2) == 0;
}

bool map9_answers(const Game& g) {
    return (S(g, 8) >= 2 && S(g, 9) == 1) || S(g, 7) == 0 || S(g, 8) == 0 || S(g, 9) == 0;
}

}  // namespace

void Image1MouseDown(Game& g) {
    if (!map_open(g)) return;
    if (S(g, 3) == 3 && S(g, 2) == 2) return meet(g, 2, "ヤマオ・MAYDAY MODE", "yama.bmp");
    if (S(g, 3) >= 2 && S(g, 2) == 1) return meet(g, 2, "ヤマオ再び", "yama.bmp");
    if (S(g, 3) == 0) return say(g, "山が険しくて入れません");
    if (S(g, 2) == 0) meet(g, 2, "山男", "yama.bmp");
}

void Image2MouseDown(Game& g) {
    meet_if(g, 3, "musi.bmp", image2_form(g));
}

void map4_bMouseDown(Game& g) {
    meet_if(g, 4, "sunny.bmp", map4_form(g));
}

void map5_bMouseDown(Game& g) {
    meet_if(g, 5, "hikaru.bmp", map5_form(g));
}

void map6_bMouseDown(Game& g) {
    meet_if(g, 6, "magical.bmp", map6_form(g));
}

void map7_bMouseDown(Game& g) {
    meet_if(g, 7, "midori.bmp", map7_form(g));
}

void map8_bMouseDown(Game& g) {
    meet_if(g, 8, "doku.bmp", map8_form(g));
}

void map9_bMouseDown(Game& g) {
    if (!map_open(g)) return;
    if (S(g, 8) >= 2 && S(g, 9) == 1) return meet(g, 9, "再起動ボウケンロボット", "robo.bmp");
    if (S(g, 7) == 0 || S(g, 8) == 0) return say(g, "誰もいませんでした....");
    if (S(g, 9) == 0) meet(g, 9, "ボウケンロボット", "robo.bmp");
}

void map10_bMouseDown(Game& g) {
    meet_if(g, 10, "yoiyami.bmp", map10_form(g));
}

void map_sMouseDown(Game& g) {
    if (!map_open(g)) return;
    if (g.combatants[0].level <= 24) return say(g, "誰もいませんでした....");
    if (S(g, 11) == 0) return meet(g, 11, "ファトマ", "ship2.bmp");
    // Fatma keeps her shop on the ship once she was beaten.
    g.scene_kind = scene::kFatmaShip;
    LeaveMap(g);
    ShowBackground(g, "ship2.bmp");
    g.sequence_step = step::kFatmaGreeting;
    RunStep(g);
}

void Image3MouseDown(Game& g) {
    meet_if(g, 12, "sima.bmp", image3_form(g));
}

void Image4MouseDown(Game& g) {
    meet_if(g, 13, "ten.bmp", image4_form(g));
}

namespace {

// The form waiting at one of the six places the ending opens, or none.
const char* ending_place_form(const Game& g, EndingPlace place) {
    switch (place) {
        case EndingPlace::Sea:
            return first_of({{S(g, 13) == 2 && S(g, 14) == 1, "返ってきた海神・魔獣・時数露不"},
                             {S(g, 13) >= 1 && S(g, 14) == 0, "海神・魔獣・時数露不"}});
        case EndingPlace::Sky:
            return first_of({{S(g, 13) == 2 && S(g, 15) == 1, "返ってきた空神・雲丸ドン"},
                             {S(g, 13) >= 1 && S(g, 15) == 0, "空神・雲丸ドン"}});
        case EndingPlace::Earth:
            return first_of({{S(g, 13) == 2 && S(g, 16) == 1, "返ってきた地天・ｌｕｋａ"},
                             {S(g, 13) >= 1 && S(g, 16) == 0, "地天・ｌｕｋａ"}});
        case EndingPlace::Green:
            return first_of({{S(g, 13) >= 1 && S(g, 17) == 0, "飛翔する緑"}});
        case EndingPlace::Mountain:
            return first_of({{S(g, 13) >= 1 && S(g, 18) == 0, "聳えるヤマオ"}});
        case EndingPlace::Light:
            return first_of({{S(g, 13) >= 1 && S(g, 19) == 0, "今、光"}});
    }
    return nullptr;
}

// Battles 14 to 19, one per place, each in its own scene.
void meet_at(Game& g, EndingPlace place) {
    static constexpr const char* kPictures[kEndingPlaces] = {
        "jis.bmp", "hajime.bmp", "luka.bmp", "midori.bmp", "yama.bmp", "hikaru.bmp"};
    if (!map_open(g)) return;
    const int index = static_cast<int>(place);
    if (const char* form = ending_place_form(g, place)) meet(g, 14 + index, form, kPictures[index]);
}

}  // namespace

bool EndingPlaceOpen(const Game& g, EndingPlace place) {
    return ending_place_form(g, place) != nullptr;
}

void Image5MouseDown(Game& g) {
    meet_at(g, EndingPlace::Sea);
}

void Image9MouseDown(Game& g) {
    meet_at(g, EndingPlace::Sky);
}

void Image10MouseDown(Game& g) {
    meet_at(g, EndingPlace::Earth);
}

void Image11MouseDown(Game& g) {
    meet_at(g, EndingPlace::Green);
}

void Image12MouseDown(Game& g) {
    meet_at(g, EndingPlace::Mountain);
}

void Image13MouseDown(Game& g) {
    meet_at(g, EndingPlace::Light);
}

void map_21bMouseDown(Game& g) {
    meet_if(g, 21, "fanta.bmp", map21_form(g));
}

namespace {

constexpr int kFreeSpotFlags[] = {10, 11, 12, 13, 7};

bool free_spot_open(const Game& g, int spot) {
    return spot >= 0 && spot <= 4 && g.state.event_flags[kFreeSpotFlags[spot]] != 0;
}

}  // namespace

bool CharacterPlaceActsNow(const Game& g, const platform::Widget& place) {
    const Form& f = g.form;
    for (int spot = 0; spot < 5; ++spot) {
        if (&place == &f.free_spots[spot]) return free_spot_open(g, spot);
    }
    if (!map_open(g)) return false;
    if (&place == &f.Image1) return image1_answers(g);
    if (&place == &f.map9_b) return map9_answers(g);
    if (&place == &f.map_s) return true;  // someone is aboard, or a word that nobody is
    const std::pair<const platform::Widget*, const char* (*)(const Game&)> chosen[] = {
        {&f.Image2, image2_form}, {&f.map4_b, map4_form},   {&f.map5_b, map5_form},
        {&f.map6_b, map6_form},   {&f.map7_b, map7_form},   {&f.map8_b, map8_form},
        {&f.map10_b, map10_form}, {&f.Image3, image3_form}, {&f.Image4, image4_form},
        {&f.map_21b, map21_form}};
    for (const auto& [widget, form] : chosen) {
        if (&place == widget) return form(g) != nullptr;
    }
    const std::pair<const platform::Widget*, EndingPlace> ending[] = {
        {&f.Image5, EndingPlace::Sea},       {&f.Image9, EndingPlace::Sky},
        {&f.Image10, EndingPlace::Earth},    {&f.Image11, EndingPlace::Green},
        {&f.Image12, EndingPlace::Mountain}, {&f.Image13, EndingPlace::Light}};
    for (const auto& [widget, at] : ending) {
        if (&place == widget) return EndingPlaceOpen(g, at);
    }
    return false;
}

void FreeSpotMouseDown(Game& g, int spot) {
    if (!free_spot_open(g, spot)) return;
    LeaveMap(g);
    const int32_t d = 10 * (spot + 1);
    g.state.distance_m = d;
    PrepareEncounter(g, d);
    BeginBattle(g);
}

}  // namespace quill
