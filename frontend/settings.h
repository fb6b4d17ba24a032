// The player's desktop settings: the window's scale, full screen, the sound and how waiting
// lines go on. They live in the user's configuration folder (QSettings), never beside the
// saves.
#pragma once

#include <QString>

namespace quill::frontend {

struct Settings {
    int scale = 0;  // 1..4, or 0: the largest that fits the screen
    bool fullscreen = false;
    int music_volume = 100;    // 0..100
    int effects_volume = 100;  // 0..100
    bool mute = false;
    int message_speed = 0;  // kMessageOnClick .. kMessageFast (state/game.h)

    bool operator==(const Settings&) const = default;
};

constexpr int kMaxScale = 4;

// The settings file of this user: <configuration folder>/Quillmoor/quillmoor.ini.
QString default_settings_file();

// The remembered settings and the file they live in.
class SettingsStore {
  public:
    explicit SettingsStore(QString file);

    const Settings& settings() const { return settings_; }
    // True when the file was there but could not be read whole: what could not be read is
    // the default, and the file is kept aside (never written over) at the next save.
    bool damaged() const { return damaged_; }
    const QString& file() const { return file_; }

    // Remembers the settings; false when the file cannot be written.
    bool save(const Settings& settings);

  private:
    QString file_;
    Settings settings_;
    bool damaged_ = false;
};

}  // namespace quill::frontend
