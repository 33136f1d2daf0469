#include "game/board/board_particles.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

class Reachability : public test::BoardTest {};

char BottomMark(const Piece& p) {
    return p.Bottom ? '#' : p.BottomOutside ? 'o' : '-';
}

TEST_F(Reachability, EmptyBoardFloodsOneRow) {
    BuildBoard({"....."});
    FindReachablePieces();
    EXPECT_EQ(BoardRows, 1);
    EXPECT_EQ(ReachedGrid.Width(), BoardWidth + 1);
    EXPECT_EQ(ReachedGrid.Height(), 2);
    for (int x = 0; x < BoardWidth; ++x) {
        EXPECT_EQ(ReachedGrid(x, 0), 1);
        EXPECT_EQ(ColumnHeight(x), 0);
    }
    EXPECT_TRUE(BottomGroups.empty());
}

TEST_F(Reachability, EnclosedPocketsStayDarkAndGroupsSpreadTheMark) {
    BuildBoard({
        "22222",
        "2.3.2",
        "22222",
        "1...1",
    });
    FindReachablePieces();
    EXPECT_EQ(BoardRows, 5);
    EXPECT_EQ(DrawBoard(4, BottomMark), (Picture{
                                            "#####",
                                            "#.-.#",
                                            "#####",
                                            "#...#",
                                        }));
    EXPECT_EQ(BottomGroups.size(), 3u);
    EXPECT_EQ(ReachedGrid(1, 1), 0); // the pocket is not part of the open space
    // One id per group, shared by every member.
    EXPECT_EQ(PieceAt(0, 0)->BottomGroupID, PieceAt(4, 2)->BottomGroupID);
    EXPECT_NE(PieceAt(0, 3)->BottomGroupID, PieceAt(4, 3)->BottomGroupID);
}

TEST_F(Reachability, GroupsAreFoundInFloodOrderFromTheCellTheyWereReachedFrom) {
    // The flood starts at the bottom-left empty cell and tries left, right,
    // up, down: it reaches the 2 along the bottom row before the 1.
    BuildBoard({"1.2"});
    FindReachablePieces();
    ASSERT_EQ(BottomGroups.size(), 2u);
    EXPECT_EQ(BottomGroups[0][0]->Color, 2);
    EXPECT_EQ(BottomGroups[1][0]->Color, 1);
    EXPECT_EQ(PieceAt(2, 0)->BottomX, 2);
    EXPECT_EQ(PieceAt(2, 0)->BottomY, 1);
    EXPECT_EQ(PieceAt(0, 0)->BottomX, 1);
    EXPECT_EQ(PieceAt(0, 0)->BottomY, 0);
    EXPECT_LT(PieceAt(2, 0)->BottomGroupID, PieceAt(0, 0)->BottomGroupID);
}

TEST_F(Reachability, LockedPiecesBlockWithoutBeingTouchedAndBurstingOnesLetItThrough) {
    BuildBoard({
        "111",
        "1a1",
        "1.1",
        "3.2",
        "3.2",
    });
    FindReachablePieces();
    EXPECT_EQ(DrawBoard(5, BottomMark), (Picture{
                                            "###",
                                            "#-#",
                                            "#.#",
                                            "#.#",
                                            "#.#",
                                        }));
    EXPECT_EQ(PieceAt(1, 1)->BottomOutside, 0);

    // A bursting piece counts as an empty cell: the flood passes it.
    BuildBoard({
        "15",
        "24",
        "3.",
    });
    PieceAt(0, 2)->PieceExplosionParticle = test::ExplosionMarker();
    PieceAt(0, 1)->PieceExplosionParticle = test::ExplosionMarker();
    FindReachablePieces();
    EXPECT_EQ(PieceAt(0, 0)->Bottom, 1); // reached through the two bursting cells
    EXPECT_EQ(PieceAt(0, 1)->Bottom, 0);
    EXPECT_EQ(ReachedGrid(0, 1), 1);
}

TEST_F(Reachability, FloodClearsStaleMarksAndRowsFollowTheLowestPiece) {
    BuildBoard({
        "1",
        ".",
        ".",
    });
    FindReachablePieces();
    EXPECT_EQ(BoardRows, 2);
    Board(0, 5) = test::PieceForChar('2');
    Board(0, 5)->y = 5;
    PieceAt(0, 0)->Bottom = 1;
    FindReachablePieces();
    EXPECT_EQ(BoardRows, 7);
    EXPECT_EQ(PieceAt(0, 5)->Bottom, 1);
    EXPECT_EQ(PieceAt(0, 0)->Bottom, 0); // walled off by the piece below
}

TEST_F(Reachability, RevealRunsRowByRowFromTheBottom) {
    BuildBoard({
        "1111",
        "1..1",
        "2..3",
        "....",
        "4..5",
    });
    // The dead-end recolouring runs first: it marks the lead piece of each
    // colour's only reachable group. Tutorial pieces keep their colours, so
    // the reachability stays as drawn.
    ForEachPiece([](const Ref<Piece>& p) { p->CreatedByTutorial = 1; });
    auto marked = [] {
        int n = 0;
        ForEachPiece([&](const Ref<Piece>& p) { n += p->InJeoprady; });
        return n;
    };
    FindReachablePieces();
    PieceAt(3, 4)->BottomDelay = 0; // already revealed: left alone
    ScheduleReveal();
    EXPECT_GT(marked(), 0);
    // Delays 35, 50, 65, ... shown as 0, 1, 2, ...; '*' was revealed before.
    auto delay = [](const Piece& p) {
        return p.BottomDelay == 0 ? '*' : char('0' + (p.BottomDelay - 35) / 15);
    };
    EXPECT_EQ(DrawBoard(5, delay), (Picture{
                                       "3333",
                                       "2..2",
                                       "1..1",
                                       "....",
                                       "0..*",
                                   }));
    EXPECT_EQ(PieceAt(0, 4)->PlayFlip, 1);
    EXPECT_EQ(PieceAt(0, 2)->PlayFlip, 1);
    EXPECT_EQ(PieceAt(3, 2)->PlayFlip, 0);
    EXPECT_EQ(PieceAt(0, 0)->PlayFlip, 1);

    // Nothing left to schedule: no recolouring either.
    ForEachPiece([](const Ref<Piece>& p) { p->InJeoprady = 0; });
    ScheduleReveal();
    EXPECT_EQ(marked(), 0);
}

TEST_F(Reachability, RevealWaitsForCreationAndDelayedEffects) {
    BuildBoard({"1."});
    FindReachablePieces();
    PieceAt(0, 0)->CreationShine = 51;
    ScheduleReveal();
    EXPECT_EQ(PieceAt(0, 0)->BottomDelay, -1);
    PieceAt(0, 0)->CreationShine = 50;
    Ref<Particle> burst = BoardEffects.AddParticle();
    burst->Delayed = 3;
    ScheduleReveal();
    EXPECT_EQ(PieceAt(0, 0)->BottomDelay, -1);
    burst->Delayed = 0;
    ScheduleReveal();
    EXPECT_EQ(PieceAt(0, 0)->BottomDelay, 35);
    burst->DeleteParticle();
    BoardEffects.Update();
    EXPECT_TRUE(BoardEffects.AllParticles.IsEmpty());
}

} // namespace
} // namespace wispwood
