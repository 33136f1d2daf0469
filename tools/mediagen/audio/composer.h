#pragma once
// Composes pieces from a seed: a key and a form of sections, chord
// progressions with real cadences, and melodies written phrase by phrase
// (antecedent and consequent, a contrasting middle, a varied return). The
// arranger then dresses each section in harp, pads, bass, bells and drums.
#include "tools/mediagen/audio/dsp.h"
#include "tools/mediagen/audio/voices.h"
#include <cstdint>
#include <vector>

namespace wispwood::mediagen {

struct Key {
    int tonic = 0; // pitch class, 0 = C
    bool minor = false;
};

// 0 = C .. 11 = B, for MIDI notes and for differences between them.
inline int PitchClass(int note) {
    return (note % 12 + 12) % 12;
}

struct Chord {
    int degree = 0; // 0 = tonic .. 6
    bool seventh = false;
};

enum class Cadence { Half, Full };

// Pitch classes of the chord (root first); minor keys take the raised
// leading tone in V and vii.
std::vector<int> ChordPitchClasses(const Key& key, const Chord& chord);
// Scale pitch classes to write a melody with over `chord` (harmonic minor
// over V and vii in a minor key).
std::vector<int> ScaleOver(const Key& key, const Chord& chord);
// Functional chord walk over `bars` bars starting on `first`, ending in the
// cadence (Full: V-I, Half: ...-V).
std::vector<Chord> MakeProgression(Rng& rng, const Key& key, int bars, Cadence cadence, int first);

struct MelodyNote {
    double beat;   // from the start of the phrase
    double length; // in beats
    int midi;
};

struct MelodyRange {
    int low, high;
};

// A phrase of one chord per bar. When `opening` is given its notes are kept
// (a parallel phrase that starts like an earlier one) and only the rest is
// written.
std::vector<MelodyNote> MakeMelody(Rng& rng, const Key& key, const std::vector<Chord>& chords,
                                   int beatsPerBar, Cadence cadence, MelodyRange range,
                                   const std::vector<MelodyNote>* opening, int openingBars);

// What the score holds: tuned notes and drum hits on a beat grid.
struct ScoreNote {
    Instrument instrument;
    double beat, beats;
    int midi;
    double velocity;
    float pan, gain;
};

struct ScoreHit {
    Drum drum;
    double beat, velocity;
    float pan, gain;
};

struct Score {
    double bpm = 100;
    int beatsPerBar = 4;
    double lengthBeats = 0;
    std::vector<ScoreNote> notes;
    std::vector<ScoreHit> hits;
};

// The character of a piece; the seed decides everything else.
struct PieceStyle {
    uint64_t seed;
    Key key;
    double bpm;
    int beatsPerBar;   // 3 or 4
    Instrument lead;   // main melody voice
    Instrument second; // lead of the middle section, and doubling
    int drums;         // 0 none, 1 light, 2 lively
    bool walkingBass;  // bass moves in quarters rather than roots
    int harpMotion;    // 1 flowing eighths, 2 gentle quarters
};

Score ComposePiece(const PieceStyle& style);

} // namespace wispwood::mediagen
