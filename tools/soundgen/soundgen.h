// Shared declarations for quillmoor-soundgen, the program that makes every sound effect and
// music track the game loads from dat/.
//
// No recordings are used: each sound is built from oscillators and noise by the code in
// this folder, from fixed seeds, so every run writes byte-identical files.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace quill::soundgen {

// ---------------------------------------------------------------- effects (effects.cpp)

// File names of every effect, e.g. "coin.wav", in a fixed order.
std::vector<std::string> EffectNames();
// Renders one effect, mono at kRate, already levelled (peak below full scale).
Samples MakeEffect(const std::string& name);

// ---------------------------------------------------------------- music (music.cpp)

struct StereoTrack {
    Samples left;
    Samples right;
};

// File names of every music track, e.g. "title-low.mp3", in a fixed order.
std::vector<std::string> TrackNames();
// Renders one whole loop of a track, levelled.
StereoTrack MakeTrack(const std::string& name);

// ---------------------------------------------------------------- files

// RIFF/WAVE, 16-bit PCM, mono.
bool WriteWav(const std::string& path, const Samples& samples, int rate, std::string* error);
// Reads a file written by WriteWav (16-bit PCM, any channel count: channels are averaged).
bool ReadWav(const std::string& path, Samples* samples, int* rate, std::string* error);
// Constant bit rate joint-stereo MP3 with a gapless (LAME/Info) header.
bool WriteMp3(const std::string& path, const StereoTrack& track, int kbps, std::string* error);
// Decodes an MP3 file back to samples, for checking.
bool ReadMp3(const std::string& path, StereoTrack* track, std::string* error);

}  // namespace quill::soundgen
