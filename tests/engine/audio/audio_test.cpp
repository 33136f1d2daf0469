#include "engine/audio/audio.h"
#include "engine/audio/sdl_audio_driver.h"
#include "engine/input/clock.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "tests/support/environment_variable.h"
#include "tests/support/paths.h"
#include "tests/support/wav_builder.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

// SDL picks its audio driver from the environment when audio starts up.
class AudioDriverVariable : public test::SavedEnvironmentVariable {
  public:
    explicit AudioDriverVariable(const char* value) : SavedEnvironmentVariable("SDL_AUDIODRIVER", value) {}
};

Ref<TSound> Silence(int frames) {
    test::WavFormat wavFormat;
    wavFormat.hertz = 44100;
    return LoadSound(New<TMemoryStream>(test::MakeWav(wavFormat, Text(size_t(frames) * 2, '\0'))), 0);
}

class Audio : public ::testing::Test {
  protected:
    void TearDown() override {
        ResetAudio();
        ResetClock();
    }
    static Ref<TSDLAudioDriver> Driver() { return Cast<TSDLAudioDriver>(CurrentAudioDriver()); }
};

TEST_F(Audio, EveryNameForTheDefaultOutputSelectsItAndUnknownNamesChangeNothing) {
    AudioDriverVariable dummy("dummy");
    EXPECT_EQ(SetAudioDriver("DirectSound"), 1);
    EXPECT_EQ(CurrentAudioDriver()->Name(), "DirectSound");
    EXPECT_TRUE(Driver()->HasDevice());
    EXPECT_EQ(SetAudioDriver("directsound"), 1);
    EXPECT_EQ(SetAudioDriver("SDL"), 1);
    auto before = CurrentAudioDriver();
    EXPECT_EQ(SetAudioDriver("NoSuchOutput"), 0);
    EXPECT_EQ(CurrentAudioDriver(), before);
    EXPECT_EQ(SetAudioDriver("Silent"), 1);
    EXPECT_FALSE(Driver()->HasDevice());
}

TEST_F(Audio, ADeviceThatOpensPlaysTheMixAndChannelsEndOnTheirOwn) {
    AudioDriverVariable dummy("dummy");
    ASSERT_EQ(SetAudioDriver("DirectSound"), 1);
    ASSERT_TRUE(Driver()->HasDevice());
    auto sound = Silence(2205); // 50 ms
    ASSERT_TRUE(sound);
    int start = Milliseconds();
    auto channel = PlaySound(sound);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    while (ChannelPlaying(channel) && ElapsedMilliseconds(start, Milliseconds()) < 5000) Delay(5);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    EXPECT_GE(ElapsedMilliseconds(start, Milliseconds()), 40);
}

TEST_F(Audio, WithNoDeviceTheGameRunsSilentAndSoundsStillTakeTheirTime) {
    AudioDriverVariable none("no-such-audio-driver");
    auto clock = New<TManualClock>();
    SetClock(clock);
    ASSERT_EQ(SetAudioDriver("DirectSound"), 1);
    EXPECT_FALSE(Driver()->HasDevice());
    auto sound = LoadSound(test::FixturePath("audio/tone_mono_22050.ogg"), 0); // 500 ms
    ASSERT_TRUE(sound);
    auto channel = PrepareSound(sound);
    SetChannelVolume(channel, 0.3f);
    SetChannelPan(channel, -1.0f);
    SetChannelDepth(channel, 0.5f);
    clock->Advance(1000); // cued, not yet running
    ResumeChannel(channel);
    clock->Advance(499);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    PauseChannel(channel);
    clock->Advance(1000);
    ResumeChannel(channel);
    clock->Advance(2);
    EXPECT_EQ(ChannelPlaying(channel), 0);

    auto fast = PlaySound(sound, AllocChannel());
    SetChannelRate(fast, 2.0f);
    clock->Advance(251);
    EXPECT_EQ(ChannelPlaying(fast), 0);
    auto stopped = PlaySound(sound);
    StopChannel(stopped);
    EXPECT_EQ(ChannelPlaying(stopped), 0);
}

TEST_F(Audio, LoadingPicksTheDecoderAndNullsAreHarmless) {
    AudioDriverVariable dummy("dummy");
    // No back end chosen yet: the first load starts the default one.
    EXPECT_TRUE(LoadSound(test::FixturePath("audio/tone_stereo_44100.ogg"), 0));
    EXPECT_TRUE(Driver());
    test::TempDir dir;
    EXPECT_FALSE(LoadSound(dir.File("missing.ogg"), 0));
    ASSERT_EQ(SaveText(dir.File("junk.wav"), "not a sound"), 1);
    EXPECT_FALSE(LoadSound(dir.File("junk.wav"), 0));
    EXPECT_FALSE(LoadSound(Ref<TAudioSample>(), 0));

    Ref<TChannel> none;
    EXPECT_FALSE(PrepareSound(nullptr, none));
    EXPECT_FALSE(PlaySound(nullptr));
    ResumeChannel(none);
    PauseChannel(none);
    StopChannel(none);
    SetChannelVolume(none, 1);
    SetChannelPan(none, 1);
    SetChannelDepth(none, 1);
    SetChannelRate(none, 1);
    EXPECT_EQ(ChannelPlaying(none), 0);
}

TEST_F(Audio, SoundsOutliveADriverChangeWithoutPlayingOnTheOldOne) {
    AudioDriverVariable dummy("dummy");
    ASSERT_EQ(SetAudioDriver("Silent"), 1);
    auto sound = Silence(44100);
    auto channel = PlaySound(sound);
    EXPECT_EQ(ChannelPlaying(channel), 1);
    ASSERT_EQ(SetAudioDriver("Silent"), 1);
    EXPECT_EQ(ChannelPlaying(channel), 0);
    EXPECT_EQ(ChannelPlaying(PlaySound(sound)), 0);
}

} // namespace
} // namespace wispwood
