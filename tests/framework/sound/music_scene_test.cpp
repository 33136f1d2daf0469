#include "engine/io/random.h"
#include "framework/sound/sound_housekeeping.h"
#include "tests/support/paths.h"
#include "tests/support/sound_fixtures.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood {
namespace {

class MusicSceneTest : public test::SoundManagerTest {
  protected:
    Ref<Sound> Track(int16_t value, int frames = 44100 * 3) { return LoadConstant({value}, frames, 1); }
    // One update of the scene loop's sound steps, then the mix of 10 ms.
    int Step(const Ref<MusicScene>& wanted) {
        RunSoundHousekeeping(wanted);
        return Pull();
    }
};

TEST_F(MusicSceneTest, CrossFadeBetweenMenuAndGameMusicOnTheMixer) {
    ApplyMusicVolume(0.5f);
    auto menuTrack = Track(4000);
    auto gameTrack = Track(8000);
    auto menu = CreateMusicScene();
    menu->Music = {{menuTrack}};
    menu->NormalizeVolume = 0.33f;
    auto game = CreateMusicScene();
    game->Music = {{gameTrack}};
    game->DontChangeWhilePlaying = 1;

    EXPECT_EQ(Step(menu), 0); // the request is taken at the end of the update
    EXPECT_EQ(menu->Current, 1);
    for (int i = 1; i <= 50; ++i) {
        int level = Step(menu);
        EXPECT_NEAR(level, test::SilentAudioTest::Level(4000, 0.02f * i * 0.33f * 0.5f), 2) << i;
    }
    EXPECT_FLOAT_EQ(menu->FadingProgress, 1.0f);
    // The menu track sounds at 0.33 of the game track's volume.
    EXPECT_NEAR(Step(menu), Level(4000, 0.33f * 0.5f), 2);

    Step(game);
    EXPECT_EQ(menu->Current, 0);
    EXPECT_EQ(game->Current, 1);
    EXPECT_EQ(game->Playing, gameTrack);
    for (int i = 1; i <= 50; ++i) {
        int level = Step(game);
        double expected =
            (i < 50 ? Level(4000, (1 - 0.02f * i) * 0.33f * 0.5f) : 0) + Level(8000, 0.02f * i * 0.5f);
        EXPECT_NEAR(level, expected, 3) << i;
    }
    EXPECT_EQ(menu->Channel, nullptr);
    EXPECT_EQ(Mixer().ActiveVoices(), 1);
    EXPECT_NEAR(Step(game), Level(8000, 0.5f), 2);
}

TEST_F(MusicSceneTest, SetVolumeScalesTheSceneAndTheInactiveWindowSilencesMusicOnly) {
    auto track = Track(8000);
    auto effect = SoundWrapper::Load({dir.File("c8000_132300.wav")});
    auto scene = CreateMusicScene();
    scene->Music = {{track}};
    for (int i = 0; i < 60; ++i) Step(scene);
    scene->SetVolume(0.5f);
    EXPECT_NEAR(Step(scene), Level(8000, 0.5f), 2);
    effect->Play(0);
    DeactivateWindow();
    EXPECT_NEAR(Step(scene), Level(8000, 1.0f), 2); // the effect alone
}

TEST_F(MusicSceneTest, EndedTracksAreFollowedByARepeatOrARandomTrack) {
    std::vector<Ref<Sound>> tracks;
    for (int16_t value : {1000, 2000, 3000, 4000}) tracks.push_back(Track(value, 441 * 3));
    auto repeating = CreateMusicScene();
    repeating->Music = {tracks};
    repeating->DontChangeWhilePlaying = 1;
    // The choice is the sound manager's own, like a recording's.
    const int drawn = TRandom(SoundChoices).Int(0, 3);
    Step(repeating);
    EXPECT_EQ(repeating->Playing, tracks[drawn]);
    std::vector<Ref<Sound>> heard;
    for (int i = 0; i < 20; ++i) {
        Step(repeating);
        if (heard.empty() || heard.back() != repeating->Playing) heard.push_back(repeating->Playing);
    }
    EXPECT_EQ(heard, std::vector<Ref<Sound>>{tracks[drawn]});

    auto shuffled = CreateMusicScene();
    shuffled->Music = {tracks};
    std::set<Ref<Sound>> played;
    Ref<ActiveChannel> channel;
    for (int i = 0; i < 400; ++i) {
        Step(shuffled);
        if (shuffled->Channel != channel) played.insert(shuffled->Playing);
        channel = shuffled->Channel;
    }
    EXPECT_EQ(played.size(), 4u);
}

TEST_F(MusicSceneTest, StartMusicPlaysFirstAndComesBackAfterAFullFadeOut) {
    auto intro = Track(1000, 441 * 3);
    auto loop = Track(2000);
    auto scene = CreateMusicScene();
    scene->Music = {{loop}};
    scene->SetStartMusic(intro);
    auto other = CreateMusicScene();
    Step(scene);
    Step(scene);
    EXPECT_EQ(scene->Playing, intro);
    EXPECT_EQ(scene->StartMusic, nullptr);
    for (int i = 0; i < 5; ++i) Step(scene);
    EXPECT_EQ(scene->Playing, loop);
    for (int i = 0; i < 60; ++i) Step(other);
    EXPECT_EQ(scene->FadingProgress, 0);
    EXPECT_EQ(scene->StartMusic, intro);
}

TEST_F(MusicSceneTest, SwitchingSetsLeavesFadingCopiesThatRemoveThemselves) {
    auto scene = CreateMusicScene();
    scene->Music = {{Track(1000)}, {Track(2000)}, {Track(3000)}};
    for (int i = 0; i < 60; ++i) Step(scene);
    scene->SetMusicSet(1);
    scene->SetMusicSet(1); // the same set again changes nothing
    Step(scene);
    scene->SetMusicSet(2);
    ASSERT_EQ(MusicScenes.Count(), 3);
    auto first = MusicScenes.ValueAtIndex(1);
    auto second = MusicScenes.ValueAtIndex(2);
    EXPECT_EQ(first->Bastard, 1);
    EXPECT_EQ(first->MusicSet, 0);
    EXPECT_EQ(second->MusicSet, 1);
    EXPECT_EQ(second->Current, 0);
    EXPECT_FLOAT_EQ(first->FadingProgress, 0.98f);
    EXPECT_FLOAT_EQ(second->FadingProgress, 0.02f);
    Step(scene);
    EXPECT_EQ(MusicScenes.Count(), 2); // the second copy was all but silent
    for (int i = 0; i < 48; ++i) Step(scene);
    EXPECT_EQ(MusicScenes.Count(), 1);
    for (int i = 0; i < 3; ++i) Step(scene);
    EXPECT_EQ(scene->MusicSet, 2);
    EXPECT_EQ(scene->Playing, scene->Music[2][0]);
}

TEST_F(MusicSceneTest, MusicRateReachesThePlayingChannel) {
    auto scene = CreateMusicScene();
    scene->Music = {{Track(1000, 44100)}};
    Step(scene);
    Step(scene);
    scene->SetMusicRate(2.0f);
    EXPECT_FLOAT_EQ(scene->Rate, 2.0f);
    // At twice the speed a second of recording ends in half a second.
    for (int i = 0; i < 55; ++i) Pull();
    EXPECT_EQ(scene->Channel->PLaying(), 0);
}

} // namespace
} // namespace wispwood
