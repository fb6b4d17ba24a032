#include "audio/sound.h"

namespace quill {

void PlaySound(Game&, std::string_view) {
    // The mixer back end plays the named WAV here.
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
    for (int i = 0; i + 1 < kSoundQueueLength; ++i)
        g.sound_queue[i] = std::move(g.sound_queue[i + 1]);
    g.sound_queue[kSoundQueueLength - 1].clear();
}

void PlayMusic(Game& g, std::string_view) {
    if (g.closing == -1) return;
    // The mixer back end starts or stops the named MP3 here.
}

}  // namespace quill
