#include "game/board/beam_flash.h"
#include "game/board/crumble.h"
#include "game/board/powerup.h"
#include "game/board/stone_pieces.h"
#include "tests/game/board/clear_pass_fixture.h"
#include <algorithm>

namespace wispwood {
namespace {

using test::Picture;

class Destroyers : public test::ClearPassWorldTest {
  protected:
    template <class Flash>
    static std::vector<Ref<Particle>> Beams() {
        std::vector<Ref<Particle>> beams;
        for (const auto& p : ShardParticles.AllParticles)
            if (dynamic_cast<Flash*>(p->OverrideRender.get())) beams.push_back(p);
        return beams;
    }
    static int Delay(int x, int y) { return PieceAt(x, y)->PieceExplosionParticle->Delayed; }
};

TEST_F(Destroyers, AColumnPairBurstsBothColumnsAsTheBeamFrontReachesEachPiece) {
    Board({
        "12345",
        "2V112",
        "35.V1",
        "4....",
    });
    Match({{1, 1}, {3, 2}});
    EXPECT_EQ(Bursting(4), (Picture{"-*-*-", "-.-*-", "-*..-", "-...."}));
    // The front moves down 14 pixels per update from the top of the board.
    EXPECT_EQ(Delay(1, 0), 0);
    EXPECT_EQ(Delay(3, 1), CellHeight / 14);
    EXPECT_EQ(Delay(1, 2), 2 * CellHeight / 14);
    for (auto [x, y] : {std::pair{1, 0}, {3, 1}, {1, 2}}) EXPECT_EQ(PieceAt(x, y)->Score, 10);
    EXPECT_GT(Played("media\\sound\\cheif.ogg"), 0);

    auto beams = Beams<VerticalFlash>();
    ASSERT_EQ(beams.size(), 2u);
    std::vector<float> xs = {beams[0]->x, beams[1]->x};
    std::sort(xs.begin(), xs.end());
    EXPECT_EQ(xs, (std::vector<float>{1.5f * CellWidth, 3.5f * CellWidth}));
    ShardParticles.Update();
    EXPECT_EQ(beams[0]->y, 14);
}

TEST_F(Destroyers, ARowBeamBurstsOutwardFromHalfTheDestroyersColumn) {
    Board({
        "0123456701",
        "12345670D2",
        "2D........",
    });
    Match({{8, 1}, {1, 2}});
    EXPECT_EQ(Bursting(3), (Picture{"----------", "********.*", "*........."}));
    EXPECT_EQ(Delay(4, 1), 0);
    EXPECT_EQ(Delay(0, 1), 24);
    EXPECT_EQ(Delay(7, 1), 18);
    EXPECT_EQ(Delay(9, 1), 30);
    EXPECT_EQ(Delay(0, 2), 3); // 6 x |0 - 1/2|
    EXPECT_GT(Played("media\\sound\\powerupsound.ogg"), 0);

    // Two beams each, pointing left and right from the destroyer's centre.
    auto beams = Beams<HorizontalFlash>();
    ASSERT_EQ(beams.size(), 4u);
    std::vector<float> rotations;
    for (const auto& b : beams) rotations.push_back(b->Rotation);
    std::sort(rotations.begin(), rotations.end());
    EXPECT_EQ(rotations, (std::vector<float>{90, 90, 270, 270}));
}

TEST_F(Destroyers, BeamsPassOverPiecesThatAlreadyBurst) {
    Board({
        "1312",
        "2V22",
        "13V1",
    });
    Ref<Piece> early = PieceAt(1, 0), other = PieceAt(2, 1);
    BurstPiece(early, 30, 20);
    BurstPiece(other, 30, 40);
    Ref<Particle> earlyBurst = early->PieceExplosionParticle;
    ASSERT_EQ(TilesPopped->n, 2);

    Match({{1, 1}, {2, 2}});
    EXPECT_EQ(Bursting(3), (Picture{"-**-", "-.*-", "-*.-"}));
    // Only the two pieces the beams found whole burst now: one burst, one
    // score and one quota count per piece.
    EXPECT_EQ(TilesPopped->n, 4);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), 4);
    EXPECT_EQ(early->PieceExplosionParticle, earlyBurst);
    EXPECT_EQ(early->Score, 20);
    EXPECT_EQ(other->Score, 40);
}

TEST_F(Destroyers, ADestroyerFiresOnceEvenWhenThePassReachesItAgain) {
    Board({
        "1111",
        "2V22",
        "13V1",
    });
    auto first = Cast<DestroyPiece>(PieceAt(1, 1)), second = Cast<DestroyPiece>(PieceAt(2, 2));
    // The pass takes the second destroyer first; its nested pass fires the
    // first, which the outer pass then meets again, already gone.
    Match({{1, 1}, {2, 2}});
    EXPECT_EQ(Beams<VerticalFlash>().size(), 2u);
    int bursts = BoardEffects.AllParticles.Count();
    EXPECT_EQ(first->Activate(), 1);
    EXPECT_EQ(second->Activate(), 1);
    EXPECT_EQ(Beams<VerticalFlash>().size(), 2u);
    EXPECT_EQ(BoardEffects.AllParticles.Count(), bursts);
}

TEST_F(Destroyers, StonesBurstInABeamButAWallStaysInItsCell) {
    Board({
        "1S12",
        "2V22",
        "2W.V",
    });
    Match({{1, 1}, {3, 2}});
    EXPECT_TRUE(PieceAt(1, 0)->PieceExplosionParticle);
    Ref<Piece> wall = PieceAt(1, 2);
    EXPECT_FALSE(wall->PieceExplosionParticle);
    FinishBursts();
    EXPECT_EQ(PieceAt(1, 0), nullptr);
    wall->RemoveFromBoard(1);
    EXPECT_EQ(PieceAt(1, 2), wall);
    EXPECT_EQ(wall->InvalidForSelection(), 1);
}

} // namespace
} // namespace wispwood
