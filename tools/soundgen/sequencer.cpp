// Turns a song's text into notes and the notes into a stereo mix.
#include "sequencer.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quill::soundgen {

namespace {

struct Note {
    double beat;    // start, in beats from the top of the song
    double length;  // in beats
    int midi;
    double velocity;
};

std::vector<std::string> Split(const std::string& text, char sep = ' ') {
    std::vector<std::string> out;
    std::string word;
    for (char c : text) {
        if (c == sep) {
            if (!word.empty()) out.push_back(word);
            word.clear();
        } else {
            word.push_back(c);
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

const std::vector<int>& ScaleOf(Mode mode) {
    static const std::vector<int> kMajor = {0, 2, 4, 5, 7, 9, 11};
    static const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
    static const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
    static const std::vector<int> kMixolydian = {0, 2, 4, 5, 7, 9, 10};
    switch (mode) {
        case Mode::kMinor:
            return kMinor;
        case Mode::kDorian:
            return kDorian;
        case Mode::kMixolydian:
            return kMixolydian;
        default:
            return kMajor;
    }
}

// Semitones above the tonic of scale degree `degree` (1-based, may exceed 7).
int DegreeSemis(Mode mode, int degree) {
    const std::vector<int>& scale = ScaleOf(mode);
    const int d = degree - 1;
    const int octave = d >= 0 ? d / 7 : (d - 6) / 7;
    return scale[d - octave * 7] + 12 * octave;
}

struct Chord {
    int root;                // semitones above the tonic, 0..11
    std::vector<int> tones;  // semitones above the root
};

Chord ParseChord(const std::string& token, Mode mode, const std::string& song) {
    size_t at = 0;
    int accidental = 0;
    while (at < token.size() && (token[at] == 'b' || token[at] == '#')) {
        accidental += token[at] == 'b' ? -1 : 1;
        ++at;
    }
    if (at >= token.size() || token[at] < '1' || token[at] > '7') {
        throw std::runtime_error(song + ": bad chord \"" + token + "\"");
    }
    const int degree = token[at++] - '0';
    Chord chord;
    chord.root = (DegreeSemis(mode, degree) + accidental + 12) % 12;
    // The scale's own triad (and seventh) on that degree.
    const int base = DegreeSemis(mode, degree);
    int third = DegreeSemis(mode, degree + 2) - base;
    int fifth = DegreeSemis(mode, degree + 4) - base;
    int seventh = DegreeSemis(mode, degree + 6) - base;
    bool add_seventh = false;
    for (; at < token.size(); ++at) {
        switch (token[at]) {
            case 'M':
                third = 4, fifth = 7, seventh = 10;
                break;
            case 'm':
                third = 3, fifth = 7, seventh = 10;
                break;
            case 'd':
                third = 3, fifth = 6, seventh = 9;
                break;
            case 's':
                third = 5, fifth = 7;
                break;
            case '7':
                add_seventh = true;
                break;
            default:
                throw std::runtime_error(song + ": bad chord \"" + token + "\"");
        }
    }
    chord.tones = {0, third, fifth};
    if (add_seventh) chord.tones.push_back(seventh);
    return chord;
}

// Per bar, the chords and where each starts (in beats from the top of the bar).
struct BarChord {
    double beat;
    double length;
    Chord chord;
};

std::vector<Note> ParseMelody(const std::string& text, const Song& song, double start, double beats,
                              int octave_shift) {
    std::vector<Note> notes;
    double at = start, length = 1.0;
    for (const std::string& token : Split(text)) {
        std::string body = token;
        const size_t colon = token.find(':');
        if (colon != std::string::npos) {
            length = std::stod(token.substr(colon + 1));
            body = token.substr(0, colon);
        }
        if (body == "r") {
            at += length;
            continue;
        }
        if (body == "-") {
            if (notes.empty()) throw std::runtime_error(song.name + ": \"-\" with no note");
            notes.back().length += length;
            at += length;
            continue;
        }
        size_t i = 0;
        int accidental = 0, octave = octave_shift;
        double velocity = 0.8;
        while (i < body.size() && (body[i] == '#' || body[i] == 'b')) {
            accidental += body[i] == 'b' ? -1 : 1;
            ++i;
        }
        if (i >= body.size() || body[i] < '1' || body[i] > '7') {
            throw std::runtime_error(song.name + ": bad note \"" + token + "\"");
        }
        const int degree = body[i++] - '0';
        for (; i < body.size(); ++i) {
            if (body[i] == '\'') {
                ++octave;
            } else if (body[i] == ',') {
                --octave;
            } else if (body[i] == '!') {
                velocity = 1.0;
            } else {
                throw std::runtime_error(song.name + ": bad note \"" + token + "\"");
            }
        }
        const int midi =
            song.tonic + 12 + DegreeSemis(song.mode, degree) + accidental + 12 * octave;
        notes.push_back({at, length, midi, velocity});
        at += length;
    }
    if (std::fabs(at - (start + beats)) > 1e-6) {
        throw std::runtime_error(song.name + ": a line lasts " + std::to_string(at - start) +
                                 " beats instead of " + std::to_string(beats) + ": " + text);
    }
    return notes;
}

// Puts every chord tone near `center` so neighbouring chords share notes where they can.
std::vector<int> Voicing(const Chord& chord, int tonic, int center) {
    std::vector<int> out;
    for (int tone : chord.tones) {
        int pitch = tonic + chord.root + tone;
        while (pitch < center - 6) pitch += 12;
        while (pitch >= center + 6) pitch -= 12;
        out.push_back(pitch);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// Expands a one-bar pattern over every bar, with `pick` choosing the pitch of a step.
template <typename Pick>
std::vector<Note> ApplyPattern(const std::string& pattern, const std::vector<BarChord>& chords,
                               int beats_per_bar, double velocity, Pick pick) {
    std::vector<Note> notes;
    const std::vector<std::string> steps = Split(pattern);
    if (steps.empty()) return notes;
    const double step = static_cast<double>(beats_per_bar) / steps.size();
    for (const BarChord& bc : chords) {
        const double bar_start = std::floor(bc.beat / beats_per_bar + 1e-9) * beats_per_bar;
        bool holding = false;
        for (size_t s = 0; s < steps.size(); ++s) {
            const double beat = bar_start + s * step;
            if (beat < bc.beat - 1e-9 || beat >= bc.beat + bc.length - 1e-9) continue;
            const std::string& token = steps[s];
            if (token == "-") {
                if (holding) notes.back().length += step;
                continue;
            }
            holding = false;
            if (token == ".") continue;
            const int midi = pick(token, bc.chord);
            if (midi < 0) continue;
            notes.push_back({beat, step, midi, velocity * (s == 0 ? 1.0 : 0.85)});
            holding = true;
        }
    }
    return notes;
}

class Mixer {
  public:
    Mixer(size_t length, double beat_seconds)
        : beat_seconds_(beat_seconds), left_(length), right_(length), send_(length) {}

    void Play(const Part& part, const std::vector<Note>& notes, double gate, uint64_t seed) {
        if (part.level <= 0.0) return;
        const double angle = (part.pan + 1.0) * kPi / 4.0;
        const double gl = std::cos(angle) * part.level, gr = std::sin(angle) * part.level;
        Rng rng(seed);
        for (const Note& n : notes) {
            const double hz = MidiToHz(n.midi + 12 * part.octave);
            const double held = std::max(0.02, n.length * beat_seconds_ * gate);
            // A touch of unevenness keeps repeated notes from sounding machine-made.
            const double vel = std::clamp(n.velocity * (0.92 + 0.08 * rng.Uniform()), 0.0, 1.0);
            const Samples s = RenderNote(part.patch, hz, held, vel, rng.Next());
            Add(s, n.beat * beat_seconds_, gl, gr, part.send * part.level);
        }
    }

    void Add(const Samples& s, double at, double gl, double gr, double send) {
        const size_t start = ToSamples(at);
        for (size_t i = 0; i < s.size() && start + i < left_.size(); ++i) {
            left_[start + i] += static_cast<float>(s[i] * gl);
            right_[start + i] += static_cast<float>(s[i] * gr);
            send_[start + i] += static_cast<float>(s[i] * send);
        }
    }

    StereoTrack Finish(size_t loop_length, double room) {
        Samples wet_l, wet_r;
        Reverb(send_, wet_l, wet_r, room, 0.3);
        StereoTrack out;
        out.left.assign(loop_length, 0.0f);
        out.right.assign(loop_length, 0.0f);
        for (size_t i = 0; i < left_.size(); ++i) {
            out.left[i % loop_length] += left_[i] + wet_l[i];
            out.right[i % loop_length] += right_[i] + wet_r[i];
        }
        return out;
    }

  private:
    double beat_seconds_;
    Samples left_, right_, send_;
};

}  // namespace

StereoTrack RenderSong(const Song& song) {
    const double beat_seconds = 60.0 / song.bpm;
    const int bpb = song.beats_per_bar;

    std::vector<BarChord> chords;
    std::vector<Note> lead, counter, pads, arps, bass, kicks, snares, hats, opens, toms, shakers,
        crashes;
    double beat = 0.0;
    for (char name : song.form) {
        const size_t index = static_cast<size_t>(name - 'A');
        if (index >= song.phrases.size()) {
            throw std::runtime_error(song.name + ": no phrase " + std::string(1, name));
        }
        const Phrase& phrase = song.phrases[index];
        const std::vector<std::string> bars = Split(phrase.chords);
        const double phrase_beats = static_cast<double>(bars.size() * bpb);
        std::vector<BarChord> phrase_chords;
        for (size_t b = 0; b < bars.size(); ++b) {
            const std::vector<std::string> parts = Split(bars[b], '|');
            const double each = static_cast<double>(bpb) / parts.size();
            for (size_t k = 0; k < parts.size(); ++k) {
                phrase_chords.push_back(
                    {beat + b * bpb + k * each, each, ParseChord(parts[k], song.mode, song.name)});
            }
        }
        chords.insert(chords.end(), phrase_chords.begin(), phrase_chords.end());

        std::vector<Note> tune = ParseMelody(phrase.melody, song, beat, phrase_beats, 0);
        lead.insert(lead.end(), tune.begin(), tune.end());
        if (phrase.counter == "=") {
            for (Note n : tune) {
                n.midi += 12;
                counter.push_back(n);
            }
        } else if (!phrase.counter.empty()) {
            std::vector<Note> line = ParseMelody(phrase.counter, song, beat, phrase_beats, 0);
            counter.insert(counter.end(), line.begin(), line.end());
        }

        for (const BarChord& bc : phrase_chords) {
            for (int pitch : Voicing(bc.chord, song.tonic, song.tonic + 2)) {
                pads.push_back({bc.beat, bc.length, pitch, 0.7});
            }
        }
        if (phrase.energy >= 1) {
            std::vector<Note> a = ApplyPattern(
                song.arp_pattern, phrase_chords, bpb, 0.7,
                [&](const std::string& token, const Chord& chord) {
                    std::vector<int> ladder = Voicing(chord, song.tonic, song.tonic + 2);
                    const size_t size = ladder.size();
                    for (size_t k = 0; k < 2 * size; ++k) ladder.push_back(ladder[k] + 12);
                    const size_t i = static_cast<size_t>(std::stoi(token));
                    return i < ladder.size() ? ladder[i] : -1;
                });
            arps.insert(arps.end(), a.begin(), a.end());
        }
        std::vector<Note> b =
            ApplyPattern(song.bass_pattern, phrase_chords, bpb, 0.85,
                         [&](const std::string& token, const Chord& chord) {
                             int root = song.tonic - 24 + chord.root;
                             if (root > song.tonic - 24 + 6) root -= 12;
                             switch (token[0]) {
                                 case '3':
                                     return root + chord.tones[1];
                                 case '5':
                                     return root + chord.tones[2];
                                 case '7':
                                     return root + (chord.tones.size() > 3 ? chord.tones[3] : 10);
                                 case '8':
                                     return root + 12;
                                 default:
                                     return root;
                             }
                         });
        bass.insert(bass.end(), b.begin(), b.end());

        // Drums: one pattern per bar, a cymbal at the top and a fill at the end of the
        // phrase when it plays at full energy.
        const auto drum_line = [&](const std::string& pattern, int midi, std::vector<Note>& out,
                                   int min_energy, bool skip_last_bar) {
            if (phrase.energy < min_energy) return;
            const std::vector<std::string> steps = Split(pattern.empty() ? "" : pattern, ' ');
            std::string cells;
            for (const std::string& s : steps) cells += s;
            if (cells.empty()) return;
            const double step = static_cast<double>(bpb) / cells.size();
            for (size_t bar = 0; bar < bars.size(); ++bar) {
                const bool last = bar + 1 == bars.size();
                for (size_t s = 0; s < cells.size(); ++s) {
                    const double at = beat + bar * bpb + s * step;
                    if (last && skip_last_bar && song.drums.fills && phrase.energy >= 2 &&
                        at >= beat + phrase_beats - 1.0 - 1e-9) {
                        continue;
                    }
                    if (cells[s] == 'x') out.push_back({at, step, midi, 0.95});
                    if (cells[s] == 'o') out.push_back({at, step, midi, 0.55});
                }
            }
        };
        drum_line(song.drums.kick, 36, kicks, 2, false);
        drum_line(song.drums.snare, 38, snares, 2, true);
        drum_line(song.drums.hat, 42, hats, 1, true);
        drum_line(song.drums.open_hat, 46, opens, 2, true);
        drum_line(song.drums.tom, 45, toms, 2, true);
        drum_line(song.drums.shaker, 70, shakers, 1, false);
        if (phrase.energy >= 2 && song.drums.fills && !song.drums.snare.empty()) {
            const double last_beat = beat + phrase_beats - 1.0;
            for (int k = 0; k < 4; ++k) {
                snares.push_back({last_beat + k * 0.25, 0.25, 38, 0.5 + 0.12 * k});
            }
        }
        if (phrase.energy >= 2 && song.drums.crash) crashes.push_back({beat, 1.0, 49, 0.9});
        beat += phrase_beats;
    }

    const double total_seconds = beat * beat_seconds;
    if (total_seconds < 30.0 || total_seconds > 50.0) {
        throw std::runtime_error(song.name + " lasts " + std::to_string(total_seconds) +
                                 " s; tracks must last 30 to 50 s");
    }
    const size_t loop = ToSamples(total_seconds);
    Mixer mix(loop + ToSamples(4.0), beat_seconds);
    mix.Play(song.pad, pads, 1.0, song.seed * 101 + 1);
    mix.Play(song.bass, bass, 0.85, song.seed * 101 + 2);
    mix.Play(song.arp, arps, 0.9, song.seed * 101 + 3);
    mix.Play(song.lead, lead, 0.92, song.seed * 101 + 4);
    mix.Play(song.counter, counter, 0.92, song.seed * 101 + 5);

    // The drum kit, tuned once for every song.
    const double dl = song.drums.level;
    const auto kit = [&](Patch patch, double level, double pan, double send) {
        Part p;
        p.patch = std::move(patch);
        p.level = level * dl;
        p.pan = pan;
        p.send = send;
        return p;
    };
    const auto tuned = [](std::vector<Note> notes, double semis) {
        for (Note& n : notes) n.midi = static_cast<int>(std::lround(n.midi + semis));
        return notes;
    };
    // Drum voices read their "pitch" as the body's tuning.
    mix.Play(kit(patches::Kick(), 1.0, 0.0, 0.05), tuned(kicks, -5), 1.0, song.seed * 101 + 6);
    mix.Play(kit(patches::Snare(), 0.8, 0.05, 0.25), tuned(snares, 16), 1.0, song.seed * 101 + 7);
    mix.Play(kit(patches::Hat(), 0.55, 0.35, 0.1), tuned(hats, 25), 1.0, song.seed * 101 + 8);
    mix.Play(kit(patches::OpenHat(), 0.45, 0.35, 0.15), tuned(opens, 21), 1.0, song.seed * 101 + 9);
    mix.Play(kit(patches::Tom(), 0.9, -0.2, 0.3), tuned(toms, -8), 1.0, song.seed * 101 + 10);
    mix.Play(kit(patches::Shaker(), 0.5, -0.35, 0.1), shakers, 1.0, song.seed * 101 + 11);
    mix.Play(kit(patches::Crash(), 0.5, -0.25, 0.2), tuned(crashes, 13), 1.0, song.seed * 101 + 12);

    StereoTrack out = mix.Finish(loop, song.room);
    // Level: the louder channel peaks a little under full scale, leaving the encoder room.
    const float peak = std::max(Peak(out.left), Peak(out.right));
    if (peak <= 0.0f) throw std::runtime_error(song.name + " came out silent");
    const float k = 0.85f / peak;
    for (float& v : out.left) v *= k;
    for (float& v : out.right) v *= k;
    return out;
}

}  // namespace quill::soundgen
