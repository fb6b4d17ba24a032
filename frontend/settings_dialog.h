// The settings dialog (F2): the window's scale, full screen, the music's and the effects'
// volumes and mute, and how waiting lines go on. Every change takes effect at once. It also
// opens the guide to the game (遊び方).
#pragma once

#include <QDialog>

#include <functional>

#include "frontend/settings.h"

class QCheckBox;
class QComboBox;
class QSlider;
class QLabel;
class QPushButton;

namespace quill::frontend {

class SettingsDialog : public QDialog {
  public:
    // `largest_scale`: the largest window factor that fits the screen; larger ones are
    // offered greyed.
    SettingsDialog(const Settings& settings, int largest_scale, QWidget* parent);

    const Settings& settings() const { return settings_; }
    // Called with the whole settings after each change the player makes.
    std::function<void(const Settings&)> on_change;

    QComboBox* scale_box = nullptr;
    QCheckBox* fullscreen_box = nullptr;
    QSlider* music_slider = nullptr;
    QSlider* effects_slider = nullptr;
    QCheckBox* mute_box = nullptr;
    QComboBox* message_speed_box = nullptr;  // the row is the speed (kMessageOnClick ..)
    QPushButton* help_button = nullptr;      // 遊び方

  private:
    void changed();
    void show_values();

    Settings settings_;
    QLabel* music_value_ = nullptr;
    QLabel* effects_value_ = nullptr;
};

}  // namespace quill::frontend
