// Making a new top row on a 16-column board: the typical case, accepted in
// an attempt or two, and the worst case, where every one of the attempts is
// thrown out (a one-colour level) and each cell still runs the special
// rules of a late level.
#include "engine/io/random.h"
#include "game/board/board.h"
#include "game/board/column_stacks.h"
#include "game/board/creation_override.h"
#include "game/board/level_set.h"
#include "game/board/new_piece.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/piece_factory.h"
#include "game/board/row_push.h"
#include <benchmark/benchmark.h>

namespace {

using namespace wispwood;

// A 16-column level of the given colours at location n, its board holding
// ten rows below an empty row 0.
void SetUpLevel(int colours, int n) {
    ResetBoard();
    ResetCreationOverrides();
    ResetNewPiece();
    SeedRandom(1234);
    auto level = New<Level>();
    level->_Width = 16;
    level->Colors = {colours};
    level->PieceWidth = level->PieceHeight = 48;
    level->GroupFactor = 0.3f;
    level->n = n;
    CurrentLevelSet = New<LevelSet>();
    CurrentLevelSet->Levels.push_back(level);
    SelectLevel(0);
    ResetBoardGrid(16, 32);
    ResetColumnStacks(16);
    for (int x = 0; x < 16; ++x)
        for (int y = 1; y <= 10; ++y) {
            Ref<Piece> p = NewStandardPiece((x * 3 + y * 5 + (x / 4) * y) % std::max(colours, 1));
            p->x = x;
            p->y = y;
            Board(x, y) = p;
        }
}

void CreateTopRowTypical(benchmark::State& state) {
    SetUpLevel(5, 30);
    CurrentLevel->GemFrequency = 10;
    int attempts = 0, rows = 0;
    for (auto _ : state) {
        attempts += CreateTopRow(0);
        ++rows;
        benchmark::DoNotOptimize(Board(0, 0));
    }
    state.counters["attempts_per_row"] = rows ? double(attempts) / rows : 0;
}
BENCHMARK(CreateTopRowTypical)->Unit(benchmark::kMicrosecond);

void CreateTopRowAllRejected(benchmark::State& state) {
    SetUpLevel(1, 30);
    CurrentLevel->GemFrequency = 10;
    int accepted = 0;
    for (auto _ : state) {
        accepted += CreateTopRow(0) != 0 ? 1 : 0;
        benchmark::DoNotOptimize(Board(0, 0));
    }
    state.counters["accepted"] = accepted;
}
BENCHMARK(CreateTopRowAllRejected)->Unit(benchmark::kMillisecond);

} // namespace
