#pragma once
// Sample buffers the synthesiser renders into, and the level measures that
// mastering, the preview sheet and the tests share. Samples are floats in
// -1..1, interleaved when there is more than one channel.
#include <cstddef>
#include <vector>

namespace wispwood::mediagen {

using Mono = std::vector<float>;

struct Pcm {
    int rate = 22050;
    int channels = 1;
    std::vector<float> data;

    size_t Frames() const { return channels > 0 ? data.size() / channels : 0; }
    double Seconds() const { return rate > 0 ? double(Frames()) / rate : 0.0; }
};

size_t SecondsToFrames(double seconds, int rate);

// Adds `voice` into a mono buffer at frame `at`, growing the buffer as needed.
void MixInto(Mono& out, const Mono& voice, size_t at, float gain = 1.0f);
// Adds a mono voice into an interleaved stereo buffer with an equal-power pan
// (-1 left .. 1 right), growing it as needed.
void MixStereo(std::vector<float>& out, const Mono& voice, size_t at, float gain, float pan);

float DbToGain(float db);
float GainToDb(float gain);

// Largest absolute sample.
float Peak(const Pcm& pcm);
// Root mean square over every sample of every channel.
float Rms(const Pcm& pcm);
// Loudest short-term level: the largest RMS over windows of `windowSeconds`
// (10 ms apart) of a K-weighted copy, so that a low rumble and a bright click
// of the same loudness measure alike. Sounds shorter than the window are
// measured whole.
float ShortTermLoudness(const Pcm& pcm, double windowSeconds = 0.1);

// Cosine ramps over the first and last frames so that a sound starts and ends
// at silence.
void FadeEdges(Pcm& pcm, double inSeconds, double outSeconds);
// Cuts trailing frames quieter than `threshold` (keeping a little tail).
void TrimTail(Pcm& pcm, float threshold);
void Scale(Pcm& pcm, float gain);

} // namespace wispwood::mediagen
