// The pictures of vine pieces: the leafy set, or the stone set on levels
// whose vines leave blocks behind.
#include "game/board/level.h"
#include "game/board/level_set.h"
#include "game/board/piece_images.h"
#include "game/board/vine_coin.h"
#include "game/board/vine_pieces.h"

namespace wispwood {

namespace {

bool StoneStyle() {
    return CurrentLevel && CurrentLevel->BlockProducingVines;
}

} // namespace

Ref<TImage> VineBody::GetImage() {
    if (StoneStyle()) return BlockImages.StoneVineBody;
    const VineImageSet& set = BlockImages.Vine;
    switch (Overlay) {
    case 1:
    case 3:
        return set.BodyStraight[0];
    case 2:
        return set.BodyStraight[1];
    case 4:
    case 5:
    case 6:
    case 7:
        return set.BodyCorner[Overlay - 4];
    default:
        return nullptr;
    }
}

Ref<TImage> VineHead::GetImage() {
    if (StoneStyle()) return BlockImages.StoneVineHead;
    if (Overlay < 0 || Overlay > 3) return nullptr;
    return BlockImages.Vine.Head[Overlay];
}

void VineBase::RenderAt(float px, float py) {
    Image = GetImage();
    if (CoinInstance) {
        // A falling piece is drawn in screen columns; the coin keeps the
        // board column it left.
        if (OnBoard) CoinInstance->drawx = px;
        CoinInstance->drawy = py;
    }
    if (!Image) return;
    Piece::RenderAt(px, py);
}

} // namespace wispwood
