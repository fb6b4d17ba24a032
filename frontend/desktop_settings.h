// The player's settings put to work: the window's scale and full screen, the mixer's
// volumes, the game's message speed; what the player changes (F2, F11) is remembered, what
// the command line set is for this run only.
#pragma once

#include <functional>

#include "frontend/settings.h"

namespace quill::platform {
class Audio;
}

namespace quill::frontend {

class ScaledWindow;

class DesktopSettings {
  public:
    // `current` is the remembered settings with this run's command line over them.
    DesktopSettings(SettingsStore& store, const Settings& current, ScaledWindow& window,
                    platform::Audio& audio);

    const Settings& current() const { return current_; }
    // Puts every setting to work.
    void apply();
    // The player changed settings: they take effect and are remembered (only the ones that
    // changed, so the command line's stay for this run alone).
    void change(const Settings& next);
    // Opens the settings dialog over the window and waits until it is closed (or, without
    // wait_for_dialog, returns at once and leaves it open).
    void open_dialog();
    bool wait_for_dialog = true;

    // Hands the message speed to the game (kMessageOnClick .. kMessageFast); set before
    // apply().
    std::function<void(int)> apply_message_speed;

  private:
    void apply_scale();

    SettingsStore& store_;
    Settings current_;
    ScaledWindow& window_;
    platform::Audio& audio_;
};

}  // namespace quill::frontend
