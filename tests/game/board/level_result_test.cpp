#include "game/board/level_result.h"
#include "game/board/level_set.h"
#include "game/board/time_limit.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

class LevelResult : public test::BoardTest {
  protected:
    void SetUp() override {
        test::BoardTest::SetUp();
        CurrentLevel = New<Level>();
        CurrentLevel->n = 9;
    }
};

TEST(Medals, TheTimeLeftDecidesWithStrictThresholds) {
    EXPECT_EQ(MedalForTime(300, 1000, 5), 1); // 30 %
    EXPECT_EQ(MedalForTime(500, 1000, 5), 1); // exactly half: silver
    EXPECT_EQ(MedalForTime(501, 1000, 5), 2); // 50.1 %
    EXPECT_EQ(MedalForTime(250, 1000, 5), 0); // exactly a quarter: bronze
    EXPECT_EQ(MedalForTime(251, 1000, 5), 1);
    EXPECT_EQ(MedalForTime(0, 1000, 5), 0);
    EXPECT_EQ(MedalForTime(0, 0, 5), 2);       // untimed
    EXPECT_EQ(MedalForTime(0, 2, 5), 2);       // too short to be timed
    EXPECT_EQ(MedalForTime(1000, 1000, 0), 0); // the first location
    EXPECT_EQ(MedalForTime(0, 0, 0), 0);
}

TEST_F(LevelResult, TheResultIsRecordedOncePerLevel) {
    LevelTime = 9000;
    TimeLeft = 6000;
    GemsCollected = 3;
    DecideMedal();
    EXPECT_EQ(ResultRecorded, 1);
    EXPECT_EQ(LastPlayedSpot, 9);
    EXPECT_EQ(LastMedal, 2);
    EXPECT_EQ(LastGemsEarned, 3);
    EXPECT_EQ(LevelEndTicks, 1);

    TimeLeft = 0;
    CurrentLevel->n = 4;
    RecordLevelResult();
    EXPECT_EQ(LastMedal, 2);
    EXPECT_EQ(LastPlayedSpot, 9);

    // The next level starts: the latch opens, the last result stays.
    ClearMedalDecisionLatch();
    EXPECT_EQ(ResultRecorded, 0);
    EXPECT_EQ(GemsCollected, 0);
    EXPECT_EQ(LastPlayedSpot, 9);
    RecordLevelResult();
    EXPECT_EQ(LastPlayedSpot, 4);
    EXPECT_EQ(LastMedal, 0);
}

} // namespace
} // namespace wispwood
