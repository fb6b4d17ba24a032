#include "battle/rewards.h"

#include <string>

#include "audio/sound.h"
#include "items/worn_items.h"
#include "net/report_exchange.h"
#include "state/state_ops.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {

void GainMoney(Game& g, int32_t n) {
    if (g.state.char_type == 0) n += n / 10;
    if (g.state.char_type == 3) n -= n / 10;
    const Combatant& a = g.combatants[0];
    if (Wears(g, a.earring, "黄金のイヤリング")) n += 3;
    if (Wears(g, a.pendant, "黄金のペンダント")) n += 3;
    if (Wears(g, a.helmet, "ヴォマクトの冠")) n += 5;
    if (Wears(g, a.waist, "ﾄﾚｼﾞｬｰﾊﾝﾀｰﾍﾞﾙﾄ")) n += 4;
    if (n == 0) return;
    g.state.money += n;
    LogColouredLine(g, "お金を " + std::to_string(n) + "円入手", "yellow2");
    if (n > 0) {
        PlaySound(g, "coin.wav");
        AddPopup(g, 110, 460, "¥" + std::to_string(n), 19);  // the yen sign of the money line
    }
}

void GainExp(Game& g, int32_t n) {
    if (g.state.char_type == 3) n += n / 10;
    if (n == 0) return;
    const int side = g.active_side == 1 ? 1 : 0;
    g.combatants[side].exp += n;
    LogColouredLine(g, "経験値を " + std::to_string(n) + "入手", "yellow2");
    AddPopup(g, 200, 360, "exp +" + std::to_string(n), 19);
    if (has_pet(g) && g.pet().hp > 0) g.pet().exp += n;
}

void GameOver(Game& g) {
    PlaySound(g, "gameover.wav");
    g.command_mode = 0;
    g.game_over = 1;
    g.death_ticks = 0;
}

void AdventurerDies(Game& g) {
    PlayMusic(g, "not");
    const std::string& name = g.adventurer().name;
    LogLine(g, name + "は死んでしまった!!");
    post_report(g, "<死亡>" + name + "は死んだ....");
    GameOver(g);
}

}  // namespace quill
