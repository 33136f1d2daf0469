// Constructors and fixed answers of the obstacle kinds.
#include "game/board/gem_piece.h"
#include "game/board/hover_piece.h"
#include "game/board/lock_piece.h"
#include "game/board/piece_images.h"
#include "game/board/rainbow_piece.h"
#include "game/board/stone_pieces.h"

namespace wispwood {

BlockImageSet BlockImages;

StonePiece::StonePiece() {
    Name = "stonepiece";
    Image = BlockImages.Stone;
}

StoneWall::StoneWall() {
    Name = "stonewall";
    Image = BlockImages.Stone;
}

HoverPiece::HoverPiece() {
    Name = "hoverpiece";
    Image = BlockImages.FairyTile;
}

RainbowPiece::RainbowPiece() {
    Name = "rainbow";
    Image = BlockImages.Rainbow;
}

LockPiece::LockPiece(int unlocker) {
    Name = "lock";
    Unlocker = unlocker;
    OverrideFrame = 1;
    Image = unlocker ? BlockImages.Lock : BlockImages.Key;
}

Ref<TImage> LockPiece::GetMyImage(int) {
    return Unlocker ? BlockImages.Lock : BlockImages.Key;
}

GemPiece::GemPiece(int pick) : Pick(pick) {
    Name = "gem";
}

} // namespace wispwood
