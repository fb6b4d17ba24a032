#include "battle/perform.h"
#include "state/scene_kinds.h"

#include <string>

#include "audio/sound.h"
#include "battle/pet_actions.h"
#include "battle/sequencer.h"
#include "battle/techniques.h"
#include "battle/turn_steps.h"
#include "items/achievements.h"
#include "items/score.h"
#include "items/worn_items.h"
#include "platform/random.h"
#include "view/message_log.h"

namespace quill {
namespace {

int actor_side(const Game& g) {
    return g.active_side == 1 ? 1 : 0;
}

// The MP the adventurer pays for a technique of cost c, lowered by ホーシオ and cloaks.
int32_t adventurer_mp_cost(const Game& g, int32_t c) {
    const int32_t armour = g.combatants[0].armour;
    if (HoshioSet(g, "ホーシオのMPセーブ") && c > 1) c -= 1;
    if (Wears(g, armour, "鷹のマント") && c > 1) c -= 1;
    if (Wears(g, armour, "孔雀のマント") && c > 1) c -= 1;
    if ((Wears(g, armour, "鳳凰のマント") || Wears(g, armour, "地球のマント")) && c > 1)
        c = std::max(c - 2, 1);
    if ((Wears(g, armour, "太陽のマント") || Wears(g, armour, "銀河のマント") ||
         Wears(g, armour, "宇宙のマント") || Wears(g, armour, "次元のマント")) &&
        c > 1)
        c = std::max(c - 3, 1);
    return c;
}

// Step 1 of every technique: its name, the use count, the costs. False when the action
// ended here for want of MP or TP.
bool common_first_step(Game& g) {
    const int side = actor_side(g);
    Combatant& actor = g.combatants[side];
    const int32_t id = g.action_technique;
    if (id < 0 || id >= kSkillIds) {
        EndAction(g);
        return false;
    }
    const SkillRecord& t = g.skills[id];
    if (!t.name.empty()) LogLine(g, "＞" + t.name);
    if (side == 0 && g.state.skill_use_count[id] <= 999) g.state.skill_use_count[id] += 1;
    if (actor.mp < t.mp_cost) {
        LogLine(g, "MPが足りなかった....");
        EndAction(g);
        return false;
    }
    if (actor.tp < t.tp_cost) {
        LogLine(g, "TPが足りなかった....");
        EndAction(g);
        return false;
    }
    actor.mp -= side == 0 ? adventurer_mp_cost(g, t.mp_cost) : t.mp_cost;
    int32_t tp = t.tp_cost;
    if (side == 0 && HoshioSet(g, "ホーシオのTPセーブ") && tp > 5) tp -= 5;
    actor.tp -= tp;
    auto& history = g.technique_history[side];
    for (size_t i = history.size() - 1; i > 0; --i) history[i] = history[i - 1];
    history[0] = id;
    return true;
}

// "逃げる": a free-spot battle can be left; a story battle cannot.
void escape(Game& g) {
    const int32_t chance = g.state.char_type == 2 ? 60 : 50;
    if (chance >= platform::random(100) && g.scene_kind == scene::kWalk) {
        LogLine(g, "逃亡成功!!");
        // Only the adventurer's own escapes count.
        if (g.active_side == 0) {
            int32_t& escapes = g.state.escape_count;
            escapes += 1;
            GrantAchievementsAbove(g, escapes, {9, 19, 49, 99, 199}, 415);
        }
        g.action_step = 0;
        EndStoryBattleStep(g);
        return;
    }
    LogLine(g, "逃亡に失敗した....");
    EndAction(g);
}

// At every step of a combination or special move (ids from 100): the side's history is
// emptied, so a combination fires only from techniques performed after it; the adventurer's
// first performance of one is a discovery worth 200 points.
void combination_bookkeeping(Game& g) {
    const int32_t id = g.action_technique;
    if (id < 100 || id >= kSkillIds) return;
    if (g.active_side == 0) {
        g.technique_history[0].fill(-1);
        if (g.state.combo_discovered[id] == 0) {
            g.state.combo_discovered[id] = 1;
            PlaySound(g, "new.wav");
            LogColouredLine(g, "新しい連携技を発見!! > +200pt.", "rainbow");
            AddScore(g, 200);
        }
    } else if (g.skills[id].name.empty()) {
        g.technique_history[1].fill(-1);
    }
}

// The technique's own work at one of its steps (3, 4, 5).
void technique_step(Game& g, int32_t step) {
    if (step < 3) return;  // an action's second advance has no work of its own
    if (g.action_technique == 22) {
        escape(g);
        return;
    }
    RunTechniqueStep(g, step);
}

}  // namespace

void PerformStep(Game& g) {
    if (g.action_step <= 0 || g.button_held == 0) return;
    g.button_held = 0;
    const int32_t s = g.action_step;
    g.action_step = s + 1;
    if (s == 1 && !common_first_step(g)) return;
    combination_bookkeeping(g);
    if (actor_side(g) == 0) PetMoodsFollow(g);
    technique_step(g, s + 1);
}

// The use milestones: at these counts a technique of the adventurer's pays its points and
// a bonus, and the battle waits for the click.
void CheckUseMilestone(Game& g) {
    g.action_step = 0;
    const int32_t id = g.action_technique;
    if (g.active_side == 0 && g.milestone_suppressed == 0 && id >= 0 && id < kSkillIds) {
        const int32_t uses = g.state.skill_use_count[id];
        const std::pair<int32_t, int32_t> milestones[] = {{99, 10},  {199, 20}, {299, 30},
                                                          {399, 40}, {499, 50}, {999, 100}};
        for (auto [count, bonus] : milestones) {
            if (uses != count) continue;
            PlaySound(g, "reaitem2.wav");
            const int32_t points = g.skills[id].score_value + bonus;
            AddScore(g, points);
            LogColouredLine(g,
                            "技『" + g.skills[id].name + "』の発動回数が" + std::to_string(count) +
                                "回を達成!! > 得点 +" + std::to_string(points),
                            "pink2");
            g.awaiting_click = 1;
            return;
        }
    }
    g.milestone_suppressed = 0;
    Arm(g, 1);
}

void EndAction(Game& g) {
    CheckUseMilestone(g);
}

}  // namespace quill
