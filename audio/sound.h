// Sound effects and music, played by name from the dat/ folder.
#pragma once

#include <string_view>

#include "state/game.h"

namespace quill {

// Plays the effect at once without waiting; copies of one effect overlap. Silent on errors.
void PlaySound(Game& g, std::string_view name);
// Puts the effect into the first free entry of the sound queue; dropped when all are taken.
void QueueSound(Game& g, std::string_view name);
// Plays the queue's head and moves the rest down one place; once per tick step.
void ServeSoundQueue(Game& g);
// "not" stops the music; any other name starts that track from the beginning.
void PlayMusic(Game& g, std::string_view name);
// The end of a track: during a battle the same track starts again.
void mid_pNotify(Game& g);
// Hands the mixer's end-of-track notices to mid_pNotify, on the game's thread.
void DeliverMusicNotices(Game& g);

}  // namespace quill
