#include "tools/mediagen/audio/sound_kit.h"
#include <algorithm>
#include <cmath>

namespace wispwood::mediagen {

double Glide(double from, double to, double x, double curve) {
    return from * std::pow(to / from, std::pow(std::clamp(x, 0.0, 1.0), curve));
}

double Swell(double x, double peakAt) {
    if (x <= 0 || x >= 1) return 0;
    if (x < peakAt) return std::sin(M_PI / 2 * x / peakAt);
    return 0.5 + 0.5 * std::cos(M_PI * (x - peakAt) / (1 - peakAt));
}

double Strike(double x, double attack, double decay) {
    if (x <= 0) return 0;
    if (x < attack) return x / attack;
    return std::exp(-(x - attack) / decay) * std::min(1.0, (1 - x) * 20.0);
}

void SoundCanvas::Add(double start, double seconds, const std::function<float(double)>& fn) {
    const size_t from = At(start), n = At(seconds);
    if (samples.size() < from + n) samples.resize(from + n, 0.0f);
    for (size_t i = 0; i < n; ++i) samples[from + i] += fn(double(i) / rate);
}

void SoundCanvas::AddVoice(double start, const Mono& voice, float gain) {
    MixInto(samples, voice, At(start), gain);
}

void SoundCanvas::Note(Instrument instrument, double start, double midi, double length, double velocity,
                       float gain) {
    AddVoice(start, RenderNote(instrument, rate, MidiToHz(midi), length, velocity, rng), gain);
}

void SoundCanvas::Hit(Drum drum, double start, double velocity, float gain) {
    AddVoice(start, RenderDrum(drum, rate, velocity, rng), gain);
}

void SoundCanvas::Noise(double start, double seconds, double f0, double f1, double q, float gain,
                        const std::function<double(double)>& envelope) {
    Biquad bp = Biquad::BandPass(rate, f0, q);
    size_t step = 0;
    Add(start, seconds, [&](double t) {
        double x = t / seconds;
        if (step++ % 16 == 0) bp.SetBandPass(rate, Glide(f0, f1, x), q);
        return float(bp.Process(Bipolar(rng)) * envelope(x) * gain);
    });
}

void SoundCanvas::DarkNoise(double start, double seconds, double cutoff, float gain,
                            const std::function<double(double)>& envelope) {
    Biquad lp1 = Biquad::LowPass(rate, cutoff, 0.7), lp2 = Biquad::LowPass(rate, cutoff, 0.7);
    Add(start, seconds, [&](double t) {
        return float(lp2.Process(lp1.Process(Bipolar(rng))) * envelope(t / seconds) * gain);
    });
}

void SoundCanvas::Chirp(double start, double seconds, double f0, double f1, float gain,
                        const std::function<double(double)>& envelope, double curve) {
    Phasor phase(0.0);
    Add(start, seconds, [&](double t) {
        double x = t / seconds;
        return float(SineCycle(phase.Step(Glide(f0, f1, x, curve), rate)) * envelope(x) * gain);
    });
}

void SoundCanvas::Whistle(double start, double seconds, double f0, double f1, double curve, double vibratoHz,
                          double vibratoDepth, double level, const std::function<double(double)>& envelope) {
    Phasor phase(0.0), vibrato(0.0);
    Add(start, seconds, [&](double t) {
        double x = t / seconds;
        double f = Glide(f0, f1, x, curve) * (1 + vibratoDepth * SineCycle(vibrato.Step(vibratoHz, rate)));
        return float(SineCycle(phase.Step(f, rate)) * envelope(x) * level);
    });
}

void SoundCanvas::Tick(double start, double seconds, Biquad filter, double level, double tau) {
    Add(start, seconds,
        [&](double t) { return float(filter.Process(Bipolar(rng)) * level * std::exp(-t / tau)); });
}

void SoundCanvas::Flutter(double start, double seconds, double flutterHz, Biquad filter, double level,
                          const std::function<double(double)>& envelope) {
    OnePoleLowPass flutter(rate, flutterHz);
    Add(start, seconds, [&](double t) {
        double am = std::fabs(flutter.Process(Bipolar(rng) * 8.0f));
        return float(filter.Process(Bipolar(rng)) * am * envelope(t / seconds) * level);
    });
}

void SoundCanvas::Crackle(double start, double seconds, int count, double lo, double hi, float gain,
                          double grainSeconds) {
    for (int i = 0; i < count; ++i) {
        // Squaring the position crowds the grains towards the start.
        double x = rng.Unit();
        double at = start + seconds * x * x;
        double centre = Glide(lo, hi, rng.Unit());
        double level = gain * (0.4 + 0.6 * rng.Unit()) * (1.0 - 0.6 * x);
        Biquad bp = Biquad::BandPass(rate, centre, 3.0);
        double len = grainSeconds * (0.6 + 0.8 * rng.Unit());
        Add(at, len * 4, [&](double t) {
            double env = t < 0.0004 ? t / 0.0004 : std::exp(-(t - 0.0004) / len);
            return float(bp.Process(Bipolar(rng)) * env * level * 3.0);
        });
    }
}

void SoundCanvas::Sparkle(double start, double seconds, int count, int lowMidi, int highMidi, float gain,
                          Instrument instrument) {
    for (int i = 0; i < count; ++i) {
        int midi = lowMidi;
        for (int tries = 0; tries < 20; ++tries) {
            midi = rng.Int(lowMidi, highMidi);
            int degree = midi % 12;
            if (std::find(std::begin(kPentatonic), std::end(kPentatonic), degree) != std::end(kPentatonic))
                break;
        }
        double at = start + seconds * (count > 1 ? double(i) / (count - 1) : 0.0) + rng.Range(0, 0.015);
        Note(instrument, at, midi, 0.05, 0.35 + 0.4 * rng.Unit(), gain);
    }
}

void SoundCanvas::Reverberate(float wet, double room, double tail) {
    samples.resize(samples.size() + At(tail), 0.0f);
    Reverb hall(rate, room, 0.5);
    for (float& s : samples) {
        float l, r;
        hall.Process(s, s, l, r);
        s += wet * 0.5f * (l + r);
    }
}

Pcm SoundCanvas::Finish(double maxSeconds) {
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = 1;
    pcm.data = samples;
    TrimTail(pcm, Peak(pcm) * 5e-4f);
    size_t limit = At(maxSeconds);
    if (pcm.data.size() > limit) {
        pcm.data.resize(limit);
        // Whatever is still ringing at the cut fades over the last 60 ms.
        FadeEdges(pcm, 0.0, 0.06);
    }
    return pcm;
}

} // namespace wispwood::mediagen
