#include "engine/io/file_stream.h"
#include "engine/io/file_system.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/saved_game_path.h"
#include "tests/support/paths.h"
#include <gtest/gtest.h>
#include <set>

namespace wispwood {
namespace {

class Profile : public ::testing::Test {
  protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override { ResetWorld(); }
};

TEST_F(Profile, NewProfilesStartAtTheBeginning) {
    auto p = PlayerProfile::Create();
    EXPECT_EQ(p->ID, 1);
    EXPECT_EQ(Profiles.Count(), 1);
    EXPECT_EQ(p->CurrentBackground, 1);
    EXPECT_EQ(p->DisplayHowToPlay, 1);
    EXPECT_EQ(p->LevelStates, std::vector<int>(100, 0));
    EXPECT_EQ(p->MasterLevelStates, std::vector<int>(100, 0));
    EXPECT_EQ(p->MasterQuestEnabled(), 0);
    p->CurrentAdventure = 100;
    EXPECT_EQ(p->MasterQuestEnabled(), 1);
    EXPECT_EQ(p->Rank(), nullptr); // no rank table installed
    EXPECT_LT(p->Compare(*PlayerProfile::Create()), 0);
}

TEST_F(Profile, LevelStatesOnlyRiseAndFollowTheQuest) {
    auto p = PlayerProfile::Create();
    p->SetLevelState(4, 2);
    p->SetLevelState(4, 1);
    EXPECT_EQ(p->GetLevelState(4), 2);
    EXPECT_EQ(p->LevelStates[4], 2);
    p->InMasterQuest = 1;
    EXPECT_EQ(p->GetLevelState(4), 0);
    p->SetLevelState(4, 1);
    p->SetLevelState(4, 2);
    EXPECT_EQ(p->MasterLevelStates[4], 2);
    EXPECT_EQ(p->LevelStates[4], 2);
    // Indices outside the stored list read 0 and change nothing.
    p->SetLevelState(100, 2);
    p->SetLevelState(-1, 2);
    EXPECT_EQ(p->GetLevelState(100), 0);
    EXPECT_EQ(p->GetLevelState(-1), 0);
    EXPECT_EQ(p->MasterLevelStates.size(), 100u);

    p->SetCurrentAdventure(7);
    EXPECT_EQ(p->CurrentMasterQuestAdventure, 7);
    EXPECT_EQ(p->GetCurrentAdventure(), 7);
    p->InMasterQuest = 0;
    p->SetCurrentAdventure(9);
    EXPECT_EQ(p->CurrentAdventure, 9);
    EXPECT_EQ(p->GetCurrentAdventure(), 9);
}

TEST_F(Profile, StoredValuesAreClampedWhereTheyIndex) {
    EXPECT_EQ(LevelStateIndex(-4), 0);
    EXPECT_EQ(LevelStateIndex(1), 1);
    EXPECT_EQ(LevelStateIndex(9), 2);
    EXPECT_EQ(AdventureLocation(-1), 0);
    EXPECT_EQ(AdventureLocation(42), 42);
    EXPECT_EQ(AdventureLocation(100), 99);
    EXPECT_EQ(AdventureLocation(1 << 30), 99);
}

TEST_F(Profile, AutoLevelingIsCountedThoughUnused) {
    auto p = PlayerProfile::Create();
    testing::internal::CaptureStdout();
    p->HandleAutoLevelingDeath();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "adding auto leveling death thingie\n");
    EXPECT_EQ(p->AutoLevelingCount(), 25);
    p->HandleAutoLevelingSuccess(1, 5);
    EXPECT_EQ(p->AutoLevelAmount, 35);
    p->HandleAutoLevelingSuccess(3, 5);
    EXPECT_EQ(p->AutoLevelAmount, 25);
    p->HandleAutoLevelingSuccess(2, 5);
    EXPECT_EQ(p->AutoLevelAmount, 25);
}

// Every name has its own saved game inside the saves folder, and the plain
// names keep the file names they always had.
TEST_F(Profile, SavedGamesStayInTheirFolderWhateverTheName) {
    EXPECT_EQ(SavedGamePath("Anna"), "media\\saves\\Anna.txt");
    EXPECT_EQ(SavedGamePath("  Anna Lee 2 "), "media\\saves\\Anna Lee 2.txt");
    EXPECT_EQ(SavedGamePath(""), "");
    EXPECT_EQ(SavedGamePath("   "), "");
    EXPECT_EQ(SavedGamePath("../config"), "media\\saves\\_2e_2e_2fconfig.txt");
    EXPECT_EQ(SavedGamePath("caf\xe9"), "media\\saves\\caf_e9.txt");
    std::set<Text> paths;
    for (const char* name : {"a/b", "a\\b", "C:", "dot.", "tab\there", "a_2fb", "a b"}) {
        Text path = SavedGamePath(name);
        EXPECT_EQ(path.rfind("media\\saves\\", 0), 0u) << name;
        EXPECT_EQ(path.find_first_of("/:.\t", 12), path.size() - 4) << path;
        paths.insert(path);
    }
    EXPECT_EQ(paths.size(), 7u) << "two names share a saved game";
}

TEST_F(Profile, DeletingASavedGameTouchesOnlyItsOwnFile) {
    test::TempDir dir;
    test::WorkingFolder folder(dir.Path());
    ASSERT_TRUE(folder.Entered());
    ASSERT_EQ(CreateDir("media/saves", 1), 1);
    ASSERT_EQ(SaveText("media/saves/Anna.txt", "game"), 1);
    ASSERT_EQ(SaveText("media/keep.txt", "data"), 1);
    EXPECT_EQ(DeleteSavedGame("../keep"), 0);
    EXPECT_EQ(PathKind("media/keep.txt"), 1);
    EXPECT_EQ(DeleteSavedGame(" Anna "), 1);
    EXPECT_EQ(PathKind("media/saves/Anna.txt"), 0);
    EXPECT_EQ(DeleteSavedGame("Anna"), 0);
}

} // namespace
} // namespace wispwood
