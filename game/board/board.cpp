#include "game/board/board.h"
#include "game/board/piece.h"
#include "game/board/piece_definition.h"
#include "game/board/stone_pieces.h"
#include <algorithm>

namespace wispwood {

PieceGrid Board(16, 16);
int BoardWidth = 16;
int BoardHeight = 16;
int CellWidth = 48;
int CellHeight = 48;
float ScrollOffset = 0;
int BoardRows = 24;
IntGrid ReachedGrid;
std::vector<PieceGroup> BottomGroups;
Ref<Piece> HoveredPiece;
std::vector<Ref<PieceDefinition>> PieceDefinitions;
std::vector<Ref<PieceDefinition>> BonusPieceDefinitions;
int NewPieceId = 0;

int GetNewPieceId() {
    return ++NewPieceId;
}

int BoardLeft() {
    return 323 - (BoardWidth * CellWidth) / 2;
}

int BoardTop() {
    return -CellHeight;
}

void ResetBoardGrid(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    Board = PieceGrid(width, height);
    BoardWidth = width;
    BoardHeight = height;
}

void ResetBoardForGame() {
    ResetBoardGrid(16, 32);
    ScrollOffset = 0;
}

void ResetBoard() {
    ResetBoardGrid(16, 16);
    CellWidth = 48;
    CellHeight = 48;
    ScrollOffset = 0;
    BoardRows = 24;
    ReachedGrid = IntGrid();
    BottomGroups.clear();
    HoveredPiece = nullptr;
    PieceDefinitions.clear();
    BonusPieceDefinitions.clear();
    NewPieceId = 0;
}

bool MouseToCell(float mx, float my, int& x, int& y) {
    if (CellWidth <= 0 || CellHeight <= 0) return false;
    int rx = static_cast<int>(mx - BoardLeft());
    float ry = my + 2 * CellHeight - ScrollOffset + BoardTop();
    x = static_cast<int>(static_cast<float>(rx) / CellWidth);
    y = static_cast<int>(ry / CellHeight);
    return x >= 0 && y >= 0 && x < BoardWidth && y < BoardHeight;
}

Ref<Piece> PieceAt(int x, int y) {
    return CellAt(x, y);
}

int IsEmptyCell(int x, int y) {
    if (x < 0 || y < 0 || x >= BoardWidth || y >= BoardHeight || !Board.Inside(x, y)) return 0;
    return Board(x, y) ? 0 : 1;
}

int ColumnHeight(int x) {
    if (x < 0 || x >= Board.Width()) return 0;
    for (int y = Board.Height() - 1; y >= 0; --y)
        if (Board(x, y)) return y + 1;
    return 0;
}

int LowestOccupiedRow() {
    int lowest = 0;
    for (int x = 0; x < Board.Width(); ++x) lowest = std::max(lowest, ColumnHeight(x) - 1);
    return lowest;
}

namespace {

template <class Pred>
int CountWhere(Pred pred) {
    int n = 0;
    ForEachPiece([&](const Ref<Piece>& p) { n += pred(*p) ? 1 : 0; });
    return n;
}

// The first piece in grid order that answers yes, or null.
template <class Pred>
Ref<Piece> FirstWhere(Pred pred) {
    for (int x = 0; x < Board.Width(); ++x)
        for (int y = 0; y < Board.Height(); ++y) {
            const Ref<Piece>& p = Board(x, y);
            if (p && pred(*p)) return p;
        }
    return nullptr;
}

} // namespace

int CountPieces() {
    return CountWhere([](Piece&) { return true; });
}

int CountNonWallPieces() {
    return CountWhere([](Piece& p) { return !IsKind<StoneWall>(&p); });
}

int CountShining() {
    return CountWhere([](Piece& p) { return p.CreationShine != 0; });
}

int CountBeingCreated() {
    return CountWhere([](Piece& p) { return p.CreationShine > 50; });
}

int CountSelected() {
    return CountWhere([](Piece& p) { return p.MahjongOver != 0; });
}

int CountMarked() {
    return CountWhere([](Piece& p) { return p.MarkForDestruction != 0; });
}

int CountHovered() {
    return CountWhere([](Piece& p) { return p.mover != 0; });
}

Ref<Piece> SelectedPiece() {
    return FirstWhere([](Piece& p) { return p.MahjongOver != 0; });
}

int SelectedColour() {
    Ref<Piece> p = FirstWhere([](Piece& q) { return q.MahjongOver && q.Normal(); });
    return p ? p->Color : -1;
}

} // namespace wispwood
