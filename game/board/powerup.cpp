#include "game/board/powerup.h"
#include "engine/io/text_convert.h"
#include "game/board/board.h"
#include "game/board/board_seams.h"
#include "game/board/piece_effects.h"
#include "game/board/piece_images.h"
#include "game/board/vine_pieces.h"

namespace wispwood {

Powerup::Powerup() : id(GetNewPieceId()) {}

Powerup::Powerup(const Text& name, const Ref<TImage>& image) : Piece(name, image), id(GetNewPieceId()) {}

void Powerup::Update() {
    Piece::Update();
    if (Bottom && !IsKind<VineBody>(this)) PowerupShine(*this);
}

int Powerup::Activate() {
    return 0;
}

Bomb::Bomb() : Powerup("bomb", BlockImages.Bomb) {}

DestroyHorizontalPiece::DestroyHorizontalPiece()
    : DestroyPiece("destroyhorizontal", BlockImages.DestroyHorizontal) {}

DestroyVerticalPiece::DestroyVerticalPiece() : DestroyPiece("destroyvertical", BlockImages.DestroyVertical) {}

ExtraLife::ExtraLife() : Powerup("extralife", BlockImages.ExtraLife) {}

Earthquake::Earthquake() : Powerup("Earthquake", BlockImages.Earthquake) {}

CrumblingPiece::CrumblingPiece() : Powerup("crumbling0", BlockImages.Crumbling) {}

void CrumblingPiece::SetStage(int stage) {
    CrumblingProgress = stage;
    Name = "crumbling" + IntToText(stage);
    if (stage >= 1) Frame = 1;
}

} // namespace wispwood
