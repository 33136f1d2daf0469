#include "game/board/groups.h"
#include "game/board/piece.h"

namespace wispwood {

namespace {

// Left, up, down, right: the order of the group flood's neighbour loops.
// Left, up, down, right: the order the floods visit, which decides the
// order of a group's pieces.
const int kFloodDx[4] = {-1, 0, 0, 1};
const int kFloodDy[4] = {0, -1, 1, 0};

void GrowGroup(Piece& member, PieceGroup& group) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(member.x + kFloodDx[k], member.y + kFloodDy[k]);
        if (!n || n->Checked || !n->Normal() || n->Color != member.Color || n->Locked) continue;
        n->Checked = 1;
        group.push_back(n);
        GrowGroup(*n, group);
    }
}

void MarkConnected(Piece& piece) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(piece.x + kFloodDx[k], piece.y + kFloodDy[k]);
        if (!n || n->Checked) continue;
        n->Checked = 1;
        MarkConnected(*n);
    }
}

bool SameColourNormal(Piece& a, const Ref<Piece>& b) {
    return b && b->Normal() && b->Color == a.Color;
}

void FloodDeadRegion(Piece& piece, int id, PieceGroup& members) {
    for (int k = 0; k < 4; ++k) {
        const Ref<Piece>& n = CellAt(piece.x + kFloodDx[k], piece.y + kFloodDy[k]);
        if (!n || n->HasCombo || n->DeadRegionGroup) continue;
        n->DeadRegionGroup = id;
        members.push_back(n);
        FloodDeadRegion(*n, id, members);
    }
}

} // namespace

void ClearChecked() {
    ForEachPiece([](const Ref<Piece>& p) { p->Checked = 0; });
}

void GrowSameColourGroup(const Ref<Piece>& piece, PieceGroup& group) {
    group.clear();
    group.push_back(piece);
    if (!piece->Normal()) return;
    piece->Checked = 1;
    GrowGroup(*piece, group);
}

PieceGroup SameColourGroup(const Ref<Piece>& piece) {
    PieceGroup group;
    if (piece->Normal()) ClearChecked();
    GrowSameColourGroup(piece, group);
    return group;
}

void MarkSupported() {
    ClearChecked();
    for (int x = 0; x < Board.Width(); ++x) {
        Ref<Piece> p = PieceAt(x, 0);
        if (!p || p->Checked) continue;
        p->Checked = 1;
        MarkConnected(*p);
    }
    ForEachPiece([](const Ref<Piece>& p) {
        if (p->BlockGravity() != 1) return;
        p->Checked = 1;
        MarkConnected(*p);
    });
}

void ComputeDeadRegions() {
    ForEachPiece([](const Ref<Piece>& p) {
        int combo = 0;
        if (p->Normal())
            for (int k = 0; k < 4 && !combo; ++k)
                if (SameColourNormal(*p, CellAt(p->x + kFloodDx[k], p->y + kFloodDy[k]))) combo = 1;
        p->HasCombo = combo;
        p->DeadRegionGroup = 0;
    });
    int nextId = 0;
    PieceGroup members;
    ForEachPiece([&](const Ref<Piece>& p) {
        if (p->HasCombo || p->DeadRegionGroup) return;
        int id = ++nextId;
        members.assign(1, p);
        p->DeadRegionGroup = id;
        FloodDeadRegion(*p, id, members);
        int size = 0;
        for (const auto& m : members) size += m->y;
        for (const auto& m : members) m->DeadRegionSize = size;
    });
}

} // namespace wispwood
