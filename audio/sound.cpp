#include "audio/sound.h"

#include <string>

namespace quill {

void PlaySound(Game& g, std::string_view name) {
    if (name.empty()) return;
    g.audio.play_effect(std::string(name), g.folders.asset_file(name));
}

void QueueSound(Game& g, std::string_view name) {
    for (auto& entry : g.sound_queue) {
        if (entry.empty()) {
            entry = name;
            return;
        }
    }
}

void ServeSoundQueue(Game& g) {
    PlaySound(g, g.sound_queue[0]);
    for (int i = 0; i + 1 < kSoundQueueLength; ++i) {
        g.sound_queue[i] = std::move(g.sound_queue[i + 1]);
    }
    g.sound_queue[kSoundQueueLength - 1].clear();
}

void PlayMusic(Game& g, std::string_view name) {
    if (g.closing == -1) return;
    if (name == "not") {
        g.audio.stop_music();
    } else if (!name.empty()) {
        g.audio.play_music(g.folders.asset_file(name));
    }
}

void mid_pNotify(Game& g) {
    if (g.in_battle != 1 || !g.window_visible) return;
    if (!g.audio.music_file().empty()) g.audio.play_music(g.audio.music_file());
}

void DeliverMusicNotices(Game& g) {
    if (g.audio.take_music_finished()) mid_pNotify(g);
}

}  // namespace quill
