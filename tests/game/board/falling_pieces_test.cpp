#include "engine/io/random.h"
#include "game/board/board_sound.h"
#include "game/board/column_stacks.h"
#include "game/board/falling_pieces.h"
#include "game/board/game_stats.h"
#include "game/board/level_set.h"
#include "game/board/piece.h"
#include "game/board/scroll.h"
#include "game/board/vine_pieces.h"
#include "tests/support/ascii_board.h"
#include <algorithm>

namespace wispwood {
namespace {

using test::BuildBoard;
using test::DrawBoard;
using test::Picture;

const Text kGround = "media\\sound\\piecehitground.ogg";
const Text kHitPiece = "media\\sound\\piecehitpiece.ogg";

class Falling : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        CreateGameStats();
        RecordBoardSounds(&sounds);
    }
    // The board's speed is not part of the board world's reset.
    void TearDown() override { test::BoardTest::TearDown(); }
    // The board with a fresh stack under every column.
    static void Board(const Picture& rows) {
        BuildBoard(rows);
        ResetColumnStacks(BoardWidth);
    }
    static bool AnyStillFalling() {
        for (const Ref<PieceParticle>& r : FallingPieces)
            if (r->stacked == 0) return true;
        return false;
    }
    // Updates until every fallen piece has landed (or been caught).
    static int Settle() {
        int n = 0;
        while (AnyStillFalling() && n < 1000) UpdateFallingPieces(false), ++n;
        return n;
    }
    static char Kind(const Piece& p) { return static_cast<char>('0' + p.Color); }
};

TEST_F(Falling, TheDropPassTakesEveryPieceThatLostItsHoldOutOfTheGrid) {
    Board({
        "11..",
        "1...",
        "2.3.",
        ".4.5",
        "...6",
    });
    CurrentSpeed = 0.5f;
    // Held back: a bursting piece, a gold piece and a vine that holds
    // itself up while it burns.
    PieceAt(3, 3)->PieceExplosionParticle = test::ExplosionMarker();
    PieceAt(3, 4)->IsGold = 1;
    auto vine = New<VineBody>();
    vine->x = 3, vine->y = 0, vine->DestroyDelay = 5;
    wispwood::Board(3, 0) = vine;
    Ref<Piece> three = PieceAt(2, 2), four = PieceAt(1, 3);
    four->mover = 1;

    DropUnsupported();
    // The 2 hangs from the pieces above it; the vine is colour 0.
    EXPECT_EQ(DrawBoard(5, Kind), (Picture{"11.0", "1...", "2...", "...5", "...6"}));

    // Grid order, each put in front: the last to leave comes first.
    ASSERT_EQ(FallingPieces.Count(), 2);
    Ref<PieceParticle> r3 = FallingPieces.First(), r4 = FallingPieces.Last();
    EXPECT_EQ(r3->p, three);
    EXPECT_EQ(r4->p, four);
    EXPECT_FLOAT_EQ(r4->x, static_cast<float>(BoardLeft() + CellWidth));
    EXPECT_FLOAT_EQ(r4->y, static_cast<float>(3 * CellHeight));
    EXPECT_EQ(r4->columnx, 1);
    EXPECT_EQ(r4->columny, 3);
    EXPECT_FLOAT_EQ(r4->dy, 0.5f); // it keeps the board's speed
    EXPECT_FLOAT_EQ(r4->Alpha, 2.0f);
    EXPECT_EQ(four->OnBoard, 0);
    EXPECT_EQ(four->mover, 0);
    ASSERT_TRUE(CurrentFallingGroup);
    EXPECT_EQ(CurrentFallingGroup->PieceParticles.Count(), 2);
    EXPECT_EQ(FallingGroups.First(), CurrentFallingGroup);
    EXPECT_EQ(AnyPieceFalling(), 1);
    EXPECT_EQ(FallingRecordOf(*four), r4);

    // A level that does not scroll drops its pieces from rest.
    CurrentLevel = New<Level>();
    CurrentLevel->StopScrolling = 1;
    PieceAt(0, 0)->RemoveFromBoard(0);
    PieceAt(1, 0)->RemoveFromBoard(1);
    ASSERT_EQ(FallingPieces.Count(), 4);
    EXPECT_FLOAT_EQ(FallingPieces.First()->dy, 0);
}

TEST_F(Falling, EachColumnFallsAtItsOwnSeededRateAndPiecesWithOthersBelowFallSlower) {
    SeedRandom(1234);
    Board({
        "..",
        "1.",
        "21",
    });
    float b0 = ColumnStacks[0]->Bounce, b1 = ColumnStacks[1]->Bounce;
    for (float b : {b0, b1}) {
        EXPECT_GE(b, 0.9f);
        EXPECT_LT(b, 1.1f);
    }
    EXPECT_NE(b0, b1);
    DropUnsupported();
    ASSERT_EQ(FallingPieces.Count(), 3);
    Ref<PieceParticle> top, bottom, other;
    for (const Ref<PieceParticle>& r : FallingPieces) {
        if (r->columnx == 1)
            other = r;
        else if (r->columny == 1)
            top = r;
        else
            bottom = r;
    }
    float y = bottom->y, dy = bottom->dy, oy = other->y, ody = other->dy, ty = top->y, tdy = top->dy;
    for (int i = 0; i < 30; ++i) {
        UpdateFallingPieces(false);
        y += dy, dy += 0.09f * b0;
        oy += ody, ody += 0.09f * b1;
        ty += tdy, tdy += (0.09f - 0.002f) * b0; // one piece below it
        ASSERT_FLOAT_EQ(bottom->y, y) << i;
        ASSERT_FLOAT_EQ(other->y, oy) << i;
        ASSERT_FLOAT_EQ(top->y, ty) << i;
    }
    // With nothing falling, every stack draws a new rate.
    for (int i = 0; i < 400 && !FallingPieces.IsEmpty(); ++i) UpdateFallingPieces(false);
    ASSERT_TRUE(FallingPieces.IsEmpty());
    UpdateFallingPieces(false);
    EXPECT_NE(ColumnStacks[0]->Bounce, b0);
}

TEST_F(Falling, PiecesPileUpOnTheFloorAndOnlyTheFirstOrARestedTopMakesASound) {
    Board({
        ".1",
        ".1",
        ".1",
        ".1",
        ".1",
        ".1",
        ".1",
        ".1", //
        "41", // held from the side until the 1 beside it goes
        "..", //
        "1.",
        "2.",
    });
    DropUnsupported();
    ASSERT_EQ(FallingPieces.Count(), 2);
    Settle();
    // The lower piece lands first, on the floor: the screen's bottom edge,
    // the upper one right after it, too soon for a second sound.
    EXPECT_EQ(sounds, std::vector<Text>{kGround});
    std::vector<float> ys;
    for (const Ref<PieceParticle>& r : ColumnStacks[0]->Stacked) ys.push_back(r->y);
    EXPECT_EQ(ys, (std::vector<float>{600, 552}));
    EXPECT_EQ(ColumnStacks[0]->StackY(), 504);
    EXPECT_EQ(StackedCount(0), 2);
    EXPECT_EQ(StackedCount(1), 0);
    EXPECT_EQ(ColumnStacks[1]->StackY(), 600);

    // Lying pieces age; the next one, landing on a top that has rested,
    // clicks.
    int rested = ColumnStacks[0]->HighestPieceStackTime();
    UpdateFallingPieces(false);
    EXPECT_EQ(ColumnStacks[0]->HighestPieceStackTime(), rested + 1);
    PieceAt(1, 8)->RemoveFromBoard(1);
    ASSERT_EQ(FallingPieces.Count(), 3);
    Settle();
    EXPECT_EQ(sounds, (std::vector<Text>{kGround, kHitPiece}));
    EXPECT_FLOAT_EQ(ColumnStacks[0]->Stacked.Last()->y, 504);
    EXPECT_EQ(ColumnStacks[0]->Stacked.Last()->dy, 0);
}

TEST_F(Falling, APieceFallingOntoAHeldPartOfTheBoardGoesBackIntoTheGrid) {
    Board({
        "..1",
        "4.1",
        "..1",
        "..1",
        "221",
    });
    Ref<Piece> four = PieceAt(0, 1);
    DropUnsupported();
    ASSERT_EQ(FallingPieces.Count(), 1);
    Settle();
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_TRUE(FallingGroups.IsEmpty());
    EXPECT_EQ(PieceAt(0, 3), four);
    EXPECT_EQ(four->x, 0);
    EXPECT_EQ(four->y, 3);
    EXPECT_EQ(four->OnBoard, 1);
    EXPECT_EQ(sounds, std::vector<Text>{kHitPiece});
    EXPECT_EQ(AnyPieceFalling(), 0);
}

TEST_F(Falling, DuringALevelEndFallenPiecesDropOutOfTheScreen) {
    Board({".", "1", "2"});
    DropUnsupported();
    for (int i = 0; i < 400 && !FallingPieces.IsEmpty(); ++i) UpdateFallingPieces(true);
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_EQ(StackedCount(0), 0);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Falling, ResetEmptiesEverything) {
    Board({".", "1"});
    DropUnsupported();
    Settle();
    ASSERT_EQ(StackedCount(0), 1);
    ResetFalling();
    EXPECT_TRUE(FallingPieces.IsEmpty());
    EXPECT_TRUE(FallingGroups.IsEmpty());
    EXPECT_EQ(CurrentFallingGroup, nullptr);
    EXPECT_EQ(StackedCount(0), 0);
}

} // namespace
} // namespace wispwood
