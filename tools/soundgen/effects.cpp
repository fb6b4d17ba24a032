// The sound effects: one recipe per file, built from the shared synthesizer.
#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "soundgen.h"

namespace quill::soundgen {

namespace {

// ---------------------------------------------------------------- building blocks

// A tone gliding (exponentially) from f0 to f1, with a linear attack and an exponential
// decay of time constant `tau` (0 keeps it level to the end).
Samples Sweep(double seconds, double f0, double f1, Wave wave, double attack, double tau,
              uint64_t seed = 1) {
    const size_t n = ToSamples(seconds);
    Samples out(n);
    Osc osc(wave, 0.0, seed);
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double f = f0 * std::pow(f1 / f0, t / seconds);
        double a = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
        if (tau > 0.0) a *= std::exp(-std::max(0.0, t - attack) / tau);
        out[i] = static_cast<float>(osc.Tick(f) * a);
    }
    FadeEdges(out, 0.0, std::min(0.005, seconds / 4));
    return out;
}

// Noise through a band-pass whose centre glides from f0 to f1.
Samples Whoosh(double seconds, double f0, double f1, double q, double attack, double tau,
               uint64_t seed) {
    const size_t n = ToSamples(seconds);
    Samples out(n);
    Rng rng(seed);
    Svf bp;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        if (i % 16 == 0) bp.Set(f0 * std::pow(f1 / f0, t / seconds), q);
        double a = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
        if (tau > 0.0) a *= std::exp(-std::max(0.0, t - attack) / tau);
        out[i] = static_cast<float>(bp.Band(static_cast<float>(rng.Bipolar())) * a);
    }
    FadeEdges(out, 0.0, std::min(0.01, seconds / 4));
    return out;
}

struct Hit {
    double at;    // seconds
    double midi;  // pitch
    double held;  // seconds
    double velocity = 0.8;
};

// A few notes of one instrument.
Samples Play(const Patch& patch, const std::vector<Hit>& hits, uint64_t seed = 7) {
    Samples out;
    Rng rng(seed);
    for (const Hit& h : hits) {
        MixInto(out, RenderNote(patch, MidiToHz(h.midi), h.held, h.velocity, rng.Next()), h.at);
    }
    return out;
}

// Random high glockenspiel pings over `seconds`, rising or falling in pitch.
Samples Sparkles(double seconds, int count, double low_midi, double high_midi, bool rising,
                 uint64_t seed) {
    Rng rng(seed);
    std::vector<Hit> hits;
    static constexpr int kPentatonic[5] = {0, 2, 4, 7, 9};
    for (int i = 0; i < count; ++i) {
        const double pos = count == 1 ? 0.0 : double(i) / (count - 1);
        const double at = pos * seconds + rng.Uniform() * 0.02;
        const double span = high_midi - low_midi;
        double target = low_midi + span * (rising ? pos : 1.0 - pos) + rng.Bipolar() * 3.0;
        // Snap to a pentatonic scale on C so cascades always sound sweet.
        const int octave = static_cast<int>(std::floor(target / 12.0));
        int best = kPentatonic[0];
        for (int d : kPentatonic) {
            if (std::fabs(octave * 12 + d - target) < std::fabs(octave * 12 + best - target)) {
                best = d;
            }
        }
        hits.push_back({at, double(octave * 12 + best), 0.05, 0.5 + 0.4 * rng.Uniform()});
    }
    return Play(patches::Glock(), hits, seed);
}

Samples Lowpass(Samples s, double hz, double q = 0.7) {
    Svf f;
    f.Set(hz, q);
    for (float& v : s) v = f.Low(v);
    return s;
}

Samples Highpass(Samples s, double hz, double q = 0.7) {
    Svf f;
    f.Set(hz, q);
    for (float& v : s) v = f.High(v);
    return s;
}

// Mixes several layers, each at its own start time and gain.
struct Layer {
    Samples samples;
    double at = 0.0;
    double gain = 1.0;
};

Samples Mix(const std::vector<Layer>& layers) {
    Samples out;
    for (const Layer& l : layers) MixInto(out, l.samples, l.at, l.gain);
    return out;
}

// A low thump that drops in pitch, the body of every hit.
Samples Thump(double seconds, double f0, double f1, double tau) {
    return Sweep(seconds, f0, f1, Wave::kSine, 0.002, tau);
}

// ---------------------------------------------------------------- the pet's voice

struct Meow {
    double seconds = 0.6;
    double f_start = 500.0, f_peak = 750.0, f_end = 450.0;
    double peak_at = 0.35;  // where the pitch tops out, 0..1
    double vibrato_hz = 6.0, vibrato_cents = 15.0;
    double size = 1.0;      // formant scale: above 1 is a smaller animal
    double trill_hz = 0.0;  // a rolled "rrr" when above zero
    double open_at = 0.4;   // when the mouth is widest, 0..1
};

// "mi-a-ou": a buzzy source through three moving formants, the mouth opening and closing.
Samples Mew(const Meow& m, uint64_t seed) {
    const size_t n = ToSamples(m.seconds);
    Samples out(n);
    Osc saw(Wave::kSaw, 0.0, seed), pulse(Wave::kPulse, 0.3, seed + 1);
    Rng rng(seed);
    Svf f1, f2, f3, tone;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double u = t / m.seconds;
        // Smooth rise to the peak, then a fall.
        double f;
        if (u < m.peak_at) {
            const double k = 0.5 - 0.5 * std::cos(kPi * u / m.peak_at);
            f = Lerp(m.f_start, m.f_peak, k);
        } else {
            const double k = 0.5 - 0.5 * std::cos(kPi * (u - m.peak_at) / (1.0 - m.peak_at));
            f = Lerp(m.f_peak, m.f_end, k);
        }
        f *= std::pow(2.0, m.vibrato_cents * std::sin(2 * kPi * m.vibrato_hz * t) *
                               std::min(1.0, u * 3.0) / 1200.0);
        // Mouth: closed ("m"), open ("a"), rounding ("ou").
        const double open =
            u < m.open_at ? std::sin(0.5 * kPi * u / m.open_at)
                          : 0.35 + 0.65 * std::cos(0.5 * kPi * (u - m.open_at) / (1.0 - m.open_at));
        if (i % 16 == 0) {
            f1.Set((350.0 + 650.0 * open) * m.size, 4.0);
            f2.Set((1900.0 - 700.0 * u) * m.size, 6.0);
            f3.Set(3200.0 * m.size, 6.0);
            tone.Set(700.0 + 5000.0 * open, 0.7);
        }
        const double src = 0.7 * saw.Tick(f) + 0.3 * pulse.Tick(f, 0.3) + 0.05 * rng.Bipolar();
        const float s = static_cast<float>(src);
        double y = 1.0 * f1.Band(s) + 0.7 * f2.Band(s) + 0.25 * f3.Band(s);
        y = tone.Low(static_cast<float>(y));
        double amp = std::min(1.0, u / 0.08) * std::min(1.0, (1.0 - u) / 0.25);
        amp *= 0.5 + 0.5 * open;
        if (m.trill_hz > 0.0) amp *= 0.55 + 0.45 * std::sin(2 * kPi * m.trill_hz * t);
        out[i] = static_cast<float>(y * amp);
    }
    FadeEdges(out, 0.004, 0.01);
    return out;
}

// ---------------------------------------------------------------- the recipes

Samples Tick() {  // 1.wav
    return Mix({{Sweep(0.05, 1700, 1100, Wave::kSine, 0.001, 0.01)},
                {Lowpass(Whoosh(0.012, 3000, 2000, 1.0, 0.0005, 0.003, 3), 5000), 0.0, 0.5}});
}

Samples PageOpen() {  // a.wav
    return Mix(
        {{Whoosh(0.3, 700, 4500, 1.2, 0.12, 0.08, 11), 0.0, 0.8},
         {Play(patches::Glock(), {{0.0, 88, 0.05, 0.6}, {0.07, 95, 0.05, 0.7}}), 0.12, 0.9}});
}

Samples Button() {  // b.wav
    return Mix({{Lowpass(Sweep(0.07, 880, 700, Wave::kSquare, 0.002, 0.03), 3200)},
                {Thump(0.05, 300, 150, 0.015), 0.0, 0.5}});
}

Samples SparkleBlip() {  // bp.wav
    return Mix({{Sweep(0.14, 600, 2400, Wave::kTriangle, 0.005, 0.06), 0.0, 0.8},
                {Play(patches::Glock(), {{0.0, 96, 0.04}, {0.05, 100, 0.04}, {0.1, 103, 0.04}}),
                 0.08, 0.8}});
}

Samples CashRegister() {  // buy.wav
    Patch bell = patches::Bell();
    bell.fm_ratio = 2.76;
    bell.fm_index = 1.6;
    return Mix({{Highpass(Whoosh(0.05, 3000, 2500, 0.8, 0.001, 0.015, 21), 1500), 0.0, 0.6},
                {Highpass(Whoosh(0.05, 4000, 3000, 0.8, 0.001, 0.02, 22), 1500), 0.08, 0.7},
                {Play(bell, {{0.0, 88, 0.3, 0.9}, {0.0, 93, 0.3, 0.7}}), 0.12, 1.0},
                {Sparkles(0.3, 5, 96, 108, true, 23), 0.14, 0.4}});
}

Samples Clack() {  // c.wav
    return Mix({{Whoosh(0.03, 2200, 1800, 3.0, 0.0005, 0.006, 31), 0.0, 1.0},
                {Thump(0.04, 260, 180, 0.01), 0.0, 0.6},
                {Whoosh(0.04, 1300, 1100, 3.0, 0.0005, 0.01, 32), 0.055, 0.9},
                {Thump(0.05, 200, 140, 0.012), 0.055, 0.6}});
}

Samples Change() {  // change.wav
    Samples up = Sweep(0.45, 400, 1600, Wave::kTriangle, 0.05, 0.0);
    Samples down = Sweep(0.45, 1600, 400, Wave::kSine, 0.05, 0.0);
    for (size_t i = 0; i < up.size(); ++i) {
        const double t = double(i) / kRate;
        const double trem = 0.6 + 0.4 * std::sin(2 * kPi * 18.0 * t);
        const double env = std::sin(kPi * std::min(1.0, t / 0.45));
        up[i] = static_cast<float>(up[i] * trem * env);
        down[i] = static_cast<float>(down[i] * (1.6 - trem) * env);
    }
    Samples out =
        Mix({{up, 0.0, 0.5}, {down, 0.0, 0.5}, {Sparkles(0.35, 7, 90, 104, true, 41), 0.1, 0.5}});
    Echo(out, 0.07, 0.3, 0.3);
    return out;
}

Samples Coin() {  // coin.wav
    Patch p = patches::SquareLead();
    p.vibrato_cents = 0.0;
    p.amp = {0.001, 0.15, 0.5, 0.25};
    p.cutoff = 6000.0;
    return Play(p, {{0.0, 83, 0.07, 0.9}, {0.075, 88, 0.3, 0.9}});
}

Samples Gong(double base, double tau) {
    Patch p;
    p.voice = Voice::kAdditive;
    p.partial_ratio = {1.0, 1.47, 2.09, 2.56, 3.18, 3.92, 4.7, 5.6};
    p.partial_amp = {1.0, 0.8, 0.6, 0.5, 0.4, 0.3, 0.22, 0.15};
    p.partial_decay = {tau,       tau * 0.8, tau * 0.6,  tau * 0.5,
                       tau * 0.4, tau * 0.3, tau * 0.25, tau * 0.2};
    p.amp = {0.002, 100.0, 1.0, 0.3};
    return RenderNote(p, base, tau * 1.2, 1.0, 5);
}

Samples BattleStart() {  // combo5.wav
    // The hit: gong, drum and cymbal together.
    Samples hit = Mix({{Gong(110, 1.2), 0.0, 0.6},
                       {RenderNote(patches::Kick(), 45, 0.1, 1.0, 51), 0.0, 0.9},
                       {RenderNote(patches::Crash(), 300, 0.1, 1.0, 52), 0.0, 0.5}});
    // The swell: a brass chord and rising noise growing into the end.
    Patch brass = patches::Brass();
    brass.amp = {0.9, 0.5, 1.0, 0.25};
    Samples chord =
        Play(brass,
             {{0.0, 50, 1.3, 0.9}, {0.0, 57, 1.3, 0.9}, {0.0, 62, 1.3, 0.9}, {0.0, 65, 1.3, 0.8}});
    Samples riser = Whoosh(1.5, 300, 5000, 1.5, 1.3, 0.0, 53);
    return Mix({{hit}, {chord, 0.35, 0.7}, {riser, 0.3, 0.35}});
}

Samples Close() {  // d.wav
    return Sweep(0.12, 900, 430, Wave::kSine, 0.003, 0.05);
}

Samples Damage(bool heavy) {  // damage.wav, damage2.wav
    Samples body = heavy ? Thump(0.4, 110, 32, 0.14) : Thump(0.25, 150, 50, 0.07);
    Samples crack = heavy ? Whoosh(0.3, 900, 400, 0.8, 0.001, 0.08, 61)
                          : Whoosh(0.2, 2200, 1000, 0.8, 0.001, 0.04, 62);
    Samples out = Mix({{body, 0.0, 1.0}, {crack, 0.0, heavy ? 1.4 : 1.1}});
    if (heavy) {
        MixInto(out, Highpass(Whoosh(0.08, 3000, 2000, 0.7, 0.001, 0.02, 63), 1200), 0.0, 0.6);
    }
    NormalizePeak(out, 1.0);
    SoftClip(out, heavy ? 3.0 : 2.0);
    return out;
}

Samples GameOver() {  // gameover.wav
    Patch lead = patches::Oboe();
    lead.amp.release = 0.4;
    Samples tune = Play(
        lead,
        {{0.0, 76, 0.38}, {0.4, 74, 0.38}, {0.8, 72, 0.38}, {1.2, 71, 0.3}, {1.5, 69, 0.7, 0.7}});
    Samples pad = Play(patches::Strings(), {{0.0, 57, 1.2, 0.6},
                                            {0.0, 60, 1.2, 0.6},
                                            {0.0, 64, 1.2, 0.6},
                                            {1.2, 53, 0.9, 0.5},
                                            {1.2, 57, 0.9, 0.5},
                                            {1.2, 60, 0.9, 0.5}});
    Samples bass = Play(patches::SubBass(), {{0.0, 45, 1.1}, {1.2, 41, 0.3}, {1.5, 45, 0.7}});
    Samples bell = Play(patches::Bell(), {{1.5, 69, 0.6, 0.5}, {1.5, 57, 0.6, 0.5}});
    Samples out = Mix({{tune, 0.0, 1.0}, {pad, 0.0, 0.8}, {bass, 0.0, 0.6}, {bell, 0.0, 0.4}});
    Echo(out, 0.21, 0.25, 0.2);
    return out;
}

Samples HappyArpeggio() {  // happy.wav
    return Mix({{Play(patches::EPiano(),
                      {{0.0, 72, 0.1}, {0.07, 76, 0.1}, {0.14, 79, 0.1}, {0.21, 84, 0.5, 0.9}})},
                {Play(patches::Glock(), {{0.21, 96, 0.2, 0.6}}), 0.0, 0.5}});
}

Samples ItemFanfare() {  // mono.wav
    Patch p = patches::Brass();
    p.cutoff_env = 3500.0;
    return Mix({{Play(p, {{0.0, 67, 0.07},
                          {0.09, 72, 0.07},
                          {0.18, 76, 0.07},
                          {0.27, 79, 0.45, 1.0},
                          {0.27, 76, 0.45, 0.7},
                          {0.27, 72, 0.45, 0.7}})},
                {Sparkles(0.3, 4, 96, 103, true, 71), 0.3, 0.4}});
}

Samples HealChime() {  // heal.wav
    Samples chimes = Play(patches::Glock(), {{0.0, 84, 0.1, 0.6},
                                             {0.09, 86, 0.1, 0.65},
                                             {0.18, 88, 0.1, 0.7},
                                             {0.27, 91, 0.1, 0.75},
                                             {0.36, 93, 0.1, 0.8},
                                             {0.45, 96, 0.4, 0.8}});
    Samples swell = Sweep(0.9, 520, 1040, Wave::kSine, 0.4, 0.25);
    Samples out = Mix({{chimes, 0.0, 1.0}, {swell, 0.0, 0.25}});
    Echo(out, 0.12, 0.3, 0.25);
    return out;
}

Samples Shine() {  // hikari.wav
    Samples sparkle = Sparkles(1.1, 22, 108, 86, false, 81);
    Samples air = Highpass(Whoosh(1.4, 6000, 9000, 0.7, 0.05, 0.4, 82), 4000);
    Samples out = Mix({{sparkle, 0.0, 1.0},
                       {air, 0.0, 0.3},
                       {Play(patches::Bell(), {{0.0, 96, 0.3, 0.8}}), 0.0, 0.5}});
    Echo(out, 0.09, 0.35, 0.35);
    return out;
}

Samples WarmRise() {  // hp.wav
    Samples a = Sweep(0.6, 330, 660, Wave::kTriangle, 0.12, 0.25);
    Samples b = Sweep(0.6, 415, 830, Wave::kSine, 0.15, 0.25);
    return Lowpass(Mix({{a, 0.0, 0.7}, {b, 0.0, 0.5}}), 2500);
}

Samples SoftTick() {  // in.wav
    Patch p = patches::Marimba();
    p.amp.release = 0.06;
    return Play(p, {{0.0, 86, 0.02, 0.9}});
}

Samples Pickup() {  // item.wav
    return Play(patches::Marimba(), {{0.0, 88, 0.06}, {0.06, 91, 0.06}, {0.12, 96, 0.25, 0.9}});
}

Samples RareJingle() {  // rare.wav
    Samples tune = Play(patches::Glock(), {{0.0, 84, 0.1},
                                           {0.1, 88, 0.1},
                                           {0.2, 91, 0.1},
                                           {0.3, 95, 0.1},
                                           {0.4, 98, 0.1},
                                           {0.55, 96, 0.8, 0.9}});
    Samples chord = Play(
        patches::Bell(),
        {{0.55, 72, 0.8, 0.6}, {0.55, 76, 0.8, 0.6}, {0.55, 79, 0.8, 0.6}, {0.55, 83, 0.8, 0.6}});
    Samples pad = Play(patches::Choir(), {{0.4, 72, 1.0, 0.5}, {0.4, 79, 1.0, 0.5}});
    Samples out = Mix({{tune},
                       {chord, 0.0, 0.5},
                       {pad, 0.0, 0.35},
                       {Sparkles(1.2, 14, 100, 88, false, 91), 0.55, 0.35}});
    Echo(out, 0.15, 0.3, 0.25);
    return out;
}

Samples ItemUse() {  // item_use.wav
    Samples bloop = Sweep(0.25, 400, 900, Wave::kSine, 0.01, 0.1);
    return Mix({{bloop, 0.0, 0.8}, {Play(patches::Glock(), {{0.0, 91, 0.2}}), 0.16, 0.8}});
}

Samples Sprout() {  // koyasi.wav
    Patch boing = patches::Flute();
    boing.vibrato_cents = 60.0;
    boing.vibrato_delay = 0.0;
    boing.vibrato_rate = 9.0;
    return Mix({{Play(patches::Marimba(), {{0.0, 72, 0.08},
                                           {0.08, 74, 0.08},
                                           {0.16, 76, 0.08},
                                           {0.24, 79, 0.08},
                                           {0.32, 84, 0.3}})},
                {Play(boing, {{0.0, 55, 0.35, 0.6}}), 0.0, 0.35},
                {Sweep(0.3, 200, 600, Wave::kSine, 0.02, 0.1), 0.3, 0.3}});
}

Samples Recovery() {  // kaifuku.wav
    Samples harp =
        Play(patches::Harp(),
             {{0.0, 72, 0.1}, {0.07, 76, 0.1}, {0.14, 79, 0.1}, {0.21, 84, 0.1}, {0.28, 88, 0.5}});
    Patch pad = patches::WarmPad();
    pad.amp = {0.2, 0.5, 0.9, 0.5};
    Samples swell = Play(pad, {{0.0, 60, 0.6}, {0.0, 64, 0.6}, {0.0, 67, 0.6}});
    Samples out = Mix({{harp, 0.0, 1.0}, {swell, 0.0, 0.6}});
    Echo(out, 0.1, 0.3, 0.2);
    return out;
}

Samples StatUp(bool big) {  // up.wav, up2.wav
    Patch p = patches::SquareLead();
    p.vibrato_cents = 0.0;
    p.amp = {0.002, 0.08, 0.5, 0.1};
    if (!big) {
        Samples out = Play(p, {{0.0, 84, 0.06}, {0.08, 91, 0.12}});
        Echo(out, 0.09, 0.3, 0.35);
        return out;
    }
    Samples blips =
        Play(p, {{0.0, 84, 0.06}, {0.07, 88, 0.06}, {0.14, 91, 0.06}, {0.21, 96, 0.25}});
    Samples chord = Play(patches::Brass(), {{0.21, 72, 0.35}, {0.21, 76, 0.35}, {0.21, 79, 0.35}});
    Samples out = Mix({{blips, 0.0, 0.8},
                       {chord, 0.0, 0.5},
                       {Sparkles(0.35, 6, 96, 108, true, 101), 0.25, 0.35}});
    Echo(out, 0.1, 0.25, 0.25);
    return out;
}

Samples InnRest() {  // kaifuku2.wav
    Samples tune = Play(patches::Harp(), {{0.0, 69, 0.25},
                                          {0.25, 72, 0.25},
                                          {0.5, 77, 0.25},
                                          {0.75, 76, 0.25},
                                          {1.0, 72, 0.25},
                                          {1.25, 74, 0.25},
                                          {1.5, 77, 0.6, 0.7}});
    Samples low =
        Play(patches::Harp(),
             {{0.0, 53, 0.4, 0.6}, {0.5, 60, 0.4, 0.5}, {1.0, 58, 0.4, 0.6}, {1.5, 53, 0.6, 0.6}});
    Patch pad = patches::WarmPad();
    pad.amp = {0.3, 0.8, 0.9, 0.4};
    Samples chords = Play(pad, {{0.0, 65, 0.9},
                                {0.0, 69, 0.9},
                                {1.0, 65, 1.0},
                                {1.0, 70, 0.5},
                                {1.0, 74, 0.5},
                                {1.5, 69, 0.5},
                                {1.5, 72, 0.5}});
    Samples out = Mix({{tune, 0.0, 1.0}, {low, 0.0, 0.7}, {chords, 0.0, 0.45}});
    Echo(out, 0.25, 0.25, 0.2);
    return out;
}

Samples KeyTick() {  // key2.wav
    return Sweep(0.03, 2300, 2000, Wave::kTriangle, 0.0008, 0.006);
}

Samples TabTick() {  // key3.wav
    return Mix({{Sweep(0.035, 1900, 1700, Wave::kTriangle, 0.0008, 0.007)},
                {Sweep(0.035, 2500, 2300, Wave::kTriangle, 0.0008, 0.007), 0.055, 1.0}});
}

Samples LevelUp() {  // lvup.wav
    Patch brass = patches::Brass();
    brass.cutoff_env = 3500.0;
    Samples tune = Play(brass, {{0.0, 67, 0.08},
                                {0.11, 72, 0.08},
                                {0.22, 76, 0.08},
                                {0.33, 79, 0.22},
                                {0.58, 76, 0.1},
                                {0.7, 79, 0.1},
                                {0.82, 84, 0.9, 1.0}});
    Samples harmony = Play(brass, {{0.82, 76, 0.9, 0.7}, {0.82, 79, 0.9, 0.7}});
    Samples strings = Play(patches::Strings(), {{0.3, 60, 1.3}, {0.3, 64, 1.3}, {0.3, 67, 1.3}});
    Samples drums = Mix({{RenderNote(patches::Tom(), 70, 0.1, 1.0, 111), 0.0, 0.7},
                         {RenderNote(patches::Tom(), 70, 0.1, 0.8, 112), 0.58, 0.6},
                         {RenderNote(patches::Tom(), 70, 0.1, 0.8, 113), 0.7, 0.6},
                         {RenderNote(patches::Crash(), 300, 0.1, 1.0, 114), 0.82, 0.4}});
    return Mix({{tune}, {harmony, 0.0, 0.6}, {strings, 0.0, 0.4}, {drums}});
}

Samples PetLevelUp() {  // lvup2.wav
    Patch p = patches::SquareLead();
    p.wave = Wave::kPulse;
    p.pulse_width = 0.125;
    p.vibrato_cents = 0.0;
    p.amp = {0.002, 0.1, 0.5, 0.12};
    Samples tune =
        Play(p, {{0.0, 88, 0.06}, {0.08, 91, 0.06}, {0.16, 96, 0.06}, {0.24, 100, 0.25}});
    return Mix({{tune, 0.0, 0.8},
                {Play(patches::Glock(), {{0.24, 100, 0.3}}), 0.0, 0.6},
                {Sparkles(0.3, 5, 98, 108, true, 121), 0.3, 0.3}});
}

Samples Miss() {  // miss.wav
    return Whoosh(0.26, 2600, 500, 1.5, 0.06, 0.07, 131);
}

Samples BellChord() {  // new.wav
    Samples bells =
        Play(patches::Bell(), {{0.0, 84, 0.8}, {0.03, 88, 0.8}, {0.06, 91, 0.8}, {0.09, 96, 0.8}});
    Samples low = Play(patches::Bell(), {{0.0, 60, 0.8, 0.6}, {0.0, 72, 0.8, 0.6}});
    Samples out =
        Mix({{bells}, {low, 0.0, 0.5}, {Sparkles(0.8, 10, 96, 108, true, 141), 0.1, 0.35}});
    Echo(out, 0.13, 0.3, 0.2);
    return out;
}

Samples Buzzer() {  // no.wav
    Patch p;
    p.wave = Wave::kSaw;
    p.wave2 = Wave::kSquare;
    p.wave2_mix = 0.5;
    p.wave2_semis = 0.3;
    p.cutoff = 1400.0;
    p.amp = {0.004, 0.1, 0.9, 0.03};
    return Play(p, {{0.0, 46, 0.11, 1.0}, {0.18, 46, 0.14, 1.0}});
}

Samples Confirm() {  // ok.wav
    Samples chord = Play(patches::Brass(),
                         {{0.06, 60, 0.4}, {0.06, 64, 0.4}, {0.06, 67, 0.4}, {0.06, 72, 0.4, 0.9}});
    Samples grace = Play(patches::Brass(), {{0.0, 67, 0.05, 0.7}});
    Samples strings = Play(patches::Strings(), {{0.06, 48, 0.5}, {0.06, 55, 0.5}});
    return Mix({{chord},
                {grace, 0.0, 0.6},
                {strings, 0.0, 0.5},
                {Play(patches::Glock(), {{0.06, 96, 0.2, 0.6}}), 0.0, 0.4}});
}

Samples ChestOpen() {  // open.wav
    // The creak: an uneven low pulse train through wooden resonances.
    const size_t n = ToSamples(0.5);
    Samples creak(n);
    Rng rng(151);
    Svf wood1, wood2;
    wood1.Set(700, 8.0);
    wood2.Set(1500, 6.0);
    double phase = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double rate = 38.0 + 25.0 * std::sin(2 * kPi * 1.3 * t) + 6.0 * rng.Bipolar();
        phase += rate / kRate;
        float pulse = 0.0f;
        if (phase >= 1.0) {
            phase -= 1.0;
            pulse = 1.0f;
        }
        const double env = std::min(1.0, t / 0.05) * std::min(1.0, (0.5 - t) / 0.1);
        creak[i] = static_cast<float>((wood1.Band(pulse) + 0.6 * wood2.Band(pulse)) * env);
    }
    Samples shine =
        Mix({{Sparkles(0.5, 9, 88, 105, true, 152)},
             {Play(patches::Bell(), {{0.0, 84, 0.4, 0.6}, {0.0, 91, 0.4, 0.5}}), 0.0, 0.5}});
    Samples out = Mix({{creak, 0.0, 1.0}, {shine, 0.45, 0.8}});
    Echo(out, 0.11, 0.25, 0.2);
    return out;
}

Samples Pi() {  // pi.wav
    // A clean beep: mostly sine, with a little of the square's edge for presence.
    return Mix({{Sweep(0.09, 1760, 1760, Wave::kSine, 0.002, 0.0), 0.0, 1.0},
                {Lowpass(Sweep(0.09, 1760, 1760, Wave::kSquare, 0.002, 0.0), 3000), 0.0, 0.25}});
}

Samples MysticChime(bool second) {  // reaitem1.wav, reaitem2.wav
    Patch bell = patches::Bell();
    if (!second) {
        // Whole-tone steps, rising: something unknown awakens.
        bell.fm_ratio = 1.41;
        bell.fm_index = 1.8;
        Samples tune = Play(bell, {{0.0, 74, 0.3},
                                   {0.12, 78, 0.3},
                                   {0.24, 82, 0.3},
                                   {0.36, 86, 0.6, 0.9},
                                   {0.36, 80, 0.6, 0.6}});
        Samples pad = Play(patches::Choir(), {{0.1, 62, 0.8, 0.5}, {0.1, 68, 0.8, 0.5}});
        Samples out = Mix({{tune}, {pad, 0.0, 0.4}});
        Echo(out, 0.17, 0.4, 0.35);
        return out;
    }
    // Minor pentatonic falling over a choir: an old power remembered.
    Samples tune =
        Play(patches::Glock(),
             {{0.0, 93, 0.2}, {0.1, 89, 0.2}, {0.2, 86, 0.2}, {0.3, 84, 0.2}, {0.4, 81, 0.6}});
    Samples pad =
        Play(patches::Choir(), {{0.0, 62, 0.9, 0.5}, {0.0, 69, 0.9, 0.5}, {0.0, 76, 0.9, 0.4}});
    Samples low = Play(bell, {{0.0, 50, 0.8, 0.5}});
    Samples out = Mix({{tune}, {pad, 0.0, 0.45}, {low, 0.0, 0.4}});
    Echo(out, 0.23, 0.35, 0.3);
    return out;
}

Samples ComboSlash() {  // renkei.wav
    Samples whoosh = Whoosh(0.2, 300, 6000, 1.2, 0.15, 0.0, 161);
    Samples slash = Highpass(Whoosh(0.15, 7000, 3000, 0.8, 0.001, 0.04, 162), 2500);
    Patch brass = patches::Brass();
    brass.cutoff_env = 4000.0;
    Samples chord =
        Play(brass,
             {{0.0, 50, 0.6, 1.0}, {0.0, 57, 0.6, 1.0}, {0.0, 62, 0.6, 1.0}, {0.0, 69, 0.6, 0.8}});
    Samples out = Mix({{whoosh, 0.0, 0.6},
                       {slash, 0.18, 0.8},
                       {RenderNote(patches::Kick(), 45, 0.1, 1.0, 163), 0.18, 0.8},
                       {chord, 0.18, 0.7},
                       {RenderNote(patches::Crash(), 300, 0.1, 0.8, 164), 0.18, 0.3}});
    SoftClip(out, 1.5);
    return out;
}

Samples Revival() {  // sin2.wav
    Patch choir = patches::Choir();
    choir.amp = {0.5, 1.0, 0.9, 0.6};
    choir.cutoff = 1800.0;
    Samples voices = Play(choir, {{0.0, 60, 1.8, 0.6},
                                  {0.3, 67, 1.5, 0.6},
                                  {0.6, 72, 1.2, 0.6},
                                  {0.9, 76, 0.9, 0.6},
                                  {1.2, 79, 0.6, 0.6}});
    Samples rise = Sweep(1.8, 400, 1600, Wave::kSine, 1.0, 0.0);
    FadeEdges(rise, 0.0, 0.5);
    Samples out =
        Mix({{voices}, {rise, 0.0, 0.08}, {Sparkles(0.8, 10, 90, 108, true, 171), 1.1, 0.3}});
    Echo(out, 0.19, 0.35, 0.3);
    return out;
}

// ---------------------------------------------------------------- the list

struct Recipe {
    const char* name;
    std::function<Samples()> make;
    double level = 0.89;       // peak after levelling
    double max_seconds = 2.5;  // longer tails are faded away
};

const std::vector<Recipe>& Recipes() {
    static const std::vector<Recipe> kRecipes = {
        // Clicks heard hundreds of times are kept a little below the rest.
        {"1.wav", Tick, 0.6, 0.08},
        {"a.wav", PageOpen, 0.8, 0.8},
        {"b.wav", Button, 0.75, 0.2},
        {"bp.wav", SparkleBlip, 0.8, 0.6},
        {"buy.wav", CashRegister, 0.89, 1.2},
        {"c.wav", Clack, 0.8, 0.2},
        {"cat.wav",
         [] {
             return Mew({0.6, 500, 760, 430, 0.35, 6.0, 15.0, 1.0, 0.0, 0.4}, 181);
         }},
        {"cat1.wav",
         [] {
             return Mew({0.28, 820, 1050, 760, 0.4, 7.0, 10.0, 1.25, 0.0, 0.35}, 182);
         }},
        {"cat2.wav",
         [] {
             // A happy trill that ends in a little upward chirp.
             return Mix(
                 {{Mew({0.38, 480, 700, 650, 0.7, 5.0, 10.0, 1.1, 26.0, 0.6}, 183)},
                  {Mew({0.2, 700, 1000, 950, 0.7, 6.0, 10.0, 1.2, 0.0, 0.5}, 184), 0.36, 0.8}});
         }},
        {"cat3.wav",
         [] {
             return Mew({0.95, 450, 660, 380, 0.3, 5.5, 40.0, 0.95, 0.0, 0.35}, 185);
         }},
        {"cat4.wav",
         [] {
             return Mew({0.5, 520, 440, 860, 0.3, 6.0, 12.0, 1.05, 0.0, 0.75}, 186);
         }},
        {"cat_dead.wav",
         [] {
             return Mix(
                 {{Mew({1.1, 720, 760, 240, 0.15, 4.0, 30.0, 1.0, 0.0, 0.25}, 187)},
                  {Play(patches::Bell(), {{0.5, 57, 0.5, 0.5}, {0.5, 60, 0.5, 0.4}}), 0.0, 0.25}});
         }},
        {"change.wav", Change, 0.85, 1.0},
        {"coin.wav", Coin, 0.85, 0.6},
        {"combo5.wav", BattleStart, 0.89, 2.4},
        {"d.wav", Close, 0.75, 0.15},
        {"damage.wav", [] { return Damage(false); }, 0.89, 0.3},
        {"damage2.wav", [] { return Damage(true); }, 0.89, 0.5},
        {"gameover.wav", GameOver, 0.89, 2.8},
        {"happy.wav", HappyArpeggio, 0.85, 1.0},
        {"mono.wav", ItemFanfare, 0.85, 1.2},
        {"heal.wav", HealChime, 0.85, 1.4},
        {"hikari.wav", Shine, 0.85, 1.8},
        {"hp.wav", WarmRise, 0.8, 0.7},
        {"in.wav", SoftTick, 0.65, 0.12},
        {"item.wav", Pickup, 0.85, 0.7},
        {"rare.wav", RareJingle, 0.89, 2.4},
        {"item_use.wav", ItemUse, 0.85, 0.7},
        {"koyasi.wav", Sprout, 0.85, 1.0},
        {"kaifuku.wav", Recovery, 0.85, 1.4},
        {"up.wav", [] { return StatUp(false); }, 0.85, 0.6},
        {"up2.wav", [] { return StatUp(true); }, 0.89, 1.1},
        {"kaifuku2.wav", InnRest, 0.85, 2.6},
        {"key2.wav", KeyTick, 0.5, 0.05},
        {"key3.wav", TabTick, 0.55, 0.12},
        {"lvup.wav", LevelUp, 0.89, 2.2},
        {"lvup2.wav", PetLevelUp, 0.85, 1.0},
        {"miss.wav", Miss, 0.8, 0.3},
        {"new.wav", BellChord, 0.89, 1.8},
        {"no.wav", Buzzer, 0.75, 0.4},
        {"ok.wav", Confirm, 0.85, 0.9},
        {"open.wav", ChestOpen, 0.85, 1.6},
        {"pi.wav", Pi, 0.6, 0.1},
        {"reaitem1.wav", [] { return MysticChime(false); }, 0.85, 1.8},
        {"reaitem2.wav", [] { return MysticChime(true); }, 0.85, 1.8},
        {"renkei.wav", ComboSlash, 0.89, 1.3},
        {"sin2.wav", Revival, 0.85, 2.5},
    };
    return kRecipes;
}

// Trims what has faded below hearing, keeps the length within `max_seconds` (fading the
// last stretch rather than cutting it) and sets the peak.
Samples Finish(Samples s, double max_seconds, double level) {
    const float peak = Peak(s);
    if (peak <= 0.0f) return s;
    size_t end = s.size();
    while (end > 0 && std::fabs(s[end - 1]) < peak * 0.0015f) --end;
    s.resize(end);
    const size_t limit = ToSamples(max_seconds);
    if (s.size() > limit) {
        s.resize(limit);
        const size_t fade = limit / 6;
        for (size_t i = 0; i < fade; ++i) {
            const double k = double(i) / fade;
            s[limit - 1 - i] *= static_cast<float>(k * k);
        }
    }
    FadeEdges(s, 0.0005, 0.004);
    // Even the shortest tick is a few hundredths of a second long, silent at the end.
    if (s.size() < ToSamples(0.05)) s.resize(ToSamples(0.05), 0.0f);
    NormalizePeak(s, level);
    return s;
}

}  // namespace

std::vector<std::string> EffectNames() {
    std::vector<std::string> names;
    for (const Recipe& r : Recipes()) names.push_back(r.name);
    return names;
}

Samples MakeEffect(const std::string& name) {
    for (const Recipe& r : Recipes()) {
        if (name == r.name) return Finish(r.make(), r.max_seconds, r.level);
    }
    throw std::runtime_error("no effect " + name);
}

}  // namespace quill::soundgen
