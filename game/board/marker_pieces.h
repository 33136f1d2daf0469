#pragma once
// Markers that creation overrides return instead of a piece; they never
// enter the grid. Each asks for a random standard piece: locked, carrying
// the unlocker, or without specials.
#include "game/board/piece.h"

namespace wispwood {

class DummyLockedPiece : public Piece {};
class DummyUnlockPiece : public Piece {};
class DummyForceNormal : public Piece {};

} // namespace wispwood
