#pragma once
// Where a profile's game in progress is saved: "media\saves\" + name +
// ".txt" beside the media, or in the write folder standing in for them. The
// name becomes part of a file path, so only a name of letters, digits and
// spaces has a saved game at all.
#include "engine/core/text.h"

namespace wispwood {

// The path for a profile name, from the name without blanks at its ends;
// "" when the trimmed name is empty or holds anything but ASCII letters,
// digits and spaces. Nothing is read, written or deleted without a path.
Text SavedGamePath(const Text& profileName);

// Deletes the saved game of that name; 1 when a file was deleted.
int DeleteSavedGame(const Text& profileName);

} // namespace wispwood
