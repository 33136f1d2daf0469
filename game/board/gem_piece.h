#pragma once
// A blank tile carrying a gem, or a pickaxe (Pick 1). A pick matches a gem.
#include "game/board/piece.h"

namespace wispwood {

class GemPiece : public Piece {
  public:
    explicit GemPiece(int pick = 0);
    int Pick = 0;
    int Normal() override { return 0; }
};

} // namespace wispwood
