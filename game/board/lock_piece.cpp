#include "game/board/lock_piece.h"
#include "game/board/piece_images.h"

namespace wispwood {

LockPiece::LockPiece(int unlocker) : Piece("lock", unlocker ? BlockImages.Lock : BlockImages.Key) {
    Unlocker = unlocker;
    OverrideFrame = 1;
}

Ref<TImage> LockPiece::GetMyImage(int) {
    return Unlocker ? BlockImages.Lock : BlockImages.Key;
}

} // namespace wispwood
