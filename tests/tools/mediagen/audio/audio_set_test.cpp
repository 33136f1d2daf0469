// Every file of the audio set as the game will hear it.
#include "tests/support/paths.h"
#include "tests/tools/mediagen/audio/audio_probe.h"
#include "tools/mediagen/audio/audio_set.h"
#include <cmath>
#include <gtest/gtest.h>

namespace wispwood::mediagen {
void PrintTo(const AudioItem& item, std::ostream* out) {
    *out << item.path;
}

namespace {

using probe::HeardFile;
using probe::MonoPart;
using probe::ReadBytes;
using probe::RmsOf;

class EveryAudioFile : public ::testing::TestWithParam<AudioItem> {};

TEST_P(EveryAudioFile, DecodesWithTheFormatLengthAndLevelsOfItsKind) {
    const AudioItem& item = GetParam();
    auto heard = HeardFile(item);
    ASSERT_TRUE(heard) << item.path << " is missing or not Ogg Vorbis";
    const double seconds = heard->Seconds();
    switch (item.kind) {
    case AudioKind::Music:
        EXPECT_EQ(heard->rate, 44100);
        EXPECT_EQ(heard->channels, 2);
        EXPECT_GE(seconds, 60.0);
        EXPECT_LE(seconds, 120.0);
        break;
    case AudioKind::Jingle:
    case AudioKind::Effect:
        EXPECT_EQ(heard->rate, 22050);
        EXPECT_EQ(heard->channels, 1);
        EXPECT_GE(seconds, 0.03);
        EXPECT_LE(seconds, item.kind == AudioKind::Jingle ? 6.0 : 5.0);
        break;
    }
    const AudioMeasure m = MeasureAudio(*heard, item.kind);
    EXPECT_LE(m.peakDb, -1.0) << "clips or has no headroom";
    EXPECT_GT(m.rmsDb, -40.0) << "nearly silent";
    // Loudness is where mastering put it (transient sounds may fall a little
    // short when their peaks hold them back).
    const float target = MasterSettingsFor(item).loudnessDb;
    EXPECT_NEAR(m.loudnessDb, target, 2.5) << "loudness off its target";
}

TEST_P(EveryAudioFile, StartsAndEndsInSilence) {
    const AudioItem& item = GetParam();
    auto heard = HeardFile(item);
    ASSERT_TRUE(heard);
    const float peak = Peak(*heard);
    // A click is a jump out of or into silence: the sound ramps up from zero
    // over its first samples (attacks may be fast, but not instant) and has
    // died away by its last millisecond. The codec's own noise leaves the
    // first decoded sample a little off zero, well under -30 dBFS.
    const double end = heard->Seconds();
    const Mono all = MonoPart(*heard);
    EXPECT_LT(std::fabs(all.front()), DbToGain(-30)) << "starts with a jump";
    EXPECT_LT(std::fabs(all.back()), DbToGain(-40)) << "ends with a jump";
    EXPECT_LT(RmsOf(MonoPart(*heard, 0, 0.00025)), peak * 0.15) << "starts with a click";
    EXPECT_LT(RmsOf(MonoPart(*heard, end - 0.001, end)), peak * 0.02) << "ends with a click";
    if (item.kind == AudioKind::Music) {
        // A restart is seamless only if the track fades out to nothing and
        // starts from nothing.
        EXPECT_LT(RmsOf(MonoPart(*heard, end - 0.2, end)), DbToGain(-60));
        EXPECT_LT(RmsOf(MonoPart(*heard, 0, 0.02)), DbToGain(-60));
    }
}

TEST_P(EveryAudioFile, GeneratingAgainGivesTheSameBytes) {
    const AudioItem& item = GetParam();
    const std::string built = ReadBytes(wispwood::test::GamePath(item.path));
    ASSERT_FALSE(built.empty());
    EXPECT_TRUE(GenerateAudioFile(item) == built) << item.path << " differs between runs";
}

std::string ItemName(const ::testing::TestParamInfo<AudioItem>& info) {
    std::string name = info.param.path;
    name = name.substr(name.find_last_of('/') + 1);
    name = name.substr(0, name.find('.'));
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(AudioSet, EveryAudioFile, ::testing::ValuesIn(AudioCatalog()), ItemName);

TEST(AudioSet, CoversTheInventoryFitsTheBudgetAndIsListedOnTheSheet) {
    const auto& items = AudioCatalog();
    ASSERT_EQ(items.size(), 53u);
    size_t effects = 0, jingles = 0, music = 0, bytes = 0;
    const std::string sheet = ReadBytes(std::string(WISPWOOD_BINARY_DIR) + "/media-preview/audio.txt");
    for (const AudioItem& item : items) {
        effects += item.kind == AudioKind::Effect;
        jingles += item.kind == AudioKind::Jingle;
        music += item.kind == AudioKind::Music;
        bytes += ReadBytes(wispwood::test::GamePath(item.path)).size();
        EXPECT_NE(sheet.find(item.path), std::string::npos) << item.path << " missing from audio.txt";
        EXPECT_NE(sheet.find(item.description), std::string::npos);
    }
    EXPECT_EQ(effects, 36u);
    EXPECT_EQ(jingles, 12u);
    EXPECT_EQ(music, 5u);
    EXPECT_LT(bytes, 15u * 1024 * 1024);
}

TEST(AudioSet, MusicSitsUnderTheEffectsAndTheMenuThemeIsMasteredFull) {
    auto menu = HeardFile(probe::ItemNamed("media/music/menu.ogg"));
    auto click = HeardFile(probe::ItemNamed("media/sound/tilematch.ogg"));
    ASSERT_TRUE(menu && click);
    const float effectLoudness = MeasureAudio(*click, AudioKind::Effect).loudnessDb;
    const AudioMeasure menuLevels = MeasureAudio(*menu, AudioKind::Music);
    EXPECT_GT(menuLevels.peakDb, -3.0f);
    for (const char* path : {"media/music/game0.ogg", "media/music/game1.ogg", "media/music/game2.ogg",
                             "media/music/game3.ogg"}) {
        auto track = HeardFile(probe::ItemNamed(path));
        ASSERT_TRUE(track);
        const AudioMeasure m = MeasureAudio(*track, AudioKind::Music);
        EXPECT_LT(m.loudnessDb, effectLoudness - 5) << path;
        EXPECT_LT(m.loudnessDb, menuLevels.loudnessDb - 3) << path;
    }
}

} // namespace
} // namespace wispwood::mediagen
