#include "engine/io/file_system.h"
#include "framework/sound/sound_housekeeping.h"
#include "game/services/sound_tables.h"
#include "tests/support/paths.h"
#include "tests/support/sound_fixtures.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class SoundTables : public test::SoundManagerTest {
  protected:
    void SetUp() override { SoundManagerTest::SetUp(); }
    void TearDown() override { SoundManagerTest::TearDown(); }
    static void LoadEverything() {
        CreateMenuMusic();
        LoadEffectsA();
        LoadEffectsB();
        LoadEffectsAndJingles();
        LoadGameTrack0();
        LoadGameTrack1();
        LoadGameTrack2();
        LoadGameTrack3();
        CreateGameMusicScene();
    }
};

TEST_F(SoundTables, EveryGeneratedRecordingLoads) {
    test::WorkingFolder game(test::GamePath(""));
    testing::internal::CaptureStdout();
    LoadEverything();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    // 18 + 12 + 3 + 12 + 1 effects and jingles, 4 game tracks, the menu track.
    EXPECT_EQ(AllSounds.Count(), 51);
    for (const Ref<Sound>& sound : AllSounds) EXPECT_FALSE(sound->Dummy);
    EXPECT_EQ(GameSound("media\\sound\\piecehitground.ogg")->MaxInstances, 3);
    EXPECT_EQ(GameSound("MEDIA/sound/piecehitpiece.ogg")->MaxInstances, 3);
    EXPECT_EQ(GameSound("media\\sound\\tileclick.ogg")->MaxInstances, -1);
    auto complete = GameSound("media\\jingles\\levelcomplete.ogg");
    EXPECT_EQ(complete->Jingle, 1);
    EXPECT_EQ(complete->JingleStopMusic, 1);
    EXPECT_EQ(GameSound("media\\jingles\\startgame.ogg")->JingleStopMusic, 0);
    EXPECT_EQ(GameSound("media\\sound\\earthquake.ogg")->Jingle, 0);
    EXPECT_EQ(GameSound("media\\sound\\nosuchsound.ogg"), SilentSound);
    for (const auto& track : GameMusicTracks) EXPECT_EQ(track->Music, 1);
    EXPECT_EQ(GameMusicScene->Music.size(), 1u);
    EXPECT_EQ(GameMusicScene->Music[0].size(), 4u);
    EXPECT_EQ(GameMusicScene->SceneValue, 1);
    EXPECT_EQ(GameMusicScene->DontChangeWhilePlaying, 1);
    EXPECT_EQ(MenuMusicScene->Music, (std::vector<std::vector<Ref<Sound>>>{{MenuMusic}}));
    EXPECT_FLOAT_EQ(MenuMusicScene->NormalizeVolume, 0.33f);
    EXPECT_EQ(MenuMusicScene->SceneValue, 2);
}

TEST_F(SoundTables, FourLandingsInOneUpdatePlayTheGroundSoundThreeTimes) {
    test::WorkingFolder game(test::GamePath(""));
    LoadEffectsB();
    auto ground = GameSound("media\\sound\\piecehitground.ogg");
    int played = 0;
    for (int i = 0; i < 4; ++i) played += ground->Play(0) != nullptr;
    EXPECT_EQ(played, 3);
    EXPECT_EQ(Mixer().ActiveVoices(), 3);
}

TEST_F(SoundTables, OnlyJinglesThatStopMusicDuckIt) {
    test::WorkingFolder game(test::GamePath(""));
    LoadEffectsAndJingles();
    GameSound("media\\jingles\\startgame.ogg")->Play(0);
    for (int i = 0; i < 10; ++i) RunSoundHousekeeping(nullptr);
    EXPECT_FLOAT_EQ(MusicDuck, 1.0f);
    GameSound("media\\jingles\\levelcomplete.ogg")->Play(0);
    for (int i = 0; i < 10; ++i) RunSoundHousekeeping(nullptr);
    EXPECT_NEAR(MusicDuck, 0.8f, 1e-5);
}

TEST_F(SoundTables, AMissingRecordingIsReportedAndPlaysSilently) {
    test::TempDir dir;
    test::WriteConstantWav(dir.File("media/sound/piecehitpiece.wav"), 1000, 441);
    test::WorkingFolder folder(dir.Path());
    testing::internal::CaptureStdout();
    LoadEffectsB();
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("Music not found: \nmedia\\sound\\mistake.ogg\n"), std::string::npos) << printed;
    auto mistake = GameSound("media\\sound\\mistake.ogg");
    EXPECT_EQ(mistake, SilentSound);
    EXPECT_EQ(mistake->Play(0), nullptr);
    // The one recording present was found under its ".wav" name.
    auto piece = GameSound("media\\sound\\piecehitpiece.ogg");
    EXPECT_NE(piece, SilentSound);
    EXPECT_EQ(piece->MaxInstances, 3);
    // The shared silent sound picks up no loader settings.
    testing::internal::CaptureStdout();
    LoadEffectsAndJingles();
    CreateMenuMusic();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(SilentSound->MaxInstances, -1);
    EXPECT_EQ(SilentSound->Jingle, 0);
    EXPECT_EQ(MenuMusic, SilentSound);
    RunSoundHousekeeping(MenuMusicScene);
    RunSoundHousekeeping(MenuMusicScene);
    EXPECT_EQ(MenuMusicScene->Channel, nullptr);
}

} // namespace
} // namespace wispwood
