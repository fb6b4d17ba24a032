#include "shell/wiring.h"

#include "battle/action_choice.h"
#include "character/creation.h"
#include "character/pet_panel.h"
#include "explore/island.h"
#include "explore/named_characters.h"
#include "explore/rest_and_inn.h"
#include "explore/shop_keepers.h"
#include "growth/technique_growth.h"
#include "items/item_panel.h"
#include "net/net_panels.h"
#include "shell/input.h"

namespace quill {

namespace {

// A press on a widget runs the handler, whatever the button.
template <class Handler>
void on_press(platform::Widget& w, Handler handler) {
    w.on_mouse_down = [handler](const platform::MouseEvent&) { handler(); };
}

}  // namespace

void WireHandlers(Game& g) {
    Form& f = g.form;
    g.enter_area = EnterIsland;

    // Character creation.
    for (int i = 0; i < 6; ++i) {
        on_press(f.attribute_buttons[i], [&g, i] { ChooseAttribute(g, i); });
        on_press(f.type_buttons[i], [&g, i] { ChooseType(g, i); });
    }
    for (int i = 0; i < 10; ++i) on_press(f.race_buttons[i], [&g, i] { ChooseRaceSex(g, i); });
    on_press(f.l_btn8, [&g] { l_btn8MouseDown(g); });
    f.name_l.on_change = [&g] { name_lChange(g); };

    // The island map.
    on_press(f.map_b1, [&g] { map_b1MouseDown(g); });
    on_press(f.map_b0, [&g] { map_b0MouseDown(g); });
    on_press(f.Image6, [&g] { Image6MouseDown(g); });
    on_press(f.Image7, [&g] { Image7MouseDown(g); });
    on_press(f.Image8, [&g] { Image8MouseDown(g); });
    on_press(f.map_h, [&g] { map_hMouseDown(g); });
    on_press(f.map_b20, [&g] { map_b20MouseDown(g); });
    on_press(f.map_s, [&g] { map_sMouseDown(g); });
    on_press(f.Image1, [&g] { Image1MouseDown(g); });
    on_press(f.Image2, [&g] { Image2MouseDown(g); });
    on_press(f.map4_b, [&g] { map4_bMouseDown(g); });
    on_press(f.map5_b, [&g] { map5_bMouseDown(g); });
    on_press(f.map6_b, [&g] { map6_bMouseDown(g); });
    on_press(f.map7_b, [&g] { map7_bMouseDown(g); });
    on_press(f.map8_b, [&g] { map8_bMouseDown(g); });
    on_press(f.map9_b, [&g] { map9_bMouseDown(g); });
    on_press(f.map10_b, [&g] { map10_bMouseDown(g); });
    on_press(f.Image3, [&g] { Image3MouseDown(g); });
    on_press(f.Image4, [&g] { Image4MouseDown(g); });
    on_press(f.Image5, [&g] { Image5MouseDown(g); });
    on_press(f.Image9, [&g] { Image9MouseDown(g); });
    on_press(f.Image10, [&g] { Image10MouseDown(g); });
    on_press(f.Image11, [&g] { Image11MouseDown(g); });
    on_press(f.Image12, [&g] { Image12MouseDown(g); });
    on_press(f.Image13, [&g] { Image13MouseDown(g); });
    on_press(f.map_21b, [&g] { map_21bMouseDown(g); });
    for (int i = 0; i < 5; ++i) on_press(f.free_spots[i], [&g, i] { FreeSpotMouseDown(g, i); });

    // The item panel.
    on_press(f.l_btn9, [&g] { l_btn9MouseDown(g); });
    on_press(f.l_btn10, [&g] { l_btn10MouseDown(g); });
    on_press(f.l_btn11, [&g] { l_btn11MouseDown(g); });
    on_press(f.l_btn22, [&g] { l_btn22MouseDown(g); });
    on_press(f.l_btn40, [&g] { l_btn40MouseDown(g); });
    on_press(f.l_btn41, [&g] { l_btn41MouseDown(g); });
    f.item_list.on_mouse_down = [&g](const platform::MouseEvent&) { item_listMouseDown(g); };
    f.item_list.on_mouse_up = [&g](const platform::MouseEvent&) { item_listMouseDown(g); };
    f.item_list.on_key_down = [&g](platform::Key) { item_listMouseDown(g); };

    // The world site and the ranking.
    on_press(f.Image15, [&g] { Image15MouseDown(g); });
    on_press(f.l_btn68, [&g] { l_btn68MouseDown(g); });
    on_press(f.l_btn69, [&g] { l_btn69MouseDown(g); });
    on_press(f.l_btn70, [&g] { l_btn70MouseDown(g); });
    on_press(f.l_btn71, [&g] { l_btn71MouseDown(g); });
    f.net_list.on_mouse_down = [&g](const platform::MouseEvent&) { net_listMouseDown(g); };
    f.net_list.on_mouse_up = [&g](const platform::MouseEvent&) { net_listMouseDown(g); };
    f.net_list.on_key_down = [&g](platform::Key) { net_listMouseDown(g); };

    // The pet house's panel; its picture answers as the map's 聳えるヤマオ does.
    on_press(f.l_btn60, [&g] { l_btn60MouseDown(g); });
    on_press(f.l_btn61, [&g] { l_btn61MouseDown(g); });
    on_press(f.l_btn62, [&g] { l_btn62MouseDown(g); });
    on_press(f.l_btn63, [&g] { l_btn63MouseDown(g); });
    on_press(f.l_btn65, [&g] { l_btn65MouseDown(g); });
    on_press(f.l_btn66, [&g] { l_btn66MouseDown(g); });
    on_press(f.l_btn67, [&g] { l_btn67MouseDown(g); });
    on_press(f.l_btn72, [&g] { l_btn72MouseDown(g); });
    on_press(f.l_btn64, [&g] { l_btn64MouseDown(g); });
    on_press(f.pet_cg, [&g] { Image12MouseDown(g); });
    f.pet_name_l.on_change = [&g] { pet_name_lChange(g); };

    // The battle: the technique list (press and release alike) and "発動".
    f.battle_list.on_mouse_down = [&g](const platform::MouseEvent&) { battle_listMouseDown(g); };
    f.battle_list.on_mouse_up = [&g](const platform::MouseEvent&) { battle_listMouseDown(g); };
    f.Button1.on_click = [&g] { Button1Click(g); };

    // The steps of the sequencer that the rest, the inn and the growth of techniques own.
    RegisterRestAndInnSteps(g);
    RegisterShopKeeperSteps(g);
    RegisterPetHouseSteps(g);
    RegisterGrowthSteps(g);

    on_press(f.l_btn80, [&g] { l_btn80MouseDown(g); });
    f.cg.on_mouse_down = [&g](const platform::MouseEvent& e) { cgMouseDown(g, e); };
    f.cg.on_mouse_up = [&g](const platform::MouseEvent& e) { cgMouseUp(g, e); };
    f.cg.on_mouse_move = [&g](const platform::MouseEvent& e) { cgMouseMove(g, e); };
    for (platform::Label* button : f.button_labels()) {
        button->on_mouse_move = [&g, button](const platform::MouseEvent&) {
            l_btn1MouseMove(g, *button);
        };
    }
    // Panels, text labels and lists put every button back to idle.
    for (platform::Widget* w : f.all()) {
        const bool button = w->name.rfind("l_btn", 0) == 0;
        const bool resting = w->kind == platform::WidgetKind::Panel ||
                             w->kind == platform::WidgetKind::ListBox ||
                             (w->kind == platform::WidgetKind::Label && !button);
        if (resting) w->on_mouse_move = [&g](const platform::MouseEvent&) { bp_boxMouseMove(g); };
    }
}

}  // namespace quill
