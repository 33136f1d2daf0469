#pragma once
// Creation overrides: objects the row generator asks about every new cell
// before its random rules. An override can cut a gap, hand over a piece (or
// a marker asking for a particular sort of random piece) and follows the
// board down one row after every generated row.
#include "engine/core/ref.h"
#include "engine/core/text.h"
#include "engine/core/tlist.h"

namespace wispwood {

class Piece;

// A piece waiting to be placed in column x once y more rows have come.
class CreationOverridePiece {
  public:
    Ref<Piece> p;
    int x = 0;
    int y = 0;
};

class CreationOverride : public std::enable_shared_from_this<CreationOverride> {
  public:
    virtual ~CreationOverride() = default;

    TList<Ref<CreationOverridePiece>> Pieces;

    // Counts every waiting piece down a row; an override with nothing left
    // to place leaves the active list.
    virtual void BoardMovedDown();
    // The waiting piece due in column x (handed over once), or null.
    virtual Ref<Piece> Override(int x);
    // 1 when column x of the new row must stay empty.
    virtual int IsGap(int x);
};

// A pattern repeating with the rows: y counts the rows generated since it
// was reset.
class GapCreationOverrideBase : public CreationOverride {
  public:
    int y = 0;

    void BoardMovedDown() override;
    Ref<Piece> Override(int x) override;
    int IsGap(int x) override;
    virtual Text Name();
    // 1 when the pattern suits a board of that width.
    virtual int ValidSize(int width);
    virtual void reset();
};

// The overrides of the level being played, consulted in list order.
extern TList<Ref<CreationOverride>> ActiveOverrides;

// 1 when any active override wants a gap in column x.
int OverrideIsGap(int x);
// The first piece an active override hands over for column x, or null.
Ref<Piece> OverridePiece(int x);
// Every active override follows the board down one row.
void OverridesRowDone();

// The shared pattern of a catalogue, by its 1-based entry; null for 0 and
// anything outside the catalogue (the location file may hold any number).
// Gap catalogue: 1 ChunkGap, 2 DoubleWingSides, 3 LineGap, 4 SingleWingsides,
// 5 TetrisPiece, 6 VerticalDoubleGap, 7 VerticalGap, 8 SimpleSideMissing,
// 9 AlternatingSideMissing, 10 Holey.
Ref<GapCreationOverrideBase> GapCatalogueEntry(int entry);
// Vine catalogue: 1 CurvyLeftVine, 2 CurvyRightVine, 3 CurvyAlternateVine,
// 4 BlockyAlternating, 5 SimpleHover.
Ref<GapCreationOverrideBase> VineCatalogueEntry(int entry);
// The gap catalogue entry whose Name matches, ignoring blanks at the ends
// and letter case; null when none does.
Ref<GapCreationOverrideBase> GapPatternNamed(const Text& name);

// Fills ActiveOverrides for the current level: its predefined layout alone
// when it has one, else its gap and vine patterns, reset.
void StartLevelOverrides();

// No active overrides and fresh catalogues (start-up state).
void ResetCreationOverrides();

} // namespace wispwood
