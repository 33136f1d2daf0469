#pragma once
// Making pieces: a standard piece of a colour, and a piece by its kind name
// as a saved game records it.
#include "game/board/piece.h"

namespace wispwood {

// A standard piece of the colour with the current level's image for it.
Ref<Piece> NewStandardPiece(int colour);

// Makes the named piece at (x, y) with the colour and creation shine and
// stores it in the grid, replacing what was there. "sidebomb" empties the
// cell; an unknown name, a cell outside the grid or a standard colour
// outside the standard colours does nothing. Returns the piece, or null.
Ref<Piece> CreatePieceByName(const Text& name, int x, int y, int colour, int shine);

} // namespace wispwood
