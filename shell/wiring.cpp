#include "shell/wiring.h"

#include "shell/input.h"

namespace quill {

void WireHandlers(Game& g) {
    Form& f = g.form;
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
