#include "shell/wiring.h"

#include "shell/input.h"

namespace quill {

void WireHandlers(Game& g) {
    Form& f = g.form;
    f.cg.on_mouse_down = [&g](const platform::MouseEvent& e) { cgMouseDown(g, e); };
    f.cg.on_mouse_up = [&g](const platform::MouseEvent& e) { cgMouseUp(g, e); };
    f.cg.on_mouse_move = [&g](const platform::MouseEvent& e) { cgMouseMove(g, e); };
}

}  // namespace quill
