#pragma once
// A board world for matching powerups and obstacles: sounds collected, statistics made,
// and matches made by marking both halves and running the clear pass.
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/clear_pass.h"
#include "game/board/game_stats.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "tests/support/feedback_fixture.h"
#include <initializer_list>
#include <utility>

namespace wispwood::test {

class ClearPassWorldTest : public FeedbackTest {
  protected:
    void SetUp() override {
        FeedbackTest::SetUp();
        CreateGameStats();
    }

    // Builds the board and works out which pieces the player can reach.
    void Board(const Picture& rows) {
        BuildBoard(rows);
        FindReachablePieces();
    }
    // The player matched the pieces in these cells.
    void Match(std::initializer_list<std::pair<int, int>> cells) {
        for (auto [x, y] : cells) PieceAt(x, y)->MarkForDestruction = 1;
        ClearMarked();
    }
    // Lets every burst run to its end.
    static void FinishBursts() {
        for (int i = 0; i < 1000 && BoardEffects.AllParticles.Count() > 0; ++i) BoardEffects.Update();
    }
    // '*' for a bursting piece, '-' for any other.
    static Picture Bursting(int rows) {
        return DrawBoard(rows, [](const Piece& p) { return p.PieceExplosionParticle ? '*' : '-'; });
    }
};

} // namespace wispwood::test
