// Clicks and keys of the main window, turned into the action of the active screen.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/widgets.h"
#include "state/game.h"

namespace quill {

void cgMouseDown(Game& g, const platform::MouseEvent& e);
void cgMouseUp(Game& g, const platform::MouseEvent& e);
void cgMouseMove(Game& g, const platform::MouseEvent& e);
// The title's 遊び方: the short guide to the game.
void l_btn80MouseDown(Game& g);
// Enter and the function keys as the screens give them; Space advances like a click on the
// picture (held, like the held button), 1 to 9 press the shown cards, Escape closes the
// panel on top as its close button does.
void FormKeyDown(Game& g, platform::Key key);
void FormKeyUp(Game& g, platform::Key key);

// A press on the main picture at (x, y).
void ClickMainPicture(Game& g, int x, int y, platform::MouseButton button);
// True when the press only acknowledged a waiting log line.
bool ConsumeWait(Game& g);

// The pointer over a button label: every button idle, this one lit.
void l_btn1MouseMove(Game& g, platform::Label& over);
// The pointer over a panel, a text label or a list: every button idle.
void bp_boxMouseMove(Game& g);

void LeaveBoot(Game& g);
void LeaveTitle(Game& g);
// The achievements for the number of loads, granted when a game starts from the title.
std::vector<int32_t> LoadAchievements(int32_t loads);
void ReturnToTitleAfterDeath(Game& g);

}  // namespace quill
