#include "tools/mediagen/audio/pcm.h"
#include "tools/mediagen/audio/dsp.h"
#include <algorithm>
#include <cmath>

namespace wispwood::mediagen {

size_t SecondsToFrames(double seconds, int rate) {
    return seconds <= 0 ? 0 : static_cast<size_t>(seconds * rate + 0.5);
}

void MixInto(Mono& out, const Mono& voice, size_t at, float gain) {
    if (out.size() < at + voice.size()) out.resize(at + voice.size(), 0.0f);
    for (size_t i = 0; i < voice.size(); ++i) out[at + i] += voice[i] * gain;
}

void MixStereo(std::vector<float>& out, const Mono& voice, size_t at, float gain, float pan) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * M_PI / 4.0;
    const float left = gain * float(std::cos(angle)) * float(M_SQRT2);
    const float right = gain * float(std::sin(angle)) * float(M_SQRT2);
    if (out.size() < 2 * (at + voice.size())) out.resize(2 * (at + voice.size()), 0.0f);
    float* dst = out.data() + 2 * at;
    for (size_t i = 0; i < voice.size(); ++i) {
        dst[2 * i] += voice[i] * left;
        dst[2 * i + 1] += voice[i] * right;
    }
}

float DbToGain(float db) {
    return std::pow(10.0f, db / 20.0f);
}
float GainToDb(float gain) {
    return gain > 1e-9f ? 20.0f * std::log10(gain) : -180.0f;
}

float Peak(const Pcm& pcm) {
    float peak = 0;
    for (float s : pcm.data) peak = std::max(peak, std::fabs(s));
    return peak;
}

float Rms(const Pcm& pcm) {
    if (pcm.data.empty()) return 0;
    double sum = 0;
    for (float s : pcm.data) sum += double(s) * s;
    return float(std::sqrt(sum / pcm.data.size()));
}

float ShortTermLoudness(const Pcm& pcm, double windowSeconds) {
    const size_t frames = pcm.Frames();
    if (frames == 0) return 0;
    // Per-frame weighted energy, summed over channels.
    std::vector<double> energy(frames, 0.0);
    for (int c = 0; c < pcm.channels; ++c) {
        Biquad low = Biquad::HighPass(pcm.rate, 38.0, 0.5);
        Biquad shelf = Biquad::HighShelf(pcm.rate, 1681.0, 0.707, 4.0);
        for (size_t i = 0; i < frames; ++i) {
            double s = shelf.Process(low.Process(pcm.data[i * pcm.channels + c]));
            energy[i] += s * s / pcm.channels;
        }
    }
    const size_t window = std::clamp<size_t>(SecondsToFrames(windowSeconds, pcm.rate), 1, frames);
    const size_t hop = std::max<size_t>(1, SecondsToFrames(0.01, pcm.rate));
    std::vector<double> prefix(frames + 1, 0.0);
    for (size_t i = 0; i < frames; ++i) prefix[i + 1] = prefix[i] + energy[i];
    double best = 0;
    for (size_t start = 0; start + window <= frames; start += hop)
        best = std::max(best, (prefix[start + window] - prefix[start]) / window);
    best = std::max(best, (prefix[frames] - prefix[frames - window]) / window);
    return float(std::sqrt(best));
}

void FadeEdges(Pcm& pcm, double inSeconds, double outSeconds) {
    const size_t frames = pcm.Frames();
    const size_t in = std::min(frames, SecondsToFrames(inSeconds, pcm.rate));
    const size_t out = std::min(frames, SecondsToFrames(outSeconds, pcm.rate));
    for (size_t i = 0; i < in; ++i) {
        float g = float(0.5 - 0.5 * std::cos(M_PI * double(i) / in));
        for (int c = 0; c < pcm.channels; ++c) pcm.data[i * pcm.channels + c] *= g;
    }
    for (size_t i = 0; i < out; ++i) {
        float g = float(0.5 - 0.5 * std::cos(M_PI * double(i) / out));
        size_t frame = frames - 1 - i;
        for (int c = 0; c < pcm.channels; ++c) pcm.data[frame * pcm.channels + c] *= g;
    }
}

void TrimTail(Pcm& pcm, float threshold) {
    size_t frames = pcm.Frames();
    size_t last = 0;
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < pcm.channels; ++c)
            if (std::fabs(pcm.data[i * pcm.channels + c]) > threshold) last = i;
    size_t keep = std::min(frames, last + 1 + SecondsToFrames(0.02, pcm.rate));
    pcm.data.resize(keep * pcm.channels);
}

void Scale(Pcm& pcm, float gain) {
    for (float& s : pcm.data) s *= gain;
}

} // namespace wispwood::mediagen
