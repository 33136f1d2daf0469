#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/creation_shine.h"
#include "game/board/level_set.h"
#include "game/board/quota.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using CreationShine = test::BoardTest;

TEST_F(CreationShine, TheFadeWaitsForTheFrameAndTheBottle) {
    test::BuildBoard({"12"});
    CurrentLevel = New<Level>();
    ResetQuota(1);
    SnapBoardFrame();
    EXPECT_EQ(CreationShineHeld(), 0);

    FrameX = BoardLeft() + 1; // within a pixel counts as in place
    EXPECT_EQ(CreationShineHeld(), 0);
    FrameX = BoardLeft() - 2;
    EXPECT_EQ(CreationShineHeld(), 1);
    SnapBoardFrame();

    QuotaCollected = 10; // the bottle has not caught up yet
    EXPECT_EQ(CreationShineHeld(), 1);
    SetQuotaDisplay();
    QuotaLevel = 0.9f;
    EXPECT_EQ(CreationShineHeld(), 0);
}

} // namespace
} // namespace wispwood
