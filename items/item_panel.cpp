#include "items/item_panel.h"

namespace quill {

void RefreshItemPanel(Game& g) {
    // The lists of the panel are built here; until then the panel opens empty.
    g.form.item_box.left = 0;
    g.form.item_box.top = 0;
    g.form.item_box.visible = true;
}

}  // namespace quill
