#include "engine/io/file_stream.h"
#include "game/app/world_reset.h"
#include "game/services/profiles.h"
#include "game/services/user_data.h"
#include "tests/support/user_folder.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class Profiles_ : public ::testing::Test {
  protected:
    test::UserFolder user;
    void SetUp() override {
        ResetWorld();
        ASSERT_EQ(EnsureUserDataFolder(), 1);
    }
    void TearDown() override { ResetWorld(); }
    static void WriteFile(const Text& text) { ASSERT_EQ(SaveText(ProfilesPath(), text), 1); }
    static Text ReadBack() {
        Text bytes;
        EXPECT_TRUE(LoadText(ProfilesPath(), bytes));
        return bytes;
    }
    static std::vector<int> Ids() {
        std::vector<int> ids;
        for (const auto& p : Profiles) ids.push_back(p->ID);
        return ids;
    }
};

TEST_F(Profiles_, RoundTripKeepsEveryFieldAndOrdersIdsAsNumbers) {
    for (const char* name : {"Anna", "Ben", "Cleo"}) ASSERT_EQ(CreateProfile(name), 1);
    // Ids 1, 2 and 10.
    Profiles.Last()->ID = 10;
    Ref<PlayerProfile> anna = Profiles.First();
    anna->CurrentAdventure = 42;
    anna->CurrentMasterQuestAdventure = 3;
    anna->Lives = 2;
    anna->Score = 12345;
    anna->Gems = 17;
    anna->BronzeMedals = 4;
    anna->SilverMedals = 5;
    anna->GoldMedals = 6;
    anna->InMasterQuest = 1;
    anna->MasterLevelStates[99] = 2;
    anna->LevelStates[41] = 1;
    anna->CurrentBackground = 7;
    anna->Displayedbook = 1;
    anna->DisplayHowToPlay = 0;
    anna->AutoLevelAmount = -20;
    anna->Relaxed = true;
    anna->RelaxedGame = true;
    anna->RelaxedScoreKept = 61000;
    SetCurrentProfile(Profiles.ValueAtIndex(1));
    SaveProfiles();

    Text file = ReadBack();
    // The root section says how many bytes follow it, then which profile
    // is current.
    EXPECT_EQ(file.rfind("[]\r\nbytes = ", 0), 0u) << file;
    EXPECT_NE(file.find("\r\ncurrent = 2\r\n[1]\r\n"), Text::npos) << file;
    size_t one = file.find("[1]"), ten = file.find("[10]"), two = file.find("[2]");
    ASSERT_NE(ten, Text::npos);
    EXPECT_LT(one, ten);
    EXPECT_LT(ten, two);
    // Nineteen keys each.
    EXPECT_NE(file.find("gemscollected = 17"), Text::npos);

    ResetProfiles();
    LoadProfiles();
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 10}));
    ASSERT_TRUE(GetCurrentProfile());
    EXPECT_EQ(GetCurrentProfile()->Name, "Ben");
    Ref<PlayerProfile> back = Profiles.First();
    EXPECT_EQ(back->Name, "Anna");
    EXPECT_EQ(back->Loaded, 1);
    EXPECT_EQ(back->CurrentAdventure, 42);
    EXPECT_EQ(back->CurrentMasterQuestAdventure, 3);
    EXPECT_EQ(back->Lives, 2);
    EXPECT_EQ(back->Score, 12345);
    EXPECT_EQ(back->Gems, 17);
    EXPECT_EQ(back->BronzeMedals, 4);
    EXPECT_EQ(back->SilverMedals, 5);
    EXPECT_EQ(back->GoldMedals, 6);
    EXPECT_EQ(back->InMasterQuest, 1);
    EXPECT_EQ(back->MasterLevelStates.size(), 100u);
    EXPECT_EQ(back->MasterLevelStates[99], 2);
    EXPECT_EQ(back->LevelStates.size(), 100u);
    EXPECT_EQ(back->LevelStates[41], 1);
    EXPECT_EQ(back->CurrentBackground, 7);
    EXPECT_EQ(back->Displayedbook, 1);
    EXPECT_EQ(back->DisplayHowToPlay, 0);
    EXPECT_EQ(back->AutoLevelAmount, -20);
    EXPECT_TRUE(back->Relaxed);
    EXPECT_TRUE(back->RelaxedGame);
    EXPECT_EQ(back->RelaxedScoreKept, 61000);
    EXPECT_FALSE(Profiles.ValueAtIndex(1)->Relaxed);
    // New ids continue above every id read or handed out while reading
    // (three sections: 1, 2 and 3 handed out, 10 the highest read).
    ASSERT_EQ(CreateProfile("Dora"), 1);
    EXPECT_EQ(Profiles.Last()->ID, 12);
}

TEST_F(Profiles_, MissingFileAndMissingKeys) {
    LoadProfiles();
    EXPECT_EQ(Profiles.Count(), 0);
    EXPECT_EQ(GetCurrentProfile(), nullptr);

    WriteFile("[]\ncurrent = 9\n[5]\nname = Eve\n[1]\n");
    LoadProfiles();
    EXPECT_EQ(Ids(), (std::vector<int>{1, 5}));
    EXPECT_EQ(GetCurrentProfile(), nullptr); // no section 9
    Ref<PlayerProfile> bare = Profiles.First();
    EXPECT_EQ(bare->Name, "");
    EXPECT_EQ(bare->CurrentBackground, 0); // missing keys read as 0
    EXPECT_FALSE(bare->Relaxed);           // a file from before relaxed play
    EXPECT_FALSE(bare->RelaxedGame);
    EXPECT_EQ(bare->LevelStates, std::vector<int>(100, 0));
    // A short master-quest list is padded to a state per location.
    EXPECT_EQ(bare->MasterLevelStates, std::vector<int>(100, 0));
    ASSERT_EQ(CreateProfile("Finn"), 1);
    EXPECT_EQ(Profiles.Last()->ID, 6);
}

TEST_F(Profiles_, StateListsKeepTheirLengthRules) {
    Text longList = "0";
    for (int i = 1; i < 120; ++i) longList += ",1";
    WriteFile("[]\ncurrent = 1\n[1]\nname = Gus\nmasterlevelstates = 2,7,-3\nlevelstates = " + longList +
              "\n");
    LoadProfiles();
    Ref<PlayerProfile> p = GetCurrentProfile();
    ASSERT_TRUE(p);
    ASSERT_EQ(p->MasterLevelStates.size(), 100u);
    EXPECT_EQ(p->MasterLevelStates[1], 7); // stored as it is
    EXPECT_EQ(p->LevelStates.size(), 100u);
    WriteFile("[]\n[1]\nmasterlevelstates = " + longList + "\n");
    LoadProfiles();
    EXPECT_EQ(Profiles.First()->MasterLevelStates.size(), 120u); // extras kept
}

TEST_F(Profiles_, CollidingSectionsKeepBothProfiles) {
    WriteFile(
        "[]\ncurrent = 1\n[1]\nname = First\n[01]\nname = Second\n[x]\nname = Third\n[y]\nname = Fourth\n");
    LoadProfiles();
    ASSERT_EQ(Profiles.Count(), 4);
    // Sections enumerate as "01", "1", "x", "y": "01" and "1" both read as
    // id 1, "x" and "y" both as 0. The later of each gets a fresh id above
    // every id read or handed out.
    std::vector<Text> names;
    for (const auto& p : Profiles) names.push_back(p->Name + ":" + std::to_string(p->ID));
    EXPECT_EQ(names, (std::vector<Text>{"Third:0", "Second:1", "First:5", "Fourth:6"}));
    EXPECT_EQ(GetCurrentProfile()->Name, "Second");
    SaveProfiles();
    ResetProfiles();
    LoadProfiles();
    EXPECT_EQ(Profiles.Count(), 4);
    EXPECT_EQ(Ids(), (std::vector<int>{0, 1, 5, 6}));
    EXPECT_EQ(GetCurrentProfile()->Name, "Second");
}

TEST_F(Profiles_, NoCurrentIdSelectsNoProfile) {
    // "current = 0" means none, even with a section that reads as id 0.
    WriteFile("[]\ncurrent = 0\n[abc]\nname = Hal\n");
    LoadProfiles();
    EXPECT_EQ(Profiles.Count(), 1);
    EXPECT_EQ(Profiles.First()->ID, 0);
    EXPECT_EQ(GetCurrentProfile(), nullptr);
}

TEST_F(Profiles_, NamesMustBeNewAndNotBlank) {
    ASSERT_EQ(CreateProfile("  anna "), 1);
    EXPECT_EQ(Profiles.First()->Name, "  anna "); // stored as typed
    EXPECT_EQ(NameIsValid("Anna"), 0);
    EXPECT_EQ(CreateProfile("ANNA"), 0);
    EXPECT_EQ(CreateProfile("   "), 0);
    EXPECT_EQ(CreateProfile(""), 0);
    EXPECT_EQ(NameIsValid("Ann"), 1);
    EXPECT_EQ(Profiles.Count(), 1);
    EXPECT_EQ(GetCurrentProfile(), nullptr); // creating does not select

    ASSERT_EQ(CreateProfile("Bo"), 1);
    SelectProfileByName(" BO");
    EXPECT_EQ(GetCurrentProfile()->Name, "Bo");
    SelectProfileByName("nobody");
    EXPECT_EQ(GetCurrentProfile()->Name, "Bo");
}

TEST_F(Profiles_, DeletingMakesANeighbourCurrent) {
    for (const char* name : {"A", "B", "C"}) CreateProfile(name);
    SetCurrentProfile(Profiles.First());
    DeleteCurrentProfile();
    EXPECT_EQ(GetCurrentProfile()->Name, "B"); // the new first one
    SetCurrentProfile(Profiles.Last());
    DeleteCurrentProfile();
    EXPECT_EQ(GetCurrentProfile()->Name, "B"); // the one before
    DeleteCurrentProfile();
    EXPECT_EQ(GetCurrentProfile(), nullptr);
    EXPECT_EQ(Profiles.Count(), 0);
    SaveProfiles();
    EXPECT_EQ(ReadBack(), "[]\r\nbytes = 0\r\ncurrent = 0\r\n");
    // Ids are not handed out again during the run.
    CreateProfile("D");
    EXPECT_EQ(Profiles.First()->ID, 4);
}

TEST_F(Profiles_, AFreshInstallPlaysOnATemporaryProfileThatIsNeverSaved) {
    LoadProfiles(); // no file yet
    ASSERT_EQ(GetCurrentProfile(), nullptr);
    Ref<PlayerProfile> temporary = EnsureCurrentProfile();
    ASSERT_TRUE(temporary);
    EXPECT_EQ(GetCurrentProfile(), temporary);
    EXPECT_EQ(IsTemporaryProfile(temporary), 1);
    EXPECT_EQ(EnsureCurrentProfile(), temporary); // made once
    EXPECT_EQ(Profiles.Count(), 0);
    // It holds progress like any profile while the run lasts.
    temporary->SetCurrentAdventure(7);
    temporary->SetLevelState(3, 2);
    EXPECT_EQ(temporary->GetCurrentAdventure(), 7);
    EXPECT_EQ(temporary->GetLevelState(3), 2);

    SaveProfiles();
    EXPECT_EQ(ReadBack(), "[]\r\nbytes = 0\r\ncurrent = 0\r\n");
    LoadProfiles();
    EXPECT_EQ(Profiles.Count(), 0);
    EXPECT_EQ(GetCurrentProfile(), nullptr);
}

TEST_F(Profiles_, ATemporaryProfileLeavesThePlayersProfilesAsTheyWere) {
    WriteFile("[]\ncurrent = 0\n[1]\nname = Ida\n");
    LoadProfiles();
    Ref<PlayerProfile> temporary = EnsureCurrentProfile();
    EXPECT_EQ(IsTemporaryProfile(temporary), 1);
    EXPECT_EQ(IsTemporaryProfile(Profiles.First()), 0);
    EXPECT_EQ(temporary->ID, 0); // takes no id from the players
    ASSERT_EQ(CreateProfile("Jo"), 1);
    EXPECT_EQ(Profiles.Last()->ID, 2);
    // Even put in the list by mistake, it is not written.
    Profiles.AddLast(temporary);
    SaveProfiles();
    Profiles.Remove(temporary);
    LoadProfiles();
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2}));
    EXPECT_EQ(GetCurrentProfile(), nullptr);

    // A player's current profile is kept, not replaced.
    SelectProfileByName("Jo");
    Ref<PlayerProfile> jo = GetCurrentProfile();
    EXPECT_EQ(EnsureCurrentProfile(), jo);
    EXPECT_EQ(IsTemporaryProfile(jo), 0);
}

} // namespace
} // namespace wispwood
