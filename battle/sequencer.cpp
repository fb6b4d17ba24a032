#include "battle/sequencer.h"

#include "view/message_log.h"

namespace quill {
namespace {

const std::string& story_line(const Game& g, int32_t index) {
    static const std::string kNone;
    if (index < 0 || index >= static_cast<int32_t>(g.story_lines.size())) return kNone;
    return g.story_lines[index];
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
        if (story_line(g, s + 2).empty()) {
            g.sequence_step = -1;
            if (g.return_to_area) {
                g.action_step = 0;
                g.action_technique = 0;
                g.return_to_area = false;
                g.awaiting_click = 0;
                if (g.enter_area) g.enter_area(g);
            }
        }
        return;
    }
    // The numbered steps of battles and scenes run from here.
}

void Arm(Game& g, int32_t n) {
    g.turn_pending = n > 0 ? n : 1;
}

}  // namespace quill
