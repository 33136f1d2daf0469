#pragma once
// The board: a grid of pieces indexed [x, y], x the column from the left and
// y the row from the top, with the cell geometry and the piece counters that
// every board step shares.
#include "engine/core/ref.h"
#include <vector>

namespace wispwood {

class Piece;
class PieceDefinition;

using PieceGroup = std::vector<Ref<Piece>>;

// A width x height grid indexed [x, y], column-major like grid order, its
// cells value-initialised (null references, zeros).
template <class Cell>
class Grid {
  public:
    Grid() = default;
    Grid(int width, int height) : width_(width), height_(height), cells_(size_t(width) * height) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    // The cell; the caller keeps x and y inside the grid.
    Cell& operator()(int x, int y) { return cells_[size_t(x) * height_ + y]; }
    const Cell& operator()(int x, int y) const { return cells_[size_t(x) * height_ + y]; }

  private:
    int width_ = 0, height_ = 0;
    std::vector<Cell> cells_;
};

using PieceGrid = Grid<Ref<Piece>>;
using IntGrid = Grid<int>;

extern PieceGrid Board;
extern int BoardWidth;
extern int BoardHeight;
extern int CellWidth;
extern int CellHeight;
// How far the stack has slid into the current cell, 0 to CellHeight.
extern float ScrollOffset;
// Lowest occupied row + 2 as of the last reachability flood.
extern int BoardRows;
extern IntGrid ReachedGrid;
extern std::vector<PieceGroup> BottomGroups;
extern Ref<Piece> HoveredPiece;
extern std::vector<Ref<PieceDefinition>> PieceDefinitions;
extern std::vector<Ref<PieceDefinition>> BonusPieceDefinitions;
extern int NewPieceId;

// Hands out the next piece id (1, 2, ...).
int GetNewPieceId();

// Screen position of the board's origin.
int BoardLeft();
int BoardTop();

// Re-creates the grid empty at the given size.
void ResetBoardGrid(int width, int height);
// The grid at the start of a whole game: 16 x 32, empty, not scrolled.
void ResetBoardForGame();
// Every board global back to its start-up value.
void ResetBoard();

// The cell under a screen position. False when it lies outside the grid
// (or no cell size is set); x and y are set either way when a size is set.
bool MouseToCell(float mx, float my, int& x, int& y);

// The cell's reference, or a null one outside the grid; for the floods,
// which visit every cell many times per update.
inline const Ref<Piece>& CellAt(int x, int y) {
    static const Ref<Piece> none;
    if (x < 0 || y < 0 || x >= BoardWidth || y >= BoardHeight || !Board.Inside(x, y)) return none;
    return Board(x, y);
}

// Board queries. Grid order is column-major: x from 0, within a column y
// from 0.
Ref<Piece> PieceAt(int x, int y);
int IsEmptyCell(int x, int y);
int ColumnHeight(int x);
int LowestOccupiedRow();
int CountPieces();
int CountNonWallPieces();
int CountShining();
int CountBeingCreated();
int CountSelected();
int CountMarked();
int CountHovered();
Ref<Piece> SelectedPiece();
int SelectedColour();

// Calls f(piece) for every piece in grid order.
template <class F>
void ForEachPiece(F&& f) {
    for (int x = 0; x < Board.Width(); ++x)
        for (int y = 0; y < Board.Height(); ++y) {
            const Ref<Piece>& p = Board(x, y);
            if (p) f(p);
        }
}

} // namespace wispwood
