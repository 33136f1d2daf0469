#include "game/board/level_set.h"
#include "game/board/piece_factory.h"
#include "game/board/powerup.h"
#include "game/board/stone_pieces.h"
#include "tests/support/ascii_board.h"

namespace wispwood {
namespace {

class PieceFactory : public test::BoardTest {
  protected:
    void SetUp() override {
        test::BoardTest::SetUp();
        ResetBoardGrid(10, 32);
        CurrentLevel = New<Level>();
    }
};

TEST_F(PieceFactory, SavedNamesMakeTheirKindsInPlace) {
    Ref<Piece> p = CreatePieceByName("standard", 2, 3, 5, 60);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(PieceAt(2, 3), p);
    EXPECT_EQ(p->x, 2);
    EXPECT_EQ(p->y, 3);
    EXPECT_EQ(p->Color, 5);
    EXPECT_EQ(p->CreationShine, 60);
    EXPECT_TRUE(IsKind<Bomb>(CreatePieceByName("bomb", 0, 0, 0, 0)));
    EXPECT_TRUE(IsKind<StonePiece>(CreatePieceByName("stonepiece", 1, 0, 0, 0)));

    auto wall = Cast<StoneWall>(CreatePieceByName("stonewall", 4, 0, 0, 0));
    ASSERT_TRUE(wall);
    EXPECT_EQ(wall->Renderer, 0);
    EXPECT_EQ(wall->Name, "stonewall");
    EXPECT_EQ(CurrentLevel->FirstStoneWall, 0);
    auto renderer = Cast<StoneWall>(CreatePieceByName("stonewallrenderer", 5, 0, 0, 0));
    ASSERT_TRUE(renderer);
    EXPECT_EQ(renderer->Renderer, 1);
    EXPECT_EQ(renderer->Name, "stonewallrenderer");

    auto cracked = Cast<CrumblingPiece>(CreatePieceByName("crumbling1", 6, 0, 0, 0));
    ASSERT_TRUE(cracked);
    EXPECT_EQ(cracked->CrumblingProgress, 1);
    EXPECT_EQ(cracked->Name, "crumbling1");
    EXPECT_EQ(cracked->Frame, 1);
    auto whole = Cast<CrumblingPiece>(CreatePieceByName("crumbling0", 7, 0, 0, 0));
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->Frame, 0);
}

TEST_F(PieceFactory, SideBombsEmptyTheCellAndUnknownInputChangesNothing) {
    CreatePieceByName("standard", 1, 1, 2, 0);
    EXPECT_EQ(CreatePieceByName("sidebomb", 1, 1, 0, 0), nullptr);
    EXPECT_EQ(PieceAt(1, 1), nullptr);

    Ref<Piece> keep = CreatePieceByName("standard", 2, 2, 2, 0);
    EXPECT_EQ(CreatePieceByName("dragon", 2, 2, 0, 0), nullptr);
    EXPECT_EQ(PieceAt(2, 2), keep);
    // A colour that indexes past the colour tables makes no piece.
    EXPECT_EQ(CreatePieceByName("standard", 2, 2, 8, 0), nullptr);
    EXPECT_EQ(CreatePieceByName("standard", 2, 2, -1, 0), nullptr);
    EXPECT_EQ(PieceAt(2, 2), keep);
    // So does a cell outside the grid.
    EXPECT_EQ(CreatePieceByName("bomb", 10, 0, 0, 0), nullptr);
    EXPECT_EQ(CreatePieceByName("bomb", 0, 32, 0, 0), nullptr);
    EXPECT_EQ(CreatePieceByName("bomb", -1, 0, 0, 0), nullptr);
}

} // namespace
} // namespace wispwood
