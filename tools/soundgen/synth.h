// The small synthesizer every sound of Quillmoor is made with: a seeded random source,
// oscillators, envelopes, filters, a handful of instrument patches and a reverb.
//
// Everything works on float samples at one fixed rate.  Nothing reads the clock or any
// outside state, so the same program always renders the same samples.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quill::soundgen {

inline constexpr int kRate = 44100;
inline constexpr double kPi = 3.14159265358979323846;

using Samples = std::vector<float>;

// ---------------------------------------------------------------- randomness

// splitmix64: tiny, fast and identical on every platform.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    double Bipolar() { return Uniform() * 2.0 - 1.0; }

  private:
    uint64_t state_;
};

// ---------------------------------------------------------------- helpers

double MidiToHz(double midi);
// sin(2 pi x) from a table; x in cycles, any value.
float FastSin(double cycles);
inline size_t ToSamples(double seconds) {
    return seconds <= 0 ? 0 : static_cast<size_t>(seconds * kRate + 0.5);
}
inline double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

// Adds `src` times `gain` into `dst` starting at `at` seconds; grows `dst` when needed.
void MixInto(Samples& dst, const Samples& src, double at, double gain = 1.0);
// Short linear ramps at both ends so no sound starts or stops with a click.
void FadeEdges(Samples& s, double in_seconds, double out_seconds);
float Peak(const Samples& s);
double Rms(const Samples& s);
// Scales the buffer so its peak is exactly `target` (silence stays silence).
void NormalizePeak(Samples& s, double target);
// Gentle saturation, for sounds that want a bit of grit.
void SoftClip(Samples& s, double drive);

// ---------------------------------------------------------------- oscillators

enum class Wave { kSine, kTriangle, kSaw, kSquare, kPulse, kNoise };

// A phase-accumulating oscillator with band-limited (polyBLEP) edges.
class Osc {
  public:
    explicit Osc(Wave wave, double phase = 0.0, uint64_t seed = 1)
        : wave_(wave), phase_(phase), rng_(seed) {}
    // One sample at `hz`; `width` is the duty cycle of kPulse.
    float Tick(double hz, double width = 0.25);

  private:
    Wave wave_;
    double phase_;
    Rng rng_;
    float tri_state_ = 0.0f;
};

namespace detail {

// Removes the aliasing of a hard edge at phase 0 (polyBLEP residual).
inline double PolyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

}  // namespace detail

// Called for every sample of every voice, so it lives here where it can be inlined.
inline float Osc::Tick(double hz, double width) {
    const double dt = hz / kRate < 0.49 ? (hz > 0.0 ? hz / kRate : 0.0) : 0.49;
    double out = 0.0;
    switch (wave_) {
        case Wave::kSine:
            out = FastSin(phase_);
            break;
        case Wave::kTriangle:
            out = 1.0 - 4.0 * std::fabs(phase_ - 0.5);
            break;
        case Wave::kSaw:
            out = 2.0 * phase_ - 1.0 - detail::PolyBlep(phase_, dt);
            break;
        case Wave::kSquare:
        case Wave::kPulse: {
            double w = wave_ == Wave::kSquare ? 0.5 : width;
            w = w < 0.05 ? 0.05 : (w > 0.95 ? 0.95 : w);
            out = phase_ < w ? 1.0 : -1.0;
            out += detail::PolyBlep(phase_, dt);
            double shifted = phase_ + 1.0 - w;
            if (shifted >= 1.0) shifted -= 1.0;
            out -= detail::PolyBlep(shifted, dt);
            out += 1.0 - 2.0 * w;  // keep it centred
            break;
        }
        case Wave::kNoise:
            out = rng_.Bipolar();
            break;
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return static_cast<float>(out);
}

// ---------------------------------------------------------------- envelopes

struct Adsr {
    double attack = 0.005;
    double decay = 0.1;
    double sustain = 0.7;
    double release = 0.1;
    // Level at `t` seconds after the start of a note held for `held` seconds.
    double At(double t, double held) const;
};

// Exponential decay with time constant `tau` seconds.
inline double Decay(double t, double tau) {
    return std::exp(-t / tau);
}

// ---------------------------------------------------------------- filters

// Zero-delay-feedback state variable filter; ask for the low, band or high output.
class Svf {
  public:
    void Set(double hz, double q);
    struct Out {
        float low, band, high;
    };
    Out Tick(float x) {
        const double v3 = x - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return {static_cast<float>(v2), static_cast<float>(v1),
                static_cast<float>(x - k_ * v1 - v2)};
    }
    float Low(float x) { return Tick(x).low; }
    float Band(float x) { return Tick(x).band; }
    float High(float x) { return Tick(x).high; }

  private:
    double k_ = 1.4, a1_ = 0.5, a2_ = 0.05, a3_ = 0.005, ic1_ = 0, ic2_ = 0;
};

class OnePole {
  public:
    void Set(double hz);
    float Low(float x);
    float High(float x) { return x - Low(x); }

  private:
    double a_ = 0.5, z_ = 0;
};

// ---------------------------------------------------------------- instruments

enum class Voice {
    kSubtractive,  // oscillators -> low-pass with its own envelope
    kFm,           // two-operator FM
    kPluck,        // plucked string (Karplus-Strong)
    kAdditive,     // sum of sine partials, each decaying at its own pace
    kKick,
    kSnare,
    kHat,
    kOpenHat,
    kCrash,
    kTom,
    kShaker,
};

struct Patch {
    Voice voice = Voice::kSubtractive;
    double gain = 1.0;
    Adsr amp;
    // kSubtractive
    Wave wave = Wave::kSaw;
    Wave wave2 = Wave::kSaw;
    double wave2_mix = 0.0;
    double wave2_semis = 0.0;
    int unison = 1;
    double detune_cents = 0.0;
    double cutoff = 4000.0;     // Hz at rest
    double cutoff_env = 0.0;    // extra Hz at the start of a note, decaying
    double cutoff_decay = 0.2;  // seconds
    double cutoff_track = 0.0;  // how much the cutoff follows the pitch (0..1)
    double resonance = 0.7;     // filter q
    double pulse_width = 0.25;
    // shared by pitched voices
    double vibrato_rate = 5.0;
    double vibrato_cents = 0.0;
    double vibrato_delay = 0.25;
    double breath = 0.0;  // noise mixed in (flutes, choirs)
    // kFm
    double fm_ratio = 1.0;
    double fm_index = 1.0;
    double fm_index_decay = 0.5;  // seconds; the index falls to a quarter of its value
    double fm_feedback = 0.0;
    // kPluck
    double pluck_bright = 0.5;     // 0 dark .. 1 bright
    double pluck_sustain = 0.996;  // loop gain per period
    // kAdditive: amplitude and decay time of each harmonic (ratios may be inharmonic)
    std::vector<double> partial_ratio;
    std::vector<double> partial_amp;
    std::vector<double> partial_decay;
};

// Renders one note: `hz` for `held` seconds at velocity 0..1; includes the release tail.
Samples RenderNote(const Patch& patch, double hz, double held, double velocity, uint64_t seed);
// How long after the end of the held time a note of this patch keeps sounding.
double TailSeconds(const Patch& patch);

// The instruments shared by the music and the effects.
namespace patches {
Patch Flute();
Patch Bell();
Patch Glock();
Patch EPiano();
Patch Strings();
Patch Choir();
Patch Brass();
Patch Pluck();
Patch Harp();
Patch Marimba();
Patch SquareLead();
Patch Oboe();
Patch FmBass();
Patch SubBass();
Patch SynthBass();
Patch Organ();
Patch WarmPad();
Patch Kick();
Patch Snare();
Patch Hat();
Patch OpenHat();
Patch Crash();
Patch Tom();
Patch Shaker();
}  // namespace patches

// ---------------------------------------------------------------- space

// A small stereo room (parallel combs into all-passes); returns the wet signal only.
void Reverb(const Samples& in, Samples& out_left, Samples& out_right, double room, double damp);

// A single feedback echo, added in place.
void Echo(Samples& s, double delay_seconds, double feedback, double mix);

}  // namespace quill::soundgen
