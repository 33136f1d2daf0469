#include "game/board/gap_patterns.h"
#include "engine/io/random.h"
#include "game/board/board.h"

namespace wispwood {

namespace {

// Both edges: the outer two columns at phase 1, the outer column at 0 and 2.
int WingGap(int p, int x) {
    int w = BoardWidth;
    if (p == 1) return x <= 1 || x >= w - 2 ? 1 : 0;
    if (p == 0 || p == 2) return x == 0 || x == w - 1 ? 1 : 0;
    return 0;
}

bool Odd(int v) {
    return v % 2 != 0;
}

} // namespace

int Holey::IsGap(int x) {
    if (y % 5 != 1) return 0;
    return Odd(x + (y % 10 == 6 ? 1 : 0)) ? 1 : 0;
}

int Holey::ValidSize(int width) {
    return Odd(width) ? 1 : 0;
}

int AlternatingSideMissing::IsGap(int x) {
    int p = (y + 1) % 8;
    if (x == 0 && p < 2) return 1;
    if (x == BoardWidth - 1 && (p == 4 || p == 5)) return 1;
    return 0;
}

int SimpleSideMissing::IsGap(int x) {
    return (x == 0 || x == BoardWidth - 1) && (y + 1) % 4 < 2 ? 1 : 0;
}

int DoubleWingSides::IsGap(int x) {
    return WingGap((y + 1) % 6, x);
}

int DoubleWingSides::ValidSize(int width) {
    return width > 6 ? 1 : 0;
}

int SingleWingsides::IsGap(int x) {
    return WingGap((y + 1 + (x > 3 ? 4 : 0)) % 8, x);
}

int SingleWingsides::ValidSize(int width) {
    return width > 5 ? 1 : 0;
}

int TetrisPiece::IsGap(int x) {
    int w = BoardWidth, half = BoardWidth / 2;
    switch (y % 8) {
    case 7:
        return x <= 1 || x >= w - 2 ? 1 : 0;
    case 6:
    case 0:
        return x == 0 || x == w - 1 ? 1 : 0;
    case 1:
    case 3:
        return x == half ? 1 : 0;
    case 2:
        return x >= half - 1 && x <= half + 1 ? 1 : 0;
    default:
        return 0;
    }
}

int TetrisPiece::ValidSize(int width) {
    return width >= 9 && Odd(width) ? 1 : 0;
}

int LineGap::IsGap(int x) {
    if (!Odd(y)) return 0;
    int half = BoardWidth / 2;
    int right = Odd(BoardWidth) ? half + 2 : half + 1;
    return x >= half - 2 && x <= right ? 1 : 0;
}

int LineGap::ValidSize(int width) {
    return width > 8 ? 1 : 0;
}

int VerticalGap::IsGap(int x) {
    return x == BoardWidth / 2 ? 1 : 0;
}

int VerticalGap::ValidSize(int width) {
    return width >= 7 && Odd(width) ? 1 : 0;
}

int VerticalDoubleGap::IsGap(int x) {
    int w = BoardWidth;
    int c = (w - 3 + w % 2) / 3;
    return x == c || x == w - 1 - c ? 1 : 0;
}

int VerticalDoubleGap::ValidSize(int width) {
    return width > 10 && Odd(width) ? 1 : 0;
}

void ChunkGap::reset() {
    GapCreationOverrideBase::reset();
    InitialSet = 0;
}

void ChunkGap::BoardMovedDown() {
    y += 1;
    if (y > 4 || InitialSet == 0) {
        InitialSet = 1;
        y = 0;
        StartX = RandomInt(1, BoardWidth - 4);
    }
}

int ChunkGap::IsGap(int x) {
    if (y == 1 || y == 3) return x == StartX + 1 ? 1 : 0;
    if (y == 2) return x >= StartX && x <= StartX + 2 ? 1 : 0;
    return 0;
}

int ChunkGap::ValidSize(int width) {
    return width > 8 ? 1 : 0;
}

} // namespace wispwood
