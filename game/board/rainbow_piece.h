#pragma once
// The rainbow piece matches any piece. It glows while it waits and bursts
// in a flash of light.
#include "game/board/piece.h"

namespace wispwood {

class GlowLogic;

class RainbowPiece : public Piece {
  public:
    RainbowPiece();
    Ref<GlowLogic> Glow;
    int DoneExplosion = 0;

    void Update() override;
    int Normal() override { return 0; }
    // The glow over the piece, drawn after both piece passes.
    virtual void RenderAfter();
};

// Selected rainbow pieces, and all rainbow pieces on the board.
int RainbowSelected();
int RainbowCount();

} // namespace wispwood
