#pragma once
// Shapes the effects are built from: filtered noise with a moving centre,
// pitch glides, crackle, notes placed in time and sparkles of high bells.
// All render into a mono buffer at `rate`, positions in seconds.
#include "tools/mediagen/audio/dsp.h"
#include "tools/mediagen/audio/pcm.h"
#include "tools/mediagen/audio/voices.h"
#include <functional>

namespace wispwood::mediagen {

// A frequency moving evenly in pitch from `from` at the start to `to` at
// the end, bent by `curve` (1 = straight, > 1 = slow start, < 1 = fast start).
double Glide(double from, double to, double x, double curve = 1.0);

// The steps of the pentatonic scale within an octave, and the note `step`
// places up that scale from `base`.
inline constexpr int kPentatonic[] = {0, 2, 4, 7, 9};
inline int PentatonicNote(int base, int step) {
    return base + 12 * (step / 5) + kPentatonic[step % 5];
}

struct SoundCanvas {
    int rate;
    Mono samples;
    Rng rng;

    SoundCanvas(int rate, uint64_t seed) : rate(rate), rng(seed) {}
    size_t At(double seconds) const { return SecondsToFrames(seconds, rate); }

    // Adds `seconds` of generated samples starting at `start`; `fn` gets the
    // time since the start and returns the sample.
    void Add(double start, double seconds, const std::function<float(double)>& fn);
    void AddVoice(double start, const Mono& voice, float gain = 1.0f);
    void Note(Instrument instrument, double start, double midi, double length, double velocity,
              float gain = 1.0f);
    void Hit(Drum drum, double start, double velocity, float gain = 1.0f);

    // Band-pass noise whose centre glides from f0 to f1 over the span, shaped
    // by `envelope` (time in 0..1 of the span).
    void Noise(double start, double seconds, double f0, double f1, double q, float gain,
               const std::function<double(double)>& envelope);
    // Low-pass noise (rumbles and thumps).
    void DarkNoise(double start, double seconds, double cutoff, float gain,
                   const std::function<double(double)>& envelope);
    // Sine glide from f0 to f1 with the given envelope.
    void Chirp(double start, double seconds, double f0, double f1, float gain,
               const std::function<double(double)>& envelope, double curve = 1.0);
    // A whistled glide: a sine from f0 to f1 with a vibrato of
    // `vibratoDepth` (a share of the pitch) at `vibratoHz`.
    void Whistle(double start, double seconds, double f0, double f1, double curve, double vibratoHz,
                 double vibratoDepth, double level, const std::function<double(double)>& envelope);
    // A click of noise through `filter`, dying away with time constant `tau`.
    void Tick(double start, double seconds, Biquad filter, double level, double tau);
    // Noise through `filter` whose level flutters at random, under about
    // `flutterHz`: paper, leaves.
    void Flutter(double start, double seconds, double flutterHz, Biquad filter, double level,
                 const std::function<double(double)>& envelope);
    // `count` tiny band-passed clicks scattered over the span, thinning out;
    // centres between lo and hi Hz.
    void Crackle(double start, double seconds, int count, double lo, double hi, float gain,
                 double grainSeconds = 0.004);
    // Quick high bell notes from a pentatonic scale between two MIDI notes.
    void Sparkle(double start, double seconds, int count, int lowMidi, int highMidi, float gain,
                 Instrument instrument = Instrument::Celesta);

    // Adds the hall of the music (mono), extending the buffer by `tail`.
    void Reverberate(float wet, double room, double tail);

    Pcm Finish(double maxSeconds);
};

// Envelope helpers over x in 0..1.
double Swell(double x, double peakAt);                // rises to 1 at peakAt, falls to 0 at 1
double Strike(double x, double attack, double decay); // fast rise then exponential fall (in span units)

} // namespace wispwood::mediagen
