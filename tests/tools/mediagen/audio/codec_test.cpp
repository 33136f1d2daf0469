// The Ogg Vorbis writer and the mastering chain on small signals.
#include "tests/tools/mediagen/audio/audio_probe.h"
#include "tools/mediagen/audio/mastering.h"
#include "tools/mediagen/audio/ogg_vorbis.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood::mediagen {
namespace {

Pcm Tone(int rate, int channels, double hz, double seconds, float level) {
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    for (size_t i = 0; i < SecondsToFrames(seconds, rate); ++i)
        for (int c = 0; c < channels; ++c)
            pcm.data.push_back(level * float(std::sin(2 * M_PI * hz * double(i) / rate)));
    return pcm;
}

TEST(OggVorbisWriter, RoundTripsRateChannelsLengthAndPitch) {
    for (int channels : {1, 2}) {
        Pcm tone = Tone(channels == 1 ? 22050 : 44100, channels, 440, 1.3, 0.5f);
        auto back = DecodeWithGameDecoder(EncodeOggVorbis(tone, 0.4f, 1234));
        ASSERT_TRUE(back);
        EXPECT_EQ(back->rate, tone.rate);
        EXPECT_EQ(back->channels, channels);
        EXPECT_EQ(back->Frames(), tone.Frames());
        Mono mono = probe::MonoPart(*back);
        EXPECT_NEAR(probe::DominantHz(probe::PowerSpectrum(mono, back->rate), back->rate), 440.0, 5.0);
        EXPECT_NEAR(Rms(*back), Rms(tone), 0.02);
    }
}

TEST(OggVorbisWriter, EqualSamplesGiveEqualBytesUnderTheGivenSerial) {
    Pcm tone = Tone(22050, 1, 660, 0.5, 0.3f);
    const std::string a = EncodeOggVorbis(tone, 0.4f, 0x1234567), b = EncodeOggVorbis(tone, 0.4f, 0x1234567);
    EXPECT_TRUE(a == b);
    ASSERT_GT(a.size(), 18u);
    EXPECT_EQ(a.substr(0, 4), "OggS");
    // The stream serial sits little-endian at bytes 14..17 of every page.
    uint32_t serial = uint32_t(uint8_t(a[14])) | uint32_t(uint8_t(a[15])) << 8 |
                      uint32_t(uint8_t(a[16])) << 16 | uint32_t(uint8_t(a[17])) << 24;
    EXPECT_EQ(serial, 0x1234567u);
    EXPECT_FALSE(DecodeWithGameDecoder("RIFF not an ogg file"));
}

TEST(Mastering, TheLimiterHoldsPeaksAndLeavesQuietPassagesAlone) {
    Pcm pcm = Tone(22050, 1, 300, 1.0, 0.2f);
    for (size_t i = 11025; i < 11100; ++i) pcm.data[i] *= 8.0f; // a burst of 1.6
    const float before = pcm.data[2000];
    LimitPeaks(pcm, 0.8f);
    EXPECT_LE(Peak(pcm), 0.8f);
    EXPECT_FLOAT_EQ(pcm.data[2000], before);
}

TEST(Mastering, ReachesTheLoudnessTargetUnderTheCeilingAfterDecoding) {
    Pcm pcm = Tone(22050, 1, 880, 0.6, 0.05f);
    MasterSettings settings;
    settings.loudnessDb = -12.0f;
    auto heard = DecodeWithGameDecoder(MasterAndEncode(pcm, settings, 99));
    ASSERT_TRUE(heard);
    EXPECT_LE(GainToDb(Peak(*heard)), settings.ceilingDb);
    EXPECT_NEAR(GainToDb(MeasureLoudness(*heard, true)), -12.0f, 1.0f);
    // A target beyond what the ceiling allows is met as far as the limiter's
    // budget goes, never by clipping.
    Pcm loud = Tone(22050, 1, 880, 0.6, 0.05f);
    settings.loudnessDb = 0.0f;
    auto held = DecodeWithGameDecoder(MasterAndEncode(loud, settings, 99));
    ASSERT_TRUE(held);
    EXPECT_LE(GainToDb(Peak(*held)), settings.ceilingDb);
}

} // namespace
} // namespace wispwood::mediagen
