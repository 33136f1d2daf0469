#include "engine/audio/sample_loaders.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "tests/engine/audio/wav_builder.h"
#include "tests/support/paths.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

using test::MakeWav;
using test::Pcm16;
using test::RiffChunk;
using test::WavSpec;

Ref<TAudioSample> Decode(const Text& bytes) {
    return LoadAudioSample(New<TMemoryStream>(bytes));
}

Text FixtureBytes(const char* name) {
    Text bytes;
    EXPECT_TRUE(LoadText(test::FixturePath(Text("audio/") + name), bytes)) << name;
    return bytes;
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
    WavSpec spec;
    spec.channels = 2;
    spec.hertz = 44100;
    spec.extraFormatBytes = Text("\0\0", 2);
    spec.chunksBeforeFormat = RiffChunk("LIST", "odd"); // 3 bytes + pad
    spec.chunksBeforeData = RiffChunk("fact", Text("\4\0\0\0", 4));
    auto s = Decode(MakeWav(spec, Pcm16({100, -100, 32767, -32768, 0, 1})));
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
    WavSpec spec;
    spec.bits = 8;
    spec.hertz = 8000;
    auto s = Decode(MakeWav(spec, Text("\x80\xff\x00", 3)));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatMono8);
    EXPECT_EQ(s->length, 3);
    EXPECT_EQ(s->samples[1], 0xff);
    EXPECT_EQ(s->Sample16(0, 0), 0);
    EXPECT_EQ(s->Sample16(2, 0), -32768);

    spec.bits = 16;
    spec.channels = 2;
    auto partial = Decode(MakeWav(spec, Text(6, '\1')));
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->length, 1);
}

TEST(WavLoader, RefusesWhatIsNotPlainPcm) {
    Text data = Pcm16({1, 2, 3, 4});
    WavSpec floatTag;
    floatTag.tag = 3;
    WavSpec threeChannels;
    threeChannels.channels = 3;
    WavSpec twentyFourBits;
    twentyFourBits.bits = 24;
    WavSpec noRate;
    noRate.hertz = 0;
    for (const WavSpec& spec : {floatTag, threeChannels, twentyFourBits, noRate})
        EXPECT_FALSE(Decode(MakeWav(spec, data)));

    Text good = MakeWav(WavSpec(), data);
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
    Text whole = MakeWav(WavSpec(), Pcm16({1, 2, 3, 4, 5, 6, 7, 8}));
    ASSERT_TRUE(Decode(whole));
    for (size_t n = 0; n < whole.size(); ++n) EXPECT_FALSE(Decode(whole.substr(0, n))) << "cut at " << n;

    // A data chunk claiming 4 GB in a tiny file.
    Text lying = whole;
    size_t dataSize = lying.find("data") + 4;
    lying.replace(dataSize, 4, "\xff\xff\xff\xff");
    EXPECT_FALSE(Decode(lying));
    // A foreign chunk whose size runs past the end.
    WavSpec spec;
    spec.chunksBeforeData = Text("junk\xf0\xff\xff\x7f", 8);
    EXPECT_FALSE(Decode(MakeWav(spec, Pcm16({1, 2}))));
}

TEST(OggLoader, MonoToneDecodesToSixteenBitAtItsOwnRate) {
    auto s = Decode(FixtureBytes("tone_mono_22050.ogg"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatMono16);
    EXPECT_EQ(s->hertz, 22050);
    EXPECT_EQ(s->length, 11025);
    EXPECT_NEAR(MeasuredFrequency(*s, 0), 440, 4);
    EXPECT_NEAR(Peak(*s, 0), 16384, 1500);
}

TEST(OggLoader, StereoToneKeepsItsChannelsApart) {
    auto s = Decode(FixtureBytes("tone_stereo_44100.ogg"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->format, SampleFormatStereo16);
    EXPECT_EQ(s->hertz, 44100);
    EXPECT_EQ(s->length, 11025);
    EXPECT_NEAR(MeasuredFrequency(*s, 0), 440, 8);
    EXPECT_NEAR(MeasuredFrequency(*s, 1), 660, 8);
}

TEST(OggLoader, CutShortOrDamagedFilesAreRefused) {
    Text whole = FixtureBytes("tone_stereo_44100.ogg");
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
    Text ogg = FixtureBytes("tone_mono_22050.ogg");
    auto embedded = New<TMemoryStream>("prefix" + ogg);
    embedded->Seek(6);
    auto s = LoadAudioSample(embedded);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->length, 11025);

    auto wav = Decode(MakeWav(WavSpec(), Pcm16({5, 6})));
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
