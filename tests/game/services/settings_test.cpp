#include "engine/io/file_stream.h"
#include "game/app/loader_queue.h"
#include "game/app/world_reset.h"
#include "game/services/settings.h"
#include "game/services/user_data.h"
#include "tests/support/paths.h"
#include "tests/support/user_folder.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class SettingsTest : public ::testing::Test {
  protected:
    test::UserFolder user;
    void SetUp() override { ResetWorld(); }
    void TearDown() override { ResetWorld(); }
};

TEST_F(SettingsTest, UserFolderFollowsXdgDataHome) {
    EXPECT_EQ(UserDataPath(), user.Path() + "/Wispwood/");
    EXPECT_EQ(EnsureUserDataFolder(), 1);
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(UserDataPath(), "/home/someone/.local/share/Wispwood/");
}

TEST_F(SettingsTest, MissingFileGivesDefaultsAndSavesElevenSortedKeys) {
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    CreateSettings();
    ReadSettings();
    EXPECT_EQ(GetResX(), 800);
    EXPECT_EQ(GetResY(), 600);
    EXPECT_EQ(GetDepth(), 32);
    EXPECT_EQ(GetWindowed(), 0);
    EXPECT_EQ(GetHints(), 1);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 1.0f);
    EXPECT_FLOAT_EQ(GetMusicVolume(), 0.8f);
    EXPECT_FLOAT_EQ(GetVoiceVolume(), 0.8f);
    EXPECT_EQ(GetMuted(), 0);
    EXPECT_FALSE(GetCalmEffects());
    SetMusicVolume(0.8f);
    ASSERT_EQ(SaveSettings(), 1);
    Text bytes;
    ASSERT_TRUE(LoadText(UserDataPath() + "config.txt", bytes));
    EXPECT_EQ(
        bytes,
        "[]\r\ncalmeffects = 0\r\ndepth = 32\r\nhints = 1\r\nloadsteps = 1\r\nmusicvolume = 0.800000000\r\n"
        "muted = 0\r\nresx = 800\r\nresy = 600\r\nsoundvolume = 1.0\r\nvoicevolume = "
        "0.8\r\nwindowed = 0\r\n");
}

TEST_F(SettingsTest, PresentKeysKeepTheirValuesAndJunkReadsAsZero) {
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    ASSERT_EQ(SaveText(UserDataPath() + "config.txt", "windowed = 1\nresx = 1024\nsoundvolume = loud\n"), 1);
    CreateSettings();
    ReadSettings();
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(GetResX(), 1024);
    EXPECT_EQ(GetResY(), 600);
    EXPECT_EQ(GetSoundVolume(), 0.0f);
}

// The comfort keys save their one setting at once; what an open options
// dialog changed but nobody confirmed must not reach the file with it.
TEST_F(SettingsTest, SavingOneKeyLeavesUnconfirmedChangesOutOfTheFile) {
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    CreateSettings();
    ReadSettings();
    ASSERT_EQ(SaveSettings(), 1);
    SetSoundVolume(0.25f); // dragged in the dialog, not confirmed
    SetMuted(1);
    ASSERT_EQ(SaveSettingNow("muted"), 1);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 0.25f); // memory keeps the drag

    ResetSettings();
    CreateSettings();
    ReadSettings();
    EXPECT_EQ(GetMuted(), 1);
    EXPECT_FLOAT_EQ(GetSoundVolume(), 1.0f);
}

TEST_F(SettingsTest, SavingOneKeyWithoutAFileWritesEverything) {
    ASSERT_EQ(EnsureUserDataFolder(), 1);
    CreateSettings();
    ReadSettings();
    SetWindowed(1);
    ASSERT_EQ(SaveSettingNow("windowed"), 1);
    ResetSettings();
    CreateSettings();
    ReadSettings();
    EXPECT_EQ(GetWindowed(), 1);
    EXPECT_EQ(GetResX(), 800);
}

TEST_F(SettingsTest, LoadStepsSurviveEveryLoaderAndTheQueueEndsAtTheLastOne) {
    CreateSettings();
    ReadSettings();
    int ran = 0;
    RegisterLoader([&] {
        ++ran;
        SetLoadSteps(99); // a loader cannot change the setting
    });
    RegisterLoader(nullptr); // an empty step still takes its place
    RegisterLoader([&] { ++ran; });
    EXPECT_EQ(LoaderCount, 3);
    EXPECT_EQ(RunLoadStep(0), 0);
    EXPECT_EQ(GetLoadSteps(), 1);
    EXPECT_EQ(RunLoadStep(1), 0);
    EXPECT_EQ(RunLoadStep(2), 1);
    EXPECT_EQ(ran, 2);
    EXPECT_EQ(RunLoadStep(-1), 1);
    EXPECT_EQ(RunLoadStep(9999), 1);
    for (int i = 0; i < 300; ++i) RegisterLoader([] {});
    EXPECT_EQ(LoaderCount, kLoaderTableSize);
}

} // namespace
} // namespace wispwood
