#pragma once
// The fairy tile: floats in the grid, holds itself up and cannot be picked.
// It is set free (250 points, the fairy flies off) when no coloured piece
// touches it any more, or when it has hung under four empty rows for 100
// updates with nothing around it left to match.
#include "game/board/piece.h"

namespace wispwood {

class TAnim;

class HoverPiece : public Piece {
  public:
    HoverPiece();
    Ref<TAnim> Anim;
    int DrawCobwebs[3][3] = {}; // [dx + 1][dy + 1], 0 to 50
    float AnimTicks = 0;
    int BreakFreeAnim = 0;
    int FrameExtremeDelay = -1;

    int InvalidForSelection() override { return 1; }
    void Update() override;
    int Normal() override { return 0; }
    void RemoveFromBoard(int dropUnsupported) override;
    int BlockGravity() override { return 1; }
    // Completely empty rows above the tile, counted up to the first
    // occupied row after them.
    virtual int Ceiling();
    // The cobwebs to the pieces around it, drawn after both piece passes.
    virtual void RenderAfter();

  private:
    void UpdateCobwebs();
    void Release();
    // Whether a piece of the tile's cluster could still be matched with a
    // reachable piece.
    bool ClusterCanMatch();
};

} // namespace wispwood
