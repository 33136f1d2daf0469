#include "engine/audio/sample_loaders.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "tests/support/paths.h"
#include "tests/support/wav_builder.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::MakeWav;
using test::Pcm16;
using test::RiffChunk;
using test::WavFormat;

Ref<TAudioSample> Decode(const Text& bytes) {
    return LoadAudioSample(New<TMemoryStream>(bytes));
}

// Zero crossings from below per second: the frequency of a clean tone.
double MeasuredFrequency(const TAudioSample& s, int channel) {
    int rising = 0;
    for (int i = 1; i < s.length; ++i)
        if (s.Sample16(i - 1, channel) < 0 && s.Sample16(i, channel) >= 0) ++rising;
    return rising * double(s.hertz) / s.length;
}

int Peak(const TAudioSample& s, int channel) {
    int peak = 0;
    for (int i = 0; i < s.length; ++i) peak = std::max(peak, std::abs(int(s.Sample16(i, channel))));
    return peak;
}

TEST(WavLoader, SixteenBitStereoSkipsForeignChunksPadBytesAndExtraFormatBytes) {
    WavFormat wavFormat;
    wavFormat.channels = 2;
    wavFormat.hertz = 44100;
    wavFormat.extraFormatBytes = Text("\0\0", 2);
    wavFormat.chunksBeforeFormat = RiffChunk("LIST", "odd"); // 3 bytes + pad
    wavFormat.chunksBeforeData = RiffChunk("fact", Text("\4\0\0\0", 4));
    auto s = Decode(MakeWav(wavFormat, Pcm16({100, -100, 32767, -32768, 0, 1})));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatStereo16);
    EXPECT_EQ(s->hertz, 44100);
    EXPECT_EQ(s->length, 3);
    EXPECT_EQ(s->capacity, 12);
    EXPECT_EQ(s->Sample16(0, 0), 100);
    EXPECT_EQ(s->Sample16(0, 1), -100);
    EXPECT_EQ(s->Sample16(1, 0), 32767);
    EXPECT_EQ(s->Sample16(1, 1), -32768);
    EXPECT_EQ(s->Sample16(2, 1), 1);
}

TEST(WavLoader, EightBitMonoKeepsUnsignedBytesAndDropsAPartialFrame) {
    WavFormat wavFormat;
    wavFormat.bits = 8;
    wavFormat.hertz = 8000;
    auto s = Decode(MakeWav(wavFormat, Text("\x80\xff\x00", 3)));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatMono8);
    EXPECT_EQ(s->length, 3);
    EXPECT_EQ(s->samples[1], 0xff);
    EXPECT_EQ(s->Sample16(0, 0), 0);
    EXPECT_EQ(s->Sample16(2, 0), -32768);

    wavFormat.bits = 16;
    wavFormat.channels = 2;
    auto partial = Decode(MakeWav(wavFormat, Text(6, '\1')));
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->length, 1);
}

TEST(WavLoader, RefusesWhatIsNotPlainPcm) {
    Text data = Pcm16({1, 2, 3, 4});
    WavFormat floatTag;
    floatTag.tag = 3;
    WavFormat threeChannels;
    threeChannels.channels = 3;
    WavFormat twentyFourBits;
    twentyFourBits.bits = 24;
    WavFormat noRate;
    noRate.hertz = 0;
    for (const WavFormat& wavFormat : {floatTag, threeChannels, twentyFourBits, noRate})
        EXPECT_FALSE(Decode(MakeWav(wavFormat, data)));

    Text good = MakeWav(WavFormat(), data);
    Text notWave = good;
    notWave.replace(8, 4, "AVI ");
    EXPECT_FALSE(Decode(notWave));
    // Data before any format chunk cannot be interpreted.
    Text dataFirst = "RIFF" + good.substr(4, 4) + "WAVE" + RiffChunk("data", data);
    EXPECT_FALSE(Decode(dataFirst));
    Text shortFormat =
        Text("RIFF\0\0\0\0WAVE", 12) + RiffChunk("fmt ", Text(14, '\1')) + RiffChunk("data", data);
    EXPECT_FALSE(Decode(shortFormat));
}

TEST(WavLoader, EveryCutShortFileIsRefusedAndHugeSizesAllocateNothing) {
    Text whole = MakeWav(WavFormat(), Pcm16({1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(Decode(whole));
    for (size_t n = 0; n < whole.size(); ++n) EXPECT_FALSE(Decode(whole.substr(0, n))) << "cut at " << n;

    // A data chunk claiming 4 GB in a tiny file.
    Text lying = whole;
    size_t dataSize = lying.find("data") + 4;
    lying.replace(dataSize, 4, "\xff\xff\xff\xff");
    EXPECT_FALSE(Decode(lying));
    // A foreign chunk whose size runs past the end.
    WavFormat wavFormat;
    wavFormat.chunksBeforeData = Text("junk\xf0\xff\xff\x7f", 8);
    EXPECT_FALSE(Decode(MakeWav(wavFormat, Pcm16({1, 2}))));
}

TEST(OggLoader, MonoToneDecodesToSixteenBitAtItsOwnRate) {
    auto s = Decode(test::FixtureBytes("audio/tone_mono_22050.ogg"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatMono16);
    EXPECT_EQ(s->hertz, 22050);
    EXPECT_EQ(s->length, 11025);
    EXPECT_NEAR(MeasuredFrequency(*s, 0), 440, 4);
    EXPECT_NEAR(Peak(*s, 0), 16384, 1500);
}

TEST(OggLoader, StereoToneKeepsItsChannelsApart) {
    auto s = Decode(test::FixtureBytes("audio/tone_stereo_44100.ogg"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatStereo16);
    EXPECT_EQ(s->hertz, 44100);
    EXPECT_EQ(s->length, 11025);
    EXPECT_NEAR(MeasuredFrequency(*s, 0), 440, 8);
    EXPECT_NEAR(MeasuredFrequency(*s, 1), 660, 8);
}

TEST(OggLoader, CutShortOrDamagedFilesAreRefused) {
    Text whole = test::FixtureBytes("audio/tone_stereo_44100.ogg");
    for (size_t n = 0; n < whole.size(); n += 97) EXPECT_FALSE(Decode(whole.substr(0, n))) << "cut at " << n;
    EXPECT_FALSE(Decode(whole.substr(0, whole.size() - 1)));

    // Damage in the audio pages fails their checksums; damage in the headers
    // breaks the set-up. Either way nothing comes back and nothing crashes.
    for (size_t at : {size_t(30), size_t(200), whole.size() / 2, whole.size() - 20}) {
        Text damaged = whole;
        for (size_t i = at; i < at + 8 && i < damaged.size(); ++i) damaged[i] = char(damaged[i] ^ 0x5a);
        EXPECT_FALSE(Decode(damaged)) << "damaged at " << at;
    }
}

TEST(SampleLoader, TriesWavThenOggFromTheStreamsPositionAndFailsOnAnythingElse) {
    Text ogg = test::FixtureBytes("audio/tone_mono_22050.ogg");
    auto embedded = New<TMemoryStream>("prefix" + ogg);
    embedded->Seek(6);
    auto s = LoadAudioSample(embedded);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->length, 11025);

    auto wav = Decode(MakeWav(WavFormat(), Pcm16({5, 6})));
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->length, 2);

    EXPECT_FALSE(Decode(""));
    EXPECT_FALSE(Decode("OggS but not really a file at all"));
    EXPECT_FALSE(LoadAudioSample(Ref<TStream>()));

    test::TempDir dir;
    EXPECT_FALSE(LoadAudioSample(dir.File("missing.ogg")));
    ASSERT_EQ(SaveText(dir.File("Tone.ogg"), ogg), 1);
    auto fromFile = LoadAudioSample(dir.File("tone.ogg")); // letter case resolved like every read
    ASSERT_TRUE(fromFile);
    EXPECT_EQ(fromFile->hertz, 22050);
}

} // namespace
} // namespace wispwood
