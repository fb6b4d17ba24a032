#include "shell/input.h"

#include <array>
#include <utility>

#include "audio/sound.h"
#include "battle/sequencer.h"
#include "character/creation.h"
#include "explore/background.h"
#include "explore/island.h"
#include "items/achievements.h"
#include "shell/tick.h"
#include "state/save_files.h"
#include "state/state_ops.h"
#include "view/adventurer_pictures.h"
#include "view/command_cards.h"
#include "view/frame.h"
#include "view/message_log.h"

namespace quill {

using platform::MouseButton;

void cgMouseDown(Game& g, const platform::MouseEvent& e) {
    if (g.net_busy) return;  // the picture, the title and the boot screen wait for the network
    if (e.button == MouseButton::Left) g.mouse_down = 1;
    ClickMainPicture(g, e.x, e.y, e.button);
}

void cgMouseUp(Game& g, const platform::MouseEvent& e) {
    if (e.button == MouseButton::Left) {
        g.button_held = 0;
        g.mouse_down = 0;
    }
}

void cgMouseMove(Game& g, const platform::MouseEvent& e) {
    g.pointer_x = e.x;
    g.pointer_y = e.y;
    if (g.screen_mode == kTitle) ColourButtons(g, nullptr);  // off the title's 遊び方
}

void l_btn80MouseDown(Game& g) {
    PlaySound(g, "pi.wav");
    if (g.open_help) g.open_help();
}

bool ConsumeWait(Game& g) {
    if (g.awaiting_click != 1) return false;
    g.awaiting_click = 0;
    // A line that waited in the middle of an action (the pet taking a blow): the click goes
    // on with the action, never runs the turn's next step over an unfinished one.
    if (g.action_step > 0) {
        g.button_held = 1;
        return true;
    }
    RunStep(g);
    return true;
}

void ClickMainPicture(Game& g, int x, int y, MouseButton button) {
    if (button == MouseButton::Right) return;
    if (ConsumeWait(g)) return;
    if (g.game_over == 1) {
        // A click meant for the battle does not skip the red screen: it takes the player
        // to the title only once the screen has stood a moment.
        if (g.death_ticks >= kDeathPauseTicks) ReturnToTitleAfterDeath(g);
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

namespace {

void toggle_network(Game& g) {
    PlaySound(g, "1.wav");
    g.state.net_off = 1 - g.state.net_off;
    save_net_bookkeeping(g);
    g.dialogs->message(g.state.net_off == 0 ? "ネット対応に変更しました"
                                            : "ネット非対応に変更しました");
}

// Starting over asks three times; only "yes", "yes", "no" goes through.
void ask_for_reset(Game& g) {
    PlaySound(g, "1.wav");
    if (!g.dialogs->ask_yes_no("おっと、初期化したい？\n今までの記録とか消えるけどいい？)")) return;
    if (!g.dialogs->ask_yes_no("本当に消えるけどいい？)")) return;
    if (g.dialogs->ask_yes_no("では初期化する場合は「いいえ」を選択してね)")) return;
    reset_game(g);
}

// The panels that lie over the picture, the top one first, each with its close button.
std::array<std::pair<platform::Panel*, platform::Label*>, 4> closable_panels(Game& g) {
    Form& f = g.form;
    return {{{&f.pet_box, &f.l_btn64},
             {&f.world_box, &f.l_btn68},
             {&f.net_box, &f.l_btn69},
             {&f.item_box, &f.l_btn9}}};
}

// The close button of the panel the player sees on top: Escape presses that button.
platform::Label* open_panel_close_button(Game& g) {
    for (const auto& [panel, close] : closable_panels(g)) {
        if (panel->visible && close->visible) return close;
    }
    return nullptr;
}

bool panel_open(Game& g) {
    if (g.form.bp_box.visible) return true;
    for (const auto& entry : closable_panels(g)) {
        if (entry.first->visible) return true;
    }
    return false;
}

// Space: a press of the left button on the picture, held until the key is let go.
void space_down(Game& g) {
    if (g.screen_mode != kGame) {
        ClickMainPicture(g, 0, 0, MouseButton::Left);
        return;
    }
    if (panel_open(g) || g.net_busy) return;
    // The cards wait for a choice, which Space does not make; a waiting line is still taken.
    if (g.command_mode >= 1 && g.awaiting_click == 0) return;
    g.mouse_down = 1;
    ClickMainPicture(g, g.pointer_x, g.pointer_y, MouseButton::Left);
}

}  // namespace

void FormKeyDown(Game& g, platform::Key key) {
    using platform::Key;
    if (key == Key::Enter && (g.screen_mode == kBoot || g.screen_mode == kTitle)) {
        ClickMainPicture(g, 0, 0, MouseButton::Left);
    } else if (key == Key::F10 && g.screen_mode == kBoot) {
        toggle_network(g);
    } else if (key == Key::F1 && g.screen_mode == kBoot) {
        ask_for_reset(g);
    } else if (key == Key::Space) {
        space_down(g);
    } else if (key == Key::Escape) {
        platform::Label* close = open_panel_close_button(g);
        if (close && close->on_mouse_down) close->on_mouse_down(platform::MouseEvent{});
    } else if (key >= Key::Digit1 && key <= Key::Digit9) {
        if (g.screen_mode != kGame || panel_open(g) || g.net_busy || g.awaiting_click == 1) return;
        PressCardByNumber(g, static_cast<int32_t>(key) - static_cast<int32_t>(Key::Digit1) + 1);
    }
}

void FormKeyUp(Game& g, platform::Key key) {
    if (key != platform::Key::Space) return;
    g.button_held = 0;
    g.mouse_down = 0;
}

void l_btn1MouseMove(Game& g, platform::Label& over) {
    ColourButtons(g, &over);
}

void bp_boxMouseMove(Game& g) {
    ColourButtons(g, nullptr);
}

void LeaveBoot(Game& g) {
    if (g.state.save_damaged == 1) {
        g.quit_requested = true;
        return;
    }
    g.screen_mode = kTitle;
    g.form.l_btn80.visible = true;
    ShowBackground(g, "title.bmp");
    PlayMusic(g, "title-low.mp3");
}

void LeaveTitle(Game& g) {
    g.form.l_btn80.visible = false;
    g.form.cg2.picture.load(g.folders.cg_file("00.bmp"));
    PlaySound(g, "pi.wav");
    g.screen_mode = kGame;
    g.game_over = 0;
    if (!adventurer_exists(g)) {
        ShowCreationPanel(g);
        return;
    }
    PlayMusic(g, "not");
    LoadAdventurerPictures(g);
    ResetRunState(g);
    g.sequence_step = -1;
    EnterIsland(g);

    for (int32_t id : LoadAchievements(g.state.load_count)) GrantAchievement(g, id);

    g.run_start_score = g.shown.score = g.state.score;
    g.run_start_money = g.shown.money = g.state.money;
    g.run_start_exp = g.shown.exp = g.adventurer().exp;
}

std::vector<int32_t> LoadAchievements(int32_t loads) {
    struct Milestone {
        bool reached;
        int32_t id;
    };
    const Milestone milestones[] = {{loads > 9, 430},    {loads >= 50, 431},  {loads >= 100, 432},
                                    {loads >= 150, 433}, {loads >= 200, 434}, {loads >= 300, 435},
                                    {loads >= 400, 436}, {loads >= 500, 437}, {loads >= 1000, 438},
                                    {loads >= 2000, 439}};
    std::vector<int32_t> ids;
    for (const Milestone& m : milestones) {
        if (m.reached) ids.push_back(m.id);
    }
    return ids;
}

void ReturnToTitleAfterDeath(Game& g) {
    ClearLog(g);
    ResetRunState(g);
    restore_all(g);
    load_game(g);
    g.state.load_count -= 1;
    g.state.death_count += 1;
    // The reload has just written its own count into the file: the file holds the death now
    // and the load count as it was, or both would be lost at the next exit (and the inn's
    // price, which follows the loads, would climb with every death).
    save_game(g);
    PlaySound(g, "1.wav");
    g.screen_mode = kTitle;
    g.form.l_btn80.visible = true;
    ShowBackground(g, "title.bmp");
}

}  // namespace quill
