#include "game/board/groups.h"
#include "game/board/piece.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

class Groups : public test::BoardTest {};

char CheckedMark(const Piece& p) {
    return p.Checked ? 'x' : '-';
}

std::vector<std::pair<int, int>> Cells(const PieceGroup& group) {
    std::vector<std::pair<int, int>> cells;
    for (const auto& p : group) cells.emplace_back(p->x, p->y);
    return cells;
}

TEST_F(Groups, SameColourGroupFloodsDepthFirstAroundLockedPieces) {
    BuildBoard({
        "112",
        "b12",
        "111",
    });
    PieceAt(2, 1)->Checked = 1; // a stale mark is cleared first
    PieceGroup group = SameColourGroup(PieceAt(0, 0));
    EXPECT_EQ(Cells(group),
              (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {1, 1}, {1, 2}, {0, 2}, {2, 2}}));
    EXPECT_EQ(DrawBoard(3, CheckedMark), (Picture{
                                             "xx-",
                                             "-x-",
                                             "xxx",
                                         }));
}

TEST_F(Groups, OnlyStandardPiecesFormGroups) {
    BuildBoard({
        "BB",
        "RR",
        "11",
    });
    EXPECT_EQ(SameColourGroup(PieceAt(0, 0)).size(), 1u);
    EXPECT_EQ(SameColourGroup(PieceAt(1, 1)).size(), 1u);
    EXPECT_EQ(SameColourGroup(PieceAt(0, 2)).size(), 2u);
}

TEST_F(Groups, SupportComesFromTheTopRowAndFromPiecesThatHoldThemselvesUp) {
    BuildBoard({
        "1..",
        "1.H",
        "B.2",
        "3..",
        "...",
        "..S",
    });
    MarkSupported();
    EXPECT_EQ(DrawBoard(6, CheckedMark), (Picture{
                                             "x..",
                                             "x.x",
                                             "x.x",
                                             "x..",
                                             "...",
                                             "..-",
                                         }));
}

TEST_F(Groups, DeadRegionsJoinPiecesWithoutASameColourNeighbour) {
    BuildBoard({
        "3113",
        "2114",
        "5..B",
    });
    ComputeDeadRegions();
    EXPECT_EQ(DrawBoard(3, [](const Piece& p) { return p.HasCombo ? 'c' : char('0' + p.DeadRegionGroup); }),
              (Picture{
                  "1cc2",
                  "1cc2",
                  "1..2",
              }));
    EXPECT_EQ(PieceAt(0, 0)->DeadRegionSize, 0 + 1 + 2);
    EXPECT_EQ(PieceAt(3, 2)->DeadRegionSize, 0 + 1 + 2);
    EXPECT_EQ(PieceAt(1, 0)->DeadRegionGroup, 0);
}

TEST_F(Groups, LockedNeighboursStillCountForCombos) {
    // The combo mark asks only for a standard neighbour of the same colour.
    BuildBoard({"1b"});
    ComputeDeadRegions();
    EXPECT_EQ(PieceAt(0, 0)->HasCombo, 1);
    EXPECT_EQ(PieceAt(1, 0)->HasCombo, 1);
}

} // namespace
} // namespace wispwood
