// The little sequencer the music tracks are written for.
//
// A song is data: a key, a tempo, a handful of four-bar phrases and the order they are
// played in.  Each phrase gives one chord per bar and a melody written as scale degrees:
//
//   chords  "1 5 6 4|5"   one token per bar, "|" splits a bar in two.  A token is a scale
//                         degree with an optional accidental before it ("b7") and flags
//                         after it: M major, m minor, d diminished, s suspended fourth,
//                         7 adds the seventh.  Without flags the chord is the scale's own.
//   melody  "5:1.5 6:.5 3 r:1 -:2"
//                         a degree (with "#"/"b" before and "'"/"," after for an octave up
//                         or down), ":" and a length in beats (kept until changed); "r" is
//                         a rest and "-" holds the previous note longer.
//
// Accompaniment patterns cover one bar, one token per step (steps share the bar evenly):
//   arpeggio  digits pick chord tones from the bottom up (0 = lowest)
//   bass      1 root, 3 third, 5 fifth, 7 seventh, 8 octave
//   drums     "x" hit, "o" soft hit
// In both, "-" holds the previous note and "." is silence.
#pragma once

#include <string>
#include <vector>

#include "soundgen.h"
#include "synth.h"

namespace quill::soundgen {

enum class Mode { kMajor, kMinor, kDorian, kMixolydian };

struct Phrase {
    std::string chords;
    std::string melody;
    std::string counter;  // a second line, "=" doubles the melody an octave up, "" none
    int energy = 2;       // 0 pad, bass and tune; 1 adds the arpeggio and hats; 2 everything
};

struct Part {
    Patch patch;
    double level = 0.0;  // 0 leaves the part out
    double pan = 0.0;    // -1 left .. 1 right
    double send = 0.2;   // how much goes to the reverb
    int octave = 0;      // shift in octaves
};

struct Drums {
    std::string kick, snare, hat, open_hat, tom, shaker;
    double level = 1.0;
    bool crash = true;  // a cymbal at the start of every full-energy phrase
    bool fills = true;  // a snare run at the end of every full-energy phrase
};

struct Song {
    std::string name;
    double bpm = 100.0;
    int beats_per_bar = 4;
    int tonic = 60;  // MIDI note of the key's home note in the middle octave
    Mode mode = Mode::kMajor;
    std::vector<Phrase> phrases;  // named A, B, C... in `form`
    std::string form;
    Part lead, counter, pad, arp, bass;
    std::string arp_pattern;
    std::string bass_pattern;
    Drums drums;
    double room = 0.82;  // reverb size
    uint64_t seed = 1;
};

// Renders one pass through the song's form; whatever rings past the end is folded back
// onto the beginning, so the track loops without a seam.
StereoTrack RenderSong(const Song& song);

}  // namespace quill::soundgen
