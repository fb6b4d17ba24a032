#include "battle/sequencer.h"
#include "state/sequence_steps.h"

#include "battle/action_choice.h"
#include "battle/battle_start.h"
#include "battle/turn_steps.h"
#include "battle/victory.h"
#include "view/message_log.h"

namespace quill {
namespace {

const std::string& story_line(const Game& g, int32_t index) {
    static const std::string kNone;
    if (index < 0 || index >= static_cast<int32_t>(g.story_lines.size())) return kNone;
    return g.story_lines[index];
}

void run_numbered_step(Game& g, int32_t s) {
    switch (s) {
        case step::kBattleStart:
            BattleStartStep(g);
            return;
        case step::kTurnStart:
            TurnStartStep(g);
            return;
        case step::kMoveCheck:
            MoveCheckStep(g);
            return;
        case step::kChooseAction:
            ChooseActionStep(g);
            return;
        case step::kCombinationCheck:  // the combination check, when the growth of techniques
                                       // registered it
            if (g.scene_steps[step::kCombinationCheck]) {
                g.scene_steps[step::kCombinationCheck](g);
            } else {
                RunStep(g);
            }
            return;
        case step::kCheckDeaths:
            CheckDeaths(g);
            return;
        case step::kLevelUp:
            CheckLevelUp(g);
            return;
        case step::kNextTurnOrAfterBattle:
            NextTurnOrAfterBattleStep(g);
            return;
        case step::kItemFind:
            ItemFindStep(g);
            return;
        case step::kMilestones:
            MilestoneStep(g);
            return;
        case step::kEndStoryBattle:
            EndStoryBattleStep(g);
            return;
        default:
            if (s >= 0 && s < static_cast<int32_t>(g.scene_steps.size()) && g.scene_steps[s]) {
                g.scene_steps[s](g);
            } else if (s % 10 == 9 && g.enter_area) {
                // A scene whose keeper has no steps of its own: back to the map, never a
                // screen that nothing answers.
                g.sequence_step = -1;
                g.enter_area(g);
            }
            return;
    }
}

}  // namespace

void RunStep(Game& g) {
    if (g.awaiting_click == 1) return;
    const int32_t s = g.sequence_step;
    g.sequence_step = s + 1;
    // A queued story line shows first, one per advance.
    if (!story_line(g, s + 1).empty()) {
        LogLineAndWait(g, story_line(g, s + 1));
        g.story_lines[s + 1].clear();
        if (story_line(g, s + 2).empty()) g.sequence_step = -1;
        return;
    }
    // The told story's last line has had its click like the others: back to the island.
    if (g.return_to_area) {
        g.sequence_step = -1;
        g.action_step = 0;
        g.action_technique = 0;
        g.return_to_area = false;
        g.awaiting_click = 0;
        if (g.enter_area) g.enter_area(g);
        return;
    }
    run_numbered_step(g, s);
}

void Arm(Game& g, int32_t n) {
    g.turn_pending = n > 0 ? n : 1;
}

void RegisterStep(Game& g, int32_t step, void (*run)(Game&)) {
    if (step >= 0 && step < static_cast<int32_t>(g.scene_steps.size())) g.scene_steps[step] = run;
}

}  // namespace quill
