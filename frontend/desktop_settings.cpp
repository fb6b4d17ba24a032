#include "frontend/desktop_settings.h"

#include <iostream>

#include "frontend/scaled_window.h"
#include "frontend/settings_dialog.h"
#include "platform/audio.h"

namespace quill::frontend {

DesktopSettings::DesktopSettings(SettingsStore& store, const Settings& current,
                                 ScaledWindow& window, platform::Audio& audio)
    : store_(store), current_(current), window_(window), audio_(audio) {
    window_.on_settings_key = [this] { open_dialog(); };
    window_.on_fullscreen_changed = [this](bool on) {
        if (on == current_.fullscreen) return;
        Settings next = current_;
        next.fullscreen = on;
        change(next);
    };
}

void DesktopSettings::apply_scale() {
    window_.set_scale(current_.scale > 0 ? current_.scale : ScaledWindow::screen_scale());
}

void DesktopSettings::apply() {
    apply_scale();
    window_.set_fullscreen(current_.fullscreen);
    audio_.set_volumes(current_.music_volume, current_.effects_volume, current_.mute);
    if (apply_message_speed) apply_message_speed(current_.message_speed);
}

void DesktopSettings::change(const Settings& next) {
    const Settings before = current_;
    current_ = next;
    if (next.scale != before.scale) apply_scale();
    if (next.fullscreen != before.fullscreen) window_.set_fullscreen(next.fullscreen);
    audio_.set_volumes(next.music_volume, next.effects_volume, next.mute);
    if (next.message_speed != before.message_speed && apply_message_speed)
        apply_message_speed(next.message_speed);

    Settings remembered = store_.settings();
    if (next.scale != before.scale) remembered.scale = next.scale;
    if (next.fullscreen != before.fullscreen) remembered.fullscreen = next.fullscreen;
    if (next.music_volume != before.music_volume) remembered.music_volume = next.music_volume;
    if (next.effects_volume != before.effects_volume)
        remembered.effects_volume = next.effects_volume;
    if (next.mute != before.mute) remembered.mute = next.mute;
    if (next.message_speed != before.message_speed) remembered.message_speed = next.message_speed;
    if (!store_.save(remembered)) {
        std::cerr << "quillmoor: the settings could not be written to "
                  << store_.file().toStdString() << '\n';
    }
}

void DesktopSettings::open_dialog() {
    if (!wait_for_dialog) {
        // A script's run goes on with the settings open (its own keys close them).
        auto* dialog = new SettingsDialog(current_, window_.largest_windowed_scale(), &window_);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->on_change = [this](const Settings& next) { change(next); };
        dialog->open();
        return;
    }
    SettingsDialog dialog(current_, window_.largest_windowed_scale(), &window_);
    dialog.on_change = [this](const Settings& next) { change(next); };
    dialog.exec();
}

}  // namespace quill::frontend
