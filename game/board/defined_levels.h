#pragma once
// The predefined layouts of "media\definedlevels.txt": one section per
// location, in file order, and the pieces their cell codes stand for.
#include "game/board/predefined_level.h"

namespace wispwood {

class GameFile;
class Piece;

extern TList<Ref<PredefinedLevel>> PredefinedLevels;
extern const char* const kDefinedLevelsPath; // "media\definedlevels.txt"

// Every section with a name becomes a layout, in section order. Rows are
// cut into Width cells of two characters with backquotes removed; a cell
// that ends up empty, or that a short row does not reach, is "  ".
std::vector<Ref<PredefinedLevel>> ReadPredefinedLevels(GameFile& file);

// Reads the file into PredefinedLevels (empty when it cannot be read);
// 1 when it was read.
int LoadPredefinedLevels(const Text& path = kDefinedLevelsPath);

// The layout of level n, or null when the file has no entry for it or the
// entry is empty.
Ref<PredefinedLevel> PredefinedLevelFor(int n);
// The layout whose Name matches, ignoring blanks at the ends and letter
// case; null when none does.
Ref<PredefinedLevel> FindPredefinedLevel(const Text& name);

// The piece a cell code stands for, or null for an empty cell, "nx", a
// colour outside the standard colours and any unknown code. Markers
// (DummyLockedPiece, DummyUnlockPiece, DummyForceNormal) ask the row
// generator for a random piece of that sort.
Ref<Piece> PieceFromLayoutCode(const Text& code);

void ResetPredefinedLevels();

} // namespace wispwood
