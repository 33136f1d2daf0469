#pragma once
// Stone pieces and stone walls: obstacles that cannot be picked. A stone
// leaves the board only by losing its hold, by a beam, by the stuck
// recovery or as gold at a level's end; an invisible wall never leaves its
// cell.
#include "game/board/piece.h"

namespace wispwood {

class StonePiece : public Piece {
  public:
    StonePiece();
    int InvalidForSelection() override { return 1; }
    int Normal() override { return 0; }
};

class StoneWall : public Piece {
  public:
    StoneWall();
    int Renderer = 0;
    int InvalidForSelection() override { return 1; }
    // Beams and bombs pass over a wall: it would burst for points and a
    // quota particle and still stand there.
    int CanBeNuked() override { return 0; }
    // Draws nothing.
    void Render() override;
    int Normal() override { return 0; }
    void RemoveFromBoard(int) override {}
    virtual int WallX() { return 0; }
    virtual int WallY() { return 0; }
};

} // namespace wispwood
