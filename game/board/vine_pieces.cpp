#include "game/board/vine_pieces.h"
#include "game/board/board.h"
#include "game/board/groups.h"
#include "game/board/piece_images.h"

namespace wispwood {

void HeadDirection(int overlay, int& dx, int& dy) {
    static const int kHeadDx[4] = {0, -1, 0, 1};
    static const int kHeadDy[4] = {1, 0, -1, 0};
    dx = dy = 0;
    if (overlay < 0 || overlay > 3) return;
    dx = kHeadDx[overlay];
    dy = kHeadDy[overlay];
}

int VineBase::VineAt(int dx, int dy) {
    if (!OnBoard) return 0;
    return IsKind<VineBase>(PieceAt(x + dx, y + dy)) ? 1 : 0;
}

int VineBase::FindVineInPath(const Ref<Piece>& target) {
    if (_Tag) return 0;
    _Tag = 1;
    for (int k = 0; k < 4; ++k) {
        Ref<Piece> next = PieceAt(x + kNeighbourDx[k], y + kNeighbourDy[k]);
        auto vine = Cast<VineBase>(next);
        if (!vine) continue;
        if (next == target || vine->FindVineInPath(target)) return 1;
    }
    return 0;
}

VineHead::VineHead() : VineBase("vinehead", BlockImages.Vine.Head[0]) {}

int VineHead::OverrideEquivilance(const Ref<Piece>& other) {
    ForEachPiece([](const Ref<Piece>& p) {
        if (auto vine = Cast<VineBase>(p)) vine->_Tag = 0;
    });
    return FindVineInPath(other) != 0 ? 1 : 0;
}

VineBody::VineBody() : VineBase("vinebody", BlockImages.Vine.BodyStraight[0]) {}

} // namespace wispwood
