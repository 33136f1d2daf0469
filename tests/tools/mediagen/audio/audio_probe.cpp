#include "tests/tools/mediagen/audio/audio_probe.h"
#include "engine/audio/sample_loaders.h"
#include "tests/support/paths.h"
#include "tools/mediagen/audio/ogg_vorbis.h"
#include <cmath>
#include <complex>
#include <stdexcept>

namespace wispwood::mediagen::probe {

std::optional<Pcm> HeardFile(const AudioItem& item) {
    // Loaded by path exactly as the game loads its sounds.
    Ref<TAudioSample> sample = LoadAudioSample(wispwood::test::GamePath(item.path));
    if (!sample) return std::nullopt;
    return PcmFromSample(*sample);
}

const AudioItem& ItemNamed(const std::string& path) {
    for (const AudioItem& item : AudioCatalog())
        if (path == item.path) return item;
    throw std::invalid_argument(path);
}

Mono MonoPart(const Pcm& pcm, double from, double to) {
    size_t a = std::min(pcm.Frames(), SecondsToFrames(from, pcm.rate));
    size_t b = std::min(pcm.Frames(), SecondsToFrames(to, pcm.rate));
    Mono out;
    for (size_t i = a; i < b; ++i) {
        float s = 0;
        for (int c = 0; c < pcm.channels; ++c) s += pcm.data[i * pcm.channels + c];
        out.push_back(s / float(pcm.channels));
    }
    return out;
}

namespace {
constexpr size_t kFft = 1024;

void Fft(std::vector<std::complex<double>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        std::complex<double> w(std::cos(2 * M_PI / len), -std::sin(2 * M_PI / len));
        for (size_t i = 0; i < n; i += len) {
            std::complex<double> wk(1);
            for (size_t k = 0; k < len / 2; ++k, wk *= w) {
                auto u = a[i + k], v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
            }
        }
    }
}
} // namespace

std::vector<double> PowerSpectrum(const Mono& samples, int) {
    std::vector<double> power(kFft / 2, 0.0);
    for (size_t start = 0; start < std::max<size_t>(samples.size(), 1); start += kFft / 2) {
        std::vector<std::complex<double>> frame(kFft);
        for (size_t k = 0; k < kFft; ++k) {
            double w = 0.5 - 0.5 * std::cos(2 * M_PI * k / kFft);
            frame[k] = start + k < samples.size() ? samples[start + k] * w : 0.0;
        }
        Fft(frame);
        for (size_t k = 0; k < kFft / 2; ++k) power[k] += std::norm(frame[k]);
    }
    return power;
}

double Centroid(const std::vector<double>& spectrum, int rate) {
    double sum = 0, weighted = 0;
    for (size_t k = 1; k < spectrum.size(); ++k) {
        sum += spectrum[k];
        weighted += spectrum[k] * double(k) * rate / kFft;
    }
    return sum > 0 ? weighted / sum : 0;
}

double BandShare(const std::vector<double>& spectrum, int rate, double lo, double hi) {
    double sum = 0, band = 0;
    for (size_t k = 1; k < spectrum.size(); ++k) {
        double f = double(k) * rate / kFft;
        sum += spectrum[k];
        if (f >= lo && f < hi) band += spectrum[k];
    }
    return sum > 0 ? band / sum : 0;
}

double DominantHz(const std::vector<double>& spectrum, int rate) {
    size_t best = 1;
    for (size_t k = 1; k < spectrum.size(); ++k)
        if (spectrum[k] > spectrum[best]) best = k;
    // Parabolic interpolation between the neighbouring bins.
    double a = std::log(spectrum[best - 1] + 1e-30), b = std::log(spectrum[best] + 1e-30),
           c = std::log(spectrum[std::min(best + 1, spectrum.size() - 1)] + 1e-30);
    double offset = (a - 2 * b + c) != 0 ? 0.5 * (a - c) / (a - 2 * b + c) : 0;
    return (double(best) + offset) * rate / kFft;
}

double EnergyTime(const Mono& samples, int rate, double share) {
    double total = 0;
    for (float s : samples) total += double(s) * s;
    double run = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        run += double(samples[i]) * samples[i];
        if (run >= share * total) return double(i) / rate;
    }
    return double(samples.size()) / rate;
}

double RmsOf(const Mono& samples) {
    double sum = 0;
    for (float s : samples) sum += double(s) * s;
    return samples.empty() ? 0 : std::sqrt(sum / samples.size());
}

} // namespace wispwood::mediagen::probe
