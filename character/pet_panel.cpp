#include "character/pet_panel.h"
#include "state/sequence_steps.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "character/name_rules.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/adventurer_pictures.h"
#include "view/message_log.h"

namespace quill {
namespace {

using std::to_string;

constexpr platform::Color kPictureGround = platform::Color::rgb(0x2C241A);

// What a pet says when its adventurer comes home to the pet house; "{pet}" is its name.
constexpr std::array<std::array<std::string_view, 2>, 5> kGreetings = {{
    {"{pet}が、うれしそうに駆け寄ってきた", "{pet}は、あなたの足元でまるくなった"},
    {"{pet}は、お腹をすかせて待っていたようだ", "{pet}は、干し魚をもらってご機嫌だ"},
    {"{pet}が、わらの山からひょっこり顔を出した", "{pet}は、あなたの服の匂いをかいでいる"},
    {"{pet}は、この前の戦いを覚えているようだ", "{pet}は、胸を張って次の出番を待っている"},
    {"{pet}の目が、前よりも頼もしく光っている", "{pet}は、何も言わずにあなたの隣に座った"},
}};

// One of the six raises: the value, its cap, and the caption once it is reached.
struct Raise {
    int32_t Combatant::*value;
    int32_t cap;
    const char* caption;
    const char* full_caption;
    platform::Label Form::*button;
};
constexpr Raise kRaises[] = {
    {&Combatant::max_mp, 20, "MAX MP+", "MAX MP MAX", &Form::l_btn62},
    {&Combatant::attack, 20, "強さ +", "強さ MAX", &Form::l_btn63},
    {&Combatant::intellect, 20, "賢さ +", "賢さ MAX", &Form::l_btn65},
    {&Combatant::defence, 10, "丈夫さ＋", "丈夫さ MAX", &Form::l_btn66},
    {&Combatant::hit, 10, "器用さ＋", "器用さ MAX", &Form::l_btn67},
    {&Combatant::evasion, 10, "素早さ +", "素早さ MAX", &Form::l_btn61},
};

void raise(Game& g, const Raise& r) {
    Combatant& pet = g.combatants[2];
    platform::Label& said = g.form.pet_state_l2;
    if (g.state.bonus_points <= 0) {
        said.caption = "BPがありません";
        return;
    }
    if (pet.*r.value >= r.cap) {
        said.caption = "これ以上強化できません";
        return;
    }
    PlaySound(g, "b.wav");
    said.caption.clear();
    pet.*r.value += 1;
    g.state.bonus_points -= 1;
    RefreshPetPanelTexts(g);
}

// The pet's picture in the panel: the look's file (pet0.bmp when it is missing), centred.
void show_pet_picture(Game& g) {
    platform::Bitmap& picture = g.form.pet_cg.picture;
    picture.fill_rect(0, 0, picture.width(), picture.height(), kPictureGround);
    platform::Bitmap pet;
    if (!LoadPetPicture(g, g.combatants[2].look, pet)) return;
    picture.draw_transparent(pet, (picture.width() - pet.width()) / 2,
                             (picture.height() - pet.height()) / 2);
}

void show_naming(Game& g, bool named) {
    Form& f = g.form;
    f.pet_state_box.visible = named;
    f.pet_l.visible = named;
    f.pet_name_box.visible = !named;
}

// Step 59: the pet house's greeting, and the pet rested.
void pet_house_greeting(Game& g) {
    LogLine(g, "....？");
    if (!has_pet(g)) {
        LogLineAndWait(g, "おや、何かいるよ....？");
        return;
    }
    Combatant& pet = g.combatants[2];
    pet.hp = pet.max_hp;
    pet.mp = pet.max_mp;
    const int32_t reach = std::min(pet.level / 5, 5);
    const std::vector<std::string> lines =
        PetGreeting(reach > 0 ? platform::random(reach) : 0, pet.name);
    LogLine(g, lines[0]);
    LogLineAndWait(g, lines[1]);
}

// Step 60: the panel, for naming or for raising.
void pet_house_panel(Game& g) {
    Form& f = g.form;
    f.pet_box.left = 0;
    f.pet_box.top = 0;
    f.pet_box.visible = true;
    f.pet_state_box.left = f.pet_name_box.left = 272;
    f.pet_state_box.top = f.pet_name_box.top = 320;
    f.pet_state_l2.caption.clear();
    show_naming(g, has_pet(g));
    show_pet_picture(g);
    RefreshPetPanelTexts(g);
}

}  // namespace

std::vector<std::string> PetGreeting(int variant, const std::string& pet_name) {
    std::vector<std::string> out;
    if (variant < 0 || variant >= static_cast<int>(kGreetings.size())) return out;
    for (std::string_view line : kGreetings[variant]) {
        std::string text(line);
        text.replace(text.find("{pet}"), 5, pet_name);
        out.push_back(std::move(text));
    }
    return out;
}

void RegisterPetHouseSteps(Game& g) {
    RegisterStep(g, step::kPetHouseGreeting, pet_house_greeting);
    RegisterStep(g, step::kPetHouse, pet_house_panel);
}

void RefreshPetPanelTexts(Game& g) {
    const Combatant& p = g.combatants[2];
    Form& f = g.form;
    static constexpr std::array<const char*, 5> kElements = {"無", "光", "闇", "火", "水"};

    std::string text = p.name + " Lv" + to_string(p.level) + " (exp " + to_string(p.exp) + "/" +
                       to_string(ExpForNextLevel(p.level)) + ")\n\n";
    text += "HP " + to_string(p.hp) + " / " + to_string(p.max_hp) + "\n";
    text += "MP " + to_string(p.mp) + " / " + to_string(p.max_mp) + "\n";
    text += "強さ " + to_string(p.attack) + "\n";
    text += "賢さ " + to_string(p.intellect) + "\n";
    text += "丈夫さ " + to_string(p.defence) + "\n";
    text += "器用さ " + to_string(p.hit) + "\n";
    text += "素早さ " + to_string(p.evasion) + "\n\n";
    for (int i = 0; i < 5; ++i) {
        text += std::string(kElements[i]) + " " + to_string(p.moods[i]) + "\n";
    }
    text += "\n";
    if (p.pet_type() >= 0 && p.pet_type() < 5) {
        text += std::string("<") + kElements[p.pet_type()] + ">の傾向";
    }
    f.pet_l.caption = text;
    for (const Raise& r : kRaises) {
        (f.*r.button).caption = p.*r.value >= r.cap ? r.full_caption : r.caption;
    }
    f.pet_bp_l.caption = "BP: " + to_string(g.state.bonus_points) +
                         "ポイント / 所持金: " + to_string(g.state.money) + "円";
}

void l_btn60MouseDown(Game& g) {
    Form& f = g.form;
    // A name the save could not give back is refused, whatever way it came in.
    if (!KeepSavableName(g, f.pet_name_l, kPetNameBytes)) return;
    const std::string name = f.pet_name_l.text;
    if (name.empty() || name == "　" || name == " ") {
        // Nothing is asked and nothing changes, but the player hears why.
        g.dialogs->message(kPetNameMissing);
        return;
    }
    if (!g.dialogs->ask_yes_no("良いですか？")) return;
    PlaySound(g, "1.wav");
    Combatant& pet = g.combatants[2];
    pet.name = name;
    show_naming(g, true);
    pet.hp = pet.max_hp = 1;
    pet.exp = 0;
    pet.level = 1;
    pet.pet_type() = 0;
    RefreshPetPanelTexts(g);
    save_game(g);
    post_report(g, "<PET>" + g.combatants[0].name + "は、" + name + "と出会った");
}

void l_btn61MouseDown(Game& g) {
    raise(g, kRaises[5]);
}
void l_btn62MouseDown(Game& g) {
    raise(g, kRaises[0]);
}
void l_btn63MouseDown(Game& g) {
    raise(g, kRaises[1]);
}
void l_btn65MouseDown(Game& g) {
    raise(g, kRaises[2]);
}
void l_btn66MouseDown(Game& g) {
    raise(g, kRaises[3]);
}
void l_btn67MouseDown(Game& g) {
    raise(g, kRaises[4]);
}

void l_btn72MouseDown(Game& g) {
    PlaySound(g, "in.wav");
    int32_t& look = g.combatants[2].look;
    look = look + 1 >= 20 || look < 0 ? 0 : look + 1;
    show_pet_picture(g);
}

void l_btn64MouseDown(Game& g) {
    g.form.pet_box.visible = false;
    ClearLog(g);
    PlaySound(g, "d.wav");
    Combatant& pet = g.combatants[2];
    pet.hp = pet.max_hp;
    pet.mp = pet.max_mp;
    if (g.enter_area) g.enter_area(g);
}

void pet_name_lChange(Game& g) {
    KeepSavableName(g, g.form.pet_name_l, kPetNameBytes);
}

}  // namespace quill
