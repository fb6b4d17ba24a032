#include "audio/sound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <thread>

#include "test_support.h"

namespace quill {
namespace {

using testing_support::GameFixture;

// A mono 16-bit WAV of a sine tone.
void write_tone(const std::filesystem::path& path, double seconds) {
    const int rate = 22050;
    const int samples = static_cast<int>(seconds * rate);
    std::string data;
    for (int i = 0; i < samples; ++i) {
        int16_t v = static_cast<int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / rate));
        data.append(reinterpret_cast<const char*>(&v), 2);
    }
    std::string out = "RIFF";
    auto put32 = [&](uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    put32(36 + static_cast<uint32_t>(data.size()));
    out += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(rate * 2);
    put16(2);
    put16(16);
    out += "data";
    put32(static_cast<uint32_t>(data.size()));
    out += data;
    std::ofstream(path, std::ios::binary) << out;
}

struct SoundFixture : GameFixture {
    SoundFixture() {
        game.closing = 1;
        write_tone(game.folders.dat_file("1.wav"), 1.0);
        write_tone(game.folders.dat_file("coin.wav"), 1.0);
        write_tone(game.folders.dat_file("short.wav"), 0.15);
        std::ofstream(game.folders.dat_file("broken.wav")) << "RIFF not really";
    }
};

TEST(Sound, OneEffectPlayedTwiceOverlapsAndIsLoadedOnce) {
    SoundFixture f;
    Game& g = f.game;
    if (!g.audio.ready()) GTEST_SKIP() << "no audio device, not even the dummy one";
    PlaySound(g, "1.wav");
    PlaySound(g, "1.wav");
    EXPECT_EQ(g.audio.effect_count(), 1);
    EXPECT_EQ(g.audio.playing_effects(), 2);
    PlaySound(g, "coin.wav");
    EXPECT_EQ(g.audio.effect_count(), 2);
}

TEST(Sound, ErrorsAreSilent) {
    SoundFixture f;
    Game& g = f.game;
    PlaySound(g, "");
    PlaySound(g, "missing.wav");
    PlaySound(g, "broken.wav");
    PlaySound(g, "broken.wav");
    PlayMusic(g, "missing.mp3");
    PlayMusic(g, "not");
    PlayMusic(g, "not");
    EXPECT_FALSE(g.audio.music_playing());
    EXPECT_LE(g.audio.playing_effects(), 0);
}

TEST(Sound, TheQueuePlaysOneANameATickAndDropsTheEleventh) {
    SoundFixture f;
    Game& g = f.game;
    for (int i = 0; i < 11; ++i) QueueSound(g, "s" + std::to_string(i) + ".wav");
    EXPECT_EQ(g.sound_queue[0], "s0.wav");
    EXPECT_EQ(g.sound_queue[9], "s9.wav");
    ServeSoundQueue(g);
    EXPECT_EQ(g.sound_queue[0], "s1.wav");
    EXPECT_EQ(g.sound_queue[8], "s9.wav");
    EXPECT_TRUE(g.sound_queue[9].empty());
    QueueSound(g, "late.wav");
    EXPECT_EQ(g.sound_queue[9], "late.wav");
    for (int i = 0; i < 12; ++i) ServeSoundQueue(g);
    for (const auto& entry : g.sound_queue) EXPECT_TRUE(entry.empty());
}

// Waits until the mixer reports the end of the track (the dummy device plays in real time).
bool wait_for_track_end(Game& g) {
    for (int i = 0; i < 300 && g.audio.music_playing(); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    return !g.audio.music_playing();
}

TEST(Sound, ABattleTrackLoopsAndAMapTrackEnds) {
    for (int battle : {1, 0}) {
        SoundFixture f;
        Game& g = f.game;
        if (!g.audio.ready()) GTEST_SKIP() << "no audio device";
        g.in_battle = battle;
        PlayMusic(g, "short.wav");
        ASSERT_TRUE(g.audio.music_playing());
        ASSERT_TRUE(wait_for_track_end(g));
        DeliverMusicNotices(g);
        EXPECT_EQ(g.audio.music_playing(), battle == 1) << battle;
        DeliverMusicNotices(g);  // one end, one notice
    }
}

TEST(Sound, StoppingIsNoEndOfTrackAndClosingSilencesMusic) {
    SoundFixture f;
    Game& g = f.game;
    if (!g.audio.ready()) GTEST_SKIP() << "no audio device";
    g.in_battle = 1;
    PlayMusic(g, "short.wav");
    PlayMusic(g, "not");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    DeliverMusicNotices(g);
    EXPECT_FALSE(g.audio.music_playing());
    g.closing = -1;
    PlayMusic(g, "coin.wav");
    EXPECT_FALSE(g.audio.music_playing());
}

}  // namespace
}  // namespace quill
