#include "game/board/stone_pieces.h"
#include "framework/draw_state/draw_state.h"
#include "game/board/piece_images.h"

namespace wispwood {

StonePiece::StonePiece() : Piece("stonepiece", BlockImages.Stone) {}

StoneWall::StoneWall() : Piece("stonewall", BlockImages.Stone) {}

void StoneWall::Render() {
    TDrawState::Push();
    TDrawState::Pop();
}

} // namespace wispwood
