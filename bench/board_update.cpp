// One update's board logic on a full 16-column board: the reachability
// flood, the reveal schedule and the path search between two large groups.
#include "bench/bench_boards.h"
#include "game/board/board.h"
#include "game/board/path_search.h"
#include "game/board/piece.h"
#include "game/board/piece_factory.h"
#include "game/board/reachability.h"
#include <benchmark/benchmark.h>

namespace {

using namespace wispwood;

// Rows 0 to 9 full of mixed colours; below them two blocks of colour 7
// (columns 0-4 and 11-15, rows 10-13) with open space between and under
// them. The left block is selected, the right one hovered.
void BuildFullBoard() {
    ResetBoard();
    ResetPaths();
    bench::FillMixedRows();
    for (int y = 10; y < 14; ++y) {
        for (int x = 0; x < 5; ++x) bench::PlacePiece(x, y, 7)->MahjongOver = 1;
        for (int x = 11; x < 16; ++x) bench::PlacePiece(x, y, 7)->mover = 1;
    }
    FindReachablePieces();
    ScheduleReveal();
}

void BoardUpdate(benchmark::State& state) {
    BuildFullBoard();
    for (auto _ : state) {
        FindReachablePieces();
        ScheduleReveal();
        ComputeMatchPath(0);
        benchmark::DoNotOptimize(CurrentPath);
    }
    state.counters["pieces"] = CountPieces();
    state.counters["pathlength"] = CurrentPath ? CurrentPath->Distance : -1;
}
BENCHMARK(BoardUpdate);

// The same with every reachable piece newly exposed, so the schedule
// assigns delays on every update.
void BoardUpdateRevealingAll(benchmark::State& state) {
    BuildFullBoard();
    for (auto _ : state) {
        ForEachPiece([](const Ref<Piece>& p) { p->BottomDelay = -1; });
        FindReachablePieces();
        ScheduleReveal();
        ComputeMatchPath(0);
        benchmark::DoNotOptimize(CurrentPath);
    }
}
BENCHMARK(BoardUpdateRevealingAll);

} // namespace
