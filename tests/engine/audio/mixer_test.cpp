#include "engine/audio/mixer.h"
#include "engine/audio/sample_loaders.h"
#include "engine/input/clock.h"
#include "engine/io/memory_stream.h"
#include "tests/support/paths.h"
#include "tests/support/wav_builder.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::MakeWav;
using test::Pcm16;
using test::WavFormat;

Ref<TAudioSample> DecodeWav(const WavFormat& wavFormat, const Text& data) {
    TMemoryStream stream(MakeWav(wavFormat, data));
    return LoadWavSample(stream);
}

Ref<TAudioSample> Wav(const std::vector<int16_t>& values, int channels = 1, int hertz = 44100) {
    WavFormat wavFormat;
    wavFormat.channels = channels;
    wavFormat.hertz = hertz;
    return DecodeWav(wavFormat, Pcm16(values));
}

Ref<TAudioSample> Constant(int16_t value, int frames, int hertz = 44100) {
    return Wav(std::vector<int16_t>(size_t(frames), value), 1, hertz);
}

Ref<TAudioSample> Tone() {
    return LoadAudioSample(test::FixturePath("audio/tone_mono_22050.ogg"));
}

std::vector<int16_t> Pull(TMixer& mixer, int frames) {
    std::vector<int16_t> out(size_t(frames) * 2, 12345);
    mixer.Mix(out.data(), frames);
    return out;
}

double Rms(const std::vector<int16_t>& out, int channel) {
    double sum = 0;
    size_t n = out.size() / 2;
    for (size_t i = 0; i < n; ++i) sum += double(out[2 * i + channel]) * out[2 * i + channel];
    return std::sqrt(sum / n);
}

double Frequency(const std::vector<int16_t>& out, int hertz) {
    int rising = 0;
    size_t n = out.size() / 2;
    for (size_t i = 1; i < n; ++i)
        if (out[2 * (i - 1)] < 0 && out[2 * i] >= 0) ++rising;
    return rising * double(hertz) / n;
}

class Mixer : public ::testing::Test {
  protected:
    void TearDown() override { ResetClock(); }
    Ref<TMixer> mixer = New<TMixer>(44100);
    Ref<TSound> Sound(const Ref<TAudioSample>& sample, int flags = 0) {
        auto sound = mixer->CreateSound(sample, flags);
        EXPECT_TRUE(sound);
        return sound;
    }
};

TEST(MixerLevels, VolumePanAndRateBecomeTheBackEndsUnits) {
    EXPECT_EQ(VolumeToAttenuation(1.0f), 0);
    EXPECT_EQ(VolumeToAttenuation(0.5f), -669);  // about -6.7 dB
    EXPECT_EQ(VolumeToAttenuation(0.1f), -2056); // about -20.6 dB
    EXPECT_EQ(VolumeToAttenuation(0.0f), -10000);
    EXPECT_EQ(VolumeToAttenuation(3.0f), 0);
    EXPECT_EQ(VolumeToAttenuation(-1.0f), -10000);
    EXPECT_EQ(AttenuationGain(-10000), 0.0f);
    EXPECT_NEAR(AttenuationGain(-669), 0.46291, 1e-5);
    EXPECT_EQ(PanToBalance(0.25f), 2500);
    EXPECT_EQ(PanToBalance(-7.0f), -10000);
    EXPECT_EQ(PlaybackFrequency(1.5f, 22050), 33075);
    EXPECT_EQ(PlaybackFrequency(0.0f, 22050), 100);
    EXPECT_EQ(PlaybackFrequency(NAN, 22050), 100);
    EXPECT_EQ(PlaybackFrequency(100.0f, 44100), 200000);
}

TEST_F(Mixer, AtItsOwnRateAndFullVolumeARecordingComesOutUnchanged) {
    auto mono = Sound(Wav({1000, -2000, 32767, -32768, 5}));
    auto stereo = Sound(Wav({1, -1, 300, -300}, 2));
    WavFormat eightBitFormat;
    eightBitFormat.bits = 8;
    eightBitFormat.hertz = 44100;
    auto eightBit = mixer->CreateSound(DecodeWav(eightBitFormat, Text("\x80\xff\x00", 3)), 0);
    auto channel = mono->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 6),
              (std::vector<int16_t>{1000, 1000, -2000, -2000, 32767, 32767, -32768, -32768, 5, 5, 0, 0}));
    EXPECT_EQ(channel->Playing(), 0);
    stereo->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 3), (std::vector<int16_t>{1, -1, 300, -300, 0, 0}));
    eightBit->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 3), (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768}));
}

TEST_F(Mixer, VolumeFollowsTheAttenuationCurveOnADecodedTone) {
    auto tone = Sound(Tone());
    auto measure = [&](float volume) {
        auto channel = tone->Cue(nullptr);
        channel->SetVolume(volume);
        channel->SetPaused(0);
        double rms = Rms(Pull(*mixer, 8000), 0);
        channel->Stop();
        return rms;
    };
    double full = measure(1.0f);
    EXPECT_NEAR(full, 0.5 * 32767 / std::sqrt(2.0), 600); // a sine at half scale
    EXPECT_NEAR(measure(0.5f) / full, 0.46291, 0.002);
    EXPECT_NEAR(measure(0.1f) / full, 0.09376, 0.002);
    EXPECT_EQ(measure(0.0f), 0.0);
    EXPECT_NEAR(measure(5.0f) / full, 1.0, 1e-9);
}

TEST_F(Mixer, PanAttenuatesTheOtherSide) {
    auto dc = Sound(Constant(10000, 100));
    auto at = [&](float pan) {
        auto channel = dc->Cue(nullptr);
        channel->SetPan(pan);
        channel->SetPaused(0);
        auto out = Pull(*mixer, 1);
        channel->Stop();
        return std::pair<int, int>(out[0], out[1]);
    };
    EXPECT_EQ(at(0.0f), std::make_pair(10000, 10000));
    EXPECT_EQ(at(1.0f), std::make_pair(0, 10000));
    EXPECT_EQ(at(-0.5f), std::make_pair(10000, 32));  // -50 dB
    EXPECT_EQ(at(0.25f), std::make_pair(562, 10000)); // -25 dB

    // A stereo recording keeps its sides; pan scales them.
    auto wide = Sound(Wav({8000, -8000}, 2));
    auto channel = wide->Cue(nullptr);
    channel->SetPan(0.25f);
    channel->SetPaused(0);
    auto out = Pull(*mixer, 1);
    EXPECT_EQ(out[0], 450);
    EXPECT_EQ(out[1], -8000);
}

TEST_F(Mixer, RateResamplesAndSetsHowLongARecordingLasts) {
    auto tone = Sound(Tone()); // 440 Hz recorded at 22050 samples a second
    for (float rate : {1.0f, 1.5f, 0.5f}) {
        auto channel = tone->Cue(nullptr);
        channel->SetRate(rate);
        channel->SetPaused(0);
        EXPECT_NEAR(Frequency(Pull(*mixer, 11025), 44100), 440 * rate, 6) << rate;
        channel->Stop();
    }

    auto thousand = Sound(Constant(100, 1000));
    auto lasts = [&](float rate) {
        auto channel = thousand->Cue(nullptr);
        channel->SetRate(rate);
        channel->SetPaused(0);
        int frames = 0;
        while (channel->Playing() && frames < 100000) {
            Pull(*mixer, 1);
            ++frames;
        }
        return frames;
    };
    EXPECT_EQ(lasts(1.0f), 1000);
    EXPECT_EQ(lasts(2.0f), 500);
    EXPECT_EQ(lasts(0.5f), 2000);
    auto slow = Sound(Constant(100, 1000, 22050));
    slow->Play(nullptr);
    Pull(*mixer, 1999);
    EXPECT_EQ(mixer->ActiveVoices(), 1);
    Pull(*mixer, 1);
    EXPECT_EQ(mixer->ActiveVoices(), 0);

    // Changing the rate while playing changes the pace from there on.
    auto channel = thousand->Play(nullptr);
    Pull(*mixer, 400);
    channel->SetRate(3.0f);
    Pull(*mixer, 199);
    EXPECT_EQ(channel->Playing(), 1);
    Pull(*mixer, 1);
    EXPECT_EQ(channel->Playing(), 0);
}

TEST_F(Mixer, OneRecordingPlaysOnManyChannelsAtOnceAndTheSumClips) {
    auto dc = Sound(Constant(3000, 500));
    std::vector<Ref<TChannel>> channels;
    for (int i = 0; i < 8; ++i) channels.push_back(dc->Play(nullptr));
    EXPECT_EQ(Pull(*mixer, 1)[0], 24000);
    channels[3]->Stop();
    EXPECT_EQ(mixer->ActiveVoices(), 7);
    EXPECT_EQ(Pull(*mixer, 1)[1], 21000);
    dc->Play(nullptr);
    dc->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 1)[0], 27000);
    dc->Play(nullptr);
    dc->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 1)[0], 32767);
    for (auto& c : channels) c->Stop();
}

TEST_F(Mixer, ALaterStartIsHeardOffsetAgainstTheEarlierOne) {
    auto ramp = Sound(Wav({100, 200, 300, 400}));
    ramp->Play(nullptr);
    Pull(*mixer, 2);
    ramp->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 3), (std::vector<int16_t>{400, 400, 600, 600, 300, 300}));
}

TEST_F(Mixer, CueWaitsPausedPauseHoldsAndResumeOfACueStartsAtTheBeginning) {
    auto ramp = Sound(Wav({10, 20, 30, 40, 50, 60}));
    auto channel = mixer->AllocChannel();
    EXPECT_EQ(channel->Playing(), 0);
    channel->SetVolume(0.0f); // settings made before the cue apply to it
    ramp->Cue(channel);
    EXPECT_EQ(channel->Playing(), 1);
    EXPECT_EQ(Pull(*mixer, 3), std::vector<int16_t>(6, 0));
    channel->SetVolume(1.0f);
    channel->SetPaused(0);
    EXPECT_EQ(Pull(*mixer, 2), (std::vector<int16_t>{10, 10, 20, 20}));
    channel->SetPaused(1);
    EXPECT_EQ(Pull(*mixer, 2), std::vector<int16_t>(4, 0));
    EXPECT_EQ(channel->Playing(), 1);
    channel->SetPaused(0);
    EXPECT_EQ(Pull(*mixer, 1), (std::vector<int16_t>{30, 30}));
    // Cueing again starts over, on the same channel.
    EXPECT_EQ(ramp->Play(channel), channel);
    EXPECT_EQ(Pull(*mixer, 1), (std::vector<int16_t>{10, 10}));
    channel->Stop();
    EXPECT_EQ(channel->Playing(), 0);
    EXPECT_EQ(Pull(*mixer, 1), (std::vector<int16_t>{0, 0}));

    // A channel let go of plays on to the end.
    ramp->Play(nullptr);
    EXPECT_EQ(Pull(*mixer, 6)[10], 60);
}

TEST_F(Mixer, ALoopingRecordingWrapsAround) {
    std::vector<int16_t> values(100);
    for (int i = 0; i < 100; ++i) values[i] = int16_t(i * 10);
    auto loop = Sound(Wav(values), SoundFlagLoop);
    auto channel = loop->Play(nullptr);
    auto out = Pull(*mixer, 1000);
    EXPECT_EQ(out[2 * 250], 500);
    EXPECT_EQ(out[2 * 999], 990);
    EXPECT_EQ(channel->Playing(), 1);
    mixer->Skip(int64_t(1) << 40); // a very long stall keeps the phase
    EXPECT_EQ(channel->Playing(), 1);
}

TEST_F(Mixer, WithoutADeviceVoicesFollowTheClockAndEndAfterTheirLength) {
    auto clock = New<TManualClock>(-50); // across the wrap
    SetClock(clock);
    mixer->FollowClock(true);
    auto tenth = Sound(Constant(1, 4410)); // 100 ms
    auto channel = tenth->Play(nullptr);
    clock->Advance(99);
    EXPECT_EQ(channel->Playing(), 1);
    channel->SetPaused(1);
    clock->Advance(500); // paused: time passes without it
    EXPECT_EQ(channel->Playing(), 1);
    channel->SetPaused(0);
    clock->Set(-1000); // a clock stepping back moves nothing
    EXPECT_EQ(channel->Playing(), 1);
    clock->Advance(2);
    EXPECT_EQ(channel->Playing(), 0);

    auto slow = tenth->Cue(nullptr);
    slow->SetRate(0.5f);
    slow->SetPaused(0);
    clock->Advance(199);
    EXPECT_EQ(slow->Playing(), 1);
    clock->Advance(1);
    EXPECT_EQ(slow->Playing(), 0);
}

TEST_F(Mixer, WhenTheDeviceGoesAwayTheVoicesFollowTheClockFromThere) {
    auto clock = New<TManualClock>();
    SetClock(clock);
    bool alive = true;
    mixer->SetDeviceCheck([&] { return alive; });
    auto tenth = Sound(Constant(1, 4410)); // 100 ms
    auto channel = tenth->Play(nullptr);
    Pull(*mixer, 441);
    clock->Advance(5000); // the device pulls the mix, not the clock
    EXPECT_EQ(channel->Playing(), 1);
    alive = false; // noticed at the next channel call; time counts from there
    EXPECT_EQ(channel->Playing(), 1);
    clock->Advance(89);
    EXPECT_EQ(channel->Playing(), 1);
    clock->Advance(2);
    EXPECT_EQ(channel->Playing(), 0);
}

TEST_F(Mixer, AClosedMixerEndsEverythingAndRefusesNewPlays) {
    auto dc = Sound(Constant(5, 1000));
    auto channel = dc->Play(nullptr);
    mixer->Close();
    EXPECT_EQ(channel->Playing(), 0);
    EXPECT_EQ(dc->Play(channel)->Playing(), 0);
    EXPECT_EQ(Pull(*mixer, 1), (std::vector<int16_t>{0, 0}));
    EXPECT_FALSE(mixer->CreateSound(nullptr, 0));
}

} // namespace
} // namespace wispwood
