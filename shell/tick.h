// The game clock: one tick step about every 87 ms, and the governor that keeps the rate
// near 13 to 14 steps a second.
#pragma once

#include <cstdint>

#include "state/game.h"

namespace quill {

// One timer event: a tick step, the governor, the pet panel.
void Timer1Timer(Game& g);

// One step of the game clock (also run at once by every click on the main picture).
void TickStep(Game& g);

// Once the governor's deadline has passed: moves the timer interval toward 13-14 steps per
// second from the steps counted since the last run, never below 70 ms by itself.
void RunGovernor(Game& g);

// The interval the governor gives for `steps` counted in one second at `interval` ms.
int32_t GovernedInterval(int32_t interval, int32_t steps);

}  // namespace quill
