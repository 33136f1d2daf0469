#include "tools/mediagen/audio/voices.h"
#include <algorithm>
#include <cmath>

namespace wispwood::mediagen {

double MidiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

namespace {

struct Partial {
    double ratio, amp, tau;
};

// Struck bars and bells: decaying sine partials. Partials above the Nyquist
// limit are dropped; `tauScale` shortens the ring of high notes.
Mono Struck(int rate, double freq, double length, double velocity, const Partial* partials, int count,
            double tauScale, double hammer, Rng& rng) {
    double longest = 0;
    for (int i = 0; i < count; ++i) longest = std::max(longest, partials[i].tau * tauScale);
    // Bars ring on after the stroke; `length` only matters when it is longer
    // than the natural ring, when the note is damped at its end.
    const double release = 0.25;
    const double damp = std::max(length, longest * 2.5);
    const double seconds = damp + release;
    const size_t frames = SecondsToFrames(seconds, rate);
    Mono out(frames, 0.0f);
    // Soft mallets bring out fewer upper partials.
    const double soft = 0.45 + 0.55 * velocity;
    for (int p = 0; p < count; ++p) {
        const double f = freq * partials[p].ratio;
        if (f > rate * 0.45) continue;
        const double amp = partials[p].amp * (p == 0 ? 1.0 : std::pow(soft, p));
        const double tau = partials[p].tau * tauScale;
        const double step = 2.0 * M_PI * f / rate;
        // Rotation oscillator: exact pitch at four multiplies per sample.
        double c = std::cos(step), s = std::sin(step), x = 1.0, y = 0.0;
        const double fall = std::exp(-1.0 / (tau * rate));
        double level = amp;
        for (size_t i = 0; i < frames; ++i) {
            out[i] += float(y * level);
            double nx = x * c - y * s;
            y = x * s + y * c;
            x = nx;
            level *= fall;
            if ((i & 1023) == 1023) { // keep the rotation on the unit circle
                double norm = 1.0 / std::sqrt(x * x + y * y);
                x *= norm;
                y *= norm;
            }
        }
    }
    if (hammer > 0) {
        Biquad hp = Biquad::HighPass(rate, std::min(freq * 3.0, rate * 0.4), 0.7);
        size_t n = std::min(frames, SecondsToFrames(0.006, rate));
        for (size_t i = 0; i < n; ++i)
            out[i] += float(hammer * velocity * hp.Process(Bipolar(rng)) * (1.0 - double(i) / n));
    }
    // A 1.5 ms onset keeps the first sample at zero; a damped release after
    // the held length keeps long notes from ringing forever.
    for (size_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        double g = t < 0.0015 ? t / 0.0015 : 1.0;
        if (t > damp) g *= NoteEnvelope(t, 0, damp, release);
        out[i] *= float(g * velocity);
    }
    return out;
}

Mono Harp(int rate, double freq, double length, double velocity, Rng& rng) {
    const double ring = std::clamp(2.8 * std::pow(440.0 / freq, 0.3), 1.0, 4.0);
    const double seconds = std::max(length, ring) + 0.3;
    Mono out = PluckString(rate, freq, seconds, 0.25 + 0.45 * velocity, ring, rng);
    // Round off the string's edge like a wooden soundboard would.
    Biquad body = Biquad::LowPass(rate, std::min(5200.0, rate * 0.45), 0.6);
    Biquad warm = Biquad::Peaking(rate, 220.0, 0.8, 2.5);
    const double fadeStart = seconds - 0.3;
    for (size_t i = 0; i < out.size(); ++i) {
        double t = double(i) / rate;
        double g = t < 0.002 ? t / 0.002 : 1.0;
        if (t > fadeStart) g *= 0.5 + 0.5 * std::cos(M_PI * std::min(1.0, (t - fadeStart) / 0.3));
        out[i] = float(warm.Process(body.Process(out[i])) * g * velocity * 1.6);
    }
    return out;
}

Mono Flute(int rate, double freq, double length, double velocity, Rng& rng) {
    const double release = 0.14;
    const size_t frames = SecondsToFrames(length + release, rate);
    Mono out(frames, 0.0f);
    Phasor phase(0.0);
    Biquad breath = Biquad::BandPass(rate, std::min(freq * 2.0, rate * 0.4), 1.5);
    Biquad chiff = Biquad::BandPass(rate, std::min(freq * 4.0, rate * 0.4), 2.0);
    const double vibRate = 5.0 + rng.Range(-0.3, 0.3);
    Phasor vib(rng.Unit());
    const double attack = std::min(0.07, length * 0.5);
    for (size_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        // Vibrato creeps in after a quarter second, as a player's does.
        double depth = 0.0045 * std::clamp((t - 0.25) / 0.4, 0.0, 1.0);
        double f = freq * (1.0 + depth * SineCycle(vib.Step(vibRate, rate)));
        double p = phase.Step(f, rate);
        double tone = SineCycle(p) + 0.18 * SineCycle(2 * p + 0.1) + 0.06 * SineCycle(3 * p + 0.3);
        double env = NoteEnvelope(t, attack, length, release);
        double swell = 0.92 + 0.08 * std::min(1.0, t / std::max(0.2, length));
        double air = breath.Process(Bipolar(rng)) * 0.07;
        double puff = t < 0.05 ? chiff.Process(Bipolar(rng)) * 0.25 * (1.0 - t / 0.05) : 0.0;
        out[i] = float((tone * swell + air + puff) * env * velocity * 0.8);
    }
    return out;
}

Mono Pad(int rate, double freq, double length, double velocity, Rng& rng) {
    const double attack = std::min(0.7, std::max(0.05, length * 0.4)), release = 1.1;
    const size_t frames = SecondsToFrames(length + release, rate);
    Mono out(frames, 0.0f);
    SawOsc saws[3] = {SawOsc(rng.Unit()), SawOsc(rng.Unit()), SawOsc(rng.Unit())};
    const double detune[3] = {std::pow(2.0, -7.0 / 1200), 1.0, std::pow(2.0, 6.0 / 1200)};
    Phasor sub(0.0);
    Biquad lp1 = Biquad::LowPass(rate, std::min(freq * 2.5 + 300.0, 2400.0), 0.6);
    Biquad lp2 = Biquad::LowPass(rate, std::min(freq * 4.0 + 500.0, 3600.0), 0.6);
    Phasor drift(rng.Unit());
    for (size_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        double wobble = 1.0 + 0.0015 * SineCycle(drift.Step(0.3, rate));
        double s = 0;
        for (int k = 0; k < 3; ++k) s += saws[k].Step(freq * detune[k] * wobble, rate);
        s = s / 3.0 + 0.35 * SineCycle(sub.Step(freq * 0.5, rate));
        double env = NoteEnvelope(t, attack, length, release);
        out[i] = float(lp2.Process(lp1.Process(float(s))) * env * velocity * 0.5);
    }
    return out;
}

Mono Horn(int rate, double freq, double length, double velocity, Rng& rng) {
    const double release = 0.12;
    const size_t frames = SecondsToFrames(length + release, rate);
    Mono out(frames, 0.0f);
    SawOsc a(rng.Unit()), b(rng.Unit());
    Biquad lp;
    Phasor vib(0.0);
    const double attack = std::min(0.05, length * 0.4);
    for (size_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        double env = NoteEnvelope(t, attack, length, release);
        // The brass "blat": the filter opens with the breath and settles.
        double bright = env * (0.75 + 0.25 * Decay(t - attack, 0.15));
        if ((i & 31) == 0) lp.SetLowPass(rate, freq * (1.2 + 3.5 * bright * velocity), 0.9);
        double v = 1.0 + 0.003 * std::clamp((t - 0.3) / 0.3, 0.0, 1.0) * SineCycle(vib.Step(5.5, rate));
        double s = 0.5 * (a.Step(freq * v * 1.0015, rate) + b.Step(freq * v * 0.9985, rate));
        out[i] = float(lp.Process(float(s)) * env * velocity * 0.9);
    }
    return out;
}

Mono Bass(int rate, double freq, double length, double velocity, Rng&) {
    const double release = 0.08;
    const double seconds = length + release;
    const size_t frames = SecondsToFrames(seconds, rate);
    Mono out(frames, 0.0f);
    Phasor p(0.0);
    for (size_t i = 0; i < frames; ++i) {
        double t = double(i) / rate;
        double ph = p.Step(freq, rate);
        double tone = SineCycle(ph) + 0.35 * Decay(t, 0.25) * SineCycle(2 * ph) +
                      0.12 * Decay(t, 0.12) * SineCycle(3 * ph);
        double env = NoteEnvelope(t, 0.006, length, release) * (0.55 + 0.45 * Decay(t, 0.5));
        out[i] = float(tone * env * velocity * 0.9);
    }
    return out;
}

} // namespace

Mono RenderNote(Instrument instrument, int rate, double freq, double length, double velocity, Rng& rng) {
    static const Partial celesta[] = {
        {1.0, 1.0, 0.9}, {2.0, 0.22, 0.3}, {3.0, 0.06, 0.12}, {4.16, 0.05, 0.05}};
    static const Partial glock[] = {
        {1.0, 1.0, 1.0}, {2.76, 0.32, 0.3}, {5.40, 0.14, 0.12}, {8.93, 0.06, 0.05}};
    static const Partial bell[] = {{0.5, 0.25, 1.4}, {1.0, 1.0, 1.1},   {1.19, 0.3, 0.7}, {1.5, 0.22, 0.6},
                                   {2.0, 0.35, 0.5}, {2.51, 0.14, 0.3}, {3.01, 0.1, 0.2}};
    const double highShorter = std::clamp(std::pow(523.0 / freq, 0.45), 0.35, 1.6);
    switch (instrument) {
    case Instrument::Harp:
        return Harp(rate, freq, length, velocity, rng);
    case Instrument::Celesta:
        return Struck(rate, freq, length, velocity, celesta, 4, highShorter, 0.08, rng);
    case Instrument::Glockenspiel:
        return Struck(rate, freq, length, velocity, glock, 4, highShorter, 0.12, rng);
    case Instrument::Bell:
        return Struck(rate, freq, length, velocity, bell, 7, highShorter, 0.05, rng);
    case Instrument::Flute:
        return Flute(rate, freq, length, velocity, rng);
    case Instrument::Pad:
        return Pad(rate, freq, length, velocity, rng);
    case Instrument::Horn:
        return Horn(rate, freq, length, velocity, rng);
    case Instrument::Bass:
        return Bass(rate, freq, length, velocity, rng);
    }
    return {};
}

Mono RenderDrum(Drum drum, int rate, double velocity, Rng& rng) {
    Mono out;
    auto fill = [&](double seconds, auto&& sample) {
        out.assign(SecondsToFrames(seconds, rate), 0.0f);
        for (size_t i = 0; i < out.size(); ++i) out[i] = float(sample(double(i) / rate) * velocity);
    };
    switch (drum) {
    case Drum::Kick: {
        Phasor p(0.0);
        fill(0.35, [&](double t) {
            double f = 48.0 + 70.0 * Decay(t, 0.03);
            return SineCycle(p.Step(f, rate)) * Decay(t, 0.11) * std::min(1.0, t / 0.002);
        });
        break;
    }
    case Drum::Shaker: {
        Biquad hp = Biquad::HighPass(rate, std::min(6000.0, rate * 0.3), 0.7);
        fill(0.09, [&](double t) {
            double env = t < 0.012 ? t / 0.012 : Decay(t - 0.012, 0.025);
            return hp.Process(Bipolar(rng)) * env * 0.5;
        });
        break;
    }
    case Drum::Snap: {
        Biquad bp = Biquad::BandPass(rate, 2200.0, 2.5);
        Phasor p(0.0);
        fill(0.12, [&](double t) {
            double noise = bp.Process(Bipolar(rng)) * 2.0 * Decay(t, 0.018);
            double tone = SineCycle(p.Step(1650.0, rate)) * 0.25 * Decay(t, 0.012);
            return (noise + tone) * std::min(1.0, t / 0.0008);
        });
        break;
    }
    case Drum::FrameDrum: {
        Phasor p(0.0);
        Biquad lp = Biquad::LowPass(rate, 700.0, 0.7);
        fill(0.5, [&](double t) {
            double f = 88.0 + 30.0 * Decay(t, 0.02);
            double body = SineCycle(p.Step(f, rate)) * Decay(t, 0.2);
            double skin = lp.Process(Bipolar(rng)) * 0.5 * Decay(t, 0.03);
            return (body + skin) * std::min(1.0, t / 0.002) * 0.8;
        });
        break;
    }
    case Drum::Tambourine: {
        Biquad hp = Biquad::HighPass(rate, std::min(5500.0, rate * 0.3), 0.8);
        const double jingles[3] = {4800.0, 6300.0, 7900.0};
        Phasor ph[3];
        fill(0.25, [&](double t) {
            double metal = 0;
            for (int k = 0; k < 3; ++k)
                if (jingles[k] < rate * 0.45) metal += SineCycle(ph[k].Step(jingles[k], rate)) * 0.15;
            double env = std::min(1.0, t / 0.003) * Decay(t, 0.06);
            return (hp.Process(Bipolar(rng)) * 0.6 + metal) * env;
        });
        break;
    }
    }
    return out;
}

} // namespace wispwood::mediagen
