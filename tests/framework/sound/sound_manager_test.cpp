#include "engine/audio/audio.h"
#include "engine/io/random.h"
#include "framework/sound/sound_housekeeping.h"
#include "tests/support/paths.h"
#include "tests/support/sound_fixtures.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood {
namespace {

class SoundManager : public test::SoundManagerTest {
  protected:
    Ref<Sound> Load(const std::vector<int16_t>& values, int frames = 44100) {
        return LoadConstant(values, frames);
    }
    static int Records(const Ref<Sound>& sound) {
        int n = 0;
        for (const auto& record : ActiveChannels) n += record->BaseSound == sound;
        return n;
    }
};

TEST_F(SoundManager, MissingRecordingsGiveTheSilentSoundInsteadOfEndingTheGame) {
    test::WriteConstantWav(dir.File("only.wav"), 1000, 100);
    testing::internal::CaptureStdout();
    auto sound = SoundWrapper::Load({dir.File("only.ogg"), dir.File("absent.ogg")});
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(sound, SilentSound);
    EXPECT_EQ(printed, "Music not found: \n" + dir.File("only.ogg") + "\n" + dir.File("absent.ogg") + "\n");
    EXPECT_EQ(sound->Play(0), nullptr);
    EXPECT_EQ(sound->Play(1), nullptr);
    sound->PlayIn(0);
    EXPECT_EQ(CuedSounds.Count(), 0);
    EXPECT_EQ(sound->Playing(), 0);
    sound->SetVolume(0.5f);
    EXPECT_FLOAT_EQ(sound->Volume, 1.0f);
    EXPECT_EQ(AllSounds.Count(), 0);
}

TEST_F(SoundManager, AnOggNameFallsBackToTheWavFile) {
    test::WriteConstantWav(dir.File("click.wav"), 1000, 100);
    auto sound = SoundWrapper::Load({dir.File("click.ogg")}, 0, 1);
    ASSERT_NE(sound, SilentSound);
    EXPECT_EQ(sound->Music, 1);
    EXPECT_EQ(sound->Handle.size(), 1u);
    EXPECT_EQ(AllSounds.Count(), 1);
}

TEST_F(SoundManager, EffectsPlayAtTheirVolumeTimesTheEffectsSetting) {
    auto sound = Load({10000});
    sound->Volume = 0.8f;
    sound->OverallVolume = 0.5f;
    ApplyEffectsVolume(0.6f);
    auto record = sound->Play(0);
    ASSERT_TRUE(record);
    EXPECT_FLOAT_EQ(sound->GameVolume, 0.6f);
    EXPECT_NEAR(Pull(), Level(10000, 0.8f * 0.6f * 0.5f), 1.5);
    // A new setting reaches the playing copy at once.
    ApplyEffectsVolume(1.0f);
    EXPECT_NEAR(Pull(), Level(10000, 0.8f * 0.5f), 1.5);
    record->FadeOut = 0.5f;
    record->UpdateVolume();
    EXPECT_NEAR(Pull(), Level(10000, 0.5f * 0.8f * 0.5f), 1.5);
}

TEST_F(SoundManager, CategoryVolumes) {
    ApplyEffectsVolume(1.0f);
    ApplyMusicVolume(0.0f);
    ApplyVoiceVolume(0.4f);
    Sound effect, jingle, voice, music;
    jingle.Jingle = 1;
    jingle.Music = 1; // the jingle rule wins
    voice.VoiceOver = 1;
    music.Music = 1;
    EXPECT_FLOAT_EQ(CategoryVolume(jingle), 0.375f);
    EXPECT_FLOAT_EQ(CategoryVolume(effect), 1.0f);
    EXPECT_FLOAT_EQ(CategoryVolume(voice), 0.4f);
    ApplyMusicVolume(0.8f);
    MusicDuck = 0.5f;
    EXPECT_FLOAT_EQ(CategoryVolume(music), 0.4f);
    DeactivateWindow();
    EXPECT_FLOAT_EQ(CategoryVolume(music), 0.0f);
    EXPECT_FLOAT_EQ(CategoryVolume(jingle), 0.675f);
}

TEST_F(SoundManager, FourLandingsInOneUpdatePlayAtMostThree) {
    auto landing = Load({1000}, 4410);
    landing->MaxInstances = 3;
    int played = 0;
    for (int i = 0; i < 4; ++i) played += landing->Play(0) != nullptr;
    EXPECT_EQ(played, 3);
    EXPECT_EQ(Mixer().ActiveVoices(), 3);
    EXPECT_NEAR(Pull(), 3 * 1000, 2);
}

TEST_F(SoundManager, AnInstanceSlotFreesOnlyWhenTheFinishedRecordIsDropped) {
    auto sound = Load({1000}, 441);
    sound->MaxInstances = 2;
    auto first = sound->Play(0);
    Pull(220);
    auto second = sound->Play(0);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(sound->Play(0), nullptr);
    Pull(300); // the first copy has ended
    EXPECT_EQ(first->PLaying(), 0);
    EXPECT_EQ(sound->Play(0), nullptr);
    ActiveChannel::UpdateAll();
    EXPECT_EQ(Records(sound), 1);
    EXPECT_TRUE(sound->Play(0));
    EXPECT_EQ(sound->Play(0), nullptr);
}

TEST_F(SoundManager, CuedSoundsPlayOnTheUpdateAfterTheirDelay) {
    auto now = Load({1000});
    auto later = Load({2000});
    now->PlayIn(0);
    later->PlayIn(2);
    EXPECT_EQ(ActiveChannels.Count(), 0);
    ActiveChannel::UpdateAll();
    EXPECT_EQ(Records(now), 1);
    EXPECT_EQ(Records(later), 0);
    ActiveChannel::UpdateAll();
    EXPECT_EQ(Records(later), 0);
    ActiveChannel::UpdateAll();
    EXPECT_EQ(Records(later), 1);
    EXPECT_EQ(CuedSounds.Count(), 0);
}

TEST_F(SoundManager, OwnChannelPlayRestartsInsteadOfOverlapping) {
    auto sound = Load({1000});
    auto first = sound->Play(1);
    auto second = sound->Play(1);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Handle, second->Handle);
    EXPECT_EQ(sound->Channel, second->Handle);
    EXPECT_EQ(sound->Playing(), 1);
    EXPECT_NEAR(Pull(), 1000, 1.5);
    sound->Stop();
    EXPECT_EQ(sound->Playing(), 0);
    ActiveChannel::UpdateAll();
    EXPECT_EQ(ActiveChannels.Count(), 0);
}

TEST_F(SoundManager, SetVolumeReachesTheOwnChannelAndTheNextRefresh) {
    auto sound = Load({10000});
    ApplyEffectsVolume(0.5f);
    auto record = sound->Play(1);
    sound->SetVolume(0.4f);
    EXPECT_FLOAT_EQ(record->Volume, 0.4f);
    EXPECT_NEAR(Pull(), Level(10000, 0.4f * 0.5f), 1.5);
    RefreshSoundVolumes();
    EXPECT_NEAR(Pull(), Level(10000, 0.4f * 0.5f), 1.5);
}

// Whether a sound plays at all depends on the sound card (a copy still
// playing fills its instance slots), so its choice of recording must not
// move the game's generator: play would follow the speed of the audio.
TEST_F(SoundManager, RecordingsArePickedWithTheSoundsOwnGeneratorAndLeaveTheGamesAlone) {
    auto sound = Load({1000, 2000, 3000});
    TRandom choices;
    std::vector<int> expected;
    for (int i = 0; i < 8; ++i) expected.push_back(1000 * (choices.Int(0, 2) + 1));
    EXPECT_GT(std::set<int>(expected.begin(), expected.end()).size(), 1u);
    SeedRandom(77);
    for (int i = 0; i < 8; ++i) {
        auto record = sound->Play(0);
        EXPECT_NEAR(Pull(1), expected[i], 1.5) << i;
        record->Stop();
        ActiveChannel::UpdateAll();
    }
    EXPECT_EQ(RandomSeed(), 77);
}

TEST_F(SoundManager, AJingleThatStopsMusicDucksItAndTheDuckRecoversSlowly) {
    auto jingle = Load({1000}, 44100 * 2);
    jingle->Jingle = 1;
    jingle->JingleStopMusic = 1;
    auto record = jingle->Play(0);
    for (int i = 0; i < 39; ++i) RunSoundHousekeeping(nullptr);
    EXPECT_GT(MusicDuck, 0.2f);
    RunSoundHousekeeping(nullptr);
    EXPECT_FLOAT_EQ(MusicDuck, 0.2f);
    RunSoundHousekeeping(nullptr);
    EXPECT_FLOAT_EQ(MusicDuck, 0.2f);
    record->Stop();
    RunSoundHousekeeping(nullptr); // still counted: the record goes in this update
    EXPECT_FLOAT_EQ(MusicDuck, 0.2f);
    for (int i = 0; i < 99; ++i) RunSoundHousekeeping(nullptr);
    EXPECT_LT(MusicDuck, 1.0f);
    RunSoundHousekeeping(nullptr);
    EXPECT_FLOAT_EQ(MusicDuck, 1.0f);
}

TEST_F(SoundManager, AJingleThatKeepsMusicLeavesTheDuckAlone) {
    auto jingle = Load({1000});
    jingle->Jingle = 1;
    jingle->Play(0);
    for (int i = 0; i < 10; ++i) RunSoundHousekeeping(nullptr);
    EXPECT_FLOAT_EQ(MusicDuck, 1.0f);
}

TEST_F(SoundManager, ACopyOutsideTheSceneMaskFadesOutAndStops) {
    auto sound = Load({10000});
    sound->Scenes = 2;
    auto record = sound->Play(0);
    record->Update(2);
    EXPECT_FLOAT_EQ(record->FadeOut, 1.0f);
    for (int i = 1; i <= 19; ++i) {
        record->Update(4);
        EXPECT_NEAR(record->FadeOut, 1 - 0.05f * i, 1e-5);
        EXPECT_EQ(record->PLaying(), 1);
    }
    EXPECT_NEAR(Pull(), Level(10000, 0.05f), 1.5);
    record->Update(4);
    EXPECT_EQ(record->PLaying(), 0);
    record->Update(4);
    EXPECT_EQ(ActiveChannels.Count(), 0);
}

} // namespace
} // namespace wispwood
