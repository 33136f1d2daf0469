#pragma once
// Where a profile's game in progress is saved: "media\saves\" + name +
// ".txt" beside the media, or in the write folder standing in for them. The
// name becomes part of a file path: letters, digits and spaces stand as they
// are, and every other byte as "_" and two hex digits, so a name from an
// edited profiles file ("../x", "Zo\xeb") still has a game of its own and
// never a path outside the folder.
#include "engine/core/text.h"

namespace wispwood {

// The path for a profile name, from the name without blanks at its ends;
// "" when the trimmed name is empty. Nothing is read, written or deleted
// without a path.
Text SavedGamePath(const Text& profileName);

// Deletes the saved game of that name; 1 when a file was deleted.
int DeleteSavedGame(const Text& profileName);

} // namespace wispwood
