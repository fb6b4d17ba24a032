#include "frontend/settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <filesystem>
#include <optional>

#include "platform/file_io.h"
#include "state/game.h"

namespace quill::frontend {
namespace {

const char* const kScale = "display/scale";
const char* const kFullscreen = "display/fullscreen";
const char* const kMusic = "sound/music_volume";
const char* const kEffects = "sound/effects_volume";
const char* const kMute = "sound/mute";
const char* const kMessageSpeed = "play/message_speed";

// A whole number in [low, high] written as such, nothing else.
std::optional<int> read_int(const QSettings& s, const char* key, int low, int high) {
    bool ok = false;
    const int v = s.value(key).toString().trimmed().toInt(&ok, 10);
    if (!ok || v < low || v > high) return std::nullopt;
    return v;
}

std::optional<bool> read_bool(const QSettings& s, const char* key) {
    const QString v = s.value(key).toString().trimmed().toLower();
    if (v == "true" || v == "1") return true;
    if (v == "false" || v == "0") return false;
    return std::nullopt;
}

}  // namespace

QString default_settings_file() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Quillmoor/quillmoor.ini";
}

SettingsStore::SettingsStore(QString file) : file_(std::move(file)) {
    const QFileInfo info(file_);
    if (!info.exists()) return;  // the first run: the defaults
    if (!info.isFile() || !info.isReadable()) {
        damaged_ = true;
        return;
    }
    QSettings s(file_, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) {
        damaged_ = true;
        return;
    }
    // Each value that is there and good is kept; one that is there and bad is the default.
    auto take_int = [&](const char* key, int low, int high, int& out) {
        if (!s.contains(key)) return;
        if (auto v = read_int(s, key, low, high)) {
            out = *v;
        } else {
            damaged_ = true;
        }
    };
    auto take_bool = [&](const char* key, bool& out) {
        if (!s.contains(key)) return;
        if (auto v = read_bool(s, key)) {
            out = *v;
        } else {
            damaged_ = true;
        }
    };
    take_int(kScale, 0, kMaxScale, settings_.scale);
    take_bool(kFullscreen, settings_.fullscreen);
    take_int(kMusic, 0, 100, settings_.music_volume);
    take_int(kEffects, 0, 100, settings_.effects_volume);
    take_bool(kMute, settings_.mute);
    take_int(kMessageSpeed, kMessageOnClick, kMessageFast, settings_.message_speed);
}

bool SettingsStore::save(const Settings& settings) {
    if (damaged_ && QFileInfo::exists(file_)) {
        // The unreadable file is kept under a dated name, in case somebody wants it back.
        const std::filesystem::path path = file_.toStdString();
        if (!platform::keep_aside(path, path.parent_path())) return false;
    }
    damaged_ = false;
    QSettings s(file_, QSettings::IniFormat);
    s.setValue(kScale, settings.scale);
    s.setValue(kFullscreen, settings.fullscreen);
    s.setValue(kMusic, settings.music_volume);
    s.setValue(kEffects, settings.effects_volume);
    s.setValue(kMute, settings.mute);
    s.setValue(kMessageSpeed, settings.message_speed);
    s.sync();
    if (s.status() != QSettings::NoError) return false;
    // QSettings replaces the file whole; its folder is flushed so the new one stays.
    if (!platform::sync_folder(std::filesystem::path(file_.toStdString()).parent_path()))
        return false;
    settings_ = settings;
    return true;
}

}  // namespace quill::frontend
