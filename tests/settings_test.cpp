// The remembered desktop settings: read back, a damaged file, what the command line sets
// for one run, and the volumes at the mixer.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QStandardItemModel>

#include <gtest/gtest.h>

#include <fstream>

#include "frontend/desktop_settings.h"
#include "frontend/scaled_window.h"
#include "frontend/settings.h"
#include "frontend/settings_dialog.h"
#include "platform/audio.h"
#include "state/game.h"
#include "temp_folder.h"

namespace quill {
namespace {

using frontend::Settings;
using frontend::SettingsStore;
using testing_support::TempFolder;

QString ini(const TempFolder& folder) {
    return QString::fromStdString((folder.path() / "Quillmoor" / "quillmoor.ini").string());
}

void write(const QString& file, const std::string& text) {
    QDir().mkpath(QFileInfo(file).path());
    std::ofstream(file.toStdString(), std::ios::binary) << text;
}

TEST(Settings, AreReadBackAndWhatCannotBeReadIsTheDefault) {
    Settings custom;
    custom.scale = 3;
    custom.fullscreen = true;
    custom.music_volume = 35;
    custom.effects_volume = 0;
    custom.mute = true;
    custom.message_speed = kMessageFast;
    struct Case {
        const char* what;
        std::string text;  // the file; "-" for none, "/" for a folder in its place
        Settings expected;
        bool damaged;
    };
    Settings music_bad = custom;
    music_bad.music_volume = 100;
    Settings scale_bad;
    scale_bad.scale = 0;
    scale_bad.mute = true;
    const Case cases[] = {
        {"no file", "-", Settings{}, false},
        {"an empty file", "", Settings{}, false},
        {"every value",
         "[display]\nscale=3\nfullscreen=true\n[sound]\nmusic_volume=35\neffects_volume=0\n"
         "mute=true\n[play]\nmessage_speed=3\n",
         custom, false},
        {"one bad value among good ones",
         "[display]\nscale=3\nfullscreen=true\n[sound]\nmusic_volume=lots\neffects_volume=0\n"
         "mute=true\n[play]\nmessage_speed=3\n",
         music_bad, true},
        {"a scale out of range", "[display]\nscale=9\n[sound]\nmute=1\n", scale_bad, true},
        {"a volume over 100", "[sound]\neffects_volume=101\n", Settings{}, true},
        {"a negative volume", "[sound]\nmusic_volume=-5\n", Settings{}, true},
        {"a mute that is neither", "[sound]\nmute=perhaps\n", Settings{}, true},
        {"a message speed past the fastest", "[play]\nmessage_speed=4\n", Settings{}, true},
        {"a negative message speed", "[play]\nmessage_speed=-1\n", Settings{}, true},
        {"a message speed in words", "[play]\nmessage_speed=fast\n", Settings{}, true},
        {"bytes that are no text", std::string("[display]\nscale=\x01\xff\xfe\x00 2\n", 20),
         Settings{}, true},
        {"a folder in the file's place", "/", Settings{}, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const QString file = ini(folder);
        if (c.text == "/") {
            QDir().mkpath(file);
        } else if (c.text != "-") {
            write(file, c.text);
        }
        const SettingsStore store(file);
        EXPECT_EQ(store.settings(), c.expected) << c.what;
        EXPECT_EQ(store.damaged(), c.damaged) << c.what;
    }
}

TEST(Settings, ADamagedFileIsKeptAsideWhenNewSettingsAreWritten) {
    TempFolder folder;
    const QString file = ini(folder);
    const std::string damaged = "[sound]\nmusic_volume=\xff\xfe\n";
    write(file, damaged);
    SettingsStore store(file);
    ASSERT_TRUE(store.damaged());
    Settings next;
    next.music_volume = 20;
    ASSERT_TRUE(store.save(next));
    EXPECT_FALSE(store.damaged());
    EXPECT_EQ(SettingsStore(file).settings(), next);
    const QStringList aside =
        QDir(QFileInfo(file).path()).entryList({"quillmoor.ini.damaged-*"}, QDir::Files);
    ASSERT_EQ(aside.size(), 1);
    QFile kept(QFileInfo(file).path() + "/" + aside[0]);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toStdString(), damaged);
}

TEST(Settings, TheCommandLinesValuesAreForOneRunAndThePlayersChangesAreRemembered) {
    TempFolder folder;
    const QString file = ini(folder);
    write(file, "[display]\nscale=2\n[sound]\nmusic_volume=70\n");
    SettingsStore store(file);
    Settings run = store.settings();
    run.music_volume = 10;  // --music-volume 10
    run.scale = 1;          // --scale 1
    QWidget board;
    board.setFixedSize(640, 480);
    frontend::ScaledWindow window(&board);
    platform::Audio audio;
    frontend::DesktopSettings desktop(store, run, window, audio);
    desktop.apply();
    EXPECT_EQ(window.scale(), 1);
    EXPECT_EQ(audio.music_volume(), 10);

    Settings next = desktop.current();
    next.effects_volume = 30;
    desktop.change(next);
    EXPECT_EQ(audio.effects_volume(), 30);
    EXPECT_EQ(audio.music_volume(), 10);
    Settings remembered = SettingsStore(file).settings();
    EXPECT_EQ(remembered.effects_volume, 30);
    EXPECT_EQ(remembered.music_volume, 70) << "the command line's volume is not remembered";
    EXPECT_EQ(remembered.scale, 2) << "nor its scale";

    next.music_volume = 20;
    next.scale = 3;
    desktop.change(next);
    EXPECT_EQ(window.scale(), 3);
    remembered = SettingsStore(file).settings();
    EXPECT_EQ(remembered.music_volume, 20);
    EXPECT_EQ(remembered.scale, 3);
}

// The message speed goes to the game at start and at each change, and, like the volumes, is
// remembered only when the player changes it.
TEST(Settings, TheMessageSpeedReachesTheGameAndIsRememberedWhenChanged) {
    for (int speed : {kMessageOnClick, kMessageSlow, kMessageNormal, kMessageFast}) {
        TempFolder folder;
        SettingsStore store(ini(folder));
        Settings next;
        next.message_speed = speed;
        ASSERT_TRUE(store.save(next));
        EXPECT_EQ(SettingsStore(ini(folder)).settings().message_speed, speed);
    }

    TempFolder folder;
    const QString file = ini(folder);
    write(file, "[play]\nmessage_speed=1\n");
    SettingsStore store(file);
    Settings run = store.settings();
    run.message_speed = kMessageFast;  // what this run has, not what the file says
    QWidget board;
    board.setFixedSize(640, 480);
    frontend::ScaledWindow window(&board);
    platform::Audio audio;
    frontend::DesktopSettings desktop(store, run, window, audio);
    std::vector<int> given;
    desktop.apply_message_speed = [&](int speed) { given.push_back(speed); };
    desktop.apply();
    EXPECT_EQ(given, std::vector<int>{kMessageFast});

    Settings next = desktop.current();
    next.music_volume = 40;
    desktop.change(next);
    EXPECT_EQ(given, std::vector<int>{kMessageFast}) << "an unchanged speed is not given again";
    EXPECT_EQ(SettingsStore(file).settings().message_speed, kMessageSlow)
        << "nor written over the remembered one";

    next.message_speed = kMessageNormal;
    desktop.change(next);
    EXPECT_EQ(given, (std::vector<int>{kMessageFast, kMessageNormal}));
    EXPECT_EQ(SettingsStore(file).settings().message_speed, kMessageNormal);
}

TEST(Settings, VolumesReachTheMixerWhenItOpensAndAtOnceAfter) {
    platform::Audio audio;
    audio.set_volumes(50, 25, false);  // before the device is open
    EXPECT_EQ(audio.mixer_music_volume(), -1);
    if (!audio.ready()) GTEST_SKIP() << "no audio device, not even the dummy one";
    EXPECT_EQ(audio.mixer_music_volume(), 64);
    EXPECT_EQ(audio.mixer_effects_volume(), 32);
    audio.set_volumes(50, 25, true);
    EXPECT_EQ(audio.mixer_music_volume(), 0);
    EXPECT_EQ(audio.mixer_effects_volume(), 0);
    audio.set_volumes(100, 0, false);
    EXPECT_EQ(audio.mixer_music_volume(), 128);
    EXPECT_EQ(audio.mixer_effects_volume(), 0);
    audio.set_volumes(250, -3, false);  // clamped
    EXPECT_EQ(audio.music_volume(), 100);
    EXPECT_EQ(audio.effects_volume(), 0);
}


TEST(Settings, TheDialogOffersOnlyTheSizesThatFitTheScreen) {
    frontend::Settings remembered;
    remembered.scale = 4;  // from a larger screen
    frontend::SettingsDialog dialog(remembered, 2, nullptr);
    auto* items = qobject_cast<QStandardItemModel*>(dialog.scale_box->model());
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(dialog.scale_box->count(), 5);  // 画面に合わせる and ×1 to ×4
    for (int s = 1; s <= 4; ++s) {
        const int row = dialog.scale_box->findData(s);
        ASSERT_GE(row, 0);
        const QString text = items->item(row)->text();
        EXPECT_EQ(items->item(row)->isEnabled(), s <= 2) << s;
        // Every size shows its pixels; those that do not fit say so.
        EXPECT_TRUE(text.contains(QStringLiteral("%1×%2").arg(640 * s).arg(480 * s)));
        EXPECT_EQ(text.contains(QStringLiteral("画面に入りません")), s > 2) << s;
    }
    // The remembered size shows as the one the window has; choosing by key skips the rest.
    EXPECT_EQ(dialog.scale_box->currentData().toInt(), 2);
    int changes = 0;
    dialog.on_change = [&](const frontend::Settings&) { ++changes; };
    dialog.scale_box->setCurrentIndex(dialog.scale_box->findData(1));
    EXPECT_EQ(dialog.settings().scale, 1);
    EXPECT_EQ(changes, 1);
}

// The combo box offers the four speeds, row by row, and a choice takes effect at once.
TEST(Settings, TheDialogChoosesTheMessageSpeed) {
    frontend::Settings remembered;
    remembered.message_speed = kMessageSlow;
    frontend::SettingsDialog dialog(remembered, 2, nullptr);
    QComboBox* box = dialog.message_speed_box;
    ASSERT_EQ(box->count(), 4);
    EXPECT_EQ(box->itemText(kMessageOnClick), QStringLiteral("クリックで送る"));
    EXPECT_EQ(box->itemText(kMessageFast), QStringLiteral("はやい"));
    EXPECT_EQ(box->currentIndex(), kMessageSlow);
    std::vector<int> changes;
    dialog.on_change = [&](const frontend::Settings& s) { changes.push_back(s.message_speed); };
    box->setCurrentIndex(kMessageFast);
    box->setCurrentIndex(kMessageOnClick);
    EXPECT_EQ(changes, (std::vector<int>{kMessageFast, kMessageOnClick}));
    EXPECT_EQ(dialog.settings().message_speed, kMessageOnClick);
}

TEST(Settings, EscapeClosesTheDialogAsItsCloseButtonDoes) {
    frontend::Settings remembered;
    frontend::SettingsDialog dialog(remembered, 2, nullptr);
    dialog.show();
    QApplication::processEvents();
    QWidget* keys = dialog.focusWidget() ? dialog.focusWidget() : &dialog;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(keys, &press);
    QApplication::processEvents();
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
}  // namespace quill
