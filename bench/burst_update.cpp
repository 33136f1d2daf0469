// One update of the board while a 30-piece clear is bursting on a full
// 16-column board: the board step (reachability, reveal, hover, piece
// updates), the outlines, the path and the particle layers of the bursts.
#include "bench/bench_boards.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/board_play_state.h"
#include "game/board/clear_pass.h"
#include "game/board/crumble.h"
#include "game/board/game_stats.h"
#include "game/board/outlines.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_factory.h"
#include "game/board/reachability.h"
#include "game/board/score_popups.h"
#include "game/board/selection.h"
#include <benchmark/benchmark.h>

namespace {

using namespace wispwood;

// Rows 0 to 9 of mixed colours; below them two 5 x 3 blocks of colour 7
// that have just been matched.
void StartBurst() {
    ResetGameBoardState();
    CreateGameStats();
    bench::FillMixedRows();
    for (int y = 10; y < 13; ++y) {
        for (int x = 0; x < 5; ++x) bench::PlacePiece(x, y, 7)->MarkForDestruction = 1;
        for (int x = 11; x < 16; ++x) bench::PlacePiece(x, y, 7)->MarkForDestruction = 1;
    }
    FindReachablePieces();
    ClearMarked();
}

void BurstUpdate(benchmark::State& state) {
    StartBurst();
    int restarts = 0;
    for (auto _ : state) {
        // A burst lasts about 80 updates; start another before it ends.
        if (BoardEffects.AllParticles.Count() < 30) {
            state.PauseTiming();
            StartBurst();
            ++restarts;
            state.ResumeTiming();
        }
        UpdateOutlines();
        ComputeMatchPath(0);
        wispwood::BoardUpdate(wispwood::LevelSucceeding::No);
        BoardEffects.Update();
        BoardTwinkles.Update();
        ShardParticles.Update();
        ScorePopups.Update();
    }
    state.counters["restarts"] = restarts;
}
BENCHMARK(BurstUpdate);

} // namespace
