#include "framework/scene/input_snapshot.h"
#include "game/board/board_particles.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/selection.h"
#include "game/board/stuck_recovery.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

// One column hanging in the open: every piece is reachable and no two
// below the top rows match.
const Picture kNoPair = {".0.", ".1.", ".0.", ".1.", ".2.", ".3.", ".4.", ".5.", ".6.", ".7."};

class Stuck : public test::BoardTest {
  protected:
    int updates = 0;
    void SetUp() override { test::BoardTest::SetUp(); }
    void TearDown() override { test::BoardTest::TearDown(); }
    static void Board(const Picture& rows) {
        BuildBoard(rows);
        FindReachablePieces();
        ForEachPiece([](const Ref<Piece>& p) {
            p->CreationShine = 0;
            p->BottomDelay = 0;
            p->BottomFadeIn = 48;
        });
    }
    // The board step as the game scene runs it, up to the given update.
    void RunTo(int update) {
        while (updates < update) {
            TakeInputSnapshot();
            BoardUpdate(LevelSucceeding::No);
            ++updates;
        }
    }
    static char Kind(const Piece& p) {
        return p.Name == "stonewall" ? 'W' : static_cast<char>('0' + p.Color);
    }
};

TEST_F(Stuck, WithNoPairTheNoticeShowsAndRowsGoFromTheBottomAtLeastSixTimes) {
    Board(kNoPair);
    RunTo(120);
    EXPECT_EQ(StuckTicks, 120);
    EXPECT_EQ(StuckActive(), 0);
    RunTo(121);
    EXPECT_EQ(StuckActive(), 1);
    EXPECT_EQ(StuckRow, 9);

    // The first row goes 88 updates after the notice appeared (at the
    // state's 90th update), then one every 30.
    RunTo(208);
    EXPECT_EQ(StuckRemovals, 0);
    int sparkles = BoardTwinkles.AllParticles.Count();
    RunTo(209);
    EXPECT_EQ(StuckRemovals, 1);
    EXPECT_EQ(PieceAt(1, 9), nullptr);
    EXPECT_EQ(BoardTwinkles.AllParticles.Count(), sparkles + 13);
    EXPECT_EQ(StuckRow, 8);
    RunTo(238);
    EXPECT_NE(PieceAt(1, 8), nullptr);
    RunTo(239);
    EXPECT_EQ(PieceAt(1, 8), nullptr);

    // A pair appears high up: the recovery still makes its six removals.
    for (int x : {0, 2}) {
        Ref<Piece> p = test::PieceForChar('5');
        p->x = x, p->y = 2, p->CreationShine = 0, p->CreatedByTutorial = 1;
        wispwood::Board(x, 2) = p;
    }
    RunTo(358);
    EXPECT_EQ(StuckRemovals, 5);
    EXPECT_EQ(StuckActive(), 1);
    RunTo(359);
    EXPECT_EQ(StuckRemovals, 6);
    EXPECT_EQ(StuckActive(), 0);
    EXPECT_EQ(StuckFade, 1);
    EXPECT_EQ(DrawBoard(10, Kind),
              (Picture{".0.", ".1.", "505", ".1.", "...", "...", "...", "...", "...", "..."}));

    // The notice fades over 100 updates and nothing more goes.
    RunTo(458);
    EXPECT_EQ(StuckFade, 100);
    RunTo(459);
    EXPECT_EQ(StuckFade, 0);
    EXPECT_EQ(StuckRemovals, 6);
    EXPECT_NE(PieceAt(1, 3), nullptr);
}

TEST_F(Stuck, AStoneWallInTheLowestRowDoesNotHoldTheRecoveryOnThatRow) {
    Picture rows;
    for (const Text& row : kNoPair) rows.push_back("W" + row.substr(1));
    Board(rows);
    RunTo(209);
    EXPECT_EQ(PieceAt(1, 9), nullptr);
    EXPECT_NE(PieceAt(0, 9), nullptr); // a wall never leaves its cell
    RunTo(239);
    EXPECT_EQ(PieceAt(1, 8), nullptr);
}

TEST_F(Stuck, ASmallBoardOrAPairKeepsTheCountAtZero) {
    Board({".0.", ".1.", ".2.", ".3."}); // nothing below row 6
    RunTo(300);
    EXPECT_EQ(StuckTicks, 0);
    EXPECT_EQ(StuckActive(), 0);
    ResetStuck();
    updates = 0;
    Picture pair = kNoPair;
    pair[9] = ".0.";
    Board(pair);
    RunTo(300);
    EXPECT_EQ(StuckTicks, 0);
}

} // namespace
} // namespace wispwood
