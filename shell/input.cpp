#include "shell/input.h"

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "character/adventurer_pictures.h"
#include "explore/island.h"
#include "items/achievements.h"
#include "shell/background.h"
#include "shell/tick.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/message_log.h"

namespace quill {

using platform::MouseButton;

void cgMouseDown(Game& g, const platform::MouseEvent& e) {
    ClickMainPicture(g, e.x, e.y, e.button);
}

void cgMouseUp(Game& g, const platform::MouseEvent& e) {
    if (e.button == MouseButton::Left) g.button_held = 0;
}

void cgMouseMove(Game& g, const platform::MouseEvent& e) {
    g.pointer_x = e.x;
    g.pointer_y = e.y;
}

bool ConsumeWait(Game& g) {
    if (g.awaiting_click != 1) return false;
    g.awaiting_click = 0;
    RunStep(g);
    return true;
}

void ClickMainPicture(Game& g, int x, int y, MouseButton button) {
    if (button == MouseButton::Right) return;
    if (ConsumeWait(g)) return;
    if (g.game_over == 1) {
        ReturnToTitleAfterDeath(g);
        return;
    }
    g.pointer_x = x;
    g.pointer_y = y;
    g.button_held = 1;
    TickStep(g);
    if (g.screen_mode == kBoot) {
        LeaveBoot(g);
    } else if (g.screen_mode == kTitle) {
        LeaveTitle(g);
    }
}

void FormKeyDown(Game& g, platform::Key key) {
    if (key == platform::Key::Enter && (g.screen_mode == kBoot || g.screen_mode == kTitle)) {
        ClickMainPicture(g, 0, 0, MouseButton::Left);
    }
}

void LeaveBoot(Game& g) {
    if (g.state.save_damaged == 1) {
        g.quit_requested = true;
        return;
    }
    g.screen_mode = kTitle;
    ShowBackground(g, "title.bmp");
    PlayMusic(g, "title-low.mp3");
}

void LeaveTitle(Game& g) {
    g.form.cg2.picture.load(g.folders.cg_file("00.bmp"));
    PlaySound(g, "pi.wav");
    g.screen_mode = kGame;
    g.game_over = 0;
    if (!adventurer_exists(g)) {
        g.form.bp_box.left = 0;
        g.form.bp_box.top = 0;
        g.form.bp_box.visible = true;
        return;
    }
    PlayMusic(g, "not");
    LoadAdventurerPictures(g);
    ResetRunState(g);
    g.sequence_step = -1;
    EnterIsland(g);

    const int32_t loads = g.state.load_count;
    struct Milestone {
        bool reached;
        int32_t id;
    };
    const Milestone milestones[] = {{loads > 9, 430},    {loads >= 50, 431},  {loads >= 100, 432},
                                    {loads >= 150, 433}, {loads >= 200, 434}, {loads >= 300, 435},
                                    {loads >= 400, 436}, {loads >= 500, 437}, {loads >= 1000, 438},
                                    {loads >= 2000, 439}};
    for (const Milestone& m : milestones) {
        if (m.reached) GrantAchievement(g, m.id);
    }

    g.run_start_score = g.shown.score = g.state.score;
    g.run_start_money = g.shown.money = g.state.money;
    g.run_start_exp = g.shown.exp = g.adventurer().exp;
}

void ReturnToTitleAfterDeath(Game& g) {
    ClearLog(g);
    ResetRunState(g);
    restore_all(g);
    load_game(g);
    g.state.load_count -= 1;
    g.state.death_count += 1;
    PlaySound(g, "1.wav");
    g.screen_mode = kTitle;
    ShowBackground(g, "title.bmp");
}

}  // namespace quill
