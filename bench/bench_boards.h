#pragma once
// Boards the benchmarks share: full 16-column boards of mixed colours.
#include "game/board/board.h"
#include "game/board/piece.h"
#include "game/board/piece_factory.h"

namespace wispwood::bench {

inline Ref<Piece> PlacePiece(int x, int y, int colour) {
    Ref<Piece> p = NewStandardPiece(colour);
    p->x = x;
    p->y = y;
    Board(x, y) = p;
    return p;
}

// A 16 x 32 grid whose rows 0 to 9 hold seven colours mixed so that groups
// stay small.
inline void FillMixedRows() {
    ResetBoardGrid(16, 32);
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 10; ++y) PlacePiece(x, y, (x * 3 + y * 5 + (x / 4) * y) % 7);
}

} // namespace wispwood::bench
