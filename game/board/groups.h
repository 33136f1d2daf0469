#pragma once
// Floods over neighbouring pieces: same-colour groups, the support from the
// top of the board, and the regions of pieces with no same-colour neighbour.
#include "game/board/board.h"

namespace wispwood {

// The four neighbours of a cell, as offsets: left, right, up, down.
constexpr int kNeighbourDx[4] = {-1, 1, 0, 0};
constexpr int kNeighbourDy[4] = {0, 0, -1, 1};

// The piece and every standard piece of its colour joined to it through
// 4-neighbours, locked pieces left out; just the piece when it is not a
// standard piece. Marks the members Checked (and nothing else).
PieceGroup SameColourGroup(const Ref<Piece>& piece);
// The same without clearing Checked first: for a caller that knows no
// piece is marked (it cleared the marks or the last group's members).
void GrowSameColourGroup(const Ref<Piece>& piece, PieceGroup& group);

// Marks Checked every piece held up by the top row or by a piece that holds
// itself up, through 4-neighbours of any kind. Unmarked pieces fall.
void MarkSupported();

// HasCombo, DeadRegionGroup and DeadRegionSize of every piece.
void ComputeDeadRegions();

// Clears Checked on every piece.
void ClearChecked();

} // namespace wispwood
