#pragma once
// A hand-drawn layout as a creation override: its lines come in as the
// board's new rows, its last line first, so that once pushed down the board
// shows the layout the way it was written. When the layout has run out a
// gap pattern may take over.
#include "game/board/creation_override.h"

namespace wispwood {

class PredefinedLevel;

// How the layout's lines follow one another.
enum LayoutTileMode {
    kTileRepeat = 0,       // from the end again
    kTileBackAndForth = 1, // up and down again
    kTilePlayOnce = 2,     // then the successor
};

class UsePredefined : public GapCreationOverrideBase {
  public:
    Text PredefinedName;
    Ref<PredefinedLevel> level;
    Ref<GapCreationOverrideBase> Successor;
    int TileMode = kTilePlayOnce;

    void BoardMovedDown() override;
    // The piece the layout's code gives in column x (a marker asks for a
    // random piece of a sort); the successor's once the layout has run out.
    Ref<Piece> Override(int x) override;
    // 1 for a blank cell of the layout; the successor's once it has run out.
    int IsGap(int x) override;
    Text Name() override;
    int ValidSize(int width) override;
    // Finds the layout by name when none is set and prepares its vines once.
    virtual void GrabLevel();
    // The layout line of the current row, or -1 once the layout has run out.
    virtual int LevelY();
};

// The override for a layout: its repeat mode, and as successor the gap
// pattern the layout names (reset), if any.
Ref<UsePredefined> MakeUsePredefined(const Ref<PredefinedLevel>& layout);

} // namespace wispwood
