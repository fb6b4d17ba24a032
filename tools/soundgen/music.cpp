// The thirteen music tracks, written as data for the sequencer (see sequencer.h).
//
// Every track is one pass through its form and ends on a chord that leads back to its
// first bar, so the game can loop it without a fade.
#include <stdexcept>

#include "sequencer.h"

namespace quill::soundgen {

namespace {

Part MakePart(Patch patch, double level, double pan = 0.0, double send = 0.2, int octave = 0) {
    Part p;
    p.patch = std::move(patch);
    p.level = level;
    p.pan = pan;
    p.send = send;
    p.octave = octave;
    return p;
}

// Title screen: a music box and a harp over soft strings; wistful, a little magical.
Song Title() {
    Song s;
    s.name = "title-low.mp3";
    s.bpm = 84;
    s.tonic = 65;  // F major
    s.phrases = {
        {"1 5 6 4", "5:1.5 6:.5 5:1 3:1 2:2 5,:2 3:1.5 4:.5 3:1 1:1 6,:3 r:1", "", 1},
        {"4 5 3 6", "1':1.5 7:.5 6:1 4:1 5:1 2:1 5:2 3:1.5 4:.5 5:1 7:1 6:3 r:1",
         "r:2 5':1 3':1 r:2 2':2 r:2 5':1 7':1 6':4", 1},
        {"1 5 6 4", "5:1.5 6:.5 5:1 3:1 2:2 5,:2 3:1.5 4:.5 3:1 1:1 6,:2 1:1 2:1", "=", 1},
        {"2 5 1|4 5s|5", "4:1.5 3:.5 2:1 6,:1 7,:2 2:2 3:1 1:1 6:1 4:1 5:3 r:1", "", 1},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Flute(), 0.9, 0.1, 0.35);
    s.counter = MakePart(patches::Glock(), 0.5, -0.3, 0.45);
    s.pad = MakePart(patches::Strings(), 0.5, 0.0, 0.4, -1);
    s.arp = MakePart(patches::Harp(), 0.55, -0.2, 0.35);
    s.bass = MakePart(patches::SubBass(), 0.7, 0.0, 0.05);
    s.arp_pattern = "0 1 2 3 4 3 2 1";
    s.bass_pattern = "1 - - - 5 - - -";
    s.room = 0.86;
    s.seed = 11;
    return s;
}

// Opening and story chapters: a reed over a choir in D dorian, mysterious but hopeful.
Song Opening() {
    Song s;
    s.name = "op-low.mp3";
    s.bpm = 72;
    s.tonic = 62;  // D dorian
    s.mode = Mode::kDorian;
    s.phrases = {
        {"1 4 1 4", "5:2 4:1 3:1 2:2 6,:2 1:1 2:1 3:1 5:1 4:3 r:1", "", 0},
        {"3 7 4 4", "7:1.5 6:.5 5:2 2:1 4:1 7:2 6:1.5 5:.5 4:1 2:1 4:4", "", 1},
        {"3 7 1 4", "5:1 6:1 7:2 3':1 2':1 7:2 1':1.5 7:.5 5:2 6:2 4:2",
         "r:4 r:2 5':2 r:2 3':2 4':4", 1},
    };
    s.form = "ABC";
    s.lead = MakePart(patches::Oboe(), 0.8, 0.15, 0.35);
    s.counter = MakePart(patches::Bell(), 0.4, -0.3, 0.5);
    s.pad = MakePart(patches::Choir(), 0.6, 0.0, 0.5, -1);
    s.arp = MakePart(patches::EPiano(), 0.45, -0.25, 0.4);
    s.bass = MakePart(patches::SubBass(), 0.7, 0.0, 0.05);
    s.arp_pattern = "0 2 4 2 1 3 5 3";
    s.bass_pattern = "1 - - - - - - -";
    s.room = 0.88;
    s.seed = 12;
    return s;
}

// First island area: a sunny meadow; flute, guitar and a light beat in G major.
Song Meadow() {
    Song s;
    s.name = "map-low.mp3";
    s.bpm = 112;
    s.tonic = 55;  // G major
    s.phrases = {
        {"1 4 1 5", "3:1 5:1 5:1.5 6:.5 6:1 4:1 1':2 7:1 6:1 5:1 3:1 2:3 r:1", "", 1},
        {"1 4 5 1", "3:1 5:1 5:1.5 6:.5 6:1 4:1 1':2 2':1 1':1 7:1 5:1 1':3 r:1",
         "r:2 3:2 r:2 6:2 r:2 7,:2 r:1 5:1 1:2"},
        {"6 3 4 5", "3':1.5 2':.5 1':1 7:1 7:1.5 6:.5 5:2 6:1 1':1 3':1 2':1 2':3 r:1",
         "1':2 5:2 7:2 2:2 1':2 3':2 6:2 4:2"},
        {"4 5 1 5", "1':1 6:1 4:1 6:1 5:1 7:1 2':2 3':1.5 2':.5 1':1 5:1 7:2 2':1 r:1", "=", 2},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Flute(), 0.85, 0.1, 0.25, 1);
    s.counter = MakePart(patches::Marimba(), 0.45, -0.35, 0.2, 1);
    s.pad = MakePart(patches::Strings(), 0.3, 0.0, 0.3);
    s.arp = MakePart(patches::Pluck(), 0.45, 0.3, 0.2);
    s.bass = MakePart(patches::FmBass(), 0.6, 0.0, 0.05);
    s.arp_pattern = "0 2 1 2 3 2 1 2";
    s.bass_pattern = "1 - . 5 8 - 5 .";
    s.drums.kick = "x... .... x.x. ....";
    s.drums.snare = ".... x... .... x...";
    s.drums.hat = "..x. ..x. ..x. ..x.";
    s.drums.shaker = "x.o. x.o. x.o. x.o.";
    s.drums.level = 0.8;
    s.room = 0.8;
    s.seed = 13;
    return s;
}

// The coast: a lilting waltz in D major.  map2another reuses these phrases.
std::vector<Phrase> CoastPhrases() {
    return {
        {"1 5 6 4", "3:2 2:.5 1:.5 2:2 5,:1 6,:1 1:1 3:1 4:3", "", 1},
        {"1 3m 4 5", "5:2 6:.5 5:.5 3:2 5:1 6:1.5 5:.5 4:1 2:3", "r:3 1':3 r:3 7:3", 1},
        {"6 4 1 5", "1':2 7:.5 6:.5 6:1.5 5:.5 4:1 3:1 5:1 1':1 7:2 5:1", "3:3 2:3 1:3 2:3", 2},
        {"2 4 5s 5", "4:1.5 3:.5 2:1 6:2 4:1 5:3 7,:1 2:1 5:1", "=", 2},
    };
}

Song Coast() {
    Song s;
    s.name = "map2-low.mp3";
    s.bpm = 132;
    s.beats_per_bar = 3;
    s.tonic = 62;  // D major
    s.phrases = CoastPhrases();
    s.form = "ABACABCD";
    s.lead = MakePart(patches::Oboe(), 0.75, 0.15, 0.3);
    s.counter = MakePart(patches::Flute(), 0.45, -0.3, 0.35, -1);
    s.pad = MakePart(patches::WarmPad(), 0.5, 0.0, 0.4, -1);
    s.arp = MakePart(patches::Harp(), 0.5, -0.2, 0.35);
    s.bass = MakePart(patches::SubBass(), 0.7, 0.0, 0.05);
    s.arp_pattern = "0 2 3 4 3 2";
    s.bass_pattern = "1 . 5 . 5 .";
    s.drums.kick = "x.....";
    s.drums.hat = "..x.x.";
    s.drums.shaker = "x.o.o.";
    s.drums.level = 0.7;
    s.drums.fills = false;
    s.room = 0.85;
    s.seed = 14;
    return s;
}

// The coast again, another time of day: the same tune in E major, a music box over
// marimba and guitar, played in another order.
Song CoastAgain() {
    Song s = Coast();
    s.name = "map2another-low.mp3";
    s.bpm = 120;
    s.tonic = 64;
    s.form = "CDABCD";
    s.lead = MakePart(patches::Glock(), 0.8, 0.1, 0.4);
    s.counter = MakePart(patches::Marimba(), 0.5, -0.3, 0.25);
    s.pad = MakePart(patches::Strings(), 0.35, 0.0, 0.4, -1);
    s.arp = MakePart(patches::Pluck(), 0.45, 0.3, 0.25);
    s.bass = MakePart(patches::FmBass(), 0.55, 0.0, 0.05);
    s.arp_pattern = "0 1 2 3 2 1";
    s.bass_pattern = "1 - - 5 - -";
    s.drums.kick = "x.....";
    s.drums.hat = "";
    s.drums.shaker = "x.o.x.";
    s.seed = 15;
    return s;
}

// The forest: A minor, a restless guitar figure, low drums and an uneasy reed.
Song Forest() {
    Song s;
    s.name = "map3-low.mp3";
    s.bpm = 96;
    s.tonic = 57;  // A minor
    s.mode = Mode::kMinor;
    s.phrases = {
        {"1 6 7 1", "5:1.5 3:.5 1:1 3:1 6:2 5:1 3:1 2:1.5 7,:.5 5,:1 2:1 1:3 r:1", "", 1},
        {"4 1 6 5M", "4:1.5 3:.5 4:1 6:1 5:2 3:1 1:1 1:1.5 2:.5 3:1 6:1 #7:2 5:2",
         "r:4 r:2 3':1 2':1 r:4 #7:4", 2},
        {"1 6 7 1", "5:1.5 3:.5 1:1 3:1 6:2 5:1 3:1 2:1.5 7,:.5 5,:1 2:1 1:3 r:1", "=", 2},
        {"6 4 2d 5M", "6:1 1':1 3':2 4:1 6:1 1':2 2':1.5 1':.5 7:1 6:1 #7:3 r:1", "", 2},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Oboe(), 0.75, 0.1, 0.3);
    s.counter = MakePart(patches::Glock(), 0.35, -0.35, 0.5);
    s.pad = MakePart(patches::Strings(), 0.4, 0.0, 0.4);
    s.arp = MakePart(patches::Pluck(), 0.5, -0.25, 0.25);
    s.bass = MakePart(patches::SynthBass(), 0.55, 0.0, 0.05);
    s.arp_pattern = "0 2 1 2 0 2 1 3 0 2 1 2 0 3 1 2";
    s.bass_pattern = "1 . 1 . 1 . 8 .";
    s.drums.tom = "x... ..x. ..x. ....";
    s.drums.kick = "x... .... x... ....";
    s.drums.shaker = "..o. ..x. ..o. ..x.";
    s.drums.snare = "";
    s.drums.crash = false;
    s.drums.level = 0.8;
    s.room = 0.84;
    s.seed = 16;
    return s;
}

// The mountain: B-flat major, brass calls over broad strings and timpani.
Song Mountain() {
    Song s;
    s.name = "map4-low.mp3";
    s.bpm = 88;
    s.tonic = 58;  // B-flat major
    s.phrases = {
        {"1 5 4 1", "1:1 5:1 5:2 4:1 3:1 2:2 1:1 6,:1 1:1 4:1 3:3 r:1", "", 1},
        {"6 4 1 5", "5:1.5 6:.5 5:1 3:1 4:1 5:1 6:2 5:1 3:1 1:1 3:1 2:3 r:1",
         "3:2 1:2 1:2 3:2 3:2 5:2 7,:4", 2},
        {"1 b7M 4 1", "1':2 5:1 1':1 b7:2 6:1 5:1 4:1 5:1 6:1 1':1 5:3 r:1", "=", 2},
        {"2 4 5s 5", "2:1 3:1 4:1 5:1 6:2 1':2 1':2 7:2 2':3 r:1", "", 2},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Brass(), 0.75, 0.1, 0.3);
    s.counter = MakePart(patches::Strings(), 0.45, -0.3, 0.4);
    s.pad = MakePart(patches::Strings(), 0.45, 0.0, 0.45, -1);
    s.arp = MakePart(patches::Harp(), 0.45, -0.25, 0.4);
    s.bass = MakePart(patches::SubBass(), 0.75, 0.0, 0.05);
    s.arp_pattern = "0 1 2 3 4 5 4 3";
    s.bass_pattern = "1 - - - 5 - 8 -";
    s.drums.tom = "x... .... x... ..o.";
    s.drums.kick = "";
    s.drums.snare = "";
    s.drums.level = 0.9;
    s.room = 0.88;
    s.seed = 17;
    return s;
}

// The twilight ruin: E minor, slow; bells over a choir and a harp.
Song Ruin() {
    Song s;
    s.name = "map6-low.mp3";
    s.bpm = 66;
    s.tonic = 64;  // E minor
    s.mode = Mode::kMinor;
    s.phrases = {
        {"1 6 4 5M", "5:2 3:1 4:1 3:2 1:2 6,:1 1:1 3:1 2:1 #7,:3 r:1", "", 0},
        {"1 3 7 6", "1':1.5 7:.5 5:2 5:1 7:1 2':2 7:1 6:1 4:1 2:1 3:3 r:1",
         "r:1 3:1 5:2 r:1 2:1 5:2 r:1 2:1 4:2 r:1 1:1 3:2", 1},
        {"4 1 2d 5M", "6:1.5 5:.5 4:2 5:1 4:1 3:2 2:1 4:1 6:2 #7:1.5 1':.5 #7:2", "", 1},
    };
    s.form = "ABC";
    s.lead = MakePart(patches::Bell(), 0.7, 0.1, 0.5, -1);
    s.counter = MakePart(patches::Flute(), 0.4, -0.3, 0.5, -1);
    s.pad = MakePart(patches::Choir(), 0.6, 0.0, 0.55, -1);
    s.arp = MakePart(patches::Harp(), 0.45, -0.2, 0.45);
    s.bass = MakePart(patches::SubBass(), 0.65, 0.0, 0.05);
    s.arp_pattern = "0 1 2 4 2 1";
    s.bass_pattern = "1 - - - - - - -";
    s.room = 0.9;
    s.seed = 18;
    return s;
}

// The final area: D minor, grand; brass and strings in octaves, choir, timpani, march.
Song Finale() {
    Song s;
    s.name = "map7-low.mp3";
    s.bpm = 100;
    s.tonic = 62;  // D minor
    s.mode = Mode::kMinor;
    s.phrases = {
        {"1 6 7 1", "1:1 5:1 5:1.5 4:.5 6:1 5:1 6:2 7:1 5:1 4:1 2:1 5:3 r:1", "", 1},
        {"1 6 3 7", "1':1.5 7:.5 6:1 5:1 4:1 5:1 6:2 5:1.5 4:.5 3:1 1:1 2:3 r:1", "=", 2},
        {"4 5M 1 6", "4:1 6:1 1':2 #7:1 5:1 2':2 1':1.5 7:.5 5:1 3:1 6:3 r:1", "=", 2},
        {"6 7 5s 5M", "6:1 5:1 4:1 6:1 7:1 6:1 5:1 3:1 1':2 5:2 #7:3 r:1", "", 2},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Brass(), 0.75, 0.1, 0.3);
    s.counter = MakePart(patches::Strings(), 0.5, -0.3, 0.35);
    s.pad = MakePart(patches::Choir(), 0.5, 0.0, 0.45, -1);
    s.arp = MakePart(patches::Pluck(), 0.4, 0.3, 0.25);
    s.bass = MakePart(patches::SubBass(), 0.75, 0.0, 0.05);
    s.arp_pattern = "0 1 2 1 3 1 2 1";
    s.bass_pattern = "1 - 1 - 5 - 1 -";
    s.drums.kick = "x... .... x... ....";
    s.drums.snare = ".... x..o .... x.oo";
    s.drums.tom = "x... .... .... ....";
    s.drums.hat = "x.x. x.x. x.x. x.x.";
    s.drums.level = 0.85;
    s.room = 0.87;
    s.seed = 19;
    return s;
}

// Story battle: E minor at a gallop; square lead, synth bass, full kit.
Song Battle() {
    Song s;
    s.name = "battle-low.mp3";
    s.bpm = 150;
    s.tonic = 64;  // E minor
    s.mode = Mode::kMinor;
    s.phrases = {
        {"1 6 7 1", "1:.5 1:.5 5:1 4:.5 3:.5 2:1 3:1.5 1:.5 6,:2 7,:.5 2:.5 4:1 5:.5 4:.5 2:1 1:4",
         "", 2},
        {"1 6 4 5M",
         "5:.5 5:.5 1':1 7:.5 6:.5 5:1 6:1.5 5:.5 3:2 4:.5 6:.5 1':1 6:.5 4:.5 3:1 "
         "2:1 #7,:1 2:1 4:1",
         "3:2 5:2 3:2 1:2 1:2 4:2 #7,:4", 2},
        {"6 7 1 1", "3':1 2':1 1':1.5 7:.5 2':1 1':1 7:2 1':.5 7:.5 5:1 1':.5 7:.5 5:1 1':3 r:1",
         "=", 2},
        {"4 6 5M 5M", "6:1 1':1 3':2 3':1 2':1 1':2 #7:1 1':1 2':2 4':1 2':1 #7:1 2':1", "=", 2},
    };
    s.form = "AABCDC";
    s.lead = MakePart(patches::SquareLead(), 0.7, 0.1, 0.2, -1);
    s.counter = MakePart(patches::Brass(), 0.45, -0.3, 0.2, -1);
    s.pad = MakePart(patches::Strings(), 0.35, 0.0, 0.3);
    s.arp = MakePart(patches::Pluck(), 0.35, 0.35, 0.15);
    s.bass = MakePart(patches::SynthBass(), 0.7, 0.0, 0.03);
    s.arp_pattern = "0 1 2 1 0 1 2 1";
    s.bass_pattern = "1 1 8 1 1 1 8 5";
    s.drums.kick = "x... ..x. x... ..x.";
    s.drums.snare = ".... x... .... x..o";
    s.drums.hat = "x.x. x.x. x.x. x.x.";
    s.drums.open_hat = "..x. .... ..x. ....";
    s.room = 0.75;
    s.seed = 20;
    return s;
}

// Boss battle: C minor with the flat second, faster and lower; brass, choir, toms.
Song Boss() {
    Song s;
    s.name = "ap5-low.mp3";
    s.bpm = 164;
    s.tonic = 60;  // C minor
    s.mode = Mode::kMinor;
    s.phrases = {
        {"1 b2M 1 b2M",
         "1:.5 1:.5 b2:.5 1:.5 5:1 4:1 b2':1 1':1 6:1 4:1 3:.5 1:.5 3:.5 5:.5 1':1 7:1 b2':2 4:2",
         "", 2},
        {"6 7 1 1",
         "1':1 6:1 3':1 1':1 2':1 7:1 4':1 2':1 3':2 1':2 5:.5 6:.5 7:.5 1':.5 2':1 3':1", "=", 2},
        {"4 5M 6 5M", "4:1 6:1 1':1 6:1 #7:1 2':1 4':1 2':1 3':1 1':1 6:1 1':1 #7:2 5:2", "=", 2},
    };
    s.form = "AABCABC";
    s.lead = MakePart(patches::Brass(), 0.7, 0.1, 0.2, -1);
    s.counter = MakePart(patches::SquareLead(), 0.4, -0.3, 0.2, -1);
    s.pad = MakePart(patches::Choir(), 0.45, 0.0, 0.35, -1);
    s.arp = MakePart(patches::SynthBass(), 0.3, 0.3, 0.1);
    s.bass = MakePart(patches::SynthBass(), 0.75, 0.0, 0.03);
    s.arp_pattern = "0 0 1 0 2 0 1 0 0 0 1 0 2 0 3 0";
    s.bass_pattern = "1 1 1 1 1 1 8 1 1 1 1 1 7 1 8 5";
    s.drums.kick = "x..x ..x. x..x ..x.";
    s.drums.snare = ".... x... .... x...";
    s.drums.hat = "xxxx xxxx xxxx xxxx";
    s.drums.tom = "x... .... .... ..x.";
    s.room = 0.72;
    s.seed = 21;
    return s;
}

// Victory over a boss: G major fanfare with a march.
Song Triumph() {
    Song s;
    s.name = "prologe-low.mp3";
    s.bpm = 120;
    s.tonic = 55;  // G major
    s.phrases = {
        {"1 4 5 1", "1:.5 1:.5 1:.5 3:.5 5:2 6:1 4:1 1':2 7:1.5 6:.5 5:1 7:1 1':3 r:1", "", 2},
        {"6 4 2 5", "3:1 5:1 3':2 1':1.5 7:.5 6:2 6:1 1':1 2':1 1':1 7:3 r:1",
         "1:2 3:2 4:2 1:2 6,:2 1:2 2:4", 2},
        {"1 3 4 5", "5:.5 5:.5 5:.5 6:.5 7:2 7:1 6:1 5:1 3:1 4:1 6:1 1':1 3':1 2':3 r:1", "=", 2},
        {"4 5 1 5", "1':1 7:1 6:1 4:1 5:1 6:1 7:1 2':1 1':2 5:1 3:1 2:1 5,:1 7,:1 2:1", "", 1},
    };
    s.form = "ABACD";
    s.lead = MakePart(patches::Brass(), 0.8, 0.1, 0.3, 1);
    s.counter = MakePart(patches::Strings(), 0.5, -0.3, 0.35, 1);
    s.pad = MakePart(patches::Strings(), 0.45, 0.0, 0.4);
    s.arp = MakePart(patches::Glock(), 0.3, -0.3, 0.4, 1);
    s.bass = MakePart(patches::SubBass(), 0.75, 0.0, 0.05);
    s.arp_pattern = "0 2 4 2";
    s.bass_pattern = "1 - 5 - 1 - 5 -";
    s.drums.kick = "x... .... x... ....";
    s.drums.snare = "..o. x.o. ..o. x.oo";
    s.drums.tom = "x... .... .... ....";
    s.drums.hat = "";
    s.drums.level = 0.85;
    s.room = 0.85;
    s.seed = 22;
    return s;
}

// Victory over a story enemy: F major, warm and relieved; flute over electric piano.
Song Relief() {
    Song s;
    s.name = "epiloge-low.mp3";
    s.bpm = 92;
    s.tonic = 65;  // F major
    s.phrases = {
        {"1 3 4 1", "3:1.5 2:.5 1:1 5:1 5:2 3:2 4:1 6:1 1':1 6:1 5:3 r:1", "", 1},
        {"4 1 2 5", "6:1.5 5:.5 4:1 2:1 3:1 5:1 1':2 2:1 4:1 6:1 4:1 5:3 r:1",
         "r:2 1':2 r:2 3':2 r:2 4':2 r:2 2':2", 2},
        {"6 3 4 1", "6:1.5 5:.5 6:1 1':1 3':2 5:2 2':1 1':1 6:1 4:1 3:3 r:1", "=", 2},
        {"2 5 1 5s|5", "4:1 2:1 6:2 5:1 3:1 2:2 1:1 3:1 5:1 1':1 1':2 7:2", "", 2},
    };
    s.form = "ABCD";
    s.lead = MakePart(patches::Flute(), 0.85, 0.1, 0.3);
    s.counter = MakePart(patches::Bell(), 0.3, -0.3, 0.45);
    s.pad = MakePart(patches::WarmPad(), 0.45, 0.0, 0.4, -1);
    s.arp = MakePart(patches::EPiano(), 0.5, -0.2, 0.3);
    s.bass = MakePart(patches::SubBass(), 0.7, 0.0, 0.05);
    s.arp_pattern = "0 2 1 3 2 4 3 2";
    s.bass_pattern = "1 - - 5 8 - 5 -";
    s.drums.kick = "x... .... x.x. ....";
    s.drums.snare = ".... o... .... o...";
    s.drums.shaker = "x.o. x.o. x.o. x.o.";
    s.drums.level = 0.6;
    s.drums.crash = false;
    s.room = 0.85;
    s.seed = 23;
    return s;
}

std::vector<Song> AllSongs() {
    return {Title(), Opening(), Meadow(), Coast(), Forest(),  Mountain(), CoastAgain(),
            Ruin(),  Finale(),  Battle(), Boss(),  Triumph(), Relief()};
}

}  // namespace

std::vector<std::string> TrackNames() {
    std::vector<std::string> names;
    for (const Song& s : AllSongs()) names.push_back(s.name);
    return names;
}

StereoTrack MakeTrack(const std::string& name) {
    for (const Song& s : AllSongs()) {
        if (s.name == name) return RenderSong(s);
    }
    throw std::runtime_error("no track " + name);
}

}  // namespace quill::soundgen
