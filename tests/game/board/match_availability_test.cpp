#include "game/board/match_availability.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/tutorial_object.h"
#include "game/board/tutorials.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;

class Availability : public test::BoardTest {};

// A lesson that keeps the player off colour 3.
class NoThrees : public TutorialObject {
  public:
    int PlayerClickDisallow(const Ref<Piece>& p) override { return p && p->Color == 3 ? 1 : 0; }
};

std::vector<int> Colours(const PieceGroup& group) {
    std::vector<int> colours;
    for (const auto& p : group) colours.push_back(p->Color);
    return colours;
}

TEST_F(Availability, PairsNeedTwoReachableGroupsBelowRowOne) {
    BuildBoard({
        "1..1",
        "....",
        "2..2",
    });
    FindReachablePieces();
    EXPECT_EQ(NoMatchAvailable(), 0);
    PieceAt(3, 2)->Color = 3;
    FindReachablePieces();
    EXPECT_EQ(NoMatchAvailable(), 1);      // the two 1s in row 0 do not count here
    EXPECT_EQ(CountAvailableMatches(), 1); // but they do here
    // Two pieces of one group are no pair.
    BuildBoard({
        "....",
        "....",
        "22..",
    });
    FindReachablePieces();
    EXPECT_EQ(NoMatchAvailable(), 1);
    EXPECT_EQ(CountAvailableMatches(), 0);
}

TEST_F(Availability, CountsDisjointPairsInGridOrder) {
    BuildBoard({
        "1.1.1",
        ".....",
        "2.2.B",
        ".....",
        "B....",
    });
    FindReachablePieces();
    // (1,1) (1 left over) (2,2) (B,B)
    EXPECT_EQ(CountAvailableMatches(), 3);
    PieceAt(0, 0)->Bottom = 0;
    EXPECT_EQ(CountAvailableMatches(), 3);
    PieceAt(2, 0)->Bottom = 0;
    EXPECT_EQ(CountAvailableMatches(), 2);
}

TEST_F(Availability, FindMatchingPairReturnsWholeGroups) {
    BuildBoard({
        "11.2",
        "....",
        "2.B.",
        "..1.",
        "..1.",
        ".....",
        ".....",
        ".....",
        "B.3.3",
    });
    FindReachablePieces();
    GroupPair pair = FindMatchingPair(-1, 1, 0);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(Colours(pair[0]), (std::vector<int>{1, 1}));
    EXPECT_EQ(pair[0][0]->x, 0); // grid order: the pair starts in column 0
    EXPECT_EQ(Colours(pair[1]), (std::vector<int>{1, 1}));
    EXPECT_EQ(pair[1][0]->x, 2);

    pair = FindMatchingPair(2, 1, 0);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(Colours(pair[0]), (std::vector<int>{2}));

    pair = FindMatchingPair(-1, 0, 0);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(pair[0][0]->Name, "bomb");

    // Low only: from the end of the grid order, rows 8 and below.
    pair = FindMatchingPair(-1, 1, 1);
    ASSERT_EQ(pair.size(), 2u);
    EXPECT_EQ(Colours(pair[0]), (std::vector<int>{3}));
    EXPECT_EQ(pair[0][0]->x, 4);
    EXPECT_TRUE(FindMatchingPair(5, 1, 0).empty());
}

TEST_F(Availability, RandomPairsSkipTopRowsVineBodiesAndTutorialPieces) {
    BuildBoard({
        "1...1",
        ".....",
        "2.=.2",
        ".....",
        "=...3",
        ".....",
        "3....",
    });
    FindReachablePieces();
    int twos = 0, threes = 0;
    for (int i = 0; i < 40; ++i) {
        GroupPair pair = RandomMatchingPair(-1, 1);
        ASSERT_EQ(pair.size(), 2u);
        (pair[0][0]->Color == 2 ? twos : threes) += 1;
        EXPECT_NE(pair[0][0]->Color, 1);
    }
    EXPECT_GT(twos, 0);
    EXPECT_GT(threes, 0);
    EXPECT_TRUE(RandomMatchingPair(-1, 0).empty()); // vine bodies never pair
    AddTutorial(New<NoThrees>());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(RandomMatchingPair(-1, 1)[0][0]->Color, 2);
    EXPECT_EQ(RandomMatchingPair(3, 1).size(), 0u);
}

} // namespace
} // namespace wispwood
