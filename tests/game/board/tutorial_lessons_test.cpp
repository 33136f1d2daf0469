#include "framework/gui/gui_gadget.h"
#include "framework/scene/input_snapshot.h"
#include "game/board/board_particles.h"
#include "game/board/game_stats.h"
#include "game/board/hover_lesson.h"
#include "game/board/match_availability.h"
#include "game/board/pair_lessons.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/selection.h"
#include "game/board/time_lesson.h"
#include "game/board/tutorials.h"
#include "tests/support/ascii_board.h"
#include "tests/support/board_play.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

// Runs a lesson beside the board step, in the game scene's order: the
// lesson's update, then the board's, with the mouse put on cells.
class Lessons : public test::BoardPlayTest {
  protected:
    // The board with every reachable piece revealed and shown in full.
    void Board(const Picture& rows) {
        BuildBoard(rows);
        Reveal();
    }
    void Reveal() {
        test::BoardPlayTest::Reveal();
        ForEachPiece([](const Ref<Piece>& p) { p->CreationShine = 0; });
    }
    template <class Lesson>
    Ref<Lesson> Start(Ref<Lesson> lesson) {
        lesson->TextBoxText = {{"first"}, {"second"}};
        lesson->Init();
        AddTutorial(lesson);
        return lesson;
    }
    // One update of the game: the lesson's, then the board's.
    void Step(int button = 0) override {
        TakeInputSnapshot();
        if (button) ForceMouseClicks(button);
        UpdateTutorial();
        BoardUpdate(LevelSucceeding::No);
    }
    static bool Selected(int x, int y) { return PieceAt(x, y) && PieceAt(x, y)->MahjongOver; }
};

// The lines the panel shows or is about to show.
TextArray ShownText(TutorialObject& lesson) {
    return lesson.Backing->DrawnTextNewLines.empty() ? lesson.Backing->DrawnTextLines
                                                     : lesson.Backing->DrawnTextNewLines;
}

// Two groups of colour 1 and, between them, a group of colour 2.
const Picture kTwoPairs = {
    "0000",
    "1221",
    "1..1",
};

TEST_F(Lessons, TheFirstLessonLeadsFromGroupAToGroupBAndThenEnds) {
    Board(kTwoPairs);
    auto lesson = Start(New<TutorialObjectIntro>());
    ASSERT_EQ(lesson->Stage, LessonGroupA);
    EXPECT_EQ(lesson->PieceTargetA, PieceAt(0, 2));
    EXPECT_EQ(lesson->PieceTargetB, PieceAt(3, 2));
    // The arrow and the highlight follow from the next update on.
    EXPECT_EQ(lesson->ArrowA->Hide, 1);
    Step();
    EXPECT_EQ(PieceAt(0, 1)->Highlightfortutorial, 1);
    EXPECT_EQ(lesson->ArrowA->Hide, 0);
    EXPECT_EQ(lesson->ArrowB->Hide, 1);

    // Outside group A nothing can be picked.
    Click(1, 1);
    Click(3, 2);
    EXPECT_EQ(CountSelected(), 0);
    EXPECT_EQ(lesson->Stage, LessonGroupA);

    Click(0, 2);
    EXPECT_TRUE(Selected(0, 1) && Selected(0, 2));
    Step();
    EXPECT_EQ(lesson->Stage, LessonGroupB);
    EXPECT_EQ(lesson->Backing->DrawnTextNewLines, (TextArray{"second"}));
    Step();
    EXPECT_EQ(lesson->ArrowA->Hide, 1);
    EXPECT_EQ(lesson->ArrowB->Hide, 0);
    EXPECT_EQ(PieceAt(3, 1)->Highlightfortutorial, 1);

    Click(1, 1); // the other colour is still refused
    EXPECT_TRUE(Selected(0, 2));
    Click(3, 2);
    FinishBursts();
    Step();
    EXPECT_EQ(lesson->Stage, LessonFinished);
    EXPECT_FALSE(PieceAt(3, 2));
    for (int i = 0; i < 25 && TutorialCount() > 0; ++i) Step();
    EXPECT_EQ(TutorialCount(), 0);
    EXPECT_EQ(TutorialClickDisallowed(nullptr), 0);
}

TEST_F(Lessons, DroppingTheSelectionPointsAtGroupAAgainWithTheSecondText) {
    Board(kTwoPairs);
    auto lesson = Start(New<TutorialObjectIntro>());
    Click(0, 2);
    Step();
    ASSERT_EQ(lesson->Stage, LessonGroupB);
    ForEachPiece([](const Ref<Piece>& p) { p->MahjongOver = 0; });
    Step();
    EXPECT_EQ(lesson->Stage, LessonGroupA);
    Step();
    EXPECT_EQ(ShownText(*lesson), (TextArray{"second"}));
    EXPECT_EQ(lesson->ArrowA->Hide, 0);
    Click(0, 1);
    Step();
    EXPECT_EQ(lesson->Stage, LessonGroupB);
}

TEST_F(Lessons, ReversedLessonsShowTheOtherGroupFirstAndSearchLowRowsOnly) {
    Board(kTwoPairs);
    auto reversed = New<TutorialObjectIntro>();
    reversed->ReverseGroups = 1;
    Start(reversed);
    EXPECT_EQ(reversed->PieceTargetA, PieceAt(3, 2));
    ClearTutorials();

    // Searched from the bottom, pieces above row 8 are left out.
    auto low = New<TutorialObjectIntro>();
    low->ReverseAll = 1;
    Start(low);
    EXPECT_EQ(low->Stage, LessonSearching);
}

TEST_F(Lessons, WhileNoPairIsFoundEveryClickIsRefusedAndTheSearchGoesOn) {
    Board({"0000", "1234", "1..4"});
    auto lesson = Start(New<TutorialObjectIntro>());
    EXPECT_EQ(lesson->Stage, LessonSearching);
    Click(0, 2);
    EXPECT_EQ(CountSelected(), 0);
    Hover(2, 3); // over no piece at all
    TakeInputSnapshot();
    EXPECT_EQ(TutorialClickDisallowed(nullptr), 1);
    EXPECT_EQ(lesson->Backing->OverallAlpha, 1); // untouched until drawn
    lesson->Render();
    EXPECT_EQ(lesson->Backing->OverallAlpha, 0); // invisible without its arrows

    PieceAt(3, 1)->Color = PieceAt(3, 2)->Color = 1;
    Reveal();
    Step();
    EXPECT_EQ(lesson->Stage, LessonGroupA);
}

TEST_F(Lessons, ALessonWhoseGroupALeftTheBoardLooksForItsPiecesAgain) {
    Board(kTwoPairs);
    auto lesson = Start(New<TutorialObjectIntro>());
    ASSERT_EQ(lesson->Stage, LessonGroupA);
    PieceAt(0, 2)->RemoveFromBoard(0);
    PieceAt(0, 1)->RemoveFromBoard(0);
    Step();
    EXPECT_EQ(lesson->Stage, LessonSearching);
    EXPECT_EQ(lesson->ArrowA->Hide, 1);
}

// Searching refuses every click and holds the clock, so a board that never
// shows the lesson's groups must not hold the level for ever.
TEST_F(Lessons, ALessonThatNeverFindsItsGroupsGivesUpAndFreesTheBoard) {
    Board(kTwoPairs); // standard pieces only: nothing for the chains lesson
    auto lesson = Start(New<TutorialObjectChains>());
    for (int i = 0; i < kLessonSearchPatience - 10; ++i) Step();
    EXPECT_EQ(lesson->Stage, LessonSearching);
    EXPECT_EQ(TutorialCount(), 1);
    EXPECT_EQ(TutorialClickDisallowed(PieceAt(0, 2)), 1);
    for (int i = 0; i < 20; ++i) Step();
    EXPECT_EQ(TutorialCount(), 0);
    EXPECT_EQ(TutorialClickDisallowed(PieceAt(0, 2)), 0);
}

TEST_F(Lessons, OnceGroupBIsGoingTheLessonIsOverWhateverGroupADoes) {
    Board(kTwoPairs);
    auto lesson = Start(New<TutorialObjectIntro>());
    Click(0, 2);
    Step();
    ASSERT_EQ(lesson->Stage, LessonGroupB);
    PieceAt(0, 2)->MahjongOver = PieceAt(0, 1)->MahjongOver = 0;
    PieceAt(3, 2)->RemoveFromBoard(0);
    Step();
    EXPECT_EQ(lesson->Stage, LessonFinished);
}

TEST_F(Lessons, ThePairSearchOfTheHintAndTheBotLeavesOutRefusedPieces) {
    Board({
        "00000",
        ".....",
        ".....",
        "1...1",
    });
    FindReachablePieces();
    ASSERT_EQ(RandomMatchingPair(-1, 1).size(), 2u);
    Start(New<TutorialObjectIntro>());
    // Only group A may be clicked, and it has no partner of its own.
    EXPECT_TRUE(RandomMatchingPair(-1, 1).empty());
    ClearTutorials();
    EXPECT_EQ(RandomMatchingPair(-1, 1).size(), 2u);
}

TEST_F(Lessons, FixedCellLessonsWaitForPiecesOnEmptyOrNarrowBoards) {
    Board({"00"}); // two columns: every cell the lessons read is outside
    auto keys = New<TutorialObjectSpecific>();
    keys->coords = {{{3, 8}, {6, 8}}};
    Start(keys);
    auto combo = Start(New<TutorialObjectCombo>());
    auto powerups = Start(New<TutorialObjectPowerup>());
    auto hover = Start(New<TutorialObjectHover>());
    for (int i = 0; i < 3; ++i) {
        for (const Ref<TutorialObject>& lesson : std::vector(Tutorials)) lesson->Update();
        TakeInputSnapshot();
        EXPECT_EQ(TutorialClickDisallowed(nullptr), 1);
    }
    EXPECT_EQ(keys->Stage, LessonSearching);
    EXPECT_EQ(combo->Stage, LessonSearching);
    EXPECT_EQ(powerups->Stage, LessonSearching);
    EXPECT_EQ(hover->FoundLastPieces, 0);

    Picture rows(10, "00000000");
    rows[9] = "...1..1.";
    Board(rows);
    keys->Update();
    ASSERT_EQ(keys->Stage, LessonGroupA);
    EXPECT_EQ(keys->PieceTargetA, PieceAt(3, 9));
    EXPECT_EQ(keys->PieceTargetB, PieceAt(6, 9));
    EXPECT_FLOAT_EQ(keys->ArrowA->x, static_cast<float>(BoardLeft() + 3 * CellWidth + CellWidth / 2));
    EXPECT_FLOAT_EQ(keys->ArrowA->y, static_cast<float>(9 * CellHeight - CellHeight / 2) + ScrollOffset);
}

TEST_F(Lessons, TheComboLessonShowsTheLowGroupThenTheWideOneWithItsArrowOffToTheRight) {
    Picture rows(10, "00000000");
    rows[6] = "00022222";
    rows[7] = "3.......";
    rows[8] = "3.......";
    rows[9] = "........";
    Board(rows);
    auto combo = Start(New<TutorialObjectCombo>());
    ASSERT_EQ(combo->Stage, LessonGroupA);
    EXPECT_EQ(combo->GroupA.size(), 2u);
    EXPECT_EQ(combo->GroupB.size(), 5u);
    float x, y;
    GroupCentre(combo->GroupB, x, y);
    EXPECT_FLOAT_EQ(combo->ArrowB->x, x + 80);
    EXPECT_FLOAT_EQ(combo->ArrowB->y, y - 10);
}

TEST_F(Lessons, ThePowerupLessonWaitsForTwoFreeSpecialPieces) {
    Board({
        "00000",
        "O.V.3",
    });
    auto lesson = Start(New<TutorialObjectPowerup>());
    EXPECT_EQ(lesson->Stage, LessonSearching); // a vine head does not count
    // The blaster has a piece beneath it and does not hang free.
    BuildBoard({"00000", "P.V.G", "..0.."});
    lesson->Update();
    ASSERT_EQ(lesson->Stage, LessonGroupA);
    EXPECT_EQ(lesson->PieceTargetA, PieceAt(0, 1));
    EXPECT_EQ(lesson->PieceTargetB, PieceAt(4, 1));
    float x, y;
    CellCentre(*PieceAt(4, 1), x, y);
    EXPECT_FLOAT_EQ(lesson->ArrowB->x, x);
    EXPECT_FLOAT_EQ(lesson->ArrowB->y, y);
}

TEST_F(Lessons, TheClockLessonEndsAtAClickAfterItsFirstUpdatesOrAfterALongWhile) {
    Board(kTwoPairs);
    auto clicked = Start(New<TutorialObjectTime>());
    EXPECT_EQ(clicked->ArrowA->Angle, 315);
    EXPECT_EQ(clicked->ArrowA->x, 73);
    EXPECT_EQ(clicked->ArrowA->y, 545);
    // It never holds the player back.
    Click(0, 2);
    EXPECT_TRUE(Selected(0, 2));
    EXPECT_EQ(TutorialClickDisallowed(PieceAt(1, 1)), 0);
    while (clicked->t < 200) Step(1);
    EXPECT_EQ(clicked->ArrowA->Killing, 0);
    EXPECT_EQ(clicked->ArrowA->Alpha, 1);
    Step(); // t passes 200; no click
    EXPECT_EQ(clicked->ArrowA->Killing, 0);
    Step(1);
    EXPECT_EQ(clicked->ArrowA->Killing, 1);
    int fade = 0;
    while (TutorialCount() > 0 && fade < 30) Step(), ++fade;
    EXPECT_EQ(TutorialCount(), 0);
    EXPECT_GE(fade, 19);
    EXPECT_LE(fade, 22);

    auto waited = Start(New<TutorialObjectTime>());
    while (waited->t < 2400) Step();
    EXPECT_EQ(waited->ArrowA->Killing, 0);
    Step();
    EXPECT_EQ(waited->ArrowA->Killing, 1);
}

TEST_F(Lessons, TheFairyLessonLetsOnlyTheFirstTwoColoursBeClickedUntilTheFairyIsFree) {
    Picture rows(10, "00000000");
    rows[9] = "222210H3";
    Board(rows);
    auto lesson = Start(New<TutorialObjectHover>());
    EXPECT_EQ(lesson->FoundLastPieces, 1);
    EXPECT_EQ(lesson->PieceHover, PieceAt(6, 9));
    EXPECT_EQ(lesson->PieceA, PieceAt(5, 9));
    EXPECT_EQ(lesson->PieceB, PieceAt(7, 9));
    EXPECT_EQ(lesson->ArrowA->Hide, 0);
    EXPECT_EQ(lesson->ArrowA->Angle, 135);

    Click(0, 9); // colour 2
    EXPECT_EQ(CountSelected(), 0);
    Click(4, 9); // colour 1
    EXPECT_TRUE(Selected(4, 9));
    // A piece asked about is judged by its own colour, wherever the mouse is.
    Hover(7, 9);
    Step();
    EXPECT_EQ(TutorialClickDisallowed(nullptr), 1);
    EXPECT_EQ(TutorialClickDisallowed(PieceAt(5, 9)), 0);
    EXPECT_EQ(TutorialClickDisallowed(PieceAt(0, 9)), 1);

    PieceAt(6, 9)->RemoveFromBoard(0);
    for (int i = 0; i < 30 && TutorialCount() > 0; ++i) Step();
    EXPECT_EQ(TutorialCount(), 0);
}

TEST_F(Lessons, TheRightButtonKeepsTheSelectionWhileALessonRuns) {
    Board(kTwoPairs);
    Start(New<TutorialObjectTime>());
    Click(0, 2);
    ASSERT_TRUE(Selected(0, 2));
    Hover(2, 5);
    Step(2);
    EXPECT_TRUE(Selected(0, 2));
    ClearTutorials();
    Step(2);
    EXPECT_FALSE(Selected(0, 2));
}

} // namespace
} // namespace wispwood
