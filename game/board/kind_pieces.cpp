// Constructors and fixed answers of the obstacle kinds.
#include "game/board/gem_piece.h"
#include "game/board/lock_piece.h"
#include "game/board/piece_images.h"
#include "game/board/stone_pieces.h"

namespace wispwood {

BlockImageSet BlockImages;

StonePiece::StonePiece() : Piece("stonepiece", BlockImages.Stone) {}

StoneWall::StoneWall() : Piece("stonewall", BlockImages.Stone) {}

LockPiece::LockPiece(int unlocker) : Piece("lock", unlocker ? BlockImages.Lock : BlockImages.Key) {
    Unlocker = unlocker;
    OverrideFrame = 1;
}

Ref<TImage> LockPiece::GetMyImage(int) {
    return Unlocker ? BlockImages.Lock : BlockImages.Key;
}


} // namespace wispwood
