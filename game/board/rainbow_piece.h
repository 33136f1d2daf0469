#pragma once
// The rainbow piece matches any piece.
#include "game/board/piece.h"

namespace wispwood {

class GlowLogic;

class RainbowPiece : public Piece {
  public:
    RainbowPiece();
    Ref<GlowLogic> Glow;
    int DoneExplosion = 0;

    int Normal() override { return 0; }
};

} // namespace wispwood
