#include "character/creation.h"

#include <algorithm>

#include "audio/sound.h"
#include "character/arrival_scene.h"
#include "character/name_rules.h"
#include "explore/island.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/adventurer_pictures.h"

namespace quill {

namespace {

constexpr platform::Color kButtonIdle = platform::Color::rgb(0x808080);
constexpr platform::Color kButtonHovered = platform::Color::rgb(0xC0C0C0);
constexpr platform::Color kButtonChosen = platform::Color::rgb(0x2F6FB0);
constexpr platform::Color kButtonChosenHovered = platform::Color::rgb(0x4F8FD0);
constexpr platform::Color kButtonText = platform::Color::rgb(0x101010);
constexpr platform::Color kTitleButton = platform::Color::rgb(0x2E2A5C);
constexpr platform::Color kTitleButtonHovered = platform::Color::rgb(0x4A4490);

bool chosen(const Game& g, const platform::Label* button) {
    const Form& f = g.form;
    const GameState& s = g.state;
    auto is = [button](const auto& buttons, int32_t index) {
        return index >= 0 && index < static_cast<int32_t>(buttons.size()) &&
               button == &buttons[index];
    };
    return is(f.attribute_buttons, s.raised_attribute) || is(f.type_buttons, s.char_type) ||
           is(f.race_buttons, s.race_sex);
}

}  // namespace

void ColourButtons(Game& g, const platform::Label* hovered) {
    for (platform::Label* button : g.form.button_labels()) {
        const bool lit = button == hovered;
        if (button == &g.form.l_btn80) {
            // The title's 遊び方 wears the night of the title picture.
            button->color = lit ? kTitleButtonHovered : kTitleButton;
        } else if (chosen(g, button)) {
            button->color = lit ? kButtonChosenHovered : kButtonChosen;
            button->font.color = platform::colors::kWhite;
        } else {
            button->color = lit ? kButtonHovered : kButtonIdle;
            button->font.color = kButtonText;
        }
    }
}

void ShowCreationPanel(Game& g) {
    Form& f = g.form;
    f.bp_box.left = 0;
    f.bp_box.top = 0;
    f.bp_box.visible = true;
    f.name_box.visible = true;
    ColourButtons(g, nullptr);
    RefreshCreationPreview(g);
}

void ChooseAttribute(Game& g, int32_t attribute) {
    g.state.raised_attribute = attribute;
    PlaySound(g, "in.wav");
    ColourButtons(g, &g.form.attribute_buttons[std::clamp(attribute, 0, 5)]);
}

void ChooseType(Game& g, int32_t type) {
    PlaySound(g, "in.wav");
    g.state.char_type = type;
    ColourButtons(g, &g.form.type_buttons[std::clamp(type, 0, 5)]);
}

void ChooseRaceSex(Game& g, int32_t race_sex) {
    PlaySound(g, "in.wav");
    g.state.race_sex = race_sex;
    ColourButtons(g, &g.form.race_buttons[std::clamp(race_sex, 0, 9)]);
    RefreshCreationPreview(g);
}

void RefreshCreationPreview(Game& g) {
    platform::Bitmap& preview = g.form.bp_box_cg.picture;
    if (!preview.load(g.folders.cg_file("char" + std::to_string(g.state.race_sex) + ".bmp"))) {
        preview.clear();
    }
}

void ApplyCreationBonuses(Game& g) {
    GameState& s = g.state;
    Combatant& a = g.adventurer();
    switch (s.char_type) {
        case 0:
            s.money += 200;
            break;
        case 1:
            a.max_hp += 5;
            break;
        case 4:
            a.attack += 1;
            a.defence += 1;
            a.hit += 5;
            a.evasion += 5;
            break;
        case 5:
            a.max_hp -= 5;
            a.max_mp += 5;
            break;
        default:
            break;
    }
    switch (s.raised_attribute) {
        case 0:
            a.attack += 1;
            break;
        case 1:
            a.defence += 1;
            break;
        case 2:
            a.max_hp += 2;
            break;
        case 3:
            a.max_mp += 1;
            break;
        case 4:
            a.hit += 2;
            break;
        case 5:
            a.evasion += 2;
            break;
        default:
            break;
    }
    switch (s.race_sex / 2) {
        case 0:
            a.hit += 2;
            break;
        case 1:
            a.evasion += 2;
            break;
        case 2:
            a.max_mp += 1;
            break;
        case 3:
            a.attack += 1;
            break;
        case 4:
            a.max_hp += 2;
            break;
        default:
            break;
    }
}

void name_lChange(Game& g) {
    KeepSavableName(g, g.form.name_l);
}

void l_btn8MouseDown(Game& g) {
    Form& f = g.form;
    // A name the save could not give back is refused here too, whatever way it came in.
    if (!KeepSavableName(g, f.name_l)) return;
    PlaySound(g, "ok.wav");
    f.bp_box.visible = false;
    Combatant& a = g.adventurer();
    a.name = f.name_l.text.empty() ? "しすみ" : f.name_l.text;
    f.name_box.visible = false;
    g.state.player_id = platform::random(10000);
    g.state.event_flags[0] = 1;
    ApplyCreationBonuses(g);
    save_game(g);
    g.arrival_reported = true;
    post_report(g, "<降臨>" + a.name + "という名の冒険者が現れた");

    g.screen_mode = kGame;
    ResetRunState(g);
    g.sequence_step = -1;
    EnterIsland(g);
    LoadAdventurerPictures(g);

    if (g.state.event_flags[1] == 0) {
        PlayMusic(g, "op-low.mp3");
        g.story_lines = ArrivalSceneLines(a.name);
        g.state.event_flags[1] = 1;
        TellStoryAndReturn(g);
    }
}

}  // namespace quill
