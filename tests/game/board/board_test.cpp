#include "game/board/board.h"
#include "game/board/board_frame.h"
#include "game/board/piece.h"
#include "tests/support/ascii_board.h"
#include <cstdlib>

namespace wispwood {
namespace {

using test::BuildBoard;

class BoardModel : public test::BoardTest {};

TEST_F(BoardModel, OriginCentresTheBoardAtAnyCellSize) {
    ResetBoardForGame();
    EXPECT_EQ(BoardWidth, 16);
    EXPECT_EQ(BoardHeight, 32);
    EXPECT_EQ(BoardLeft(), 323 - 16 * 48 / 2);
    EXPECT_EQ(BoardTop(), -48);
    ResetBoardGrid(13, 32);
    CellWidth = CellHeight = 40;
    EXPECT_EQ(BoardLeft(), 323 - 260);
    ResetBoardGrid(9, 32);
    CellWidth = CellHeight = 48;
    EXPECT_EQ(BoardLeft(), 323 - 216); // 9 x 48 / 2 truncated
}

TEST_F(BoardModel, MouseCellsTruncateTowardZero) {
    ResetBoardGrid(10, 32);
    int x = -1, y = -1;
    int left = BoardLeft();
    ASSERT_TRUE(MouseToCell(left + 1, 0, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 1); // screen y 0 is one cell below the board's origin
    // Up to a cell left of the board still reads as column 0.
    ASSERT_TRUE(MouseToCell(left - 47, 0, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_FALSE(MouseToCell(left - 48, 0, x, y));
    // Up to a cell above the board still reads as row 0.
    ASSERT_TRUE(MouseToCell(left, -95, x, y));
    EXPECT_EQ(y, 0);
    EXPECT_FALSE(MouseToCell(left, -96, x, y));
    // The scroll moves the rows down.
    ScrollOffset = 20;
    ASSERT_TRUE(MouseToCell(left + 48 * 9 + 47, 67, x, y));
    EXPECT_EQ(x, 9);
    EXPECT_EQ(y, 1);
    ASSERT_TRUE(MouseToCell(left, 68, x, y));
    EXPECT_EQ(y, 2);
    EXPECT_FALSE(MouseToCell(left + 480, 100, x, y));
    CellWidth = 0;
    EXPECT_FALSE(MouseToCell(left, 100, x, y));
}

TEST_F(BoardModel, QueriesScanTheGridInColumnOrder) {
    BuildBoard({
        "1.W",
        "2.3",
        "..3",
    });
    EXPECT_EQ(PieceAt(-1, 0), nullptr);
    EXPECT_EQ(PieceAt(0, 32), nullptr);
    EXPECT_EQ(IsEmptyCell(1, 0), 1);
    EXPECT_EQ(IsEmptyCell(0, 0), 0);
    EXPECT_EQ(IsEmptyCell(3, 0), 0);
    EXPECT_EQ(ColumnHeight(0), 2);
    EXPECT_EQ(ColumnHeight(1), 0);
    EXPECT_EQ(ColumnHeight(2), 3);
    EXPECT_EQ(LowestOccupiedRow(), 2);
    EXPECT_EQ(CountPieces(), 5);
    EXPECT_EQ(CountNonWallPieces(), 4);

    PieceAt(2, 2)->MahjongOver = 1;
    PieceAt(0, 1)->MahjongOver = 1;
    EXPECT_EQ(SelectedPiece(), PieceAt(0, 1));
    EXPECT_EQ(SelectedColour(), 2);
    EXPECT_EQ(CountSelected(), 2);
    PieceAt(0, 0)->CreationShine = 51;
    PieceAt(2, 1)->CreationShine = 10;
    EXPECT_EQ(CountShining(), 2);
    EXPECT_EQ(CountBeingCreated(), 1);
    PieceAt(0, 0)->mover = 1;
    PieceAt(0, 0)->MarkForDestruction = 1;
    EXPECT_EQ(CountHovered(), 1);
    EXPECT_EQ(CountMarked(), 1);

    BuildBoard({"..."});
    EXPECT_EQ(LowestOccupiedRow(), 0);
    EXPECT_EQ(SelectedPiece(), nullptr);
    EXPECT_EQ(SelectedColour(), -1);
}

TEST_F(BoardModel, FrameSlidesToANewWidthAndSettles) {
    ResetBoardGrid(10, 32);
    SnapBoardFrame();
    EXPECT_EQ(FrameX, BoardLeft());
    EXPECT_EQ(FrameRight(), BoardLeft() + 480);
    UpdateBoardFrame();
    EXPECT_EQ(FrameSettled, 1);

    ResetBoardGrid(14, 32);
    int target = BoardLeft();
    int updates = 0;
    UpdateBoardFrame(); // notices the change
    EXPECT_EQ(FrameSettled, 0);
    while (!FrameSettled && updates < 200) {
        UpdateBoardFrame();
        ++updates;
        // The right edge mirrors the left one about the board.
        EXPECT_EQ(FrameRight() - (BoardLeft() + 14 * 48), BoardLeft() - FrameX);
    }
    // An eased slide of at most 1 / 0.015 updates.
    EXPECT_GE(updates, 55);
    EXPECT_LE(updates, 68);
    EXPECT_LE(std::abs(FrameX - target), 1);
    EXPECT_EQ(BoardCentreX(), (FrameX + FrameRight()) / 2);
}

} // namespace
} // namespace wispwood
