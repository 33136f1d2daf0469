// Fairy tiles on a drawn board: when they are set free, what that is worth,
// the fairy's flight and the cobwebs to their neighbours.
#include "framework/anim/anim.h"
#include "game/board/board_sound.h"
#include "game/board/fairy_flight.h"
#include "game/board/game_score.h"
#include "game/board/hover_piece.h"
#include "game/board/reachability.h"
#include "game/board/score_popups.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

using test::BuildBoard;

class FairyTiles : public test::BoardTest {
  protected:
    std::vector<Text> sounds;
    void SetUp() override {
        test::BoardTest::SetUp();
        RecordBoardSounds(&sounds);
    }
    Ref<HoverPiece> Tile(int x, int y) { return Cast<HoverPiece>(PieceAt(x, y)); }
    int Fairies() {
        int n = 0;
        for (const auto& p : ScorePopups.AllParticles) n += Cast<FairyFlyLogic>(p->ExtraLogic) ? 1 : 0;
        return n;
    }
};

TEST_F(FairyTiles, ATileWithNoColouredNeighbourLeftIsFreedAtOnce) {
    BuildBoard({"1111", "2222", ".H3.", "...."});
    Ref<HoverPiece> tile = Tile(1, 2);
    tile->Update();
    EXPECT_EQ(PieceAt(1, 2), tile);
    // Its last coloured neighbour goes; another tile above it does not
    // hold it.
    PieceAt(2, 2)->RemoveFromBoard(0);
    Board(1, 1) = New<HoverPiece>();
    Board(1, 1)->x = 1, Board(1, 1)->y = 1;
    int score = GameScore;
    tile->Update();
    EXPECT_EQ(PieceAt(1, 2), nullptr);
    EXPECT_EQ(GameScore - score, 250);
    EXPECT_EQ(sounds, (std::vector<Text>{"media\\sound\\fairyreleased.ogg"}));
    EXPECT_EQ(Fairies(), 1);
    // The freed fairy is its own reward: no quota particle.
    EXPECT_EQ(tile->NoParticle, 1);
}

TEST_F(FairyTiles, ATileInRowZeroIsNotFreedByLosingItsNeighbours) {
    BuildBoard({".H.", "..."});
    for (int i = 0; i < 10; ++i) Tile(1, 0)->Update();
    EXPECT_NE(PieceAt(1, 0), nullptr);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(FairyTiles, UnderFourEmptyRowsWithNothingLeftToMatchATileBreaksFreeAfterAHundredUpdates) {
    // A full top row, four empty rows, and the tile hanging beside a 1 that
    // nothing reachable matches.
    BuildBoard({"2222", "....", "....", "....", "....", "H1..", "....", "3..."});
    Ref<HoverPiece> tile = Tile(0, 5);
    FindReachablePieces();
    EXPECT_EQ(tile->Ceiling(), 4);
    int updates = 0;
    while (PieceAt(0, 5) && updates < 200) {
        tile->Update();
        ++updates;
    }
    EXPECT_EQ(updates, 101);
    EXPECT_EQ(sounds, (std::vector<Text>{"media\\sound\\fairyreleased.ogg"}));

    // With a reachable 1 elsewhere the player can still clear its neighbour,
    // so the tile waits.
    BuildBoard({"2222", "....", "....", "....", "....", "H1..", "....", "1..."});
    tile = Tile(0, 5);
    FindReachablePieces();
    for (int i = 0; i < 200; ++i) tile->Update();
    EXPECT_EQ(PieceAt(0, 5), tile);
    EXPECT_EQ(tile->BreakFreeAnim, 0);

    // Three empty rows are not enough.
    BuildBoard({"2222", "....", "....", "....", "H1..", "3..."});
    tile = Tile(0, 4);
    FindReachablePieces();
    EXPECT_EQ(tile->Ceiling(), 3);
    for (int i = 0; i < 200; ++i) tile->Update();
    EXPECT_EQ(PieceAt(0, 4), tile);
}

TEST_F(FairyTiles, TheCeilingCountsTheFirstRunOfEmptyRowsAbove) {
    BuildBoard({"....", "2...", "....", "....", "1...", "H1.."});
    // Row 4 is occupied, rows 3 and 2 are empty, row 1 ends the run.
    EXPECT_EQ(Tile(0, 5)->Ceiling(), 2);
    BuildBoard({"H1.."});
    EXPECT_EQ(Tile(0, 0)->Ceiling(), 0);
}

TEST_F(FairyTiles, CobwebsGrowTowardsNeighboursAndShrinkWhenTheyGo) {
    BuildBoard({"111", "1H1", "..."});
    Ref<HoverPiece> tile = Tile(1, 1);
    for (int i = 0; i < 30; ++i) tile->Update();
    EXPECT_EQ(tile->DrawCobwebs[0][0], 50); // above left, held at the top
    EXPECT_EQ(tile->DrawCobwebs[1][2], 0);  // nothing below
    EXPECT_EQ(tile->DrawCobwebs[1][1], 0);  // its own cell
    PieceAt(0, 0)->RemoveFromBoard(0);
    for (int i = 0; i < 10; ++i) tile->Update();
    EXPECT_EQ(tile->DrawCobwebs[0][0], 40);
}

TEST_F(FairyTiles, TheAnimationIdlesThenSwingsFromTheMiddleFrame) {
    auto tile = New<HoverPiece>();
    ASSERT_TRUE(tile->Anim);
    std::vector<int> frames;
    for (int i = 0; i < 400; ++i) {
        tile->Update();
        frames.push_back(tile->Frame);
    }
    // The idle flutter runs frames 0..7 three times, two updates a frame.
    EXPECT_EQ(frames[1], 1);
    EXPECT_EQ(frames[15], 0);
    EXPECT_EQ(tile->OverrideFrame, 1);
    // Then a swing starts at the middle frame and reaches 8 to 12 frames out.
    EXPECT_EQ(frames[48], 12);
    int lo = *std::min_element(frames.begin() + 48, frames.begin() + 100);
    int hi = *std::max_element(frames.begin() + 48, frames.begin() + 100);
    EXPECT_TRUE(lo == 12 || hi == 12);
    EXPECT_GE(std::max(12 - lo, hi - 12), 8);
}

TEST_F(FairyTiles, TheFreedFairySinksThenFliesOffSidewaysAndUpGrowing) {
    ParticleGroup group;
    ReleaseFairy(100, 200, nullptr, &group);
    ASSERT_EQ(group.AllParticles.Count(), 33); // 32 twinkles and the fairy
    Ref<Particle> fairy = group.AllParticles.Last();
    auto logic = Cast<FairyFlyLogic>(fairy->ExtraLogic);
    ASSERT_TRUE(logic);
    EXPECT_FLOAT_EQ(fairy->x, 124);
    EXPECT_FLOAT_EQ(fairy->y, 176);
    float startY = fairy->y;
    for (int i = 0; i < 100; ++i) fairy->Update();
    EXPECT_GT(fairy->StartScale, 0.7f);
    EXPECT_EQ(fairy->dx < 0, logic->xmult == 1);
    for (int i = 0; i < 99; ++i) fairy->Update();
    EXPECT_LT(fairy->y, startY);
    EXPECT_NEAR(fairy->StartScale, 1.5f, 0.05f);
}

} // namespace
} // namespace wispwood
