// Cost of mixing 10 ms of output (441 frames at 44.1 kHz) with many voices
// playing: mono recordings resampled from 22.05 kHz, and stereo recordings at
// the output rate, as the game's effects and music are.
#include "engine/audio/mixer.h"
#include <benchmark/benchmark.h>
#include <cmath>

namespace wispwood {
namespace {

Ref<TAudioSample> Tone(int channels, int hertz, int seconds) {
    int format = channels == 1 ? SampleFormatMono16 : SampleFormatStereo16;
    auto sample = TAudioSample::Create(hertz * seconds, hertz, format);
    auto* pcm = reinterpret_cast<int16_t*>(sample->samples);
    for (int i = 0; i < sample->length * channels; ++i) pcm[i] = int16_t(8000 * std::sin(i * 0.05));
    return sample;
}

void MixTenMilliseconds(benchmark::State& state, int channels, int hertz) {
    auto mixer = New<TMixer>(44100);
    auto sound = mixer->CreateSound(Tone(channels, hertz, 2), SoundFlagLoop);
    std::vector<Ref<TChannel>> voices;
    for (int i = 0; i < state.range(0); ++i) {
        auto channel = sound->Cue(nullptr);
        channel->SetVolume(0.5f);
        channel->SetPan(i % 2 ? 0.3f : -0.3f);
        channel->SetRate(0.9f + 0.01f * (i % 20));
        channel->SetPaused(0);
        voices.push_back(channel);
    }
    std::vector<int16_t> out(441 * 2);
    for (auto _ : state) {
        mixer->Mix(out.data(), 441);
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_MixMono22k(benchmark::State& state) {
    MixTenMilliseconds(state, 1, 22050);
}
void BM_MixStereo44k(benchmark::State& state) {
    MixTenMilliseconds(state, 2, 44100);
}

BENCHMARK(BM_MixMono22k)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MixStereo44k)->Arg(1)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace wispwood
