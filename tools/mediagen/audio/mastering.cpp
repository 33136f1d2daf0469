#include "tools/mediagen/audio/mastering.h"
#include "tools/mediagen/audio/ogg_vorbis.h"
#include <algorithm>
#include <cmath>
#include <deque>

namespace wispwood::mediagen {

void LimitPeaks(Pcm& pcm, float ceiling, double lookahead, double release) {
    const size_t frames = pcm.Frames();
    if (frames == 0) return;
    std::vector<float> need(frames, 1.0f);
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < pcm.channels; ++c) {
            float a = std::fabs(pcm.data[i * pcm.channels + c]);
            if (a > ceiling) need[i] = std::min(need[i], ceiling / a);
        }
    // Sliding minimum over [i - L, i + L]: every gain averaged into frame i
    // below is already low enough for the peak at i.
    const size_t L = std::max<size_t>(1, SecondsToFrames(lookahead, pcm.rate));
    std::vector<float> held(frames);
    std::deque<size_t> window;
    size_t next = 0;
    for (size_t i = 0; i < frames; ++i) {
        for (; next < frames && next <= i + L; ++next) {
            while (!window.empty() && need[window.back()] >= need[next]) window.pop_back();
            window.push_back(next);
        }
        while (window.front() + L < i) window.pop_front();
        held[i] = need[window.front()];
    }
    const float recover = float(1.0 - std::exp(-1.0 / (release * pcm.rate)));
    float g = 1.0f;
    for (size_t i = 0; i < frames; ++i) {
        g = std::min(held[i], g + (1.0f - g) * recover);
        held[i] = g;
    }
    std::vector<double> prefix(frames + 1, 0.0);
    for (size_t i = 0; i < frames; ++i) prefix[i + 1] = prefix[i] + held[i];
    for (size_t i = 0; i < frames; ++i) {
        size_t lo = i >= L ? i - L : 0, hi = std::min(frames, i + L + 1);
        float gain = float((prefix[hi] - prefix[lo]) / double(hi - lo));
        for (int c = 0; c < pcm.channels; ++c) {
            float& s = pcm.data[i * pcm.channels + c];
            s = std::clamp(s * gain, -ceiling, ceiling);
        }
    }
}

float MeasureLoudness(const Pcm& pcm, bool shortTerm) {
    return ShortTermLoudness(pcm, shortTerm ? 0.1 : 1e9);
}

std::string MasterAndEncode(Pcm& pcm, const MasterSettings& settings, uint32_t serial) {
    FadeEdges(pcm, settings.fadeIn, settings.fadeOut);
    const float loudness = MeasureLoudness(pcm, settings.shortTerm);
    const float peak = Peak(pcm);
    if (loudness <= 0 || peak <= 0) return EncodeOggVorbis(pcm, settings.quality, serial);
    // Aim a little under the ceiling: the codec's ripple needs the room.
    float ceiling = DbToGain(settings.ceilingDb - 0.8f);
    float gain = DbToGain(settings.loudnessDb) / loudness;
    gain = std::min(gain, ceiling * DbToGain(settings.maxLimitingDb) / peak);
    Scale(pcm, gain);
    LimitPeaks(pcm, ceiling);
    const float limit = DbToGain(settings.ceilingDb);
    for (int attempt = 0;; ++attempt) {
        std::string bytes = EncodeOggVorbis(pcm, settings.quality, serial);
        auto decoded = DecodeWithGameDecoder(bytes);
        float heard = decoded ? Peak(*decoded) : 0.0f;
        if (heard <= limit * 0.995f || attempt == 4) return bytes;
        Scale(pcm, limit * 0.97f / heard);
    }
}

} // namespace wispwood::mediagen
