#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/column_stacks.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/score_popups.h"
#include "game/board/scroll.h"
#include "tests/support/row_world.h"

namespace wispwood {
namespace {

using test::BuildBoard;

class Scrolling : public test::RowsTest {
  protected:
    Level* level = nullptr;
    void SetUp() override {
        test::RowsTest::SetUp();
        level = &test::SelectTestLevel(4, 4);
    }
    static void Pile(int x, int pieces) {
        for (int i = 0; i < pieces; ++i) ColumnStacks[x]->Stacked.AddLast(nullptr);
    }
};

TEST_F(Scrolling, FreeSpaceRunsFromEachColumnsLowestPieceToItsDangerLine) {
    // 48-pixel cells: the line lies at 48 + 431.
    EXPECT_FLOAT_EQ(FreeSpace(), 479);
    BuildBoard({"0123", "0.2.", "0..."});
    ResetColumnStacks(4);
    ScrollOffset = 10;
    // Column 0's lowest piece is at 2 * 48 + 10.
    EXPECT_FLOAT_EQ(FreeSpace(), 479 - 106);
    // A bouncing piece counts where it is drawn.
    PieceAt(0, 2)->bouncey = -4;
    EXPECT_FLOAT_EQ(FreeSpace(), 479 - 102);
    // 40-pixel cells put the line at 40 + 450.
    CellWidth = CellHeight = 40;
    EXPECT_FLOAT_EQ(FreeSpace(), 490 - (80 + 10 - 4));
    // No columns, no room.
    ResetBoardGrid(0, 32);
    EXPECT_FLOAT_EQ(FreeSpace(), 0);
}

TEST_F(Scrolling, APileAtAColumnsFloorRaisesItsDangerLine) {
    BuildBoard({"....", "...."});
    ResetColumnStacks(4);
    Pile(3, 1);
    EXPECT_FLOAT_EQ(FreeSpace(), 479); // one piece lying there changes nothing
    Pile(3, 1);
    EXPECT_FLOAT_EQ(FreeSpace(), 479); // nor two
    Pile(3, 2);
    EXPECT_FLOAT_EQ(FreeSpace(), 479 - 2 * 48);
    Pile(1, 3);
    EXPECT_FLOAT_EQ(FreeSpace(), 479 - 2 * 48);
    Pile(1, 2);
    EXPECT_FLOAT_EQ(FreeSpace(), 479 - 3 * 48);
}

TEST_F(Scrolling, TheBoardAcceleratesIntoFreeRoomAndBrakesToRestOnTheLine) {
    // An empty board after a retry: accelerating while the room exceeds the
    // braking distance 50 v^2.
    CurrentSpeed = 1.25f;
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.255f);
    CurrentSpeed = 3.0f; // 450 pixels to brake, only 479 of room
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 3.005f);
    CurrentSpeed = 3.1f; // 480.5 to brake
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 3.09f);
    CurrentSpeed = 0.004f;
    BuildBoard({"0", "0", "0", "0", "0", "0", "0", "0", "0", "0"});
    ResetColumnStacks(1);
    ScrollOffset = 42; // lowest piece at 474: 5 pixels left
    level->DoneQuotaBottleEffect = 1;
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 0) << "braking stops at 0";
    level->DoneQuotaBottleEffect = 0;
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 0.005f);
    ScrollOffset = 47; // beyond the line
    ControlSpeed();
    EXPECT_FLOAT_EQ(CurrentSpeed, 0);

    // Left to itself the stack comes to rest within a pixel of the line.
    CurrentSpeed = 0;
    BuildBoard({"0123", "1230", "2301", "3012", "0123", "1230", "2301"});
    ResetColumnStacks(4);
    ScrollOffset = 0;
    for (int i = 0; i < 5000; ++i) ScrollBoard();
    EXPECT_LT(CurrentSpeed, 0.02f);
    EXPECT_GT(LowestOccupiedRow(), 6) << "rows were pushed in on the way";
    EXPECT_GE(FreeSpace(), -1.0f);
    EXPECT_LE(FreeSpace(), 1.0f);
}

TEST_F(Scrolling, AfterTheLastRowTheBoardStopsAtTheEndOfItsCell) {
    level->LastRowComplete = 1;
    BuildBoard({"0123"});
    ResetColumnStacks(4);
    ScrollOffset = 30;
    EXPECT_FLOAT_EQ(FreeSpace(), 18); // the rest of the cell
    for (int i = 0; i < 3000 && !level->StopScrolling; ++i) {
        ScrollBoard();
        ASSERT_LE(ScrollOffset, 48.0f);
    }
    EXPECT_NEAR(ScrollOffset, 48, 0.05);
    // Passing the end of the cell stops it there for good, without a row.
    level->StopScrolling = 0;
    ScrollOffset = 47.999f;
    CurrentSpeed = 0.5f;
    ScrollBoard();
    EXPECT_FLOAT_EQ(ScrollOffset, 48);
    EXPECT_EQ(level->StopScrolling, 1);
    CurrentSpeed = 0.5f;
    ScrollBoard();
    EXPECT_FLOAT_EQ(ScrollOffset, 48);
    EXPECT_EQ(test::RowColours(0), "0123");
    EXPECT_EQ(test::RowColours(1), "....");
}

TEST_F(Scrolling, EffectsAndRestingPopupsMoveWithTheBoard) {
    Ref<Particle> burst = BoardEffects.AddParticle();
    burst->y = 100;
    Ref<Particle> resting = ScorePopups.AddParticle();
    resting->y = 200;
    Ref<Particle> rising = ScorePopups.AddParticle();
    rising->y = 300;
    rising->dy = -1;
    CurrentSpeed = 1.0f;
    ScrollBoard(); // accelerates first
    EXPECT_FLOAT_EQ(ScrollOffset, 1.005f);
    EXPECT_FLOAT_EQ(burst->y, 101.005f);
    EXPECT_FLOAT_EQ(resting->y, 201.005f);
    EXPECT_FLOAT_EQ(rising->y, 300);
    // A stopped level still runs its speed control but does not move.
    level->StopScrolling = 1;
    ScrollBoard();
    EXPECT_FLOAT_EQ(ScrollOffset, 1.005f);
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.01f);
}

TEST_F(Scrolling, NothingMovesWhileARestoredBoardFadesIn) {
    BuildBoard({"0123"});
    ResetColumnStacks(4);
    PieceAt(2, 0)->CreationShine = 60;
    CurrentSpeed = 1.0f;
    ScrollBoard();
    EXPECT_FLOAT_EQ(ScrollOffset, 0);
    EXPECT_FLOAT_EQ(CurrentSpeed, 1.005f); // the speed control still runs
}

TEST_F(Scrolling, AFullCellPushesANewRowIn) {
    BuildBoard({"0123"});
    ResetColumnStacks(4);
    ScrollOffset = 47.5f;
    CurrentSpeed = 1.0f;
    ScrollBoard();
    EXPECT_FLOAT_EQ(ScrollOffset, 0);
    EXPECT_EQ(test::RowColours(1), "0123");
    EXPECT_EQ(test::RowColours(0).find('.'), Text::npos) << test::RowColours(0);
}

} // namespace
} // namespace wispwood
