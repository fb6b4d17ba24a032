#include "platform/audio.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <atomic>

namespace quill::platform {
namespace {

// Channels for overlapping effects; a busy mixer drops the newest effect, never waits.
constexpr int kEffectChannels = 32;

// Set by the mixer's thread when a track ends by itself, read by the game's thread.
std::atomic<bool> g_music_finished{false};
// True while the game itself stops the track, so that stop is not taken for an end.
std::atomic<bool> g_stopping{false};

void on_music_finished() {
    if (!g_stopping.load()) g_music_finished.store(true);
}

}  // namespace

Audio::Audio() = default;

Audio::~Audio() {
    if (!open_) return;
    Mix_HookMusicFinished(nullptr);
    Mix_HaltChannel(-1);
    if (music_) {
        g_stopping = true;
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        g_stopping = false;
    }
    for (auto& [name, chunk] : effects_) {
        if (chunk) Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool Audio::ready() {
    if (tried_) return open_;
    tried_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_AllocateChannels(kEffectChannels);
    Mix_HookMusicFinished(on_music_finished);
    open_ = true;
    apply_volumes();
    return true;
}

void Audio::play_effect(const std::string& name, const std::filesystem::path& file) {
    if (name.empty()) return;
    ++effect_requests_;
    last_effect_ = name;
    if (!ready()) return;
    auto it = effects_.find(name);
    if (it == effects_.end()) {
        // A file that fails to load is remembered as such and not read again.
        it = effects_.emplace(name, Mix_LoadWAV(file.c_str())).first;
    }
    if (it->second) Mix_PlayChannel(-1, it->second, 0);
}

int Audio::playing_effects() const {
    return open_ ? Mix_Playing(-1) : 0;
}

void Audio::play_music(std::filesystem::path file) {
    if (!ready()) return;
    stop_music();
    music_file_.clear();
    music_ = Mix_LoadMUS(file.c_str());
    if (!music_) return;
    g_music_finished = false;
    if (Mix_PlayMusic(music_, 1) != 0) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
        return;
    }
    music_file_ = std::move(file);
}

void Audio::stop_music() {
    if (!open_ || !music_) return;
    g_stopping = true;
    Mix_HaltMusic();
    g_stopping = false;
    Mix_FreeMusic(music_);
    music_ = nullptr;
    g_music_finished = false;
}

bool Audio::music_playing() const {
    return open_ && Mix_PlayingMusic() != 0;
}

namespace {

int mixer_level(int percent, bool muted) {
    if (muted) return 0;
    return (std::clamp(percent, 0, 100) * MIX_MAX_VOLUME + 50) / 100;
}

}  // namespace

void Audio::set_volumes(int music, int effects, bool muted) {
    music_volume_ = std::clamp(music, 0, 100);
    effects_volume_ = std::clamp(effects, 0, 100);
    muted_ = muted;
    apply_volumes();
}

void Audio::apply_volumes() {
    if (!open_) return;
    Mix_VolumeMusic(mixer_level(music_volume_, muted_));
    Mix_Volume(-1, mixer_level(effects_volume_, muted_));
}

int Audio::mixer_music_volume() const {
    return open_ ? Mix_VolumeMusic(-1) : -1;
}

int Audio::mixer_effects_volume() const {
    return open_ ? Mix_Volume(-1, -1) : -1;
}

bool Audio::take_music_finished() {
    return g_music_finished.exchange(false);
}

}  // namespace quill::platform
