#include "framework/scene/input_snapshot.h"
#include "game/board/board_particles.h"
#include "game/board/clear_pass.h"
#include "game/board/game_score.h"
#include "game/board/game_stats.h"
#include "game/board/outlines.h"
#include "game/board/piece.h"
#include "game/board/powerup.h"
#include "game/board/reachability.h"
#include "game/board/score_popups.h"
#include "game/board/selection.h"
#include "tests/support/ascii_board.h"
#include "tests/support/board_play.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

// Drives the board step as the game scene does, with the mouse put on
// cells and clicks forced into the input snapshot.
using Selection = test::BoardPlayTest;

Picture Selected(int rows) {
    return DrawBoard(rows, [](const Piece& p) { return p.MahjongOver ? 's' : '-'; });
}

TEST_F(Selection, ClicksSelectMoveAndDropTheSelection) {
    Board({
        "1122",
        "1.33",
        "....",
    });
    Click(0, 1);
    EXPECT_EQ(Selected(2), (Picture{"ss--", "s.--"}));
    EXPECT_EQ(SelectionChanged, 1);
    EXPECT_GT(SelectionOutline.AllParticles.Count(), 0);

    // The same group again decides nothing.
    Click(0, 0);
    EXPECT_EQ(Selected(2), (Picture{"ss--", "s.--"}));

    // Another colour takes the selection, with its clicked piece as centre.
    Click(2, 1);
    EXPECT_EQ(Selected(2), (Picture{"----", "-.ss"}));
    EXPECT_EQ(PieceAt(2, 1)->MahjongOverCenter, 1);

    // The right button drops it.
    Click(0, 2, 2);
    EXPECT_EQ(CountSelected(), 0);
    EXPECT_EQ(CountMarked(), 0);
}

TEST_F(Selection, AMatchBurstsBothGroupsForTenPointsMoreEachPiece) {
    Board({
        "1221",
        "....",
    });
    Click(0, 0);
    EXPECT_EQ(sounds, std::vector<Text>{"media\\sound\\tileclick.ogg"});
    sounds.clear();
    Click(3, 0);
    ASSERT_EQ(CountMarked(), 2);
    EXPECT_TRUE(PieceAt(0, 0)->PieceExplosionParticle);
    EXPECT_TRUE(PieceAt(3, 0)->PieceExplosionParticle);
    EXPECT_EQ(sounds, (std::vector<Text>{"media\\sound\\pointsappear.ogg", "media\\sound\\tileclick.ogg"}));
    EXPECT_EQ(GameScore, 0); // points come when the pieces go
    FinishBursts();
    EXPECT_EQ(GameScore, 30);
    EXPECT_EQ(PieceAt(0, 0), nullptr);
    EXPECT_EQ(PieceAt(3, 0), nullptr);
    EXPECT_EQ(TilesPopped->n, 2);
    EXPECT_EQ(TilesPopped->Value(), 20); // ten bonus points a tile
    // Only the first piece of the pass plays the match sound.
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "media\\sound\\tilematch.ogg"), 1);
}

TEST_F(Selection, ABurstPieceIsFreedWhenItsBurstIsOver) {
    Board({
        "1221",
        "....",
    });
    std::weak_ptr<Piece> left = PieceAt(0, 0), right = PieceAt(3, 0);
    Click(0, 0);
    Click(3, 0);
    FinishBursts();
    Hover(1, 1);
    Step(); // the board step lets go of the groups it last found
    EXPECT_TRUE(left.expired());
    EXPECT_TRUE(right.expired());
}

TEST_F(Selection, PressingOnAGroupAndReleasingOverItsMatchMakesTheMatch) {
    Board({
        "1221",
        "....",
    });
    Click(0, 0); // the press selects
    Hover(3, 0);
    Step(); // the button is up: the release counts as a click
    EXPECT_EQ(CountMarked(), 2);
    EXPECT_EQ(SelectionChanged, 0);
}

TEST_F(Selection, HiddenAndUnreachablePiecesCannotBePicked) {
    Board({
        "11",
        "2.",
        "..",
    });
    PieceAt(0, 1)->BottomDelay = 10; // still flipping into view
    Click(0, 1);
    EXPECT_EQ(CountSelected(), 0);
    Click(1, 0); // reachable through the gap below it
    EXPECT_EQ(CountSelected(), 2);
}

TEST_F(Selection, HoverRippleCountsStepsWithinTheGroup) {
    Board({
        "111",
        "..1",
        "...",
    });
    Hover(0, 0);
    Step();
    EXPECT_EQ(HoveredPiece, PieceAt(0, 0));
    EXPECT_EQ(PieceAt(0, 0)->mOverDistance, 0);
    EXPECT_EQ(PieceAt(2, 0)->mOverDistance, 2);
    EXPECT_EQ(PieceAt(2, 1)->mOverDistance, 3);
}

TEST_F(Selection, TheHoverOutlineShowsOnlyOverAGroupOfTheSelectedColour) {
    Board({
        "1221",
        "....",
    });
    Click(0, 0);
    Hover(1, 0);
    Step();
    EXPECT_EQ(OutlineAlpha(1), 0); // another colour: no outline
    Hover(3, 0);
    for (int i = 0; i < 30; ++i) {
        Step();
        UpdateOutlines();
    }
    EXPECT_FLOAT_EQ(OutlineAlpha(1), 0.3f); // faint
    EXPECT_FLOAT_EQ(OutlineAlpha(0), 1.0f);
}

// Bursts ripple up from the bottom cleared row, 12 updates per cleared row
// below, and out from the centre column, 4 per column.
TEST_F(Selection, BurstsStartBottomRowFirstAndOutwardsFromTheCentre) {
    Board({
        "11111",
        "1...1",
        "1...1",
        ".....",
    });
    ForEachPiece([](const Ref<Piece>& p) { p->MarkForDestruction = 1; });
    ClearMarked();
    auto delay = [](int x, int y) { return PieceAt(x, y)->PieceExplosionParticle->Delayed; };
    EXPECT_EQ(delay(0, 2), 8);
    EXPECT_EQ(delay(4, 2), 8);
    EXPECT_EQ(delay(0, 1), 12 + 8);
    EXPECT_EQ(delay(2, 0), 24);
    EXPECT_EQ(delay(1, 0), 24 + 4);
    FinishBursts();
    EXPECT_EQ(GameScore, 5 * 9 * 10); // 10 + 20 + ... + 90
}

// A powerup that, like a destroyer, takes other pieces with it when it acts.
class Sweeper : public Powerup {
  public:
    explicit Sweeper(std::vector<std::pair<int, int>> cells) : cells_(std::move(cells)) {}
    int Normal() override { return 0; }
    int Activate() override {
        for (auto [x, y] : cells_)
            if (PieceAt(x, y)) PieceAt(x, y)->RemoveFromBoard(0);
        return 0;
    }

  private:
    std::vector<std::pair<int, int>> cells_;
};

TEST_F(Selection, PiecesAPowerupTookOffTheBoardDoNotBurstOrScore) {
    Board({
        "111",
        "...",
    });
    // Processed last column first: the sweeper in column 1 removes the piece
    // in column 0 and then itself, and answers 0.
    auto sweeper = New<Sweeper>(std::vector<std::pair<int, int>>{{0, 0}, {1, 0}});
    sweeper->x = 1;
    wispwood::Board(1, 0) = sweeper;
    ForEachPiece([](const Ref<Piece>& p) { p->MarkForDestruction = 1; });
    Ref<Piece> left = PieceAt(0, 0);
    ClearMarked();
    EXPECT_FALSE(left->PieceExplosionParticle);
    EXPECT_FALSE(sweeper->PieceExplosionParticle);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 1); // only column 2 bursts
    FinishBursts();
    EXPECT_EQ(GameScore, 10);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "media\\sound\\powerupsound.ogg"), 1);
}

TEST_F(Selection, APieceBurstsOnceEvenWhenTheClearRunsAgain) {
    Board({
        "11",
        "..",
    });
    ForEachPiece([](const Ref<Piece>& p) { p->MarkForDestruction = 1; });
    ClearMarked();
    ForEachPiece([](const Ref<Piece>& p) { p->MarkForDestruction = 1; });
    ClearMarked();
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 2);
    FinishBursts();
    EXPECT_EQ(GameScore, 30);
}

TEST_F(Selection, ANewRowJoinsTheSelectionOfItsGroup) {
    Board({
        "2",
        "1",
        ".",
    });
    Click(0, 1);
    SetSelectionCentre(PieceAt(0, 1));
    // A row push brings a piece of the selected colour next to the group.
    Ref<Piece> arrived = test::PieceForChar('1');
    wispwood::Board(0, 0) = arrived;
    RegrowSelection();
    EXPECT_EQ(arrived->MahjongOver, 1);
    EXPECT_EQ(CountSelected(), 2);
}

} // namespace
} // namespace wispwood
