// Oscillators, envelopes, filters, instrument voices and the reverb.
#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quill::soundgen {

// ---------------------------------------------------------------- randomness

// ---------------------------------------------------------------- helpers

double MidiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

namespace {

constexpr int kSineSize = 4096;

const std::array<float, kSineSize + 1>& SineTable() {
    static const std::array<float, kSineSize + 1> table = [] {
        std::array<float, kSineSize + 1> t{};
        for (int i = 0; i <= kSineSize; ++i) {
            t[i] = static_cast<float>(std::sin(2.0 * kPi * i / kSineSize));
        }
        return t;
    }();
    return table;
}

}  // namespace

float FastSin(double cycles) {
    const std::array<float, kSineSize + 1>& t = SineTable();
    const double x = (cycles - std::floor(cycles)) * kSineSize;
    const int i = static_cast<int>(x);
    const float f = static_cast<float>(x - i);
    return t[i] + (t[i + 1] - t[i]) * f;
}

void MixInto(Samples& dst, const Samples& src, double at, double gain) {
    const size_t start = ToSamples(at);
    if (dst.size() < start + src.size()) dst.resize(start + src.size(), 0.0f);
    for (size_t i = 0; i < src.size(); ++i) dst[start + i] += static_cast<float>(src[i] * gain);
}

void FadeEdges(Samples& s, double in_seconds, double out_seconds) {
    const size_t in = std::min(ToSamples(in_seconds), s.size());
    const size_t out = std::min(ToSamples(out_seconds), s.size());
    for (size_t i = 0; i < in; ++i) s[i] *= static_cast<float>(i) / in;
    for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= static_cast<float>(i) / out;
}

float Peak(const Samples& s) {
    float p = 0.0f;
    for (float v : s) p = std::max(p, std::fabs(v));
    return p;
}

double Rms(const Samples& s) {
    if (s.empty()) return 0.0;
    double sum = 0.0;
    for (float v : s) sum += static_cast<double>(v) * v;
    return std::sqrt(sum / s.size());
}

void NormalizePeak(Samples& s, double target) {
    const float p = Peak(s);
    if (p <= 0.0f) return;
    const float k = static_cast<float>(target / p);
    for (float& v : s) v *= k;
}

void SoftClip(Samples& s, double drive) {
    const double norm = std::tanh(drive);
    for (float& v : s) v = static_cast<float>(std::tanh(v * drive) / norm);
}

// ---------------------------------------------------------------- envelopes

double Adsr::At(double t, double held) const {
    auto level = [this](double u) {
        if (u < attack) return u / attack;
        return sustain + (1.0 - sustain) * std::exp(-(u - attack) / std::max(decay, 1e-4));
    };
    if (t < 0.0) return 0.0;
    if (t < held) return level(t);
    const double from = level(held);
    const double r = std::max(release, 0.003);
    const double u = t - held;
    if (u >= r) return 0.0;
    // Exponential fall that lands exactly on zero at the end of the release.
    return from * (std::exp(-u * 6.9 / r) - 0.001 * u / r);
}

// ---------------------------------------------------------------- filters

void Svf::Set(double hz, double q) {
    hz = std::clamp(hz, 10.0, kRate * 0.45);
    const double g = std::tan(kPi * hz / kRate);
    k_ = 1.0 / std::max(q, 0.05);
    a1_ = 1.0 / (1.0 + g * (g + k_));
    a2_ = g * a1_;
    a3_ = g * a2_;
}

void OnePole::Set(double hz) {
    hz = std::clamp(hz, 1.0, kRate * 0.45);
    a_ = 1.0 - std::exp(-2.0 * kPi * hz / kRate);
}

float OnePole::Low(float x) {
    z_ += a_ * (x - z_);
    return static_cast<float>(z_);
}

// ---------------------------------------------------------------- voices

namespace {

// An envelope worked out every 16 samples and joined by straight lines in between.
class EnvRamp {
  public:
    EnvRamp(const Adsr& env, double held) : env_(env), held_(held) {}
    double Next() {
        if (i_ % 16 == 0) {
            value_ = env_.At(static_cast<double>(i_) / kRate, held_);
            step_ = (env_.At(static_cast<double>(i_ + 16) / kRate, held_) - value_) / 16.0;
        }
        ++i_;
        const double v = value_;
        value_ += step_;
        return v;
    }

  private:
    const Adsr& env_;
    double held_;
    size_t i_ = 0;
    double value_ = 0.0, step_ = 0.0;
};

double VibratoRatio(const Patch& p, double t) {
    if (p.vibrato_cents <= 0.0) return 1.0;
    const double depth = std::clamp((t - p.vibrato_delay) / 0.3, 0.0, 1.0) * p.vibrato_cents;
    return std::pow(2.0, depth * std::sin(2.0 * kPi * p.vibrato_rate * t) / 1200.0);
}

Samples RenderSubtractive(const Patch& p, double hz, double held, double vel, uint64_t seed) {
    const size_t n = ToSamples(held + p.amp.release);
    Samples out(n);
    Rng rng(seed);
    std::vector<Osc> oscs, oscs2;
    std::vector<double> ratio;
    for (int u = 0; u < p.unison; ++u) {
        const double spread = p.unison == 1 ? 0.0 : (2.0 * u / (p.unison - 1) - 1.0);
        ratio.push_back(std::pow(2.0, spread * p.detune_cents / 1200.0));
        oscs.emplace_back(p.wave, rng.Uniform(), rng.Next());
        oscs2.emplace_back(p.wave2, rng.Uniform(), rng.Next());
    }
    Osc breath(Wave::kNoise, 0.0, rng.Next());
    Svf filter;
    const double base_cut = p.cutoff * std::pow(hz / 261.6, p.cutoff_track);
    const double semis2 = std::pow(2.0, p.wave2_semis / 12.0);
    const double norm = 1.0 / std::sqrt(static_cast<double>(p.unison));
    // Envelope, vibrato and filter move slowly: work them out every 16 samples.
    EnvRamp amp(p.amp, held);
    double f = hz;
    for (size_t i = 0; i < n; ++i) {
        if (i % 16 == 0) {
            const double t = static_cast<double>(i) / kRate;
            filter.Set(base_cut + p.cutoff_env * vel * std::exp(-t / p.cutoff_decay), p.resonance);
            f = hz * VibratoRatio(p, t);
        }
        double x = 0.0;
        for (int u = 0; u < p.unison; ++u) {
            x += oscs[u].Tick(f * ratio[u], p.pulse_width) * (1.0 - p.wave2_mix);
            if (p.wave2_mix > 0.0) {
                x += oscs2[u].Tick(f * ratio[u] * semis2, p.pulse_width) * p.wave2_mix;
            }
        }
        if (p.breath > 0.0) x += breath.Tick(0.0) * p.breath * std::sqrt(double(p.unison));
        out[i] = static_cast<float>(filter.Low(static_cast<float>(x * norm)) * amp.Next());
    }
    return out;
}

Samples RenderFm(const Patch& p, double hz, double held, double vel) {
    const size_t n = ToSamples(held + p.amp.release);
    Samples out(n);
    double pc = 0.0, pm = 0.0, last_mod = 0.0, f = hz, index = 0.0;
    EnvRamp amp(p.amp, held);
    for (size_t i = 0; i < n; ++i) {
        if (i % 16 == 0) {
            const double t = static_cast<double>(i) / kRate;
            f = hz * VibratoRatio(p, t);
            index = p.fm_index * (0.6 + 0.4 * vel) *
                    (0.25 + 0.75 * std::exp(-t / std::max(p.fm_index_decay, 1e-3)));
            // High notes get fewer sidebands, so none fold back below the top of hearing.
            index *= std::min(1.0, 5000.0 / (f * std::max(p.fm_ratio, 1.0)));
        }
        const double mod = FastSin(pm + p.fm_feedback * last_mod / (2.0 * kPi));
        last_mod = mod;
        const double x = FastSin(pc + index * mod / (2.0 * kPi));
        pc += f / kRate;
        pm += f * p.fm_ratio / kRate;
        pc -= std::floor(pc);
        pm -= std::floor(pm);
        out[i] = static_cast<float>(x * amp.Next());
    }
    return out;
}

Samples RenderPluck(const Patch& p, double hz, double held, uint64_t seed) {
    const size_t n = ToSamples(held + p.amp.release);
    Samples out(n);
    const double period = static_cast<double>(kRate) / hz - 0.5;
    const size_t len = static_cast<size_t>(period) + 2;
    std::vector<double> line(len);
    Rng rng(seed);
    OnePole tone;
    tone.Set(500.0 + 9000.0 * p.pluck_bright);
    for (size_t i = 0; i < len; ++i) line[i] = tone.Low(static_cast<float>(rng.Bipolar()));
    double mean = 0.0;
    for (double v : line) mean += v;
    mean /= static_cast<double>(len);
    for (double& v : line) v -= mean;
    // Read `period` samples behind the write head, interpolated; average two taps as the
    // string's loss.
    const double frac = period - std::floor(period);
    const size_t whole = static_cast<size_t>(period);
    size_t w = 0;
    double prev = 0.0;
    const double blend = 0.5 - 0.3 * p.pluck_bright;
    EnvRamp amp(p.amp, held);
    for (size_t i = 0; i < n; ++i) {
        const size_t r0 = (w + len - whole) % len;
        const size_t r1 = (r0 + len - 1) % len;
        const double delayed = line[r0] * (1.0 - frac) + line[r1] * frac;
        const double y = p.pluck_sustain * ((1.0 - blend) * delayed + blend * prev);
        prev = delayed;
        line[w] = y;
        w = (w + 1) % len;
        out[i] = static_cast<float>(y * amp.Next());
    }
    return out;
}

Samples RenderAdditive(const Patch& p, double hz, double held) {
    const size_t n = ToSamples(held + p.amp.release);
    Samples out(n, 0.0f);
    for (size_t k = 0; k < p.partial_ratio.size(); ++k) {
        const double f = hz * p.partial_ratio[k];
        if (f > kRate * 0.45) continue;
        const double amp = p.partial_amp[k];
        const double tau = p.partial_decay[k];
        // Rotating phasor: cheap and exact enough for a few seconds.
        const double w = 2.0 * kPi * f / kRate;
        const double c = std::cos(w), s = std::sin(w);
        const double fall = std::exp(-1.0 / (tau * kRate));
        double re = 1.0, im = 0.0, level = amp;
        for (size_t i = 0; i < n; ++i) {
            out[i] += static_cast<float>(im * level);
            const double nre = re * c - im * s;
            im = re * s + im * c;
            re = nre;
            level *= fall;
        }
    }
    EnvRamp amp(p.amp, held);
    for (size_t i = 0; i < n; ++i) out[i] *= static_cast<float>(amp.Next());
    return out;
}

Samples RenderDrum(const Patch& p, double hz, double vel, uint64_t seed) {
    Rng rng(seed);
    const double len = p.amp.release;
    const size_t n = ToSamples(len);
    Samples out(n);
    Svf hp, bp;
    switch (p.voice) {
        case Voice::kKick: {
            double phase = 0.0;
            for (size_t i = 0; i < n; ++i) {
                const double t = double(i) / kRate;
                const double f = hz * (1.0 + 2.2 * std::exp(-t / 0.035));
                phase += f / kRate;
                const double body = std::sin(2.0 * kPi * phase) * std::exp(-t / (len * 0.35));
                const double click = rng.Bipolar() * std::exp(-t / 0.003) * 0.4;
                out[i] = static_cast<float>(std::tanh(1.5 * (body + click)));
            }
            break;
        }
        case Voice::kSnare:
        case Voice::kTom: {
            const bool snare = p.voice == Voice::kSnare;
            hp.Set(snare ? 1800.0 : 900.0, 0.7);
            double p1 = 0.0, p2 = 0.0;
            for (size_t i = 0; i < n; ++i) {
                const double t = double(i) / kRate;
                const double sweep = snare ? 1.0 : 1.0 + 0.5 * std::exp(-t / 0.05);
                p1 += hz * sweep / kRate;
                p2 += hz * 1.6 * sweep / kRate;
                const double tone = (std::sin(2 * kPi * p1) + 0.5 * std::sin(2 * kPi * p2)) *
                                    std::exp(-t / (snare ? 0.06 : len * 0.3));
                const double noise = hp.High(static_cast<float>(rng.Bipolar())) *
                                     std::exp(-t / (snare ? len * 0.25 : 0.03));
                out[i] = static_cast<float>(snare ? 0.55 * tone + 0.8 * noise
                                                  : 0.9 * tone + 0.15 * noise);
            }
            break;
        }
        case Voice::kHat:
        case Voice::kOpenHat:
        case Voice::kCrash:
        case Voice::kShaker: {
            // Six detuned square waves plus noise make the metallic ring of a cymbal.
            static constexpr std::array<double, 6> kMetal = {1.0, 1.483, 1.932, 2.546, 2.63, 3.897};
            std::array<double, 6> ph{};
            for (double& v : ph) v = rng.Uniform();
            const bool shaker = p.voice == Voice::kShaker;
            hp.Set(p.voice == Voice::kCrash ? 3500.0 : 7000.0, 0.8);
            bp.Set(shaker ? 6500.0 : 10000.0, 0.9);
            const double metal = shaker ? 0.0 : (p.voice == Voice::kCrash ? 0.35 : 0.6);
            for (size_t i = 0; i < n; ++i) {
                const double t = double(i) / kRate;
                double m = 0.0;
                for (size_t k = 0; k < kMetal.size(); ++k) {
                    ph[k] += hz * kMetal[k] / kRate;
                    ph[k] -= std::floor(ph[k]);
                    m += ph[k] < 0.5 ? 1.0 : -1.0;
                }
                const double x = metal * m / 6.0 + (1.0 - metal) * rng.Bipolar();
                const double attack = shaker ? std::min(1.0, t / 0.012) : 1.0;
                const double y = shaker ? bp.Band(static_cast<float>(x))
                                        : hp.High(bp.Band(static_cast<float>(x)) * 0.5f +
                                                  static_cast<float>(x) * 0.5f);
                out[i] = static_cast<float>(y * attack * std::exp(-t / (len * 0.22)));
            }
            break;
        }
        default:
            break;
    }
    const double g = 0.4 + 0.6 * vel;
    for (float& v : out) v *= static_cast<float>(g);
    FadeEdges(out, 0.0, 0.004);
    return out;
}

}  // namespace

double TailSeconds(const Patch& patch) {
    return patch.amp.release;
}

Samples RenderNote(const Patch& patch, double hz, double held, double velocity, uint64_t seed) {
    Samples out;
    switch (patch.voice) {
        case Voice::kSubtractive:
            out = RenderSubtractive(patch, hz, held, velocity, seed);
            break;
        case Voice::kFm:
            out = RenderFm(patch, hz, held, velocity);
            break;
        case Voice::kPluck:
            out = RenderPluck(patch, hz, held, seed);
            break;
        case Voice::kAdditive:
            out = RenderAdditive(patch, hz, held);
            break;
        default:
            out = RenderDrum(patch, hz, velocity, seed);
            break;
    }
    const float g = static_cast<float>(patch.gain * (patch.voice >= Voice::kKick ? 1.0 : velocity));
    for (float& v : out) v *= g;
    return out;
}

// ---------------------------------------------------------------- the instruments

namespace patches {

namespace {
Adsr Env(double a, double d, double s, double r) {
    return Adsr{a, d, s, r};
}
}  // namespace

Patch Flute() {
    Patch p;
    p.wave = Wave::kTriangle;
    p.wave2 = Wave::kSine;
    p.wave2_mix = 0.5;
    p.wave2_semis = 12.0;
    p.cutoff = 3200.0;
    p.amp = Env(0.05, 0.25, 0.8, 0.15);
    p.vibrato_cents = 16.0;
    p.vibrato_rate = 5.2;
    p.breath = 0.06;
    p.gain = 0.8;
    return p;
}

Patch Bell() {
    Patch p;
    p.voice = Voice::kFm;
    p.fm_ratio = 3.5;
    p.fm_index = 2.2;
    p.fm_index_decay = 0.35;
    p.amp = Env(0.002, 0.9, 0.0, 1.2);
    p.gain = 0.55;
    return p;
}

Patch Glock() {
    Patch p;
    p.voice = Voice::kAdditive;
    p.partial_ratio = {1.0, 2.76, 5.40, 8.93};
    p.partial_amp = {1.0, 0.35, 0.18, 0.08};
    p.partial_decay = {1.0, 0.45, 0.2, 0.1};
    p.amp = Env(0.002, 10.0, 1.0, 0.9);
    p.gain = 0.5;
    return p;
}

Patch EPiano() {
    Patch p;
    p.voice = Voice::kFm;
    p.fm_ratio = 1.0;
    p.fm_index = 1.6;
    p.fm_index_decay = 0.25;
    p.amp = Env(0.003, 0.9, 0.35, 0.35);
    p.gain = 0.5;
    return p;
}

Patch Strings() {
    Patch p;
    p.unison = 3;
    p.detune_cents = 12.0;
    p.cutoff = 2200.0;
    p.amp = Env(0.25, 0.6, 0.85, 0.5);
    p.vibrato_cents = 7.0;
    p.vibrato_rate = 5.5;
    p.vibrato_delay = 0.1;
    p.gain = 0.35;
    return p;
}

Patch Choir() {
    Patch p;
    p.wave = Wave::kPulse;
    p.pulse_width = 0.3;
    p.unison = 3;
    p.detune_cents = 10.0;
    p.cutoff = 1300.0;
    p.resonance = 1.6;
    p.breath = 0.04;
    p.amp = Env(0.35, 0.5, 0.9, 0.8);
    p.vibrato_cents = 10.0;
    p.vibrato_rate = 4.5;
    p.gain = 0.4;
    return p;
}

Patch Brass() {
    Patch p;
    p.unison = 2;
    p.detune_cents = 6.0;
    p.cutoff = 700.0;
    p.cutoff_env = 2600.0;
    p.cutoff_decay = 0.18;
    p.cutoff_track = 0.5;
    p.amp = Env(0.03, 0.2, 0.8, 0.12);
    p.vibrato_cents = 10.0;
    p.vibrato_delay = 0.3;
    p.gain = 0.5;
    return p;
}

Patch Pluck() {
    Patch p;
    p.voice = Voice::kPluck;
    p.pluck_bright = 0.6;
    p.pluck_sustain = 0.994;
    p.amp = Env(0.001, 10.0, 1.0, 0.12);
    p.gain = 0.7;
    return p;
}

Patch Harp() {
    Patch p;
    p.voice = Voice::kPluck;
    p.pluck_bright = 0.4;
    p.pluck_sustain = 0.998;
    p.amp = Env(0.001, 10.0, 1.0, 0.7);
    p.gain = 0.7;
    return p;
}

Patch Marimba() {
    Patch p;
    p.voice = Voice::kAdditive;
    p.partial_ratio = {1.0, 3.93, 9.2};
    p.partial_amp = {1.0, 0.3, 0.08};
    p.partial_decay = {0.45, 0.1, 0.03};
    p.amp = Env(0.002, 10.0, 1.0, 0.5);
    p.gain = 0.6;
    return p;
}

Patch SquareLead() {
    Patch p;
    p.wave = Wave::kSquare;
    p.wave2 = Wave::kPulse;
    p.wave2_mix = 0.4;
    p.pulse_width = 0.2;
    p.cutoff = 3200.0;
    p.cutoff_env = 1500.0;
    p.amp = Env(0.01, 0.2, 0.7, 0.1);
    p.vibrato_cents = 14.0;
    p.vibrato_rate = 6.0;
    p.vibrato_delay = 0.15;
    p.gain = 0.35;
    return p;
}

Patch Oboe() {
    Patch p;
    p.wave = Wave::kPulse;
    p.pulse_width = 0.15;
    p.cutoff = 1800.0;
    p.resonance = 2.0;
    p.cutoff_track = 0.6;
    p.amp = Env(0.04, 0.3, 0.85, 0.12);
    p.vibrato_cents = 12.0;
    p.vibrato_rate = 5.0;
    p.gain = 0.45;
    return p;
}

Patch FmBass() {
    Patch p;
    p.voice = Voice::kFm;
    p.fm_ratio = 1.0;
    p.fm_index = 2.0;
    p.fm_index_decay = 0.12;
    p.amp = Env(0.004, 0.35, 0.6, 0.08);
    p.gain = 0.75;
    return p;
}

Patch SubBass() {
    Patch p;
    p.wave = Wave::kTriangle;
    p.wave2 = Wave::kSine;
    p.wave2_mix = 0.5;
    p.cutoff = 900.0;
    p.amp = Env(0.01, 0.4, 0.8, 0.1);
    p.gain = 0.8;
    return p;
}

Patch SynthBass() {
    Patch p;
    p.wave = Wave::kSaw;
    p.cutoff = 350.0;
    p.cutoff_env = 1600.0;
    p.cutoff_decay = 0.1;
    p.resonance = 1.5;
    p.amp = Env(0.004, 0.3, 0.7, 0.07);
    p.gain = 0.6;
    return p;
}

Patch Organ() {
    Patch p;
    p.voice = Voice::kAdditive;
    p.partial_ratio = {0.5, 1.0, 2.0, 3.0, 4.0, 6.0};
    p.partial_amp = {0.5, 1.0, 0.6, 0.3, 0.2, 0.1};
    p.partial_decay = {100.0, 100.0, 100.0, 100.0, 100.0, 100.0};
    p.amp = Env(0.02, 1.0, 1.0, 0.12);
    p.gain = 0.25;
    return p;
}

Patch WarmPad() {
    Patch p;
    p.unison = 4;
    p.detune_cents = 14.0;
    p.wave2 = Wave::kTriangle;
    p.wave2_mix = 0.4;
    p.wave2_semis = -12.0;
    p.cutoff = 1100.0;
    p.resonance = 0.8;
    p.amp = Env(0.6, 1.0, 0.85, 1.2);
    p.gain = 0.3;
    return p;
}

Patch Kick() {
    Patch p;
    p.voice = Voice::kKick;
    p.amp.release = 0.45;
    p.gain = 0.9;
    return p;
}

Patch Snare() {
    Patch p;
    p.voice = Voice::kSnare;
    p.amp.release = 0.35;
    p.gain = 0.55;
    return p;
}

Patch Hat() {
    Patch p;
    p.voice = Voice::kHat;
    p.amp.release = 0.12;
    p.gain = 0.3;
    return p;
}

Patch OpenHat() {
    Patch p;
    p.voice = Voice::kOpenHat;
    p.amp.release = 0.7;
    p.gain = 0.25;
    return p;
}

Patch Crash() {
    Patch p;
    p.voice = Voice::kCrash;
    p.amp.release = 2.6;
    p.gain = 0.3;
    return p;
}

Patch Tom() {
    Patch p;
    p.voice = Voice::kTom;
    p.amp.release = 0.6;
    p.gain = 0.7;
    return p;
}

Patch Shaker() {
    Patch p;
    p.voice = Voice::kShaker;
    p.amp.release = 0.2;
    p.gain = 0.3;
    return p;
}

}  // namespace patches

// ---------------------------------------------------------------- space

namespace {

class Comb {
  public:
    explicit Comb(size_t len) : buf_(len, 0.0f) {}
    float Tick(float x, float feedback, float damp) {
        const float y = buf_[pos_];
        store_ = y * (1.0f - damp) + store_ * damp;
        buf_[pos_] = x + store_ * feedback;
        if (++pos_ == buf_.size()) pos_ = 0;
        return y;
    }

  private:
    std::vector<float> buf_;
    size_t pos_ = 0;
    float store_ = 0.0f;
};

class AllPass {
  public:
    explicit AllPass(size_t len) : buf_(len, 0.0f) {}
    float Tick(float x) {
        const float b = buf_[pos_];
        const float y = -x + b;
        buf_[pos_] = x + b * 0.5f;
        if (++pos_ == buf_.size()) pos_ = 0;
        return y;
    }

  private:
    std::vector<float> buf_;
    size_t pos_ = 0;
};

}  // namespace

void Reverb(const Samples& in, Samples& out_left, Samples& out_right, double room, double damp) {
    static constexpr std::array<size_t, 6> kCombs = {1116, 1188, 1277, 1356, 1422, 1557};
    static constexpr std::array<size_t, 3> kPasses = {556, 441, 341};
    static constexpr size_t kSpread = 23;
    out_left.assign(in.size(), 0.0f);
    out_right.assign(in.size(), 0.0f);
    for (int side = 0; side < 2; ++side) {
        std::vector<Comb> combs;
        std::vector<AllPass> passes;
        for (size_t len : kCombs) combs.emplace_back(len + side * kSpread);
        for (size_t len : kPasses) passes.emplace_back(len + side * kSpread);
        Samples& out = side == 0 ? out_left : out_right;
        const float fb = static_cast<float>(room), dm = static_cast<float>(damp);
        for (size_t i = 0; i < in.size(); ++i) {
            const float x = in[i] * 0.05f;
            float y = 0.0f;
            for (Comb& c : combs) y += c.Tick(x, fb, dm);
            for (AllPass& a : passes) y = a.Tick(y);
            out[i] = y;
        }
    }
}

void Echo(Samples& s, double delay_seconds, double feedback, double mix) {
    const size_t d = std::max<size_t>(1, ToSamples(delay_seconds));
    std::vector<float> line(d, 0.0f);
    size_t pos = 0;
    for (float& v : s) {
        const float delayed = line[pos];
        line[pos] = v + delayed * static_cast<float>(feedback);
        pos = (pos + 1) % d;
        v += delayed * static_cast<float>(mix);
    }
}

}  // namespace quill::soundgen
