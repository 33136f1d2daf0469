#include "framework/gui/gui_container.h"
#include "game/board/board_sound.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/level_set.h"
#include "game/board/reward_text.h"
#include "game/board/time_limit.h"
#include "game/level/level_end.h"
#include "game/level/level_start.h"
#include "game/level/score_flight.h"
#include "game/level/tally.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

class Tally : public test::BoardTest {
  protected:
    Ref<guiContainer> scene = New<guiContainer>();
    std::vector<Text> sounds;

    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        CreateGameStats();
        CurrentLevel = New<Level>();
        CurrentLevel->n = 12;
        LevelTime = TimeLeft = 9000;
    }
    // 37 tiles, 2 silver combos, no gold one, a biggest combo of 6: 876.
    static void PlayedLevel() {
        TilesPopped->n = 37;
        SilverCombosStat->n = 2;
        BiggestComboStat->Set(6);
    }
    void Run(int updates) {
        for (int i = 0; i < updates; ++i) UpdateTally(*scene);
    }
    // Runs until the panel's clock shows the given tick.
    void RunToTick(int tick) {
        for (int i = 0; i < 5000 && CurrentTally->Ticks < tick; ++i) UpdateTally(*scene);
    }
    void ClickOk() {
        ASSERT_TRUE(CurrentTally->OK);
        CurrentTally->OK->mhit = 1;
        UpdateTally(*scene);
        if (CurrentTally && CurrentTally->OK) CurrentTally->OK->mhit = 0;
    }
    int Ticks(const Text& path) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }
};

TEST_F(Tally, ThePanelWaitsItsDelayThenListsTheStatisticsAndATotal) {
    PlayedLevel();
    StartTally();
    EXPECT_EQ(CurrentTally->Delay, 150);
    Run(150);
    EXPECT_EQ(TallyShowing(), 0);
    EXPECT_EQ(ScoreTallyShowing(), 0);
    Run(1);
    EXPECT_EQ(TallyShowing(), 1);
    EXPECT_EQ(ScoreTallyShowing(), 1);
    EXPECT_EQ(CurrentTally->Names, (std::vector<Text>{"Tiles Popped", "Silver Combos", "Gold Combos",
                                                      "Biggest Combo", "-", "TOTAL"}));
    EXPECT_EQ(CurrentTally->Scores, (std::vector<int>{370, 500, 0, 6, 0, 0}));
    EXPECT_EQ(CurrentTally->CompleteScore, 876);
    EXPECT_TRUE(CurrentTally->container);
    EXPECT_TRUE(CurrentTally->OK);
}

TEST_F(Tally, TheDelayIsShorterAfterABonusLevelAndWaitsForRewardTextsAndTheMenu) {
    CurrentLevel = New<BonusLevel>();
    StartTally();
    EXPECT_EQ(CurrentTally->Delay, 50);
    CreateRewardText("WELL DONE", "", 0, 0, 0);
    Run(10);
    EXPECT_EQ(CurrentTally->Delay, 50);
    EXPECT_EQ(CurrentTally->LevelCompleteTicks, 10);
    ResetRewardTexts();
    scene->AddContainer(); // the pause menu is open
    Run(10);
    EXPECT_EQ(CurrentTally->Delay, 50);
    scene->Child->_Destroy();
    Run(10);
    EXPECT_EQ(CurrentTally->Delay, 40);
}

TEST_F(Tally, The876TotalCountsUpInNineTicksAndThenFliesToTheScore) {
    PlayedLevel();
    StartTally();
    RunToTick(450);
    EXPECT_EQ(CurrentTally->Total(), 0);
    int ticks = 0;
    while (!CurrentTally->TickUpComplete && ticks < 100) {
        UpdateTally(*scene);
        ++ticks;
    }
    EXPECT_EQ(ticks, 9);
    EXPECT_EQ(CurrentTally->Total(), 876);
    EXPECT_EQ(Ticks("media\\sound\\timetick.ogg"), 9);

    Run(74);
    EXPECT_EQ(ScoreFlights.Count(), 0);
    Run(1); // after a pause of 75 updates
    ASSERT_EQ(ScoreFlights.Count(), 1);
    EXPECT_EQ(ScoreFlights.First()->value, 876);
    EXPECT_EQ(CurrentTally->AllocatedScore, 876);
    EXPECT_EQ(CurrentTally->Total(), 0);
    Run(200);
    EXPECT_EQ(ScoreFlights.Count(), 1); // it flew once
}

TEST_F(Tally, ATotalAboveFiveThousandCountsInStepsOf250) {
    TilesPopped->n = 600;
    StartTally();
    RunToTick(450);
    int ticks = 0;
    while (!CurrentTally->TickUpComplete && ticks < 100) {
        UpdateTally(*scene);
        ++ticks;
    }
    EXPECT_EQ(ticks, 24);
}

TEST_F(Tally, TheClockHoldsWhileTheTimeBonusCountsDownAndTheBonusJoinsTheTotal) {
    StartTally();
    LevelEndTicks = 1;
    RunToTick(199);
    Run(50);
    EXPECT_EQ(CurrentTally->Ticks, 199);
    AddToTallyTotal(3000);
    TimeLeft = 0;
    Run(1);
    EXPECT_EQ(CurrentTally->Ticks, 200);
    EXPECT_EQ(CurrentTally->CompleteScore, 3000);
}

TEST_F(Tally, OkBeforeTheTotalFlewAddsTheWholeBonusOnce) {
    PlayedLevel();
    StartTally();
    RunToTick(455);
    GameScore = 1000;
    ClickOk();
    EXPECT_EQ(GameScore, 1876);
    EXPECT_EQ(LevelWon, 1); // the set has no next level
    ClickOk();
    Run(300);
    EXPECT_EQ(GameScore, 1876);
    EXPECT_EQ(ScoreFlights.Count(), 0);
}

TEST_F(Tally, OkWhileTheTotalFliesCashesTheFlightInOnce) {
    PlayedLevel();
    StartTally();
    RunToTick(450);
    for (int i = 0; i < 200 && ScoreFlights.Count() == 0; ++i) UpdateTally(*scene);
    ASSERT_EQ(ScoreFlights.Count(), 1);
    Ref<AddToScoreParticle> flight = ScoreFlights.First();
    UpdateScoreFlights(0);
    ClickOk();
    EXPECT_EQ(GameScore, 876);
    EXPECT_EQ(ScoreFlights.Count(), 0);
    for (int i = 0; i < 200; ++i) flight->Update();
    EXPECT_EQ(GameScore, 876);
}

TEST_F(Tally, OkAfterTheTotalLandedAddsNothingMore) {
    PlayedLevel();
    StartTally();
    RunToTick(450);
    for (int i = 0; i < 200 && ScoreFlights.Count() == 0; ++i) UpdateTally(*scene);
    for (int i = 0; i < 200; ++i) UpdateScoreFlights(0);
    EXPECT_EQ(GameScore, 876);
    ClickOk();
    EXPECT_EQ(GameScore, 876);
}

TEST_F(Tally, OkWithAnotherLevelInTheSetFadesThePanelOutAndLetsTheLevelRun) {
    CurrentLevelSet = New<LevelSet>();
    for (int i = 0; i < 2; ++i) {
        auto level = New<Level>();
        level->PieceWidth = level->PieceHeight = 48;
        level->Colors = {0, 1};
        CurrentLevelSet->Levels.push_back(level);
    }
    ASSERT_EQ(StartLevel(1, 0), 0);
    StartTally();
    RunToTick(460);
    ClickOk();
    EXPECT_EQ(LevelWon, 0);
    EXPECT_EQ(CurrentLevelIndex, 1);
    EXPECT_EQ(CurrentTally->Destroying, 1);
    Run(99);
    ASSERT_TRUE(CurrentTally);
    Run(5);
    EXPECT_FALSE(CurrentTally);
    EXPECT_EQ(TallyShowing(), 0);
}

} // namespace
} // namespace wispwood
