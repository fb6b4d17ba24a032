#include "battle/battle_start.h"

#include "audio/sound.h"
#include "battle/sequencer.h"

namespace quill {

void BeginBattle(Game& g) {
    g.enemy_shake = 0;
    PlayMusic(g, "not");
    g.form.map_box.visible = false;
    g.action_step = 0;
    g.action_technique = 0;
    g.in_battle = 1;
    g.sequence_step = -1;
    // The post-battle lines, the turn count and the technique histories start over here,
    // and the battle's steps follow.
    RunStep(g);
}

}  // namespace quill
