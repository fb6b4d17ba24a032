// The widgets of the game's one window, as plain models named as the window's widgets.
// The front end shows every widget listed by all(); the game wires their handlers.
#pragma once

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
    platform::Picture map_b1{"map_b1"};

    // Character creation.
    platform::Panel bp_box{"bp_box"};
    platform::Label bp_l{"bp_l"};

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
