#include "tools/mediagen/audio/dsp.h"
#include <algorithm>
#include <array>
#include <cmath>

namespace wispwood::mediagen {

uint64_t HashName(const char* name) {
    uint64_t h = 1469598103934665603ull; // FNV-1a
    for (const char* p = name; *p; ++p) h = (h ^ uint8_t(*p)) * 1099511628211ull;
    return h;
}

void Biquad::Set(double b0, double b1, double b2, double a0, double a1, double a2) {
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

namespace {
struct Angles {
    double cosw, alpha;
};
Angles Prepare(double rate, double freq, double q) {
    double w = 2.0 * M_PI * std::clamp(freq, 1.0, rate * 0.49) / rate;
    return {std::cos(w), std::sin(w) / (2.0 * q)};
}
} // namespace

void Biquad::SetLowPass(double rate, double freq, double q) {
    auto [c, a] = Prepare(rate, freq, q);
    Set((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::SetHighPass(double rate, double freq, double q) {
    auto [c, a] = Prepare(rate, freq, q);
    Set((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + a, -2 * c, 1 - a);
}

void Biquad::SetBandPass(double rate, double freq, double q) {
    auto [c, a] = Prepare(rate, freq, q);
    Set(a, 0, -a, 1 + a, -2 * c, 1 - a);
}

Biquad Biquad::LowPass(double rate, double freq, double q) {
    Biquad f;
    f.SetLowPass(rate, freq, q);
    return f;
}

Biquad Biquad::HighPass(double rate, double freq, double q) {
    Biquad f;
    f.SetHighPass(rate, freq, q);
    return f;
}

Biquad Biquad::BandPass(double rate, double freq, double q) {
    Biquad f;
    f.SetBandPass(rate, freq, q);
    return f;
}

Biquad Biquad::HighShelf(double rate, double freq, double q, double gainDb) {
    auto [c, a] = Prepare(rate, freq, q);
    double A = std::pow(10.0, gainDb / 40.0), s = 2 * std::sqrt(A) * a;
    Biquad f;
    f.Set(A * ((A + 1) + (A - 1) * c + s), -2 * A * ((A - 1) + (A + 1) * c), A * ((A + 1) + (A - 1) * c - s),
          (A + 1) - (A - 1) * c + s, 2 * ((A - 1) - (A + 1) * c), (A + 1) - (A - 1) * c - s);
    return f;
}

Biquad Biquad::Peaking(double rate, double freq, double q, double gainDb) {
    auto [c, a] = Prepare(rate, freq, q);
    double A = std::pow(10.0, gainDb / 40.0);
    Biquad f;
    f.Set(1 + a * A, -2 * c, 1 - a * A, 1 + a / A, -2 * c, 1 - a / A);
    return f;
}

void OnePoleLowPass::SetFreq(double rate, double freq) {
    k_ = 1.0 - std::exp(-2.0 * M_PI * std::clamp(freq, 1.0, rate * 0.49) / rate);
}

namespace {
constexpr int kTableSize = 4096;
const std::array<float, kTableSize + 1>& SineTable() {
    static const auto table = [] {
        std::array<float, kTableSize + 1> t{};
        for (int i = 0; i <= kTableSize; ++i) t[i] = float(std::sin(2.0 * M_PI * i / kTableSize));
        return t;
    }();
    return table;
}
} // namespace

float SineCycle(double phase) {
    phase -= std::floor(phase);
    double pos = phase * kTableSize;
    int i = int(pos);
    float frac = float(pos - i);
    const auto& t = SineTable();
    return t[i] + (t[i + 1] - t[i]) * frac;
}

float SawOsc::Step(double freq, double rate) {
    double dt = std::min(freq / rate, 0.5);
    double t = phase_;
    double y = 2.0 * t - 1.0;
    if (t < dt) {
        double x = t / dt;
        y -= x + x - x * x - 1.0;
    } else if (t > 1.0 - dt) {
        double x = (t - 1.0) / dt;
        y -= x * x + x + x + 1.0;
    }
    phase_ += dt;
    if (phase_ >= 1.0) phase_ -= 1.0;
    return float(y);
}

double Decay(double t, double tau) {
    return t < 0 ? 0.0 : std::exp(-t / tau);
}

double NoteEnvelope(double t, double attack, double length, double release) {
    if (t < 0) return 0;
    double level = t < attack ? 0.5 - 0.5 * std::cos(M_PI * t / attack) : 1.0;
    if (t > length) {
        double r = (t - length) / release;
        level *= r >= 1 ? 0.0 : 0.5 + 0.5 * std::cos(M_PI * r);
    }
    return level;
}

Reverb::Reverb(int rate, double roomSize, double damping, double width) {
    static const int combTunings[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int passTunings[4] = {556, 441, 341, 225};
    const double scale = rate / 44100.0;
    for (int side = 0; side < 2; ++side) {
        int spread = side ? 23 : 0;
        for (int len : combTunings) {
            Comb comb;
            comb.buffer.assign(size_t((len + spread) * scale), 0.0f);
            combs_[side].push_back(std::move(comb));
        }
        for (int len : passTunings) {
            AllPass pass;
            pass.buffer.assign(size_t((len + spread) * scale), 0.0f);
            passes_[side].push_back(std::move(pass));
        }
    }
    feedback_ = float(0.7 + 0.28 * roomSize);
    damp_ = float(damping * 0.4);
    wet1_ = float(0.5 + width / 2);
    wet2_ = float((1 - width) / 2);
}

float Reverb::RunComb(Comb& comb, float input) {
    float out = comb.buffer[comb.index];
    comb.store = out * (1 - damp_) + comb.store * damp_;
    comb.buffer[comb.index] = input + comb.store * feedback_;
    if (++comb.index == comb.buffer.size()) comb.index = 0;
    return out;
}

float Reverb::RunAllPass(AllPass& pass, float input) {
    float buffered = pass.buffer[pass.index];
    float out = buffered - input;
    pass.buffer[pass.index] = input + buffered * 0.5f;
    if (++pass.index == pass.buffer.size()) pass.index = 0;
    return out;
}

void Reverb::Process(float inL, float inR, float& outL, float& outR) {
    float input = (inL + inR) * 0.015f;
    float side[2] = {0, 0};
    for (int s = 0; s < 2; ++s) {
        for (Comb& comb : combs_[s]) side[s] += RunComb(comb, input);
        for (AllPass& pass : passes_[s]) side[s] = RunAllPass(pass, side[s]);
    }
    outL = side[0] * wet1_ + side[1] * wet2_;
    outR = side[1] * wet1_ + side[0] * wet2_;
}

std::vector<float> PluckString(int rate, double freq, double seconds, double brightness, double decaySeconds,
                               Rng& rng) {
    const size_t frames = size_t(seconds * rate);
    std::vector<float> out(frames, 0.0f);
    // The loop filter averages two taps (a half-sample delay), so the line is
    // shortened by half a sample; the remaining fraction is an all-pass.
    double period = rate / freq - 0.5;
    size_t length = std::max<size_t>(2, size_t(period));
    double frac = period - double(length);
    double apCoef = (1 - frac) / (1 + frac);
    // Loss per pass so that the note falls 60 dB in decaySeconds (scaled with
    // pitch: higher strings die sooner, as on a harp).
    double tau = decaySeconds * std::pow(440.0 / freq, 0.35);
    double loss = std::pow(10.0, -3.0 / (tau * freq));
    std::vector<float> line(length);
    // Excitation: noise smoothed by a one-pole whose cut-off follows brightness.
    OnePoleLowPass shape(rate, 300.0 + brightness * brightness * 9000.0);
    double mean = 0;
    for (size_t i = 0; i < length; ++i) {
        line[i] = shape.Process(Bipolar(rng));
        mean += line[i];
    }
    mean /= double(length);
    for (float& s : line) s -= float(mean);
    float prev = 0, apState = 0, apIn = 0;
    size_t index = 0;
    for (size_t i = 0; i < frames; ++i) {
        float cur = line[index];
        float averaged = float(loss) * 0.5f * (cur + prev);
        prev = cur;
        // First-order all-pass for the fractional part of the period.
        float ap = float(apCoef) * (averaged - apState) + apIn;
        apIn = averaged;
        apState = ap;
        line[index] = ap;
        out[i] = cur;
        if (++index == length) index = 0;
    }
    return out;
}

} // namespace wispwood::mediagen
