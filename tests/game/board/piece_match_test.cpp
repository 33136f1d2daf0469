#include "game/board/piece_match.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;

class PieceMatching : public test::BoardTest {
  protected:
    int Match(char a, char b) { return PiecesMatch(test::PieceForChar(a), test::PieceForChar(b)); }
};

TEST_F(PieceMatching, RainbowMatchesEverythingEitherWay) {
    for (char c : Text("0BSHWLKGP=DVEXC")) {
        EXPECT_EQ(Match('R', c), 1) << c;
        EXPECT_EQ(Match(c, 'R'), 1) << c;
    }
}

TEST_F(PieceMatching, StandardPiecesMatchByColourAndNeverAnotherKind) {
    EXPECT_EQ(Match('3', '3'), 1);
    EXPECT_EQ(Match('3', '4'), 0);
    EXPECT_EQ(Match('3', 'B'), 0);
    EXPECT_EQ(Match('B', '3'), 0);
    EXPECT_EQ(PiecesMatch(nullptr, test::PieceForChar('1')), 0);
    EXPECT_EQ(PiecesMatch(test::PieceForChar('1'), nullptr), 0);
}

TEST_F(PieceMatching, PowerupsMatchTheirOwnKind) {
    for (char c : Text("BDVEX")) EXPECT_EQ(Match(c, c), 1) << c;
    EXPECT_EQ(Match('D', 'V'), 0);
    EXPECT_EQ(Match('C', 'C'), 1);
    // Crumbling pieces match only at the same stage.
    Ref<Piece> cracked = test::PieceForChar('C');
    cracked->Name = "crumbling1";
    EXPECT_EQ(PiecesMatch(cracked, test::PieceForChar('C')), 0);
}

TEST_F(PieceMatching, PicksMatchGemsAndLocksMatchKeys) {
    EXPECT_EQ(Match('P', 'G'), 1);
    EXPECT_EQ(Match('G', 'P'), 1);
    EXPECT_EQ(Match('P', 'P'), 0);
    EXPECT_EQ(Match('G', 'G'), 0);
    EXPECT_EQ(Match('L', 'K'), 1);
    EXPECT_EQ(Match('K', 'L'), 1);
    EXPECT_EQ(Match('K', 'K'), 0);
    EXPECT_EQ(Match('L', 'L'), 0);
}

TEST_F(PieceMatching, ObstaclesNeverMatch) {
    EXPECT_EQ(Match('S', 'S'), 0);
    EXPECT_EQ(Match('H', 'H'), 0);
    EXPECT_EQ(Match('=', '='), 0);
}

TEST_F(PieceMatching, VineHeadsMatchOnlyTheOtherEndOfTheirVine) {
    BuildBoard({
        "O==O",
        "....",
        "O=O.",
    });
    Ref<Piece> a = PieceAt(0, 0), b = PieceAt(3, 0), c = PieceAt(0, 2), d = PieceAt(2, 2);
    EXPECT_EQ(PiecesMatch(a, b), 1);
    EXPECT_EQ(PiecesMatch(b, a), 1);
    EXPECT_EQ(PiecesMatch(c, d), 1);
    EXPECT_EQ(PiecesMatch(a, c), 0);
    EXPECT_EQ(PiecesMatch(d, b), 0);
}

TEST_F(PieceMatching, SelectionIsTheFirstSelectedPieceInGridOrder) {
    BuildBoard({"12", "21"});
    Ref<Piece> hovered = PieceAt(0, 1);
    EXPECT_EQ(MatchesSelection(hovered), 0);
    PieceAt(1, 0)->MahjongOver = 1;
    EXPECT_EQ(MatchesSelection(hovered), 1);
    PieceAt(0, 0)->MahjongOver = 1; // earlier in grid order: colour 1 decides
    EXPECT_EQ(MatchesSelection(hovered), 0);
}

} // namespace
} // namespace wispwood
