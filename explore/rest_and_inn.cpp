#include "explore/rest_and_inn.h"
#include "state/sequence_steps.h"

#include <algorithm>
#include <string>

#include "audio/sound.h"
#include "battle/pools.h"
#include "battle/sequencer.h"
#include "explore/battle_dialogue.h"
#include "explore/island.h"
#include "items/worn_items.h"
#include "net/net_panels.h"
#include "net/ranking_exchange.h"
#include "platform/random.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/message_log.h"
#include "view/popups.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

void rest(Game& g) {
    Combatant& a = g.adventurer();
    const int32_t cost = RestCost(g);
    if (cost > a.mp) {
        LogLineAndWait(g, "MPが足りません....");
        g.sequence_step = step::kMilestones;
        RunStep(g);
        return;
    }
    if (HoshioSet(g, "ホーシオの夢")) a.tp += 10;
    if (HoshioSet(g, "人工ﾎｰｼｵの夢")) a.tp += 5;
    int32_t h = random(2) + 4;
    if (HoshioSet(g, "ホーシオの安らぎ")) h += 2;
    if (HoshioSet(g, "人工ﾎｰｼｵの安らぎ")) h += 1;
    Heal(g, 0, h);
    a.mp -= cost;
    LogLineAndWait(g, "MP " + to_string(cost) + "を使って休憩しました > HP +" + to_string(h) +
                          " → " + to_string(a.hp));
    Combatant& p = g.pet();
    if (has_pet(g) && p.hp >= 1) {
        Heal(g, 2, h);
        LogLineAndWait(g, p.name + "のHP +" + to_string(h) + " → " + to_string(p.hp));
        if (p.max_mp >= 1 && p.mp < p.max_mp && random(5) == 0) {
            p.mp = std::min(p.mp + 1, p.max_mp);
            LogLineAndWait(g, p.name + "のMP +1 → " + to_string(p.mp));
        }
    }
}

void after_rest(Game& g) {
    g.sequence_step = step::kMilestones;
    RunStep(g);
}

void inn_greeting(Game& g) {
    const int32_t a = std::min(random(g.adventurer().level / 5 + 2), 5);
    const int32_t r = a > 0 ? random(a) : 0;
    for (const std::string& line : InnGreeting(r, g.adventurer().name)) LogLine(g, line);
    LogLineAndWait(g, "　宿賃は " + to_string(InnPrice(g)) + "円だけど、払えるんだろうね」");
}

// The ranking is sent at most once in six minutes, and only with something to show. The
// rank line appears only when the upload went through and the adventurer is in the list.
void send_ranking(Game& g) {
    GameState& s = g.state;
    if (rank_too_soon(g)) return;
    if (s.net_off == 1 || s.score < 1) return;
    if (send_rank(g) != 0) return;
    const int32_t rank = own_rank(g);
    if (rank < 0) return;
    if (rank < s.last_rank) {
        LogColouredLine(g,
                        to_string(rank + 1) + "位にランクインしました!!(" +
                            to_string(s.last_rank - rank) + "位上昇)",
                        "blue");
        g.ranking_panel_marked = true;
    }
    s.last_rank = rank;
}

void inn_stay(Game& g) {
    const int32_t price = InnPrice(g);
    if (g.state.money < price) {
        LogLineAndWait(g, "払えないじゃないか！　だから言ったんだ");
        return;
    }
    restore_all(g);
    PlaySound(g, "1.wav");
    g.walks_since_inn = 0;
    AddPopup(g, 110, 410, "MAX", kHpGainNumber);
    AddPopup(g, 110, 435, "MAX", 18);
    g.state.money -= price;
    save_game(g);
    LogLineAndWait(g, "宿泊しました.... > 全回復 , Save complete!!");
    PlaySound(g, "kaifuku2.wav");
    send_ranking(g);
}

void leave_inn(Game& g) {
    ClearLog(g);
    EnterIsland(g);
    if (g.ranking_panel_marked) {
        g.ranking_panel_marked = false;
        g.form.world_box.left = 0;
        g.form.world_box.top = 0;
        g.form.world_box.visible = true;
        l_btn70MouseDown(g);
    }
}

}  // namespace

int32_t InnPrice(const Game& g) {
    const int32_t level = g.combatants[0].level;
    const int32_t loads = g.state.load_count;
    if (g.state.char_type == 2) return level / 3 + loads / 8 + 5;
    return loads / 6 + level / 2 + 5;
}

int32_t RestCost(const Game& g) {
    int32_t cost = g.combatants[0].max_mp / 5 + 1;
    for (const char* hoshio : {"ホーシオの夢", "人工ﾎｰｼｵの夢", "ホーシオのMPセーブ",
                               "ホーシオの安らぎ", "人工ﾎｰｼｵの安らぎ"}) {
        if (HoshioSet(g, hoshio) && cost >= 2) cost -= 1;
    }
    return cost;
}

void RegisterRestAndInnSteps(Game& g) {
    RegisterStep(g, step::kRest, rest);
    RegisterStep(g, step::kAfterRest, after_rest);
    RegisterStep(g, step::kInnGreeting, inn_greeting);
    RegisterStep(g, step::kInnStay, inn_stay);
    RegisterStep(g, step::kLeaveInn, leave_inn);
}

}  // namespace quill
