#pragma once
// The fairy tile: floats in the grid, holds itself up and cannot be picked.
#include "game/board/piece.h"

namespace wispwood {

class TAnim;

class HoverPiece : public Piece {
  public:
    HoverPiece();
    Ref<TAnim> Anim;
    int DrawCobwebs[3][3] = {};
    float AnimTicks = 0;
    int BreakFreeAnim = 0;
    int FrameExtremeDelay = -1;

    int InvalidForSelection() override { return 1; }
    int Normal() override { return 0; }
    int BlockGravity() override { return 1; }
};

} // namespace wispwood
