#include "items/item_panel.h"

#include <string>

#include "audio/sound.h"

namespace quill {

void RefreshItemPanel(Game& g) {
    // The lists of the panel are built here; until then the panel opens empty.
    g.form.item_box.left = 0;
    g.form.item_box.top = 0;
    g.form.item_box.visible = true;
    // The action button shows with the lists it acts on.
    g.form.l_btn10.visible = false;
}

void l_btn9MouseDown(Game& g) {
    Form& f = g.form;
    const std::string screen = f.l_btn10.caption;
    PlaySound(g, "d.wav");
    f.item_box.visible = false;
    f.net_box.visible = false;
    f.world_box.visible = false;
    if (screen == "購入" || screen == "ＢＵＹ") g.merchant_visited = {1, 1};
    // The shops and the technique screen return to the island; the equipment and item
    // screens were opened over the map, which is still there.
    if (screen == "買う" || screen == "強化" || screen == "ホーシオ・ＳＥＴ" || screen == "購入" ||
        screen == "ＢＵＹ") {
        if (g.enter_area) g.enter_area(g);
    }
}

}  // namespace quill
