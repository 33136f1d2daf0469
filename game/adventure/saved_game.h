#pragma once
// A game in progress as a sectioned text file: score and lives, the scroll
// position, every piece, the quota count, the level and location, and the
// level-end sequence if one was running. Only standard pieces, bombs, stones,
// stone walls and crumbling pieces come back; the rest of the level (row
// generation, overrides, the inner state of specials) starts fresh.
#include "engine/core/text.h"

namespace wispwood {

enum class SavedGameLoad {
    Unreadable,     // nothing was changed: the caller starts the level afresh
    Resumed,        // the level is back; "GET READY" should count down
    ResumedInEnding // the level is back inside its end sequence
};

// Writes the file, creating or replacing it; 1 on success.
int SaveGame(const Text& path);

// Restores the game from the file. A file that cannot be read, or that names
// a location or level the game does not have, changes nothing.
SavedGameLoad LoadGame(const Text& path);

} // namespace wispwood
