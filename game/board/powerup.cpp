#include "game/board/powerup.h"
#include "game/board/board.h"
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

} // namespace wispwood
