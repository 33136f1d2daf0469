#pragma once
// A hand-drawn board layout: rows of two-character cell codes that the
// creation overrides turn into pieces as the rows come in.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"
#include <vector>

namespace wispwood {

class PredefinedLevel {
  public:
    virtual ~PredefinedLevel() = default;

    Text Name;
    int Width = 0;
    int Height = 0;
    std::vector<std::vector<Text>> Pieces; // [row][column]
    int RepeatMode = 0;
    Text RepeatSuccessor;
    TList<Ref<PredefinedLevel>> UndoStages;
    TList<Ref<PredefinedLevel>> RedoStages;
    int _Processed = 0;

    // 1 when every cell is empty.
    virtual int IsEmpty();
    // The cell code, or the empty cell "  " outside the layout.
    virtual Text GetPiece(int col, int row);
};

// The code of an empty cell.
extern const char* const kEmptyCellCode;

// Rewrites every vine cell ("v" or "c" first) from its vine neighbours:
// heads point at their one neighbour, bodies take the shape of the two,
// and a cell with none or three becomes empty. Once per layout.
void PrepareVines(PredefinedLevel& level);

} // namespace wispwood
