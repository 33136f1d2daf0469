#include "game/board/board.h"
#include "game/board/board_sound.h"
#include "game/board/level.h"
#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/quota.h"
#include "game/board/time_limit.h"
#include "game/board/tutorial_object.h"
#include "game/board/tutorials.h"
#include "game/level/level_clock.h"
#include "game/level/tally.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

using test::BuildBoard;

constexpr const char* kOutOfTime = "media\\jingles\\outoftime.ogg";
constexpr const char* kTimeDone = "media\\sound\\timedone.ogg";
constexpr const char* kMedalAwarded = "media\\jingles\\medalawarded.ogg";

// A tally that is ready for the time bonus from its first update.
class ReadyTally : public TempleComplete {
  public:
    int DoTimeYet() override { return 1; }
};

class LevelClock : public test::BoardTest {
  protected:
    std::vector<Text> sounds;

    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
        BuildBoard({"0123"});
        CurrentLevel = New<Level>();
        CurrentLevel->n = 3; // past the first location, which always gives bronze
        ResetQuota(1);
    }
    void TearDown() override { test::BoardTest::TearDown(); }

    int Played(const char* path) const {
        return static_cast<int>(std::count(sounds.begin(), sounds.end(), path));
    }

    // The level is won with the given time left; the tally waits for the bonus.
    void WinWith(int levelTime, int left) {
        SetLevelTime(levelTime);
        TimeLeft = left;
        DecideMedal();
        CurrentTally = New<ReadyTally>();
    }
};

TEST_F(LevelClock, TheTimerCountsDownOnePerUpdateAndStopsAtZero) {
    SetLevelTime(5);
    for (int i = 0; i < 3; ++i) UpdateTimer();
    EXPECT_EQ(TimeLeft, 2);
    for (int i = 0; i < 10; ++i) UpdateTimer();
    EXPECT_EQ(TimeLeft, 0);
    EXPECT_EQ(TimeIsUp(), 1);
}

TEST_F(LevelClock, TheTimerStandsStillWhileTheBoardHoldsTheLevelBack) {
    auto runs = [] {
        TimeLeft = 1000;
        UpdateTimer();
        return TimeLeft != 1000;
    };
    SetLevelTime(1000);
    EXPECT_TRUE(runs());

    Board(1, 0)->CreationShine = 20; // a piece still shining from its creation
    EXPECT_FALSE(runs());
    Board(1, 0)->CreationShine = 0;
    EXPECT_TRUE(runs());

    AddTutorial(New<TutorialObject>()); // a lesson is waiting
    EXPECT_FALSE(runs());
    ClearTutorials();
    EXPECT_TRUE(runs());

    QuotaCollected = CurrentLevel->Quota();
    EXPECT_FALSE(runs());
    QuotaCollected = 0;

    LevelEndTicks = 1; // won
    EXPECT_FALSE(runs());
    LevelEndTicks = 0;

    CurrentLevel = New<BonusLevel>();
    EXPECT_FALSE(runs());
    CurrentLevel = nullptr;
    EXPECT_FALSE(runs());
}

TEST_F(LevelClock, AnUntimedLevelNeverCountsDown) {
    SetLevelTime(2);
    for (int i = 0; i < 10; ++i) UpdateTimer();
    EXPECT_EQ(TimeLeft, 2);
    EXPECT_EQ(Played(kOutOfTime), 0);
}

TEST_F(LevelClock, TheOutOfTimeJinglePlaysOnceALevelAsTheLastUpdatesRunOut) {
    SetLevelTime(10);
    for (int i = 0; i < 8; ++i) UpdateTimer();
    EXPECT_EQ(TimeLeft, 2);
    EXPECT_EQ(Played(kOutOfTime), 0);
    UpdateTimer(); // the first update that finds less than 3 left
    EXPECT_EQ(Played(kOutOfTime), 1);
    for (int i = 0; i < 20; ++i) UpdateTimer(); // the time stays up while the level is lost
    EXPECT_EQ(Played(kOutOfTime), 1);

    SetLevelTime(10); // the level again, after a lost life
    for (int i = 0; i < 30; ++i) UpdateTimer();
    EXPECT_EQ(Played(kOutOfTime), 2);
}

TEST_F(LevelClock, HurryNeedsATimedLevelWithMoreThanThreeQuartersGone) {
    EXPECT_EQ(Hurry(), 0); // before any game: no time, nothing to divide by
    UpdateHud();
    EXPECT_EQ(Hurry(), 0);
    SetLevelTime(2);
    TimeLeft = 0;
    EXPECT_EQ(Hurry(), 0);
    SetLevelTime(1000);
    TimeLeft = 250; // exactly three quarters gone
    EXPECT_EQ(Hurry(), 0);
    TimeLeft = 249;
    EXPECT_EQ(Hurry(), 1);
}

TEST_F(LevelClock, FortyPercentLeftDrainsInEightyStepsOfAHundredFromTick121) {
    WinWith(10000, 4000);
    EXPECT_EQ(LastMedal, 1);
    int firstDrainTick = 0, steps = 0;
    for (int i = 0; i < 400; ++i) {
        int before = TimeLeft;
        UpdateHud();
        if (TimeLeft < before) {
            if (!firstDrainTick) firstDrainTick = LevelEndTicks;
            ++steps;
        }
    }
    EXPECT_EQ(firstDrainTick, 121);
    EXPECT_EQ(steps, 80);
    EXPECT_EQ(TimeLeft, 0);
    EXPECT_EQ(TimeBonus, 8000);
    EXPECT_EQ(CurrentTally->CompleteScore, 8000); // the tally gets what the clock shows
    EXPECT_EQ(Played(kTimeDone), 1);
    EXPECT_GT(TimeRanOut, 0);
    EXPECT_GT(TimeBonusDone, 0);
}

TEST_F(LevelClock, TheDrainWaitsForTheTally) {
    SetLevelTime(10000);
    TimeLeft = 4000;
    DecideMedal();
    for (int i = 0; i < 300; ++i) UpdateHud(); // no tally yet
    EXPECT_EQ(LevelEndTicks, 1);
    EXPECT_EQ(TimeLeft, 4000);
    StartTally(); // a real tally, not yet at its time-bonus line
    UpdateHud();
    EXPECT_EQ(LevelEndTicks, 1);
}

TEST_F(LevelClock, TheMedalEarnedIsAwardedOnceAfterTheDrain) {
    WinWith(10000, 6000); // gold
    for (int i = 0; i < 600; ++i) UpdateHud();
    EXPECT_EQ(TimeLeft, 0);
    EXPECT_EQ(MedalKind(), 2); // the medal of the win, not of the drained clock
    EXPECT_EQ(MedalShown, 1);
    EXPECT_EQ(Played(kMedalAwarded), 1);
}

TEST_F(LevelClock, ABronzeFinishAwardsNoMedal) {
    WinWith(10000, 2000);
    for (int i = 0; i < 600; ++i) UpdateHud();
    EXPECT_EQ(TimeBonus, 4000);
    EXPECT_EQ(MedalShown, 0);
    EXPECT_EQ(Played(kMedalAwarded), 0);
}

TEST_F(LevelClock, AnUntimedWinHasNoBonusAndItsGoldComesAtTick160) {
    for (int levelTime : {0, 2}) {
        SCOPED_TRACE(levelTime);
        ResetLevelClock();
        ResetLevelResult();
        sounds.clear();
        WinWith(levelTime, levelTime);
        ASSERT_EQ(LastMedal, 2);
        while (LevelEndTicks < 159) UpdateHud();
        EXPECT_EQ(MedalShown, 0);
        UpdateHud();
        EXPECT_EQ(MedalShown, 1);
        for (int i = 0; i < 200; ++i) UpdateHud();
        EXPECT_EQ(TimeBonus, 0);
        EXPECT_EQ(CurrentTally->CompleteScore, 0);
        EXPECT_EQ(Played(kTimeDone), 0);
        EXPECT_EQ(Played(kMedalAwarded), 1);
    }
}

} // namespace
} // namespace wispwood
