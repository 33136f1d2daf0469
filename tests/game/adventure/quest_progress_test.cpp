// The level result turned into progress: the adventure, the level states,
// gems and medals, and the flights that show them.
#include "game/adventure/quest_progress.h"
#include "game/app/world_reset.h"
#include "game/board/level_result.h"
#include "game/services/profiles.h"
#include "game/services/rank.h"
#include <gtest/gtest.h>

namespace wispwood {
namespace {

class QuestProgressTest : public ::testing::Test {
  protected:
    Ref<PlayerProfile> profile;

    void SetUp() override {
        ResetWorld();
        BuildRanks({"a", "b", "c", "d"}, false);
        profile = UseTemporaryProfile();
    }
    void TearDown() override { ResetWorld(); }

    static void Result(int spot, int medal, int gems) {
        LastPlayedSpot = spot;
        LastMedal = medal;
        LastGemsEarned = gems;
    }
};

TEST_F(QuestProgressTest, WinningTheFrontierMovesTheAdventureOn) {
    profile->CurrentAdventure = 3;
    Result(3, 1, 0);
    AdventureStep step = AdvanceAdventure(*profile);
    EXPECT_EQ(step.spot, 3);
    EXPECT_EQ(step.frontier, 1);
    EXPECT_EQ(step.reveal, 1);
    EXPECT_EQ(step.revealOldState, 0);
    EXPECT_EQ(step.revealDelay, 450);
    EXPECT_EQ(profile->CurrentAdventure, 4);
    EXPECT_EQ(profile->LevelStates[3], 1);
}

TEST_F(QuestProgressTest, AReplayOnlyEverRaisesTheLevelState) {
    profile->CurrentAdventure = 10;
    profile->LevelStates[4] = 1;
    // Bronze over silver: nothing changes, no reveal.
    Result(4, 0, 0);
    AdventureStep step = AdvanceAdventure(*profile);
    EXPECT_EQ(step.frontier, 0);
    EXPECT_EQ(step.reveal, 0);
    EXPECT_EQ(profile->LevelStates[4], 1);
    // Silver again: no reveal, but the medal is counted and flies.
    Result(4, 1, 0);
    EXPECT_EQ(AdvanceAdventure(*profile).reveal, 0);
    std::vector<RewardFlight> flights = BankRewards(*profile);
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0].medal, 1);
    EXPECT_EQ(profile->SilverMedals, 1);
    // Gold: revealed from silver after 300 ticks.
    Result(4, 2, 0);
    step = AdvanceAdventure(*profile);
    EXPECT_EQ(step.reveal, 1);
    EXPECT_EQ(step.revealOldState, 1);
    EXPECT_EQ(step.revealDelay, 300);
    EXPECT_EQ(profile->LevelStates[4], 2);
    EXPECT_EQ(profile->CurrentAdventure, 10);
}

TEST_F(QuestProgressTest, TheMasterQuestKeepsItsOwnProgress) {
    profile->InMasterQuest = 1;
    profile->CurrentAdventure = 100;
    profile->CurrentMasterQuestAdventure = 0;
    Result(0, 0, 0);
    EXPECT_EQ(AdvanceAdventure(*profile).frontier, 1);
    EXPECT_EQ(profile->CurrentMasterQuestAdventure, 1);
    EXPECT_EQ(profile->CurrentAdventure, 100);
    Result(0, 2, 0);
    AdvanceAdventure(*profile);
    EXPECT_EQ(profile->MasterLevelStates[0], 2);
    EXPECT_EQ(profile->LevelStates[0], 0);
}

TEST_F(QuestProgressTest, GemsAfterARankUpWaitLongerAndTheMedalWaitsForThemAll) {
    profile->Gems = 5;
    Result(7, 2, 3);
    std::vector<RewardFlight> flights = BankRewards(*profile);
    ASSERT_EQ(flights.size(), 4u);
    // The first gem completes rank 0 and lands in its last slot.
    EXPECT_EQ(flights[0].rankUp, 1);
    EXPECT_EQ(flights[0].extraDelay, 0);
    EXPECT_EQ(flights[0].tx, 371 + 5 * 28);
    EXPECT_EQ(flights[0].ty, 559);
    EXPECT_EQ(flights[1].rankUp, 0);
    EXPECT_EQ(flights[1].extraDelay, 20 + 150);
    EXPECT_EQ(flights[2].extraDelay, 40 + 150);
    // The second gem starts rank 1.
    EXPECT_EQ(flights[1].tx, 371);
    EXPECT_EQ(flights[2].tx, 371 + 28);
    EXPECT_EQ(flights[3].medal, 2);
    EXPECT_EQ(flights[3].extraDelay, 60 + 300 + 200);
    EXPECT_EQ(flights[3].tx, 470);
    EXPECT_EQ(flights[3].ty, 528);
    EXPECT_EQ(profile->Gems, 8);
    EXPECT_EQ(profile->GoldMedals, 1);
}

TEST_F(QuestProgressTest, AMedalWithoutGemsFliesSoonerAndSilverMakesRoomForTheGoldDigits) {
    profile->GoldMedals = 9;
    Result(2, 1, 0);
    std::vector<RewardFlight> flights = BankRewards(*profile);
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0].extraDelay, 100);
    EXPECT_EQ(flights[0].tx, 509);
    profile->GoldMedals = 10;
    Result(2, 1, 1);
    flights = BankRewards(*profile);
    ASSERT_EQ(flights.size(), 2u);
    EXPECT_EQ(flights[1].tx, 514);
    EXPECT_EQ(flights[1].extraDelay, 220);
    // Bronze flies nothing.
    Result(2, 0, 0);
    EXPECT_TRUE(BankRewards(*profile).empty());
}

TEST_F(QuestProgressTest, GemsOnTheLastRankGoToTheRankName) {
    profile->Gems = 6 + 8 + 12 + 16 + 3; // into the last of four ranks
    Result(9, 0, 1);
    std::vector<RewardFlight> flights = BankRewards(*profile);
    ASSERT_EQ(flights.size(), 1u);
    EXPECT_EQ(flights[0].tx, 545);
    EXPECT_EQ(flights[0].ty, 516);
}

TEST_F(QuestProgressTest, AResultTheMapNeverTookIsBankedAtExit) {
    profile->CurrentAdventure = 5;
    profile->Gems = 2;
    Result(5, 2, 3);
    EXPECT_EQ(BankUnconsumedLevelResult(), 1);
    EXPECT_EQ(profile->CurrentAdventure, 6);
    EXPECT_EQ(profile->LevelStates[5], 2);
    EXPECT_EQ(profile->Gems, 5);
    EXPECT_EQ(profile->GoldMedals, 1);
    EXPECT_EQ(LastPlayedSpot, -1);
    EXPECT_EQ(LastGemsEarned, 0);
    // Once taken, nothing is added twice.
    EXPECT_EQ(BankUnconsumedLevelResult(), 0);
    EXPECT_EQ(profile->Gems, 5);
    EXPECT_EQ(profile->CurrentAdventure, 6);
}

TEST_F(QuestProgressTest, NoLevelPlayedMeansNothingToTake) {
    // Start-up state: no result, so entering the map from the menu changes
    // nothing, not even for location 0.
    EXPECT_EQ(LastPlayedSpot, -1);
    EXPECT_EQ(AdvanceAdventure(*profile).spot, -1);
    EXPECT_TRUE(BankRewards(*profile).empty());
    EXPECT_EQ(profile->CurrentAdventure, 0);
}

} // namespace
} // namespace wispwood
