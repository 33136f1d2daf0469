#pragma once
// A piece showing a lock (Unlocker 1) or a key (Unlocker 0); a lock matches
// a key.
#include "game/board/piece.h"

namespace wispwood {

class LockPiece : public Piece {
  public:
    // A lock when unlocker is 1, else a key.
    explicit LockPiece(int unlocker = 0);
    int Normal() override { return 0; }
    Ref<TImage> GetMyImage(int frame) override;
};

} // namespace wispwood
