#include "shell/tick.h"

#include <array>
#include <string>

#include "audio/sound.h"
#include "battle/perform.h"
#include "battle/sequencer.h"
#include "character/pet_panel.h"
#include "explore/field_commands.h"
#include "explore/island.h"
#include "items/equipment_status.h"
#include "items/player_clamp.h"
#include "shell/input.h"
#include "shell/title_stars.h"
#include "view/frame.h"

namespace quill {
namespace {

constexpr std::array<const char*, 6> kAttributeNames = {"攻撃力", "防御力", "最大HP",
                                                        "最大MP", "命中率", "回避率"};
constexpr std::array<const char*, 6> kTypeNames = {"お金持ち", "冒険者", "臆病者",
                                                   "反社会者", "賢者",   "狂人"};

const char* name_of(const std::array<const char*, 6>& names, int32_t index) {
    return index >= 0 && index < 6 ? names[index] : "";
}

void tick_title(Game& g) {
    g.cg().draw(g.background(), 0, 0);
    g.bak.fill_rect(-1, -1, 641, 481, platform::colors::kBlack);
    g.cg().or_combine(g.bak, 0, 0, kBoardWidth, kBoardHeight);
    if (g.screen_mode == kTitle) DrawTitleStars(g);
}

// The speed setting thins out the expensive part of the step.
bool speed_gate_open(const Game& g) {
    if (g.state.game_speed == 1) return g.tick_count % 4 != 0;
    if (g.state.game_speed == 2) return g.tick_count % 3 != 0;
    return true;
}

// Ticks a waiting line stands before the message speed takes it on.
int32_t auto_advance_ticks(int32_t speed) {
    switch (speed) {
        case kMessageSlow:
            return 28;
        case kMessageNormal:
            return 14;
        case kMessageFast:
            return 6;
        default:
            return 0;  // on a click only
    }
}

// With a message speed set, a wait that has stood long enough goes on as a click would. A
// death's red screen always waits for the player.
void advance_by_itself(Game& g) {
    if (!WaitingForClick(g) || g.game_over == 1) {
        g.waited_ticks = 0;
        return;
    }
    g.waited_ticks += 1;
    const int32_t after = auto_advance_ticks(g.message_speed);
    if (after == 0 || g.waited_ticks < after) return;
    g.waited_ticks = 0;
    if (!ConsumeWait(g)) g.button_held = 1;  // the turn's next step, as a click runs it
}

void tick_game(Game& g) {
    Form& f = g.form;
    if (g.game_over == 1 && g.death_ticks < kDeathPauseTicks) g.death_ticks += 1;
    if (f.bp_box.visible) {
        f.bp_l.caption = std::string("上昇ﾊﾟﾗﾒｰﾀｰ:【") +
                         name_of(kAttributeNames, g.state.raised_attribute) + "】 タイプ:≪" +
                         name_of(kTypeNames, g.state.char_type) + "≫";
        return;
    }
    if (f.item_box.visible && g.item_screen == ItemScreen::kEquipment) {
        RefreshEquipmentStatusText(g);
    }
    MarkPlacesThatAct(g);
    if (!speed_gate_open(g)) return;
    // While the left button stays down every tick is an advance (a waiting line still
    // wants its own click, and the cards want a press of their own).
    if (g.mouse_down == 1 && g.awaiting_click == 0 && g.command_mode == 0) g.button_held = 1;
    ComposeFrame(g);
    if (g.clicked_card >= 0) {
        const int32_t card = g.clicked_card;
        g.clicked_card = -1;
        CommandCardClicked(g, card);
    }
    PerformStep(g);
    advance_by_itself(g);
    if (g.turn_pending >= 1 && g.button_held == 1 && g.command_mode == 0) {
        PlaySound(g, "1.wav");
        g.turn_pending = 0;
        g.button_held = 0;
        RunStep(g);
    }
    ClampPlayerState(g);
}

}  // namespace

void TickStep(Game& g) {
    g.steps_this_second += 1;
    ServeSoundQueue(g);
    g.tick_count = g.tick_count >= 999 ? 0 : g.tick_count + 1;
    switch (g.screen_mode) {
        case kBoot:
            g.cg().draw(g.background(), 0, 0);
            break;
        case kTitle:
            if (!g.form.bp_box.visible) tick_title(g);
            break;
        case kGame:
            tick_game(g);
            break;
        default:
            break;
    }
}

int32_t GovernedInterval(int32_t interval, int32_t steps) {
    if (steps >= 15) return interval + steps - 14;
    if (steps <= 12 && interval + steps - 14 >= 70) return interval + steps - 14;
    return interval;
}

void RunGovernor(Game& g) {
    const double now = g.clock->now_days();
    if (now <= g.governor_deadline) return;
    g.governor_deadline = now + platform::kOneSecondInDays;
    g.timer_interval = GovernedInterval(g.timer_interval, g.steps_this_second);
    g.steps_this_second = 0;
}

void Timer1Timer(Game& g) {
    TickStep(g);
    RunGovernor(g);
    if (g.form.pet_box.visible) RefreshPetPanelTexts(g);
}

}  // namespace quill
