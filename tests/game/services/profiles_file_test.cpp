#include "engine/io/file_stream.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/profiles_file.h"
#include "game/services/user_data.h"
#include "tests/support/user_folder.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class ProfilesFile_ : public ::testing::Test {
  protected:
    test::UserFolder user;
    void SetUp() override {
        ResetWorld();
        ASSERT_EQ(EnsureUserDataFolder(), 1);
    }
    void TearDown() override { ResetWorld(); }
    static Text Read(const Text& path) {
        Text bytes;
        LoadText(path, bytes);
        return bytes;
    }
    static std::vector<Text> Names() {
        std::vector<Text> names;
        for (const auto& p : Profiles) names.push_back(p->Name);
        return names;
    }
    static void SaveTwoProfiles() {
        CreateProfile("Anna");
        CreateProfile("Ben");
        SaveProfiles();
    }
};

TEST_F(ProfilesFile_, EachSaveKeepsThePreviousGoodFileAsBackup) {
    CreateProfile("Anna");
    SaveProfiles();
    EXPECT_FALSE(std::filesystem::exists(ProfilesBackupPath())); // nothing before the first save
    Text first = Read(ProfilesPath());
    CreateProfile("Ben");
    SaveProfiles();
    EXPECT_EQ(Read(ProfilesBackupPath()), first);
    EXPECT_NE(Read(ProfilesPath()), first);
    // No temporary file is left beside them.
    int entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(UserDataPath())) entries += e.is_regular_file();
    EXPECT_EQ(entries, 2);
}

TEST_F(ProfilesFile_, DamagedMainFileIsReplacedByTheBackup) {
    SaveTwoProfiles();
    SaveProfiles(); // the backup now holds both profiles
    for (Text damage : {Text(), Text(4096, '\0'), Text("name = Anna\ngems = 3\n")}) {
        SCOPED_TRACE(damage.size());
        ASSERT_EQ(SaveText(ProfilesPath(), damage), 1);
        testing::internal::CaptureStderr();
        ResetProfiles();
        LoadProfiles();
        Text said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Names(), (std::vector<Text>{"Anna", "Ben"}));
        EXPECT_NE(said.find(".bak"), Text::npos) << said;
        // The damaged file is not taken as the next backup.
        Text backup = Read(ProfilesBackupPath());
        SaveProfiles();
        EXPECT_EQ(Read(ProfilesBackupPath()), backup);
    }
}

TEST_F(ProfilesFile_, UnreadableFileWithoutBackupIsMovedAsideNeverOverwritten) {
    Text garbage(300, '\0');
    garbage += "precious?";
    for (int round = 1; round <= 2; ++round) {
        ASSERT_EQ(SaveText(ProfilesPath(), garbage), 1);
        std::filesystem::remove(ProfilesBackupPath());
        testing::internal::CaptureStderr();
        ResetProfiles();
        LoadProfiles();
        testing::internal::GetCapturedStderr();
        EXPECT_EQ(Profiles.Count(), 0);
        CreateProfile("Cleo");
        SaveProfiles();
        SaveProfiles(); // moved aside once, not again
        Text aside = ProfilesPath() + (round == 1 ? ".damaged" : ".damaged2");
        EXPECT_EQ(Read(aside), garbage);
        ResetProfiles();
        LoadProfiles();
        EXPECT_EQ(Names(), (std::vector<Text>{"Cleo"}));
    }
}

TEST_F(ProfilesFile_, MissingFileIsAFreshStartWithNothingSaid) {
    testing::internal::CaptureStderr();
    LoadProfiles();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Profiles.Count(), 0);
    CreateProfile("Dora");
    SaveProfiles();
    EXPECT_FALSE(std::filesystem::exists(ProfilesPath() + ".damaged"));
}

} // namespace
} // namespace wispwood
