// The widgets of the game's one window, as plain models named as the window's widgets.
// The front end shows every widget listed by all(); the game wires their handlers.
#pragma once

#include <array>
#include <vector>

#include "platform/widgets.h"

namespace quill {

struct Form {
    Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Every widget, parents before their children, in the order they are stacked (later
    // ones lie above earlier ones).
    std::vector<platform::Widget*> all();
    // The labels that act as buttons (their names begin with "l_btn").
    std::vector<platform::Label*> button_labels();

    // The main picture: every frame is drawn here.
    platform::Picture cg{"cg"};

    // The island map panel with its picture and click regions.
    platform::Panel map_box{"map_box"};
    platform::Picture cg2{"cg2"};
    platform::Picture map_b1{"map_b1"};    // the free walk
    platform::Picture map_b0{"map_b0"};    // the inn
    platform::Picture Image6{"Image6"};    // the item shop
    platform::Picture Image7{"Image7"};    // the equipment screen
    platform::Picture Image8{"Image8"};    // the strengthening screen
    platform::Picture map_h{"map_h"};      // the first travelling merchant
    platform::Picture map_s{"map_s"};      // the ship
    platform::Picture map_b20{"map_b20"};  // the pet's nest
    platform::Picture Image15{"Image15"};  // the world site

    // Character creation.
    platform::Panel bp_box{"bp_box"};
    platform::Label Label7{"Label7"};
    platform::Panel name_box{"name_box"};
    platform::Label Label2{"Label2"};
    platform::EditBox name_l{"name_l"};
    platform::Label Label3{"Label3"};
    std::array<platform::Label, 6> attribute_buttons{
        platform::Label{"l_btn1"}, platform::Label{"l_btn2"}, platform::Label{"l_btn3"},
        platform::Label{"l_btn4"}, platform::Label{"l_btn5"}, platform::Label{"l_btn6"}};
    std::array<platform::Label, 6> type_buttons{
        platform::Label{"l_btn15"}, platform::Label{"l_btn16"}, platform::Label{"l_btn17"},
        platform::Label{"l_btn18"}, platform::Label{"l_btn19"}, platform::Label{"l_btn20"}};
    platform::Label bp_l{"bp_l"};
    platform::Label Label15{"Label15"};
    std::array<platform::Label, 10> race_buttons{
        platform::Label{"l_btn30"}, platform::Label{"l_btn31"}, platform::Label{"l_btn32"},
        platform::Label{"l_btn33"}, platform::Label{"l_btn34"}, platform::Label{"l_btn35"},
        platform::Label{"l_btn36"}, platform::Label{"l_btn37"}, platform::Label{"l_btn38"},
        platform::Label{"l_btn39"}};
    platform::Picture bp_box_cg{"bp_box_cg"};  // the chosen race's picture
    platform::Label l_btn8{"l_btn8"};          // OK

    // The item panel.
    platform::Panel item_box{"item_box"};
    platform::Label l_btn10{"l_btn10"};
    platform::Label item_l3{"item_l3"};
    platform::Label item_l4{"item_l4"};  // one-line notices

    // The battle technique list.
    platform::Panel battle_box{"battle_box"};

    // The ranking and world-site panels.
    platform::Panel net_box{"net_box"};
    platform::Panel world_box{"world_box"};
    platform::Picture world_cg{"world_cg"};  // the shared report list

    // The pet panel.
    platform::Panel pet_box{"pet_box"};
    platform::Label pet_l{"pet_l"};
    platform::Label pet_bp_l{"pet_bp_l"};
    platform::Label l_btn61{"l_btn61"};
    platform::Label l_btn62{"l_btn62"};
    platform::Label l_btn63{"l_btn63"};
    platform::Label l_btn65{"l_btn65"};
    platform::Label l_btn66{"l_btn66"};
    platform::Label l_btn67{"l_btn67"};
};

}  // namespace quill
