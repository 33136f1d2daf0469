#pragma once
// The player's side of the board: the group under the mouse, the selected
// group, and the click that moves the selection or makes a match.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class Piece;

extern int SelectionChanged;
extern Ref<Piece> LastHoveredPiece;
extern float LastClearX, LastClearY;

// Whether the level above the board is ending in success (or offering to
// try again): the board then takes no clicks, since the pieces are leaving.
enum class LevelSucceeding { No, Yes };

// The per-update board step: hover, clicks, piece updates, stuck check.
void BoardUpdate(LevelSucceeding succeeding);
// Turns a click into a new selection or a match.
void BoardClick(LevelSucceeding succeeding);
// After a row push: the selection and the hover take in new members of
// their groups.
void RegrowSelection();
// Whether the hover takes the piece under the pointer: it touches the open
// space, is whole, and has come to rest.
bool PieceHoverable(const Ref<Piece>& p);
// Clears MahjongOverCenter everywhere and sets it on this piece.
void SetSelectionCentre(const Ref<Piece>& piece);

void ResetSelection();

} // namespace wispwood
