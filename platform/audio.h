// Sound effects and music on SDL2_mixer. Every failure is silent: without a device, or
// with a missing or damaged file, the call simply plays nothing.
#pragma once

#include <filesystem>
#include <map>
#include <string>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace quill::platform {

class Audio {
  public:
    Audio();
    ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    // Opens the audio device on first use; false when there is none (the game is silent).
    bool ready();

    // Plays the effect once without waiting. `name` identifies the effect: the file is read
    // and decoded the first time the name is played and kept for later plays. Several plays
    // overlap, each on a channel of its own.
    void play_effect(const std::string& name, const std::filesystem::path& file);
    // The effects asked for so far, and the last one (also without a sound device).
    int effect_requests() const { return effect_requests_; }
    const std::string& last_effect() const { return last_effect_; }
    // How many effects have been loaded (one per distinct name played).
    int effect_count() const { return static_cast<int>(effects_.size()); }
    // How many effect channels are sounding now.
    int playing_effects() const;

    // Starts the track from the beginning, replacing the one that played.
    void play_music(std::filesystem::path file);
    void stop_music();
    bool music_playing() const;
    // The file of the current track (empty when none was started or it failed to open).
    const std::filesystem::path& music_file() const { return music_file_; }

    // True once after a track came to its natural end. The mixer reports the end on its
    // own thread; the game collects it here, on the game's thread.
    bool take_music_finished();

    // Volumes 0..100 for the music and for the effects, and mute over both; applied to the
    // mixer at once (and when the device opens later).
    void set_volumes(int music, int effects, bool muted);
    int music_volume() const { return music_volume_; }
    int effects_volume() const { return effects_volume_; }
    bool muted() const { return muted_; }
    // What the mixer itself holds now, 0..128 (-1 without a device).
    int mixer_music_volume() const;
    int mixer_effects_volume() const;

  private:
    void apply_volumes();

    int music_volume_ = 100;
    int effects_volume_ = 100;
    bool muted_ = false;
    int effect_requests_ = 0;
    std::string last_effect_;
    bool tried_ = false;
    bool open_ = false;
    std::map<std::string, Mix_Chunk*> effects_;
    Mix_Music* music_ = nullptr;
    std::filesystem::path music_file_;
};

}  // namespace quill::platform
