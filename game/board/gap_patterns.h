#pragma once
// Gap patterns: holes cut into the new rows in a fixed rhythm. Each answers
// from the board width and its row counter y (0 for the first row after a
// reset; the row with y = k lies directly above the row with y = k - 1).
#include "game/board/creation_override.h"

namespace wispwood {

// Every fifth row, every other column (the two halves offset by one).
class Holey : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "Holey"; }
    int ValidSize(int width) override;
};

// A notch in the left edge, then one in the right, every eight rows.
class AlternatingSideMissing : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "AlternatingSideMissing"; }
    int ValidSize(int) override { return 1; }
};

// Notches in both edges, two rows of every four.
class SimpleSideMissing : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "SimpleSideMissing"; }
    int ValidSize(int) override { return 1; }
};

// A wing-shaped bite out of both edges every six rows.
class DoubleWingSides : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "DoubleWingSides"; }
    int ValidSize(int width) override;
};

// The wing bites of DoubleWingSides, the right half four rows out of step.
class SingleWingsides : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "SingleWingSides"; }
    int ValidSize(int width) override;
};

// Edge bites and a falling-block shape in the middle every eight rows.
class TetrisPiece : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "TetrisPiece"; }
    int ValidSize(int width) override;
};

// A gap across the middle on every other row.
class LineGap : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "LineGap"; }
    int ValidSize(int width) override;
};

// An empty middle column.
class VerticalGap : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "VerticalGap"; }
    int ValidSize(int width) override;
};

// Two empty columns, a third of the way in from either side.
class VerticalDoubleGap : public GapCreationOverrideBase {
  public:
    int IsGap(int x) override;
    Text Name() override { return "VerticalDoubleGap"; }
    int ValidSize(int width) override;
};

// A plus-shaped hole every five rows, each at a new random place.
class ChunkGap : public GapCreationOverrideBase {
  public:
    int StartX = 0;
    int InitialSet = 0;

    // The one catalogue entry serves every level that names it: a level
    // picks the place of its first hole afresh, as the first level did.
    void reset() override;
    void BoardMovedDown() override;
    int IsGap(int x) override;
    Text Name() override { return "ChunkGap"; }
    int ValidSize(int width) override;
};

} // namespace wispwood
