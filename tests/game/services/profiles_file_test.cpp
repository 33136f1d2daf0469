#include "engine/io/file_stream.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/profiles_file.h"
#include "game/services/user_data.h"
#include "tests/support/user_folder.h"
#include <algorithm>
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

// A file cut anywhere is no longer taken for whole: the profiles come from
// the backup, the player is told once, the cut file is kept aside, and the
// next save leaves the good backup as it was.
TEST_F(ProfilesFile_, AFileCutAtAnyByteLoadsFromTheBackupAndIsKeptAside) {
    for (const char* name : {"Anna", "Ben", "Cleo"}) CreateProfile(name);
    Profiles.First()->Gems = 12;
    SaveProfiles();
    SaveProfiles(); // the backup holds all three
    const Text whole = Read(ProfilesPath());
    const Text backup = Read(ProfilesBackupPath());
    ASSERT_EQ(whole, backup);
    ASSERT_GT(whole.size(), 1000u);
    int cuts = 0;
    for (size_t at = 0; at < whole.size(); at += 50, ++cuts) {
        SCOPED_TRACE(at);
        ASSERT_EQ(SaveText(ProfilesPath(), whole.substr(0, at)), 1);
        std::filesystem::remove(ProfilesPath() + ".damaged");
        testing::internal::CaptureStderr();
        ResetProfiles();
        LoadProfiles();
        LoadProfiles(); // a second look at the same state says nothing more
        const Text said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(Names(), (std::vector<Text>{"Anna", "Ben", "Cleo"}));
        EXPECT_EQ(Profiles.First()->Gems, 12);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("playerprofiles.txt.bak"), Text::npos) << said;
        EXPECT_EQ(Read(ProfilesPath() + ".damaged"), whole.substr(0, at));
        SaveProfiles();
        EXPECT_EQ(Read(ProfilesBackupPath()), backup);
        EXPECT_EQ(Read(ProfilesPath()), whole);
    }
    EXPECT_GT(cuts, 20);
}

// With no backup to fall back on, the profiles the cut file still holds
// are played on, and its bytes stay kept aside.
TEST_F(ProfilesFile_, ACutFileWithoutABackupGivesWhatItStillHolds) {
    for (const char* name : {"Anna", "Ben", "Cleo"}) CreateProfile(name);
    SaveProfiles();
    const Text whole = Read(ProfilesPath());
    const Text cut = whole.substr(0, whole.find("name = Cleo"));
    ASSERT_EQ(SaveText(ProfilesPath(), cut), 1);
    std::filesystem::remove(ProfilesBackupPath());
    testing::internal::CaptureStderr();
    ResetProfiles();
    LoadProfiles();
    const Text said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("no good backup"), Text::npos) << said;
    std::vector<Text> names = Names();
    EXPECT_NE(std::find(names.begin(), names.end(), "Anna"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Ben"), names.end());
    EXPECT_EQ(Read(ProfilesPath() + ".damaged"), cut);
    SaveProfiles();
    EXPECT_EQ(ProfilesFileProblem(Read(ProfilesPath())), "");
}

// Files written before the length was kept load as they always did.
TEST_F(ProfilesFile_, AnOlderWholeFileLoadsUnchanged) {
    const Text older = "[]\r\ncurrent = 2\r\n[1]\r\nname = Anna\r\ngemscollected = 3\r\n"
                       "[2]\r\nname = Ben\r\n";
    ASSERT_EQ(SaveText(ProfilesPath(), older), 1);
    testing::internal::CaptureStderr();
    LoadProfiles();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Names(), (std::vector<Text>{"Anna", "Ben"}));
    ASSERT_TRUE(CurrentProfile);
    EXPECT_EQ(CurrentProfile->Name, "Ben");
    EXPECT_EQ(Profiles.First()->Gems, 3);
    EXPECT_EQ(ProfilesFileProblem(older), "");
    // Its own cuts show where a line was left half written.
    EXPECT_NE(ProfilesFileProblem(older.substr(0, older.size() - 3)), "");
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
