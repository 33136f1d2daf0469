#pragma once
// Vine patterns: vines laid into the new rows piece by piece, one row at a
// time, so that the finished vine shows once its rows have come in; and the
// fairy tiles of SimpleHover, each hanging under a gap. They answer from
// the board width and the row counter y, like the gap patterns.
#include "game/board/creation_override.h"

namespace wispwood {

// A vine curling from column 2 to the left edge every six rows.
class CurvyLeftVine : public GapCreationOverrideBase {
  public:
    Ref<Piece> Override(int x) override;
    Text Name() override { return "CurvyLeftVine"; }
};

// The mirror image of CurvyLeftVine at the right edge.
class CurvyRightVine : public GapCreationOverrideBase {
  public:
    Ref<Piece> Override(int x) override;
    Text Name() override { return "CurvyRightVine"; }
};

// A long vine every six rows, at the left edge and then mirrored at the
// right one.
class CurvyAlternateVine : public GapCreationOverrideBase {
  public:
    Ref<Piece> Override(int x) override;
    Text Name() override { return "CurvyAlternateVine"; }
};

// A square hook of a vine at the left edge, then one at the right, every
// twelve rows.
class BlockyAlternating : public GapCreationOverrideBase {
  public:
    Ref<Piece> Override(int x) override;
    Text Name() override { return "BlockyAlternating"; }
};

// Fairy tiles under three-cell gaps, near one side and then the other.
class SimpleHover : public GapCreationOverrideBase {
  public:
    Ref<Piece> Override(int x) override;
    int IsGap(int x) override;
    Text Name() override { return "SimpleHover"; }
};

} // namespace wispwood
