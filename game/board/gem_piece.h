#pragma once
// A blank tile carrying a gem, or a pickaxe (Pick 1). A pick matches a gem.
// The gem grows in once the tile is uncovered and is released to fly to the
// gem counter when the tile leaves the board.
#include "game/board/piece.h"

namespace wispwood {

class GemPiece : public Piece {
  public:
    explicit GemPiece(int pick = 0);
    int Pick = 0;
    int GemFadeIn = 0; // 0 to 50: the gem's scale-in while uncovered

    int Normal() override { return 0; }
    void Update() override;
    void RenderAt(float x, float y) override;
    void RemoveFromBoard(int dropUnsupported) override;

    virtual void UpdateGem();
    // The size of the gem or pickaxe drawn on the tile.
    virtual float GemScale();
};

} // namespace wispwood
