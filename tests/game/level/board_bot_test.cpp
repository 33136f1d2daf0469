// The bot's choice of match on drawn boards: what it may click, what it
// prefers, and that thinking leaves the game's generator alone.
#include "engine/io/random.h"
#include "game/board/hover_lesson.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/tutorials.h"
#include "game/level/board_bot.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;

// Two 2-groups of five pieces in all, two 1-groups of three, single 3s.
test::Picture TwoPairsOfGroups() {
    return {
        "......", "......", "1.22.1", "1.22.3", "3....2",
    };
}

class BotChoice : public test::BoardTest {
  protected:
    // The board as a player sees it once every reachable piece has shown.
    void Show(const test::Picture& rows) {
        BuildBoard(rows);
        FindReachablePieces();
        ForEachPiece([](const Ref<Piece>& p) {
            if (p->Bottom) p->BottomDelay = 0;
        });
    }
};

TEST_F(BotChoice, PrefersTheMatchThatClearsMostAndSkipsWhatCannotBeClicked) {
    Show(TwoPairsOfGroups());
    std::optional<BotMatch> best = BestMatch();
    ASSERT_TRUE(best);
    // The two 2-groups (five pieces) beat the pair of 1-groups (three) and
    // the single 3s.
    EXPECT_EQ(best->first->Color, 2);
    EXPECT_EQ(best->second->Color, 2);
    EXPECT_NE(best->first->BottomGroupID, best->second->BottomGroupID);

    // Locked pieces and pieces still hidden are not offered.
    Show({
        "......",
        "......",
        "a....a",
        "2....2",
        "......",
    });
    PieceAt(5, 3)->BottomDelay = 12;
    EXPECT_FALSE(BestMatch());
    PieceAt(5, 3)->BottomDelay = 0;
    best = BestMatch();
    ASSERT_TRUE(best);
    EXPECT_EQ(best->first->Color, 2);
}

// The fairy-tile lesson lets only the first two colours be clicked: the bot
// keeps to them, where otherwise the bigger groups would win.
TEST_F(BotChoice, WhileALessonKeepsThePlayerOffSomeColoursOnlyTheAllowedMatchIsChosen) {
    Show(TwoPairsOfGroups());
    AddTutorial(New<TutorialObjectHover>());
    EXPECT_EQ(BestMatch()->first->Color, 2);
    std::optional<BotMatch> allowed = BestMatch(true);
    ASSERT_TRUE(allowed);
    EXPECT_EQ(allowed->first->Color, 1);
    EXPECT_EQ(allowed->second->Color, 1);
    ClearTutorials();
}

// Gap columns open side faces to the open space. The look costs as much as
// a look along a board as wide without gaps: more pairs in view must not
// make a board slower to read (gap-column locations were lost for that).
TEST_F(BotChoice, AGapColumnsSideFacesCountWithinOneSweepOfTheBoard) {
    Show({
        "1.23.4",
        "5.61.2",
        "3.45.6",
        "2.13.5",
        "4....1",
        "......",
    });
    std::optional<BotMatch> best = BestMatch();
    ASSERT_TRUE(best);
    EXPECT_EQ(best->groupsInReach, 6);

    Show({
        "......",
        "......",
        "1.22.1",
        "......",
    });
    EXPECT_EQ(BestMatch()->groupsInReach, 3);
}

TEST_F(BotChoice, NoMatchOnABoardWithoutPairsAndTheGeneratorIsUntouched) {
    Show({
        "....",
        "....",
        "1..2",
        "3..4",
    });
    SeedRandom(777);
    EXPECT_FALSE(BestMatch());
    BoardBot bot;
    bot.Restart();
    for (int i = 0; i < 3 * BotClickGapUpdates; ++i) bot.Act();
    EXPECT_EQ(RandomSeed(), 777);
}

} // namespace
} // namespace wispwood
