#include "game/board/vine_patterns.h"
#include "game/board/board.h"
#include "game/board/hover_piece.h"
#include "game/board/vine_pieces.h"

namespace wispwood {

namespace {

// A head whose one neighbour lies in direction d (0 below, 1 left, 2 above,
// 3 right).
Ref<Piece> Head(int d) {
    auto head = New<VineHead>();
    head->Overlay = d;
    return head;
}

// A body of shape t (1 vertical, 2 horizontal, 3 cross, 4 above+right,
// 5 right+below, 6 below+left, 7 left+above).
Ref<Piece> Body(int t) {
    auto body = New<VineBody>();
    body->Overlay = t;
    return body;
}

} // namespace

Ref<Piece> CurvyLeftVine::Override(int x) {
    switch ((y + 1) % 6) {
    case 2:
        if (x == 2) return Head(1);
        if (x == 1) return Body(4);
        break;
    case 3:
        if (x == 1) return Body(6);
        if (x == 0) return Body(4);
        break;
    case 4:
        if (x == 0) return Head(0);
        break;
    }
    return nullptr;
}

Ref<Piece> CurvyRightVine::Override(int x) {
    int d = BoardWidth - 1 - x;
    switch ((y + 1) % 6) {
    case 2:
        if (d == 2) return Head(3);
        if (d == 1) return Body(7);
        break;
    case 3:
        if (d == 1) return Body(5);
        if (d == 0) return Body(7);
        break;
    case 4:
        if (d == 0) return Head(0);
        break;
    }
    return nullptr;
}

Ref<Piece> CurvyAlternateVine::Override(int x) {
    // The second half of every twelve rows is the first half mirrored.
    int m = y % 12 >= 6 ? 1 : 0;
    int xm = m ? BoardWidth - 1 - x : x;
    switch (y % 6) {
    case 1:
        if (xm == 2) return Head(1 + 2 * m);
        if (xm == 1) return Body(4 + 3 * m);
        break;
    case 2:
        if (xm == 0) return Body(4 + 3 * m);
        if (xm == 1) return Body(6 - m);
        break;
    case 3:
        if (xm == 0) return Body(1);
        break;
    case 4:
        if (xm == 0) return Body(5 + m);
        if (xm == 1) return Body(7 - 3 * m);
        break;
    case 5:
        if (xm == 1) return Body(5 + m);
        if (xm == 2 || xm == 3) return Body(2);
        if (xm == 4) return Head(1 + 2 * m);
        break;
    }
    return nullptr;
}

Ref<Piece> BlockyAlternating::Override(int x) {
    int w = BoardWidth;
    switch ((y + 1) % 12) {
    case 3:
        if (x == 0) return Head(3);
        if (x == 1) return Body(7);
        break;
    case 4:
        if (x == 0) return Body(4);
        if (x == 1) return Body(6);
        break;
    case 5:
        if (x == 2) return Head(1);
        if (x == 1) return Body(2);
        if (x == 0) return Body(5);
        break;
    case 9:
        if (x == w - 1) return Head(1);
        if (x == w - 2) return Body(4);
        break;
    case 10:
        if (x == w - 2) return Body(5);
        if (x == w - 1) return Body(7);
        break;
    case 11:
        if (x == w - 1) return Body(6);
        if (x == w - 2) return Body(2);
        if (x == w - 3) return Head(3);
        break;
    }
    return nullptr;
}

Ref<Piece> SimpleHover::Override(int x) {
    // Each tile sits in the row under a gap, so nothing holds it from above.
    int q = y % 8;
    if ((q == 1 && x == BoardWidth - 3) || (q == 4 && x == 2)) return New<HoverPiece>();
    return nullptr;
}

int SimpleHover::IsGap(int x) {
    int w = BoardWidth;
    switch (y % 8) {
    case 2:
        return x >= w - 4 && x <= w - 2 ? 1 : 0;
    case 5:
        return x >= 1 && x <= 3 ? 1 : 0;
    default:
        return 0;
    }
}

} // namespace wispwood
