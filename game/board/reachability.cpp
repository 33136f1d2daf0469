#include "game/board/reachability.h"
#include "game/board/board.h"
#include "game/board/board_seams.h"
#include "game/board/groups.h"
#include "game/board/piece.h"
#include <algorithm>

namespace wispwood {

namespace {

// Left, right, up, down.
const int kDx[4] = {-1, 1, 0, 0};
const int kDy[4] = {0, 0, -1, 1};

void Reach(int cx, int cy, int fromX, int fromY) {
    ReachedGrid(cx, cy) = 1;
    Ref<Piece> piece = PieceAt(cx, cy);
    if (!piece || piece->PieceExplosionParticle) {
        for (int k = 0; k < 4; ++k) {
            int nx = cx + kDx[k], ny = cy + kDy[k];
            if (nx < 0 || ny < 0 || nx >= BoardWidth || ny >= BoardRows || ReachedGrid(nx, ny)) continue;
            Reach(nx, ny, cx, cy);
        }
        return;
    }
    if (piece->Locked) return;
    piece->BottomOutside = 1;
    if (piece->Bottom) return;
    BottomGroups.emplace_back();
    PieceGroup& group = BottomGroups.back();
    SameColourGroupInto(piece, group);
    int id = GetNewPieceId();
    for (const auto& member : group) {
        member->Bottom = 1;
        member->BottomX = fromX;
        member->BottomY = fromY;
        member->BottomGroupID = id;
    }
}

} // namespace

void FindReachablePieces() {
    BottomGroups.clear();
    BoardRows = 1;
    ForEachPiece([](const Ref<Piece>& p) {
        BoardRows = std::max(BoardRows, p->y + 2);
        p->Bottom = 0;
        p->BottomOutside = 0;
    });
    ReachedGrid = IntGrid(BoardWidth + 1, BoardRows + 1);
    if (BoardWidth <= 0) return;
    Reach(0, BoardRows - 1, 0, BoardRows - 1);
}

void ScheduleReveal() {
    if (CountBeingCreated() > 0 || AskSeam(Seams.BoardEffectsDelayed, 0)) return;
    bool waiting = false;
    ForEachPiece([&](const Ref<Piece>& p) { waiting = waiting || (p->Bottom && p->BottomDelay == -1); });
    if (!waiting) return;
    CallSeam(Seams.RecolourLoneGroups);
    int d = 35;
    for (int y = BoardHeight - 1; y >= 0; --y) {
        bool any = false;
        for (int x = 0; x < BoardWidth; ++x) {
            Ref<Piece> p = PieceAt(x, y);
            if (!p || !p->Bottom || p->BottomDelay != -1) continue;
            p->BottomDelay = d;
            if (!any) p->PlayFlip = 1;
            any = true;
        }
        if (any) d += 15;
    }
}

} // namespace wispwood
