#pragma once
// Whether a hovered piece's group may be joined to the selected one.
#include "game/board/piece.h"

namespace wispwood {

// a is the selected side. Pieces match by kind name: a rainbow matches
// anything, standard pieces by colour, vine heads of one vine, a pick and a
// gem, a lock and a key, and two powerups of the same kind.
int PiecesMatch(const Ref<Piece>& a, const Ref<Piece>& b);

// PiecesMatch(SelectedPiece(), p), or 0 when nothing is selected.
int MatchesSelection(const Ref<Piece>& p);

} // namespace wispwood
