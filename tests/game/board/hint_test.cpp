#include "game/board/hint.h"
#include "game/board/level_set.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/scroll.h"
#include "game/board/stuck_recovery.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;

class Hint : public test::BoardTest {
  protected:
    void SetUp() override {
        test::BoardTest::SetUp();
        BuildBoard({
            "4..5",
            "....",
            "1..1",
        });
        FindReachablePieces();
    }
    void TearDown() override { test::BoardTest::TearDown(); }
    void Run(int updates) {
        for (int i = 0; i < updates; ++i) UpdateHint();
    }
};

TEST_F(Hint, AppearsAfterSixIdleSecondsAndBlinks) {
    Run(600);
    EXPECT_TRUE(HintGroups.empty());
    Run(1);
    ASSERT_EQ(HintGroups.size(), 2u);
    EXPECT_EQ(HintGroups[0][0]->Color, 1);
    EXPECT_EQ(HintPath, nullptr); // the path follows on the next update
    Run(1);
    ASSERT_TRUE(HintPath);
    EXPECT_EQ(HintPath->Distance, 2);
    EXPECT_EQ(HintBlinkTicks, 2);
    EXPECT_EQ(HintAlpha(), 1.0f);
    Run(34);
    EXPECT_EQ(HintBlinkTicks, 36);
    EXPECT_EQ(HintAlpha(), 0.0f);
    Run(34);
    EXPECT_EQ(HintAlpha(), 1.0f);
    // After 210 blinking updates the hint goes and the idle count restarts.
    Run(210 - 70);
    EXPECT_TRUE(HintGroups.empty());
    EXPECT_EQ(HintBlinkTicks, 0);
    EXPECT_EQ(HintIdleTicks, 0);
}

TEST_F(Hint, GoesWhenAHintedPieceLeavesTheBoard) {
    Run(601);
    ASSERT_FALSE(HintGroups.empty());
    HintGroups[1][0]->RemoveFromBoard(0);
    Run(1);
    EXPECT_TRUE(HintGroups.empty());
    EXPECT_EQ(HintIdleTicks, 0);
}

TEST_F(Hint, ScrollingRecoveryAndAReachedQuotaKeepItAway) {
    CurrentSpeed = 0.11f;
    Run(700);
    EXPECT_TRUE(HintGroups.empty());
    EXPECT_EQ(HintIdleTicks, 0);
    CurrentSpeed = 0.1f;
    Run(700);
    EXPECT_FALSE(HintGroups.empty());

    StuckState = 1; // the stuck recovery is clearing rows
    Run(1);
    EXPECT_TRUE(HintGroups.empty());
    StuckState = 0;

    CurrentLevel = New<Level>();
    CurrentLevel->DoneQuotaBottleEffect = 1;
    Run(700);
    EXPECT_TRUE(HintGroups.empty());
}

TEST_F(Hint, AMatchStartsTheIdleCountAgainAndTheBlinkWindsDown) {
    Run(605);
    ResetHint();
    EXPECT_TRUE(HintGroups.empty());
    EXPECT_EQ(HintIdleTicks, 0);
    EXPECT_EQ(HintBlinkTicks, 5);
    Run(3);
    EXPECT_EQ(HintBlinkTicks, 2);
    Run(5);
    EXPECT_EQ(HintBlinkTicks, 0);
}

TEST_F(Hint, NoPairNoHint) {
    BuildBoard({"1..2"});
    FindReachablePieces();
    Run(650);
    EXPECT_TRUE(HintGroups.empty());
    EXPECT_EQ(HintPath, nullptr);
}

} // namespace
} // namespace wispwood
