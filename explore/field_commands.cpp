#include "explore/field_commands.h"
#include "state/sequence_steps.h"

#include <string>

#include "audio/sound.h"
#include "battle/battle_start.h"
#include "battle/pools.h"
#include "battle/rewards.h"
#include "battle/sequencer.h"
#include "explore/background.h"
#include "explore/encounters.h"
#include "items/achievements.h"
#include "platform/random.h"
#include "view/command_cards.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

void walk_on(Game& g) {
    GameState& s = g.state;
    s.distance_m += 1;
    if (s.distance_m >= s.max_distance_m) s.max_distance_m = s.distance_m;
    const int32_t n = g.walks_since_inn < 10 ? 1 : g.walks_since_inn < 20 ? 60 : 61;
    const int32_t e = random(n);
    if (e < 59) {
        g.walks_since_inn += 1;
        g.enemy() = Combatant{};
        PrepareEncounter(g, s.distance_m);
        BeginBattle(g);
        return;
    }
    Combatant& a = g.adventurer();
    a.status[kPromise] = 0;
    g.active_side = 0;  // the chest and the sickness are the adventurer's own affairs
    ClearLog(g);
    if (e == 59) {
        ShowBackground(g, "trager.bmp");
        g.chest_points = g.chest_points_start = random(6) + 1;
        LogLine(g, "宝箱だ....!! 耐久ポイント " + to_string(g.chest_points));
        ShowCards(g, kChestCards);
        return;
    }
    ShowBackground(g, "op.bmp");
    g.sickness_points = g.sickness_points_start = random(5) + 3;
    LogLine(g, "うう、何か体がおかしい....");
    LogLine(
        g, "冒険のし過ぎで、体調が悪くなったようだ!! 病気ポイント " + to_string(g.sickness_points));
    ShowCards(g, kSicknessCards);
}

void go_back(Game& g) {
    Combatant& a = g.adventurer();
    if (a.level >= 30) {
        a.tp -= a.max_tp / 10 + 1;
        a.mp -= a.max_mp / 10 + 1;
    }
    for (int32_t d : {10, 20, 30, 40, 50}) {
        if (g.state.distance_m >= d) {
            a.tp -= a.max_tp / 10 + 1;
            a.mp -= a.max_mp / 10;
        }
    }
    RunStep(g);  // the pending step 9 ends the outing
}

// One point less on the chest or the sickness, with its sound while points remain.
void one_point_less(Game& g, int32_t& points, const std::string& line) {
    points -= 1;
    if (points >= 1) PlaySound(g, "c.wav");
    LogLine(g, line + to_string(points));
}

bool pay_mp_for_wits(Game& g) {
    Combatant& a = g.adventurer();
    const int32_t cost = a.max_mp / 10 + 1;
    if (a.mp > cost) {
        a.mp -= cost;
        return true;
    }
    LogLine(g, "MPが足りません");
    return false;
}

void chest_action(Game& g, const std::string& text) {
    Combatant& a = g.adventurer();
    if (text == "宝箱:こじ開ける") {
        if (random(2) == 0) {
            LogLine(g, "手を怪我した");
            TakeDamage(g, 0, a.max_hp / 10 + 1);
        } else {
            one_point_less(g, g.chest_points, "....ガチャガチャ > 残り ");
        }
    } else if (pay_mp_for_wits(g)) {
        if (random(5) < 4) {
            one_point_less(g, g.chest_points, "....手応えあり > 残り ");
        } else {
            LogLine(g, "失敗した....");
        }
    }
    if (ChestCheck(g) >= 1 && g.game_over == 0) ShowCards(g, kChestCards);
}

void treatment(Game& g, const std::string& text) {
    Combatant& a = g.adventurer();
    if (text == "治療:休む") {
        if (pay_mp_for_wits(g)) {
            const int32_t h = a.max_hp / 10 + 1;
            LogLine(g, "ふぅ....HP " + to_string(h) + "回復");
            Heal(g, 0, h);
        }
        ShowCards(g, kSicknessCards);
        return;
    }
    if (text == "治療:体操する") {
        if (random(2) == 0) {
            LogLine(g, "うう....苦しい");
            TakeDamage(g, 0, a.max_hp / 10 + 1);
        } else {
            one_point_less(g, g.sickness_points, "....体内老廃物が浄化された > 残り ");
        }
    } else if (a.tp > 20) {
        a.tp -= 20;
        if (random(5) < 4) {
            one_point_less(g, g.sickness_points, "....邪気が体から逃げていくようだ > 残り ");
        } else {
            LogLine(g, "失敗した....");
        }
    } else {
        LogLine(g, "TPが足りません");
    }
    if (SicknessCheck(g) >= 1 && g.game_over == 0) ShowCards(g, kSicknessCards);
}

void count_with_achievements(Game& g, int32_t& count, int32_t first_id) {
    count += 1;
    GrantAchievementsAbove(g, count, {9, 19, 49, 99, 199}, first_id);  // at 10, 20, 50, 100, 200
}

// After a chest or treatment action: at 0 points the reward and the field cards; an
// adventurer hurt to death there dies. Returns the points there were.
int32_t check_outcome(Game& g, int32_t points, void (*solved)(Game&)) {
    if (points < 1) {
        solved(g);
        ShowCards(g, kFieldCards);
    } else if (g.adventurer().hp < 1) {
        AdventurerDies(g);
    }
    return points;
}

}  // namespace

void CommandCardClicked(Game& g, int32_t card) {
    if (card < 0 || card >= kCommandTableSize) return;
    const std::string text = g.commands[card].text;
    if (text.empty()) return;
    HideCards(g);
    if (text == "進む") {
        walk_on(g);
    } else if (text == "帰る") {
        go_back(g);
    } else if (text == "休憩") {
        g.sequence_step = step::kRest;
        RunStep(g);
    } else if (text == "宝箱:こじ開ける" || text == "宝箱:知恵を使う") {
        chest_action(g, text);
    } else if (text == "宝箱:諦める") {
        LogLine(g, "諦めました....");
        ShowCards(g, kFieldCards);
    } else if (text == "治療:体操する" || text == "治療:精神統一" || text == "治療:休む") {
        treatment(g, text);
    } else {
        // A technique card: the technique starts at once, and the list is put away, so
        // that only one way of choosing is open.
        g.form.battle_box.visible = false;
        g.action_technique = card;
        g.active_side = 0;
        g.action_step = 1;
        g.button_held = 1;
    }
}

int32_t ChestCheck(Game& g) {
    return check_outcome(g, g.chest_points, [](Game& g) {
        ShowBackground(g, "trager2.bmp");
        PlaySound(g, "open.wav");
        LogLine(g, "開いた!!");
        GainMoney(g, random(g.state.distance_m / 10 + 100) + 10 * g.chest_points_start);
        count_with_achievements(g, g.state.chest_open_count, 489);
    });
}

int32_t SicknessCheck(Game& g) {
    return check_outcome(g, g.sickness_points, [](Game& g) {
        ShowBackground(g, "op2.bmp");
        PlaySound(g, "heal.wav");
        LogLine(g, "体の調子が戻った!!");
        GainExp(g, random(g.state.distance_m / 30 + 10) + 2 * g.sickness_points_start);
        count_with_achievements(g, g.state.cure_count, 494);
    });
}

}  // namespace quill
