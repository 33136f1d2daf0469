#include "engine/io/random.h"
#include "game/board/dead_end.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

// Colours 1 and 3 have two reachable groups each; colour 2 only one.
const Picture kLoneTwo = {
    "1.1.3.3",
    "2......",
    "2......",
};

class Recolouring : public test::BoardTest {
  protected:
    void SetUp() override {
        test::BoardTest::SetUp();
        CurrentLevel = New<Level>();
        CurrentLevel->Colors = {4};
    }
    // The board with every reachable piece already shown except those
    // listed, which have just come into reach.
    static void Board(const Picture& rows, std::initializer_list<std::pair<int, int>> fresh) {
        BuildBoard(rows);
        FindReachablePieces();
        ForEachPiece([](const Ref<Piece>& p) { p->BottomDelay = 0; });
        for (auto [x, y] : fresh) PieceAt(x, y)->BottomDelay = -1;
    }
};

TEST_F(Recolouring, APieceThatWouldOnlyExtendALoneGroupGetsAnotherColourNeverZero) {
    for (int seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        Board(kLoneTwo, {{0, 2}});
        RecolourLoneGroups();
        Ref<Piece> p = PieceAt(0, 2);
        EXPECT_NE(p->Color, 2) << seed;
        EXPECT_NE(p->Color, 0) << seed;
        EXPECT_LT(p->Color, 4) << seed;
        EXPECT_EQ(p->Modified, 2);
        // The lone group's lead is marked, whichever piece the flood met first.
        EXPECT_EQ(PieceAt(0, 1)->InJeoprady + PieceAt(0, 2)->InJeoprady, 1);
        EXPECT_EQ(PieceAt(2, 0)->InJeoprady, 0);
    }
}

TEST_F(Recolouring, ANewPieceOnTheOpenSpaceBecomesTheLoneColoursPartner) {
    // 4 and 2 are both lone; the new 4 on the right takes colour 2 (the
    // groups are equally small, so the lower colour comes first).
    Board(
        {
            "1.1.3.3",
            "2.....4",
        },
        {{6, 1}});
    RecolourLoneGroups();
    Ref<Piece> p = PieceAt(6, 1);
    EXPECT_EQ(p->Color, 2);
    EXPECT_EQ(p->Modified, 1);
    // Reachability is brought up to date: two separate groups of colour 2.
    EXPECT_EQ(p->Bottom, 1);
    EXPECT_NE(p->BottomGroupID, PieceAt(0, 1)->BottomGroupID);
}

TEST_F(Recolouring, TheLargestLoneGroupGetsItsPartnerFirst) {
    Board(
        {
            "1.1.3.3.4",
            "2.......4",
            "........5",
        },
        {{8, 2}});
    // 4 (two pieces) comes before 2 (one piece); the new 5 touches a 4, so
    // it cannot take 4 without joining that group: it takes 2.
    RecolourLoneGroups();
    EXPECT_EQ(PieceAt(8, 2)->Color, 2);
    Board(
        {
            "1.1.3.3.4",
            "2.5.....4",
        },
        {{2, 1}});
    RecolourLoneGroups();
    EXPECT_EQ(PieceAt(2, 1)->Color, 4);
}

TEST_F(Recolouring, ALoneGroupsOnlyNewPieceIsNotMadeItsOwnPartner) {
    // The lone 2 has just come into reach by itself. Giving it its own
    // colour back would spend the partner on a group that stays alone; the
    // new 1 further on becomes the partner instead.
    for (int seed = 1; seed <= 10; ++seed) {
        SeedRandom(seed);
        Board(
            {
                "1.1.3.3",
                "2.....1",
            },
            {{0, 1}, {6, 1}});
        RecolourLoneGroups();
        EXPECT_EQ(PieceAt(0, 1)->Modified, 2) << seed;
        EXPECT_EQ(PieceAt(6, 1)->Color, 2) << seed;
        EXPECT_EQ(PieceAt(6, 1)->Modified, 1) << seed;
    }
}

TEST_F(Recolouring, TutorialPiecesAndShownPiecesKeepTheirColours) {
    Board(kLoneTwo, {{0, 2}});
    PieceAt(0, 2)->CreatedByTutorial = 1;
    RecolourLoneGroups();
    EXPECT_EQ(PieceAt(0, 2)->Color, 2);
    EXPECT_EQ(PieceAt(0, 2)->Modified, 0);
    Board(kLoneTwo, {});
    RecolourLoneGroups();
    EXPECT_EQ(PieceAt(0, 2)->Color, 2);
}

TEST(JeopradyGroupOrder, LargerGroupsSortFirst) {
    JeopradyGroup big, small;
    big.Size = 5;
    small.Size = 2;
    EXPECT_EQ(big.Compare(small), -1);
    EXPECT_EQ(small.Compare(big), 1);
    EXPECT_EQ(big.Compare(big), 1);
}

} // namespace
} // namespace wispwood
