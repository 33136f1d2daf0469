// The rainbow piece through the player's clicks: it matches anything, even
// a piece that cannot be picked, draws its path untinted, and flashes once
// as it bursts.
#include "framework/scene/input_snapshot.h"
#include "game/board/board_particles.h"
#include "game/board/fairy_glow_images.h"
#include "game/board/game_stats.h"
#include "game/board/path_search.h"
#include "game/board/rainbow_piece.h"
#include "game/board/reachability.h"
#include "game/board/selection.h"
#include "game/board/vine_pieces.h"
#include "tests/support/ascii_board.h"
#include "tests/support/board_play.h"

namespace wispwood {
namespace {

using test::BuildBoard;
using test::Picture;

class Rainbows : public test::BoardPlayTest {
  protected:
    int Flashes() {
        int n = 0;
        for (const auto& p : BoardTwinkles.AllParticles) n += p->TotalLife == 80 && p->EndScale == 6 ? 1 : 0;
        return n;
    }
};

TEST_F(Rainbows, ASelectedRainbowMatchesEvenAPieceThatCannotBePicked) {
    Board({"1111", "2=32", "R..."});
    Click(0, 2);
    EXPECT_EQ(RainbowSelected(), 1);
    EXPECT_EQ(RainbowCount(), 1);
    // The path to a vine body is drawn untinted.
    Hover(1, 1);
    Step();
    ComputeMatchPath(0);
    ASSERT_TRUE(CurrentPath);
    EXPECT_EQ(CurrentPath->Rainbow, 1);

    Click(1, 1);
    Ref<Piece> rainbow = PieceAt(0, 2), body = PieceAt(1, 1);
    ASSERT_TRUE(rainbow && body);
    EXPECT_TRUE(rainbow->PieceExplosionParticle);
    EXPECT_TRUE(body->PieceExplosionParticle);
    EXPECT_EQ(RainbowSelected(), 0);

    // Without a rainbow the body is not a partner for anything.
    Board({"1111", "2=32", "3..."});
    Click(0, 2);
    Click(1, 1);
    EXPECT_FALSE(PieceAt(1, 1)->PieceExplosionParticle);
}

TEST_F(Rainbows, ABurstingRainbowFlashesOnceWhenItsBurstBegins) {
    Board({"11", "R2"});
    auto rainbow = Cast<RainbowPiece>(PieceAt(0, 1));
    rainbow->Update();
    EXPECT_EQ(Flashes(), 0);
    Ref<Particle> burst = test::ExplosionMarker();
    burst->Delayed = 2;
    rainbow->PieceExplosionParticle = burst;
    rainbow->Update();
    EXPECT_EQ(Flashes(), 0); // still waiting its turn
    burst->Delayed = 0;
    for (int i = 0; i < 5; ++i) rainbow->Update();
    EXPECT_EQ(Flashes(), 1);
    EXPECT_EQ(rainbow->DoneExplosion, 1);
}

} // namespace
} // namespace wispwood
