#include "game/board/powerup.h"
#include "engine/io/text_convert.h"
#include "game/board/board.h"
#include "game/board/board_seams.h"
#include "game/board/piece_images.h"
#include "game/board/vine_pieces.h"

namespace wispwood {

Powerup::Powerup() {
    id = GetNewPieceId();
}

void Powerup::Update() {
    Piece::Update();
    if (Bottom && !IsKind<VineBody>(this)) CallSeam(Seams.PowerupShine, *this);
}

int Powerup::Activate() {
    return 0;
}

Bomb::Bomb() {
    Name = "bomb";
    Image = BlockImages.Bomb;
}

DestroyHorizontalPiece::DestroyHorizontalPiece() {
    Name = "destroyhorizontal";
    Image = BlockImages.DestroyHorizontal;
}

DestroyVerticalPiece::DestroyVerticalPiece() {
    Name = "destroyvertical";
    Image = BlockImages.DestroyVertical;
}

ExtraLife::ExtraLife() {
    Name = "extralife";
    Image = BlockImages.ExtraLife;
}

Earthquake::Earthquake() {
    Name = "Earthquake";
    Image = BlockImages.Earthquake;
}

CrumblingPiece::CrumblingPiece() {
    Name = "crumbling0";
    Image = BlockImages.Crumbling;
}

void CrumblingPiece::SetStage(int stage) {
    CrumblingProgress = stage;
    Name = "crumbling" + IntToText(stage);
    if (stage >= 1) Frame = 1;
}

} // namespace wispwood
