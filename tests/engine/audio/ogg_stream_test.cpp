#include "engine/audio/mixer.h"
#include "engine/audio/ogg_stream.h"
#include "engine/audio/sample_loaders.h"
#include "engine/io/file_stream.h"
#include "engine/io/memory_stream.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

Ref<const TOggRecording> Streamed(const Text& bytes) {
    TMemoryStream stream(bytes);
    return TOggRecording::Load(stream);
}

std::vector<int16_t> PullInBlocks(TMixer& mixer, int frames, int block) {
    std::vector<int16_t> out(size_t(frames) * 2);
    for (int done = 0; done < frames; done += block) mixer.Mix(out.data() + 2 * done, std::min(block, frames - done));
    return out;
}

// The same file, decoded whole on one mixer and streamed on another, played
// the same way: every output frame must agree, and the voices end together.
struct Pair {
    Ref<TMixer> whole = New<TMixer>(44100), streamed = New<TMixer>(44100);
    Ref<TChannel> a, b;
    Pair(const Text& bytes, int flags, float rate) {
        auto sampleSound = whole->CreateSound(LoadAudioSample(New<TMemoryStream>(bytes)), flags);
        auto streamSound = streamed->CreateStreamedSound(Streamed(bytes), flags);
        EXPECT_TRUE(sampleSound && streamSound);
        a = sampleSound->Cue(nullptr);
        b = streamSound->Cue(nullptr);
        a->SetRate(rate), b->SetRate(rate);
        a->SetPaused(0), b->SetPaused(0);
    }
    void ExpectSame(int frames, int block, const char* what) {
        EXPECT_EQ(PullInBlocks(*whole, frames, block), PullInBlocks(*streamed, frames, block)) << what;
        EXPECT_EQ(a->Playing(), b->Playing()) << what;
    }
};

TEST(StreamedOgg, PlaysFrameForFrameAsTheWholeDecodedRecording) {
    for (const char* file : {"tone_mono_22050.ogg", "tone_stereo_44100.ogg"}) {
        Text bytes = test::FixtureBytes(Text("audio/") + file);
        for (float rate : {1.0f, 0.37f, 1.7f, 4.4f}) {
            SCOPED_TRACE(testing::Message() << file << " at rate " << rate);
            Pair once(bytes, 0, rate);
            once.ExpectSame(60000, 1024, "to the end");
            EXPECT_EQ(once.b->Playing(), 0);

            // Round and round a loop, in odd-sized pulls that split the
            // seam anywhere; a stall skipped by the clock lands both alike.
            Pair looped(bytes, SoundFlagLoop, rate);
            looped.ExpectSame(50000, 777, "looping");
            looped.whole->Skip(123457), looped.streamed->Skip(123457);
            looped.ExpectSame(30000, 301, "after a skip");
            EXPECT_EQ(looped.b->Playing(), 1);
        }
    }
}

TEST(StreamedOgg, ARecordingCutShortOrDamagedIsRefusedBeforeItPlays) {
    Text whole = test::FixtureBytes("audio/tone_stereo_44100.ogg");
    auto recording = Streamed(whole);
    ASSERT_TRUE(recording);
    EXPECT_EQ(recording->channels, 2);
    EXPECT_EQ(recording->hertz, 44100);
    EXPECT_EQ(recording->frames, 11025);
    for (size_t n = 0; n < whole.size(); n += 97) EXPECT_FALSE(Streamed(whole.substr(0, n))) << "cut at " << n;
    // Damage in a page fails its checksum; without decoding, the skipped
    // bytes between whole pages give it away.
    for (size_t at : {size_t(30), size_t(200), whole.size() / 2, whole.size() - 20}) {
        Text damaged = whole;
        for (size_t i = at; i < at + 8 && i < damaged.size(); ++i) damaged[i] = char(damaged[i] ^ 0x5a);
        EXPECT_FALSE(Streamed(damaged)) << "damaged at " << at;
    }
    EXPECT_FALSE(Streamed("RIFF not an ogg file at all"));
}

TEST(StreamedOgg, AWindowPastTheEndOfAStraightRecordingIsShortAndLoopsCarryOn) {
    auto recording = Streamed(test::FixtureBytes("audio/tone_mono_22050.ogg"));
    ASSERT_TRUE(recording);
    const uint32_t length = static_cast<uint32_t>(recording->frames);
    TOggDecoder straight(recording), looped(recording);
    uint32_t got = 0;
    straight.Window(length - 10, 100, false, &got);
    EXPECT_EQ(got, 10u);
    straight.Window(length, 100, false, &got);
    EXPECT_EQ(got, 0u);

    // A window across the seam continues with the first frames, which read
    // the same as a window at the start.
    const int16_t* start = looped.Window(0, 50, true, &got);
    std::vector<int16_t> first(start, start + 50);
    const int16_t* seam = looped.Window(length - 10, 60, true, &got);
    ASSERT_EQ(got, 60u);
    EXPECT_EQ(std::vector<int16_t>(seam + 10, seam + 60), first);
    // Going on from the far side of the seam keeps the decoded frames.
    const int16_t* after = looped.Window(5, 20, true, &got);
    ASSERT_EQ(got, 20u);
    EXPECT_EQ(std::vector<int16_t>(after, after + 20), std::vector<int16_t>(first.begin() + 5, first.begin() + 25));
}

} // namespace
} // namespace wispwood
