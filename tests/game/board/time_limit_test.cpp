#include "game/board/time_limit.h"
#include "game/services/player_profile.h"
#include "game/services/profiles.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using LevelTimer = test::BoardTest;

TEST_F(LevelTimer, TheQuestKeepsTheTimeAndAZeroLevelIsUntimed) {
    SetLevelTime(9001);
    EXPECT_EQ(LevelTime, 9001);
    EXPECT_EQ(TimeLeft, 9001);
    SetLevelTime(0);
    EXPECT_EQ(LevelTime, 0);
    EXPECT_EQ(IsTimed(), 0);
    EXPECT_EQ(TimeIsUp(), 0); // an untimed level is never lost on time
}

TEST_F(LevelTimer, TheMasterQuestHalvesTheTimeAndTimesEveryLevel) {
    UseTemporaryProfile()->InMasterQuest = 1;
    SetLevelTime(9001);
    EXPECT_EQ(LevelTime, 4500);
    EXPECT_EQ(TimeLeft, 4500);
    SetLevelTime(0);
    EXPECT_EQ(LevelTime, 18000);
    EXPECT_EQ(IsTimed(), 1);
    SetLevelTime(1); // halves to nothing: three minutes as well
    EXPECT_EQ(LevelTime, 18000);
    // A relaxed level has no clock, in the master quest too.
    RelaxedLevel = true;
    SetLevelTime(9001);
    EXPECT_EQ(IsTimed(), 0);
    SetLevelTime(0);
    EXPECT_EQ(IsTimed(), 0);
    TimeLeft = 0;
    EXPECT_EQ(TimeIsUp(), 0);
}

TEST_F(LevelTimer, TwoUpdatesOrLessCountAsNoLimit) {
    SetLevelTime(2);
    EXPECT_EQ(IsTimed(), 0);
    TimeLeft = 0;
    EXPECT_EQ(TimeIsUp(), 0);
    SetLevelTime(3);
    EXPECT_EQ(IsTimed(), 1);
    EXPECT_EQ(TimeIsUp(), 0);
    TimeLeft = 0;
    EXPECT_EQ(TimeIsUp(), 1);
    TimeLeft = -5;
    EXPECT_EQ(TimeIsUp(), 1);
}

} // namespace
} // namespace wispwood
