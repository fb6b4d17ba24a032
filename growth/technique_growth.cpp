#include "growth/technique_growth.h"
#include "state/scene_kinds.h"
#include "state/sequence_steps.h"

#include <algorithm>

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "growth/combinations.h"
#include "items/score.h"
#include "net/report_exchange.h"
#include "platform/random.h"
#include "view/message_log.h"

namespace quill {
namespace {

using platform::random;
using std::to_string;

int32_t learned_count(const Game& g) {
    int32_t n = 0;
    for (int id = 0; id < 100; ++id) n += g.state.skill_level[id] > 0;
    return n;
}

void one_bp(Game& g) {
    AddScore(g, 50);
    PlaySound(g, "bp.wav");
    LogColouredLine(g, "なんとBPが 1上昇した!! 得点>50", "purple");
    g.state.bonus_points += 1;
    g.awaiting_click = 1;
}

void learn(Game& g, int32_t id) {
    GameState& s = g.state;
    s.skill_level[id] = 1;
    for (int32_t& entry : s.skill_order) {
        if (entry == -1) {
            entry = id;
            break;
        }
    }
    PlaySound(g, "happy.wav");
    const SkillRecord& t = g.skills[id];
    AddScore(g, t.score_value);
    post_report(g, "<技修得>" + g.adventurer().name + "は、技【" + t.name + "】を修得した");
    LogColouredLine(g, "なんと技【" + t.name + "】を修得した!! 得点>" + to_string(t.score_value),
                    "yellow");
    g.awaiting_click = 1;
}

// A natural ホーシオ not held yet; true when one was given.
bool hoshio_roll(Game& g) {
    if (random(HoshioRollChance(g)) != 0) return false;
    for (int draw = 0; draw < 999; ++draw) {
        const int32_t f = random(999);
        const ItemRecord& item = g.items[f];
        if (item.price != 0 || item.category != kItemHoshio || item.name.empty() ||
            g.state.item_count[f] > 0) {
            continue;
        }
        if (draw >= 900) return false;  // found too late: the roll gives nothing
        g.state.item_count[f] = 1;
        AddScore(g, 150);
        PlaySound(g, "mono.wav");
        post_report(
            g, "<ホーシオ>" + g.adventurer().name + "は、ホーシオ【" + item.name + "】を修得した");
        LogColouredLine(g, "なんとホーシオ【" + item.name + "】を修得した!! 得点>150", "yellow");
        g.awaiting_click = 1;
        return true;
    }
    return false;
}

}  // namespace

int32_t TechniqueRollChance(const Game& g) {
    const int32_t L = g.combatants[0].level;
    int32_t b = std::min(3 * L + 15, 200);
    const int32_t n = learned_count(g);
    const std::pair<int32_t, int32_t> halvings[] = {{5, 4},   {10, 5},  {15, 7},  {20, 9},
                                                    {25, 13}, {30, 15}, {35, 16}, {40, 17},
                                                    {45, 19}, {50, 21}, {55, 23}, {60, 25}};
    for (auto [level, most] : halvings) {
        if (L >= level && n <= most) b /= 2;
    }
    if (g.scene_kind >= 2) b /= 2;
    if (g.scene_kind == scene::kWalk) {
        for (int32_t d : {10, 20, 30}) {
            if (g.state.distance_m >= d) b -= b / 5;
        }
    }
    return std::max(b, 10);
}

int32_t HoshioRollChance(const Game& g) {
    const int32_t level = g.combatants[0].level;
    int32_t held = 0;
    for (int id = 0; id < kItemTableSize; ++id) {
        held += g.state.item_count[id] > 0 && g.items[id].category == kItemHoshio;
    }
    int32_t e = level < 5 || held > 0 ? 100 : 50;
    if (level >= 10 && held <= 1) e /= 2;
    if (level >= 15 && held <= 2) e /= 2;
    if (g.scene_kind == scene::kWalk && g.state.distance_m >= 50) e -= e / 5;
    return std::max(e, 10);
}

int32_t BonusPointRollChance(const Game& g) {
    const bool walk = g.scene_kind == scene::kWalk;
    const int32_t distance = g.state.distance_m;
    const int32_t base = walk && distance >= 30 ? 84 : 100;
    int32_t k = base;
    if (walk && distance >= 40) k -= base / 5;
    if (walk && distance >= 50) k -= k / 5;
    return k;
}

void GrantBattleReward(Game& g) {
    if (random(TechniqueRollChance(g)) == 0) {
        const int32_t d = random(100);
        if (g.skills[d].name.empty() || g.state.skill_level[d] != 0 || learned_count(g) > 26) {
            one_bp(g);
        } else {
            learn(g, d);
        }
        return;
    }
    if (hoshio_roll(g)) return;
    const int32_t m = random(BonusPointRollChance(g));
    if (m != 0 || g.combatants[0].level < 25 || g.state.distance_m < 10) {
        RunStep(g);
        return;
    }
    one_bp(g);
}

std::string StrengthenTechnique(Game& g, int32_t id) {
    if (g.state.bonus_points == 0) return "BPがありません";
    if (id < 0 || id >= kSkillIds) return "";
    int32_t& level = g.state.skill_level[id];
    if (level > 9) return "これ以上強化できません";
    if (!g.skills[id].name.empty() && level > 0) {
        PlaySound(g, "b.wav");
        level += 1;
        g.state.bonus_points -= 1;
    }
    return "";
}

void RegisterGrowthSteps(Game& g) {
    RegisterStep(g, step::kCombinationCheck, CheckCombination);
    g.learn_techniques = GrantBattleReward;
    g.strengthen = StrengthenTechnique;
}

}  // namespace quill
