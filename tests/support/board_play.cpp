#include "framework/scene/input_snapshot.h"
#include "game/board/board_particles.h"
#include "game/board/board_sound.h"
#include "game/board/game_stats.h"
#include "game/board/piece.h"
#include "game/board/reachability.h"
#include "game/board/selection.h"
#include "tests/support/board_play.h"

namespace wispwood::test {

void BoardPlayTest::SetUp() {
    BoardTest::SetUp();
    CreateGameStats();
    RecordBoardSounds(&sounds);
}

void BoardPlayTest::TearDown() {
    BoardTest::TearDown();
}

void BoardPlayTest::Board(const Picture& rows) {
    BuildBoard(rows);
    Reveal();
}

void BoardPlayTest::Reveal() {
    FindReachablePieces();
    ForEachPiece([](const Ref<Piece>& p) {
        if (p->Bottom) p->BottomDelay = 0, p->BottomFadeIn = 48;
    });
}

void BoardPlayTest::Hover(int x, int y) {
    OverrideMouse(BoardLeft() + x * CellWidth + CellWidth / 2,
                  static_cast<int>(static_cast<float>(y * CellHeight - CellHeight / 2) + ScrollOffset));
}

void BoardPlayTest::Step(int button) {
    TakeInputSnapshot();
    if (button) ForceMouseClicks(button);
    BoardUpdate(LevelSucceeding::No);
}

void BoardPlayTest::Click(int x, int y, int button) {
    Hover(x, y);
    Step(button);
}

void BoardPlayTest::FinishBursts() {
    for (int i = 0; i < 1000 && BoardEffects.AllParticles.Count() > 0; ++i) BoardEffects.Update();
}

} // namespace wispwood::test
