#include "game/board/reachability.h"
#include "game/board/board.h"
#include "game/board/board_particles.h"
#include "game/board/dead_end.h"
#include "game/board/groups.h"
#include "game/board/piece.h"
#include <algorithm>

namespace wispwood {

namespace {

// Left, right, up, down.
// Each group's flood starts from a grid without Checked marks. Once the
// grid has been cleared, the only marks are the previous group's members,
// so clearing those is enough.
struct GroupMarks {
    bool cleared = false;
    PieceGroup* last = nullptr;
    void Prepare(const Ref<Piece>& piece) {
        if (!piece->Normal()) return;
        if (!cleared) {
            ClearChecked();
            cleared = true;
        } else if (last) {
            for (const auto& member : *last) member->Checked = 0;
        }
    }
};

void Reach(int cx, int cy, int fromX, int fromY, GroupMarks& marks) {
    ReachedGrid(cx, cy) = 1;
    const Ref<Piece>& piece = CellAt(cx, cy);
    if (!piece || piece->PieceExplosionParticle) {
        for (int k = 0; k < 4; ++k) {
            int nx = cx + kNeighbourDx[k], ny = cy + kNeighbourDy[k];
            if (nx < 0 || ny < 0 || nx >= BoardWidth || ny >= BoardRows || ReachedGrid(nx, ny)) continue;
            Reach(nx, ny, cx, cy, marks);
        }
        return;
    }
    if (piece->Locked) return;
    piece->BottomOutside = 1;
    if (piece->Bottom) return;
    marks.Prepare(piece);
    BottomGroups.emplace_back();
    PieceGroup& group = BottomGroups.back();
    GrowSameColourGroup(piece, group);
    if (piece->Normal()) marks.last = &group;
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
    // Group lists stay where they are while the flood adds more.
    BottomGroups.reserve(size_t(BoardWidth) * BoardRows);
    GroupMarks marks;
    Reach(0, BoardRows - 1, 0, BoardRows - 1, marks);
}

void ScheduleReveal() {
    if (CountBeingCreated() > 0 || BoardEffectsDelayed()) return;
    bool waiting = false;
    ForEachPiece([&](const Ref<Piece>& p) { waiting = waiting || (p->Bottom && p->BottomDelay == -1); });
    if (!waiting) return;
    RecolourLoneGroups();
    int d = 35;
    for (int y = BoardHeight - 1; y >= 0; --y) {
        bool any = false;
        for (int x = 0; x < BoardWidth; ++x) {
            const Ref<Piece>& p = CellAt(x, y);
            if (!p || !p->Bottom || p->BottomDelay != -1) continue;
            p->BottomDelay = d;
            if (!any) p->PlayFlip = 1;
            any = true;
        }
        if (any) d += 15;
    }
}

} // namespace wispwood
