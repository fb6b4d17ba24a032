#include "state/form.h"

namespace quill {

Form::Form() {
    cg.set_bounds(0, 0, 640, 480);
    cg.picture.resize(640, 480);

    for (platform::Panel* p :
         {&map_box, &bp_box, &item_box, &battle_box, &net_box, &world_box, &pet_box}) {
        p->visible = false;
    }
    map_box.set_bounds(0, 0, 640, 480);
    cg2.parent = &map_box;
    cg2.set_bounds(0, 0, 640, 480);
    cg2.picture.resize(640, 480);
    map_b1.parent = &map_box;
    map_b1.set_bounds(292, 148, 77, 29);

    bp_box.set_bounds(0, 0, 640, 480);
    bp_l.parent = &bp_box;

    item_box.set_bounds(0, 0, 640, 480);
    l_btn10.parent = &item_box;
    item_l3.parent = &item_box;
    item_l4.parent = &item_box;

    battle_box.set_bounds(460, 8, 172, 400);
    net_box.set_bounds(0, 0, 640, 480);
    world_box.set_bounds(0, 0, 640, 480);
    world_cg.parent = &world_box;
    world_cg.set_bounds(0, 40, 640, 430);
    world_cg.picture.resize(640, 430);

    pet_box.set_bounds(0, 0, 640, 480);
    for (platform::Label* l :
         {&pet_l, &pet_bp_l, &l_btn61, &l_btn62, &l_btn63, &l_btn65, &l_btn66, &l_btn67}) {
        l->parent = &pet_box;
    }
}

std::vector<platform::Widget*> Form::all() {
    return {&cg,       &map_box, &cg2,        &map_b1,  &bp_box,    &bp_l,     &item_box, &l_btn10,
            &item_l3,  &item_l4, &battle_box, &net_box, &world_box, &world_cg, &pet_box,  &pet_l,
            &pet_bp_l, &l_btn61, &l_btn62,    &l_btn63, &l_btn65,   &l_btn66,  &l_btn67};
}

std::vector<platform::Label*> Form::button_labels() {
    std::vector<platform::Label*> buttons;
    for (platform::Widget* w : all()) {
        if (w->kind == platform::WidgetKind::Label && w->name.rfind("l_btn", 0) == 0) {
            buttons.push_back(static_cast<platform::Label*>(w));
        }
    }
    return buttons;
}

}  // namespace quill
