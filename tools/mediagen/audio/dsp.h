#pragma once
// Building blocks of the synthesiser: a seeded noise source, filters,
// oscillators, envelopes and a stereo reverb. Everything is deterministic:
// the same parameters give the same samples on every run.
#include "tools/mediagen/core/rng.h"
#include <cstddef>
#include <cstdint>
#include <vector>

namespace wispwood::mediagen {

// Noise in -1..1 and coin flips from the generator's shared Rng.
inline float Bipolar(Rng& rng) {
    return float(rng.Unit() * 2.0 - 1.0);
}
inline bool Chance(Rng& rng, double p) {
    return rng.Unit() < p;
}

// A stable seed from a name, so that every sound owns its own sequence and
// sounds do not depend on the order they are made in.
uint64_t HashName(const char* name);

// Robert Bristow-Johnson's biquad sections, transposed direct form II.
class Biquad {
  public:
    static Biquad LowPass(double rate, double freq, double q);
    static Biquad HighPass(double rate, double freq, double q);
    static Biquad BandPass(double rate, double freq, double q);
    static Biquad HighShelf(double rate, double freq, double q, double gainDb);
    static Biquad Peaking(double rate, double freq, double q, double gainDb);
    // Retune in place (for sweeps) keeping the filter state.
    void SetLowPass(double rate, double freq, double q);
    void SetBandPass(double rate, double freq, double q);
    void SetHighPass(double rate, double freq, double q);

    float Process(float x) {
        double y = b0_ * x + z1_;
        z1_ = b1_ * x - a1_ * y + z2_;
        z2_ = b2_ * x - a2_ * y;
        return float(y);
    }

  private:
    void Set(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    double z1_ = 0, z2_ = 0;
};

class OnePoleLowPass {
  public:
    OnePoleLowPass(double rate, double freq) { SetFreq(rate, freq); }
    void SetFreq(double rate, double freq);
    float Process(float x) { return state_ += float(k_) * (x - state_); }

  private:
    double k_ = 1;
    float state_ = 0;
};

// Sine by table lookup with linear interpolation; phase in cycles.
float SineCycle(double phase);

// Phase-accumulating oscillators, frequency settable per sample.
class Phasor {
  public:
    explicit Phasor(double phase = 0) : phase_(phase) {}
    double Step(double freq, double rate) {
        double p = phase_;
        phase_ += freq / rate;
        phase_ -= double(int64_t(phase_));
        return p;
    }

  private:
    double phase_;
};

// Band-limited sawtooth (polyBLEP), -1..1.
class SawOsc {
  public:
    explicit SawOsc(double phase = 0) : phase_(phase) {}
    float Step(double freq, double rate);

  private:
    double phase_;
};

// Exponential decay reaching 1/e after `tau` seconds.
double Decay(double t, double tau);
// Attack-hold-release shape for a note of `length` seconds: a raised-cosine
// attack, then sustain at 1, then a cosine release after `length`.
double NoteEnvelope(double t, double attack, double length, double release);

// Schroeder-Moorer reverb with eight combs and four all-passes per side,
// tuned for a soft wooden hall.
class Reverb {
  public:
    Reverb(int rate, double roomSize, double damping, double width = 1.0);
    void Process(float inL, float inR, float& outL, float& outR);

  private:
    struct Comb {
        std::vector<float> buffer;
        size_t index = 0;
        float store = 0;
    };
    struct AllPass {
        std::vector<float> buffer;
        size_t index = 0;
    };
    float RunComb(Comb& comb, float input);
    static float RunAllPass(AllPass& pass, float input);
    std::vector<Comb> combs_[2];
    std::vector<AllPass> passes_[2];
    float feedback_, damp_, wet1_, wet2_;
};

// Karplus-Strong plucked string: a noise burst circulating in a delay line
// through a gentle loop filter. `brightness` 0..1 shapes the attack,
// `decaySeconds` the time to fall by 60 dB at 440 Hz.
std::vector<float> PluckString(int rate, double freq, double seconds, double brightness, double decaySeconds,
                               Rng& rng);

} // namespace wispwood::mediagen
